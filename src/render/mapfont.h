// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/surface.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <string>

namespace vantrel {

/// The map is laid out at this resolution: a font size in points becomes
/// points * MapDpi / 72 pixels, on every surface and every screen.
constexpr int MapDpi = 96;

/// The family the map is written in: DejaVu Sans when it is installed, so that pictures come
/// out alike on every machine, else the default user-interface family. Needs a
/// QGuiApplication.
QString mapFontFamily();

/// Pixel size of a map font of `points` points (at least one pixel).
int mapFontPixelSize(int points);

/// The font of map texts of `points` points. Kerning is off so that a text's glyphs stand
/// where the sum of their advances puts them, which the EMF surface writes out explicitly.
QFont mapFont(int points);

/// Width and height of a text in a map font: what every surface reports as its extent.
TextExtent mapTextExtent(const QFontMetrics& metrics, const std::string& utf8);

} // namespace vantrel
