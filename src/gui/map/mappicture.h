// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

namespace vantrel {

/// The map picture: a widget the size of the drawing area that paints the map whenever Qt asks
/// it to (so that many changes in a row cost one painting per frame) and reports the mouse in
/// picture coordinates.
class MapPicture : public QWidget {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter&)>;

    explicit MapPicture(QWidget* parent = nullptr);
    void setPainter(Painter painter) { m_painter = std::move(painter); }

signals:
    void pressed(QPoint position);
    void released(QPoint position);
    void doubleClicked(QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Painter m_painter;
};

} // namespace vantrel
