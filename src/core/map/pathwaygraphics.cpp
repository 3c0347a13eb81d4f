// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/pathwaygraphics.h"

#include "model/elementslist.h"
#include "scenarios/scenariotable.h"
#include "xml/xmldocument.h"
#include "xml/xmlwriter.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vantrel {

std::int32_t clampCoordinate(std::int64_t value)
{
    return static_cast<std::int32_t>(
        std::clamp(value, -PathwayGraphics::MaxCoordinate, PathwayGraphics::MaxCoordinate));
}

namespace {

std::int32_t roundCoordinate(double value)
{
    if (std::isnan(value))
        return 0;
    const auto limit = static_cast<double>(PathwayGraphics::MaxCoordinate);
    return roundHalfEven(std::clamp(value, -limit, limit));
}

} // namespace

std::int32_t PathwayGraphics::xAxisHeightFor(PathwayType type, int scenarioCount)
{
    if (type == PathwayType::TimeBased)
        return 80;
    const std::int64_t n = std::max(0, scenarioCount);
    return clampCoordinate(80 + 60 * n + (n >= 1 ? 70 : 0));
}

std::int32_t PathwayGraphics::xCoordinateOfTippingValue(double tippingValue) const
{
    const double width =
        static_cast<double>(m_drawingAreaWidth) - m_leftMargin - m_rightMargin - m_titlesAreaWidth;
    const double range = m_maxTippingPointValue - m_minTippingPointValue;
    std::int64_t n = 0;
    if (range == 0.0) {
        // No scale to speak of: the minimum and below on the left edge, the rest on the right.
        n = tippingValue > m_minTippingPointValue ? roundCoordinate(width) : 0;
    } else {
        const double scale = width / range;
        n = roundCoordinate((tippingValue - m_minTippingPointValue) * scale);
    }
    if (n < 0)
        n = 0;
    return clampCoordinate(n + m_leftMargin + m_titlesAreaWidth);
}

double PathwayGraphics::tippingValueOfXCoordinate(std::int32_t x) const
{
    const double width =
        static_cast<double>(m_drawingAreaWidth) - m_leftMargin - m_rightMargin - m_titlesAreaWidth;
    const double range = m_maxTippingPointValue - m_minTippingPointValue;
    if (range == 0.0 || width == 0.0)
        return m_minTippingPointValue;
    const double scale = width / range;
    return m_minTippingPointValue +
           (static_cast<double>(x) - m_leftMargin - m_titlesAreaWidth) / scale;
}

std::int64_t PathwayGraphics::graphHeight() const
{
    return std::int64_t{m_drawingAreaHeight} - m_topMargin - m_bottomMargin - m_xAxisHeight;
}

std::int64_t PathwayGraphics::graphHeightFor(PathwayType type, int scenarioCount) const
{
    return std::int64_t{m_drawingAreaHeight} - m_topMargin - m_bottomMargin -
           xAxisHeightFor(type, scenarioCount);
}

std::int64_t PathwayGraphics::axisTop() const
{
    return std::int64_t{m_drawingAreaHeight} - m_bottomMargin - m_xAxisHeight;
}

void PathwayGraphics::autoCalculateYCoordinates(ElementsList& list, const ScenarioTable& scenarios)
{
    m_elementsList = &list;
    m_xAxisHeight = xAxisHeightFor(list.pathwayType(), scenarios.scenarioCount());
    for (int i = 0; i < list.count(); ++i) {
        Element& e = list.elements(i);
        e.setYCoord(calculateYCoordinate(e, 0));
    }
}

std::int32_t PathwayGraphics::calculateYCoordinate(const Element& e, int timeColumn) const
{
    const double gh = static_cast<double>(graphHeight());
    std::int64_t base = 0;
    if (e.isPrimaryElement()) {
        const int primaries = e.elementsList().primaryCount();
        if (primaries <= 1)
            base = roundCoordinate(gh / 2.0) + m_topMargin;
        else
            base = roundCoordinate(e.childNumber() * (gh / primaries)) + m_topMargin;
    } else {
        // A pathway element whose second is missing keeps its own row.
        const Element* second = e.combinationSecondElement();
        base = second ? second->yCoord() : e.yCoord();
        // Element::tipsLaterThanSecond, with the second already at hand.
        if (second && e.combinationSecondId() > 0 &&
            second->tippingValue(timeColumn) < e.tippingValue(timeColumn))
            base += (std::int64_t{e.childNumber()} + 1) * m_yOffset;
    }
    return clampCoordinate(base + e.tweakY());
}

void PathwayGraphics::layoutMap(ElementsList& list, const ScenarioTable& scenarios, int series)
{
    m_elementsList = &list;
    m_xAxisHeight = xAxisHeightFor(list.pathwayType(), scenarios.scenarioCount());
    for (int i = 0; i < list.count(); ++i)
        layoutElementHorizontally(list.elements(i), series);
}

void PathwayGraphics::layoutElementHorizontally(Element& e, int series) const
{
    const ElementsList& list = e.elementsList();
    const Element* current = list.currentElement();
    const bool isCurrent = current == &e;
    // Without a current situation every element starts at value 0, so that is what a tipping
    // value must pass to overshoot.
    const double startOfAll = current ? current->tippingValue(series) : 0.0;
    std::int32_t overshoot = m_overshoot;
    if (isCurrent || startOfAll >= e.tippingValue(series))
        overshoot = 0;
    e.setOvershoot(overshoot);
    const double startValue = isCurrent ? m_minTippingPointValue : e.startTippingValue(series);
    e.setXCoordStart(
        clampCoordinate(std::int64_t{xCoordinateOfTippingValue(startValue)} + e.tweakX()));
    e.setXCoordEnd(clampCoordinate(std::int64_t{xCoordinateOfTippingValue(e.tippingValue(series))} +
                                   overshoot));
}

bool PathwayGraphics::startLineExtent(std::int32_t& top, std::int32_t& bottom) const
{
    top = bottom = 0;
    if (!m_elementsList)
        return false;
    // Without a current situation the actions that start from nothing take its place: they
    // are the ones whose predecessor (none) is the missing current situation.
    const Element* current = m_elementsList->currentElement();
    bool any = current != nullptr;
    if (current)
        top = bottom = current->yCoord();
    for (int i = 0; i < m_elementsList->count(); ++i) {
        const Element& e = m_elementsList->elements(i);
        if (&e == current || !e.isPrimaryElement() || e.predecessorElement() != current)
            continue;
        if (!any) {
            top = bottom = e.yCoord();
            any = true;
        }
        top = std::min(top, e.yCoord());
        bottom = std::max(bottom, e.yCoord());
    }
    return any;
}

std::int32_t PathwayGraphics::startLineTop() const
{
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    startLineExtent(top, bottom);
    return top;
}

std::int32_t PathwayGraphics::startLineBottom() const
{
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    startLineExtent(top, bottom);
    return bottom;
}

bool PathwayGraphics::ptInCaptionsArea(std::int32_t x, std::int32_t y) const
{
    return x < std::int64_t{m_titlesAreaWidth} - 3 && std::int64_t{m_topMargin} - 3 < y &&
           y < axisTop() + 3;
}

bool PathwayGraphics::ptInGraphArea(std::int32_t x, std::int32_t y) const
{
    return x > std::int64_t{m_leftMargin} - 3 && std::int64_t{m_topMargin} - 3 < y &&
           y < axisTop() + 3;
}

bool PathwayGraphics::ptInXAxisArea(std::int32_t x, std::int32_t y) const
{
    return x > m_leftMargin && y > axisTop();
}

void PathwayGraphics::writeToXml(XmlWriter& xml) const
{
    xml.startElement("graphsettings");
    xml.textElement("maxtippingpoint", floatToFileText(m_maxTippingPointValue));
    xml.textElement("mintippingpoint", floatToFileText(m_minTippingPointValue));
    xml.textElement("leftmargin", intToFileText(m_leftMargin));
    xml.textElement("titlesareawidth", intToFileText(m_titlesAreaWidth));
    xml.textElement("topmargin", intToFileText(m_topMargin));
    xml.textElement("bottommargin", intToFileText(m_bottomMargin));
    xml.textElement("rightmargin", intToFileText(m_rightMargin));
    xml.textElement("yoffset", intToFileText(m_yOffset));
    xml.textElement("overshoot", intToFileText(m_overshoot));
    xml.textElement("showxaxis", boolToFileText(m_showXAxis));
    xml.textElement("ticksxaxis", intToFileText(m_ticksXAxis));
    xml.textElement("xaxistitle", m_xAxisTitle);
    xml.textElement("drawingareawidth", intToFileText(m_drawingAreaWidth));
    xml.textElement("drawingareaheight", intToFileText(m_drawingAreaHeight));
    xml.textElement("fontsize", intToFileText(m_fontSize));
    xml.textElement("xaxisdecimals", intToFileText(m_xAxisDecimalPlaces));
    xml.endElement();
}

void PathwayGraphics::readFromXml(const XmlDocument& xml)
{
    m_maxTippingPointValue = 20000;
    m_minTippingPointValue = 0;
    m_leftMargin = 10;
    m_titlesAreaWidth = 200;
    m_topMargin = 10;
    m_bottomMargin = 10;
    m_rightMargin = 50;
    m_yOffset = 5;
    m_overshoot = 10;
    m_ticksXAxis = 3;
    m_xAxisTitle = "[no caption]";
    m_drawingAreaWidth = 1000;
    m_drawingAreaHeight = 600;
    m_fontSize = 12;
    m_xAxisDecimalPlaces = -1;
    m_showXAxis = true;

    const pugi::xml_node section = xml.topLevel("graphsettings");
    if (!section)
        return;
    enum {
        Max,
        Min,
        Left,
        Titles,
        Top,
        Bottom,
        Right,
        YOffset,
        Overshoot,
        ShowAxis,
        Ticks,
        Title,
        Width,
        Height,
        Font,
        Decimals,
        Count
    };
    static constexpr std::array<std::string_view, Count> names{
        "maxtippingpoint",  "mintippingpoint",   "leftmargin",  "titlesareawidth",
        "topmargin",        "bottommargin",      "rightmargin", "yoffset",
        "overshoot",        "showxaxis",         "ticksxaxis",  "xaxistitle",
        "drawingareawidth", "drawingareaheight", "fontsize",    "xaxisdecimals"};
    const auto n = firstChildren(section, names);
    const auto readInt = [&](int slot, std::int32_t& field) {
        if (n[static_cast<std::size_t>(slot)])
            field = nodeInt(n[static_cast<std::size_t>(slot)], field);
    };
    if (n[Max])
        m_maxTippingPointValue = nodeFloat(n[Max], m_maxTippingPointValue);
    if (n[Min])
        m_minTippingPointValue = nodeFloat(n[Min], m_minTippingPointValue);
    readInt(Left, m_leftMargin);
    readInt(Titles, m_titlesAreaWidth);
    readInt(Top, m_topMargin);
    readInt(Bottom, m_bottomMargin);
    readInt(Right, m_rightMargin);
    readInt(YOffset, m_yOffset);
    readInt(Overshoot, m_overshoot);
    readInt(Ticks, m_ticksXAxis);
    if (n[Title])
        m_xAxisTitle = nodeText(n[Title]);
    readInt(Width, m_drawingAreaWidth);
    readInt(Height, m_drawingAreaHeight);
    readInt(Font, m_fontSize);
    if (n[Decimals])
        m_xAxisDecimalPlaces = nodeInt(n[Decimals], -1);
    if (n[ShowAxis])
        m_showXAxis = nodeInt(n[ShowAxis], 1) == 1;
}

} // namespace vantrel
