// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vantrel {

/// Replaces the extension of the file name at the end of `path` by `extension` (which includes
/// its dot), or appends it when the name has none. A leading dot of a name ("/tmp/.map") does
/// not start an extension, so the name itself is never lost.
std::string replaceExtension(const std::string& path, std::string_view extension);

/// Measures the width of a text in the unit of `maxWidth` (pixels of the window's font).
using TextWidth = std::function<int(const std::string&)>;

/// Shortens a file path for a window title: a path that fits in `maxWidth` is returned whole;
/// otherwise leading folders are replaced by "..." one at a time, keeping the drive (or root)
/// and the file name ("C:\a\b\c\coast.pathway" may become "C:\...\c\coast.pathway"). When even
/// that does not fit, the drive goes too; the file name itself is always kept whole.
std::string shortenPathToWidth(const std::string& path, int maxWidth, const TextWidth& width);

} // namespace vantrel
