// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/calculatedcostcol.h"

#include "model/elementslist.h"
#include "xml/xmldocument.h"
#include "xml/xmlwriter.h"

namespace vantrel {

std::string CalculatedCostCol::caption(const ElementsList& list) const
{
    return "[" + std::to_string(m_year) + "] " + list.tippingTimeColumnCaptions(m_timeColumn);
}

void writeActionsGridSection(XmlWriter& xml, const CalculatedCostColList& columns)
{
    xml.startElement("actionsgrid");
    xml.textElement("CostColCount", intToFileText(static_cast<std::int64_t>(columns.size())));
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string n = std::to_string(i);
        xml.textElement("CostCol" + n, intToFileText(columns[i].timeColumn()));
        xml.textElement("CostYear" + n, intToFileText(columns[i].year()));
    }
    xml.endElement();
}

bool readActionsGridSection(const XmlDocument& xml, const ElementsList& list,
                            CalculatedCostColList& columns)
{
    if (list.pathwayType() != PathwayType::TimeBased)
        return false;
    const pugi::xml_node section = xml.topLevel("actionsgrid");
    if (!section)
        return false;
    const std::int32_t count = nodeInt(section.child("CostColCount"), 0);
    if (count <= 0)
        return false;
    // Only entries that exist can be valid, so a huge count costs nothing.
    std::size_t slots = 0;
    for (pugi::xml_node c = section.first_child(); c; c = c.next_sibling())
        ++slots;
    const auto n = std::min<std::size_t>(static_cast<std::size_t>(count), slots);
    const auto cols = numberedChildren(section, "CostCol", 0, n);
    const auto years = numberedChildren(section, "CostYear", 0, n);
    bool added = false;
    for (std::size_t i = 0; i < n; ++i) {
        if (!cols[i] || !years[i])
            continue;
        const auto column = parseFileInt(nodeText(cols[i]));
        if (!column || *column < 0 || *column >= list.tippingTimeValuesCount())
            continue;
        const auto year = parseFileInt(nodeText(years[i]));
        if (!year || *year == -1)
            continue;
        columns.emplace_back(*column, *year);
        added = true;
    }
    return added;
}

} // namespace vantrel
