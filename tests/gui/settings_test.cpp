// SPDX-License-Identifier: GPL-3.0-or-later
// The map settings dialog on its own, and run from the main window's settings command.
#include "app/mainwindow.h"
#include "guitest.h"
#include "map/graphicsframe.h"
#include "map/mappicture.h"
#include "map/settingsform.h"
#include "project/project.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

using namespace vantrel;
using namespace vantrel::test;

namespace {

const char* const spinNames[] = {"leftMarginSpinEdit",       "rightMarginSpinEdit",
                                 "topMarginSpinEdit",        "bottomMarginSpinEdit",
                                 "titlesWidthSpinEdit",      "fontSizeSpinEdit",
                                 "drawingAreaWidthSpinEdit", "drawingAreaHeightSpinEdit",
                                 "overshootSpinEdit",        "yOffsetSpinEdit"};

QSpinBox* spin(QWidget* form, const QString& name)
{
    return form->findChild<QSpinBox*>(name);
}

void triggerSettings(MainWindow& window)
{
    window.findChild<QAction*>(QStringLiteral("settingsAction"))->trigger();
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { pinEnvironment(); }

    void resetButton_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("resetValue");
        QTest::newRow("Left Margin") << "leftMargin" << 10;
        QTest::newRow("Right Margin") << "rightMargin" << 50;
        QTest::newRow("Top Margin") << "topMargin" << 10;
        QTest::newRow("Bottom Margin") << "bottomMargin" << 10;
        QTest::newRow("Titles Width") << "titlesWidth" << 200;
        QTest::newRow("Font Size") << "fontSize" << 12;
        QTest::newRow("Graph Width") << "drawingAreaWidth" << 1000;
        QTest::newRow("Graph Height") << "drawingAreaHeight" << 600;
        QTest::newRow("Overshoot") << "overshoot" << 10;
        QTest::newRow("Path Spacing") << "yOffset" << 5;
    }
    void resetButton()
    {
        QFETCH(QString, name);
        QFETCH(int, resetValue);
        SettingsForm form;
        for (const char* spinName : spinNames)
            spin(&form, QString::fromLatin1(spinName))->setValue(7);
        QTest::mouseClick(form.findChild<QPushButton*>(name + QStringLiteral("ResetButton")),
                          Qt::LeftButton);
        for (const char* spinName : spinNames) {
            const QString other = QString::fromLatin1(spinName);
            QCOMPARE(spin(&form, other)->value(),
                     other == name + QStringLiteral("SpinEdit") ? resetValue : 7);
        }
    }

    void axisCheckBoxEnablesCaptionAndTicks()
    {
        SettingsForm form;
        form.show();
        auto* axis = form.findChild<QCheckBox*>(QStringLiteral("showXAxisCheckBox"));
        auto* caption = form.findChild<QLineEdit*>(QStringLiteral("xAxisCaptionEdit"));
        auto* ticks = form.findChild<QSpinBox*>(QStringLiteral("ticksSpinEdit"));
        form.setShowXAxis(false);
        QVERIFY(!caption->isEnabled() && !ticks->isEnabled());
        QTest::mouseClick(axis, Qt::LeftButton, {}, QPoint(6, axis->height() / 2));
        QVERIFY(form.showXAxis());
        QVERIFY(caption->isEnabled() && ticks->isEnabled());
    }

    void decimals_data()
    {
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<int>("places");
        QTest::addColumn<int>("expected");
        QTest::newRow("Auto") << false << 2 << -1;
        QTest::newRow("fixed 2") << true << 2 << 2;
        QTest::newRow("fixed 0") << true << 0 << 0;
    }
    void decimals()
    {
        QFETCH(bool, fixed);
        QFETCH(int, places);
        QFETCH(int, expected);
        SettingsForm form;
        form.show();
        form.setXAxisDecimalPlaces(fixed ? -1 : 3);
        auto* radio = form.findChild<QRadioButton*>(fixed ? QStringLiteral("fixedDecimalsRadio")
                                                          : QStringLiteral("autoDecimalsRadio"));
        radio->click();
        auto* decimals = spin(&form, QStringLiteral("decimalsSpinEdit"));
        QCOMPARE(decimals->isEnabled(), fixed);
        if (fixed)
            decimals->setValue(places);
        QCOMPARE(form.xAxisDecimalPlaces(), expected);
    }

    void axisBoundsKeepTwoDecimals()
    {
        SettingsForm form;
        form.setMinTippingPoint(0.125);
        form.setMaxTippingPoint(12.3456);
        const double min = form.minTippingPoint();
        QVERIFY(qAbs(min - 0.125) <= 0.005 + 1e-12);
        QCOMPARE(std::round(min * 100) / 100, min);
        QCOMPARE(form.maxTippingPoint(), 12.35);
    }

    void confirmTakesEveryValue()
    {
        FakeDialogs dialogs;
        MainWindow window(&dialogs);
        QVERIFY(startWindow(window, {}, QStringLiteral("Start with empty Pathway (Time based)")));
        ModalScript script;
        script.then([](QWidget* w) { return isDialog(w, QStringLiteral("settingsForm")); },
                    [](QWidget* w) {
                        auto* form = static_cast<SettingsForm*>(w);
                        form->setLeftMargin(11);
                        form->setRightMargin(51);
                        form->setTopMargin(12);
                        form->setBottomMargin(13);
                        form->setTitlesAreaWidth(201);
                        form->setFontSize(9);
                        form->setDrawingAreaWidth(1200);
                        form->setDrawingAreaHeight(700);
                        form->setOvershoot(14);
                        form->setYOffset(6);
                        form->setMinTippingPoint(-5.5);
                        form->setMaxTippingPoint(120.25);
                        form->setXAxisCaption(QStringLiteral("Years"));
                        form->setTicksXAxis(5);
                        form->setShowXAxis(false);
                        form->setXAxisDecimalPlaces(1);
                        findButton(w, QStringLiteral("OK"))->click();
                    });
        triggerSettings(window);
        QVERIFY(script.finished());
        const PathwayGraphics& g = window.project()->graphics();
        QCOMPARE(g.leftMargin(), 11);
        QCOMPARE(g.rightMargin(), 51);
        QCOMPARE(g.topMargin(), 12);
        QCOMPARE(g.bottomMargin(), 13);
        QCOMPARE(g.titlesAreaWidth(), 201);
        QCOMPARE(g.fontSize(), 9);
        QCOMPARE(g.drawingAreaWidth(), 1200);
        QCOMPARE(g.drawingAreaHeight(), 700);
        QCOMPARE(g.overshoot(), 14);
        QCOMPARE(g.yOffset(), 6);
        QCOMPARE(g.minTippingPointValue(), -5.5);
        QCOMPARE(g.maxTippingPointValue(), 120.25);
        QCOMPARE(g.xAxisTitle(), std::string("Years"));
        QCOMPARE(g.ticksXAxis(), 5);
        QCOMPARE(g.showXAxis(), false);
        QCOMPARE(g.xAxisDecimalPlaces(), 1);
        QCOMPARE(window.graphicsFrame()->picture()->size(), QSize(1200, 700));
        QVERIFY(window.project()->graphicsSettingIsDirty());
    }

    void confirmWithoutChangeMarksSettingsChanged()
    {
        FakeDialogs dialogs;
        MainWindow window(&dialogs);
        QVERIFY(
            startWindow(window, {}, QStringLiteral("Start with empty Pathway (Condition based)")));
        const std::string before = window.project()->toFileBytes();
        ModalScript script;
        script.click(QStringLiteral("settingsForm"), QStringLiteral("OK"));
        triggerSettings(window);
        QVERIFY(script.finished());
        QVERIFY(window.project()->graphicsSettingIsDirty());
        QCOMPARE(window.project()->toFileBytes(), before);
    }

    void cancelChangesNothing()
    {
        FakeDialogs dialogs;
        MainWindow window(&dialogs);
        QVERIFY(
            startWindow(window, {}, QStringLiteral("Start with empty Pathway (Condition based)")));
        const std::string before = window.project()->toFileBytes();
        ModalScript script;
        script.then([](QWidget* w) { return isDialog(w, QStringLiteral("settingsForm")); },
                    [](QWidget* w) {
                        spin(w, QStringLiteral("leftMarginSpinEdit"))->setValue(99);
                        findButton(w, QStringLiteral("Cancel"))->click();
                    });
        triggerSettings(window);
        QVERIFY(script.finished());
        QVERIFY(!window.project()->isModified());
        QCOMPARE(window.project()->toFileBytes(), before);
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
