// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/elementcombobox.h"

#include "app/widgetsupport.h"
#include "map/elementswatch.h"
#include "model/elementslist.h"
#include "qpaintersurface.h"

#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace vantrel {

namespace {

constexpr int CaptionLeft = 70;
constexpr int SwatchLeft = 2;
constexpr int SwatchRight = 64;

QString noneText()
{
    return QStringLiteral("[none]");
}

class ElementItemDelegate : public QStyledItemDelegate {
public:
    explicit ElementItemDelegate(ElementComboBox* combo)
        : QStyledItemDelegate(combo), m_combo(combo)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->fillRect(option.rect,
                          selected ? option.palette.highlight() : option.palette.base());
        painter->setPen(selected ? option.palette.highlightedText().color()
                                 : option.palette.text().color());
        paintElementItem(*painter, option.rect, m_combo->elementAt(index.row()),
                         index.data().toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(ElementComboBox::ItemHeight);
        return size;
    }

private:
    ElementComboBox* m_combo;
};

} // namespace

void paintElementItem(QPainter& painter, const QRect& rect, const Element* element,
                      const QString& text)
{
    const QRect textRect(rect.left() + CaptionLeft, rect.top() + 1,
                         std::max(0, rect.width() - CaptionLeft), rect.height() - 1);
    if (element) {
        painter.save();
        QPainterSurface surface(painter);
        drawElementSwatch(*element, 0, surface, rect.left() + SwatchLeft, rect.top() + 2,
                          rect.left() + SwatchRight, rect.bottom() + 1 - 2, 0.0,
                          element->tippingValue(0));
        painter.restore();
    }
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, element ? text : noneText());
}

ElementComboBox::ElementComboBox(QWidget* parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("selectedElementComboBox"));
    setItemDelegate(new ElementItemDelegate(this));
    setToolTip(QStringLiteral("Selected element"));
    setMaxVisibleItems(30);
    addItem(noneText());
}

void ElementComboBox::setElementsSource(std::function<const ElementsList*()> source)
{
    m_elements = std::move(source);
}

const Element* ElementComboBox::elementAt(int index) const
{
    const ElementsList* list = m_elements ? m_elements() : nullptr;
    if (!list || index < 1 || index > list->count())
        return nullptr;
    return &list->elements(index - 1);
}

void ElementComboBox::fill()
{
    const QSignalBlocker blocker(this);
    const int index = currentIndex();
    clear();
    addItem(noneText());
    if (const ElementsList* list = m_elements ? m_elements() : nullptr) {
        QStringList captions;
        captions.reserve(list->count());
        for (int i = 0; i < list->count(); ++i)
            captions << toQString(list->elements(i).caption());
        addItems(captions);
    }
    setCurrentIndex(index >= 0 && index < count() ? index : 0);
}

void ElementComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.setClipRect(field);
    const QRect item(field.left(), field.center().y() - ItemHeight / 2, field.width(), ItemHeight);
    paintElementItem(painter, item, elementAt(currentIndex()), currentText());
}

} // namespace vantrel
