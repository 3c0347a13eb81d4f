// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace vantrel {

class Element;
class ElementsList;
class PathwayGraphics;

/// What the interactive map does with the pointer, stated on the model so the map view only
/// forwards events: which elements a click hits, where the two drag handles sit, and how
/// dragging them moves an element. All coordinates are picture pixels. The x extents used here
/// are those of the last layout (PathwayGraphics::layoutElementHorizontally), so the caller lays
/// the map out for the series it shows before asking.
namespace mapinteraction {

/// Half the height of the band around a row in which a click hits the row.
constexpr int HitHalfHeight = 9;
/// The row being dragged stays this far from the picture's top and bottom edges.
constexpr int DragEdgeDistance = 15;

/// List positions of the actions whose caption row holds the point, in list order; none unless
/// the point lies in the titles band.
std::vector<int> captionHits(const PathwayGraphics& graphics, const ElementsList& list, int x,
                             int y);
/// List positions of the elements (of every kind) whose line holds the point, in list order;
/// none unless the point lies in the graph band. A line ending left of its start is never hit.
std::vector<int> lineHits(const PathwayGraphics& graphics, const ElementsList& list, int x, int y);
/// The candidates of a click: the caption hits, or when there are none the line hits. The
/// element picked is the last candidate.
std::vector<int> clickCandidates(const PathwayGraphics& graphics, const ElementsList& list, int x,
                                 int y);

struct Point {
    int x = 0;
    int y = 0;
};

/// Top-left corner of the row handle (an arrow at its left, a ring around the element's
/// station at its right) of the given size.
Point rowHandlePosition(const Element& element, int handleWidth, int handleHeight);
/// Top-left corner of the tipping-point handle (a ring around the end of the line at its top,
/// an arrow below).
Point tippingHandlePosition(const Element& element, int handleWidth, int handleHeight);

/// The state of a row drag, taken when the button goes down on the row handle.
struct RowDrag {
    int startY = 0;
    std::int32_t oldTweakY = 0;
    std::int32_t oldYCoord = 0;
};

RowDrag beginRowDrag(const Element& element, int mouseY);
/// Moves the element's row (and its tweak, so that the next automatic layout keeps the move)
/// by the distance the mouse went since the drag began, the mouse being held at least
/// DragEdgeDistance pixels inside a picture `pictureHeight` pixels high.
void dragRow(Element& element, const RowDrag& drag, int mouseY, int pictureHeight);

/// Moves the element's tipping point so that the end of its line, overshoot included, lies at
/// the mouse: the unrounded condition value in a condition-based project, the whole year (halves
/// to even) of tipping-time column `series` in a time-based one. A series the element does not
/// have is left alone.
void dragTippingPoint(Element& element, const PathwayGraphics& graphics, int mouseX, int series);

} // namespace mapinteraction
} // namespace vantrel
