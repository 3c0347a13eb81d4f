// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/elementswatch.h"

#include "map/elementcolors.h"
#include "map/pathwaygraphics.h"
#include "map/surface.h"
#include "model/elementslist.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vantrel {

namespace {

std::int32_t roundPixel(double value)
{
    if (std::isnan(value))
        return 0;
    const auto limit = static_cast<double>(PathwayGraphics::MaxCoordinate);
    return roundHalfEven(std::clamp(value, -limit, limit));
}

} // namespace

void drawElementSwatch(const Element& element, int timeColumn, Surface& canvas, int left, int top,
                       int right, int bottom, double leftValue, double rightValue)
{
    if (element.isPrimaryElement()) {
        canvas.setBrushColor(element.myColor());
        canvas.fillRect(left, top, right, bottom);
        return;
    }
    if (rightValue == leftValue) {
        canvas.setPenColor(colors::Red);
        canvas.moveTo(left, top);
        canvas.lineTo(right, bottom);
        canvas.moveTo(left, bottom);
        canvas.lineTo(right, top);
        return;
    }
    const double width = static_cast<double>(right) - left;
    const double height = static_cast<double>(bottom) - top;
    const auto xOf = [&](double v) {
        return clampCoordinate(
            std::int64_t{roundPixel((v - leftValue) / (rightValue - leftValue) * width)} + left);
    };
    const auto bandEdge = [&](std::size_t i, std::size_t n) {
        return clampCoordinate(
            std::int64_t{roundPixel(static_cast<double>(i) * height / static_cast<double>(n))} +
            top);
    };

    const ElementsList& list = element.elementsList();
    std::vector<Color> colorsOfPiece;
    // A chain cannot hold more elements than the list; a longer walk follows a loop of links.
    const Element* e = &element;
    for (int steps = 0; e && steps <= list.count(); ++steps) {
        const int x1 = xOf(e->startTippingValue(timeColumn));
        const int x2 = xOf(e->tippingValue(timeColumn));
        lineColors(*e, Element::MaxColorCount, colorsOfPiece);
        const std::size_t n = colorsOfPiece.size();
        for (std::size_t i = 0; i < n; ++i) {
            canvas.setBrushColor(colorsOfPiece[i]);
            canvas.fillRect(x1, bandEdge(i, n), x2, bandEdge(i + 1, n));
        }
        e = e->predecessorElement();
    }
    if (list.currentElementId() > 0) {
        if (const Element* current = list.currentElement()) {
            canvas.setBrushColor(current->myColor());
            canvas.fillRect(xOf(current->startTippingValue(timeColumn)), top,
                            xOf(current->tippingValue(timeColumn)), bottom);
        }
    }
}

} // namespace vantrel
