// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogprovider.h"

namespace vantrel {

/// The save dialog of a project file: pathway files first, ".pathway" added to a bare name, a
/// question before an existing file is replaced.
FileDialogOptions pathwayFileDialogOptions(const QString& selectedFile);

} // namespace vantrel
