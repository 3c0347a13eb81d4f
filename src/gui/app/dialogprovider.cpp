// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogprovider.h"

#include <QColorDialog>
#include <QFileDialog>

namespace vantrel {

QStringList qtFilters(const std::vector<FileFilter>& filters)
{
    QStringList result;
    for (const FileFilter& f : filters)
        result << QStringLiteral("%1 (%2)").arg(f.description, f.pattern);
    return result;
}

namespace {

std::optional<FileChoice> runFileDialog(QWidget* parent, const FileDialogOptions& options,
                                        QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, options.caption, options.directory);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    const QStringList filters = qtFilters(options.filters);
    dialog.setNameFilters(filters);
    if (!options.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(options.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    if (!options.selectedFile.isEmpty())
        dialog.selectFile(options.selectedFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    FileChoice choice;
    choice.path = dialog.selectedFiles().constFirst();
    choice.filterIndex =
        std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
    return choice;
}

} // namespace

std::optional<FileChoice> StandardDialogs::openFile(QWidget* parent,
                                                    const FileDialogOptions& options)
{
    return runFileDialog(parent, options, QFileDialog::AcceptOpen);
}

std::optional<FileChoice> StandardDialogs::saveFile(QWidget* parent,
                                                    const FileDialogOptions& options)
{
    return runFileDialog(parent, options, QFileDialog::AcceptSave);
}

std::optional<QColor> StandardDialogs::chooseColor(QWidget* parent, const QColor& initial)
{
    const QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

} // namespace vantrel
