// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgetsupport.h"

#include <QMessageBox>

namespace vantrel {

QIcon bundledIcon(const QString& name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

QIcon themeIcon(const QString& themeName, const QString& bundledName)
{
    return QIcon::fromTheme(themeName, bundledIcon(bundledName));
}

void showError(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, QStringLiteral("Vantrel"), message);
}

void showMessage(QWidget* parent, const QString& message)
{
    QMessageBox::information(parent, QStringLiteral("Vantrel"), message);
}

} // namespace vantrel
