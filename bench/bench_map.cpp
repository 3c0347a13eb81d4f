// SPDX-License-Identifier: GPL-3.0-or-later
// The pathway map for generated projects of 100, 1,000 and 10,000 elements: the automatic rows,
// the whole picture rendered into an image (renderMapImage, without PNG encoding), and beside it
// a bare QPainter loop that draws one 5-pixel line and one station circle per element at the
// same places into an image of the same size, so the drawing's own cost can be read off one run.
// BM_DrawOnNullSurface is the core drawing alone, onto a surface that paints nothing.
#include "map/surface.h"
#include "mapexport.h"
#include "project/project.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>

using namespace vantrel;

namespace {

/// A project of `n` elements: a fifth actions starting from the current situation, the rest
/// pathway elements continuing an earlier element into an action, one in five a combination.
std::unique_ptr<Project> generate(int n)
{
    auto p = Project::newProject(PathwayType::ConditionBased, 2020);
    ElementsList& list = p->elements();
    Element* current = list.currentElement();
    std::mt19937 random(42);
    const auto uniform = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    std::vector<Element*> actions;
    std::vector<Element*> all{current};
    const int actionCount = std::max(2, n / 5);
    for (int i = 0; i < actionCount && static_cast<int>(all.size()) < n; ++i) {
        Element& a = list.addSimpleElement("Action " + std::to_string(i),
                                           rgb(uniform(0, 255), uniform(0, 255), uniform(0, 255)),
                                           uniform(15, 60), 0, 0, current, 0, 0);
        actions.push_back(&a);
        all.push_back(&a);
    }
    while (static_cast<int>(all.size()) < n) {
        const Element& from =
            *all[static_cast<std::size_t>(uniform(1, static_cast<int>(all.size()) - 1))];
        const Element& into =
            *actions[static_cast<std::size_t>(uniform(0, static_cast<int>(actions.size()) - 1))];
        const double tipping = std::min(100.0, from.tippingPointValue() + uniform(5, 25));
        Element& e = list.addCombinationElement("", tipping, from.id(), into.id());
        e.setCombinationType(uniform(0, 4) == 0 ? CombinationType::Combine
                                                : CombinationType::Sequence);
        e.setDimmed(uniform(0, 9) == 0);
        all.push_back(&e);
    }
    ScenarioTable& s = p->scenarios();
    const int sc = s.addScenario("Rising", colors::Black);
    s.setValue(sc, 2020, 0, true);
    s.setValue(sc, 2100, 90, true);
    s.interpolateScenario(sc);
    s.setLastRowWithData(sc, s.calculateLastRowWithData(sc));
    p->graphics().autoCalculateYCoordinates(list, s);
    return p;
}

Project& fixture(int n)
{
    static std::map<int, std::unique_ptr<Project>> projects;
    auto& p = projects[n];
    if (!p)
        p = generate(n);
    return *p;
}

void BM_AutoCalculateYCoordinates(benchmark::State& state)
{
    Project& p = fixture(static_cast<int>(state.range(0)));
    for (auto _ : state)
        p.graphics().autoCalculateYCoordinates(p.elements(), p.scenarios());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_RenderMapImage(benchmark::State& state)
{
    Project& p = fixture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QImage image = renderMapImage(p, 0, -1);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_BareQPainterLoop(benchmark::State& state)
{
    Project& p = fixture(static_cast<int>(state.range(0)));
    renderMapImage(p, 0, -1); // lays every element out
    const ElementsList& list = p.elements();
    const QSize size(p.graphics().drawingAreaWidth(), p.graphics().drawingAreaHeight());
    for (auto _ : state) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::white);
        for (int i = 0; i < list.count(); ++i) {
            const Element& e = list.elements(i);
            const Color c = e.myColor();
            painter.setPen(QPen(QColor(redOf(c), greenOf(c), blueOf(c)), 5, Qt::SolidLine,
                                Qt::RoundCap, Qt::RoundJoin));
            painter.drawLine(QPointF(e.xCoordStart() + 0.5, e.yCoord() + 0.5),
                             QPointF(e.xCoordEnd() + 0.5, e.yCoord() + 0.5));
            painter.drawEllipse(QRectF(e.xCoordStart() - 6.5, e.yCoord() - 6.5, 14, 14));
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

/// Counts what is drawn and paints nothing.
class NullSurface : public Surface {
public:
    void setPenColor(Color) override {}
    void setPenWidth(int) override {}
    void setBrushColor(Color) override {}
    void setFontSize(int) override {}
    void setFontColor(Color) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override { ++lines; }
    void fillRect(int, int, int, int) override {}
    void ellipse(int, int, int, int) override { ++ellipses; }
    void textOut(int, int, const std::string&) override { ++texts; }
    TextExtent textExtent(const std::string&) override { return {10, 10}; }
    long lines = 0, ellipses = 0, texts = 0;
};

void BM_DrawOnNullSurface(benchmark::State& state)
{
    Project& p = fixture(static_cast<int>(state.range(0)));
    NullSurface s;
    for (auto _ : state) {
        s = NullSurface();
        p.graphics().drawPathwayOnCanvas(s, p.elements(), p.scenarios(), 0, -1);
    }
    state.counters["lines"] = s.lines;
    state.counters["ellipses"] = s.ellipses;
    state.counters["texts"] = s.texts;
}
BENCHMARK(BM_DrawOnNullSurface)->Arg(100)->Arg(1000)->Arg(10000);

} // namespace

BENCHMARK(BM_AutoCalculateYCoordinates)->Arg(100)->Arg(1000)->Arg(10000);
BENCHMARK(BM_RenderMapImage)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareQPainterLoop)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
