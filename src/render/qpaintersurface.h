// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/surface.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPoint>

namespace vantrel {

/// A Surface over a QPainter: the map view's widget, a QImage for PNG export, or an SVG
/// generator. Texts are in the map font (mapFont) and measured with its QFontMetrics. Element
/// lines have round ends and are centred on their pixel row, so a 5-pixel line at y covers rows
/// y - 2 to y + 2. Turns on antialiasing for the painter.
///
/// On a raster device without scaling, thick horizontal and vertical lines and station rings
/// are composed from a filled rectangle and small antialiased stamps (a disc per round end, the
/// ring itself) that are rendered once per colour: the same picture as stroking them, at a
/// fraction of the cost, since a map has thousands of them. Other devices get plain strokes.
class QPainterSurface : public Surface {
public:
    explicit QPainterSurface(QPainter& painter);

    void setPenColor(Color color) override;
    void setPenWidth(int width) override;
    void setBrushColor(Color color) override;
    void setFontSize(int points) override;
    void setFontColor(Color color) override;

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void textOut(int x, int y, const std::string& utf8) override;
    TextExtent textExtent(const std::string& utf8) override;

private:
    void applyPen();
    bool stampsApply() const;
    const QImage& discStamp();
    const QImage& ringStamp(int width, int height);

    QPainter& m_painter;
    QColor m_penColor = Qt::black;
    int m_penWidth = 1;
    bool m_penApplied = false;
    QColor m_brushColor = Qt::white;
    int m_fontSize = 0;
    QFont m_font;
    QFontMetrics m_metrics{m_font};
    QColor m_fontColor = Qt::black;
    QPoint m_position;
    bool m_raster = false;
    QHash<quint64, QImage> m_stamps;
};

/// The QColor a map colour paints with.
QColor toQColor(Color color);

} // namespace vantrel
