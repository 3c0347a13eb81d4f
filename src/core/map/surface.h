// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/filetext.h"

#include <string>

namespace vantrel {

/// A size in whole pixels.
struct TextExtent {
    int width = 0;
    int height = 0;
};

/// What the map drawing needs of a canvas, in the manner of a classic 2-D canvas: a pen (colour,
/// width) with a current position, a brush colour, a font (size in points, colour; the family is
/// the surface's own), lines, filled rectangles, ellipses, text written with its top-left corner at
/// a point, and the extent of a text. Implementations draw on a QImage or widget, into an EMF or
/// SVG file, or record the calls for tests. Coordinates are pixels, origin top-left, y downwards.
class Surface {
public:
    virtual ~Surface() = default;

    virtual void setPenColor(Color color) = 0;
    virtual void setPenWidth(int width) = 0;
    virtual void setBrushColor(Color color) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setFontColor(Color color) = 0;

    /// Moves the pen without drawing.
    virtual void moveTo(int x, int y) = 0;
    /// Draws from the pen position to (x, y) with the pen and moves the pen there.
    virtual void lineTo(int x, int y) = 0;
    /// Fills the rectangle [left, right) x [top, bottom) with the brush, no outline.
    virtual void fillRect(int left, int top, int right, int bottom) = 0;
    /// An ellipse in the bounding box, outlined with the pen and filled with the brush.
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    /// Writes a text with its top-left corner at (x, y) in the font's size and colour.
    virtual void textOut(int x, int y, const std::string& utf8) = 0;
    virtual TextExtent textExtent(const std::string& utf8) = 0;
};

} // namespace vantrel
