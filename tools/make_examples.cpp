// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the bundled example projects through the model, so they are always files that the
// program itself produces. Usage: make_examples OUTPUT_FOLDER
#include "project/project.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <string>

using namespace vantrel;

namespace {

Element& action(Project& p, const char* name, Color color, double tipping, double initial,
                double recurrent, const Element* after, int s1, int s2, int s3)
{
    Element& e =
        p.elements().addSimpleElement(name, color, tipping, initial, recurrent, after, 0, 0);
    e.setScore1(s1);
    e.setScore2(s2);
    e.setScore3(s3);
    return e;
}

Element& pathway(Project& p, const char* name, double tipping, const Element& first,
                 const Element& second, CombinationType type)
{
    Element& e = p.elements().addCombinationElement(name, tipping, first.id(), second.id());
    e.setCombinationType(type);
    return e;
}

void addYearlySeries(ScenarioTable& s, int scenario, double linear, double quadratic)
{
    for (std::int32_t y = s.beginYear(); y <= s.endYear(); ++y) {
        const double t = y - s.beginYear();
        // Sea-level rise in metres above today, rounded to the millimetre as published series are.
        s.setValue(scenario, y, std::round((linear * t + quadratic * t * t) * 1000) / 1000, true);
    }
    s.setLastRowWithData(scenario, s.calculateLastRowWithData(scenario));
}

std::unique_ptr<Project> coastalTown()
{
    auto p = Project::newProject(PathwayType::ConditionBased, 2026);
    Element& current = p->elements().elements(0);
    current.setTippingPointValue(0.1);

    Element& beach =
        action(*p, "Beach nourishment", rgb(230, 180, 40), 0.25, 2.5e6, 0.4e6, &current, 4, 3, 4);
    Element& dike =
        action(*p, "Raise dikes 0.5 m", rgb(30, 90, 200), 0.5, 12e6, 0.3e6, &current, 3, 4, 2);
    Element& floating =
        action(*p, "Floating homes", rgb(20, 160, 150), 0.8, 8e6, 0.2e6, &current, 2, 3, 3);
    Element& barrier =
        action(*p, "Storm surge barrier", rgb(200, 40, 40), 1.2, 95e6, 1.5e6, &current, 1, 5, 1);
    Element& retreat =
        action(*p, "Managed retreat", rgb(120, 70, 160), 1.5, 60e6, 0.1e6, &current, 1, 2, 5);
    beach.setCoBenefits(0.2e6);
    floating.setCoBenefits(0.1e6);
    retreat.setCoBenefits(0.3e6);
    barrier.setTransferCosts(5e6);
    retreat.setTransferCosts(3e6);

    Element& beachThenDike =
        pathway(*p, "Beach nourishment, then dikes", 0.5, beach, dike, CombinationType::Sequence);
    beachThenDike.setTransferCosts(1e6);
    Element& dikeAndFloating =
        pathway(*p, "Dikes with floating homes", 0.9, dike, floating, CombinationType::Combine);
    Element& dikeThenBarrier =
        pathway(*p, "Dikes, then barrier", 1.2, dike, barrier, CombinationType::Sequence);
    dikeThenBarrier.setTransferCosts(4e6);
    Element& toRetreat = pathway(*p, "Dikes and floating homes, then retreat", 1.5, dikeAndFloating,
                                 retreat, CombinationType::Sequence);
    toRetreat.setDimmed(true);

    ScenarioTable& s = p->scenarios();
    const int low = s.addScenario("Moderate rise", rgb(0, 128, 0));
    const int high = s.addScenario("High-end rise", rgb(192, 0, 0));
    addYearlySeries(s, low, 0.004, 0.00004);
    addYearlySeries(s, high, 0.006, 0.00016);
    for (int sc : {low, high}) {
        s.setParameter(sc, ScenarioTable::Parameter::DiscountRate, 3);
        s.setParameter(sc, ScenarioTable::Parameter::GrowthRate, sc == low ? 1.5 : 1);
    }

    PathwayGraphics& g = p->graphics();
    g.setMinTippingPointValue(0);
    g.setMaxTippingPointValue(1.5);
    g.setTicksXAxis(4);
    g.setXAxisDecimalPlaces(1);
    g.setXAxisTitle("Sea-level rise [m]");
    g.setDrawingAreaHeight(700);

    BenefitCurve& b = p->benefits();
    b.benefitsSetMinMax(0, 50);
    for (int i = 0; i <= b.nrOfSteps(); ++i)
        b.setStepBenefit(i, 10.0 * i);

    p->graphics().autoCalculateYCoordinates(p->elements(), p->scenarios());
    return p;
}

std::unique_ptr<Project> riverDelta()
{
    auto p = Project::newProject(PathwayType::TimeBased);
    ElementsList& list = p->elements();
    list.setTippingTimeColumnCaptions(0, "Moderate climate");
    list.setTippingTimeColumnColors(0, rgb(0, 128, 0));
    list.addTippingTimeColumns(1);
    list.setTippingTimeColumnCaptions(1, "Extreme climate");
    list.setTippingTimeColumnColors(1, rgb(192, 0, 0));
    ScenarioTable& s = p->scenarios();
    s.setScenarioName(0, "Moderate climate");
    s.addColumnForNewTimeColumn("Extreme climate");
    for (int sc = 0; sc < 2; ++sc)
        s.setParameter(sc, ScenarioTable::Parameter::DiscountRate, 4);
    p->setBeginYear(2025);
    p->setEndYear(2100);

    Element& current = list.elements(0);
    current.setTippingTimeValue(0, 2035);
    current.setTippingTimeValue(1, 2030);

    struct Years {
        std::int32_t moderate;
        std::int32_t extreme;
    };
    auto timed = [&](const char* name, Color color, Years y, double initial, double recurrent,
                     const Element* after, int s1, int s2, int s3) -> Element& {
        Element& e = action(*p, name, color, y.moderate, initial, recurrent, after, s1, s2, s3);
        e.setTippingTimeValue(1, y.extreme);
        return e;
    };
    Element& retention =
        timed("Retention basins", rgb(40, 140, 200), {2055, 2042}, 18e6, 0.3e6, &current, 3, 3, 4);
    Element& embankments =
        timed("Higher embankments", rgb(110, 80, 40), {2065, 2048}, 40e6, 0.6e6, &current, 2, 4, 2);
    Element& room = timed("Room for the river", rgb(60, 170, 70), {2090, 2070}, 120e6, 0.5e6,
                          &current, 4, 5, 5);
    Element& proof = timed("Flood-proof buildings", rgb(220, 120, 30), {2080, 2060}, 30e6, 0.2e6,
                           &current, 2, 2, 3);
    Element& retentionThenRoom = pathway(*p, "Retention, then room for the river", 2090, retention,
                                         room, CombinationType::Sequence);
    retentionThenRoom.setTippingTimeValue(1, 2070);
    Element& embankmentsAndProof = pathway(*p, "Embankments with flood-proofing", 2085, embankments,
                                           proof, CombinationType::Combine);
    embankmentsAndProof.setTippingTimeValue(1, 2066);

    p->addCalculatedCostCol(0, 2050);
    p->addCalculatedCostCol(1, 2050);

    PathwayGraphics& g = p->graphics();
    g.setMinTippingPointValue(2025);
    g.setMaxTippingPointValue(2100);
    g.setTicksXAxis(4);
    g.setXAxisTitle("Year");
    p->graphics().autoCalculateYCoordinates(p->elements(), p->scenarios());
    return p;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: make_examples OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    try {
        coastalTown()->save(folder + "/coastal-town.pathway");
        riverDelta()->save(folder + "/river-delta-timebased.pathway");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
