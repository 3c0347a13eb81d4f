// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vantrel {

/// Replaces the file at `path` with `bytes` so that the old file survives any failure: the bytes
/// go to a temporary file in the same folder, which is flushed to disk and then renamed over the
/// target, and the folder is synced. On failure the temporary file is removed, the old file is
/// untouched, and FileError("Cannot create file "<path>". <reason>") is thrown.
void writeFileAtomically(const std::string& path, std::string_view bytes);

/// Reads a whole file; FileError("Cannot open file "<path>". <reason>") when it cannot be read.
/// Files over `maxSize` bytes are refused.
std::string readWholeFile(const std::string& path, std::size_t maxSize);

} // namespace vantrel
