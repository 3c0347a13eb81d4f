// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/filetext.h"

#include <QColor>
#include <QIcon>
#include <QString>
#include <exception>
#include <string>

class QWidget;

namespace vantrel {

/// An icon of the desktop's theme, or the bundled one of the same name when the theme has none.
QIcon themeIcon(const QString& themeName, const QString& bundledName);
/// A bundled icon.
QIcon bundledIcon(const QString& name);

inline QString toQString(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}
inline std::string toStdString(const QString& text)
{
    return text.toStdString();
}

/// A colour chosen in Qt as a project colour (the inverse of toQColor of the render layer).
inline Color fromQColor(const QColor& color)
{
    return rgb(color.red(), color.green(), color.blue());
}

/// Shows an error's message in a message box; the program carries on.
void showError(QWidget* parent, const QString& message);
/// A plain message with an OK button.
void showMessage(QWidget* parent, const QString& message);

/// Runs a user command, showing the message of anything it throws instead of letting the error
/// escape into the event loop. Returns whether the command finished.
template <typename Command> bool runReportingErrors(QWidget* parent, Command&& command)
{
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        showError(parent, QString::fromUtf8(e.what()));
    }
    return false;
}

} // namespace vantrel
