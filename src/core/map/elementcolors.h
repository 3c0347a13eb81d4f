// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/element.h"

#include <vector>

namespace vantrel {

/// The first colours of an element's line in the order of Element::colors (a combination lists
/// its second's colours, then its predecessor's), at most `limit` and at most
/// Element::MaxColorCount of them, replacing the contents of `out`. The walk stops as soon as
/// `limit` colours are found, so painting a few stripes of a long chain of combinations does not
/// cost the whole chain. When `out` ends up shorter than `limit`, it holds every colour.
void lineColors(const Element& element, int limit, std::vector<Color>& out);

} // namespace vantrel
