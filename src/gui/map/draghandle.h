// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace vantrel {

/// One of the two handles laid over the map picture at the selected element: the row handle
/// (an up-and-down arrow and a ring around the element's station) and the tipping-point handle
/// (a ring around the end of the element's line and a left-and-right arrow below). It reports
/// the mouse in the picture's coordinates while the user drags it.
class DragHandle : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Row, TippingPoint };

    /// Handle sizes in pixels: the row handle is wide, the tipping-point handle tall.
    static constexpr int LongSide = 71;
    static constexpr int ShortSide = 47;
    /// The colour of both handles.
    static QColor handleColor() { return QColor(255, 128, 128); }

    DragHandle(Kind kind, QWidget* picture);
    Kind kind() const { return m_kind; }

signals:
    void pressed(QPoint picturePosition);
    void moved(QPoint picturePosition);
    void released(QPoint picturePosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint toPicture(const QMouseEvent* event) const;

    Kind m_kind;
    bool m_dragging = false;
};

} // namespace vantrel
