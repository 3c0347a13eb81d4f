// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QWidget;

namespace vantrel {

/// One entry of a file dialog's type list: the text the user sees and the pattern it stands for.
struct FileFilter {
    QString description;
    QString pattern;
};

/// What a file dialog is asked to show.
struct FileDialogOptions {
    QString caption;
    /// Folder the dialog opens in; empty for the platform's choice.
    QString directory;
    /// File the dialog is pre-filled with; empty for none.
    QString selectedFile;
    std::vector<FileFilter> filters;
    /// Extension (without dot) added when the user types a name without one; empty for none.
    QString defaultSuffix;
    /// Whether a save dialog asks before replacing an existing file.
    bool confirmOverwrite = true;
};

/// The user's answer to a file dialog.
struct FileChoice {
    QString path;
    /// Position of the chosen type in FileDialogOptions::filters.
    int filterIndex = 0;
};

/// The platform dialogs that the window and its views ask the user through. Tests put their
/// own answers in place of the real dialogs.
class DialogProvider {
public:
    virtual ~DialogProvider() = default;
    /// The chosen file, or nothing when the user cancels.
    virtual std::optional<FileChoice> openFile(QWidget* parent,
                                               const FileDialogOptions& options) = 0;
    virtual std::optional<FileChoice> saveFile(QWidget* parent,
                                               const FileDialogOptions& options) = 0;
    /// The chosen colour, or nothing when the user cancels.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
};

/// The desktop's own file and colour dialogs.
class StandardDialogs : public DialogProvider {
public:
    std::optional<FileChoice> openFile(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<FileChoice> saveFile(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
};

/// The filter strings of a file dialog ("PNG Image [*.png] (*.png)").
QStringList qtFilters(const std::vector<FileFilter>& filters);

} // namespace vantrel
