// SPDX-License-Identifier: GPL-3.0-or-later
// Load, save, tipping years and yearly lookups for generated projects of 100, 1,000 and 10,000
// elements with 10 scenarios of 100 years. Loading is measured beside a bare pugixml parse of
// the same bytes, so the reader's own cost can be read off one run.
#include "project/project.h"
#include "xml/xmldocument.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <map>
#include <memory>
#include <pugixml.hpp>
#include <string>

using namespace vantrel;

namespace {

constexpr int kScenarios = 10;
constexpr int kYears = 100;

/// A project of `n` elements: a third actions, the rest sequences and combinations of earlier
/// elements, with scenarios rising at different speeds.
std::unique_ptr<Project> generate(int n)
{
    auto p = Project::newProject(PathwayType::ConditionBased, 2000);
    p->setEndYear(2000 + kYears - 1);
    ElementsList& list = p->elements();
    Element* current = list.currentElement();
    std::vector<Element*> actions{current};
    for (int i = 1; i < n; ++i) {
        if (i % 3 == 1 || actions.size() < 3) {
            Element& a =
                list.addSimpleElement("Action " + std::to_string(i), rgb(i * 37, i * 59, i * 83),
                                      10 + i % 90, 1000 * i, 10 * i, current, 0, 0);
            a.setScore1(i % 5);
            actions.push_back(&a);
        } else {
            const Element& first = *actions[static_cast<std::size_t>(i * 7) % actions.size()];
            const Element& second = *actions[static_cast<std::size_t>(i * 13) % actions.size()];
            Element& e = list.addCombinationElement("Pathway " + std::to_string(i), 20 + i % 80,
                                                    first.id(), second.id());
            e.setCombinationType(i % 2 ? CombinationType::Combine : CombinationType::Sequence);
        }
    }
    ScenarioTable& s = p->scenarios();
    for (int k = 0; k < kScenarios; ++k) {
        const int sc = s.addScenario("Scenario " + std::to_string(k), rgb(k * 20, 0, 0));
        for (int y = 0; y < kYears; ++y)
            s.setValue(sc, 2000 + y, y * (1.0 + 0.1 * k), true);
        s.setLastRowWithData(sc, s.calculateLastRowWithData(sc));
    }
    p->graphics().autoCalculateYCoordinates(list, s);
    return p;
}

struct Fixture {
    std::unique_ptr<Project> project;
    std::string bytes;
};

Fixture& fixture(int n)
{
    static std::map<int, Fixture> cache;
    auto it = cache.find(n);
    if (it == cache.end()) {
        Fixture f;
        f.project = generate(n);
        f.bytes = f.project->toFileBytes();
        it = cache.emplace(n, std::move(f)).first;
    }
    return it->second;
}

void BM_ParseOnly(benchmark::State& state)
{
    const std::string& bytes = fixture(static_cast<int>(state.range(0))).bytes;
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_buffer(bytes.data(), bytes.size(),
                                                 pugi::parse_cdata | pugi::parse_wconv_attribute,
                                                 pugi::encoding_utf8));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_Load(benchmark::State& state)
{
    const std::string& bytes = fixture(static_cast<int>(state.range(0))).bytes;
    for (auto _ : state)
        benchmark::DoNotOptimize(Project::openBytes(bytes, "bench.pathway"));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_Save(benchmark::State& state)
{
    Project& p = *fixture(static_cast<int>(state.range(0))).project;
    for (auto _ : state)
        benchmark::DoNotOptimize(p.toFileBytes());
}

void BM_TippingYears(benchmark::State& state)
{
    Project& p = *fixture(static_cast<int>(state.range(0))).project;
    const ElementsList& list = p.elements();
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (int i = 0; i < list.count(); ++i)
            for (int k = 0; k < kScenarios; ++k)
                sum += list.elements(i).calculatedTippingTimeValue(p.scenarios(), k) +
                       list.elements(i).calculatedStartTippingTimeValue(p.scenarios(), k);
        benchmark::DoNotOptimize(sum);
    }
}

void BM_YearlyLookups(benchmark::State& state)
{
    Project& p = *fixture(static_cast<int>(state.range(0))).project;
    const ElementsList& list = p.elements();
    const ScenarioTable& s = p.scenarios();
    for (auto _ : state) {
        double sum = 0;
        // What the yearly cost series asks: every element, year and scenario.
        for (int i = 0; i < list.count(); ++i)
            for (int k = 0; k < kScenarios; ++k)
                for (int y = s.beginYear(); y <= s.endYear(); y += 10)
                    sum += s.scenarioValue(y, k) +
                           list.elements(i).isCalculatedTippingTimeValue(s, y, k);
        benchmark::DoNotOptimize(sum);
    }
}

void BM_ChildNumbers(benchmark::State& state)
{
    Project& p = *fixture(static_cast<int>(state.range(0))).project;
    ElementsList& list = p.elements();
    for (auto _ : state) {
        // A change to the links drops the indexes; the next layout rebuilds them once.
        list.elements(list.count() - 1).setTweakY(static_cast<int>(state.iterations() % 2));
        Element& e = list.elements(1);
        const std::int32_t predecessor = e.predecessorId();
        e.setPredecessorId(-2);
        e.setPredecessorId(predecessor);
        std::int64_t sum = 0;
        for (int i = 0; i < list.count(); ++i)
            sum += list.elements(i).childNumber();
        benchmark::DoNotOptimize(sum);
    }
}

} // namespace

BENCHMARK(BM_ParseOnly)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Load)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Save)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TippingYears)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_YearlyLookups)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChildNumbers)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
int main(int argc, char** argv)
{
    // Every iteration frees a whole project; without this the allocator hands those megabytes
    // back to the kernel and the next iteration pays for fresh zeroed pages, which measures the
    // kernel rather than the reader.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
