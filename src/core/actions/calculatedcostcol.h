// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

class ElementsList;
class XmlDocument;
class XmlWriter;
enum class PathwayType;

/// A column of calculated costs: the costs of every element for one tipping-time column and
/// one year.
class CalculatedCostCol {
public:
    CalculatedCostCol(std::int32_t timeColumn, std::int32_t year)
        : m_year(year), m_timeColumn(timeColumn)
    {
    }
    std::int32_t year() const { return m_year; }
    void setYear(std::int32_t year) { m_year = year; }
    std::int32_t timeColumn() const { return m_timeColumn; }
    void setTimeColumn(std::int32_t column) { m_timeColumn = column; }
    /// "[2050] Wet" for year 2050 on a column captioned Wet.
    std::string caption(const ElementsList& list) const;

    bool operator==(const CalculatedCostCol&) const = default;

private:
    std::int32_t m_year;
    std::int32_t m_timeColumn;
};

using CalculatedCostColList = std::vector<CalculatedCostCol>;

/// Appends the "actionsgrid" section with the calculated cost columns.
void writeActionsGridSection(XmlWriter& xml, const CalculatedCostColList& columns);
/// Reads the calculated cost columns of a time-based project from the "actionsgrid" section,
/// appending to `columns`; entries naming no valid column or year are skipped. Returns whether
/// any column was added. A condition-based project ignores the section.
bool readActionsGridSection(const XmlDocument& xml, const ElementsList& list,
                            CalculatedCostColList& columns);

} // namespace vantrel
