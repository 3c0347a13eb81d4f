// SPDX-License-Identifier: GPL-3.0-or-later
// The map drawing at the level of painted primitives, through a recording surface.
#include "map/colortorgb.h"
#include "map/elementswatch.h"
#include "mapfixture.h"
#include "recordingsurface.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using test::MapFixture;
using test::Primitive;
using test::RecordingSurface;

constexpr Color Silver = rgb(192, 192, 192);
constexpr Color Blue = rgb(0, 0, 255);
constexpr Color Green = rgb(0, 128, 0);
constexpr Color Dimmed = rgb(232, 232, 232);

std::string colorName(Color c)
{
    static const std::map<Color, std::string> names{{Silver, "silver"},
                                                    {colors::Gray, "gray"},
                                                    {colors::Red, "red"},
                                                    {Blue, "blue"},
                                                    {Green, "green"},
                                                    {colors::Black, "black"},
                                                    {Dimmed, "dimmed"},
                                                    {colors::White, "white"},
                                                    {rgb(255, 204, 204), "pale red"},
                                                    {rgb(204, 204, 255), "pale blue"},
                                                    {rgb(230, 230, 230), "pale gray"}};
    if (auto it = names.find(c); it != names.end())
        return it->second;
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%06X", c);
    return buf;
}

/// The element strokes in painting order: "h:" and "v:" for horizontal and vertical 5-pixel
/// lines, "o:" for station rings, each with its pen colour.
std::vector<std::string> strokes(const RecordingSurface& s)
{
    std::vector<std::string> out;
    for (const auto& p : s.primitives()) {
        if (p.isLine() && p.penWidth == 5)
            out.push_back((p.y1 == p.y2 ? "h:" : "v:") + colorName(p.penColor));
        else if (p.isEllipse())
            out.push_back("o:" + colorName(p.penColor));
    }
    return out;
}

std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

/// The current situation (gray, tips at 10), a red action A (40) and a blue action B (60) that
/// start from it, and a sequence P from A into B tipping at 70.
struct SmallMap : MapFixture {
    SmallMap()
    {
        a = &action("A", colors::Red, 40);
        b = &action("B", Blue, 60);
        p = &pathway(70, *a, *b);
        layoutRows();
    }
    RecordingSurface draw(int highlight = -1)
    {
        RecordingSurface s;
        graphics.drawPathwayOnCanvas(s, list, scenarios, 0, highlight);
        return s;
    }
    Element* a = nullptr;
    Element* b = nullptr;
    Element* p = nullptr;
};

const std::vector<std::string> kGrayedPass{
    "v:silver",                          // start line
    "h:silver",                          // current situation, never an end bar
    "h:silver", "v:silver",              // A and its end bar
    "h:silver", "v:silver",              // B
    "h:silver", "v:silver", "v:silver",  // P, end bar, connector up to A
    "o:silver", "o:silver", "o:silver"}; // stations of A, B, P

TEST(DrawingPasses, WithoutHighlightPaintEverythingSilverThenInColour)
{
    SmallMap m;
    const auto s = m.draw();
    EXPECT_EQ(strokes(s),
              concat({kGrayedPass,
                      {"v:gray"}, // dimmed pass: nothing dimmed, but the start line
                      {"v:gray", "h:gray", "h:red", "v:black", "h:blue", "v:black", "h:blue",
                       "v:black", "v:red", "o:black", "o:black", "o:black"}}));
}

TEST(DrawingPasses, HighlightColoursOnlyTheChain)
{
    SmallMap m;
    const auto s = m.draw(m.list.indexOf(m.p));
    // P, A and the current situation in colour, B stays silver, no start line in colour.
    EXPECT_EQ(strokes(s), concat({kGrayedPass,
                                  {"h:blue", "v:black", "v:red", "o:black", "h:red", "v:black",
                                   "o:black", "h:gray"}}));
    // Captions keep their colours whatever is highlighted.
    std::vector<std::string> captions;
    for (const auto& t : s.texts())
        if (t.text == "A" || t.text == "B" || t.text == "Current Situation")
            captions.push_back(t.text + " " + colorName(t.fontColor));
    EXPECT_EQ(captions, (std::vector<std::string>{"Current Situation gray", "A red", "B blue"}));
}

TEST(DrawingPasses, HighlightOutsideTheListCountsAsNone)
{
    SmallMap m;
    EXPECT_EQ(strokes(m.draw(99)), strokes(m.draw(-1)));
}

TEST(DrawingPasses, LineGeometryFollowsTheLayout)
{
    SmallMap m;
    const auto s = m.draw();
    const auto thick = s.thickLines();
    // Start line at the current situation's tipping point, over its row and those of A and B.
    EXPECT_EQ(thick[0].x1, 284);
    EXPECT_EQ(std::min(thick[0].y1, thick[0].y2), 10);
    EXPECT_EQ(std::max(thick[0].y1, thick[0].y2), 343);
    // P: from A's tipping point to its own plus the overshoot, on a line below B's row.
    const Primitive& pLine = thick[6];
    EXPECT_EQ(pLine.x1, 506);
    EXPECT_EQ(pLine.x2, 738);
    EXPECT_EQ(pLine.y1, 348);
    // Its end bar, then the connector at its start from its row up to A's.
    EXPECT_EQ(thick[7].x1, 738);
    EXPECT_EQ(thick[7].y1, 343);
    EXPECT_EQ(thick[7].y2, 353);
    EXPECT_EQ(thick[8].x1, 506);
    EXPECT_EQ(thick[8].y1, 348);
    EXPECT_EQ(thick[8].y2, 177);
    // Station of P: a white circle in the 14-pixel square around its start.
    const auto rings = s.ellipses();
    ASSERT_EQ(rings.size(), 6u);
    EXPECT_EQ(rings[2].x1, 499);
    EXPECT_EQ(rings[2].y1, 341);
    EXPECT_EQ(rings[2].x2, 513);
    EXPECT_EQ(rings[2].y2, 355);
    EXPECT_EQ(rings[2].brushColor, colors::White);
    EXPECT_EQ(m.p->xCoordStart(), 506);
    EXPECT_EQ(m.p->xCoordEnd(), 738);
}

struct DimmingCase {
    const char* name;
    int option;
    bool highlight;
    std::vector<std::string> laterPasses;
};

class Dimming : public ::testing::TestWithParam<DimmingCase> {};

TEST_P(Dimming, DimmedElementsRecede)
{
    const auto& c = GetParam();
    SmallMap m;
    m.a->setDimmed(true);
    m.graphics.setDimmedOption(c.option);
    const auto s = m.draw(c.highlight ? m.list.indexOf(m.p) : -1);
    EXPECT_EQ(strokes(s), concat({kGrayedPass, c.laterPasses}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Dimming,
    ::testing::Values(
        // Option 1: A's own colour lightened by 80 %; end bar and ring in the dimmed colour.
        DimmingCase{"LightenedColour",
                    1,
                    false,
                    {"v:gray", "h:pale red", "v:dimmed", "o:dimmed", // dimmed pass
                     "v:gray", "h:gray", "h:blue", "v:black", "h:blue", "v:black",
                     // P's connector takes A's colour; P itself is not dimmed.
                     "v:red", "o:black", "o:black"}},
        DimmingCase{"DimmedColour",
                    0,
                    false,
                    {"v:gray", "h:dimmed", "v:dimmed", "o:dimmed", "v:gray", "h:gray", "h:blue",
                     "v:black", "h:blue", "v:black", "v:red", "o:black", "o:black"}},
        // A dimmed element of the highlighted chain is drawn dimmed, the rest of it in colour.
        DimmingCase{"InHighlightedChain",
                    1,
                    true,
                    {"h:pale red", "v:dimmed", "o:dimmed", "h:blue", "v:black", "v:red", "o:black",
                     "h:gray"}}),
    test::CaseName());

/// One pixel per unit from x 210, so lengths are easy to read; the current situation tips at 10.
struct StripeMap : MapFixture {
    StripeMap()
    {
        graphics.setMaxTippingPointValue(740);
        a = &action("A", colors::Red, 40); // ends at x 250
        b = &action("B", Blue, 60);
        layoutRows();
    }
    /// A combination on a row of its own, so its stripes are easy to pick out.
    Element& combination(double tipping, const Element& predecessor, const Element& second)
    {
        Element& e = pathway(tipping, predecessor, second, CombinationType::Combine);
        layoutRows();
        e.setYCoord(m_nextRow += 20);
        return e;
    }
    /// The coloured-pass lines of one element's row, in painting order.
    std::vector<Primitive> colouredLinesOnRow(const RecordingSurface& s, int y) const
    {
        std::vector<Primitive> out;
        bool colouredPass = false;
        for (const auto& p : s.thickLines()) {
            // The coloured pass starts with the start line in the current situation's colour,
            // after the silver one.
            if (p.penColor == colors::Gray && p.x1 == p.x2)
                colouredPass = true;
            if (colouredPass && p.y1 == y && p.y2 == y && p.penColor != colors::Gray)
                out.push_back(p);
        }
        return out;
    }
    Element* a = nullptr;
    Element* b = nullptr;

private:
    int m_nextRow = 400;
};

struct StripeCase {
    const char* name;
    double tipping;
    int overshoot;
    std::vector<int> lengths;
    int endX;
};

class Stripes : public ::testing::TestWithParam<StripeCase> {};

TEST_P(Stripes, RunTenPixelsFromTheStartCutAtTheEnd)
{
    const auto& c = GetParam();
    StripeMap m;
    m.graphics.setOvershoot(c.overshoot);
    Element& e = m.combination(c.tipping, *m.a, *m.b);
    RecordingSurface s;
    m.graphics.drawPathwayOnCanvas(s, m.list, m.scenarios, 0, -1);
    const auto stripes = m.colouredLinesOnRow(s, e.yCoord());
    std::vector<int> lengths;
    std::vector<Color> colours;
    for (const auto& p : stripes) {
        lengths.push_back(p.length());
        colours.push_back(p.penColor);
    }
    EXPECT_EQ(lengths, c.lengths);
    ASSERT_FALSE(stripes.empty());
    EXPECT_EQ(stripes.front().x1, 250);
    EXPECT_EQ(stripes.back().x2, c.endX);
    // The second's colour first, then the predecessor's, in turn.
    for (std::size_t k = 0; k < colours.size(); ++k)
        EXPECT_EQ(colours[k], k % 2 == 0 ? Blue : colors::Red) << "stripe " << k;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Stripes,
    ::testing::Values(StripeCase{"TwentyFivePixels", 55, 10, {10, 10, 5}, 275},
                      StripeCase{"FourPixels", 44, 0, {4}, 254},
                      StripeCase{"ExactlyTwenty", 60, 0, {10, 10}, 270},
                      // Tipping below the current situation: no overshoot, runs leftwards.
                      StripeCase{"Leftwards", 5, 10, {10, 10, 10, 5}, 215}),
    test::CaseName());

TEST(Stripes, ThreeColoursOfACombinationOfACombination)
{
    StripeMap m;
    Element& ab = m.combination(80, *m.a, *m.b); // blue, red
    Element& g = m.action("G", Green, 90);
    Element& e = m.combination(160, ab, g); // green, then ab's blue and red
    RecordingSurface s;
    m.graphics.drawPathwayOnCanvas(s, m.list, m.scenarios, 0, -1);
    std::vector<std::string> names;
    for (const auto& p : m.colouredLinesOnRow(s, e.yCoord()))
        if (p.x1 >= 290) // e runs from ab's tipping point at x 290
            names.push_back(colorName(p.penColor));
    EXPECT_EQ(names, (std::vector<std::string>{"green", "blue", "red", "green", "blue", "red",
                                               "green", "blue", "red"}));
    EXPECT_EQ(e.colorCount(), 3);
}

TEST(Stripes, ConnectorBelowACombinationTakesItsColours)
{
    StripeMap m;
    Element& ab = m.combination(80, *m.a, *m.b);
    Element& d = m.action("D", Green, 100, &ab);
    d.setYCoord(ab.yCoord() + 25);
    RecordingSurface s;
    m.graphics.drawPathwayOnCanvas(s, m.list, m.scenarios, 0, -1);
    std::vector<std::string> connector;
    for (const auto& p : s.thickLines())
        if (p.x1 == 290 && p.x2 == 290 && p.penColor != Silver)
            connector.push_back(std::to_string(p.y1) + ">" + std::to_string(p.y2) + " " +
                                colorName(p.penColor));
    // Upwards from D's row to the combination's, 10 pixels at a time.
    const int y = d.yCoord();
    EXPECT_EQ(connector, (std::vector<std::string>{
                             std::to_string(y) + ">" + std::to_string(y - 10) + " blue",
                             std::to_string(y - 10) + ">" + std::to_string(y - 20) + " red",
                             std::to_string(y - 20) + ">" + std::to_string(y - 25) + " blue"}));
}

TEST(Stripes, DimmedCombinationLightensEachStripeOrUsesTheDimmedColour)
{
    for (const int option : {0, 1}) {
        StripeMap m;
        m.graphics.setDimmedOption(option);
        Element& e = m.combination(55, *m.a, *m.b);
        e.setDimmed(true);
        RecordingSurface s;
        m.graphics.drawPathwayOnCanvas(s, m.list, m.scenarios, 0, -1);
        std::vector<std::string> names;
        for (const auto& p : s.thickLines())
            if (p.y1 == e.yCoord() && p.y2 == e.yCoord() && p.penColor != Silver)
                names.push_back(colorName(p.penColor));
        if (option == 0)
            EXPECT_EQ(names, (std::vector<std::string>{"dimmed", "dimmed", "dimmed"}));
        else
            EXPECT_EQ(names, (std::vector<std::string>{"pale blue", "pale red", "pale blue"}));
    }
}

TEST(EndBars, OnlyForLinesThatOvershoot)
{
    StripeMap m;
    Element& low = m.action("Low", Green, 5); // tips before the current situation
    m.layoutRows();
    RecordingSurface s;
    m.graphics.drawPathwayOnCanvas(s, m.list, m.scenarios, 0, -1);
    std::vector<int> barsAt;
    for (const auto& p : s.thickLines())
        if (p.x1 == p.x2 && p.length() == 10 && p.penColor == colors::Black)
            barsAt.push_back(p.x1);
    // A (x 250 + 10) and B (270 + 10); neither the current situation nor Low.
    EXPECT_EQ(barsAt, (std::vector<int>{260, 280}));
    EXPECT_EQ(low.overshoot(), 0);
    EXPECT_EQ(m.current->overshoot(), 0);
}

TEST(Captions, AreCentredOnTheirRowsInTheActionsColour)
{
    SmallMap m;
    m.graphics.setLeftMargin(17);
    const auto s = m.draw();
    std::vector<std::string> got;
    for (const auto& t : s.texts())
        if (t.fontColor != colors::Black)
            got.push_back(t.text + "@" + std::to_string(t.x1) + "," + std::to_string(t.y1));
    // Text height 16: eight pixels above the row. P is not an action and has no caption.
    EXPECT_EQ(got, (std::vector<std::string>{"Current Situation@17,2", "A@17,169", "B@17,335"}));
}

TEST(CreditLine, IsWrittenFirstInSmallType)
{
    SmallMap m;
    const auto s = m.draw();
    const Primitive& first = s.primitives().front();
    ASSERT_TRUE(first.isText());
    EXPECT_EQ(first.text, PathwayGraphics::CreditText);
    EXPECT_EQ(first.x1, 10);
    EXPECT_EQ(first.y1, 584);
    EXPECT_EQ(first.fontSize, 8);
}

TEST(ValueAxis, TicksAndCentredLabels)
{
    SmallMap m;
    m.graphics.setTicksXAxis(3);
    m.graphics.setXAxisTitle("Sea level");
    const auto s = m.draw();
    std::vector<std::string> labels;
    for (const auto& t : s.texts())
        if (t.y1 == 542)
            labels.push_back(t.text + "@" + std::to_string(t.x1));
    // Axis line at y 530 (axis band from 510); labels 12 pixels lower, 8 pixels per character.
    EXPECT_EQ(labels, (std::vector<std::string>{"0@206", "100@938", "50@572"}));
    const auto title = s.select([](const Primitive& p) { return p.text == "Sea level"; });
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].x1, 10);
    EXPECT_EQ(title[0].y1, 530);
    const auto axisLines =
        s.select([](const Primitive& p) { return p.isLine() && p.penWidth == 1; });
    std::vector<std::string> got;
    for (const auto& p : axisLines)
        got.push_back(std::to_string(p.x1) + "," + std::to_string(p.y1) + ">" +
                      std::to_string(p.x2) + "," + std::to_string(p.y2));
    EXPECT_EQ(got, (std::vector<std::string>{"210,530>210,540", "210,530>950,530",
                                             "950,530>950,540", "580,530>580,540"}));
}

TEST(ValueAxis, HiddenAxisStillShowsScenarioRows)
{
    SmallMap m;
    m.graphics.setShowXAxis(false);
    m.scenarios.addScenario("Wet", colors::Black);
    m.layoutRows();
    const auto s = m.draw();
    EXPECT_TRUE(s.select([](const Primitive& p) { return p.text == "[no caption]"; }).empty());
    EXPECT_EQ(s.select([](const Primitive& p) { return p.text == "Wet"; }).size(), 1u);
}

TEST(ScenarioRows, LeaveOutYearLabelsThatWouldTouchTheOneBefore)
{
    StripeMap m;
    const int s0 = m.scenarios.addScenario("Wet", colors::Black);
    // x = 210 + value; labels are 32 pixels wide, centred under their tick.
    const std::vector<std::pair<int, double>> values{
        {2020, 40}, {2030, 50}, {2040, 82}, {2050, 114}, {2060, 200}};
    for (const auto& [year, value] : values)
        m.scenarios.setValue(s0, year, value, true);
    m.scenarios.interpolateScenario(s0);
    m.scenarios.setLastRowWithData(s0, m.scenarios.calculateLastRowWithData(s0));
    m.layoutRows();
    RecordingSurface s;
    m.graphics.drawPathwayOnCanvas(s, m.list, m.scenarios, 0, -1);

    const int rowY = 600 - 10 - 210 + 120;
    std::vector<std::string> labels;
    for (const auto& t : s.texts())
        if (t.y1 == rowY + 10)
            labels.push_back(t.text + "@" + std::to_string(t.x1));
    // 2030 overlaps 2020; 2050 would start exactly where 2040 ends.
    EXPECT_EQ(labels, (std::vector<std::string>{"2020@234", "2040@276", "2060@394"}));
    std::vector<int> ticks;
    for (const auto& p : s.lines())
        if (p.y1 == rowY && p.y2 == rowY + 10)
            ticks.push_back(p.x1);
    EXPECT_EQ(ticks, (std::vector<int>{250, 260, 292, 324, 410}));
    // The polyline starts at the left edge of the graph band.
    const auto rowLines =
        s.select([&](const Primitive& p) { return p.isLine() && p.y1 == rowY && p.y2 == rowY; });
    ASSERT_FALSE(rowLines.empty());
    EXPECT_EQ(rowLines.front().x1, 210);
    EXPECT_EQ(rowLines.front().x2, 250);
}

struct AxisTextCase {
    const char* name;
    double min;
    double max;
    int decimals;
    PathwayType type;
    double value;
    const char* expected;
    char separator = '.';
};

class AxisText : public ::testing::TestWithParam<AxisTextCase> {};

TEST_P(AxisText, FollowsTheDecimalsRules)
{
    const auto& c = GetParam();
    ElementsList list;
    list.setPathwayType(c.type);
    PathwayGraphics g;
    g.setElementsList(&list);
    g.setMinTippingPointValue(c.min);
    g.setMaxTippingPointValue(c.max);
    g.setXAxisDecimalPlaces(c.decimals);
    g.setDecimalSeparator(c.separator);
    EXPECT_EQ(g.axisValueText(c.value), c.expected);
}

constexpr auto Cond = PathwayType::ConditionBased;
constexpr auto Time = PathwayType::TimeBased;

INSTANTIATE_TEST_SUITE_P(
    Table, AxisText,
    ::testing::Values(
        // Automatic decimals from the range.
        AxisTextCase{"Range100NoDecimals", 0, 100, -1, Cond, 10, "10"},
        AxisTextCase{"Range100Maximum", 0, 100, -1, Cond, 100, "100"},
        AxisTextCase{"Range50OneDecimal", 0, 50, -1, Cond, 5, "5.0"},
        AxisTextCase{"Range50Zero", 0, 50, -1, Cond, 0, "0.0"},
        AxisTextCase{"RangeHalfThreeDecimals", 0, 0.5, -1, Cond, 0.05, "0.050"},
        AxisTextCase{"RangeReversedCountsAbsolute", 0.5, 0, -1, Cond, 0.25, "0.250"},
        AxisTextCase{"Range5000General", 0, 5000, -1, Cond, 2500.5, "2500.5"},
        AxisTextCase{"GeneralSmall", 0, 5000, -1, Cond, 0.00001, "1E-5"},
        AxisTextCase{"GeneralLarge", 0, 1e20, -1, Cond, 1e16, "1E16"},
        AxisTextCase{"Range999NoDecimals", 0, 999, -1, Cond, 99.9, "100"},
        // Explicit decimals win.
        AxisTextCase{"TwoDecimals", 0, 100, 2, Cond, 10, "10.00"},
        AxisTextCase{"ZeroDecimalsOnSmallRange", 0, 0.5, 0, Cond, 0.25, "0"},
        AxisTextCase{"HalfRoundsAwayFromZero", 0, 100, 0, Cond, 2.5, "3"},
        AxisTextCase{"NegativeHalfRoundsAwayFromZero", -10, 10, 0, Cond, -2.5, "-3"},
        AxisTextCase{"NegativeRoundingToZeroHasNoSign", -1, 1, 2, Cond, -0.0001, "0.00"},
        // At most four significant digits; beyond them zeros, or the general form when the
        // integer part has more than four digits.
        AxisTextCase{"FourSignificantDigits", 0, 10000, 2, Cond, 1234.5678, "1235.00"},
        AxisTextCase{"FourSignificantThenZeros", 0, 100, 3, Cond, 12.3456, "12.350"},
        AxisTextCase{"FiveDigitIntegerPart", 0, 100000, 0, Cond, 12345, "1.235E4"},
        AxisTextCase{"RoundingCarriesIntoFifthDigit", 0, 100000, 0, Cond, 9999.6, "1E4"},
        AxisTextCase{"TinyRoundsUpToLastDecimal", 0, 1, 3, Cond, 0.0006, "0.001"},
        AxisTextCase{"DecimalsFromADamagedFileAreLimited", 0, 1, 1000000000, Cond, 1,
                     "1.000000000000000000"},
        // A time-based axis carries years.
        AxisTextCase{"TimeBasedWholeYears", 2000, 2100, -1, Time, 2050, "2050"},
        AxisTextCase{"TimeBasedSmallRangeStillWhole", 2000, 2000.5, -1, Time, 2000.25, "2000"},
        AxisTextCase{"TimeBasedExplicitDecimals", 2000, 2100, 1, Time, 2050, "2050.0"},
        // The regional decimal separator.
        AxisTextCase{"CommaFixed", 0, 50, -1, Cond, 2.5, "2,5", ','},
        AxisTextCase{"CommaGeneral", 0, 5000, -1, Cond, 2500.5, "2500,5", ','},
        AxisTextCase{"CommaScientific", 0, 100000, 0, Cond, 12345, "1,235E4", ','}),
    test::CaseName());

TEST(AxisText, AutomaticTableOverElevenTicks)
{
    struct Row {
        double max;
        std::vector<std::string> labels;
    };
    const std::vector<Row> rows{
        {100, {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}},
        {50,
         {"0.0", "5.0", "10.0", "15.0", "20.0", "25.0", "30.0", "35.0", "40.0", "45.0", "50.0"}},
        {0.5,
         {"0.000", "0.050", "0.100", "0.150", "0.200", "0.250", "0.300", "0.350", "0.400", "0.450",
          "0.500"}},
        {5000,
         {"0", "500", "1000", "1500", "2000", "2500", "3000", "3500", "4000", "4500", "5000"}}};
    for (const auto& row : rows) {
        SmallMap m;
        m.graphics.setXAxisDecimalPlaces(-1);
        m.graphics.setMaxTippingPointValue(row.max);
        const auto s = m.draw();
        std::vector<std::pair<int, std::string>> labels;
        for (const auto& t : s.texts())
            if (t.y1 == 542)
                labels.emplace_back(t.x1, t.text);
        std::sort(labels.begin(), labels.end());
        std::vector<std::string> texts;
        for (const auto& l : labels)
            texts.push_back(l.second);
        EXPECT_EQ(texts, row.labels) << "maximum " << row.max;
    }
}

struct LightenCase {
    const char* name;
    Color color;
    int percent;
    Color expected;
};

class Lightened : public ::testing::TestWithParam<LightenCase> {};

TEST_P(Lightened, MovesEachChannelTowardsWhite)
{
    const auto& c = GetParam();
    PathwayGraphics g;
    g.setDimmedPercentage(c.percent);
    EXPECT_EQ(g.lightenedColor(c.color), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Lightened,
    ::testing::Values(LightenCase{"EightyPercent", rgb(0, 100, 200), 80, rgb(204, 224, 244)},
                      // 126.5 rounds to the even 126.
                      LightenCase{"HalfToEven", rgb(2, 2, 2), 50, rgb(128, 128, 128)},
                      LightenCase{"ZeroKeeps", rgb(12, 34, 56), 0, rgb(12, 34, 56)},
                      LightenCase{"HundredIsWhite", rgb(12, 34, 56), 100, colors::White},
                      LightenCase{"OutOfRangeIsLimited", rgb(12, 34, 56), 250, colors::White},
                      LightenCase{"SystemColourPaintsItsRgb", 0xFF00000F, 0, rgb(240, 240, 240)}),
    test::CaseName());

TEST(Swatch, ActionFillsTheWholeRectangle)
{
    MapFixture m;
    Element& a = m.action("A", colors::Red, 40);
    RecordingSurface s;
    drawElementSwatch(a, 0, s, 2, 3, 50, 20, 0, 40);
    ASSERT_EQ(s.primitives().size(), 1u);
    const Primitive& r = s.primitives()[0];
    EXPECT_TRUE(r.isRect());
    EXPECT_EQ(r.brushColor, colors::Red);
    EXPECT_EQ((std::vector<int>{r.x1, r.y1, r.x2, r.y2}), (std::vector<int>{2, 3, 50, 20}));
}

TEST(Swatch, EqualValuesGiveARedCross)
{
    MapFixture m;
    Element& a = m.action("A", colors::Red, 40);
    Element& p = m.pathway(0, a, a);
    RecordingSurface s;
    drawElementSwatch(p, 0, s, 0, 0, 30, 10, 0, 0);
    const auto lines = s.lines();
    ASSERT_EQ(lines.size(), 2u);
    for (const auto& l : lines)
        EXPECT_EQ(l.penColor, colors::Red);
    EXPECT_EQ((std::vector<int>{lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}),
              (std::vector<int>{0, 0, 30, 10}));
    EXPECT_EQ((std::vector<int>{lines[1].x1, lines[1].y1, lines[1].x2, lines[1].y2}),
              (std::vector<int>{0, 10, 30, 0}));
    EXPECT_TRUE(s.rects().empty());
}

TEST(Swatch, PathwayShowsEachPieceInBandsThenTheCurrentSituation)
{
    MapFixture m;
    Element& a = m.action("A", colors::Red, 40);
    Element& b = m.action("B", Blue, 60);
    Element& ab = m.pathway(80, a, b, CombinationType::Combine);
    Element& g = m.action("G", Green, 90);
    Element& abg = m.pathway(100, ab, g, CombinationType::Combine);
    RecordingSurface s;
    drawElementSwatch(abg, 0, s, 0, 0, 100, 10, 0, 100);
    std::vector<std::string> got;
    for (const auto& r : s.rects())
        got.push_back(colorName(r.brushColor) + " " + std::to_string(r.x1) + "," +
                      std::to_string(r.y1) + "-" + std::to_string(r.x2) + "," +
                      std::to_string(r.y2));
    EXPECT_EQ(got, (std::vector<std::string>{
                       // abg from 80 to 100 in three bands: 10/3 and 20/3 rounded.
                       "green 80,0-100,3", "blue 80,3-100,7", "red 80,7-100,10",
                       // ab from 40 to 80 in two bands.
                       "blue 40,0-80,5", "red 40,5-80,10",
                       // A from the current situation's 10 to 40, then the current situation,
                       // which is painted once more on top.
                       "red 10,0-40,10", "gray 0,0-10,10", "gray 0,0-10,10"}));
}

TEST(Swatch, PositionsRoundHalfToEven)
{
    MapFixture m;
    Element& a = m.action("A", colors::Red, 40);
    Element& p = m.pathway(80, a, a);
    RecordingSurface s;
    // 10 of 80 over 100 pixels is 12.5, which rounds to 12.
    drawElementSwatch(p, 0, s, 0, 0, 100, 10, 0, 80);
    const auto rects = s.rects();
    ASSERT_GE(rects.size(), 2u);
    EXPECT_EQ(rects[1].x1, 12);
}

TEST(ListWithoutCurrentSituation, DrawsAGrayStartLineAtZero)
{
    MapFixture m;
    Element& a = m.action("A", colors::Red, 40, nullptr);
    m.action("B", Blue, 60, &a);
    m.list.setCurrentElementId(-1);
    m.layoutRows();
    RecordingSurface s;
    m.graphics.drawPathwayOnCanvas(s, m.list, m.scenarios, 0, -1);
    const auto gray =
        s.select([](const Primitive& p) { return p.isLine() && p.penColor == colors::Gray; });
    // Start lines of the dimmed and coloured passes; the old current situation's own line is
    // gray too.
    ASSERT_GE(gray.size(), 2u);
    EXPECT_EQ(gray[0].x1, 210);
    EXPECT_EQ(gray[0].x2, 210);
    const Element& oldCurrent = m.list.elements(0);
    EXPECT_EQ(std::min(gray[0].y1, gray[0].y2), std::min(oldCurrent.yCoord(), a.yCoord()));
    EXPECT_EQ(std::max(gray[0].y1, gray[0].y2), std::max(oldCurrent.yCoord(), a.yCoord()));
    // Every element other than the (missing) current situation gets a station.
    EXPECT_EQ(s.ellipses().size(), 2u * 3u);
}

struct DamageCase {
    const char* name;
    void (*damage)(PathwayGraphics&);
    std::size_t maxPrimitives;
};

class DamagedSettings : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedSettings, StayBoundedAndInRange)
{
    const auto& c = GetParam();
    StripeMap m;
    Element& ab = m.combination(700, *m.a, *m.b);
    m.action("D", Green, 800, &ab);
    m.layoutRows();
    c.damage(m.graphics);
    RecordingSurface s;
    m.graphics.drawPathwayOnCanvas(s, m.list, m.scenarios, 0, 3);
    EXPECT_LE(s.primitives().size(), c.maxPrimitives);
    for (const auto& p : s.primitives()) {
        for (int v : {p.x1, p.y1, p.x2, p.y2}) {
            EXPECT_LE(v, PathwayGraphics::MaxCoordinate);
            EXPECT_GE(v, -PathwayGraphics::MaxCoordinate);
        }
        EXPECT_GE(p.fontSize, PathwayGraphics::MinFontSize);
        EXPECT_LE(p.fontSize, PathwayGraphics::MaxFontSize);
        EXPECT_LE(p.text.size(), 64u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, DamagedSettings,
    ::testing::Values(
        DamageCase{"BillionsOfTicks", [](PathwayGraphics& g) { g.setTicksXAxis(2'000'000'000); },
                   static_cast<std::size_t>(3 * PathwayGraphics::MaxTicks + 400)},
        // A line across a huge picture is striped only inside the painted window.
        DamageCase{"HugeDrawingArea",
                   [](PathwayGraphics& g) {
                       g.setDrawingAreaWidth(2'000'000'000);
                       g.setMinTippingPointValue(40);
                       g.setMaxTippingPointValue(1000);
                   },
                   static_cast<std::size_t>(3 * PathwayGraphics::MaxPaintedExtent / 10 + 400)},
        DamageCase{"NegativeSizes",
                   [](PathwayGraphics& g) {
                       g.setDrawingAreaWidth(-500);
                       g.setDrawingAreaHeight(-2'000'000'000);
                       g.setLeftMargin(-2'000'000'000);
                       g.setTitlesAreaWidth(-2'000'000'000);
                   },
                   400},
        DamageCase{"HugeFontAndOffsets",
                   [](PathwayGraphics& g) {
                       g.setFontSize(2'000'000'000);
                       g.setYOffset(2'000'000'000);
                       g.setOvershoot(2'000'000'000);
                       g.setTopMargin(2'000'000'000);
                   },
                   400},
        DamageCase{"TinyFont", [](PathwayGraphics& g) { g.setFontSize(-7); }, 400},
        DamageCase{"HugeDecimals",
                   [](PathwayGraphics& g) { g.setXAxisDecimalPlaces(2'000'000'000); }, 400}),
    test::CaseName());

TEST(DamagedLinks, PredecessorLoopEndsTheChainPass)
{
    MapFixture m;
    Element& a = m.action("A", colors::Red, 40);
    Element& b = m.action("B", Blue, 60, &a);
    a.setPredecessorId(b.id()); // A and B follow each other
    m.layoutRows();
    RecordingSurface s;
    m.graphics.drawPathwayOnCanvas(s, m.list, m.scenarios, 0, m.list.indexOf(&b));
    EXPECT_LT(s.primitives().size(), 200u);
}

} // namespace
} // namespace vantrel
