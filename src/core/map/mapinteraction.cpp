// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/mapinteraction.h"

#include "map/pathwaygraphics.h"
#include "model/elementslist.h"

#include <algorithm>
#include <cmath>

namespace vantrel::mapinteraction {

namespace {

// Rectangles include their left and top edges and exclude the right and bottom ones.
bool inRow(const Element& e, std::int64_t left, std::int64_t right, int x, int y)
{
    const std::int64_t top = std::int64_t{e.yCoord()} - HitHalfHeight;
    const std::int64_t bottom = std::int64_t{e.yCoord()} + HitHalfHeight;
    return left <= x && x < right && top <= y && y < bottom;
}

} // namespace

std::vector<int> captionHits(const PathwayGraphics& graphics, const ElementsList& list, int x,
                             int y)
{
    std::vector<int> hits;
    if (!graphics.ptInCaptionsArea(x, y))
        return hits;
    for (int i = 0; i < list.count(); ++i) {
        const Element& e = list.elements(i);
        if (e.isPrimaryElement() && inRow(e, 0, graphics.titlesAreaWidth(), x, y))
            hits.push_back(i);
    }
    return hits;
}

std::vector<int> lineHits(const PathwayGraphics& graphics, const ElementsList& list, int x, int y)
{
    std::vector<int> hits;
    if (!graphics.ptInGraphArea(x, y))
        return hits;
    for (int i = 0; i < list.count(); ++i) {
        const Element& e = list.elements(i);
        if (inRow(e, e.xCoordStart(), e.xCoordEnd(), x, y))
            hits.push_back(i);
    }
    return hits;
}

std::vector<int> clickCandidates(const PathwayGraphics& graphics, const ElementsList& list, int x,
                                 int y)
{
    std::vector<int> hits = captionHits(graphics, list, x, y);
    if (hits.empty())
        hits = lineHits(graphics, list, x, y);
    return hits;
}

Point rowHandlePosition(const Element& element, int handleWidth, int handleHeight)
{
    // The ring sits 13 pixels right of the handle's centre, around the station.
    return {element.xCoordStart() - handleWidth / 2 - 13, element.yCoord() - handleHeight / 2};
}

Point tippingHandlePosition(const Element& element, int handleWidth, int handleHeight)
{
    // The ring sits 11 pixels above the handle's centre, around the end of the line.
    return {element.xCoordEnd() - handleWidth / 2, element.yCoord() - handleHeight / 2 + 11};
}

RowDrag beginRowDrag(const Element& element, int mouseY)
{
    return {mouseY, element.tweakY(), element.yCoord()};
}

void dragRow(Element& element, const RowDrag& drag, int mouseY, int pictureHeight)
{
    // Lower bound last, so that a picture lower than twice the distance still gives a row.
    std::int64_t y = std::min<std::int64_t>(mouseY, std::int64_t{pictureHeight} - DragEdgeDistance);
    y = std::max<std::int64_t>(y, DragEdgeDistance);
    const std::int64_t delta = y - drag.startY;
    element.setTweakY(clampCoordinate(drag.oldTweakY + delta));
    element.setYCoord(clampCoordinate(drag.oldYCoord + delta));
}

void dragTippingPoint(Element& element, const PathwayGraphics& graphics, int mouseX, int series)
{
    const double value = graphics.tippingValueOfXCoordinate(
        clampCoordinate(std::int64_t{mouseX} - element.overshoot()));
    if (!std::isfinite(value))
        return;
    if (element.elementsList().pathwayType() == PathwayType::ConditionBased) {
        element.setTippingPointValue(value);
    } else if (series >= 0 && series < element.tippingTimeValuesLength()) {
        element.setTippingTimeValue(series, roundHalfEven(value));
    }
}

} // namespace vantrel::mapinteraction
