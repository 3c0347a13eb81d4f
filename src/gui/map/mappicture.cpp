// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/mappicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace vantrel {

MapPicture::MapPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("mapPicture"));
    // Taking focus on a click ends any edit in the properties grid before the click selects.
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapPicture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.fillRect(rect(), Qt::white);
    if (m_painter)
        m_painter(painter);
}

void MapPicture::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->position().toPoint());
}

void MapPicture::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(event->position().toPoint());
}

void MapPicture::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit doubleClicked(event->position().toPoint());
}

} // namespace vantrel
