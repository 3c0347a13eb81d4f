// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/graphicsframe.h"

#include "app/dialogprovider.h"
#include "app/widgetsupport.h"
#include "map/draghandle.h"
#include "map/elementproperties.h"
#include "map/mappicture.h"
#include "map/pathwaygraphics.h"
#include "map/propertiesgrid.h"
#include "map/settingsform.h"
#include "mapexport.h"
#include "project/filenames.h"
#include "project/project.h"
#include "qpaintersurface.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QScrollArea>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vantrel {

namespace ep = elementproperties;

namespace {

constexpr int RightPanelWidth = 216;
constexpr int TweakButtonWidth = 45;
constexpr int TweakButtonHeight = 48;

enum ItemRole { ElementIdRole = Qt::UserRole, ElementIndexRole };

QListWidget* listInGroup(QVBoxLayout* layout, const QString& title, const char* name)
{
    auto* group = new QGroupBox(title);
    auto* list = new QListWidget;
    list->setObjectName(QString::fromLatin1(name));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->setContentsMargins(4, 4, 4, 4);
    groupLayout->addWidget(list);
    layout->addWidget(group, 1);
    return list;
}

int widgetExtent(std::int32_t pixels)
{
    return std::clamp(pixels, 0, QWIDGETSIZE_MAX);
}

} // namespace

GraphicsFrame::GraphicsFrame(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("graphicsFrame"));

    m_picture = new MapPicture;
    m_picture->setPainter([this](QPainter& painter) { paintMap(painter); });
    m_rowHandle = new DragHandle(DragHandle::Kind::Row, m_picture);
    m_tippingHandle = new DragHandle(DragHandle::Kind::TippingPoint, m_picture);

    m_graphPanel = new QScrollArea;
    m_graphPanel->setObjectName(QStringLiteral("graphPanel"));
    m_graphPanel->setWidget(m_picture);
    m_graphPanel->setWidgetResizable(false);
    m_graphPanel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* rightPanel = new QWidget;
    rightPanel->setObjectName(QStringLiteral("rightPanel"));
    rightPanel->setFixedWidth(RightPanelWidth);
    auto* right = new QVBoxLayout(rightPanel);
    right->setContentsMargins(4, 0, 0, 0);

    auto* tweakPanel = new QHBoxLayout;
    tweakPanel->setSpacing(0);
    const auto addTweak = [&](const QString& icon, const QString& tip, const char* name, int dx,
                              int dy) {
        auto* action = new QAction(bundledIcon(icon), tip, this);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, dx, dy] { tweak(dx, dy); });
        auto* button = new QToolButton;
        button->setObjectName(QString::fromLatin1(name) + QStringLiteral("Button"));
        button->setDefaultAction(action);
        button->setFixedSize(TweakButtonWidth, TweakButtonHeight);
        button->setIconSize(QSize(32, 32));
        button->setAutoRaise(true);
        tweakPanel->addWidget(button);
        return action;
    };
    m_tweakLeft = addTweak(QStringLiteral("tweak-left"), QStringLiteral("Move the start left"),
                           "tweakLeftAction", -1, 0);
    m_tweakUp = addTweak(QStringLiteral("tweak-up"), QStringLiteral("Move the element up"),
                         "tweakUpAction", 0, -1);
    m_tweakDown = addTweak(QStringLiteral("tweak-down"), QStringLiteral("Move the element down"),
                           "tweakDownAction", 0, 1);
    m_tweakRight = addTweak(QStringLiteral("tweak-right"), QStringLiteral("Move the start right"),
                            "tweakRightAction", 1, 0);
    tweakPanel->addStretch();
    right->addLayout(tweakPanel);

    m_seriesSelector = new QComboBox;
    m_seriesSelector->setObjectName(QStringLiteral("scenarioSelectionComboBox"));
    m_seriesSelector->setToolTip(QStringLiteral("Tipping-time column shown on the map"));
    right->addWidget(m_seriesSelector);

    m_subSelection =
        listInGroup(right, QStringLiteral("Elements at current position"), "subSelectionListBox");

    m_attributeGroups = new QComboBox;
    m_attributeGroups->setObjectName(QStringLiteral("attributeGroupsComboBox"));
    m_attributeGroups->addItem(QStringLiteral("General"));
    m_attributeGroups->hide();
    right->addWidget(m_attributeGroups);
    m_grid = new PropertiesGrid;
    m_grid->setElementSource([this]() -> const Element* { return selectedElement(); });
    right->addWidget(m_grid, 3);

    m_parents = listInGroup(right, QStringLiteral("Parents"), "parentsListBox");
    m_dependents = listInGroup(right, QStringLiteral("Dependents"), "dependentsListBox");

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->setObjectName(QStringLiteral("graphSplitter"));
    splitter->addWidget(m_graphPanel);
    splitter->addWidget(rightPanel);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setCollapsible(0, false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(m_picture, &MapPicture::pressed, this, [this] { m_elementSelecting = true; });
    connect(m_picture, &MapPicture::released, this, &GraphicsFrame::pictureReleased);
    connect(m_picture, &MapPicture::doubleClicked, this, &GraphicsFrame::pictureDoubleClicked);

    connect(m_rowHandle, &DragHandle::pressed, this, [this](QPoint position) {
        if (Element* element = selectedElement()) {
            m_draggingRow = true;
            m_rowDrag = mapinteraction::beginRowDrag(*element, position.y());
        }
    });
    connect(m_rowHandle, &DragHandle::moved, this, &GraphicsFrame::rowDragged);
    connect(m_rowHandle, &DragHandle::released, this, [this](QPoint position) {
        rowDragged(position);
        m_draggingRow = false;
    });
    connect(m_tippingHandle, &DragHandle::pressed, this,
            [this] { m_draggingTippingPoint = selectedElement() != nullptr; });
    connect(m_tippingHandle, &DragHandle::moved, this, &GraphicsFrame::tippingPointDragged);
    connect(m_tippingHandle, &DragHandle::released, this, [this](QPoint position) {
        tippingPointDragged(position);
        m_draggingTippingPoint = false;
    });

    connect(m_seriesSelector, &QComboBox::activated, this, &GraphicsFrame::draw);
    connect(m_subSelection, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (Element* element = elementOfItem(item))
            emit graphElementSelected(element);
    });
    connect(m_parents, &QListWidget::itemClicked, this, &GraphicsFrame::selectFromList);
    connect(m_dependents, &QListWidget::itemClicked, this, &GraphicsFrame::selectFromList);

    connect(m_grid, &PropertiesGrid::textEdited, this, &GraphicsFrame::propertyEdited);
    connect(m_grid, &PropertiesGrid::rowSpun, this, &GraphicsFrame::rowSpun);
    connect(m_grid, &PropertiesGrid::dimmedToggled, this, &GraphicsFrame::dimmedToggled);
    connect(m_grid, &PropertiesGrid::colorClicked, this, &GraphicsFrame::chooseColor);

    updateTweakActions();
    m_seriesSelector->hide();
}

GraphicsFrame::~GraphicsFrame() = default;

void GraphicsFrame::setProject(Project* project)
{
    m_project = project;
    m_subSelection->clear();
    m_parents->clear();
    m_dependents->clear();
    updateSeriesSelector();
    draw();
}

Element* GraphicsFrame::selectedElement() const
{
    return m_project && m_selection ? m_selection() : nullptr;
}

int GraphicsFrame::selectedElementIndex() const
{
    const Element* element = selectedElement();
    return element ? m_project->elements().indexOf(element) : -1;
}

void GraphicsFrame::draw()
{
    drawGraph();
    drawPropertiesGrid();
}

void GraphicsFrame::layoutMap()
{
    if (!m_project)
        return;
    m_project->graphics().layoutMap(m_project->elements(), m_project->scenarios(),
                                    seriesSelected());
}

void GraphicsFrame::syncPictureSize()
{
    if (!m_project)
        return;
    const PathwayGraphics& graphics = m_project->graphics();
    const QSize size(widgetExtent(graphics.drawingAreaWidth()),
                     widgetExtent(graphics.drawingAreaHeight()));
    if (m_picture->size() != size)
        m_picture->setFixedSize(size);
}

void GraphicsFrame::drawGraph()
{
    layoutMap();
    syncPictureSize();
    placeHandles();
    updateTweakActions();
    // Painting happens when Qt next paints, at most once per frame however often this runs.
    m_picture->update();
}

void GraphicsFrame::placeHandles()
{
    const Element* element = selectedElement();
    if (!element) {
        m_rowHandle->hide();
        m_tippingHandle->hide();
        return;
    }
    const auto row =
        mapinteraction::rowHandlePosition(*element, m_rowHandle->width(), m_rowHandle->height());
    const auto tipping = mapinteraction::tippingHandlePosition(*element, m_tippingHandle->width(),
                                                               m_tippingHandle->height());
    m_rowHandle->move(row.x, row.y);
    m_tippingHandle->move(tipping.x, tipping.y);
    m_rowHandle->show();
    m_tippingHandle->show();
    m_rowHandle->raise();
    m_tippingHandle->raise();
}

void GraphicsFrame::paintMap(QPainter& painter)
{
    if (!m_project)
        return;
    QPainterSurface surface(painter);
    m_project->graphics().drawPathwayOnCanvas(surface, m_project->elements(),
                                              m_project->scenarios(), seriesSelected(),
                                              selectedElementIndex());
}

void GraphicsFrame::drawPropertiesGrid()
{
    const Element* element = selectedElement();
    m_grid->showRows(element, element ? ep::rows(*element) : std::vector<ep::Row>{});
}

void GraphicsFrame::updateTweakActions()
{
    const Element* element = selectedElement();
    m_tweakUp->setEnabled(element != nullptr);
    m_tweakDown->setEnabled(element != nullptr);
    const bool pathway = element && !element->isPrimaryElement();
    m_tweakLeft->setEnabled(pathway);
    m_tweakRight->setEnabled(pathway);
}

void GraphicsFrame::updateSeriesSelector()
{
    const QSignalBlocker blocker(m_seriesSelector);
    const QString remembered = m_seriesSelector->currentText();
    m_seriesSelector->clear();
    if (!m_project) {
        m_seriesSelector->hide();
        return;
    }
    const ElementsList& list = m_project->elements();
    m_seriesSelector->setVisible(list.pathwayType() == PathwayType::TimeBased);
    for (int i = 0; i < list.tippingTimeValuesCount(); ++i)
        m_seriesSelector->addItem(toQString(list.tippingTimeColumnCaptions(i)));
    const int index = m_seriesSelector->findText(remembered);
    m_seriesSelector->setCurrentIndex(index >= 0 ? index
                                                 : (m_seriesSelector->count() > 0 ? 0 : -1));
}

int GraphicsFrame::seriesSelected() const
{
    return m_seriesSelector->currentIndex();
}

void GraphicsFrame::setSeriesSelected(int index)
{
    const QSignalBlocker blocker(m_seriesSelector);
    m_seriesSelector->setCurrentIndex(index);
}

void GraphicsFrame::addElementItem(QListWidget* list, const Element& element)
{
    auto* item = new QListWidgetItem(toQString(element.caption()), list);
    item->setData(ElementIdRole, element.id());
    item->setData(ElementIndexRole, m_project->elements().indexOf(&element));
}

Element* GraphicsFrame::elementOfItem(const QListWidgetItem* item) const
{
    if (!item || !m_project)
        return nullptr;
    // The entry names the element by ID, so an entry that outlived its element picks nothing.
    const ElementsList& list = m_project->elements();
    const int id = item->data(ElementIdRole).toInt();
    const int index = item->data(ElementIndexRole).toInt();
    if (index >= 0 && index < list.count() && list.elements(index).id() == id)
        return &list.elements(index);
    return list.findElement(id);
}

void GraphicsFrame::fillParentsListBox()
{
    m_parents->clear();
    const Element* element = selectedElement();
    if (!element)
        return;
    if (const Element* predecessor = element->predecessorElement())
        addElementItem(m_parents, *predecessor);
    if (const Element* second = element->combinationSecondElement())
        addElementItem(m_parents, *second);
}

void GraphicsFrame::fillDependentsListBox()
{
    m_dependents->clear();
    const Element* element = selectedElement();
    if (!element)
        return;
    const ElementsList& list = m_project->elements();
    for (int i = 0; i < list.count(); ++i) {
        const Element& e = list.elements(i);
        if (e.predecessorElement() == element || e.combinationSecondElement() == element)
            addElementItem(m_dependents, e);
    }
}

void GraphicsFrame::selectFromList(QListWidgetItem* item)
{
    Element* element = elementOfItem(item);
    if (!element)
        return;
    emit graphElementSelected(element);
    m_subSelection->clear();
    addElementItem(m_subSelection, *element);
}

void GraphicsFrame::autoCalculateYCoordinates()
{
    if (m_project)
        m_project->graphics().autoCalculateYCoordinates(m_project->elements(),
                                                        m_project->scenarios());
}

int GraphicsFrame::pathwayGraphsHeight() const
{
    if (!m_project)
        return 0;
    return clampCoordinate(m_project->graphics().graphHeightFor(
        m_project->elements().pathwayType(), m_project->scenarios().scenarioCount()));
}

void GraphicsFrame::pictureReleased(QPoint position)
{
    if (!m_elementSelecting)
        return;
    m_elementSelecting = false;
    m_subSelection->clear();
    Element* picked = nullptr;
    if (m_project) {
        layoutMap();
        ElementsList& list = m_project->elements();
        const std::vector<int> hits = mapinteraction::clickCandidates(m_project->graphics(), list,
                                                                      position.x(), position.y());
        for (int index : hits)
            addElementItem(m_subSelection, list.elements(index));
        if (!hits.empty()) {
            m_subSelection->setCurrentRow(m_subSelection->count() - 1);
            picked = &list.elements(hits.back());
        }
    }
    emit graphElementSelected(picked);
}

void GraphicsFrame::pictureDoubleClicked(QPoint position)
{
    if (!m_project)
        return;
    layoutMap();
    if (m_project->graphics().ptInXAxisArea(position.x(), position.y()))
        settingsDialog();
}

void GraphicsFrame::rowDragged(QPoint position)
{
    Element* element = selectedElement();
    if (!m_draggingRow || !element)
        return;
    mapinteraction::dragRow(*element, m_rowDrag, position.y(),
                            m_project->graphics().drawingAreaHeight());
    drawPropertiesGrid();
    drawGraph();
}

void GraphicsFrame::tippingPointDragged(QPoint position)
{
    Element* element = selectedElement();
    if (!m_draggingTippingPoint || !element)
        return;
    mapinteraction::dragTippingPoint(*element, m_project->graphics(), position.x(),
                                     seriesSelected());
    drawPropertiesGrid();
    drawGraph();
}

void GraphicsFrame::tweak(int dx, int dy)
{
    Element* element = selectedElement();
    if (!element)
        return;
    if (dy != 0) {
        element->setYCoord(clampCoordinate(std::int64_t{element->yCoord()} + dy));
        m_project->elements().setIsDirty(true);
    }
    if (dx != 0)
        element->setTweakX(clampCoordinate(std::int64_t{element->tweakX()} + dx));
    draw();
    emit gridValuesChanged();
}

void GraphicsFrame::elementChanged()
{
    drawPropertiesGrid();
    drawGraph();
    emit gridValuesChanged();
}

void GraphicsFrame::propertyEdited(int row, const QString& text)
{
    Element* element = selectedElement();
    const auto& rows = m_grid->rows();
    if (!element || row < 0 || row >= static_cast<int>(rows.size()))
        return;
    const ep::Row& edited = rows[static_cast<std::size_t>(row)];
    const ep::EditResult result =
        ep::applyText(*element, edited.kind, edited.timeColumn, toStdString(text));
    switch (result) {
    case ep::EditResult::Changed:
        elementChanged();
        break;
    case ep::EditResult::Unchanged:
        break;
    case ep::EditResult::Refused:
        drawPropertiesGrid();
        // Shown once the editor has closed, so the message box does not end the edit twice.
        QTimer::singleShot(0, this, [this, text] {
            showError(this, QStringLiteral("'%1' is not a valid number").arg(text));
        });
        break;
    }
}

void GraphicsFrame::rowSpun(int value)
{
    Element* element = selectedElement();
    if (!element || value == element->yCoord())
        return;
    element->setYCoord(value);
    m_project->elements().setIsDirty(true);
    drawGraph();
}

void GraphicsFrame::dimmedToggled(bool dimmed)
{
    Element* element = selectedElement();
    if (!element || element->dimmed() == dimmed)
        return;
    element->setDimmed(dimmed);
    elementChanged();
}

void GraphicsFrame::chooseColor()
{
    Element* element = selectedElement();
    if (!element || !element->isPrimaryElement() || !m_dialogs)
        return;
    const auto color = m_dialogs->chooseColor(this, toQColor(element->myColor()));
    if (!color)
        return;
    element->setMyColor(fromQColor(*color));
    elementChanged();
}

void GraphicsFrame::settingsDialog()
{
    if (!m_project || !m_settingsForm)
        return;
    PathwayGraphics& g = m_project->graphics();
    SettingsForm& form = *m_settingsForm;
    form.setTitlesAreaWidth(g.titlesAreaWidth());
    form.setLeftMargin(g.leftMargin());
    form.setTopMargin(g.topMargin());
    form.setBottomMargin(g.bottomMargin());
    form.setRightMargin(g.rightMargin());
    form.setDrawingAreaWidth(g.drawingAreaWidth());
    form.setDrawingAreaHeight(g.drawingAreaHeight());
    form.setFontSize(g.fontSize());
    form.setOvershoot(g.overshoot());
    form.setYOffset(g.yOffset());
    form.setMinTippingPoint(g.minTippingPointValue());
    form.setMaxTippingPoint(g.maxTippingPointValue());
    form.setXAxisCaption(toQString(g.xAxisTitle()));
    form.setTicksXAxis(g.ticksXAxis());
    form.setShowXAxis(g.showXAxis());
    form.setXAxisDecimalPlaces(g.xAxisDecimalPlaces());
    if (form.exec() != QDialog::Accepted)
        return;
    g.setTitlesAreaWidth(form.titlesAreaWidth());
    g.setTopMargin(form.topMargin());
    g.setLeftMargin(form.leftMargin());
    g.setBottomMargin(form.bottomMargin());
    g.setRightMargin(form.rightMargin());
    g.setDrawingAreaWidth(form.drawingAreaWidth());
    g.setDrawingAreaHeight(form.drawingAreaHeight());
    g.setFontSize(form.fontSize());
    g.setOvershoot(form.overshoot());
    g.setYOffset(form.yOffset());
    g.setMinTippingPointValue(form.minTippingPoint());
    g.setMaxTippingPointValue(form.maxTippingPoint());
    g.setXAxisTitle(toStdString(form.xAxisCaption()));
    g.setTicksXAxis(form.ticksXAxis());
    g.setShowXAxis(form.showXAxis());
    g.setXAxisDecimalPlaces(form.xAxisDecimalPlaces());
    // Confirming counts as a change even when every value stayed the same.
    m_project->setGraphicsSettingIsDirty(true);
    drawGraph();
}

void GraphicsFrame::userExport(QString& initialDir)
{
    if (!m_project || !m_dialogs)
        return;
    FileDialogOptions options;
    options.caption = QStringLiteral("Export Varurero graphics");
    options.directory = initialDir;
    options.filters = {{QStringLiteral("PNG Image [*.png]"), QStringLiteral("*.png")},
                       {QStringLiteral("EMF Image [*.emf]"), QStringLiteral("*.emf")},
                       {QStringLiteral("SVG Image [*.svg]"), QStringLiteral("*.svg")}};
    options.confirmOverwrite = true;
    const auto choice = m_dialogs->saveFile(this, options);
    if (!choice)
        return;
    initialDir = QFileInfo(choice->path).absolutePath();

    static const char* const extensions[] = {".PNG", ".EMF", ".SVG"};
    const int filter = std::clamp(choice->filterIndex, 0, 2);
    const QString path = toQString(replaceExtension(toStdString(choice->path), extensions[filter]));
    // The dialog asked about the name the user chose; a different file that the new extension
    // hits would otherwise be replaced without a word.
    if (path != choice->path && QFileInfo::exists(path)) {
        const auto answer =
            QMessageBox::question(this, QStringLiteral("Vantrel"),
                                  QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                      .arg(QFileInfo(path).fileName()),
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    runReportingErrors(this, [&] {
        switch (filter) {
        case 0:
            savePngImage(path);
            break;
        case 1:
            saveEmfImage(path);
            break;
        default:
            saveSvgImage(path);
            break;
        }
    });
}

void GraphicsFrame::savePngImage(const QString& fileName)
{
    if (m_project)
        saveMapPng(*m_project, toStdString(fileName), seriesSelected(), selectedElementIndex());
}

void GraphicsFrame::saveEmfImage(const QString& fileName)
{
    if (m_project)
        saveMapEmf(*m_project, toStdString(fileName), seriesSelected(), selectedElementIndex());
}

void GraphicsFrame::saveSvgImage(const QString& fileName)
{
    if (m_project)
        saveMapSvg(*m_project, toStdString(fileName), seriesSelected(), selectedElementIndex());
}

} // namespace vantrel
