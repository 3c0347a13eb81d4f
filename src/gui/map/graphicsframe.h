// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/mapinteraction.h"

#include <QWidget>
#include <functional>

class QAction;
class QComboBox;
class QListWidget;
class QListWidgetItem;
class QScrollArea;
class QToolButton;

namespace vantrel {

class DialogProvider;
class DragHandle;
class Element;
class MapPicture;
class Project;
class PropertiesGrid;
class SettingsForm;

/// The pathway map view: the map picture with its two drag handles on the left; on the right the
/// tweak buttons, the series selector, the elements under the last click, the properties of the
/// selected element and its parents and dependents. It shows the project it is given and turns
/// the user's clicks, drags and edits into changes of the elements; the selection itself is the
/// main window's, which the view only asks about and asks to change.
class GraphicsFrame : public QWidget {
    Q_OBJECT
public:
    explicit GraphicsFrame(QWidget* parent = nullptr);
    ~GraphicsFrame() override;

    /// The project shown; none before start-up has chosen one.
    void setProject(Project* project);
    Project* project() const { return m_project; }
    /// Where the view learns the selected element.
    void setSelectionSource(std::function<Element*()> source) { m_selection = std::move(source); }
    void setDialogs(DialogProvider* dialogs) { m_dialogs = dialogs; }
    void setSettingsForm(SettingsForm* form) { m_settingsForm = form; }

    /// Repaints the map and refills the properties grid.
    void draw();
    /// Lays the map out, places the handles and schedules a repaint of the picture.
    void drawGraph();
    void drawPropertiesGrid();
    void updateSeriesSelector();
    void fillParentsListBox();
    void fillDependentsListBox();
    void autoCalculateYCoordinates();

    /// Height of the graph band, where new actions are placed.
    int pathwayGraphsHeight() const;
    /// Item index of the series selector; -1 when it is empty.
    int seriesSelected() const;
    void setSeriesSelected(int index);

    /// Runs the settings dialog on the map's settings.
    void settingsDialog();
    /// Asks for a file and exports the map; `initialDir` comes in as the folder to start in and
    /// goes out as the folder of the chosen file.
    void userExport(QString& initialDir);
    /// Write the map as shown (series and highlight included); throw FileError on failure.
    void savePngImage(const QString& fileName);
    void saveEmfImage(const QString& fileName);
    void saveSvgImage(const QString& fileName);

    MapPicture* picture() const { return m_picture; }
    DragHandle* rowHandle() const { return m_rowHandle; }
    DragHandle* tippingHandle() const { return m_tippingHandle; }
    PropertiesGrid* propertiesGrid() const { return m_grid; }

signals:
    /// The user picked an element (none for a click on empty space).
    void graphElementSelected(vantrel::Element* element);
    /// The user changed element values through the view.
    void gridValuesChanged();

private:
    Element* selectedElement() const;
    int selectedElementIndex() const;
    /// Computes every element's x extent for the series shown, as painting does, so that hit
    /// tests and handles agree with the picture even before it is painted.
    void layoutMap();
    void syncPictureSize();
    void placeHandles();
    void paintMap(QPainter& painter);
    void updateTweakActions();
    void selectFromList(QListWidgetItem* item);
    Element* elementOfItem(const QListWidgetItem* item) const;
    void addElementItem(QListWidget* list, const Element& element);

    void pictureReleased(QPoint position);
    void pictureDoubleClicked(QPoint position);
    void rowDragged(QPoint position);
    void tippingPointDragged(QPoint position);
    void tweak(int dx, int dy);
    void propertyEdited(int row, const QString& text);
    void rowSpun(int value);
    void dimmedToggled(bool dimmed);
    void chooseColor();
    /// Edits ended: redraw what shows the element and tell the window.
    void elementChanged();

    Project* m_project = nullptr;
    std::function<Element*()> m_selection;
    DialogProvider* m_dialogs = nullptr;
    SettingsForm* m_settingsForm = nullptr;

    QScrollArea* m_graphPanel = nullptr;
    MapPicture* m_picture = nullptr;
    DragHandle* m_rowHandle = nullptr;
    DragHandle* m_tippingHandle = nullptr;
    QAction* m_tweakLeft = nullptr;
    QAction* m_tweakUp = nullptr;
    QAction* m_tweakDown = nullptr;
    QAction* m_tweakRight = nullptr;
    QComboBox* m_seriesSelector = nullptr;
    QListWidget* m_subSelection = nullptr;
    QComboBox* m_attributeGroups = nullptr;
    PropertiesGrid* m_grid = nullptr;
    QListWidget* m_parents = nullptr;
    QListWidget* m_dependents = nullptr;

    bool m_elementSelecting = false;
    bool m_draggingRow = false;
    bool m_draggingTippingPoint = false;
    mapinteraction::RowDrag m_rowDrag;
};

} // namespace vantrel
