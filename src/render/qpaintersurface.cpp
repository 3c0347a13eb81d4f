// SPDX-License-Identifier: GPL-3.0-or-later
#include "qpaintersurface.h"

#include "map/colortorgb.h"
#include "mapfont.h"

#include <QPaintEngine>
#include <QPen>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

/// Strokes run through pixel centres, as a pixel-based canvas draws them.
QPointF centreOf(int x, int y)
{
    return {x + 0.5, y + 0.5};
}

} // namespace

QColor toQColor(Color color)
{
    const Color c = colorToRgb(color);
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

QPainterSurface::QPainterSurface(QPainter& painter) : m_painter(painter)
{
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QPaintDevice* device = painter.device();
    m_raster = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster &&
               device && device->devicePixelRatioF() == 1.0;
    setFontSize(10);
}

bool QPainterSurface::stampsApply() const
{
    // Stamps are pixels: only where a pixel of the map is a pixel of the device.
    if (!m_raster)
        return false;
    const QTransform& t = m_painter.worldTransform();
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
           t.dy() == std::floor(t.dy());
}

const QImage& QPainterSurface::discStamp()
{
    // A round line end: a disc of the pen's width around a pixel centre.
    const quint64 key = (quint64{1} << 62) | (quint64{m_penColor.rgb()} << 16) |
                        static_cast<quint64>(m_penWidth & 0xFFFF);
    auto it = m_stamps.find(key);
    if (it != m_stamps.end())
        return *it;
    // A map has a few thousand colours at most; beyond that start again rather than grow.
    if (m_stamps.size() > 8192)
        m_stamps.clear();
    const int side = m_penWidth + 3;
    QImage stamp(side, side, QImage::Format_ARGB32_Premultiplied);
    stamp.fill(Qt::transparent);
    QPainter p(&stamp);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(m_penColor);
    const double centre = side / 2 + 0.5;
    p.drawEllipse(QPointF(centre, centre), m_penWidth / 2.0, m_penWidth / 2.0);
    p.end();
    return *m_stamps.insert(key, stamp);
}

const QImage& QPainterSurface::ringStamp(int width, int height)
{
    // A station: an outline of the pen's width around a box, filled with the brush.
    const quint64 key = (quint64{m_penColor.rgb() & 0xFFFFFF} << 40) |
                        (quint64{m_brushColor.rgb() & 0xFFFFFF} << 16) |
                        (static_cast<quint64>(width & 0xFF) << 8) |
                        static_cast<quint64>(height & 0xFF);
    auto it = m_stamps.find(key);
    if (it != m_stamps.end())
        return *it;
    if (m_stamps.size() > 8192)
        m_stamps.clear();
    const int margin = m_penWidth;
    QImage stamp(width + 2 * margin + 1, height + 2 * margin + 1,
                 QImage::Format_ARGB32_Premultiplied);
    stamp.fill(Qt::transparent);
    QPainter p(&stamp);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(m_penColor, m_penWidth));
    p.setBrush(m_brushColor);
    p.drawEllipse(QRectF(margin + 0.5, margin + 0.5, width, height));
    p.end();
    return *m_stamps.insert(key, stamp);
}

void QPainterSurface::setPenColor(Color color)
{
    const QColor c = toQColor(color);
    if (c != m_penColor) {
        m_penColor = c;
        m_penApplied = false;
    }
}

void QPainterSurface::setPenWidth(int width)
{
    if (width != m_penWidth) {
        m_penWidth = width;
        m_penApplied = false;
    }
}

void QPainterSurface::setBrushColor(Color color)
{
    m_brushColor = toQColor(color);
}

void QPainterSurface::setFontSize(int points)
{
    if (points == m_fontSize)
        return;
    m_fontSize = points;
    m_font = mapFont(points);
    m_metrics = QFontMetrics(m_font);
}

void QPainterSurface::setFontColor(Color color)
{
    m_fontColor = toQColor(color);
}

void QPainterSurface::applyPen()
{
    if (m_penApplied)
        return;
    // Thick lines end round, as thick pen strokes of a pixel canvas do; hairlines end flat.
    const int width = std::max(1, m_penWidth);
    QPen pen(m_penColor, width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::FlatCap,
             Qt::RoundJoin);
    m_painter.setPen(pen);
    m_penApplied = true;
}

void QPainterSurface::moveTo(int x, int y)
{
    m_position = {x, y};
}

void QPainterSurface::lineTo(int x, int y)
{
    const QPoint from = m_position;
    m_position = {x, y};
    const bool axisAligned = from.x() == x || from.y() == y;
    // Stamps stay small; a wide pen from a damaged setting is stroked.
    if (m_penWidth > 1 && m_penWidth <= 64 && axisAligned && stampsApply()) {
        // The stroke with round ends: the body between the two pixel centres, widened by the
        // pen, and a disc at each end.
        const int half = m_penWidth / 2;
        const QRect body = from.y() == y
                               ? QRect(QPoint(std::min(from.x(), x), y - half),
                                       QPoint(std::max(from.x(), x), y - half + m_penWidth - 1))
                               : QRect(QPoint(x - half, std::min(from.y(), y)),
                                       QPoint(x - half + m_penWidth - 1, std::max(from.y(), y)));
        m_painter.fillRect(body, m_penColor);
        const QImage& disc = discStamp();
        const int offset = disc.width() / 2;
        m_painter.drawImage(from.x() - offset, from.y() - offset, disc);
        if (from != QPoint(x, y))
            m_painter.drawImage(x - offset, y - offset, disc);
        return;
    }
    applyPen();
    m_painter.drawLine(centreOf(from.x(), from.y()), centreOf(x, y));
}

void QPainterSurface::fillRect(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    m_painter.fillRect(QRect(left, top, right - left, bottom - top), m_brushColor);
}

void QPainterSurface::ellipse(int left, int top, int right, int bottom)
{
    const int width = right - left;
    const int height = bottom - top;
    if (m_penWidth > 1 && m_penWidth <= 16 && width > 0 && height > 0 && width <= 64 &&
        height <= 64 && stampsApply()) {
        const QImage& ring = ringStamp(width, height);
        m_painter.drawImage(left - m_penWidth, top - m_penWidth, ring);
        return;
    }
    applyPen();
    m_painter.setBrush(m_brushColor);
    m_painter.drawEllipse(QRectF(left + 0.5, top + 0.5, right - left, bottom - top));
    m_painter.setBrush(Qt::NoBrush);
}

void QPainterSurface::textOut(int x, int y, const std::string& utf8)
{
    m_painter.setFont(m_font);
    m_painter.setPen(m_fontColor);
    m_penApplied = false;
    m_painter.drawText(QPoint(x, y + m_metrics.ascent()), QString::fromStdString(utf8));
}

TextExtent QPainterSurface::textExtent(const std::string& utf8)
{
    return mapTextExtent(m_metrics, utf8);
}

} // namespace vantrel
