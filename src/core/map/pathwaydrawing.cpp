// SPDX-License-Identifier: GPL-3.0-or-later
// Painting of the pathway map onto a Surface: the members of PathwayGraphics that draw.
#include "map/colortorgb.h"
#include "map/elementcolors.h"
#include "map/pathwaygraphics.h"
#include "map/surface.h"
#include "model/elementslist.h"
#include "scenarios/scenariotable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace vantrel {

namespace {

constexpr Color Silver = rgb(192, 192, 192);
constexpr int LineWidth = 5;
constexpr int StripeLength = 10;
/// Stripes this close outside the picture still show their round ends inside it.
constexpr int StripeMargin = 10;
/// Half the height of an end bar.
constexpr int EndBarHalfHeight = 5;
/// Half the side of the square a station circle is drawn in.
constexpr int StationRadius = 7;

std::int32_t clamp64(std::int64_t v)
{
    return clampCoordinate(v);
}

std::string withSeparator(std::string text, char separator)
{
    if (separator != '.')
        std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

std::string nonFiniteText(double v)
{
    if (std::isnan(v))
        return "NAN";
    return v > 0 ? "INF" : "-INF";
}

/// `v` rounded to at most `precision` significant digits and to at most `decimals` digits after
/// the point, in fixed notation with exactly `decimals` decimals; in the general notation
/// ("1.235E5") when the rounded integer part has more than `precision` digits. Halves round away
/// from zero, as written figures are rounded by hand.
std::string fixedText(double v, int precision, int decimals, char separator)
{
    if (!std::isfinite(v))
        return nonFiniteText(v);
    // Enough exact digits of the binary value that the one rounding below decides ties right.
    constexpr int ExactDigits = 40;
    std::array<char, 96> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v),
                                   std::chars_format::scientific, ExactDigits - 1);
    const std::string_view sci(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (c >= '0' && c <= '9')
            digits += c;
    int exponent = 0;
    const char* expBegin = sci.data() + ePos + 1;
    if (*expBegin == '+')
        ++expBegin;
    std::from_chars(expBegin, sci.data() + sci.size(), exponent);
    // The value is 0.d1d2d3... x 10^pointPos.
    int pointPos = v == 0.0 ? 1 : exponent + 1;
    if (v == 0.0)
        digits.assign(1, '0');

    const int keep = std::min(precision, pointPos + decimals);
    bool zero = false;
    if (keep < 0) {
        zero = true;
    } else {
        const auto k = static_cast<std::size_t>(keep);
        bool roundUp = false;
        if (k < digits.size()) {
            roundUp = digits[k] >= '5';
            digits.resize(k);
        }
        for (std::size_t i = digits.size(); roundUp && i-- > 0;) {
            if (digits[i] == '9') {
                digits[i] = '0';
            } else {
                ++digits[i];
                roundUp = false;
            }
        }
        if (roundUp) {
            digits.insert(digits.begin(), '1');
            ++pointPos;
        }
        zero = digits.find_first_not_of('0') == std::string::npos;
    }
    const bool negative = v < 0 && !zero;

    std::string out = negative ? "-" : "";
    if (!zero && pointPos > precision) {
        while (digits.size() > 1 && digits.back() == '0')
            digits.pop_back();
        out += digits[0];
        if (digits.size() > 1) {
            out += separator;
            out.append(digits, 1);
        }
        out += 'E';
        out += std::to_string(pointPos - 1);
        return out;
    }
    const auto digitAt = [&](int i) -> char {
        if (zero || i < 0 || i >= static_cast<int>(digits.size()))
            return '0';
        return digits[static_cast<std::size_t>(i)];
    };
    if (zero || pointPos <= 0) {
        out += '0';
    } else {
        for (int i = 0; i < pointPos; ++i)
            out += digitAt(i);
    }
    if (decimals > 0) {
        out += separator;
        for (int j = 0; j < decimals; ++j)
            out += digitAt(pointPos + j);
    }
    return out;
}

} // namespace

/// What one drawing needs besides the settings.
struct PathwayGraphics::DrawContext {
    Surface& canvas;
    ElementsList& list;
    int series;
    int highlight;
    const Element* current;
    /// Stripes are painted only where they can show: within this window of the picture.
    std::int32_t windowRight;
    std::int32_t windowBottom;
    std::vector<Color> colors;
};

std::int32_t PathwayGraphics::paintedFontSize() const
{
    return std::clamp(m_fontSize, MinFontSize, MaxFontSize);
}

Color PathwayGraphics::lightenedColor(Color color) const
{
    const Color c = colorToRgb(color);
    const int percent = std::clamp(m_dimmedPercentage, 0, 100);
    const auto lighten = [percent](int ch) {
        return ch + roundHalfEven(static_cast<double>((255 - ch) * percent) / 100.0);
    };
    return rgb(lighten(redOf(c)), lighten(greenOf(c)), lighten(blueOf(c)));
}

Color PathwayGraphics::dimmedLineColor(Color color) const
{
    return m_dimmedOption == 0 ? m_dimmedColor : lightenedColor(color);
}

std::string PathwayGraphics::axisValueText(double value) const
{
    // Later rules override earlier ones; -1 stands for the general form.
    const double range = std::fabs(m_maxTippingPointValue - m_minTippingPointValue);
    int decimals = -1;
    if (range < 1000)
        decimals = 0;
    if (range < 100)
        decimals = 1;
    if (range < 1)
        decimals = 3;
    if (m_elementsList && m_elementsList->pathwayType() == PathwayType::TimeBased)
        decimals = 0;
    if (m_xAxisDecimalPlaces >= 0)
        decimals = std::min(m_xAxisDecimalPlaces, MaxDecimalPlaces);
    if (decimals < 0)
        return withSeparator(floatToFileText(value), m_decimalSeparator);
    return fixedText(value, 4, decimals, m_decimalSeparator);
}

void PathwayGraphics::drawPathwayOnCanvas(Surface& canvas, ElementsList& list,
                                          const ScenarioTable& scenarios, int seriesIndex,
                                          int highlightIndex)
{
    m_elementsList = &list;
    m_xAxisHeight = xAxisHeightFor(list.pathwayType(), scenarios.scenarioCount());

    const int highlight =
        highlightIndex >= 0 && highlightIndex < list.count() ? highlightIndex : -1;
    DrawContext dc{
        canvas,
        list,
        seriesIndex,
        highlight,
        list.currentElement(),
        clamp64(std::int64_t{std::min(m_drawingAreaWidth, MaxPaintedExtent)} + StripeMargin),
        clamp64(std::int64_t{std::min(m_drawingAreaHeight, MaxPaintedExtent)} + StripeMargin),
        {}};

    canvas.setFontSize(8);
    canvas.textOut(clamp64(m_leftMargin), clamp64(std::int64_t{m_drawingAreaHeight} - 16),
                   CreditText);
    canvas.setFontSize(paintedFontSize());
    drawCaptions(canvas);
    drawXAxis(canvas, scenarios);
    for (const auto phase : {VoraZodaDrawingPhase::Grayed, VoraZodaDrawingPhase::Dimmed,
                             VoraZodaDrawingPhase::Colored}) {
        m_drawingPhase = phase;
        drawPhase(dc);
    }
}

void PathwayGraphics::drawCaptions(Surface& canvas) const
{
    // Captions are centred on their rows.
    const int h = canvas.textExtent("bp").height;
    const int fontSize = paintedFontSize();
    for (int i = 0; i < m_elementsList->count(); ++i) {
        const Element& e = m_elementsList->elements(i);
        if (!e.isPrimaryElement())
            continue;
        canvas.setFontSize(fontSize);
        canvas.setFontColor(e.myColor());
        canvas.textOut(clamp64(m_leftMargin), clamp64(std::int64_t{e.yCoord()} - h / 2),
                       e.caption());
    }
}

void PathwayGraphics::drawXAxis(Surface& canvas, const ScenarioTable& scenarios) const
{
    canvas.setPenColor(colors::Black);
    canvas.setPenWidth(1);
    canvas.setFontSize(paintedFontSize());
    canvas.setFontColor(colors::Black);

    if (m_showXAxis) {
        const std::int32_t y0 = clamp64(axisTop() + 20);
        canvas.textOut(clamp64(m_leftMargin), y0, m_xAxisTitle);
        const auto tick = [&](std::int32_t x, double value) {
            canvas.moveTo(x, y0);
            canvas.lineTo(x, clamp64(std::int64_t{y0} + 10));
            const std::string label = axisValueText(value);
            const int w = canvas.textExtent(label).width;
            canvas.textOut(clamp64(std::int64_t{x} - w / 2), clamp64(std::int64_t{y0} + 12), label);
        };
        const std::int32_t x0 = xCoordinateOfTippingValue(m_minTippingPointValue);
        const std::int32_t x1 = xCoordinateOfTippingValue(m_maxTippingPointValue);
        tick(x0, m_minTippingPointValue);
        canvas.moveTo(x0, y0);
        canvas.lineTo(x1, y0);
        tick(x1, m_maxTippingPointValue);
        const std::int32_t ticks = std::min(m_ticksXAxis, MaxTicks);
        if (ticks > 2) {
            const double step = (m_maxTippingPointValue - m_minTippingPointValue) / (ticks - 1);
            for (int i = 1; i <= ticks - 2; ++i) {
                const double value = m_minTippingPointValue + i * step;
                tick(xCoordinateOfTippingValue(value), value);
            }
        }
    }

    // One row per scenario: a polyline through the decade years, each with a tick and, where it
    // does not touch the one before, its year.
    const std::int64_t firstDecade =
        static_cast<std::int64_t>(std::ceil(scenarios.beginYear() / 10.0)) * 10;
    for (int s = 0; s < scenarios.scenarioCount(); ++s) {
        const std::int32_t rowY = clamp64(axisTop() + 120 + std::int64_t{60} * s);
        const std::int32_t tickBottom = clamp64(std::int64_t{rowY} + 10);
        canvas.textOut(clamp64(m_leftMargin), rowY, scenarios.scenarioName(s));
        canvas.moveTo(clamp64(std::int64_t{m_leftMargin} + m_titlesAreaWidth), rowY);
        std::int64_t lastRight = -100;
        for (std::int64_t year = firstDecade; year <= scenarios.endYear(); year += 10) {
            const auto y = static_cast<std::int32_t>(year);
            if (!scenarios.scenarioValueAvailable(y, s))
                continue;
            const std::int32_t x = xCoordinateOfTippingValue(scenarios.scenarioValue(y, s));
            canvas.lineTo(x, rowY);
            canvas.lineTo(x, tickBottom);
            const std::string label = std::to_string(year);
            const int w = canvas.textExtent(label).width;
            const std::int64_t lx = std::int64_t{x} - w / 2;
            if (lx > lastRight) {
                canvas.textOut(clamp64(lx), tickBottom, label);
                lastRight = lx + w;
            }
            canvas.moveTo(x, rowY);
        }
    }
}

void PathwayGraphics::drawPhase(DrawContext& dc)
{
    const bool chainPass = m_drawingPhase != VoraZodaDrawingPhase::Grayed && dc.highlight >= 0;
    if (!chainPass) {
        drawStartLine(dc);
        for (int i = 0; i < dc.list.count(); ++i) {
            Element& e = dc.list.elements(i);
            drawElement(dc, e);
            if (const Element* p = e.predecessorElement(); p && p != dc.current)
                drawTransfer(dc, e, *p);
        }
        for (int i = 0; i < dc.list.count(); ++i) {
            const Element& e = dc.list.elements(i);
            if (&e != dc.current)
                drawStation(dc, e);
        }
        return;
    }
    // The highlighted element and its predecessors; a chain longer than the list loops.
    Element* e = &dc.list.elements(dc.highlight);
    for (int steps = 0; e && steps < dc.list.count(); ++steps) {
        drawElement(dc, *e);
        Element* p = e->predecessorElement();
        if (p && p != dc.current)
            drawTransfer(dc, *e, *p);
        if (e != dc.current)
            drawStation(dc, *e);
        e = p;
    }
}

void PathwayGraphics::drawStartLine(DrawContext& dc) const
{
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    if (!startLineExtent(top, bottom))
        return;
    const double value = dc.current ? dc.current->tippingValue(dc.series) : 0.0;
    Color color = dc.current ? dc.current->myColor() : colors::Gray;
    if (m_drawingPhase == VoraZodaDrawingPhase::Grayed)
        color = Silver;
    const std::int32_t x = xCoordinateOfTippingValue(value);
    dc.canvas.setPenColor(color);
    dc.canvas.setPenWidth(LineWidth);
    dc.canvas.moveTo(x, top);
    dc.canvas.lineTo(x, bottom);
}

void PathwayGraphics::drawElement(DrawContext& dc, Element& e) const
{
    if (m_drawingPhase == VoraZodaDrawingPhase::Dimmed && !e.dimmed())
        return;
    if (m_drawingPhase == VoraZodaDrawingPhase::Colored && e.dimmed())
        return;
    layoutElementHorizontally(e, dc.series);
    Color endBarColor = Silver;
    switch (m_drawingPhase) {
    case VoraZodaDrawingPhase::Grayed:
        drawSegment(dc, e, Silver);
        break;
    case VoraZodaDrawingPhase::Colored:
        if (e.isCombination())
            drawStripedSegment(dc, e, false);
        else
            drawSegment(dc, e, e.myColor());
        endBarColor = colors::Black;
        break;
    case VoraZodaDrawingPhase::Dimmed:
        if (e.isCombination())
            drawStripedSegment(dc, e, true);
        else
            drawSegment(dc, e, dimmedLineColor(e.myColor()));
        endBarColor = m_dimmedColor;
        break;
    }
    dc.canvas.setPenColor(endBarColor);
    // The end bar marks a line that runs on past its tipping point.
    if (e.overshoot() > 0) {
        dc.canvas.moveTo(e.xCoordEnd(), clamp64(std::int64_t{e.yCoord()} - EndBarHalfHeight));
        dc.canvas.lineTo(e.xCoordEnd(), clamp64(std::int64_t{e.yCoord()} + EndBarHalfHeight));
    }
}

void PathwayGraphics::drawTransfer(DrawContext& dc, const Element& e, const Element& p) const
{
    if (m_drawingPhase == VoraZodaDrawingPhase::Dimmed && !e.dimmed())
        return;
    if (m_drawingPhase == VoraZodaDrawingPhase::Colored && e.dimmed())
        return;
    switch (m_drawingPhase) {
    case VoraZodaDrawingPhase::Grayed:
        drawTransferSegment(dc, e, p, Silver);
        break;
    case VoraZodaDrawingPhase::Colored:
        if (p.isCombination())
            drawStripedTransfer(dc, e, p, false);
        else
            drawTransferSegment(dc, e, p, p.myColor());
        break;
    case VoraZodaDrawingPhase::Dimmed:
        if (p.isCombination())
            drawStripedTransfer(dc, e, p, true);
        else
            drawTransferSegment(dc, e, p, dimmedLineColor(p.myColor()));
        break;
    }
}

void PathwayGraphics::drawStation(DrawContext& dc, const Element& e) const
{
    Color ring = Silver;
    if (m_drawingPhase == VoraZodaDrawingPhase::Dimmed) {
        if (!e.dimmed())
            return;
        ring = m_dimmedColor;
    } else if (m_drawingPhase == VoraZodaDrawingPhase::Colored) {
        if (e.dimmed())
            return;
        ring = colors::Black;
    }
    dc.canvas.setPenColor(ring);
    dc.canvas.setPenWidth(LineWidth);
    dc.canvas.setBrushColor(colors::White);
    const std::int64_t x = e.xCoordStart();
    const std::int64_t y = e.yCoord();
    dc.canvas.ellipse(clamp64(x - StationRadius), clamp64(y - StationRadius),
                      clamp64(x + StationRadius), clamp64(y + StationRadius));
}

void PathwayGraphics::drawSegment(DrawContext& dc, const Element& e, Color color) const
{
    dc.canvas.setPenColor(color);
    dc.canvas.setPenWidth(LineWidth);
    dc.canvas.moveTo(e.xCoordStart(), e.yCoord());
    dc.canvas.lineTo(e.xCoordEnd(), e.yCoord());
}

void PathwayGraphics::drawTransferSegment(DrawContext& dc, const Element& e, const Element& p,
                                          Color color) const
{
    dc.canvas.setPenColor(color);
    dc.canvas.setPenWidth(LineWidth);
    dc.canvas.moveTo(e.xCoordStart(), e.yCoord());
    dc.canvas.lineTo(e.xCoordStart(), p.yCoord());
}

void PathwayGraphics::drawStripedSegment(DrawContext& dc, const Element& e, bool dimmed) const
{
    drawStripes(dc, e, dimmed, false, e.yCoord(), e.xCoordStart(), e.xCoordEnd());
}

void PathwayGraphics::drawStripedTransfer(DrawContext& dc, const Element& e, const Element& p,
                                          bool dimmed) const
{
    drawStripes(dc, p, dimmed, true, e.xCoordStart(), e.yCoord(), p.yCoord());
}

void PathwayGraphics::drawStripes(DrawContext& dc, const Element& colorsOf, bool dimmed,
                                  bool vertical, std::int32_t fixed, std::int32_t from,
                                  std::int32_t to) const
{
    // Stripe k runs from 10k to 10(k + 1) pixels from `from` towards `to`, the last one cut off
    // at `to`. Only the stripes that reach into the picture are painted; their colours still
    // count from `from`.
    const std::int64_t length = std::llabs(std::int64_t{to} - from);
    if (length == 0)
        return;
    const std::int64_t dir = to >= from ? 1 : -1;
    const std::int64_t lo = -StripeMargin;
    const std::int64_t hi = vertical ? dc.windowBottom : dc.windowRight;
    std::int64_t tLo = dir > 0 ? lo - from : from - hi;
    std::int64_t tHi = dir > 0 ? hi - from : from - lo;
    tLo = std::max<std::int64_t>(tLo, 0);
    tHi = std::min(tHi, length);
    if (tLo > tHi)
        return;
    const std::int64_t stripeCount = (length + StripeLength - 1) / StripeLength;
    const std::int64_t kFirst = tLo / StripeLength;
    const std::int64_t kLast = std::min(stripeCount - 1, tHi / StripeLength);

    lineColors(colorsOf,
               static_cast<int>(std::min<std::int64_t>(kLast + 1, Element::MaxColorCount)),
               dc.colors);
    if (dc.colors.empty())
        dc.colors.push_back(colorsOf.myColor());
    const auto n = static_cast<std::int64_t>(dc.colors.size());

    dc.canvas.setPenWidth(LineWidth);
    for (std::int64_t k = kFirst; k <= kLast; ++k) {
        Color c = dc.colors[static_cast<std::size_t>(k % n)];
        if (dimmed)
            c = dimmedLineColor(c);
        dc.canvas.setPenColor(c);
        const std::int32_t a = clamp64(from + dir * k * StripeLength);
        const std::int32_t b = clamp64(from + dir * std::min(length, (k + 1) * StripeLength));
        if (vertical) {
            dc.canvas.moveTo(fixed, a);
            dc.canvas.lineTo(fixed, b);
        } else {
            dc.canvas.moveTo(a, fixed);
            dc.canvas.lineTo(b, fixed);
        }
    }
}

} // namespace vantrel
