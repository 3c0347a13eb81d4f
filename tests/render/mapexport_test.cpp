// SPDX-License-Identifier: GPL-3.0-or-later
// Whole maps: PNG against reference images, and EMF and SVG holding the same primitives.
//
// The reference images live in tests/data/render. To accept a deliberate change of the
// picture, run the tests with VANTREL_UPDATE_REFERENCES=1, look at every changed PNG and commit
// the ones that are right. A failing comparison leaves the actual image and a diff image (red
// where pixels differ) in actual-output/ under the test's working folder.
#include "casename.h"
#include "emfsurface.h"
#include "map/colortorgb.h"
#include "mapexport.h"
#include "mapfont.h"
#include "rendersupport.h"
#include "testsupport.h"
#include "xml/xmldocument.h"

#include <QBuffer>
#include <QImage>
#include <QXmlStreamReader>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using test::EmfContents;
using test::Primitive;

std::string pngBytes(const QImage& image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data.toStdString();
}

QImage imageFromBytes(const std::string& bytes)
{
    return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                            static_cast<int>(bytes.size()), "PNG");
}

struct MapCase {
    const char* name;
    std::function<std::unique_ptr<Project>()> make;
    int series = 0;
    /// ID of the element whose chain is highlighted; 0 for none.
    std::int32_t highlightId = 0;
};

int highlightIndex(const Project& p, std::int32_t id)
{
    return id == 0 ? -1 : p.elements().findIndex(id);
}

const std::vector<MapCase> kMaps{
    {"coastal-town",
     [] {
         return test::openExample("coastal-town.pathway");
     }},
    {"coastal-town-highlight", [] { return test::openExample("coastal-town.pathway"); }, 0, 9},
    {"river-delta-series0",
     [] {
         return test::openExample("river-delta-timebased.pathway");
     }},
    {"river-delta-series1", [] { return test::openExample("river-delta-timebased.pathway"); }, 1},
    {"showcase",
     [] {
         return test::makeShowcaseProject();
     }},
    {"showcase-highlight", [] { return test::makeShowcaseProject(); }, 0, 8},
};

class ReferenceImage : public ::testing::TestWithParam<MapCase> {};

TEST_P(ReferenceImage, MatchesOutsideTheTexts)
{
    const MapCase& c = GetParam();
    auto project = c.make();
    const int highlight = highlightIndex(*project, c.highlightId);
    ASSERT_TRUE(c.highlightId == 0 || highlight >= 0);
    const QImage actual = renderMapImage(*project, c.series, highlight);
    ASSERT_EQ(actual.width(), project->graphics().drawingAreaWidth());
    ASSERT_EQ(actual.height(), project->graphics().drawingAreaHeight());

    const fs::path reference = test::dataPath(std::string("render/") + c.name + ".png");
    if (std::getenv("VANTREL_UPDATE_REFERENCES")) {
        fs::create_directories(reference.parent_path());
        test::writeFile(reference, pngBytes(actual));
        GTEST_SKIP() << "wrote " << reference;
    }
    ASSERT_TRUE(fs::exists(reference)) << reference << " is missing";
    const QImage expected = imageFromBytes(test::readFile(reference));
    ASSERT_FALSE(expected.isNull());

    // Glyphs differ between font renderers, so the boxes of the texts are left out; lines,
    // stations and bars must agree up to antialiasing.
    const auto recording = test::recordMap(*project, c.series, highlight);
    const auto comparison =
        test::compareImages(actual, expected, test::textRects(recording, 2), 48);
    const std::int64_t allowed = comparison.comparedPixels / 2000;
    if (comparison.differentPixels > allowed) {
        const auto kept = test::keepActualOutput(std::string(c.name) + ".png", pngBytes(actual));
        test::keepActualOutput(std::string(c.name) + "-diff.png", pngBytes(comparison.diff));
        ADD_FAILURE() << comparison.differentPixels << " of " << comparison.comparedPixels
                      << " pixels differ from " << reference << "; see " << kept
                      << " and its -diff.png";
    }
}

INSTANTIATE_TEST_SUITE_P(Maps, ReferenceImage, ::testing::ValuesIn(kMaps), test::CaseName());

TEST(ReferenceImage, HighlightTurnsTheRestSilver)
{
    auto project = test::makeShowcaseProject();
    const Element& pump = project->elements().elements(2);
    ASSERT_EQ(pump.caption(), "Pump station");
    const QImage plain = renderMapImage(*project, 0, -1);
    // The drawing has laid the line out.
    const int y = pump.yCoord();
    const int x = (pump.xCoordStart() + pump.xCoordEnd()) / 2;
    EXPECT_EQ(plain.pixel(x, y), qRgb(30, 90, 200));
    // Highlight the raise-dikes chain: the pump line is then silver.
    const QImage highlighted = renderMapImage(*project, 0, 1);
    EXPECT_EQ(highlighted.pixel(x, y), qRgb(192, 192, 192));
}

/// The 5-pixel strokes and their colours, as plain values for comparison.
struct Stroke {
    int x1, y1, x2, y2, width;
    Color color;
    bool operator==(const Stroke&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Stroke& s)
{
    return out << s.x1 << "," << s.y1 << ">" << s.x2 << "," << s.y2 << " w" << s.width << " #"
               << std::hex << s.color << std::dec;
}

class SameDrawing : public ::testing::TestWithParam<MapCase> {};

TEST_P(SameDrawing, EmfHoldsTheRecordedPrimitives)
{
    const MapCase& c = GetParam();
    auto project = c.make();
    const int highlight = highlightIndex(*project, c.highlightId);
    const auto recording = test::recordMap(*project, c.series, highlight);
    const std::string bytes = mapEmfBytes(*project, c.series, highlight);
    const EmfContents emf = test::parseEmf(bytes);

    ASSERT_TRUE(emf.headerFound);
    ASSERT_TRUE(emf.endFound);
    EXPECT_EQ(emf.declaredBytes, bytes.size());
    const PathwayGraphics& g = project->graphics();
    EXPECT_EQ(emf.frameRight, EmfSurface::frameSize(g.drawingAreaWidth()));
    EXPECT_EQ(emf.frameBottom, EmfSurface::frameSize(g.drawingAreaHeight()));
    EXPECT_EQ(emf.backgroundFills, 0);

    std::vector<Stroke> expected;
    for (const auto& p : recording.lines())
        expected.push_back({p.x1, p.y1, p.x2, p.y2, p.penWidth, colorToRgb(p.penColor)});
    std::vector<Stroke> got;
    for (const auto& l : emf.lines)
        got.push_back({l.x1, l.y1, l.x2, l.y2, l.penWidth, l.penColor});
    EXPECT_EQ(got, expected);
    EXPECT_GT(std::count_if(got.begin(), got.end(), [](const Stroke& s) { return s.width == 5; }),
              5);

    const auto rings = recording.ellipses();
    ASSERT_EQ(emf.ellipses.size(), rings.size());
    for (std::size_t i = 0; i < emf.ellipses.size(); ++i) {
        const auto& e = emf.ellipses[i];
        const auto& r = rings[i];
        EXPECT_EQ((std::vector<int>{e.left, e.top, e.right, e.bottom, e.penWidth}),
                  (std::vector<int>{r.x1, r.y1, r.x2, r.y2, 5}));
        EXPECT_EQ(e.penColor, colorToRgb(r.penColor));
    }

    std::vector<std::string> expectedTexts;
    for (const auto& t : recording.texts())
        if (!t.text.empty())
            expectedTexts.push_back(t.text + "@" + std::to_string(t.x1) + "," +
                                    std::to_string(t.y1));
    std::vector<std::string> gotTexts;
    for (const auto& t : emf.texts)
        gotTexts.push_back(QString::fromStdU16String(t.text).toStdString() + "@" +
                           std::to_string(t.x) + "," + std::to_string(t.y));
    EXPECT_EQ(gotTexts, expectedTexts);
    for (const auto& face : emf.fontFaces)
        EXPECT_EQ(face, mapFontFamily().toStdU16String());
}

TEST_P(SameDrawing, SvgHoldsTheRecordedPrimitives)
{
    const MapCase& c = GetParam();
    auto project = c.make();
    const int highlight = highlightIndex(*project, c.highlightId);
    const auto recording = test::recordMap(*project, c.series, highlight);
    const std::string svg = mapSvgBytes(*project, c.series, highlight);

    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    int lines = 0;
    int ellipses = 0;
    std::vector<std::string> texts;
    QString width;
    QString viewBox;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("svg")) {
            width = xml.attributes().value("width").toString();
            viewBox = xml.attributes().value("viewBox").toString();
        } else if (name == QLatin1String("polyline") || name == QLatin1String("line")) {
            ++lines;
        } else if (name == QLatin1String("ellipse") || name == QLatin1String("circle")) {
            ++ellipses;
        } else if (name == QLatin1String("text")) {
            texts.push_back(xml.readElementText().toStdString());
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    const PathwayGraphics& g = project->graphics();
    EXPECT_EQ(viewBox,
              QStringLiteral("0 0 %1 %2").arg(g.drawingAreaWidth()).arg(g.drawingAreaHeight()));
    // A line of no length leaves no trace in SVG (a polyline of one point is nothing).
    const auto drawn = recording.select(
        [](const Primitive& p) { return p.isLine() && (p.x1 != p.x2 || p.y1 != p.y2); });
    EXPECT_EQ(lines, static_cast<int>(drawn.size()));
    EXPECT_EQ(ellipses, static_cast<int>(recording.ellipses().size()));
    std::vector<std::string> expectedTexts;
    for (const auto& t : recording.texts())
        if (!t.text.empty())
            expectedTexts.push_back(t.text);
    EXPECT_EQ(texts, expectedTexts);
}

INSTANTIATE_TEST_SUITE_P(Maps, SameDrawing, ::testing::ValuesIn(kMaps), test::CaseName());

using Saver = void (*)(Project&, const std::string&, int, int);

struct SaveCase {
    const char* name;
    Saver save;
    std::function<bool(const std::string&)> looksRight;
};

const std::vector<SaveCase> kSavers{
    {"Png", saveMapPng,
     [](const std::string& b) {
         return imageFromBytes(b).size() == QSize(1000, 700);
     }},
    {"Emf", saveMapEmf,
     [](const std::string& b) {
         return test::parseEmf(b).endFound;
     }},
    {"Svg", saveMapSvg,
     [](const std::string& b) {
         return b.find("<svg") != std::string::npos;
     }},
};

class SaveMap : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveMap, ReplacesTheFileWithACompleteImage)
{
    const auto& c = GetParam();
    test::TempDir dir;
    const auto path = dir.file("map.out").string();
    test::writeFile(path, "old");
    auto project = test::makeShowcaseProject();
    c.save(*project, path, 0, -1);
    EXPECT_TRUE(c.looksRight(test::readFile(path)));
    // Nothing is left behind next to it.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST_P(SaveMap, FailureNamesTheFileAndKeepsTheOldOne)
{
    const auto& c = GetParam();
    test::TempDir dir;
    const auto path = dir.file("map.out").string();
    test::writeFile(path, "old");
    auto project = test::makeShowcaseProject();
    project->graphics().setDrawingAreaWidth(0);
    try {
        c.save(*project, path, 0, -1);
        FAIL() << "an empty drawing area was exported";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + path +
                                             "\". The drawing area of 0 x 700 pixels is empty.");
    }
    EXPECT_EQ(test::readFile(path), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST_P(SaveMap, MissingFolderIsReportedAsTheFileThatCannotBeCreated)
{
    const auto& c = GetParam();
    test::TempDir dir;
    const auto path = dir.file("no-such-folder/map.out").string();
    auto project = test::makeShowcaseProject();
    try {
        c.save(*project, path, 0, -1);
        FAIL() << "saved into a missing folder";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + path + "\". ", 0), 0u)
            << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, SaveMap, ::testing::ValuesIn(kSavers), test::CaseName());

struct SizeCase {
    const char* name;
    int width;
    int height;
    bool raster;
    bool vector;
};

class DrawingAreaLimits : public ::testing::TestWithParam<SizeCase> {};

TEST_P(DrawingAreaLimits, AbsurdSizesAreRefusedBeforeAllocating)
{
    const auto& c = GetParam();
    auto project = test::makeShowcaseProject();
    project->graphics().setDrawingAreaWidth(c.width);
    project->graphics().setDrawingAreaHeight(c.height);
    if (c.raster)
        EXPECT_NO_THROW(renderMapImage(*project, 0, -1));
    else
        EXPECT_THROW(renderMapImage(*project, 0, -1), MapSizeError);
    if (c.vector)
        EXPECT_NO_THROW(mapEmfBytes(*project, 0, -1));
    else
        EXPECT_THROW(mapEmfBytes(*project, 0, -1), MapSizeError);
}

INSTANTIATE_TEST_SUITE_P(Table, DrawingAreaLimits,
                         ::testing::Values(SizeCase{"Ordinary", 1000, 600, true, true},
                                           SizeCase{"Zero", 0, 600, false, false},
                                           SizeCase{"Negative", 1000, -600, false, false},
                                           SizeCase{"TooManyPixelsForAnImage", 20000, 20000, false,
                                                    true},
                                           SizeCase{"TooWide", 2'000'000'000, 10, false, false}),
                         test::CaseName());

struct SeparatorCase {
    const char* name;
    QLocale locale;
    char separator;
};

class RegionalSettings : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(RegionalSettings, GiveTheDecimalSeparator)
{
    const auto& c = GetParam();
    PathwayGraphics g;
    applyRegionalSettings(g, c.locale);
    EXPECT_EQ(g.decimalSeparator(), c.separator);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegionalSettings,
    ::testing::Values(SeparatorCase{"C", QLocale::c(), '.'},
                      SeparatorCase{"German", QLocale(QLocale::German, QLocale::Germany), ','},
                      SeparatorCase{"English", QLocale(QLocale::English, QLocale::UnitedKingdom),
                                    '.'},
                      // Not a single ASCII character: the file convention's point.
                      SeparatorCase{"Arabic", QLocale(QLocale::Arabic, QLocale::Egypt), '.'}),
    test::CaseName());

TEST(RegionalSettings, ExportsWriteLabelsWithTheSeparatorOfTheMap)
{
    auto project = test::makeShowcaseProject();
    project->graphics().setMaxTippingPointValue(50);
    project->graphics().setXAxisDecimalPlaces(-1);
    applyRegionalSettings(project->graphics(), QLocale(QLocale::German, QLocale::Germany));
    const std::string svg = mapSvgBytes(*project, 0, -1);
    // Labels 0.0 to 50.0 in steps of 5, one decimal.
    EXPECT_NE(svg.find(">5,0<"), std::string::npos);
    EXPECT_EQ(svg.find(">5.0<"), std::string::npos);
}

} // namespace
} // namespace vantrel
