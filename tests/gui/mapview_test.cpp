// SPDX-License-Identifier: GPL-3.0-or-later
// The map view on a real main window: clicks, both drag handles, the tweak buttons, the
// properties grid and the lists beside the map.
#include "app/elementcombobox.h"
#include "app/mainwindow.h"
#include "guitest.h"
#include "map/draghandle.h"
#include "map/graphicsframe.h"
#include "map/mappicture.h"
#include "map/propertiesgrid.h"
#include "mapfixtures.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace vantrel;
using namespace vantrel::test;
namespace ep = vantrel::elementproperties;

namespace {

/// A main window started on a project, shown, with its map view at hand.
struct MapWindow {
    explicit MapWindow(std::unique_ptr<Project> project)
    {
        const QString file = saveFixture(*project, dir, QStringLiteral("map.pathway"));
        started = startWindow(window, file);
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
    }

    GraphicsFrame& frame() { return *window.graphicsFrame(); }
    ElementsList& list() { return window.project()->elements(); }
    Element& element(const char* caption)
    {
        for (int i = 0; i < list().count(); ++i)
            if (list().elements(i).caption() == caption)
                return list().elements(i);
        qFatal("no element %s", caption);
    }
    void select(const char* caption)
    {
        window.setSelectedElement(&element(caption));
        frame().draw();
    }
    QStringList listed(const char* listName)
    {
        QStringList captions;
        auto* list = frame().findChild<QListWidget*>(QString::fromLatin1(listName));
        for (int i = 0; i < list->count(); ++i)
            captions << list->item(i)->text();
        return captions;
    }
    QString selectedCaption()
    {
        const Element* selected = window.selectedElement();
        return selected ? QString::fromStdString(selected->caption()) : QString();
    }

    QTemporaryDir dir;
    FakeDialogs dialogs;
    MainWindow window{&dialogs};
    bool started = false;
    bool exposed = false;
};

void sendMouse(QWidget* widget, QEvent::Type type, QPoint position, Qt::MouseButtons buttons)
{
    const QPointF local(position);
    QMouseEvent event(type, local, widget->mapToGlobal(local), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

/// Drags a handle from the point of the picture it rings to `target` (picture coordinates),
/// moving in `steps` steps.
void dragHandle(DragHandle* handle, QPoint from, QPoint target, int steps = 1)
{
    sendMouse(handle, QEvent::MouseButtonPress, handle->mapFromParent(from), Qt::LeftButton);
    for (int i = 1; i <= steps; ++i) {
        const QPoint at = from + (target - from) * i / steps;
        sendMouse(handle, QEvent::MouseMove, handle->mapFromParent(at), Qt::LeftButton);
    }
    sendMouse(handle, QEvent::MouseButtonRelease, handle->mapFromParent(target), Qt::NoButton);
}

/// Counts the paintings of a widget.
class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

/// Opens the editor of a value cell by clicking it, types `text` and presses Return.
void editCell(PropertiesGrid* grid, int row, const QString& text)
{
    QTableWidgetItem* item = grid->item(row, 1);
    grid->scrollToItem(item);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(item).center());
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor);
    if (auto* spin = qobject_cast<QSpinBox*>(editor->parentWidget()))
        editor = spin;
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line)
        line = editor->findChild<QLineEdit*>();
    QVERIFY(line);
    line->selectAll();
    QTest::keyClicks(line, text);
    QTest::keyClick(line, Qt::Key_Return);
    // The grid takes the entry once control returns to the event loop.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class MapViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { pinEnvironment(); }

    void clickSelects_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("candidates");
        QTest::newRow("caption") << QPoint(50, 177) << "Dikes" << QStringList{"Dikes"};
        QTest::newRow("line") << QPoint(400, 343) << "Barrier" << QStringList{"Barrier"};
        QTest::newRow("pathway line")
            << QPoint(700, 348) << "Dikes + Barrier" << QStringList{"Dikes + Barrier"};
        QTest::newRow("overlapping lines pick the later")
            << QPoint(600, 345) << "Dikes + Barrier" << QStringList{"Barrier", "Dikes + Barrier"};
        QTest::newRow("empty space clears") << QPoint(600, 480) << QString() << QStringList{};
        QTest::newRow("titles band between rows clears")
            << QPoint(50, 260) << QString() << QStringList{};
    }
    void clickSelects()
    {
        QFETCH(QPoint, point);
        QFETCH(QString, selected);
        QFETCH(QStringList, candidates);
        MapWindow map(conditionProject());
        QVERIFY(map.started);
        map.select("Current Situation");
        QTest::mouseClick(map.frame().picture(), Qt::LeftButton, {}, point);
        QCOMPARE(map.selectedCaption(), selected);
        QCOMPARE(map.listed("subSelectionListBox"), candidates);
        QCOMPARE(map.frame().rowHandle()->isVisible(), !selected.isEmpty());
    }

    void candidateListPicksAnother()
    {
        MapWindow map(conditionProject());
        QTest::mouseClick(map.frame().picture(), Qt::LeftButton, {}, QPoint(600, 345));
        auto* candidates =
            map.frame().findChild<QListWidget*>(QStringLiteral("subSelectionListBox"));
        QListWidgetItem* barrier = candidates->item(0);
        QTest::mouseClick(candidates->viewport(), Qt::LeftButton, {},
                          candidates->visualItemRect(barrier).center());
        QCOMPARE(map.selectedCaption(), QStringLiteral("Barrier"));
        QCOMPARE(candidates->count(), 2);
    }

    void parentsAndDependents()
    {
        MapWindow map(conditionProject());
        map.select("Dikes + Barrier");
        QCOMPARE(map.listed("parentsListBox"), (QStringList{"Dikes", "Barrier"}));
        QCOMPARE(map.listed("dependentsListBox"), QStringList{});
        map.select("Barrier");
        QCOMPARE(map.listed("dependentsListBox"), QStringList{"Dikes + Barrier"});

        auto* dependents = map.frame().findChild<QListWidget*>(QStringLiteral("dependentsListBox"));
        QTest::mouseClick(dependents->viewport(), Qt::LeftButton, {},
                          dependents->visualItemRect(dependents->item(0)).center());
        QCOMPARE(map.selectedCaption(), QStringLiteral("Dikes + Barrier"));
        QCOMPARE(map.listed("subSelectionListBox"), QStringList{"Dikes + Barrier"});
    }

    void dragRowHandle_data()
    {
        QTest::addColumn<int>("targetY");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("tweak");
        QTest::newRow("30 down") << 207 << 207 << 30;
        QTest::newRow("held 15 from the top") << 3 << 15 << 15 - 177;
        QTest::newRow("held 15 from the bottom") << 700 << 585 << 585 - 177;
    }
    void dragRowHandle()
    {
        QFETCH(int, targetY);
        QFETCH(int, row);
        QFETCH(int, tweak);
        MapWindow map(conditionProject());
        map.select("Dikes");
        dragHandle(map.frame().rowHandle(), QPoint(284, 177), QPoint(284, targetY), 3);
        QCOMPARE(map.element("Dikes").yCoord(), row);
        QCOMPARE(map.element("Dikes").tweakY(), tweak);
        PropertiesGrid* grid = map.frame().propertiesGrid();
        QCOMPARE(grid->item(grid->rowOf(ep::Kind::YCoord), 1)->text(), QString::number(row));
        QVERIFY(map.list().isDirty());
        // The handle follows the element.
        QCOMPARE(map.frame().rowHandle()->geometry().center().y(), row);
    }

    void dragTippingHandle_data()
    {
        QTest::addColumn<bool>("timeBased");
        QTest::addColumn<double>("value");
        // Condition-based: Dikes ends at 516; 80 pixels right the line ends at x 596.
        QTest::newRow("condition value, unrounded") << false << (596.0 - 10 - 210) / 7.4;
        // Time-based, column "Dry": Dikes ends at 664; 40 pixels right (694 - 210) / 7.4 = 65.4.
        QTest::newRow("whole year in the shown column") << true << 65.0;
    }
    void dragTippingHandle()
    {
        QFETCH(bool, timeBased);
        QFETCH(double, value);
        MapWindow map(timeBased ? timeProject() : conditionProject());
        if (timeBased) {
            map.frame().setSeriesSelected(1);
            map.frame().draw();
        }
        map.select("Dikes");
        const Element& dikes = map.element("Dikes");
        const QPoint end(dikes.xCoordEnd(), dikes.yCoord());
        dragHandle(map.frame().tippingHandle(), end, end + QPoint(timeBased ? 40 : 80, 0));
        if (timeBased) {
            QCOMPARE(dikes.tippingTimeValue(1), static_cast<int>(value));
            QCOMPARE(dikes.tippingTimeValue(0), 50);
        } else {
            QCOMPARE(dikes.tippingPointValue(), value);
        }
        QCOMPARE(map.frame().tippingHandle()->x(), dikes.xCoordEnd() - DragHandle::ShortSide / 2);
    }

    void dragRepaintsOncePerFrame()
    {
        MapWindow map(conditionProject());
        map.select("Dikes");
        QCoreApplication::processEvents();
        PaintCounter counter;
        map.frame().picture()->installEventFilter(&counter);
        dragHandle(map.frame().rowHandle(), QPoint(284, 177), QPoint(284, 277), 100);
        QCOMPARE(map.element("Dikes").yCoord(), 277);
        QCOMPARE(counter.count, 0);
        QTRY_COMPARE(counter.count, 1);
        QTest::qWait(50);
        QCOMPARE(counter.count, 1);
    }

    void tweakButtons_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("up, action") << "Dikes"
                                    << "tweakUpActionButton" << true << 0 << -1;
        QTest::newRow("down, pathway") << "Dikes + Barrier"
                                       << "tweakDownActionButton" << true << 0 << 1;
        QTest::newRow("left, action") << "Dikes"
                                      << "tweakLeftActionButton" << false << 0 << 0;
        QTest::newRow("right, current situation") << "Current Situation"
                                                  << "tweakRightActionButton" << false << 0 << 0;
        QTest::newRow("left, pathway") << "Dikes + Barrier"
                                       << "tweakLeftActionButton" << true << -1 << 0;
        QTest::newRow("right, pathway") << "Dikes + Barrier"
                                        << "tweakRightActionButton" << true << 1 << 0;
    }
    void tweakButtons()
    {
        QFETCH(QString, element);
        QFETCH(QString, button);
        QFETCH(bool, enabled);
        QFETCH(int, dx);
        QFETCH(int, dy);
        MapWindow map(conditionProject());
        const QByteArray caption = element.toUtf8();
        map.select(caption.constData());
        const Element& e = map.element(caption.constData());
        const int row = e.yCoord();
        const int tweakX = e.tweakX();
        QSignalSpy changed(&map.frame(), &GraphicsFrame::gridValuesChanged);
        auto* tool = map.frame().findChild<QToolButton*>(button);
        QCOMPARE(tool->isEnabled(), enabled);
        QVERIFY(!tool->toolTip().isEmpty());
        QTest::mouseClick(tool, Qt::LeftButton);
        QCOMPARE(e.yCoord(), row + dy);
        QCOMPARE(e.tweakX(), tweakX + dx);
        QCOMPARE(changed.count(), enabled ? 1 : 0);
        QCOMPARE(map.list().isDirty(), enabled);
    }

    void propertyEdit_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("shown");
        const int caption = static_cast<int>(ep::Kind::Caption);
        const int row = static_cast<int>(ep::Kind::YCoord);
        const int condition = static_cast<int>(ep::Kind::Condition);
        QTest::newRow("caption") << caption << "Raised dikes" << true << "Raised dikes";
        QTest::newRow("caption unchanged") << caption << "Dikes" << false << "Dikes";
        QTest::newRow("row") << row << "250" << true << "250";
        QTest::newRow("row unchanged") << row << "177" << false << "177";
        QTest::newRow("condition") << condition << "35,5" << true << "35.50";
        QTest::newRow("condition unchanged") << condition << "40" << false << "40.00";
        QTest::newRow("condition not a number") << condition << "abc" << false << "40.00";
    }
    void propertyEdit()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(bool, changed);
        QFETCH(QString, shown);
        MapWindow map(conditionProject());
        map.select("Dikes");
        QSignalSpy spy(&map.frame(), &GraphicsFrame::gridValuesChanged);
        PropertiesGrid* grid = map.frame().propertiesGrid();
        const int row = grid->rowOf(static_cast<ep::Kind>(kind));
        ModalScript script(300);
        if (text == QStringLiteral("abc"))
            script.click(QStringLiteral("QMessageBox"), QStringLiteral("OK"));
        editCell(grid, row, text);
        QTRY_VERIFY(script.finished() || text != QStringLiteral("abc"));
        QCOMPARE(spy.count(), changed ? 1 : 0);
        QCOMPARE(map.list().isDirty(), changed);
        QCOMPARE(grid->item(row, 1)->text(), shown);
        if (changed && kind == static_cast<int>(ep::Kind::Caption))
            QCOMPARE(map.window.selectionComboBox()->itemText(2), shown);
    }

    void rowSpinButtonsMoveTheElementAtOnce()
    {
        MapWindow map(conditionProject());
        map.select("Dikes");
        map.list().setIsDirty(false);
        QSignalSpy spy(&map.frame(), &GraphicsFrame::gridValuesChanged);
        PropertiesGrid* grid = map.frame().propertiesGrid();
        QTableWidgetItem* row = grid->item(grid->rowOf(ep::Kind::YCoord), 1);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(row).center());
        auto* spin = grid->findChild<QSpinBox*>(QStringLiteral("propertyEditor"));
        QVERIFY(spin);
        QTest::keyClick(spin, Qt::Key_Up);
        QCOMPARE(map.element("Dikes").yCoord(), 178);
        QVERIFY(map.list().isDirty());
        QCOMPARE(map.frame().rowHandle()->geometry().center().y(), 178);
        QCOMPARE(spy.count(), 0);
    }

    void typeChoice()
    {
        MapWindow map(conditionProject());
        map.select("Dikes + Barrier");
        PropertiesGrid* grid = map.frame().propertiesGrid();
        QTableWidgetItem* type = grid->item(grid->rowOf(ep::Kind::Type), 1);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(type).center());
        auto* list = grid->findChild<QComboBox*>(QStringLiteral("propertyEditor"));
        QVERIFY(list);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(map.element("Dikes + Barrier").combinationType(), CombinationType::Sequence);
        QCOMPARE(type->text(), QStringLiteral("Sequence"));
    }

    void dimmedCheckBox()
    {
        MapWindow map(conditionProject());
        map.select("Barrier");
        QSignalSpy spy(&map.frame(), &GraphicsFrame::gridValuesChanged);
        PropertiesGrid* grid = map.frame().propertiesGrid();
        grid->item(grid->rowOf(ep::Kind::Dimmed), 1)->setCheckState(Qt::Checked);
        QVERIFY(map.element("Barrier").dimmed());
        QCOMPARE(spy.count(), 1);
    }

    void colorRow_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<bool>("recoloured");
        QTest::newRow("action") << "Dikes" << true;
        QTest::newRow("pathway element") << "Dikes + Barrier" << false;
    }
    void colorRow()
    {
        QFETCH(QString, element);
        QFETCH(bool, recoloured);
        MapWindow map(conditionProject());
        const QByteArray caption = element.toUtf8();
        map.select(caption.constData());
        const Color before = map.element(caption.constData()).myColor();
        map.dialogs.answerColor(QColor(10, 20, 30));
        PropertiesGrid* grid = map.frame().propertiesGrid();
        QTest::mouseClick(
            grid->viewport(), Qt::LeftButton, {},
            grid->visualItemRect(grid->item(grid->rowOf(ep::Kind::Color), 1)).center());
        QCOMPARE(map.element(caption.constData()).myColor(), recoloured ? rgb(10, 20, 30) : before);
    }

    void doubleClickOpensSettings_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("opens");
        QTest::newRow("axis band") << QPoint(500, 560) << true;
        QTest::newRow("graph band") << QPoint(500, 400) << false;
    }
    void doubleClickOpensSettings()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, opens);
        MapWindow map(conditionProject());
        ModalScript script(300);
        script.click(QStringLiteral("settingsForm"), QStringLiteral("Cancel"));
        QTest::mouseDClick(map.frame().picture(), Qt::LeftButton, {}, point);
        QTRY_VERIFY(script.finished() || !opens);
        QTest::qWait(opens ? 0 : 400);
        QCOMPARE(script.finished(), opens);
    }

private:
};

QTEST_MAIN(MapViewTest)
#include "mapview_test.moc"
