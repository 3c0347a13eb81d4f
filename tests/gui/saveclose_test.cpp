// SPDX-License-Identifier: GPL-3.0-or-later
// The save command, the window title and the question asked when the window closes.
#include "app/closeform.h"
#include "app/mainwindow.h"
#include "guitest.h"
#include "map/graphicsframe.h"
#include "project/project.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <QtTest>

using namespace vantrel;
using namespace vantrel::test;

namespace {

void triggerSave(MainWindow& window)
{
    window.findChild<QAction*>(QStringLiteral("saveAction"))->trigger();
}

/// Any edit: the elements list gets a change.
void edit(MainWindow& window)
{
    window.project()->elements().elements(0).setCaption("Now");
}

} // namespace

class SaveCloseTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { pinEnvironment(); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_dialogs = std::make_unique<FakeDialogs>();
        m_window = std::make_unique<MainWindow>(m_dialogs.get());
    }
    void cleanup()
    {
        m_window.reset();
        m_dialogs.reset();
        m_dir.reset();
    }

    void saveAsksEveryTimeAndReports()
    {
        QVERIFY(
            startWindow(*m_window, {}, QStringLiteral("Start with empty Pathway (Time based)")));
        edit(*m_window);
        const QString path = m_dir->filePath(QStringLiteral("plan.pathway"));
        m_dialogs->answerSave(path);
        m_dialogs->answerSave(path);
        ModalScript script;
        script.click(QStringLiteral("QMessageBox"), QStringLiteral("OK"))
            .click(QStringLiteral("QMessageBox"), QStringLiteral("OK"));
        triggerSave(*m_window);
        triggerSave(*m_window);
        QVERIFY(script.finished());
        QCOMPARE(script.messages().first(), path + QStringLiteral(" saved"));
        QVERIFY(QFile::exists(path));
        QVERIFY(!m_window->project()->isModified());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Vantrel [%1]").arg(path));
        // A project never saved starts with an empty name; afterwards the dialog shows its file.
        QCOMPARE(m_dialogs->requests().at(0).selectedFile, QString());
        QCOMPARE(m_dialogs->requests().at(1).selectedFile, path);
        QCOMPARE(m_dialogs->requests().at(0).defaultSuffix, QStringLiteral("pathway"));
    }

    void saveCancelledChangesNothing()
    {
        QVERIFY(
            startWindow(*m_window, {}, QStringLiteral("Start with empty Pathway (Time based)")));
        edit(*m_window);
        triggerSave(*m_window);
        QVERIFY(m_window->project()->isModified());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Vantrel"));
    }

    void failedSaveKeepsChanges()
    {
        QVERIFY(
            startWindow(*m_window, {}, QStringLiteral("Start with empty Pathway (Time based)")));
        edit(*m_window);
        m_dialogs->answerSave(m_dir->filePath(QStringLiteral("missing/plan.pathway")));
        ModalScript script;
        script.click(QStringLiteral("QMessageBox"), QStringLiteral("OK"));
        triggerSave(*m_window);
        QVERIFY(script.finished());
        QVERIFY(script.messages().first().startsWith(QStringLiteral("Cannot create file")));
        QVERIFY(m_window->project()->isModified());
        QVERIFY(m_window->pathwayFileName().isEmpty());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Vantrel"));
    }

    void titleShortensLongPaths()
    {
        const QString path = QStringLiteral("/home/planner/projects/regional/coast/2024/"
                                            "variants/final/reviewed/coastal-defence.pathway");
        m_window->setPathwayFileName(path);
        const QString title = m_window->windowTitle();
        QVERIFY(title.startsWith(QStringLiteral("Vantrel [/...")));
        QVERIFY(title.endsWith(QStringLiteral("/coastal-defence.pathway]")));
        const QString shown = title.mid(9, title.size() - 10);
        QVERIFY(QFontMetrics(m_window->font()).horizontalAdvance(shown) <=
                MainWindow::TitlePathWidth);
    }

    void closeQuery_data()
    {
        QTest::addColumn<bool>("hasFile");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("savedTo");
        const QString cancel = QStringLiteral("closeForm|Cancel exit");
        const QString exit = QStringLiteral("closeForm|Exit without save");
        const QString saveAs = QStringLiteral("closeForm|Save Pathway As...");
        QTest::newRow("unchanged closes without asking")
            << true << false << QStringList{} << QString() << true << QString();
        QTest::newRow("Cancel exit")
            << true << true << QStringList{cancel} << QString() << false << QString();
        QTest::newRow("Exit without save, confirmed")
            << false << true << QStringList{exit, "QMessageBox|OK"} << QString() << true
            << QString();
        QTest::newRow("Exit without save, then Cancel keeps asking")
            << false << true << QStringList{exit, "QMessageBox|Cancel", cancel} << QString()
            << false << QString();
        QTest::newRow("Save Pathway File")
            << true << true << QStringList{"closeForm|Save Pathway File"} << QString() << true
            << "project.pathway";
        QTest::newRow("Save Pathway As...")
            << false << true << QStringList{saveAs} << "other.pathway" << true << "other.pathway";
        QTest::newRow("Save Pathway As... cancelled keeps asking")
            << false << true << QStringList{saveAs, cancel} << QString() << false << QString();
        QTest::newRow("failed save keeps asking")
            << false << true << QStringList{saveAs, "QMessageBox|OK", cancel}
            << "missing/other.pathway" << false << QString();
    }
    void closeQuery()
    {
        QFETCH(bool, hasFile);
        QFETCH(bool, edited);
        QFETCH(QStringList, answers);
        QFETCH(QString, saveAs);
        QFETCH(bool, closes);
        QFETCH(QString, savedTo);
        const QString file = m_dir->filePath(QStringLiteral("project.pathway"));
        if (hasFile) {
            auto project = Project::newProject(PathwayType::ConditionBased, 2020);
            saveFixture(*project, *m_dir, QStringLiteral("project.pathway"));
            QVERIFY(startWindow(*m_window, file));
        } else {
            QVERIFY(startWindow(*m_window, {},
                                QStringLiteral("Start with empty Pathway (Condition based)")));
        }
        m_window->show();
        if (edited)
            edit(*m_window);
        if (!saveAs.isEmpty())
            m_dialogs->answerSave(m_dir->filePath(saveAs));

        bool saveFileEnabled = false;
        ModalScript script;
        for (const QString& answer : answers) {
            const QString dialog = answer.section(QLatin1Char('|'), 0, 0);
            const QString button = answer.section(QLatin1Char('|'), 1);
            script.then([dialog](QWidget* w) { return isDialog(w, dialog); },
                        [&saveFileEnabled, button](QWidget* w) {
                            if (w->objectName() == QStringLiteral("closeForm"))
                                saveFileEnabled =
                                    findButton(w, QStringLiteral("Save Pathway File"))->isEnabled();
                            findButton(w, button)->click();
                        });
        }
        QCOMPARE(m_window->close(), closes);
        QVERIFY(script.finished());
        if (!answers.isEmpty())
            QCOMPARE(saveFileEnabled, hasFile);
        if (!savedTo.isEmpty()) {
            auto reopened =
                Project::open(QFile::encodeName(m_dir->filePath(savedTo)).toStdString());
            QCOMPARE(reopened->elements().elements(0).caption(), std::string("Now"));
        }
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(SaveCloseTest)
#include "saveclose_test.moc"
