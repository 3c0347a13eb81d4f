// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the project reader, then saves to memory and walks every element's
// derived values: nothing may crash, hang or grow without bound, whatever the file holds.
#include "project/project.h"
#include "xml/xmldocument.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<Project> project;
    try {
        project = Project::openBytes(bytes, "fuzz.pathway");
    } catch (const FileError&) {
        return 0;
    } catch (const ConversionError&) {
        return 0;
    }
    const std::string saved = project->toFileBytes();
    (void)saved;

    ElementsList& list = project->elements();
    const ScenarioTable& scenarios = project->scenarios();
    PathwayGraphics& map = project->graphics();
    const int columns = std::max(list.tippingTimeValuesCount(), scenarios.scenarioCount());
    volatile double sink = 0;
    for (int i = 0; i < list.count(); ++i) {
        Element& e = list.elements(i);
        sink = sink + e.myColor() + e.recurrentCosts() + e.childNumber() + e.childCount() +
               e.dependencyCount();
        const int colours = e.colorCount();
        for (int c = 0; c < colours; ++c)
            sink = sink + e.colors(c);
        for (int k = 0; k < std::min(columns, 4); ++k) {
            sink = sink + e.startTippingValue(k) + e.tipsLaterThanSecond(k);
            const auto year = e.calculatedTippingTimeValue(scenarios, k);
            sink = sink + year + e.calculatedStartTippingTimeValue(scenarios, k) +
                   e.isCalculatedTippingTimeValue(scenarios, year ^ 1, k);
            map.layoutElementHorizontally(e, k);
        }
    }
    map.autoCalculateYCoordinates(list, scenarios);
    sink = sink + map.startLineTop() + map.startLineBottom() + project->benefits().findBenefit(1);
    return 0;
}
