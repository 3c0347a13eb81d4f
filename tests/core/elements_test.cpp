// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/elementslist.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

class ElementsListTest : public testing::Test {
protected:
    Element& action(const char* name, Color color, double tipping, double recurrent = 0,
                    const Element* predecessor = nullptr)
    {
        return list.addSimpleElement(name, color, tipping, 0, recurrent, predecessor, 0, 0);
    }
    Element& pathway(const Element& first, const Element& second, CombinationType type)
    {
        Element& e = list.addCombinationElement("", 0, first.id(), second.id());
        e.setCombinationType(type);
        return e;
    }
    ElementsList list;
};

TEST_F(ElementsListTest, NewIdFollowsTheLargestId)
{
    EXPECT_EQ(list.newId(), 1);
    list.createElement(1);
    list.createElement(2);
    list.createElement(7);
    EXPECT_EQ(list.newId(), 8);
    list.deleteElement(2);
    EXPECT_EQ(list.newId(), 3);
    list.elements(0).setId(-5);
    list.elements(1).setId(-9);
    EXPECT_EQ(list.newId(), 1);
}

TEST_F(ElementsListTest, TimeBasedElementsGetOneYearPerColumn)
{
    list.setPathwayType(PathwayType::TimeBased);
    list.addTippingTimeColumns(3);
    Element& a = action("a", 0, 2.5);
    Element& b = action("b", 0, 3.5);
    EXPECT_EQ(a.tippingTimeValuesLength(), 3);
    EXPECT_EQ(a.tippingTimeValue(0), 2);
    EXPECT_EQ(b.tippingTimeValue(0), 4);
    EXPECT_EQ(b.tippingTimeValue(1), 0);
    EXPECT_EQ(b.tippingTimeValue(5), 0);
    EXPECT_EQ(b.tippingTimeValue(-1), 0);
    list.addTippingTimeColumns(1);
    EXPECT_EQ(list.tippingTimeColumnCaptions(3), "Scenario3");
    b.setTippingTimeValue(3, 2050);
    list.deleteTippingTimeColumn(1);
    EXPECT_EQ(list.tippingTimeValuesCount(), 3);
    EXPECT_EQ(b.tippingTimeValuesLength(), 3);
    EXPECT_EQ(b.tippingTimeValue(2), 2050);
    EXPECT_EQ(list.tippingTimeColumnCaptions(2), "Scenario3");
}

TEST_F(ElementsListTest, NewColumnIsNamedAfterItsPositionWhateverTheCaptions)
{
    list.addTippingTimeColumns(2);
    list.setTippingTimeColumnCaptions(0, "Wet");
    list.setTippingTimeColumnCaptions(1, "Dry");
    list.addTippingTimeColumns(1);
    EXPECT_EQ(list.tippingTimeColumnCaptions(2), "Scenario2");
}

TEST_F(ElementsListTest, MaxTippingPointIsNeverBelowZero)
{
    action("a", 0, -3);
    action("b", 0, -1);
    EXPECT_EQ(list.maxTippingPoint(), 0);
    action("c", 0, 4.5);
    EXPECT_EQ(list.maxTippingPoint(), 4.5);
}

struct PathwayCase {
    CombinationType type;
    int colorCount;
    double recurrentCosts;
};
class PathwayKinds : public ElementsListTest, public testing::WithParamInterface<PathwayCase> {};

TEST_P(PathwayKinds, DeriveColoursAndCostsFromTheirParts)
{
    Element& a = action("A", 0x0000AA, 1, 10);
    Element& b = action("B", 0x00BB00, 2, 3);
    Element& ab = pathway(a, b, GetParam().type);
    ab.setRecurrentCosts(1000); // stored, but derived on reading
    ab.setMyColor(0x123456);
    EXPECT_EQ(ab.colorCount(), GetParam().colorCount);
    EXPECT_EQ(ab.myColor(), 0x00BB00u);
    EXPECT_EQ(ab.colors(0), 0x00BB00u);
    if (GetParam().colorCount == 2) {
        EXPECT_EQ(ab.colors(1), 0x0000AAu);
    }
    EXPECT_EQ(ab.recurrentCosts(), GetParam().recurrentCosts);
    EXPECT_EQ(ab.isCombination(), GetParam().type == CombinationType::Combine);
}

INSTANTIATE_TEST_SUITE_P(Types, PathwayKinds,
                         testing::Values(PathwayCase{CombinationType::Combine, 2, 13},
                                         PathwayCase{CombinationType::Sequence, 1, 3},
                                         PathwayCase{CombinationType::None, 1, 13}));

TEST_F(ElementsListTest, CombinationOfCombinationsListsSecondColoursFirst)
{
    Element& a = action("A", 1, 1);
    Element& b = action("B", 2, 1);
    Element& c = action("C", 3, 1);
    Element& ab = pathway(a, b, CombinationType::Combine);
    Element& abc = pathway(ab, c, CombinationType::Combine);
    Element& cab = pathway(c, ab, CombinationType::Combine);
    EXPECT_EQ(abc.colorCount(), 3);
    EXPECT_EQ((std::vector<Color>{abc.colors(0), abc.colors(1), abc.colors(2)}),
              (std::vector<Color>{3, 2, 1}));
    EXPECT_EQ((std::vector<Color>{cab.colors(0), cab.colors(1), cab.colors(2)}),
              (std::vector<Color>{2, 1, 3}));
}

// Links from a hand-edited file may loop or dangle; every derived value must still end.
TEST_F(ElementsListTest, LoopingAndDanglingLinksEnd)
{
    Element& a = list.createElement(1);
    Element& b = list.createElement(2);
    a.setMyColor(11);
    b.setMyColor(22);
    a.setRecurrentCosts(5);
    b.setRecurrentCosts(7);
    a.setCombinationSecondId(2);
    b.setCombinationSecondId(1);
    a.setPredecessorId(2);
    b.setPredecessorId(1);
    a.setCombinationType(CombinationType::Combine);
    b.setCombinationType(CombinationType::Combine);
    EXPECT_EQ(a.myColor(), 11u);
    EXPECT_GE(a.colorCount(), 1);
    for (int i = 0; i < a.colorCount(); ++i)
        a.colors(i);
    // b is derived from a twice; meeting a again on the path counts its stored costs.
    EXPECT_EQ(a.recurrentCosts(), (5 + 5) * 2);

    Element& dangling = list.createElement(3);
    dangling.setMyColor(33);
    dangling.setCombinationSecondId(99);
    dangling.setPredecessorId(98);
    dangling.setCombinationType(CombinationType::Combine);
    EXPECT_EQ(dangling.myColor(), 33u);
    EXPECT_EQ(dangling.colorCount(), 1);
    EXPECT_EQ(dangling.colors(0), 33u);
    EXPECT_EQ(dangling.recurrentCosts(), 0);
}

TEST_F(ElementsListTest, SharedCombinationTreesAreEvaluatedWithoutBlowingUp)
{
    // Each level combines the previous level with itself: 2^60 colours if counted naively.
    Element* e = &action("base", 1, 1, 1);
    for (int level = 0; level < 60; ++level)
        e = &pathway(*e, *e, CombinationType::Combine);
    EXPECT_EQ(e->colorCount(), Element::MaxColorCount);
    EXPECT_EQ(e->recurrentCosts(), std::ldexp(1.0, 60));
}

TEST_F(ElementsListTest, LongChainsNeedNoDeepRecursion)
{
    Element* e = &action("base", 1, 1, 1);
    for (int i = 0; i < 50000; ++i)
        e = &pathway(*e, action("x", 2, 1, 1), CombinationType::Combine);
    EXPECT_EQ(e->recurrentCosts(), 50001);
    EXPECT_EQ(e->colorCount(), Element::MaxColorCount);
    EXPECT_EQ(e->colors(Element::MaxColorCount - 1), 2u);
}

TEST_F(ElementsListTest, SettersMarkDirtyOnlyOnRealChanges)
{
    Element& a = action("a", 0, 1);
    list.setIsDirty(false);
    a.setCaption("a");
    a.setTweakX(0);
    a.setYCoord(123);
    a.setXCoordStart(5);
    a.setOvershoot(3);
    EXPECT_FALSE(list.isDirty());
    a.setCaption("A");
    EXPECT_TRUE(list.isDirty());
    list.setIsDirty(false);
    list.setCurrentElementId(list.currentElementId());
    EXPECT_TRUE(list.isDirty());
    list.setIsDirty(false);
    list.setPathwayType(list.pathwayType());
    EXPECT_TRUE(list.isDirty());
    list.setIsDirty(false);
    a.setTippingPointValue(1.0);
    a.setDimmed(false);
    EXPECT_FALSE(list.isDirty());
    a.setTippingPointValue(1.5);
    EXPECT_TRUE(list.isDirty());
}

TEST_F(ElementsListTest, ChildNumberCountsEarlierElementsWithTheSameSecond)
{
    Element& a = action("a", 0, 1);
    Element& b = action("b", 0, 1);
    Element& ab1 = pathway(a, b, CombinationType::Sequence);
    Element& c = action("c", 0, 1);
    Element& ab2 = pathway(c, b, CombinationType::Sequence);
    Element& d = action("d", 0, 1);
    EXPECT_EQ(d.childNumber(), 3);
    EXPECT_EQ(c.childNumber(), 2);
    EXPECT_EQ(ab1.childNumber(), 0);
    EXPECT_EQ(ab2.childNumber(), 1);
    EXPECT_EQ(list.childCount(b.id()), 2);
    EXPECT_EQ(list.dependencyCount(a.id()), 1);
    EXPECT_EQ(list.dependencyCount(b.id()), 2);
    EXPECT_EQ(list.primaryCount(), 4);
    // The indexes follow reordering and deletion.
    list.exchange(list.indexOf(&ab1), list.indexOf(&ab2));
    EXPECT_EQ(ab2.childNumber(), 0);
    EXPECT_EQ(ab1.childNumber(), 1);
    list.deleteElement(list.indexOf(&ab2));
    EXPECT_EQ(ab1.childNumber(), 0);
    EXPECT_EQ(list.primaryCount(), 4);
    EXPECT_EQ(list.findElement(ab1.id()), &ab1);
}

TEST_F(ElementsListTest, StartTippingValueFollowsPredecessorOrCurrentSituation)
{
    Element& current = action("now", 0, 2);
    list.setCurrentElementId(current.id());
    Element& a = action("a", 0, 5, 0, &current);
    Element& b = action("b", 0, 8, 0, &a);
    Element& orphan = action("orphan", 0, 9);
    orphan.setPredecessorId(77);
    Element& ab = pathway(a, b, CombinationType::Combine);
    EXPECT_EQ(current.startTippingValue(0), 0);
    EXPECT_EQ(a.startTippingValue(0), 2);
    EXPECT_EQ(b.startTippingValue(0), 5);
    EXPECT_EQ(orphan.startTippingValue(0), 2);
    EXPECT_EQ(ab.startTippingValue(0), 5);
    list.setCurrentElementId(-1);
    EXPECT_EQ(orphan.startTippingValue(0), 0);
}

TEST_F(ElementsListTest, TipsLaterThanSecondNeedsAPositiveSecondId)
{
    Element& a = action("a", 0, 1);
    Element& b = action("b", 0, 3);
    Element& ab = pathway(a, b, CombinationType::Sequence);
    ab.setTippingPointValue(4);
    EXPECT_TRUE(ab.tipsLaterThanSecond(0));
    ab.setTippingPointValue(3);
    EXPECT_FALSE(ab.tipsLaterThanSecond(0));
    b.setId(0);
    ab.setCombinationSecondId(0);
    ab.setTippingPointValue(4);
    EXPECT_FALSE(ab.tipsLaterThanSecond(0));
}

TEST_F(ElementsListTest, ClearElementsKeepsColumnsTypeAndCurrentSituation)
{
    list.setPathwayType(PathwayType::TimeBased);
    list.addTippingTimeColumns(2);
    list.setCurrentElementId(4);
    action("a", 0, 1);
    list.clearElements();
    EXPECT_EQ(list.count(), 0);
    EXPECT_FALSE(list.isDirty());
    EXPECT_EQ(list.tippingTimeValuesCount(), 2);
    EXPECT_EQ(list.currentElementId(), 4);
    EXPECT_EQ(list.pathwayType(), PathwayType::TimeBased);
    EXPECT_EQ(list.newId(), 1);
}

} // namespace
} // namespace vantrel
