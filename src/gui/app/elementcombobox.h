// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <functional>

namespace vantrel {

class Element;
class ElementsList;

/// The selection chooser of the main window: item 0 is "[none]", item i the element at list
/// position i - 1, each drawn with the element's colour swatch. Its current item is where the
/// window keeps the selected element.
class ElementComboBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int ItemHeight = 20;

    explicit ElementComboBox(QWidget* parent = nullptr);

    /// The list whose elements the items stand for.
    void setElementsSource(std::function<const ElementsList*()> source);
    /// The element of an item; none for "[none]" or an item beyond the list.
    const Element* elementAt(int index) const;

    /// Rebuilds the items from the list, keeping the item index (the same number, not
    /// necessarily the same element).
    void fill();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<const ElementsList*()> m_elements;
};

/// Paints one item: the swatch and caption of `element`, or `text` alone for none.
void paintElementItem(QPainter& painter, const QRect& rect, const Element* element,
                      const QString& text);

} // namespace vantrel
