// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/elementcolors.h"

#include "model/elementslist.h"

#include <algorithm>

namespace vantrel {

void lineColors(const Element& element, int limit, std::vector<Color>& out)
{
    out.clear();
    const auto wanted = static_cast<std::size_t>(std::clamp(limit, 0, Element::MaxColorCount));
    if (wanted == 0)
        return;
    // Depth-first over the parts, second before predecessor. A path longer than the list can
    // only come from links that loop; such a part counts as one colour.
    const auto maxDepth = static_cast<std::size_t>(element.elementsList().count()) + 1;
    std::vector<const Element*> stack{&element};
    std::vector<std::size_t> depth{1};
    while (!stack.empty() && out.size() < wanted) {
        const Element* e = stack.back();
        const std::size_t d = depth.back();
        stack.pop_back();
        depth.pop_back();
        const Element* second = e->isCombination() ? e->combinationSecondElement() : nullptr;
        if (!second || d >= maxDepth) {
            out.push_back(e->myColor());
            continue;
        }
        if (const Element* pred = e->predecessorElement()) {
            stack.push_back(pred);
            depth.push_back(d + 1);
        }
        stack.push_back(second);
        depth.push_back(d + 1);
    }
}

} // namespace vantrel
