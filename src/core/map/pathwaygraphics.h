// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/element.h"
#include "model/filetext.h"

#include <cstdint>
#include <string>

namespace vantrel {

class ElementsList;
class ScenarioTable;
class Surface;
class XmlDocument;
class XmlWriter;

enum class VoraZodaDrawingPhase { Grayed, Dimmed, Colored };

/// The settings of one pathway map, the geometry derived from them (the bands of the picture,
/// the mapping between axis values and x pixels, each element's row and extent) and the
/// painting of the map onto a Surface. Coordinates are whole pixels, origin top-left, y
/// downwards.
class PathwayGraphics {
public:
    /// Pixel positions are kept within this many pixels of the origin, so that settings or
    /// values from a damaged file cannot overflow the integer geometry.
    static constexpr std::int64_t MaxCoordinate = 10'000'000;

    // Limits of the painting against settings from a damaged file; the settings dialog never
    // produces values outside them.
    /// At most this many value-axis ticks, both ends included.
    static constexpr std::int32_t MaxTicks = 1000;
    /// Font sizes are kept within [MinFontSize, MaxFontSize] points.
    static constexpr std::int32_t MinFontSize = 1;
    static constexpr std::int32_t MaxFontSize = 200;
    /// At most this many decimals on the value axis.
    static constexpr std::int32_t MaxDecimalPlaces = 18;
    /// Stripes are painted only inside a window of at most this many pixels per side, so a
    /// huge drawing area cannot turn one line into millions of stripes.
    static constexpr std::int32_t MaxPaintedExtent = 32768;

    /// The one-line credit at the foot of every map.
    static constexpr const char* CreditText = "Drawn with Vantrel";

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
    /// Decimal separator of the value-axis labels: the user's regional setting, which the layer
    /// that knows the locale fills in. Not kept in the project file.
    char decimalSeparator() const { return m_decimalSeparator; }
    void setDecimalSeparator(char c) { m_decimalSeparator = c; }

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
    /// Leaves the map as a drawing of series `series` would, without painting: the list drawn,
    /// the axis height and every element's x extent. Hit tests and handles rely on this state.
    void layoutMap(ElementsList& list, const ScenarioTable& scenarios, int series);
    /// Smallest and largest row of the current situation and the actions that follow it. In a
    /// list without a current situation, of the actions without a predecessor (they start at
    /// value 0, where the start line then stands); 0 when there is none.
    std::int32_t startLineTop() const;
    std::int32_t startLineBottom() const;

    bool ptInCaptionsArea(std::int32_t x, std::int32_t y) const;
    bool ptInGraphArea(std::int32_t x, std::int32_t y) const;
    bool ptInXAxisArea(std::int32_t x, std::int32_t y) const;

    /// Height of the graph band.
    std::int64_t graphHeight() const;
    /// Height of the graph band for a project of that type and number of scenarios.
    std::int64_t graphHeightFor(PathwayType type, int scenarioCount) const;

    /// Paints the whole map onto `canvas`, which is drawingAreaWidth x drawingAreaHeight pixels:
    /// credit line, captions, value axis and scenario rows, then the elements in three passes
    /// (silver, dimmed, coloured). `seriesIndex` is the tipping-time column shown in a
    /// time-based project; `highlightIndex` the list position of the element whose chain is
    /// highlighted, or -1 (a position outside the list counts as none). Leaves every element's
    /// x extent and overshoot as laid out for `seriesIndex`.
    void drawPathwayOnCanvas(Surface& canvas, ElementsList& list, const ScenarioTable& scenarios,
                             int seriesIndex, int highlightIndex);

    /// Text of a value-axis label for the current settings and the list last drawn or laid out
    /// (which decides whether the axis carries years).
    std::string axisValueText(double value) const;
    /// A colour lightened towards white by dimmedPercentage percent.
    Color lightenedColor(Color color) const;

    /// Appends the "graphsettings" section.
    void writeToXml(XmlWriter& xml) const;
    /// Sets the reading defaults, then takes what the "graphsettings" section holds.
    void readFromXml(const XmlDocument& xml);

private:
    struct DrawContext;

    std::int64_t axisTop() const;
    /// False when no row takes part (no current situation and no action starting from nothing).
    bool startLineExtent(std::int32_t& top, std::int32_t& bottom) const;
    std::int32_t paintedFontSize() const;

    void drawCaptions(Surface& canvas) const;
    void drawXAxis(Surface& canvas, const ScenarioTable& scenarios) const;
    void drawPhase(DrawContext& dc);
    void drawStartLine(DrawContext& dc) const;
    void drawElement(DrawContext& dc, Element& e) const;
    void drawTransfer(DrawContext& dc, const Element& e, const Element& predecessor) const;
    void drawStation(DrawContext& dc, const Element& e) const;
    void drawSegment(DrawContext& dc, const Element& e, Color color) const;
    void drawStripedSegment(DrawContext& dc, const Element& e, bool dimmed) const;
    void drawTransferSegment(DrawContext& dc, const Element& e, const Element& predecessor,
                             Color color) const;
    void drawStripedTransfer(DrawContext& dc, const Element& e, const Element& predecessor,
                             bool dimmed) const;
    void drawStripes(DrawContext& dc, const Element& colorsOf, bool dimmed, bool vertical,
                     std::int32_t fixed, std::int32_t from, std::int32_t to) const;
    Color dimmedLineColor(Color color) const;

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
    char m_decimalSeparator = '.';
};

/// Narrows a 64-bit pixel computation to the map's coordinate range.
std::int32_t clampCoordinate(std::int64_t value);

} // namespace vantrel
