// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the screenshot of the documentation: the main window on a project, with one element
// selected by a click on its line, so the handles, the highlight, the candidates under the
// click and the properties show.
//
//   vantrel_screenshot PROJECT OUT.png [ELEMENT-CAPTION]
#include "app/mainwindow.h"
#include "guitest.h"
#include "map/graphicsframe.h"
#include "map/mappicture.h"
#include "model/elementslist.h"
#include "project/project.h"

#include <QApplication>
#include <QPixmap>
#include <QTest>
#include <QTextStream>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 3) {
        QTextStream(stderr) << "Usage: vantrel_screenshot PROJECT OUT.png [ELEMENT-CAPTION]\n";
        return 2;
    }
    vantrel::test::pinEnvironment();
    vantrel::test::FakeDialogs dialogs;
    vantrel::MainWindow window(&dialogs);
    if (!vantrel::test::startWindow(window, args.at(1))) {
        QTextStream(stderr) << "Could not open " << args.at(1) << "\n";
        return 1;
    }
    window.resize(1440, 860);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    if (args.size() > 3) {
        const vantrel::ElementsList& list = window.project()->elements();
        for (int i = 0; i < list.count(); ++i) {
            const vantrel::Element& e = list.elements(i);
            if (QString::fromStdString(e.caption()) == args.at(3))
                QTest::mouseClick(window.graphicsFrame()->picture(), Qt::LeftButton, {},
                                  QPoint((e.xCoordStart() + e.xCoordEnd()) / 2, e.yCoord()));
        }
    }
    QTest::qWait(200);
    if (!window.grab().save(args.at(2))) {
        QTextStream(stderr) << "Could not write " << args.at(2) << "\n";
        return 1;
    }
    return 0;
}
