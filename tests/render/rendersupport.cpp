// SPDX-License-Identifier: GPL-3.0-or-later
#include "rendersupport.h"

#include "mapfont.h"
#include "testsupport.h"

#include <QColor>
#include <QFontMetrics>
#include <cstring>
#include <map>

namespace vantrel::test {

std::unique_ptr<Project> openExample(std::string_view name)
{
    return Project::open(examplePath(name).string());
}

std::unique_ptr<Project> makeShowcaseProject()
{
    auto project = Project::newProject(PathwayType::ConditionBased, 2020);
    ElementsList& list = project->elements();
    Element& current = *list.currentElement();
    Element& dike =
        list.addSimpleElement("Raise dikes", rgb(200, 60, 40), 35, 0, 0, &current, 0, 0);
    Element& pump =
        list.addSimpleElement("Pump station", rgb(30, 90, 200), 55, 0, 0, &current, 0, 0);
    Element& retreat =
        list.addSimpleElement("Managed retreat", rgb(40, 160, 60), 80, 0, 0, &current, 0, 0);
    Element& floating =
        list.addSimpleElement("Floating homes", rgb(230, 140, 20), 45, 0, 0, &current, 0, 0);
    floating.setDimmed(true);
    list.addCombinationElement("", 60, dike.id(), pump.id())
        .setCombinationType(CombinationType::Sequence);
    Element& both = list.addCombinationElement("", 70, dike.id(), pump.id());
    both.setCombinationType(CombinationType::Combine);
    list.addCombinationElement("", 95, both.id(), retreat.id())
        .setCombinationType(CombinationType::Combine);

    ScenarioTable& s = project->scenarios();
    const int moderate = s.addScenario("Moderate", colors::Black);
    const int extreme = s.addScenario("Extreme", colors::Black);
    s.setValue(moderate, 2020, 0, true);
    s.setValue(moderate, 2100, 60, true);
    s.setValue(extreme, 2020, 0, true);
    s.setValue(extreme, 2060, 40, true);
    s.setValue(extreme, 2100, 110, true);
    for (int i : {moderate, extreme}) {
        s.interpolateScenario(i);
        s.setLastRowWithData(i, s.calculateLastRowWithData(i));
    }
    PathwayGraphics& g = project->graphics();
    g.setXAxisTitle("Water level [cm]");
    g.setDrawingAreaHeight(700);
    g.autoCalculateYCoordinates(list, s);
    return project;
}

RecordingSurface recordMap(Project& project, int series, int highlightIndex)
{
    auto metrics = std::make_shared<std::map<int, QFontMetrics>>();
    RecordingSurface surface([metrics](const std::string& text, int size) {
        auto it = metrics->find(size);
        if (it == metrics->end())
            it = metrics->emplace(size, QFontMetrics(mapFont(size))).first;
        return mapTextExtent(it->second, text);
    });
    project.graphics().drawPathwayOnCanvas(surface, project.elements(), project.scenarios(), series,
                                           highlightIndex);
    return surface;
}

std::vector<QRect> textRects(const RecordingSurface& recording, int margin)
{
    std::vector<QRect> rects;
    for (const auto& t : recording.texts()) {
        const TextExtent e = mapTextExtent(QFontMetrics(mapFont(t.fontSize)), t.text);
        rects.emplace_back(
            QRect(t.x1, t.y1, e.width, e.height).adjusted(-margin, -margin, margin, margin));
    }
    return rects;
}

ImageComparison compareImages(const QImage& actualImage, const QImage& expectedImage,
                              const std::vector<QRect>& masked, int tolerance)
{
    ImageComparison r;
    const QImage actual = actualImage.convertToFormat(QImage::Format_ARGB32);
    const QImage expected = expectedImage.convertToFormat(QImage::Format_ARGB32);
    r.diff = QImage(expected.size(), QImage::Format_ARGB32);
    r.diff.fill(Qt::white);
    if (actual.size() != expected.size()) {
        r.differentPixels = std::int64_t{expected.width()} * expected.height() + 1;
        return r;
    }
    std::vector<bool> mask(static_cast<std::size_t>(expected.width() * expected.height()), false);
    for (const QRect& rect : masked) {
        const QRect clipped = rect.intersected(expected.rect());
        for (int y = clipped.top(); y <= clipped.bottom(); ++y)
            for (int x = clipped.left(); x <= clipped.right(); ++x)
                mask[static_cast<std::size_t>(y * expected.width() + x)] = true;
    }
    for (int y = 0; y < expected.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
        const auto* e = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        auto* d = reinterpret_cast<QRgb*>(r.diff.scanLine(y));
        for (int x = 0; x < expected.width(); ++x) {
            const int faded = 255 - (255 - qGray(e[x])) / 4;
            d[x] = qRgb(faded, faded, faded);
            if (mask[static_cast<std::size_t>(y * expected.width() + x)])
                continue;
            ++r.comparedPixels;
            const bool differs = std::abs(qRed(a[x]) - qRed(e[x])) > tolerance ||
                                 std::abs(qGreen(a[x]) - qGreen(e[x])) > tolerance ||
                                 std::abs(qBlue(a[x]) - qBlue(e[x])) > tolerance;
            if (differs) {
                ++r.differentPixels;
                d[x] = qRgb(255, 0, 0);
            }
        }
    }
    return r;
}

namespace {

std::uint32_t u32(std::string_view b, std::size_t at)
{
    std::uint32_t v = 0;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

std::int32_t i32(std::string_view b, std::size_t at)
{
    return static_cast<std::int32_t>(u32(b, at));
}

std::u16string utf16At(std::string_view b, std::size_t at, std::size_t units)
{
    std::u16string s(units, u'\0');
    std::memcpy(s.data(), b.data() + at, units * 2);
    return s;
}

} // namespace

EmfContents parseEmf(std::string_view b)
{
    enum : std::uint32_t {
        Header = 1,
        Eof = 14,
        SetTextColor = 24,
        MoveToEx = 27,
        SelectObject = 37,
        CreatePen = 38,
        CreateBrushIndirect = 39,
        DeleteObject = 40,
        Ellipse = 42,
        Rectangle = 43,
        LineTo = 54,
        ExtCreateFontIndirectW = 82,
        ExtTextOutW = 84,
        ExtCreatePen = 95,
    };
    struct Pen {
        int width = 1;
        std::uint32_t color = 0;
        bool null = false;
    };
    EmfContents c;
    std::map<std::uint32_t, Pen> pens;
    Pen pen; // a new metafile draws with a black hairline
    int x = 0;
    int y = 0;
    std::size_t at = 0;
    while (at + 8 <= b.size()) {
        const std::uint32_t type = u32(b, at);
        const std::uint32_t size = u32(b, at + 4);
        if (size < 8 || size % 4 != 0 || at + size > b.size())
            return c;
        const std::string_view r = b.substr(at, size);
        ++c.records;
        switch (type) {
        case Header:
            if (c.records != 1 || size < 88 || u32(r, 40) != 0x464D4520)
                return c;
            c.headerFound = true;
            c.boundsRight = i32(r, 16);
            c.boundsBottom = i32(r, 20);
            c.frameLeft = i32(r, 24);
            c.frameTop = i32(r, 28);
            c.frameRight = i32(r, 32);
            c.frameBottom = i32(r, 36);
            c.declaredBytes = u32(r, 48);
            c.declaredRecords = u32(r, 52);
            c.devicePixelsX = i32(r, 72);
            c.devicePixelsY = i32(r, 76);
            c.deviceMillimetresX = i32(r, 80);
            c.deviceMillimetresY = i32(r, 84);
            break;
        case CreatePen:
            pens[u32(r, 8)] = Pen{i32(r, 16), u32(r, 24), u32(r, 12) == 5};
            break;
        case ExtCreatePen:
            pens[u32(r, 8)] = Pen{i32(r, 32), u32(r, 40), false};
            break;
        case CreateBrushIndirect:
        case DeleteObject:
            // Handles are reused: this one is no pen any more.
            pens.erase(u32(r, 8));
            break;
        case SelectObject: {
            const std::uint32_t handle = u32(r, 8);
            if (handle & 0x80000000u) {
                const std::uint32_t stock = handle & 0x7FFFFFFFu;
                if (stock == 8) // NULL_PEN
                    pen = Pen{0, 0, true};
                else if (stock == 7) // BLACK_PEN
                    pen = Pen{};
            } else if (auto it = pens.find(handle); it != pens.end()) {
                pen = it->second;
            }
            break;
        }
        case MoveToEx:
            x = i32(r, 8);
            y = i32(r, 12);
            break;
        case LineTo:
            c.lines.push_back({x, y, i32(r, 8), i32(r, 12), pen.width, pen.color});
            x = i32(r, 8);
            y = i32(r, 12);
            break;
        case Ellipse:
            c.ellipses.push_back(
                {i32(r, 8), i32(r, 12), i32(r, 16), i32(r, 20), pen.width, pen.color});
            break;
        case Rectangle:
            c.rectangles.push_back({i32(r, 8), i32(r, 12), i32(r, 16), i32(r, 20),
                                    pen.null ? 0 : pen.width, pen.color});
            break;
        case ExtCreateFontIndirectW: {
            pens.erase(u32(r, 8));
            c.fontHeights.push_back(i32(r, 12));
            std::u16string face = utf16At(r, 12 + 28, 32);
            face.resize(face.find(u'\0') == std::u16string::npos ? face.size() : face.find(u'\0'));
            c.fontFaces.push_back(face);
            break;
        }
        case ExtTextOutW: {
            const std::uint32_t chars = u32(r, 44);
            const std::uint32_t offString = u32(r, 48);
            const std::uint32_t offDx = u32(r, 72);
            if (offString + chars * 2 > size || (offDx && offDx + chars * 4 > size))
                return c;
            EmfContents::Text t{i32(r, 36), i32(r, 40), utf16At(r, offString, chars), 0};
            for (std::uint32_t i = 0; offDx && i < chars; ++i)
                t.advanceSum += i32(r, offDx + 4 * i);
            c.texts.push_back(t);
            break;
        }
        case Eof:
            c.endFound = true;
            return c;
        default:
            // Records that fill an area of their own (bitmaps, paint and fill region, ...) would
            // be a background; everything else is state.
            if (type == 71 || type == 74 || type == 76 || type == 80 || type == 81)
                ++c.backgroundFills;
            break;
        }
        at += size;
    }
    return c;
}

} // namespace vantrel::test
