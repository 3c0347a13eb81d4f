// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/elementslist.h"

#include <gtest/gtest.h>
#include <map>

namespace vantrel {
namespace {

/// A scenario store answering from a table of (value, scenario) -> year.
class FakeYears : public YearLookup {
public:
    std::map<std::pair<double, int>, double> years;
    double yearOfValue(double value, int scenario) const override
    {
        auto it = years.find({value, scenario});
        return it == years.end() ? 2100 : it->second;
    }
};

class TippingYears : public testing::Test {
protected:
    TippingYears()
    {
        current = &list.addSimpleElement("now", 0, 1, 0, 0, nullptr, 0, 0);
        list.setCurrentElementId(current->id());
        a = &list.addSimpleElement("a", 0, 2, 0, 0, current, 0, 0);
        b = &list.addSimpleElement("b", 0, 3, 0, 0, a, 0, 0);
        scenarios.years = {{{1, 0}, 2030.0}, {{2, 0}, 2047.5}, {{3, 0}, 2046.5},
                           {{1, 1}, 2031.0}, {{2, 1}, 2051.0}, {{3, 1}, 2061.0}};
    }
    ElementsList list;
    FakeYears scenarios;
    Element* current;
    Element* a;
    Element* b;
};

TEST_F(TippingYears, ConditionBasedYearsRoundHalfToEven)
{
    EXPECT_EQ(a->calculatedTippingTimeValue(scenarios, 0), 2048);
    EXPECT_EQ(b->calculatedTippingTimeValue(scenarios, 0), 2046);
    EXPECT_EQ(b->calculatedTippingTimeValue(scenarios, 1), 2061);
}

TEST_F(TippingYears, TimeBasedYearsAreStored)
{
    list.setPathwayType(PathwayType::TimeBased);
    list.addTippingTimeColumns(2);
    a->setTippingTimeValue(0, 2040);
    a->setTippingTimeValue(1, 2060);
    EXPECT_EQ(a->calculatedTippingTimeValue(scenarios, 0), 2040);
    EXPECT_EQ(a->calculatedTippingTimeValue(scenarios, 1), 2060);
    EXPECT_EQ(a->calculatedTippingTimeValue(scenarios, 5), 0);
}

TEST_F(TippingYears, StartYears)
{
    Element& orphan = list.addSimpleElement("o", 0, 2, 0, 0, nullptr, 0, 0);
    orphan.setPredecessorId(999); // a deleted predecessor
    Element& ab = list.addCombinationElement("a+b", 3, a->id(), b->id());
    EXPECT_EQ(current->calculatedStartTippingTimeValue(scenarios, 0), 0);
    EXPECT_EQ(a->calculatedStartTippingTimeValue(scenarios, 0), 2030);
    EXPECT_EQ(b->calculatedStartTippingTimeValue(scenarios, 0), 2048);
    EXPECT_EQ(orphan.calculatedStartTippingTimeValue(scenarios, 0), 2030);
    EXPECT_EQ(ab.calculatedStartTippingTimeValue(scenarios, 0), 2048);
    list.setCurrentElementId(-1);
    EXPECT_EQ(orphan.calculatedStartTippingTimeValue(scenarios, 0), 0);
}

TEST_F(TippingYears, IsCalculatedTippingTimeValueWalksPredecessorsAndTheCurrentSituation)
{
    EXPECT_TRUE(b->isCalculatedTippingTimeValue(scenarios, 2046, 0));
    EXPECT_TRUE(b->isCalculatedTippingTimeValue(scenarios, 2048, 0));
    EXPECT_TRUE(b->isCalculatedTippingTimeValue(scenarios, 2030, 0));
    EXPECT_FALSE(b->isCalculatedTippingTimeValue(scenarios, 2047, 0));
    Element& lone = list.addSimpleElement("lone", 0, 2, 0, 0, nullptr, 0, 0);
    EXPECT_TRUE(lone.isCalculatedTippingTimeValue(scenarios, 2030, 0));
    list.setCurrentElementId(-1);
    EXPECT_FALSE(lone.isCalculatedTippingTimeValue(scenarios, 2030, 0));
}

TEST_F(TippingYears, PredecessorLoopEnds)
{
    a->setPredecessorId(b->id()); // a -> b -> a
    list.setCurrentElementId(-1);
    EXPECT_FALSE(b->isCalculatedTippingTimeValue(scenarios, 1234, 0));
    EXPECT_EQ(a->calculatedStartTippingTimeValue(scenarios, 0), 2046);
}

} // namespace
} // namespace vantrel
