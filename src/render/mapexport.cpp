// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapexport.h"

#include "emfsurface.h"
#include "mapfont.h"
#include "project/atomicfile.h"
#include "project/project.h"
#include "qpaintersurface.h"
#include "xml/xmldocument.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <functional>

namespace vantrel {

namespace {

constexpr double DotsPerMetre = MapDpi / 0.0254;

/// Checks the drawing area before anything is allocated for it.
QSize drawingArea(const PathwayGraphics& g, bool raster)
{
    const int w = g.drawingAreaWidth();
    const int h = g.drawingAreaHeight();
    const auto size =
        "The drawing area of " + std::to_string(w) + " x " + std::to_string(h) + " pixels ";
    if (w < 1 || h < 1)
        throw MapSizeError(size + "is empty.");
    if (w > MaxExportSide || h > MaxExportSide)
        throw MapSizeError(size + "is larger than " + std::to_string(MaxExportSide) +
                           " pixels a side.");
    if (raster && std::int64_t{w} * h > MaxImagePixels)
        throw MapSizeError(size + "is larger than " + std::to_string(MaxImagePixels) +
                           " pixels in all.");
    return {w, h};
}

void drawMap(Project& project, Surface& surface, int series, int highlightIndex)
{
    PathwayGraphics& g = project.graphics();
    g.drawPathwayOnCanvas(surface, project.elements(), project.scenarios(), series, highlightIndex);
}

/// Runs `produce` and writes its bytes; every failure becomes the export's FileError.
void saveBytes(const std::string& path, const std::function<std::string()>& produce)
{
    std::string bytes;
    try {
        bytes = produce();
    } catch (const FileError&) {
        throw;
    } catch (const std::exception& e) {
        throw FileError("Cannot create file \"" + path + "\". " + e.what());
    }
    writeFileAtomically(path, bytes);
}

} // namespace

void applyRegionalSettings(PathwayGraphics& graphics, const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    char separator = '.';
    if (point.size() == 1 && point.at(0).unicode() > 0x20 && point.at(0).unicode() < 0x7F)
        separator = static_cast<char>(point.at(0).unicode());
    graphics.setDecimalSeparator(separator);
}

QImage renderMapImage(Project& project, int series, int highlightIndex)
{
    const QSize size = drawingArea(project.graphics(), true);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        throw MapSizeError("There is not enough memory for an image of " +
                           std::to_string(size.width()) + " x " + std::to_string(size.height()) +
                           " pixels.");
    image.setDotsPerMeterX(qRound(DotsPerMetre));
    image.setDotsPerMeterY(qRound(DotsPerMetre));
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    drawMap(project, surface, series, highlightIndex);
    painter.end();
    return image;
}

std::string mapPngBytes(Project& project, int series, int highlightIndex)
{
    const QImage image = renderMapImage(project, series, highlightIndex);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw std::runtime_error("The image could not be encoded as PNG.");
    return data.toStdString();
}

std::string mapEmfBytes(Project& project, int series, int highlightIndex)
{
    const QSize size = drawingArea(project.graphics(), false);
    EmfSurface surface(size.width(), size.height());
    drawMap(project, surface, series, highlightIndex);
    return surface.finish();
}

std::string mapSvgBytes(Project& project, int series, int highlightIndex)
{
    const QSize size = drawingArea(project.graphics(), false);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(MapDpi);
    generator.setTitle(QStringLiteral("Pathway map"));
    generator.setDescription(QStringLiteral("Drawn with Vantrel"));
    QPainter painter;
    if (!painter.begin(&generator))
        throw std::runtime_error("The SVG document could not be started.");
    QPainterSurface surface(painter);
    drawMap(project, surface, series, highlightIndex);
    painter.end();
    return data.toStdString();
}

void saveMapPng(Project& project, const std::string& path, int series, int highlightIndex)
{
    saveBytes(path, [&] { return mapPngBytes(project, series, highlightIndex); });
}

void saveMapEmf(Project& project, const std::string& path, int series, int highlightIndex)
{
    saveBytes(path, [&] { return mapEmfBytes(project, series, highlightIndex); });
}

void saveMapSvg(Project& project, const std::string& path, int series, int highlightIndex)
{
    saveBytes(path, [&] { return mapSvgBytes(project, series, highlightIndex); });
}

} // namespace vantrel
