// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/mapinteraction.h"
#include "map/pathwaygraphics.h"
#include "project/project.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using namespace mapinteraction;

// With the default settings the axis runs 7.4 pixels per unit from x 210, and the graph band
// is 500 pixels high from y 10. The fixture's elements, laid out for series 0:
//
//   position  element            row   line x
//   0         Current Situation   10   210 .. 284
//   1         Dikes              177   284 .. 516
//   2         Barrier            343   284 .. 664
//   3         Dikes + Barrier    348   506 .. 812
struct ClickMap {
    ClickMap()
    {
        ElementsList& list = project->elements();
        const Element* current = list.currentElement();
        const Element& dikes =
            list.addSimpleElement("Dikes", rgb(200, 0, 0), 40, 0, 0, current, 0, 0);
        const Element& barrier =
            list.addSimpleElement("Barrier", rgb(0, 0, 200), 60, 0, 0, current, 0, 0);
        list.addCombinationElement("Dikes + Barrier", 80, dikes.id(), barrier.id())
            .setCombinationType(CombinationType::Combine);
        project->graphics().autoCalculateYCoordinates(list, project->scenarios());
        for (int i = 0; i < list.count(); ++i)
            project->graphics().layoutElementHorizontally(list.elements(i), 0);
    }
    std::unique_ptr<Project> project = Project::newProject(PathwayType::ConditionBased, 2020);
    ElementsList& list() { return project->elements(); }
    PathwayGraphics& graphics() { return project->graphics(); }
};

TEST(ClickCandidates, CaptionsFirstThenLines)
{
    struct Row {
        const char* name;
        int x;
        int y;
        std::vector<int> candidates;
    };
    const Row rows[] = {
        {"caption of an action", 50, 177, {1}},
        {"caption row edge, top inside", 50, 168, {1}},
        {"caption row edge, bottom outside", 50, 186, {}},
        {"caption band ends 3 pixels before the titles width", 197, 177, {}},
        {"caption of the current situation", 150, 10, {0}},
        {"line", 400, 343, {2}},
        {"line start inside, end outside", 284, 343, {2}},
        {"overlapping lines in list order", 600, 345, {2, 3}},
        {"empty graph band", 600, 480, {}},
        {"axis band", 600, 560, {}},
    };
    ClickMap map;
    for (const Row& row : rows)
        EXPECT_EQ(clickCandidates(map.graphics(), map.list(), row.x, row.y), row.candidates)
            << row.name;
}

TEST(ClickCandidates, CaptionsAreThoseOfActionsOnly)
{
    ClickMap map;
    // The pathway element's row (348) is within 9 pixels of this point, Barrier's (343) too.
    EXPECT_EQ(captionHits(map.graphics(), map.list(), 50, 350), std::vector<int>{2});
}

TEST(ClickCandidates, LineEndingLeftOfItsStartIsNeverHit)
{
    ClickMap map;
    Element& dikes = map.list().elements(1);
    dikes.setXCoordStart(500);
    dikes.setXCoordEnd(300);
    EXPECT_TRUE(lineHits(map.graphics(), map.list(), 400, 177).empty());
}

TEST(DragHandles, RingTheStationAndTheLineEnd)
{
    ClickMap map;
    const Element& dikes = map.list().elements(1);
    const Point row = rowHandlePosition(dikes, 71, 47);
    EXPECT_EQ(row.x, 284 - 35 - 13);
    EXPECT_EQ(row.y, 177 - 23);
    const Point tipping = tippingHandlePosition(dikes, 47, 71);
    EXPECT_EQ(tipping.x, 516 - 23);
    EXPECT_EQ(tipping.y, 177 - 35 + 11);
}

TEST(RowDrag, MovesRowAndTweakByTheMouseDistanceWithinTheEdges)
{
    struct Row {
        const char* name;
        int mouseY;
        int pictureHeight;
        int row;
    };
    const Row rows[] = {
        {"30 down", 207, 600, 207},
        {"up", 100, 600, 100},
        {"held 15 from the top", 3, 600, 15},
        {"held 15 from the bottom", 700, 600, 585},
        {"picture lower than twice the distance", 100, 20, 15},
    };
    for (const Row& row : rows) {
        ClickMap map;
        Element& dikes = map.list().elements(1);
        dikes.setTweakY(4);
        map.list().setIsDirty(false);
        const RowDrag drag = beginRowDrag(dikes, 177);
        dragRow(dikes, drag, row.mouseY, row.pictureHeight);
        EXPECT_EQ(dikes.yCoord(), row.row) << row.name;
        EXPECT_EQ(dikes.tweakY(), 4 + row.row - 177) << row.name;
        EXPECT_TRUE(map.list().isDirty()) << row.name;
    }
}

TEST(TippingPointDrag, ConditionValueFollowsTheLineEnd)
{
    ClickMap map;
    Element& dikes = map.list().elements(1);
    // The line overshoots by 10 pixels, so its end at 596 means the value at 586.
    dragTippingPoint(dikes, map.graphics(), 596, -1);
    EXPECT_DOUBLE_EQ(dikes.tippingPointValue(), (586.0 - 210) / 7.4);
}

TEST(TippingPointDrag, TimeBasedStoresWholeYearsInTheShownColumnOnly)
{
    auto project = Project::newProject(PathwayType::TimeBased);
    ElementsList& list = project->elements();
    Element& dikes =
        list.addSimpleElement("Dikes", rgb(200, 0, 0), 50, 0, 0, list.currentElement(), 0, 0);
    list.addTippingTimeColumns(1);
    dikes.setTippingTimeValue(1, 60);
    list.currentElement()->setTippingTimeValue(1, 10);
    project->graphics().layoutElementHorizontally(dikes, 1);
    struct Row {
        int lineEnd;
        int year;
    };
    // (x - 10 - 210) / 7.4: 65.41 and 65.54 (rounded to the nearest year), 62.43.
    const Row rows[] = {{704, 65}, {705, 66}, {682, 62}};
    for (const Row& row : rows) {
        dragTippingPoint(dikes, project->graphics(), row.lineEnd, 1);
        EXPECT_EQ(dikes.tippingTimeValue(1), row.year) << row.lineEnd;
        EXPECT_EQ(dikes.tippingTimeValue(0), 50);
    }
    // A column the element does not have is left alone.
    dragTippingPoint(dikes, project->graphics(), 704, 5);
    EXPECT_EQ(dikes.tippingTimeValuesLength(), 2);
}

} // namespace
} // namespace vantrel
