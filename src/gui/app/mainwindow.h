// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/screenmode.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QButtonGroup;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QToolButton;
class QVBoxLayout;

namespace vantrel {

class AboutForm;
class CloseForm;
class DialogProvider;
class Element;
class ElementComboBox;
class GraphicsFrame;
class Project;
class SettingsForm;

/// The program's window: the top bar with save, export and the screen buttons, the second bar
/// with the screen's command buttons and the selection chooser, the views (one page per screen)
/// and the project type at the bottom. It owns the open project, keeps the selected element (in
/// the chooser) and runs the start-up.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    /// `dialogs` answers the file and colour dialogs; the desktop's own when none is given.
    explicit MainWindow(DialogProvider* dialogs = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// Shows the start dialog until the user has a project or quits; `commandLineFile` is the
    /// file named on the command line (empty for none). Returns false when the user quits.
    bool startUp(const QString& commandLineFile);

    Project* project() const { return m_project.get(); }
    bool costsAnalysisVisible() const { return m_costsAnalysisVisible; }

    ScreenMode screenMode() const { return m_screenMode; }
    void setScreenMode(ScreenMode mode);
    /// The pathway screen shown last.
    ScreenMode pathwayView() const { return m_pathwayView; }
    void setPathwayView(ScreenMode mode) { m_pathwayView = mode; }

    /// None when "[none]" is chosen.
    Element* selectedElement() const;
    /// Chooses the element (none for "[none]") and refills the map's parents and dependents;
    /// callers redraw.
    void setSelectedElement(Element* element);
    void fillSelectedElementComboBox();

    /// Redraws the current screen from the project.
    void updateScreen();

    QString pathwayFileName() const { return m_pathwayFileName; }
    /// Stores the project's path and shows it, shortened, in the title.
    void setPathwayFileName(const QString& fileName);
    /// Folder the next export dialog opens in.
    QString exportDir() const { return m_exportDir; }

    /// Writes the project to a file; throws FileError when it cannot.
    void savePathway(const QString& fileName);
    /// The save command: asks for the file (always), saves and reports.
    void saveProjectFile();
    /// The export command of the current screen.
    void userExport();

    GraphicsFrame* graphicsFrame() const { return m_graphics; }
    AboutForm* aboutForm() const { return m_aboutForm; }
    CloseForm* closeForm() const { return m_closeForm; }
    SettingsForm* settingsForm() const { return m_settingsForm; }
    ElementComboBox* selectionComboBox() const { return m_selection; }

    /// Longest title path in pixels of the window's font.
    static constexpr int TitlePathWidth = 400;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildTopBar(QVBoxLayout* layout);
    void buildSecondBar(QVBoxLayout* layout);
    void buildViews(QVBoxLayout* layout);
    void buildBottomBar(QVBoxLayout* layout);
    QPushButton* addScreenButton(QHBoxLayout* bar, const QString& caption, const char* name,
                                 ScreenMode mode, std::function<void()> onClick = {});
    /// Sets up the window for the project chosen at start-up.
    void installProject(std::unique_ptr<Project> project, const QString& fileName);
    void pageShown(ScreenMode mode);
    void selectionPicked();
    void graphElementSelected(Element* element);
    void updateActions();

    std::unique_ptr<DialogProvider> m_ownDialogs;
    DialogProvider& m_dialogs;
    std::unique_ptr<Project> m_project;
    QString m_pathwayFileName;
    QString m_exportDir;
    ScreenMode m_screenMode = ScreenMode::FullScreenGrid;
    ScreenMode m_pathwayView = ScreenMode::FullScreenGrid;
    bool m_costsAnalysisVisible = false;

    QAction* m_saveAction = nullptr;
    QAction* m_userExportAction = nullptr;
    QAction* m_settingsAction = nullptr;
    QButtonGroup* m_screenButtons = nullptr;
    std::array<QPushButton*, 8> m_screenButtonOf{};
    QStackedWidget* m_buttonPages = nullptr;
    QWidget* m_elementButtons = nullptr;
    QWidget* m_scoreCardButtons = nullptr;
    QWidget* m_scenarioButtons = nullptr;
    QWidget* m_emptyButtons = nullptr;
    ElementComboBox* m_selection = nullptr;
    QStackedWidget* m_views = nullptr;
    std::array<QWidget*, 8> m_pageOf{};
    QWidget* m_mapPage = nullptr;
    QSplitter* m_splitPage = nullptr;
    GraphicsFrame* m_graphics = nullptr;
    QLabel* m_projectTypeLabel = nullptr;

    SettingsForm* m_settingsForm = nullptr;
    CloseForm* m_closeForm = nullptr;
    AboutForm* m_aboutForm = nullptr;
};

} // namespace vantrel
