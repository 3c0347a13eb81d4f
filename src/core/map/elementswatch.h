// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vantrel {

class Element;
class Surface;

/// Paints an element's pathway as a bar of its colours into the rectangle [left, right) x
/// [top, bottom), `leftValue` and `rightValue` being the axis values at its left and right
/// edges: an action fills the whole rectangle with its colour; otherwise each element of the
/// chain (the element, then its predecessors) fills the piece from where it starts to where it
/// tips, split into horizontal bands for the colours of a combination, and the current
/// situation's piece goes on top. Equal left and right values give a red cross. `timeColumn`
/// is the tipping-time column of a time-based project. Pen and brush are left as set.
void drawElementSwatch(const Element& element, int timeColumn, Surface& canvas, int left, int top,
                       int right, int bottom, double leftValue, double rightValue);

} // namespace vantrel
