// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/closeform.h"

#include "app/dialogprovider.h"
#include "app/pathwayfiledialog.h"
#include "app/widgetsupport.h"

#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel {

namespace {

QPushButton* addButton(QVBoxLayout* layout, const QString& caption, const char* name)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setMinimumHeight(36);
    layout->addWidget(button);
    return button;
}

} // namespace

CloseForm::CloseForm(DialogProvider& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("closeForm"));
    setWindowTitle(QStringLiteral("Vantrel"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    m_saveButton = addButton(layout, QStringLiteral("Save Pathway File"), "saveButton");
    QPushButton* saveAs = addButton(layout, QStringLiteral("Save Pathway As..."), "saveAsButton");
    QPushButton* cancel = addButton(layout, QStringLiteral("Cancel exit"), "cancelExitButton");
    QPushButton* exit = addButton(layout, QStringLiteral("Exit without save"), "exitButton");
    setMinimumWidth(320);

    connect(m_saveButton, &QPushButton::clicked, this, &CloseForm::saveToFile);
    connect(saveAs, &QPushButton::clicked, this, &CloseForm::saveAs);
    connect(cancel, &QPushButton::clicked, this, &CloseForm::reject);
    connect(exit, &QPushButton::clicked, this, &CloseForm::exitWithoutSave);
    setFileName({});
}

void CloseForm::setFileName(const QString& fileName)
{
    m_fileName = fileName;
    m_saveButton->setEnabled(!fileName.isEmpty());
}

void CloseForm::saveToFile()
{
    if (!m_fileName.isEmpty())
        saveAndClose(m_fileName);
}

void CloseForm::saveAs()
{
    const auto choice = m_dialogs.saveFile(this, pathwayFileDialogOptions({}));
    if (choice)
        saveAndClose(choice->path);
}

void CloseForm::saveAndClose(const QString& path)
{
    if (m_save && runReportingErrors(this, [&] { m_save(path); }))
        accept();
}

void CloseForm::exitWithoutSave()
{
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Vantrel"),
        QStringLiteral("File not saved. All edits will be lost. Continue to exit?"),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Ok)
        accept();
}

} // namespace vantrel
