// SPDX-License-Identifier: GPL-3.0-or-later
#include "costs/benefitcurve.h"
#include "map/pathwaygraphics.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(BenefitCurve, FindBenefitInterpolatesBetweenStepsAndIsFlatOutside)
{
    PathwayGraphics map; // axis 0 to 100
    BenefitCurve curve(map);
    for (int i = 0; i <= 4; ++i)
        curve.setStepBenefit(i, 10.0 * i);
    const std::pair<double, double> cases[] = {{-5, 0},   {0, 0},   {30, 12},  {100, 40},
                                               {120, 40}, {25, 10}, {87.5, 35}};
    for (auto [condition, benefit] : cases)
        EXPECT_DOUBLE_EQ(curve.findBenefit(condition), benefit) << condition;
}

TEST(BenefitCurve, EqualConditionBoundsPutEveryStepAtOnePoint)
{
    PathwayGraphics map;
    map.setMinTippingPointValue(5);
    map.setMaxTippingPointValue(5);
    BenefitCurve curve(map);
    curve.fillData();
    curve.setStepBenefit(0, 1);
    curve.setStepBenefit(4, 9);
    EXPECT_EQ(curve.findBenefit(5), 1);
    EXPECT_EQ(curve.findBenefit(-100), 1);
    EXPECT_EQ(curve.findBenefit(5.01), 9);
}

TEST(BenefitCurve, ChangingTheStepsKeepsBenefitsAndContinuesTheLast)
{
    PathwayGraphics map;
    BenefitCurve curve(map);
    for (int i = 0; i <= 4; ++i)
        curve.setStepBenefit(i, i + 1);
    curve.setIsDirty(false);
    curve.setNrOfSteps(6);
    EXPECT_TRUE(curve.isDirty());
    EXPECT_EQ(curve.stepBenefit(4), 5);
    EXPECT_EQ(curve.stepBenefit(5), 5);
    EXPECT_EQ(curve.stepBenefit(6), 5);
    EXPECT_EQ(curve.stepCondition(3), 50);
    curve.setNrOfSteps(2);
    EXPECT_EQ(curve.nrOfSteps(), 2);
    EXPECT_EQ(curve.stepBenefit(2), 3);
    EXPECT_EQ(curve.stepCondition(1), 50);
    curve.setNrOfSteps(0);
    EXPECT_EQ(curve.nrOfSteps(), 2);
}

TEST(BenefitCurve, UpdateFrameFollowsTheMapRangeWithoutMarkingChanges)
{
    PathwayGraphics map;
    BenefitCurve curve(map);
    curve.setStepBenefit(2, 7);
    curve.setIsDirty(false);
    map.setMaxTippingPointValue(4);
    curve.updateFrame();
    EXPECT_EQ(curve.stepCondition(4), 4);
    EXPECT_EQ(curve.stepBenefit(2), 7);
    EXPECT_FALSE(curve.isDirty());
}

} // namespace
} // namespace vantrel
