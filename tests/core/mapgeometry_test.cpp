// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the pathway map: value axis, rows, horizontal layout, start line and bands.
#include "mapfixture.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace vantrel {
namespace {

using test::MapFixture;

struct AxisCase {
    const char* name;
    double min;
    double max;
    double value;
    int expectedX;
    int width = 1000;
};

class ValueToX : public ::testing::TestWithParam<AxisCase> {};

TEST_P(ValueToX, MapsValueToPixel)
{
    const AxisCase& c = GetParam();
    PathwayGraphics g;
    g.setDrawingAreaWidth(c.width);
    g.setMinTippingPointValue(c.min);
    g.setMaxTippingPointValue(c.max);
    EXPECT_EQ(g.xCoordinateOfTippingValue(c.value), c.expectedX);
}

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Table, ValueToX,
    ::testing::Values(
        // Defaults: 7.4 pixels per unit from x 210 to 950.
        AxisCase{"Minimum", 0, 100, 0, 210}, AxisCase{"Middle", 0, 100, 50, 580},
        AxisCase{"Maximum", 0, 100, 100, 950},
        AxisCase{"BelowMinimumClampsToLeftEdge", 0, 100, -5, 210},
        AxisCase{"AboveMaximumIsNotLimited", 0, 100, 150, 1320},
        // One pixel per unit: halves go to the even neighbour.
        AxisCase{"HalfRoundsDownToEven", 0, 740, 2.5, 212},
        AxisCase{"HalfRoundsUpToEven", 0, 740, 3.5, 214},
        AxisCase{"NegativeHalfRoundsToEven", -10, 730, -7.5, 212},
        // Reversed axis: the scale is negative, so values above the minimum sit on the left.
        AxisCase{"ReversedAboveMinimum", 100, 0, 150, 210},
        AxisCase{"ReversedBetween", 100, 0, 50, 580},
        AxisCase{"ReversedBelowMinimum", 100, 0, 0, 950},
        // Equal minimum and maximum: the minimum and below on the left edge, above on the right.
        AxisCase{"EqualAtMinimum", 50, 50, 50, 210}, AxisCase{"EqualBelow", 50, 50, 49, 210},
        AxisCase{"EqualAbove", 50, 50, 51, 950},
        // Values from a damaged file stay within the coordinate range.
        AxisCase{"HugeValueIsClamped", 0, 100, 1e300,
                 static_cast<int>(PathwayGraphics::MaxCoordinate)},
        AxisCase{"InfiniteValueIsClamped", 0, 100, Inf,
                 static_cast<int>(PathwayGraphics::MaxCoordinate)},
        AxisCase{"NotANumberGoesLeft", 0, 100, NaN, 210},
        AxisCase{"InfiniteRangeGoesLeft", -1e308, 1e308, 5, 210},
        AxisCase{"NoGraphWidth", 0, 100, 50, 210, 260}),
    test::CaseName());

TEST(XToValue, InvertsTheScaleWithoutRounding)
{
    PathwayGraphics g;
    EXPECT_DOUBLE_EQ(g.tippingValueOfXCoordinate(580), 50);
    EXPECT_DOUBLE_EQ(g.tippingValueOfXCoordinate(210), 0);
    EXPECT_DOUBLE_EQ(g.tippingValueOfXCoordinate(211), 1 / 7.4);
    // Left of the band it is not limited.
    EXPECT_DOUBLE_EQ(g.tippingValueOfXCoordinate(136), -10);
    g.setMinTippingPointValue(5);
    g.setMaxTippingPointValue(5);
    EXPECT_EQ(g.tippingValueOfXCoordinate(700), 5);
}

struct AxisHeightCase {
    PathwayType type;
    int scenarios;
    int expected;
};

class AxisHeight : public ::testing::TestWithParam<AxisHeightCase> {};

TEST_P(AxisHeight, FollowsProjectTypeAndScenarioCount)
{
    const auto& c = GetParam();
    EXPECT_EQ(PathwayGraphics::xAxisHeightFor(c.type, c.scenarios), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, AxisHeight,
                         ::testing::Values(AxisHeightCase{PathwayType::ConditionBased, 0, 80},
                                           AxisHeightCase{PathwayType::ConditionBased, 1, 210},
                                           AxisHeightCase{PathwayType::ConditionBased, 2, 270},
                                           AxisHeightCase{PathwayType::TimeBased, 0, 80},
                                           AxisHeightCase{PathwayType::TimeBased, 3, 80}));

TEST(AxisHeight, IsAppliedByTheAutomaticRowsAndShrinksTheGraphBand)
{
    MapFixture m;
    m.scenarios.addScenario("Low", colors::Black);
    m.scenarios.addScenario("High", colors::Black);
    m.layoutRows();
    EXPECT_EQ(m.graphics.xAxisHeight(), 270);
    EXPECT_EQ(m.graphics.graphHeight(), 310);
    // A single action lies in the middle of the 310-pixel band.
    EXPECT_EQ(m.current->yCoord(), 165);

    MapFixture t(PathwayType::TimeBased, 3);
    t.layoutRows();
    EXPECT_EQ(t.graphics.xAxisHeight(), 80);
}

struct ActionRowsCase {
    const char* name;
    int extraActions;
    std::vector<int> rows;
};

class ActionRows : public ::testing::TestWithParam<ActionRowsCase> {};

TEST_P(ActionRows, SpreadOverTheGraphBand)
{
    const auto& c = GetParam();
    MapFixture m;
    for (int i = 0; i < c.extraActions; ++i)
        m.action("A" + std::to_string(i), colors::Red, 20 + i);
    m.layoutRows();
    std::vector<int> rows;
    for (int i = 0; i < m.list.count(); ++i)
        rows.push_back(m.list.elements(i).yCoord());
    EXPECT_EQ(rows, c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ActionRows,
    ::testing::Values(ActionRowsCase{"One", 0, {260}},
                      // GH / 3 = 166.67: rows 0, 166.67 and 333.33 rounded, plus the top margin.
                      ActionRowsCase{"Three", 2, {10, 177, 343}},
                      // GH / 4 = 125 exactly.
                      ActionRowsCase{"Four", 3, {10, 135, 260, 385}}),
    test::CaseName());

TEST(PathwayRows, LieOnTheirActionOrParallelBelowWhenTheyTipLater)
{
    MapFixture m;
    Element& a = m.action("A", colors::Red, 40);
    Element& b = m.action("B", colors::Black, 60);
    Element& earlier = m.pathway(50, a, b); // tips before B: on B's row
    Element& later = m.pathway(70, a, b);   // tips after B; second child of B
    Element& alsoLater = m.pathway(80, a, b);
    alsoLater.setTweakY(3);
    m.graphics.setYOffset(6);
    m.layoutRows();
    EXPECT_EQ(b.yCoord(), 343);
    EXPECT_EQ(earlier.yCoord(), 343);
    EXPECT_EQ(later.yCoord(), 343 + 2 * 6);
    EXPECT_EQ(alsoLater.yCoord(), 343 + 3 * 6 + 3);
}

TEST(PathwayRows, TakeTheSecondsRowAsItIsAtThatMoment)
{
    MapFixture m;
    Element& a = m.action("A", colors::Red, 40);
    a.setYCoord(999);
    // The pathway element stands before the second it continues into: it sees the old row.
    Element& b = m.action("B", colors::Black, 60);
    b.setYCoord(77);
    Element& p = m.pathway(50, a, b);
    m.list.exchange(m.list.indexOf(&p), m.list.indexOf(&b));
    m.layoutRows();
    EXPECT_EQ(p.yCoord(), 77);
    EXPECT_EQ(b.yCoord(), 343);
}

TEST(PathwayRows, TestTippingInColumnZeroWhateverTheSeries)
{
    MapFixture m(PathwayType::TimeBased, 2);
    Element& a = m.action("A", colors::Red, 0);
    a.setTippingTimeValue(0, 2050);
    a.setTippingTimeValue(1, 2030);
    Element& p = m.pathway(0, *m.current, a);
    p.setTippingTimeValue(0, 2040); // earlier than A in column 0, later in column 1
    p.setTippingTimeValue(1, 2040);
    m.layoutRows();
    EXPECT_EQ(p.yCoord(), a.yCoord());
    EXPECT_EQ(m.graphics.calculateYCoordinate(p, 1), a.yCoord() + 5);
}

struct LayoutCase {
    const char* name;
    double tipping;
    int tweakX;
    int expectedStart;
    int expectedEnd;
    int expectedOvershoot;
};

class HorizontalLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(HorizontalLayout, StartsWhereThePredecessorTipsAndOvershoots)
{
    const auto& c = GetParam();
    MapFixture m; // the current situation tips at 10 (x 284)
    Element& a = m.action("A", colors::Red, 40);
    Element& e = m.action("E", colors::Red, c.tipping, &a);
    e.setTweakX(c.tweakX);
    m.graphics.layoutElementHorizontally(e, 0);
    EXPECT_EQ(e.xCoordStart(), c.expectedStart);
    EXPECT_EQ(e.xCoordEnd(), c.expectedEnd);
    EXPECT_EQ(e.overshoot(), c.expectedOvershoot);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HorizontalLayout,
    ::testing::Values(LayoutCase{"Overshoots", 50, 0, 506, 590, 10},
                      LayoutCase{"TweakMovesOnlyTheStart", 50, -4, 502, 590, 10},
                      LayoutCase{"AtCurrentSituationNoOvershoot", 10, 0, 506, 284, 0},
                      LayoutCase{"BelowCurrentSituationNoOvershoot", 5, 0, 506, 247, 0}),
    test::CaseName());

TEST(HorizontalLayout, CurrentSituationStartsAtTheMinimumAndNeverOvershoots)
{
    MapFixture m;
    m.graphics.setMinTippingPointValue(-10);
    m.graphics.setMaxTippingPointValue(90);
    m.current->setTweakX(3);
    m.graphics.layoutElementHorizontally(*m.current, 0);
    EXPECT_EQ(m.current->xCoordStart(), 213);
    EXPECT_EQ(m.current->xCoordEnd(), 358);
    EXPECT_EQ(m.current->overshoot(), 0);
}

TEST(HorizontalLayout, TimeBasedUsesTheSeriesColumn)
{
    MapFixture m(PathwayType::TimeBased, 2);
    m.graphics.setMinTippingPointValue(2000);
    m.graphics.setMaxTippingPointValue(2100);
    m.current->setTippingTimeValue(0, 2010);
    m.current->setTippingTimeValue(1, 2020);
    Element& a = m.action("A", colors::Red, 0);
    a.setTippingTimeValue(0, 2050);
    a.setTippingTimeValue(1, 2015); // before the current situation in column 1
    m.graphics.layoutElementHorizontally(a, 0);
    EXPECT_EQ(a.xCoordStart(), 284);
    EXPECT_EQ(a.xCoordEnd(), 580 + 10);
    m.graphics.layoutElementHorizontally(a, 1);
    EXPECT_EQ(a.xCoordStart(), 358);
    EXPECT_EQ(a.xCoordEnd(), 321);
    EXPECT_EQ(a.overshoot(), 0);
    // A column the element does not have reads as year 0.
    m.graphics.layoutElementHorizontally(a, 7);
    EXPECT_EQ(a.xCoordEnd(), 210);
}

TEST(StartLine, SpansTheCurrentSituationAndTheActionsStartingFromIt)
{
    MapFixture m;
    m.current->setYCoord(200);
    Element& a = m.action("A", colors::Red, 40);
    a.setYCoord(120);
    Element& b = m.action("B", colors::Red, 40);
    b.setYCoord(260);
    Element& c = m.action("C", colors::Red, 50, &a); // starts from A, not from the start
    c.setYCoord(20);
    Element& p = m.pathway(60, *m.current, b); // not an action
    p.setYCoord(400);
    m.graphics.setElementsList(&m.list);
    EXPECT_EQ(m.graphics.startLineTop(), 120);
    EXPECT_EQ(m.graphics.startLineBottom(), 260);
}

TEST(ListWithoutCurrentSituation, IsLaidOutFromValueZero)
{
    MapFixture m;
    Element& a = m.action("A", colors::Red, 40, nullptr);
    Element& b = m.action("B", colors::Red, -5, nullptr);
    Element& c = m.action("C", colors::Red, 60, &a);
    m.list.setCurrentElementId(-1);
    m.layoutRows();
    m.graphics.layoutElementHorizontally(a, 0);
    m.graphics.layoutElementHorizontally(b, 0);
    m.graphics.layoutElementHorizontally(c, 0);
    EXPECT_EQ(a.xCoordStart(), 210);
    EXPECT_EQ(a.overshoot(), 10);
    EXPECT_EQ(b.overshoot(), 0); // tips below 0, where everything starts
    EXPECT_EQ(c.xCoordStart(), 506);
    // The start line joins the actions that start from nothing (the former current situation
    // among them), not C.
    EXPECT_EQ(m.graphics.startLineTop(), m.list.elements(0).yCoord());
    EXPECT_EQ(m.graphics.startLineBottom(), b.yCoord());
}

struct BandCase {
    const char* name;
    int x;
    int y;
    bool captions;
    bool graph;
    bool axis;
};

class Bands : public ::testing::TestWithParam<BandCase> {};

TEST_P(Bands, HitTestsWithTolerance)
{
    const auto& c = GetParam();
    PathwayGraphics g; // axis band from y 510 (80 high)
    EXPECT_EQ(g.ptInCaptionsArea(c.x, c.y), c.captions);
    EXPECT_EQ(g.ptInGraphArea(c.x, c.y), c.graph);
    EXPECT_EQ(g.ptInXAxisArea(c.x, c.y), c.axis);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Bands,
    ::testing::Values(BandCase{"Caption", 100, 100, true, true, false},
                      BandCase{"CaptionLeftOfMargin", 0, 100, true, false, false},
                      BandCase{"CaptionEdge", 196, 100, true, true, false},
                      BandCase{"PastCaptionEdge", 197, 100, false, true, false},
                      BandCase{"GraphAboveTopTolerance", 500, 7, false, false, false},
                      BandCase{"GraphTopTolerance", 500, 8, false, true, false},
                      BandCase{"GraphBottomTolerance", 500, 512, false, true, true},
                      BandCase{"AxisOnly", 500, 513, false, false, true},
                      BandCase{"AxisLeftOfMargin", 10, 540, false, false, false}),
    test::CaseName());

} // namespace
} // namespace vantrel
