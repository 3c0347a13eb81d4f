// SPDX-License-Identifier: GPL-3.0-or-later
// The raster and EMF surfaces: pixel geometry, font pinning and text metrics.
#include "casename.h"
#include "emfsurface.h"
#include "mapfont.h"
#include "qpaintersurface.h"
#include "rendersupport.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::parseEmf;

constexpr Color Blue = rgb(0, 0, 255);

/// Paints with a QPainterSurface on a white 100 x 60 image.
template <typename Paint> QImage paint(Paint&& draw)
{
    QImage image(100, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    draw(surface);
    painter.end();
    return image;
}

bool isWhite(const QImage& image, int x, int y)
{
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

bool isColour(const QImage& image, int x, int y, QRgb colour)
{
    return image.pixel(x, y) == colour;
}

TEST(MapFont, IsPinnedToOneFamilyAtNinetySixDpi)
{
    EXPECT_EQ(mapFontFamily(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(mapFontPixelSize(12), 16);
    EXPECT_EQ(mapFontPixelSize(8), 11);
    EXPECT_EQ(mapFontPixelSize(10), 13);
    EXPECT_EQ(mapFontPixelSize(0), 1);
    EXPECT_EQ(mapFont(12).pixelSize(), 16);
    EXPECT_FALSE(mapFont(12).kerning());
}

struct LineCase {
    const char* name;
    int x1, y1, x2, y2;
    std::vector<std::pair<int, int>> painted;
    std::vector<std::pair<int, int>> clear;
};

class RasterLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(RasterLines, FivePixelLinesCoverTwoPixelsEitherSideOfTheirRow)
{
    const auto& c = GetParam();
    const QImage image = paint([&](Surface& s) {
        s.setPenColor(Blue);
        s.setPenWidth(5);
        s.moveTo(c.x1, c.y1);
        s.lineTo(c.x2, c.y2);
    });
    for (const auto& [x, y] : c.painted)
        EXPECT_TRUE(isColour(image, x, y, qRgb(0, 0, 255))) << x << "," << y;
    for (const auto& [x, y] : c.clear)
        EXPECT_TRUE(isWhite(image, x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RasterLines,
    ::testing::Values(LineCase{"Horizontal",
                               10,
                               20,
                               40,
                               20,
                               {{25, 18}, {25, 20}, {25, 22}, {10, 20}, {40, 20}},
                               {{25, 16}, {25, 24}, {6, 20}, {45, 20}}},
                      LineCase{"Vertical",
                               30,
                               40,
                               30,
                               10,
                               {{28, 25}, {30, 25}, {32, 25}, {30, 10}, {30, 40}},
                               {{26, 25}, {34, 25}, {30, 6}, {30, 45}}}),
    test::CaseName());

TEST(RasterSurface, FillsRectanglesWithoutTheirRightAndBottomEdge)
{
    const QImage image = paint([](Surface& s) {
        s.setBrushColor(colors::Red);
        s.fillRect(10, 5, 20, 15);
        s.fillRect(50, 5, 40, 15); // reversed: nothing
    });
    EXPECT_TRUE(isColour(image, 10, 5, qRgb(255, 0, 0)));
    EXPECT_TRUE(isColour(image, 19, 14, qRgb(255, 0, 0)));
    EXPECT_TRUE(isWhite(image, 20, 10));
    EXPECT_TRUE(isWhite(image, 15, 15));
    EXPECT_TRUE(isWhite(image, 9, 10));
    EXPECT_TRUE(isWhite(image, 45, 10));
}

TEST(RasterSurface, StationRingIsCentredOnTheLineWithAWhiteInside)
{
    const QImage image = paint([](Surface& s) {
        s.setPenColor(Blue);
        s.setPenWidth(5);
        s.moveTo(10, 30);
        s.lineTo(90, 30);
        s.setPenColor(colors::Black);
        s.setBrushColor(colors::White);
        s.ellipse(43, 23, 57, 37);
    });
    EXPECT_TRUE(isWhite(image, 50, 30));
    for (const auto& [x, y] :
         std::vector<std::pair<int, int>>{{57, 30}, {43, 30}, {50, 23}, {50, 37}})
        EXPECT_TRUE(isColour(image, x, y, qRgb(0, 0, 0))) << x << "," << y;
    // Symmetric about the pixel (50, 30).
    EXPECT_EQ(image.pixel(55, 30), image.pixel(45, 30));
    EXPECT_EQ(image.pixel(50, 35), image.pixel(50, 25));
}

TEST(RasterSurface, WritesTextInsideItsMeasuredBox)
{
    int width = 0;
    int height = 0;
    const QImage image = paint([&](Surface& s) {
        s.setFontSize(12);
        s.setFontColor(colors::Black);
        const TextExtent e = s.textExtent("Dike 2050");
        width = e.width;
        height = e.height;
        s.textOut(10, 20, "Dike 2050");
    });
    EXPECT_EQ(width, QFontMetrics(mapFont(12)).horizontalAdvance(QStringLiteral("Dike 2050")));
    EXPECT_EQ(height, QFontMetrics(mapFont(12)).height());
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                (QRect(9, 19, width + 2, height + 2).contains(x, y) ? inside : outside) += 1;
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);
}

TEST(EmfSurface, MeasuresTextLikeTheRasterSurface)
{
    EmfSurface emf(200, 100);
    QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    QPainterSurface raster(painter);
    for (int size : {8, 12, 20}) {
        emf.setFontSize(size);
        raster.setFontSize(size);
        for (const char* text : {"bp", "Raise dikes 0.5 m", "Überflutung 2100"}) {
            EXPECT_EQ(emf.textExtent(text).width, raster.textExtent(text).width) << text;
            EXPECT_EQ(emf.textExtent(text).height, raster.textExtent(text).height) << text;
        }
    }
}

TEST(EmfSurface, WritesAMetafileFramedToTheDrawingArea)
{
    EmfSurface emf(640, 480);
    emf.setPenColor(Blue);
    emf.setPenWidth(5);
    emf.moveTo(10, 20);
    emf.lineTo(300, 20);
    emf.setPenColor(colors::Black);
    emf.setBrushColor(colors::White);
    emf.ellipse(3, 13, 17, 27);
    emf.setBrushColor(colors::Red);
    emf.fillRect(5, 6, 15, 16);
    emf.setFontSize(12);
    emf.setFontColor(colors::Black);
    emf.textOut(40, 50, "Pump \xF0\x9F\x8C\x8A station"); // with a character beyond 16 bits
    const std::string bytes = emf.finish();
    const auto c = parseEmf(bytes);

    ASSERT_TRUE(c.headerFound);
    EXPECT_TRUE(c.endFound);
    EXPECT_EQ(c.declaredBytes, bytes.size());
    EXPECT_EQ(c.declaredRecords, c.records);
    EXPECT_EQ(c.frameLeft, 0);
    EXPECT_EQ(c.frameTop, 0);
    EXPECT_EQ(c.frameRight, EmfSurface::frameSize(640));
    EXPECT_EQ(c.frameBottom, EmfSurface::frameSize(480));
    // The frame maps onto exactly the drawing area at the metafile's device resolution.
    EXPECT_NEAR(c.frameRight / 100.0 * c.devicePixelsX / c.deviceMillimetresX, 640, 0.5);
    EXPECT_NEAR(c.frameBottom / 100.0 * c.devicePixelsY / c.deviceMillimetresY, 480, 0.5);
    EXPECT_EQ(c.backgroundFills, 0);

    ASSERT_EQ(c.lines.size(), 1u);
    EXPECT_EQ(c.lines[0].x1, 10);
    EXPECT_EQ(c.lines[0].x2, 300);
    EXPECT_EQ(c.lines[0].penWidth, 5);
    EXPECT_EQ(c.lines[0].penColor, Blue);
    ASSERT_EQ(c.ellipses.size(), 1u);
    EXPECT_EQ(c.ellipses[0].left, 3);
    EXPECT_EQ(c.ellipses[0].penColor, colors::Black);
    // A fill without outline: one pixel more each way, since such rectangles come out smaller.
    ASSERT_EQ(c.rectangles.size(), 1u);
    EXPECT_EQ(c.rectangles[0].right, 16);
    EXPECT_EQ(c.rectangles[0].bottom, 17);
    EXPECT_EQ(c.rectangles[0].penWidth, 0);

    ASSERT_EQ(c.texts.size(), 1u);
    EXPECT_EQ(c.texts[0].x, 40);
    EXPECT_EQ(c.texts[0].y, 50);
    EXPECT_EQ(c.texts[0].text, u"Pump \U0001F30A station");
    EXPECT_NEAR(static_cast<double>(c.texts[0].advanceSum),
                emf.textExtent("Pump \xF0\x9F\x8C\x8A station").width, 1.0);
    ASSERT_EQ(c.fontFaces.size(), 1u);
    EXPECT_EQ(c.fontFaces[0], mapFontFamily().toStdU16String());
    EXPECT_EQ(c.fontHeights[0], -16);
}

TEST(EmfSurface, FinishesOnceAndIgnoresLaterDrawing)
{
    EmfSurface emf(10, 10);
    EXPECT_FALSE(emf.finish().empty());
    emf.moveTo(0, 0);
    emf.lineTo(5, 5);
    emf.textOut(1, 1, "late");
    EXPECT_TRUE(emf.finish().empty());
}

TEST(EmfSurface, RefusesAnEmptyDrawingArea)
{
    EXPECT_THROW(EmfSurface(0, 10), std::runtime_error);
    EXPECT_THROW(EmfSurface(10, -1), std::runtime_error);
}

} // namespace
} // namespace vantrel
