// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/element.h"
#include "model/filetext.h"

#include <cstdint>
#include <string>

namespace vantrel {

class ElementsList;
class ScenarioTable;
class XmlDocument;
class XmlWriter;

enum class VoraZodaDrawingPhase { Grayed, Dimmed, Colored };

/// The settings of one pathway map and the geometry derived from them: the bands of the picture,
/// the mapping between axis values and x pixels, and each element's row and extent.
/// Coordinates are whole pixels, origin top-left, y downwards.
class PathwayGraphics {
public:
    /// Pixel positions are kept within this many pixels of the origin, so that settings or
    /// values from a damaged file cannot overflow the integer geometry.
    static constexpr std::int64_t MaxCoordinate = 10'000'000;

    // Settings with the defaults of a new map view.
    std::int32_t drawingAreaWidth() const { return m_drawingAreaWidth; }
    void setDrawingAreaWidth(std::int32_t v) { m_drawingAreaWidth = v; }
    std::int32_t drawingAreaHeight() const { return m_drawingAreaHeight; }
    void setDrawingAreaHeight(std::int32_t v) { m_drawingAreaHeight = v; }
    std::int32_t leftMargin() const { return m_leftMargin; }
    void setLeftMargin(std::int32_t v) { m_leftMargin = v; }
    std::int32_t titlesAreaWidth() const { return m_titlesAreaWidth; }
    void setTitlesAreaWidth(std::int32_t v) { m_titlesAreaWidth = v; }
    std::int32_t rightMargin() const { return m_rightMargin; }
    void setRightMargin(std::int32_t v) { m_rightMargin = v; }
    std::int32_t topMargin() const { return m_topMargin; }
    void setTopMargin(std::int32_t v) { m_topMargin = v; }
    std::int32_t bottomMargin() const { return m_bottomMargin; }
    void setBottomMargin(std::int32_t v) { m_bottomMargin = v; }
    std::int32_t xAxisHeight() const { return m_xAxisHeight; }
    void setXAxisHeight(std::int32_t v) { m_xAxisHeight = v; }
    double minTippingPointValue() const { return m_minTippingPointValue; }
    void setMinTippingPointValue(double v) { m_minTippingPointValue = v; }
    double maxTippingPointValue() const { return m_maxTippingPointValue; }
    void setMaxTippingPointValue(double v) { m_maxTippingPointValue = v; }
    std::int32_t yOffset() const { return m_yOffset; }
    void setYOffset(std::int32_t v) { m_yOffset = v; }
    std::int32_t overshoot() const { return m_overshoot; }
    void setOvershoot(std::int32_t v) { m_overshoot = v; }
    std::int32_t ticksXAxis() const { return m_ticksXAxis; }
    void setTicksXAxis(std::int32_t v) { m_ticksXAxis = v; }
    bool showXAxis() const { return m_showXAxis; }
    void setShowXAxis(bool v) { m_showXAxis = v; }
    const std::string& xAxisTitle() const { return m_xAxisTitle; }
    void setXAxisTitle(const std::string& v) { m_xAxisTitle = v; }
    std::int32_t xAxisDecimalPlaces() const { return m_xAxisDecimalPlaces; }
    void setXAxisDecimalPlaces(std::int32_t v) { m_xAxisDecimalPlaces = v; }
    std::int32_t fontSize() const { return m_fontSize; }
    void setFontSize(std::int32_t v) { m_fontSize = v; }
    ElementsList* elementsList() const { return m_elementsList; }
    void setElementsList(ElementsList* list) { m_elementsList = list; }
    VoraZodaDrawingPhase drawingPhase() const { return m_drawingPhase; }
    void setDrawingPhase(VoraZodaDrawingPhase p) { m_drawingPhase = p; }
    Color dimmedColor() const { return m_dimmedColor; }
    void setDimmedColor(Color c) { m_dimmedColor = c; }
    std::int32_t dimmedPercentage() const { return m_dimmedPercentage; }
    void setDimmedPercentage(std::int32_t v) { m_dimmedPercentage = v; }
    std::int32_t dimmedOption() const { return m_dimmedOption; }
    void setDimmedOption(std::int32_t v) { m_dimmedOption = v; }

    /// Height of the axis band for a project type and number of scenarios.
    static std::int32_t xAxisHeightFor(PathwayType type, int scenarioCount);

    /// x of an axis value: values below the minimum sit on the left edge of the graph band;
    /// values above the maximum are not limited. With equal minimum and maximum every value above
    /// the minimum lies on the right edge.
    std::int32_t xCoordinateOfTippingValue(double tippingValue) const;
    /// Axis value at an x (the minimum when minimum and maximum are equal).
    double tippingValueOfXCoordinate(std::int32_t x) const;

    /// Sets the axis height and the automatic row of every element.
    void autoCalculateYCoordinates(ElementsList& list, const ScenarioTable& scenarios);
    std::int32_t calculateYCoordinate(const Element& element, int timeColumn) const;

    /// Computes an element's x extent and overshoot for series `series`, as every painting does.
    void layoutElementHorizontally(Element& element, int series) const;
    /// Smallest and largest row of the current situation and the actions that follow it.
    std::int32_t startLineTop() const;
    std::int32_t startLineBottom() const;

    bool ptInCaptionsArea(std::int32_t x, std::int32_t y) const;
    bool ptInGraphArea(std::int32_t x, std::int32_t y) const;
    bool ptInXAxisArea(std::int32_t x, std::int32_t y) const;

    /// Height of the graph band.
    std::int64_t graphHeight() const;

    /// Appends the "graphsettings" section.
    void writeToXml(XmlWriter& xml) const;
    /// Sets the reading defaults, then takes what the "graphsettings" section holds.
    void readFromXml(const XmlDocument& xml);

private:
    std::int64_t axisTop() const;

    std::int32_t m_drawingAreaWidth = 1000;
    std::int32_t m_drawingAreaHeight = 600;
    std::int32_t m_leftMargin = 10;
    std::int32_t m_titlesAreaWidth = 200;
    std::int32_t m_rightMargin = 50;
    std::int32_t m_topMargin = 10;
    std::int32_t m_bottomMargin = 10;
    std::int32_t m_xAxisHeight = 80;
    double m_minTippingPointValue = 0.0;
    double m_maxTippingPointValue = 100.0;
    std::int32_t m_yOffset = 5;
    std::int32_t m_overshoot = 10;
    std::int32_t m_ticksXAxis = 11;
    bool m_showXAxis = true;
    std::string m_xAxisTitle = "[no caption]";
    std::int32_t m_xAxisDecimalPlaces = 0;
    std::int32_t m_fontSize = 12;
    ElementsList* m_elementsList = nullptr;
    VoraZodaDrawingPhase m_drawingPhase = VoraZodaDrawingPhase::Grayed;
    Color m_dimmedColor = rgb(232, 232, 232);
    std::int32_t m_dimmedPercentage = 80;
    std::int32_t m_dimmedOption = 1;
};

/// Narrows a 64-bit pixel computation to the map's coordinate range.
std::int32_t clampCoordinate(std::int64_t value);

} // namespace vantrel
