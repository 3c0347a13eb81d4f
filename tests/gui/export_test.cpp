// SPDX-License-Identifier: GPL-3.0-or-later
// Exporting the map from the main window's export command.
#include "app/mainwindow.h"
#include "guitest.h"
#include "map/graphicsframe.h"
#include "map/mappicture.h"
#include "mapfixtures.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace vantrel;
using namespace vantrel::test;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void triggerExport(MainWindow& window)
{
    window.findChild<QAction*>(QStringLiteral("userExportAction"))->trigger();
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { pinEnvironment(); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_dialogs = std::make_unique<FakeDialogs>();
        m_window = std::make_unique<MainWindow>(m_dialogs.get());
        auto project = conditionProject();
        const QString file = saveFixture(*project, *m_dir, QStringLiteral("coast.pathway"));
        QVERIFY(startWindow(*m_window, file));
    }
    void cleanup()
    {
        m_window.reset();
        m_dialogs.reset();
        m_dir.reset();
    }

    void exportsEachFormat_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("markOffset");
        QTest::addColumn<QByteArray>("mark");
        QTest::newRow("PNG") << 0 << "map.png"
                             << "map.PNG" << 0 << QByteArray("\x89PNG");
        QTest::newRow("PNG, no extension") << 0 << "map"
                                           << "map.PNG" << 0 << QByteArray("\x89PNG");
        QTest::newRow("EMF over a .png name") << 1 << "map.png"
                                              << "map.EMF" << 40 << QByteArray(" EMF");
        QTest::newRow("SVG") << 2 << "map.svg"
                             << "map.SVG" << -1 << QByteArray("<svg");
    }
    void exportsEachFormat()
    {
        QFETCH(int, filter);
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(int, markOffset);
        QFETCH(QByteArray, mark);
        QTemporaryDir out;
        m_dialogs->answerSave(out.filePath(chosen), filter);
        triggerExport(*m_window);

        const FileDialogOptions& asked = m_dialogs->requests().back();
        QCOMPARE(asked.caption, QStringLiteral("Export Varurero graphics"));
        QCOMPARE(asked.directory, m_dir->path());
        QCOMPARE(qtFilters(asked.filters),
                 (QStringList{"PNG Image [*.png] (*.png)", "EMF Image [*.emf] (*.emf)",
                              "SVG Image [*.svg] (*.svg)"}));
        const QByteArray bytes = readAll(out.filePath(written));
        QVERIFY(!bytes.isEmpty());
        if (markOffset >= 0)
            QCOMPARE(bytes.mid(markOffset, mark.size()), mark);
        else
            QVERIFY(bytes.contains(mark));
        QCOMPARE(m_window->exportDir(), out.path());
    }

    void pngShowsWhatTheViewShows()
    {
        ElementsList& list = m_window->project()->elements();
        m_window->setSelectedElement(&list.elements(3));
        m_window->graphicsFrame()->draw();
        QTemporaryDir out;
        m_dialogs->answerSave(out.filePath(QStringLiteral("map.png")), 0);
        triggerExport(*m_window);
        const QImage exported(out.filePath(QStringLiteral("map.PNG")));
        MapPicture* picture = m_window->graphicsFrame()->picture();
        // Hide the handles: they lie over the picture, not in it.
        m_window->graphicsFrame()->findChild<QWidget*>(QStringLiteral("rowDragHandle"))->hide();
        m_window->graphicsFrame()->findChild<QWidget*>(QStringLiteral("tippingDragHandle"))->hide();
        const QImage shown = picture->grab().toImage().convertToFormat(exported.format());
        QCOMPARE(exported.size(), shown.size());
        QCOMPARE(exported, shown);
    }

    void cancelChangesNothing()
    {
        const QString before = m_window->exportDir();
        triggerExport(*m_window); // no answer queued: cancelled
        QCOMPARE(m_window->exportDir(), before);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("coast.pathway")});
    }

    void otherFileWithTheNewExtensionIsNotReplacedUnasked()
    {
        QTemporaryDir out;
        const QString existing = out.filePath(QStringLiteral("map.PNG"));
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep");
        file.close();
        m_dialogs->answerSave(out.filePath(QStringLiteral("map.png")), 0);
        ModalScript script;
        script.click(QStringLiteral("QMessageBox"), QStringLiteral("No"));
        triggerExport(*m_window);
        QVERIFY(script.finished());
        QCOMPARE(readAll(existing), QByteArray("keep"));
    }

    void writeFailureIsReported()
    {
        m_dialogs->answerSave(m_dir->filePath(QStringLiteral("missing/map.png")), 0);
        ModalScript script;
        script.click(QStringLiteral("QMessageBox"), QStringLiteral("OK"));
        triggerExport(*m_window);
        QVERIFY(script.finished());
        QVERIFY(script.messages().first().contains(QStringLiteral("map.PNG")));
        QVERIFY(m_window->isEnabled());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"
