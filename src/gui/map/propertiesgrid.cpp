// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/propertiesgrid.h"

#include "app/widgetsupport.h"
#include "map/elementswatch.h"
#include "model/element.h"
#include "qpaintersurface.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QStyledItemDelegate>

namespace vantrel {

namespace ep = elementproperties;

namespace {

constexpr int ValueColumn = 1;

/// The row editor: its spin buttons (and arrow keys and wheel) move the element at once,
/// typed text is taken when editing ends.
class RowSpinBox : public QSpinBox {
public:
    RowSpinBox(QWidget* parent, PropertiesGrid* grid) : QSpinBox(parent), m_grid(grid) {}

    void stepBy(int steps) override
    {
        QSpinBox::stepBy(steps);
        emit m_grid->rowSpun(value());
    }

private:
    PropertiesGrid* m_grid;
};

/// Editors and painting of the value cells.
class PropertiesDelegate : public QStyledItemDelegate {
public:
    explicit PropertiesDelegate(PropertiesGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        const ep::Row* row = rowAt(index);
        if (!row)
            return nullptr;
        switch (row->editor) {
        case ep::Editor::Text:
        case ep::Editor::Number: {
            auto* edit = new QLineEdit(parent);
            edit->setObjectName(QStringLiteral("propertyEditor"));
            edit->setAlignment(row->editor == ep::Editor::Number ? Qt::AlignRight : Qt::AlignLeft);
            return edit;
        }
        case ep::Editor::List: {
            auto* list = new QComboBox(parent);
            list->setObjectName(QStringLiteral("propertyEditor"));
            list->addItems(
                {QString::fromLatin1(ep::CombineText), QString::fromLatin1(ep::SequenceText)});
            // Choosing an entry takes effect at once.
            connect(list, &QComboBox::activated, this, [this, list] {
                auto* self = const_cast<PropertiesDelegate*>(this);
                emit self->commitData(list);
                emit self->closeEditor(list);
            });
            return list;
        }
        case ep::Editor::Spin: {
            auto* spin = new RowSpinBox(parent, m_grid);
            spin->setObjectName(QStringLiteral("propertyEditor"));
            spin->setRange(ep::MinYCoord, ep::MaxYCoord);
            spin->setAlignment(Qt::AlignRight);
            return spin;
        }
        case ep::Editor::None:
        case ep::Editor::ColorChooser:
        case ep::Editor::CheckBox:
            break;
        }
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        const ep::Row* row = rowAt(index);
        if (!row)
            return;
        const QString text = toQString(row->editValue);
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setText(text);
        } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
            list->setCurrentIndex(std::max(0, static_cast<int>(list->findText(text))));
        } else if (auto* spin = qobject_cast<QSpinBox*>(editor)) {
            spin->setValue(text.toInt());
        }
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        QString text;
        if (auto* edit = qobject_cast<QLineEdit*>(editor))
            text = edit->text();
        else if (auto* list = qobject_cast<QComboBox*>(editor))
            text = list->currentText();
        else if (auto* spin = qobject_cast<QSpinBox*>(editor))
            text = QString::number(spin->value());
        else
            return;
        // The grid shows the model; the map view takes the text into the element and refills.
        emit m_grid->textEdited(index.row(), text);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const ep::Row* row = rowAt(index);
        const Element* element = m_grid->element();
        if (!row || row->kind != ep::Kind::Color || !element) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyledItemDelegate::paint(painter, option, index);
        const QRect r = option.rect.adjusted(2, 2, -2, -2);
        painter->save();
        QPainterSurface surface(*painter);
        drawElementSwatch(*element, 0, surface, r.left(), r.top(), r.right() + 1, r.bottom() + 1,
                          0.0, element->tippingValue(0));
        painter->restore();
    }

private:
    const ep::Row* rowAt(const QModelIndex& index) const
    {
        const auto& rows = m_grid->rows();
        if (index.column() != ValueColumn || index.row() < 0 ||
            index.row() >= static_cast<int>(rows.size()))
            return nullptr;
        return &rows[static_cast<std::size_t>(index.row())];
    }

    PropertiesGrid* m_grid;
};

} // namespace

PropertiesGrid::PropertiesGrid(QWidget* parent) : QTableWidget(0, 2, parent)
{
    setObjectName(QStringLiteral("propertiesGrid"));
    setHorizontalHeaderLabels({QStringLiteral("Property"), QStringLiteral("Value")});
    verticalHeader()->hide();
    // One line per property; a long caption is elided rather than cut off mid-line.
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    // The side panel is narrow: both columns share its width and long texts are elided.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalHeader()->setSectionsClickable(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Editing starts on a click (see onCellClicked) or on typing into the current cell.
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setItemDelegate(new PropertiesDelegate(this));
    connect(this, &QTableWidget::cellClicked, this, &PropertiesGrid::onCellClicked);
    connect(this, &QTableWidget::itemChanged, this, &PropertiesGrid::onItemChanged);
}

int PropertiesGrid::rowOf(ep::Kind kind, int timeColumn) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].kind == kind && m_rows[i].timeColumn == timeColumn)
            return static_cast<int>(i);
    return -1;
}

void PropertiesGrid::showRows(const Element* element, std::vector<ep::Row> rows)
{
    m_filling = true;
    const bool sameElement = element && element == m_shownElement &&
                             element->id() == m_shownElementId && rows.size() == m_rows.size();
    m_rows = std::move(rows);
    if (!sameElement) {
        // Another element: an editor still open belongs to the old one and must not end in the
        // new one.
        setRowCount(0);
        setRowCount(static_cast<int>(m_rows.size()));
    }
    m_shownElement = element;
    m_shownElementId = element ? element->id() : 0;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        fillRow(static_cast<int>(i), m_rows[i]);
    m_filling = false;
}

void PropertiesGrid::fillRow(int row, const ep::Row& shown)
{
    QTableWidgetItem* label = item(row, 0);
    if (!label) {
        label = new QTableWidgetItem;
        label->setFlags(Qt::ItemIsEnabled);
        label->setBackground(palette().button());
        setItem(row, 0, label);
    }
    label->setText(toQString(shown.label));
    label->setForeground(shown.labelColor ? QBrush(toQColor(*shown.labelColor))
                                          : palette().buttonText());

    QTableWidgetItem* value = item(row, ValueColumn);
    if (!value) {
        value = new QTableWidgetItem;
        setItem(row, ValueColumn, value);
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    switch (shown.editor) {
    case ep::Editor::Text:
    case ep::Editor::List:
    case ep::Editor::Spin:
    case ep::Editor::Number:
        flags |= Qt::ItemIsEditable;
        break;
    case ep::Editor::CheckBox:
        flags |= Qt::ItemIsUserCheckable;
        break;
    case ep::Editor::None:
    case ep::Editor::ColorChooser:
        break;
    }
    value->setFlags(flags);
    value->setText(toQString(shown.value));
    value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setBackground(shown.background ? QBrush(toQColor(*shown.background)) : palette().base());
    if (shown.editor == ep::Editor::CheckBox)
        value->setCheckState(shown.checked ? Qt::Checked : Qt::Unchecked);
}

void PropertiesGrid::onCellClicked(int row, int column)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    const ep::Row& shown = m_rows[static_cast<std::size_t>(row)];
    if (shown.kind == ep::Kind::Color) {
        if (shown.editor == ep::Editor::ColorChooser)
            emit colorClicked();
        return;
    }
    QTableWidgetItem* value = item(row, ValueColumn);
    if (column == ValueColumn && value && (value->flags() & Qt::ItemIsEditable))
        editItem(value);
}

void PropertiesGrid::onItemChanged(QTableWidgetItem* changed)
{
    if (m_filling || changed->column() != ValueColumn)
        return;
    const int row = changed->row();
    if (row < 0 || row >= static_cast<int>(m_rows.size()) ||
        m_rows[static_cast<std::size_t>(row)].kind != ep::Kind::Dimmed)
        return;
    emit dimmedToggled(changed->checkState() == Qt::Checked);
}

} // namespace vantrel
