// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small projects for the map tests, built through the model. With the default map settings
// (scale 7.4 pixels per unit from x 210, graph band 500 pixels high) their geometry is:
//
//   element            row   line x          tips at
//   Current Situation   10   210 .. 284      10
//   Dikes              177   284 .. 516      40
//   Barrier            343   284 .. 664      60
//   Dikes + Barrier    348   506 .. 812      80   (after Dikes, into Barrier, combined)

#include "model/elementslist.h"
#include "project/project.h"

#include <memory>

namespace vantrel::test {

inline std::unique_ptr<Project> conditionProject()
{
    auto project = Project::newProject(PathwayType::ConditionBased, 2020);
    ElementsList& list = project->elements();
    const Element* current = list.currentElement();
    const Element& dikes = list.addSimpleElement("Dikes", rgb(200, 0, 0), 40, 0, 0, current, 0, 0);
    const Element& barrier =
        list.addSimpleElement("Barrier", rgb(0, 0, 200), 60, 0, 0, current, 0, 0);
    Element& pathway = list.addCombinationElement("Dikes + Barrier", 80, dikes.id(), barrier.id());
    pathway.setCombinationType(CombinationType::Combine);
    project->graphics().autoCalculateYCoordinates(list, project->scenarios());
    return project;
}

/// A time-based project with the columns "Scenario0" and "Dry": the current situation tips in
/// year 10 in both, "Dikes" in year 50 and 60.
inline std::unique_ptr<Project> timeProject()
{
    auto project = Project::newProject(PathwayType::TimeBased);
    ElementsList& list = project->elements();
    Element& dikes =
        list.addSimpleElement("Dikes", rgb(200, 0, 0), 50, 0, 0, list.currentElement(), 0, 0);
    list.addTippingTimeColumns(1);
    list.setTippingTimeColumnCaptions(1, "Dry");
    project->scenarios().addColumnForNewTimeColumn("Dry");
    list.currentElement()->setTippingTimeValue(1, 10);
    dikes.setTippingTimeValue(1, 60);
    project->graphics().autoCalculateYCoordinates(list, project->scenarios());
    return project;
}

} // namespace vantrel::test
