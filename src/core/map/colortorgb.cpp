// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/colortorgb.h"

#include <array>

namespace vantrel {

namespace {

// Default appearance of the desktop's system colours, by index.
constexpr std::array<Color, 31> kSystemColors{
    rgb(200, 200, 200), // scroll bar
    rgb(0, 0, 0),       // background
    rgb(153, 180, 209), // active caption
    rgb(191, 205, 219), // inactive caption
    rgb(240, 240, 240), // menu
    rgb(255, 255, 255), // window
    rgb(100, 100, 100), // window frame
    rgb(0, 0, 0),       // menu text
    rgb(0, 0, 0),       // window text
    rgb(0, 0, 0),       // caption text
    rgb(180, 180, 180), // active border
    rgb(244, 247, 252), // inactive border
    rgb(171, 171, 171), // application workspace
    rgb(0, 120, 215),   // highlight
    rgb(255, 255, 255), // highlight text
    rgb(240, 240, 240), // button face
    rgb(160, 160, 160), // button shadow
    rgb(109, 109, 109), // gray text
    rgb(0, 0, 0),       // button text
    rgb(0, 0, 0),       // inactive caption text
    rgb(255, 255, 255), // button highlight
    rgb(105, 105, 105), // 3-D dark shadow
    rgb(227, 227, 227), // 3-D light
    rgb(0, 0, 0),       // info text
    rgb(255, 255, 225), // info background
    rgb(0, 0, 0),       // (unused)
    rgb(0, 102, 204),   // hot light
    rgb(185, 209, 234), // gradient active caption
    rgb(215, 228, 242), // gradient inactive caption
    rgb(0, 120, 215),   // menu highlight
    rgb(240, 240, 240), // menu bar
};

} // namespace

Color colorToRgb(Color color)
{
    if ((color >> 24) == 0xFF) {
        const Color index = color & 0xFF;
        return index < kSystemColors.size() ? kSystemColors[index] : colors::Black;
    }
    return color & 0xFFFFFF;
}

} // namespace vantrel
