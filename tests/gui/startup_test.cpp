// SPDX-License-Identifier: GPL-3.0-or-later
// The start dialog and what the window looks like after each of its choices.
#include "app/aboutform.h"
#include "app/elementcombobox.h"
#include "app/mainwindow.h"
#include "guitest.h"
#include "map/graphicsframe.h"
#include "project/project.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace vantrel;
using namespace vantrel::test;

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        pinEnvironment();
        QVERIFY(m_dir.isValid());
        auto project = Project::newProject(PathwayType::ConditionBased, 2020);
        m_file = saveFixture(*project, m_dir, QStringLiteral("coast.pathway"));
        m_broken = m_dir.filePath(QStringLiteral("broken.pathway"));
        QFile broken(m_broken);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("<?xml version=\"1.0\"?><vorazoda><element>");
    }

    void openButtonOffersCommandLineFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("no file") << QString() << "Open" << false;
        QTest::newRow("file") << "/data/coast.pathway"
                              << "Open coast.pathway" << true;
    }
    void openButtonOffersCommandLineFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        FakeDialogs dialogs;
        AboutForm form(dialogs);
        form.setCommandLineFile(file);
        auto* open = form.findChild<QPushButton*>(QStringLiteral("openButton"));
        QCOMPARE(open->text(), caption);
        QCOMPARE(open->isEnabled(), enabled);
        // With a file, Return opens it.
        QCOMPARE(open->isDefault(), enabled);
        QVERIFY(form.findChild<QLabel*>(QStringLiteral("compileDateLabel"))
                    ->text()
                    .startsWith(QStringLiteral("Compile date ")));
    }

    void returnOpensCommandLineFile()
    {
        FakeDialogs dialogs;
        MainWindow window(&dialogs);
        ModalScript script;
        script.then([](QWidget* w) { return isDialog(w, QStringLiteral("aboutForm")); },
                    [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        QVERIFY(window.startUp(m_file));
        QVERIFY(script.finished());
        QCOMPARE(window.pathwayFileName(), m_file);
    }

    void startChoice_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QString>("typeLabel");
        QTest::addColumn<bool>("seriesShown");
        QTest::addColumn<bool>("titleHasFile");
        QTest::newRow("close") << QString() << "Close application" << false << QString() << false
                               << false;
        QTest::newRow("condition based")
            << QString() << "Start with empty Pathway (Condition based)" << true
            << "Condition Based" << false << false;
        QTest::newRow("time based") << QString() << "Start with empty Pathway (Time based)" << true
                                    << "Time Based" << true << false;
        QTest::newRow("command-line file")
            << "coast.pathway" << QString() << true << "Condition Based" << false << true;
    }
    void startChoice()
    {
        QFETCH(QString, file);
        QFETCH(QString, button);
        QFETCH(bool, started);
        QFETCH(QString, typeLabel);
        QFETCH(bool, seriesShown);
        QFETCH(bool, titleHasFile);
        FakeDialogs dialogs;
        MainWindow window(&dialogs);
        const QString path = file.isEmpty() ? QString() : m_dir.filePath(file);
        QCOMPARE(startWindow(window, path, button), started);
        if (!started) {
            QVERIFY(!window.project());
            QVERIFY(!window.isVisible());
            return;
        }
        window.show();
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("projectTypeLabel"))->text(), typeLabel);
        QCOMPARE(window.screenMode(), ScreenMode::FullScreenGraph);
        QVERIFY(
            window.findChild<QPushButton*>(QStringLiteral("pathwaysScreenButton"))->isChecked());
        QVERIFY(!window.selectedElement());
        QCOMPARE(window.selectionComboBox()->count(), 2); // "[none]" and the current situation
        QCOMPARE(
            window.findChild<QComboBox*>(QStringLiteral("scenarioSelectionComboBox"))->isVisible(),
            seriesShown);
        QCOMPARE(window.windowTitle().contains(QStringLiteral("coast.pathway")), titleHasFile);
        QVERIFY(!window.project()->isModified());
        QCOMPARE(window.exportDir(), titleHasFile ? m_dir.path() : QString());
    }

    void iconButtonsExplainThemselves()
    {
        FakeDialogs dialogs;
        MainWindow window(&dialogs);
        QVERIFY(startWindow(window, {}, QStringLiteral("Start with empty Pathway (Time based)")));
        QList<QToolButton*> buttons;
        // The command buttons; a tab bar's own scroll arrows are no concern here.
        for (QToolButton* button : window.findChildren<QToolButton*>())
            if (button->defaultAction())
                buttons << button;
        QCOMPARE(buttons.size(), 7); // save, export, settings and the four tweak buttons
        for (const QToolButton* button : buttons) {
            QVERIFY2(!button->icon().isNull(), qPrintable(button->objectName()));
            QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
        }
        const auto shortcut = [&](const char* action) {
            return window.findChild<QAction*>(QString::fromLatin1(action))->shortcut();
        };
        QCOMPARE(shortcut("saveAction"), QKeySequence(QKeySequence::Save));
        QVERIFY(!shortcut("userExportAction").isEmpty());
    }

    void cancelledFileDialogKeepsStartDialogOpen()
    {
        FakeDialogs dialogs; // no answer queued: the file dialog is cancelled
        MainWindow window(&dialogs);
        ModalScript script;
        script.click(QStringLiteral("aboutForm"), QStringLiteral("Open existing Pathway file"))
            .click(QStringLiteral("aboutForm"),
                   QStringLiteral("Start with empty Pathway (Time based)"));
        QVERIFY(window.startUp({}));
        QVERIFY(script.finished());
        QCOMPARE(dialogs.requests().size(), std::size_t{1});
        QCOMPARE(window.project()->elements().pathwayType(), PathwayType::TimeBased);
    }

    void chosenFileIsOpened()
    {
        FakeDialogs dialogs;
        dialogs.answerOpen(m_file);
        MainWindow window(&dialogs);
        QVERIFY(startWindow(window, {}, QStringLiteral("Open existing Pathway file")));
        QCOMPARE(window.pathwayFileName(), m_file);
        QCOMPARE(window.project()->elements().count(), 1);
    }

    void failedOpenReturnsToStartDialog()
    {
        FakeDialogs dialogs;
        MainWindow window(&dialogs);
        ModalScript script;
        script.click(QStringLiteral("aboutForm"), QStringLiteral("Open broken.pathway"))
            .click(QStringLiteral("QMessageBox"), QStringLiteral("OK"))
            .click(QStringLiteral("aboutForm"),
                   QStringLiteral("Start with empty Pathway (Condition based)"));
        QVERIFY(window.startUp(m_broken));
        QVERIFY(script.finished());
        QCOMPARE(script.messages().size(), 1);
        QVERIFY(script.messages().first().contains(QStringLiteral("broken.pathway")));
        // Nothing of the broken file is kept: a fresh project without a file name.
        QCOMPARE(window.windowTitle(), QStringLiteral("Vantrel"));
        QVERIFY(window.pathwayFileName().isEmpty());
        QCOMPARE(window.project()->elements().count(), 1);
    }

private:
    QTemporaryDir m_dir;
    QString m_file;
    QString m_broken;
};

QTEST_MAIN(StartUpTest)
#include "startup_test.moc"
