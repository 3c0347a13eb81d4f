// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pathwayfiledialog.h"

namespace vantrel {

FileDialogOptions pathwayFileDialogOptions(const QString& selectedFile)
{
    FileDialogOptions options;
    options.caption = QStringLiteral("Save Pathway File");
    options.selectedFile = selectedFile;
    options.filters = {{QStringLiteral("pathway files [*.pathway]"), QStringLiteral("*.pathway")},
                       {QStringLiteral("all files [*.*]"), QStringLiteral("*.*")}};
    options.defaultSuffix = QStringLiteral("pathway");
    options.confirmOverwrite = true;
    return options;
}

} // namespace vantrel
