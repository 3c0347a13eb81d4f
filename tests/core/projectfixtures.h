// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "project/project.h"

#include <memory>

namespace vantrel::test {

/// The condition-based project that tests/data/expected-condition.pathway describes: every kind
/// of element, texts that need escaping, a scenario with defined and interpolated years, changed
/// map settings, a calculated cost column and a two-step benefit curve.
inline std::unique_ptr<Project> makeConditionProject()
{
    auto p = std::make_unique<Project>();
    ElementsList& list = p->elements();
    p->setBeginYear(2020);
    p->setEndYear(2025);

    Element& current =
        list.addSimpleElement("Current Situation", colors::Gray, 0.25, 0, 0, nullptr, 0, 0);
    list.setCurrentElementId(current.id());
    current.setYCoord(100);

    Element& dike = list.addSimpleElement("Dike & <raise>", rgb(0xA1, 0xB2, 0xC3), 0.5, 1500000,
                                          100, &current, 0, 0);
    dike.setYCoord(40);
    dike.setTweakX(3);
    dike.setTweakY(-2);
    dike.setTransferCosts(2.5);
    dike.setCoBenefits(0.1);
    dike.setScore1(1);
    dike.setScore2(2);
    dike.setScore3(-3);
    dike.setDimmed(true);

    Element& pump = list.addSimpleElement("  'Pump' \"station\"", colors::Red, 0.00001, 1.0 / 3.0,
                                          50, &current, 0, 0);
    pump.setYCoord(160);

    Element& both = list.addCombinationElement("", 1e15, dike.id(), pump.id());
    both.setCombinationType(CombinationType::Combine);
    both.setInitialCosts(0);
    both.setRecurrentCosts(7); // derived as 100 + 50 when written
    both.setYCoord(165);

    ScenarioTable& s = p->scenarios();
    const int low = s.addScenario("Low", 0xFF0000);
    s.setParameter(low, ScenarioTable::Parameter::DiscountRate, 3.456);
    s.setParameter(low, ScenarioTable::Parameter::GrowthRate, -1.5);
    s.setValue(low, 2020, 1.0, true);
    s.setValue(low, 2024, 2.0, true);
    s.interpolateScenario(low);
    s.setLastRowWithData(low, s.calculateLastRowWithData(low));
    s.addScenario("", colors::None);

    PathwayGraphics& g = p->graphics();
    g.setMaxTippingPointValue(3);
    g.setMinTippingPointValue(-0.5);
    g.setShowXAxis(false);
    g.setXAxisTitle("Sea level rise [m]");
    g.setXAxisDecimalPlaces(-1);

    p->addCalculatedCostCol(0, 2050);

    BenefitCurve& b = p->benefits();
    b.setNrOfSteps(2);
    b.fillData();
    b.setStepBenefit(1, 5.5);
    b.setStepBenefit(2, 11);
    return p;
}

} // namespace vantrel::test
