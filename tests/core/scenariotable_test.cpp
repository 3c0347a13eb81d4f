// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenarios/scenariotable.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace vantrel {
namespace {

/// A table with one scenario whose defined values start at `begin`, one per year.
std::unique_ptr<ScenarioTable> tableWith(std::int32_t begin, std::int32_t end,
                                         const std::vector<double>& values)
{
    auto years = std::make_shared<ProjectYears>();
    years->setBeginYear(begin);
    years->setEndYear(end);
    auto t = std::make_unique<ScenarioTable>(years);
    t->setUpScenarioGridFinalPhase(PathwayType::ConditionBased);
    const int s = t->addScenario("s", colors::Red);
    for (std::size_t i = 0; i < values.size(); ++i)
        t->setValue(s, begin + static_cast<std::int32_t>(i), values[i], true);
    t->interpolateScenario(s);
    t->setLastRowWithData(s, t->calculateLastRowWithData(s));
    return t;
}

struct YearCase {
    const char* name;
    std::vector<double> series;
    double value;
    double year;
};
class YearOfValue : public testing::TestWithParam<YearCase> {};

TEST_P(YearOfValue, FindsTheFirstCrossing)
{
    const auto& c = GetParam();
    auto t = tableWith(2020, 2019 + static_cast<std::int32_t>(c.series.size()), c.series);
    EXPECT_EQ(t->yearOfValue(c.value, 0), c.year);
}

INSTANTIATE_TEST_SUITE_P(Series, YearOfValue,
                         testing::Values(YearCase{"RisingBetween", {1, 2, 3}, 2.5, 2021.5},
                                         YearCase{"RisingOnAValue", {1, 2, 3}, 2.0, 2021},
                                         YearCase{"RisingAtStart", {1, 2, 3}, 1.0, 2020},
                                         YearCase{"RisingBelowStart", {1, 2, 3}, 0.5, 2020},
                                         YearCase{"RisingAtEnd", {1, 2, 3}, 3.0, 2022},
                                         YearCase{"RisingNeverReached", {1, 2, 3}, 9, 2022},
                                         YearCase{"FallingBetween", {3, 2, 1}, 2.5, 2020.5},
                                         YearCase{"FallingAboveStart", {3, 2, 1}, 3.5, 2020},
                                         YearCase{"FlatAtValue", {5, 5, 5}, 5.0, 2020},
                                         YearCase{"FlatBelow", {5, 5, 5}, 6.0, 2020},
                                         YearCase{"FlatAbove", {5, 5, 5}, 4.0, 2022},
                                         YearCase{
                                             "DipTakesFirstCrossing", {1, 3, 0, 4}, 2.0, 2020.5}),
                         [](const auto& row) { return row.param.name; });

TEST(ScenarioTable, HoldsTheLastValueAfterTheSeriesEnds)
{
    auto t = tableWith(2020, 2100, {});
    t->setValue(0, 2020, 1.0, true);
    t->setValue(0, 2050, 4.0, true);
    t->interpolateScenario(0);
    t->setLastRowWithData(0, t->calculateLastRowWithData(0));
    EXPECT_EQ(t->scenarioValue(2070, 0), 4.0);
    EXPECT_EQ(t->scenarioValue(1990, 0), 1.0);
    EXPECT_EQ(t->scenarioValue(2035, 0), 2.5);
    EXPECT_EQ(t->yearOfValue(5.0, 0), 2100);
    EXPECT_FALSE(t->scenarioValueAvailable(2070, 0));
    EXPECT_FALSE(t->scenarioValueAvailable(1990, 0));
    EXPECT_TRUE(t->scenarioValueAvailable(2050, 0));
}

TEST(ScenarioTable, InterpolatesGapsWithoutDefiningThem)
{
    auto t = tableWith(2020, 2026, {});
    t->setValue(0, 2020, 1.0, true);
    t->setValue(0, 2024, 3.0, true);
    t->interpolateScenario(0);
    EXPECT_EQ(t->cellValue(0, 2021), 1.5);
    EXPECT_EQ(t->cellValue(0, 2022), 2.0);
    EXPECT_EQ(t->cellValue(0, 2023), 2.5);
    EXPECT_FALSE(t->definedValue(0, 2022));
    EXPECT_TRUE(t->definedValue(0, 2024));
    EXPECT_FALSE(t->cellValue(0, 2025).has_value());
    // Interpolated values are kept as the table's general text keeps them.
    auto thirds = tableWith(2020, 2023, {});
    thirds->setValue(0, 2020, 0.0, true);
    thirds->setValue(0, 2023, 1.0, true);
    thirds->interpolateScenario(0);
    EXPECT_EQ(thirds->cellValue(0, 2021), 0.333333333333333);
}

TEST(ScenarioTable, LeadingGapsAndEmptyScenariosReadAsZero)
{
    auto t = tableWith(2020, 2030, {});
    t->setValue(0, 2025, 2.0, true);
    t->setValue(0, 2027, 4.0, true);
    t->interpolateScenario(0);
    t->setLastRowWithData(0, t->calculateLastRowWithData(0));
    EXPECT_FALSE(t->cellValue(0, 2022).has_value());
    EXPECT_EQ(t->cellValue(0, 2026), 3.0);
    EXPECT_EQ(t->scenarioValue(2020, 0), 0.0);
    EXPECT_EQ(t->yearOfValue(1.0, 0), 2024.5);

    auto empty = tableWith(2020, 2030, {});
    EXPECT_EQ(empty->lastRowWithData(0), 0);
    EXPECT_EQ(empty->scenarioValue(2025, 0), 0.0);
    EXPECT_EQ(empty->yearOfValue(1.0, 0), 2020);
    EXPECT_EQ(empty->yearOfValue(-1.0, 0), 2030);
}

TEST(ScenarioTable, ParametersKeepTwoDecimalsAndMarkOnlyRealChanges)
{
    auto t = tableWith(2020, 2021, {1});
    t->setScenarioIsDirty(false);
    t->setParameter(0, ScenarioTable::Parameter::DiscountRate, 0);
    EXPECT_FALSE(t->scenarioIsDirty());
    t->setParameter(0, ScenarioTable::Parameter::DiscountRate, 3.456);
    EXPECT_TRUE(t->scenarioIsDirty());
    EXPECT_EQ(t->scenarioDiscountRate(0), 3.46);
    t->setScenarioIsDirty(false);
    t->setParameter(0, ScenarioTable::Parameter::DiscountRate, 3.46);
    EXPECT_FALSE(t->scenarioIsDirty());
}

TEST(ScenarioTable, ChangingTheEndYearKeepsValuesInTheirYears)
{
    auto years = std::make_shared<ProjectYears>();
    years->setBeginYear(2000);
    years->setEndYear(2010);
    ScenarioTable t(years);
    t.setUpScenarioGridFinalPhase(PathwayType::ConditionBased);
    t.addScenario("s", 0);
    t.setValue(0, 2005, 7, true);
    years->setEndYear(2050);
    t.setUpScenarioGridFinalPhase(PathwayType::ConditionBased);
    EXPECT_EQ(t.yearRowCount(), 51);
    EXPECT_EQ(t.cellValue(0, 2005), 7);
    EXPECT_FALSE(t.setValue(0, 2051, 1, true));
    t.setUpScenarioGridFinalPhase(PathwayType::TimeBased);
    EXPECT_EQ(t.yearRowCount(), 0);
}

TEST(ScenarioTable, NewTimeColumnScenarioIsBlackWithZeroParameters)
{
    ScenarioTable t;
    t.addColumnForNewTimeColumn("Scenario0");
    EXPECT_EQ(t.scenarioCount(), 1);
    EXPECT_EQ(t.scenarioName(0), "Scenario0");
    EXPECT_EQ(t.scenarioColor(0), colors::Black);
    EXPECT_EQ(t.scenarioGrowthRate(0), 0);
}

} // namespace
} // namespace vantrel
