// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QLocale>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace vantrel {

class PathwayGraphics;
class Project;

/// Largest drawing area that is exported: this many pixels a side, and for a PNG at most
/// MaxImagePixels pixels in all (four bytes each), so a damaged setting cannot demand gigabytes.
constexpr int MaxExportSide = 32767;
constexpr std::int64_t MaxImagePixels = std::int64_t{8192} * 8192;

/// A drawing area that cannot be rendered (empty, negative or beyond the export limits).
class MapSizeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Takes the decimal separator of the value-axis labels from a locale (the user's by default).
/// Separators that are not a single ASCII character fall back to ".". The application calls it
/// for every project it opens or creates, so that the view and every export label alike.
void applyRegionalSettings(PathwayGraphics& graphics, const QLocale& locale = QLocale());

// All of these draw through the core drawing code with the project's map settings (the decimal
// separator included), tipping-time column `series` (time-based projects) and the chain of the
// element at list position `highlightIndex` (-1 for none). They need a QGuiApplication.

/// The map as an image of DrawingAreaWidth x DrawingAreaHeight pixels on white, 96 DPI.
/// Throws MapSizeError for a drawing area that cannot be rendered.
QImage renderMapImage(Project& project, int series, int highlightIndex);

/// Write the map to `path` as PNG, EMF (the frame is the drawing area, no background) or SVG.
/// The file is written in full to a temporary file first, so a failed export never harms an
/// existing file. Failures throw FileError("Cannot create file "<path>". <reason>").
void saveMapPng(Project& project, const std::string& path, int series, int highlightIndex);
void saveMapEmf(Project& project, const std::string& path, int series, int highlightIndex);
void saveMapSvg(Project& project, const std::string& path, int series, int highlightIndex);

/// The bytes of those files, for callers that store them elsewhere.
std::string mapPngBytes(Project& project, int series, int highlightIndex);
std::string mapEmfBytes(Project& project, int series, int highlightIndex);
std::string mapSvgBytes(Project& project, int series, int highlightIndex);

} // namespace vantrel
