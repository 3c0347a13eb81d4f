// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "app/aboutform.h"
#include "app/closeform.h"
#include "app/dialogprovider.h"
#include "app/elementcombobox.h"
#include "app/pathwayfiledialog.h"
#include "app/widgetsupport.h"
#include "map/graphicsframe.h"
#include "map/settingsform.h"
#include "mapexport.h"
#include "project/filenames.h"
#include "project/project.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantrel {

namespace {

constexpr int TopBarHeight = 56;
constexpr int SecondBarHeight = 53;
constexpr int BottomBarHeight = 41;
constexpr int ScreenButtonWidth = 144;
constexpr int ScreenButtonHeight = 44;
constexpr int ScreenButtonFontPixels = 13;
constexpr int ButtonPageWidth = 277;
constexpr int CommandButtonWidth = 33;

int pageIndex(ScreenMode mode)
{
    return static_cast<int>(mode);
}

QWidget* bar(int height, const char* name)
{
    auto* widget = new QWidget;
    widget->setObjectName(QString::fromLatin1(name));
    widget->setFixedHeight(height);
    return widget;
}

QToolButton* commandButton(QAction* action, QWidget* parent, int width, int height)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(action->objectName() + QStringLiteral("Button"));
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    button->setFixedSize(width, height);
    button->setIconSize(QSize(std::min(width, height) - 8, std::min(width, height) - 8));
    return button;
}

/// Tooltip of a command: its text and, where it has one, its shortcut.
void setCommandToolTip(QAction* action)
{
    const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
    action->setToolTip(shortcut.isEmpty()
                           ? action->text()
                           : QStringLiteral("%1 (%2)").arg(action->text(), shortcut));
}

std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

MainWindow::MainWindow(DialogProvider* dialogs, QWidget* parent)
    : QMainWindow(parent), m_ownDialogs(dialogs ? nullptr : std::make_unique<StandardDialogs>()),
      m_dialogs(dialogs ? *dialogs : *m_ownDialogs)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Vantrel"));
    setWindowIcon(bundledIcon(QStringLiteral("vantrel")));

    m_saveAction =
        new QAction(themeIcon(QStringLiteral("document-save"), QStringLiteral("document-save")),
                    QStringLiteral("Save the project"), this);
    m_saveAction->setObjectName(QStringLiteral("saveAction"));
    m_saveAction->setShortcut(QKeySequence::Save);
    connect(m_saveAction, &QAction::triggered, this, &MainWindow::saveProjectFile);

    m_userExportAction =
        new QAction(themeIcon(QStringLiteral("document-export"), QStringLiteral("document-export")),
                    QStringLiteral("Export the current screen"), this);
    m_userExportAction->setObjectName(QStringLiteral("userExportAction"));
    m_userExportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(m_userExportAction, &QAction::triggered, this, &MainWindow::userExport);

    m_settingsAction =
        new QAction(themeIcon(QStringLiteral("configure"), QStringLiteral("configure")),
                    QStringLiteral("Map settings"), this);
    m_settingsAction->setObjectName(QStringLiteral("settingsAction"));
    connect(m_settingsAction, &QAction::triggered, this, [this] { m_graphics->settingsDialog(); });

    for (QAction* action : {m_saveAction, m_userExportAction, m_settingsAction}) {
        setCommandToolTip(action);
        addAction(action);
    }

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildTopBar(layout);
    buildSecondBar(layout);
    buildViews(layout);
    buildBottomBar(layout);
    setCentralWidget(central);

    // The dialogs live for the whole run.
    m_settingsForm = new SettingsForm(this);
    m_closeForm = new CloseForm(m_dialogs, this);
    m_closeForm->setSaveFunction([this](const QString& path) { savePathway(path); });
    m_aboutForm = new AboutForm(m_dialogs, this);

    m_graphics->setDialogs(&m_dialogs);
    m_graphics->setSettingsForm(m_settingsForm);
    m_graphics->setSelectionSource([this] { return selectedElement(); });
    connect(m_graphics, &GraphicsFrame::gridValuesChanged, this, &MainWindow::updateScreen);
    connect(m_graphics, &GraphicsFrame::graphElementSelected, this,
            &MainWindow::graphElementSelected);

    setScreenMode(ScreenMode::FullScreenGraph);
    resize(1280, 800);
}

MainWindow::~MainWindow()
{
    // The views and the chooser go only when the widget base is destroyed, after the project
    // and this object's own part: from here on they must not reach either.
    disconnect(m_graphics, nullptr, this, nullptr);
    m_graphics->setSelectionSource({});
    m_graphics->setProject(nullptr);
    m_selection->setElementsSource({});
}

void MainWindow::buildTopBar(QVBoxLayout* layout)
{
    QWidget* top = bar(TopBarHeight, "topBar");
    auto* row = new QHBoxLayout(top);
    row->setContentsMargins(24, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(commandButton(m_saveAction, top, ScreenButtonHeight, ScreenButtonHeight));
    row->addWidget(commandButton(m_userExportAction, top, ScreenButtonHeight, ScreenButtonHeight));
    row->addSpacing(40);

    m_screenButtons = new QButtonGroup(this);
    m_screenButtons->setExclusive(true);
    // "Varurero" returns to the pathway screen shown last.
    QPushButton* pathways = addScreenButton(row, QStringLiteral("Varurero"), "pathwaysScreenButton",
                                            ScreenMode::FullScreenGraph, [this] {
                                                setScreenMode(m_pathwayView);
                                                updateScreen();
                                            });
    QPushButton* scenarios = addScreenButton(row, QStringLiteral("Scenarios"),
                                             "scenariosScreenButton", ScreenMode::ScenarioScreen);
    QPushButton* benefits = addScreenButton(row, QStringLiteral("Benefits"), "benefitsScreenButton",
                                            ScreenMode::BenefitsScreen, [this] {
                                                setScreenMode(ScreenMode::BenefitsScreen);
                                                updateScreen();
                                            });
    QPushButton* scoreCard = addScreenButton(row, QStringLiteral("Scorecard"),
                                             "scoreCardScreenButton", ScreenMode::ScoreScreen);
    QPushButton* costGraphs = addScreenButton(row, QStringLiteral("Cost Benefit Graphs"),
                                              "costsScreenButton", ScreenMode::CostsScreen);
    QPushButton* costData = addScreenButton(row, QStringLiteral("Cost Benefit Data"),
                                            "cbDetailScreenButton", ScreenMode::CBDetailScreen);
    row->addStretch();
    for (ScreenMode mode : {ScreenMode::FullScreenGrid, ScreenMode::SplitScreen})
        m_screenButtonOf[static_cast<std::size_t>(mode)] = pathways;
    pathways->setChecked(true);

    benefits->hide();
    costGraphs->setVisible(m_costsAnalysisVisible);
    costData->setVisible(m_costsAnalysisVisible);
    // Their screens are not part of this program yet.
    scenarios->hide();
    scoreCard->hide();

    layout->addWidget(top);
}

QPushButton* MainWindow::addScreenButton(QHBoxLayout* row, const QString& caption, const char* name,
                                         ScreenMode mode, std::function<void()> onClick)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setCheckable(true);
    button->setFixedSize(ScreenButtonWidth, ScreenButtonHeight);
    QFont font = button->font();
    font.setPixelSize(ScreenButtonFontPixels);
    button->setFont(font);
    m_screenButtons->addButton(button);
    m_screenButtonOf[static_cast<std::size_t>(mode)] = button;
    if (!onClick)
        onClick = [this, mode] {
            setScreenMode(mode);
        };
    connect(button, &QPushButton::clicked, this, std::move(onClick));
    row->addWidget(button);
    return button;
}

void MainWindow::buildSecondBar(QVBoxLayout* layout)
{
    QWidget* second = bar(SecondBarHeight, "secondBar");
    auto* row = new QHBoxLayout(second);
    row->setContentsMargins(20, 0, 8, 0);

    m_buttonPages = new QStackedWidget;
    m_buttonPages->setObjectName(QStringLiteral("buttonPages"));
    m_buttonPages->setFixedWidth(ButtonPageWidth);
    const auto page = [&](const char* name) {
        auto* widget = new QWidget;
        widget->setObjectName(QString::fromLatin1(name));
        auto* buttons = new QHBoxLayout(widget);
        buttons->setContentsMargins(0, 0, 0, 0);
        buttons->setSpacing(0);
        m_buttonPages->addWidget(widget);
        return widget;
    };
    m_elementButtons = page("elementButtons");
    m_scoreCardButtons = page("scoreCardButtons");
    m_scenarioButtons = page("scenarioButtons");
    m_emptyButtons = page("emptyButtons");
    auto* elementRow = static_cast<QHBoxLayout*>(m_elementButtons->layout());
    elementRow->addWidget(
        commandButton(m_settingsAction, m_elementButtons, CommandButtonWidth, CommandButtonWidth));
    for (QWidget* p : {m_elementButtons, m_scoreCardButtons, m_scenarioButtons, m_emptyButtons})
        static_cast<QHBoxLayout*>(p->layout())->addStretch();
    row->addWidget(m_buttonPages);

    m_selection = new ElementComboBox;
    m_selection->setElementsSource(
        [this]() -> const ElementsList* { return m_project ? &m_project->elements() : nullptr; });
    connect(m_selection, &QComboBox::activated, this, &MainWindow::selectionPicked);
    row->addWidget(m_selection, 1);

    layout->addWidget(second);
}

void MainWindow::buildViews(QVBoxLayout* layout)
{
    m_views = new QStackedWidget;
    m_views->setObjectName(QStringLiteral("viewPages"));
    static const char* const names[] = {"actionGridPage", "mapPage",       "splitPage",
                                        "costsPage",      "scoreCardPage", "scenarioPage",
                                        "cbDetailPage",   "benefitsPage"};
    for (std::size_t i = 0; i < m_pageOf.size(); ++i) {
        QWidget* page = nullptr;
        if (i == static_cast<std::size_t>(ScreenMode::SplitScreen)) {
            m_splitPage = new QSplitter(Qt::Vertical);
            m_splitPage->addWidget(new QWidget);
            page = m_splitPage;
        } else {
            page = new QWidget;
            auto* pageLayout = new QVBoxLayout(page);
            pageLayout->setContentsMargins(0, 0, 0, 0);
        }
        page->setObjectName(QString::fromLatin1(names[i]));
        m_pageOf[i] = page;
        m_views->addWidget(page);
    }
    m_mapPage = m_pageOf[static_cast<std::size_t>(ScreenMode::FullScreenGraph)];
    m_graphics = new GraphicsFrame;
    m_mapPage->layout()->addWidget(m_graphics);
    layout->addWidget(m_views, 1);
}

void MainWindow::buildBottomBar(QVBoxLayout* layout)
{
    QWidget* bottom = bar(BottomBarHeight, "bottomBar");
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(12, 0, 12, 0);
    m_projectTypeLabel = new QLabel;
    m_projectTypeLabel->setObjectName(QStringLiteral("projectTypeLabel"));
    row->addWidget(m_projectTypeLabel);
    row->addStretch();
    layout->addWidget(bottom);
}

bool MainWindow::startUp(const QString& commandLineFile)
{
    m_aboutForm->setCommandLineFile(commandLineFile);
    for (;;) {
        m_aboutForm->setAction(OpenActions::Close);
        m_aboutForm->exec();
        switch (m_aboutForm->action()) {
        case OpenActions::Close:
            return false;
        case OpenActions::NewConditionPathway:
            installProject(Project::newProject(PathwayType::ConditionBased), {});
            return true;
        case OpenActions::NewTimePathway:
            installProject(Project::newProject(PathwayType::TimeBased), {});
            return true;
        case OpenActions::OpenPathway: {
            const QString fileName = m_aboutForm->fileName();
            std::unique_ptr<Project> opened;
            // A file that fails to open leaves nothing behind; the user chooses again.
            if (runReportingErrors(m_aboutForm,
                                   [&] { opened = Project::open(localPath(fileName)); })) {
                installProject(std::move(opened), fileName);
                return true;
            }
            break;
        }
        }
    }
}

void MainWindow::installProject(std::unique_ptr<Project> project, const QString& fileName)
{
    m_project = std::move(project);
    // The axis labels follow the user's regional settings.
    applyRegionalSettings(m_project->graphics());
    m_selection->setCurrentIndex(0);
    m_graphics->setProject(m_project.get());
    if (!fileName.isEmpty())
        setPathwayFileName(fileName);
    m_projectTypeLabel->setText(m_project->elements().pathwayType() == PathwayType::ConditionBased
                                    ? QStringLiteral("Condition Based")
                                    : QStringLiteral("Time Based"));
    fillSelectedElementComboBox();
    setSelectedElement(nullptr);
    m_exportDir = fileName.isEmpty() ? QString() : QFileInfo(fileName).absolutePath();
    updateScreen();

    if (!m_project->warnings().empty()) {
        QStringList notes;
        for (const std::string& warning : m_project->warnings())
            notes << toQString(warning);
        showMessage(this, notes.join(QLatin1Char('\n')));
    }
}

void MainWindow::setScreenMode(ScreenMode mode)
{
    if (mode == m_screenMode)
        return;
    m_screenMode = mode;

    // The split screen shows the map below the action table; every other screen has it on its
    // own page.
    if (mode == ScreenMode::SplitScreen) {
        m_splitPage->addWidget(m_graphics);
    } else if (m_graphics->parentWidget() != m_mapPage) {
        m_mapPage->layout()->addWidget(m_graphics);
    }

    const bool chooserShown = mode != ScreenMode::ScoreScreen &&
                              mode != ScreenMode::ScenarioScreen &&
                              mode != ScreenMode::BenefitsScreen;
    m_selection->setVisible(chooserShown);
    QWidget* buttons = m_emptyButtons;
    if (isPathwayScreen(mode))
        buttons = m_elementButtons;
    else if (mode == ScreenMode::ScoreScreen)
        buttons = m_scoreCardButtons;
    else if (mode == ScreenMode::ScenarioScreen)
        buttons = m_scenarioButtons;
    m_buttonPages->setCurrentWidget(buttons);
    m_views->setCurrentIndex(pageIndex(mode));
    if (QPushButton* button = m_screenButtonOf[static_cast<std::size_t>(mode)])
        button->setChecked(true);
    if (isPathwayScreen(mode))
        m_pathwayView = mode;
    updateActions();
    pageShown(mode);
}

void MainWindow::pageShown(ScreenMode mode)
{
    if (mode == ScreenMode::FullScreenGraph || mode == ScreenMode::SplitScreen)
        updateScreen();
}

void MainWindow::updateActions()
{
    m_settingsAction->setEnabled(m_screenMode == ScreenMode::FullScreenGraph ||
                                 m_screenMode == ScreenMode::SplitScreen);
}

void MainWindow::updateScreen()
{
    switch (m_screenMode) {
    case ScreenMode::FullScreenGraph:
    case ScreenMode::SplitScreen:
        // Captions may have changed in the properties grid; the chooser shows them as they are.
        fillSelectedElementComboBox();
        m_graphics->updateSeriesSelector();
        m_graphics->draw();
        break;
    case ScreenMode::FullScreenGrid:
    case ScreenMode::CostsScreen:
    case ScreenMode::ScoreScreen:
    case ScreenMode::ScenarioScreen:
    case ScreenMode::CBDetailScreen:
    case ScreenMode::BenefitsScreen:
        break;
    }
}

Element* MainWindow::selectedElement() const
{
    return const_cast<Element*>(m_selection->elementAt(m_selection->currentIndex()));
}

void MainWindow::setSelectedElement(Element* element)
{
    const int index = element && m_project ? m_project->elements().indexOf(element) + 1 : 0;
    {
        const QSignalBlocker blocker(m_selection);
        m_selection->setCurrentIndex(index);
    }
    m_graphics->fillDependentsListBox();
    m_graphics->fillParentsListBox();
}

void MainWindow::fillSelectedElementComboBox()
{
    m_selection->fill();
}

void MainWindow::selectionPicked()
{
    updateScreen();
    m_graphics->fillDependentsListBox();
    m_graphics->fillParentsListBox();
}

void MainWindow::graphElementSelected(Element* element)
{
    setSelectedElement(element);
    m_graphics->draw();
}

void MainWindow::setPathwayFileName(const QString& fileName)
{
    m_pathwayFileName = fileName;
    if (fileName.isEmpty()) {
        setWindowTitle(QStringLiteral("Vantrel"));
        return;
    }
    const QFontMetrics metrics(font());
    const std::string shortened = shortenPathToWidth(
        toStdString(QDir::toNativeSeparators(fileName)), TitlePathWidth,
        [&metrics](const std::string& text) { return metrics.horizontalAdvance(toQString(text)); });
    setWindowTitle(QStringLiteral("Vantrel [%1]").arg(toQString(shortened)));
}

void MainWindow::savePathway(const QString& fileName)
{
    if (m_project)
        m_project->save(localPath(fileName));
}

void MainWindow::saveProjectFile()
{
    if (!m_project)
        return;
    const auto choice = m_dialogs.saveFile(this, pathwayFileDialogOptions(m_pathwayFileName));
    if (!choice)
        return;
    if (!runReportingErrors(this, [&] { savePathway(choice->path); }))
        return;
    setPathwayFileName(choice->path);
    showMessage(this, QDir::toNativeSeparators(m_pathwayFileName) + QStringLiteral(" saved"));
}

void MainWindow::userExport()
{
    switch (m_screenMode) {
    case ScreenMode::FullScreenGraph:
        m_graphics->userExport(m_exportDir);
        break;
    case ScreenMode::FullScreenGrid:
    case ScreenMode::SplitScreen:
    case ScreenMode::CostsScreen:
    case ScreenMode::ScoreScreen:
    case ScreenMode::ScenarioScreen:
    case ScreenMode::CBDetailScreen:
    case ScreenMode::BenefitsScreen:
        // These screens export through their own views, which arrive with them.
        break;
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    m_closeForm->setFileName(m_pathwayFileName);
    if (m_project && m_project->isModified() && m_closeForm->exec() != QDialog::Accepted) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    m_graphics->draw();
}

} // namespace vantrel
