// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/draghandle.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <utility>

namespace vantrel {

namespace {

constexpr double RingRadius = 14.0;
constexpr double StrokeWidth = 3.0;

/// A double-headed arrow from `from` to `to`.
void drawArrow(QPainter& painter, QPointF from, QPointF to)
{
    painter.drawLine(from, to);
    const QPointF direction = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF normal(-direction.y(), direction.x());
    const double head = 7.0;
    for (const auto& [tip, back] : {std::pair{from, direction}, std::pair{to, -direction}}) {
        QPainterPath path;
        path.moveTo(tip);
        path.lineTo(tip + back * head * 1.4 + normal * head);
        path.lineTo(tip + back * head * 1.4 - normal * head);
        path.closeSubpath();
        painter.fillPath(path, painter.pen().color());
    }
}

} // namespace

DragHandle::DragHandle(Kind kind, QWidget* picture) : QWidget(picture), m_kind(kind)
{
    setObjectName(kind == Kind::Row ? QStringLiteral("rowDragHandle")
                                    : QStringLiteral("tippingDragHandle"));
    if (kind == Kind::Row) {
        setFixedSize(LongSide, ShortSide);
        setCursor(Qt::SizeVerCursor);
        setToolTip(QStringLiteral("Drag to move the element up or down"));
    } else {
        setFixedSize(ShortSide, LongSide);
        setCursor(Qt::SizeHorCursor);
        setToolTip(QStringLiteral("Drag to move the tipping point"));
    }
    // Only the arrow and the ring are painted; the map shows through the rest.
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

void DragHandle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(handleColor(), StrokeWidth);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (m_kind == Kind::Row) {
        // The station lies at (width / 2 + 13, height / 2) of the handle.
        const QPointF station(LongSide / 2 + 13, ShortSide / 2);
        painter.drawEllipse(station, RingRadius, RingRadius);
        drawArrow(painter, QPointF(12, 4), QPointF(12, ShortSide - 4));
    } else {
        // The end of the line lies at (width / 2, height / 2 - 11) of the handle.
        const QPointF end(ShortSide / 2, LongSide / 2 - 11);
        painter.drawEllipse(end, RingRadius, RingRadius);
        drawArrow(painter, QPointF(4, LongSide - 12), QPointF(ShortSide - 4, LongSide - 12));
    }
}

QPoint DragHandle::toPicture(const QMouseEvent* event) const
{
    return mapToParent(event->position().toPoint());
}

void DragHandle::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    emit pressed(toPicture(event));
}

void DragHandle::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging)
        emit moved(toPicture(event));
}

void DragHandle::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    emit released(toPicture(event));
}

} // namespace vantrel
