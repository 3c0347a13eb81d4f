// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/filetext.h"

namespace vantrel {

/// The plain RGB value that a colour paints with. Project files may hold system colours (upper
/// byte 0xFF, the low byte naming the colour); they paint with the classic desktop defaults.
/// Every other value paints with its low 24 bits, so "no colour" and "default" read as white and
/// black instead of stray bits.
Color colorToRgb(Color color);

} // namespace vantrel
