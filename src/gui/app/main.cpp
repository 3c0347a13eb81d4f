// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel: the desktop program for adaptation-pathway planning.
#include "app/mainwindow.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vantrel"));

    const QStringList arguments = QApplication::arguments();
    vantrel::MainWindow window;
    if (!window.startUp(arguments.size() > 1 ? arguments.at(1) : QString()))
        return 0;
    window.showMaximized();
    return QApplication::exec();
}
