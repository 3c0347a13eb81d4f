// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "map/elementproperties.h"

#include <QTableWidget>
#include <cstdint>
#include <functional>
#include <vector>

namespace vantrel {

class Element;

/// The properties grid of the map view: a header row ("Property", "Value") and the rows of the
/// selected element, each value cell with its own editor. It shows the rows it is given and
/// reports what the user entered; the map view takes the entries into the element.
class PropertiesGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit PropertiesGrid(QWidget* parent = nullptr);

    /// The element whose colour swatch the "Color" row paints.
    void setElementSource(std::function<const Element*()> source) { m_element = std::move(source); }

    /// Shows the rows of `element` (none for no element). Rows of the element already shown are
    /// updated in place, so an edit under way stays; another element starts afresh.
    void showRows(const Element* element, std::vector<elementproperties::Row> rows);

    const std::vector<elementproperties::Row>& rows() const { return m_rows; }
    /// Grid row of the first row of a kind (and time column); -1 when not shown.
    int rowOf(elementproperties::Kind kind, int timeColumn = -1) const;

    const Element* element() const { return m_element ? m_element() : nullptr; }

signals:
    /// Editing ended in a text, list, spin or number cell.
    void textEdited(int row, const QString& text);
    /// The spin buttons of the row editor were used.
    void rowSpun(int value);
    void dimmedToggled(bool dimmed);
    /// The "Color" row was clicked.
    void colorClicked();

private:
    void fillRow(int row, const elementproperties::Row& shown);
    void onCellClicked(int row, int column);
    void onItemChanged(QTableWidgetItem* item);

    std::function<const Element*()> m_element;
    std::vector<elementproperties::Row> m_rows;
    const Element* m_shownElement = nullptr;
    std::int32_t m_shownElementId = 0;
    bool m_filling = false;
};

} // namespace vantrel
