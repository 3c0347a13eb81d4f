// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "casename.h"
#include "map/pathwaygraphics.h"
#include "model/elementslist.h"
#include "scenarios/scenariotable.h"

#include <memory>
#include <string>

namespace vantrel::test {

/// A small map built through the model: a list with a current situation (tipping at 10,
/// gray), a scenario table sharing its timeframe and map settings with the defaults of a new
/// view. Elements are added with the helpers below; rows are left to the test.
struct MapFixture {
    explicit MapFixture(PathwayType type = PathwayType::ConditionBased, int timeColumns = 1)
    {
        list.setPathwayType(type);
        if (type == PathwayType::TimeBased) {
            list.addTippingTimeColumns(timeColumns);
            for (int i = 0; i < timeColumns; ++i)
                scenarios.addColumnForNewTimeColumn(list.tippingTimeColumnCaptions(i));
            years->setBeginYear(0);
            years->setEndYear(100);
        } else {
            years->setBeginYear(2020);
            years->setEndYear(2100);
        }
        scenarios.setUpScenarioGridFinalPhase(type);
        current =
            &list.addSimpleElement("Current Situation", colors::Gray, 10, 0, 0, nullptr, 0, 0);
        list.setCurrentElementId(current->id());
    }

    Element& action(const std::string& name, Color color, double tipping)
    {
        return list.addSimpleElement(name, color, tipping, 0, 0, current, 0, 0);
    }
    Element& action(const std::string& name, Color color, double tipping,
                    const Element* predecessor)
    {
        return list.addSimpleElement(name, color, tipping, 0, 0, predecessor, 0, 0);
    }
    /// A pathway element: `predecessor` so far, continuing into `second`.
    Element& pathway(double tipping, const Element& predecessor, const Element& second,
                     CombinationType type = CombinationType::Sequence)
    {
        Element& e = list.addCombinationElement("", tipping, predecessor.id(), second.id());
        e.setCombinationType(type);
        return e;
    }
    void layoutRows() { graphics.autoCalculateYCoordinates(list, scenarios); }

    std::shared_ptr<ProjectYears> years = std::make_shared<ProjectYears>();
    ElementsList list{years};
    ScenarioTable scenarios{years};
    PathwayGraphics graphics;
    Element* current = nullptr;
};

} // namespace vantrel::test
