// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "project/project.h"
#include "recordingsurface.h"

#include <QImage>
#include <QRect>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::test {

/// A bundled example project, opened as the program opens it.
std::unique_ptr<Project> openExample(std::string_view name);

/// A condition-based project built through the model with every kind of stroke: actions,
/// a sequence, a combination and a combination of a combination, a dimmed action, end bars
/// and two scenarios with year rows.
std::unique_ptr<Project> makeShowcaseProject();

/// The map drawn onto a recording surface whose texts are measured in the map font, so the
/// recorded positions are those of the real surfaces.
RecordingSurface recordMap(Project& project, int series, int highlightIndex);

/// Where the texts of a recorded drawing lie, widened by `margin` pixels.
std::vector<QRect> textRects(const RecordingSurface& recording, int margin);

struct ImageComparison {
    std::int64_t differentPixels = 0;
    std::int64_t comparedPixels = 0;
    QImage diff; ///< red where pixels differ, faded copy of the expected image elsewhere
};

/// Compares two images pixel by pixel outside `masked`: a pixel differs when any channel is
/// more than `tolerance` apart.
ImageComparison compareImages(const QImage& actual, const QImage& expected,
                              const std::vector<QRect>& masked, int tolerance);

/// One record walk over an enhanced metafile, replaying pen selections.
struct EmfContents {
    struct Line {
        int x1, y1, x2, y2;
        int penWidth;
        std::uint32_t penColor;
    };
    struct Box {
        int left, top, right, bottom;
        int penWidth;
        std::uint32_t penColor;
    };
    struct Text {
        int x, y;
        std::u16string text;
        std::int64_t advanceSum;
    };
    bool headerFound = false;
    int boundsRight = 0, boundsBottom = 0;
    int frameLeft = 0, frameTop = 0, frameRight = 0, frameBottom = 0;
    int devicePixelsX = 0, devicePixelsY = 0, deviceMillimetresX = 0, deviceMillimetresY = 0;
    std::uint32_t declaredBytes = 0;
    std::uint32_t declaredRecords = 0;
    std::uint32_t records = 0;
    bool endFound = false;
    std::vector<Line> lines;
    std::vector<Box> ellipses;
    std::vector<Box> rectangles;
    std::vector<Text> texts;
    std::vector<std::u16string> fontFaces;
    std::vector<int> fontHeights;
    int backgroundFills = 0; ///< records that paint a background: none expected
};

/// Parses the records; malformed input ends the walk (headerFound or endFound stay false).
EmfContents parseEmf(std::string_view bytes);

} // namespace vantrel::test
