// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aboutform.h"

#include "app/dialogprovider.h"
#include "app/widgetsupport.h"

#include <QDate>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel {

namespace {

constexpr int ButtonWidth = 265;
constexpr int ButtonHeight = 57;

QPushButton* addButton(QVBoxLayout* column, const QString& caption, const char* name)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(ButtonWidth, ButtonHeight);
    button->setAutoDefault(false);
    column->addWidget(button);
    return button;
}

} // namespace

AboutForm::AboutForm(DialogProvider& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("aboutForm"));
    setWindowTitle(QStringLiteral("Vantrel"));
    setModal(true);

    auto* buttons = new QVBoxLayout;
    m_openButton = addButton(buttons, QStringLiteral("Open"), "openButton");
    QPushButton* openExisting =
        addButton(buttons, QStringLiteral("Open existing Pathway file"), "openExistingButton");
    QPushButton* newCondition =
        addButton(buttons, QStringLiteral("Start with empty Pathway (Condition based)"),
                  "newConditionButton");
    QPushButton* newTime = addButton(
        buttons, QStringLiteral("Start with empty Pathway (Time based)"), "newTimeButton");
    QPushButton* close = addButton(buttons, QStringLiteral("Close application"), "closeButton");
    buttons->addStretch();
    m_openButton->setEnabled(false);

    auto* picture = new QLabel;
    picture->setPixmap(bundledIcon(QStringLiteral("vantrel")).pixmap(96, 96));
    auto* title = new QLabel(QStringLiteral("<h2>Vantrel</h2>"));
    auto* info = new QLabel(
        QStringLiteral("Version %1<br><br>Adaptation-pathway planning: define actions with "
                       "their tipping points, link them into pathways and see the result as a "
                       "pathway map, with scenarios, a scorecard and a cost-benefit analysis.")
            .arg(QStringLiteral(VANTREL_VERSION)));
    info->setWordWrap(true);
    info->setMinimumWidth(280);
    auto* date = new QLabel(QStringLiteral("Compile date ") + compileDate());
    date->setObjectName(QStringLiteral("compileDateLabel"));

    auto* about = new QVBoxLayout;
    about->addWidget(picture);
    about->addWidget(title);
    about->addWidget(info);
    about->addStretch();
    about->addWidget(date);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(buttons);
    layout->addSpacing(16);
    layout->addLayout(about, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_openButton, &QPushButton::clicked, this, &AboutForm::openCommandLineFile);
    connect(openExisting, &QPushButton::clicked, this, &AboutForm::openExistingFile);
    connect(newCondition, &QPushButton::clicked, this,
            [this] { finish(OpenActions::NewConditionPathway); });
    connect(newTime, &QPushButton::clicked, this, [this] { finish(OpenActions::NewTimePathway); });
    connect(close, &QPushButton::clicked, this, [this] { finish(OpenActions::Close); });
}

QString AboutForm::compileDate()
{
    // __DATE__ reads "Mmm dd yyyy" with English month names whatever the locale.
    const QDate date =
        QDate::fromString(QString::fromLatin1(__DATE__).simplified(), QStringLiteral("MMM d yyyy"));
    return QLocale().toString(date, QLocale::ShortFormat);
}

void AboutForm::setCommandLineFile(const QString& path)
{
    m_commandLineFile = path;
    const bool offered = !path.isEmpty();
    m_openButton->setEnabled(offered);
    m_openButton->setText(offered ? QStringLiteral("Open ") + QFileInfo(path).fileName()
                                  : QStringLiteral("Open"));
    // With a file on the command line, Return opens it.
    m_openButton->setDefault(offered);
    m_openButton->setAutoDefault(offered);
    if (offered)
        m_openButton->setFocus();
}

void AboutForm::reject()
{
    m_action = OpenActions::Close;
    QDialog::reject();
}

void AboutForm::finish(OpenActions action)
{
    m_action = action;
    accept();
}

void AboutForm::openCommandLineFile()
{
    m_fileName = m_commandLineFile;
    finish(OpenActions::OpenPathway);
}

void AboutForm::openExistingFile()
{
    FileDialogOptions options;
    options.caption = QStringLiteral("Open existing Pathway file");
    options.filters = {{QStringLiteral("pathway files [*.pathway]"), QStringLiteral("*.pathway")},
                       {QStringLiteral("all files [*.*]"), QStringLiteral("*.*")}};
    options.defaultSuffix = QStringLiteral("pathway");
    const auto choice = m_dialogs.openFile(this, options);
    if (!choice)
        return;
    m_fileName = choice->path;
    finish(OpenActions::OpenPathway);
}

} // namespace vantrel
