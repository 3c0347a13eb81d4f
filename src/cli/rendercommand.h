// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vantrel::cli {

/// vantrel-cli render FILE --out PATH [--series K] [--highlight ID]: writes the pathway map of
/// FILE as a PNG, EMF or SVG image, chosen by the extension of PATH.
int runRender(const std::vector<std::string>& args, std::ostream& out);

} // namespace vantrel::cli
