// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/elementproperties.h"

#include "model/elementslist.h"

#include <cmath>
#include <cstdio>

namespace vantrel::elementproperties {

namespace {

const Element* referenceElement(const Element& element)
{
    if (element.isPrimaryElement()) {
        const Element* current = element.elementsList().currentElement();
        return current == &element ? nullptr : current;
    }
    return element.predecessorElement();
}

std::string typeText(CombinationType type)
{
    switch (type) {
    case CombinationType::Combine:
        return CombineText;
    case CombinationType::Sequence:
        return SequenceText;
    case CombinationType::None:
        break;
    }
    return {};
}

} // namespace

int firstTimeColumnRow(const ElementsList& list)
{
    return 7 + list.tippingConditionValuesCount();
}

std::optional<double> referenceValue(const Element& element, int timeColumn)
{
    const Element* reference = referenceElement(element);
    if (!reference)
        return std::nullopt;
    if (timeColumn < 0)
        return reference->tippingPointValue();
    return reference->tippingTimeValue(timeColumn);
}

std::string twoDecimals(double value)
{
    if (!std::isfinite(value))
        return floatToFileText(value);
    // Beyond 1e30 "%.2f" would print dozens of meaningless digits.
    if (std::fabs(value) >= 1e30)
        return floatToFileText(value);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", value);
    // The C library follows the user's locale once a GUI toolkit has set it; the grid keeps ".".
    for (char& c : buf)
        if (c == ',')
            c = '.';
    return buf;
}

bool isEditable(const Element& element, Kind kind)
{
    switch (kind) {
    case Kind::Id:
        return false;
    case Kind::Color:
        return element.isPrimaryElement();
    case Kind::Type:
        return !element.isPrimaryElement() && element.combinationType() != CombinationType::None;
    case Kind::Caption:
    case Kind::Dimmed:
    case Kind::YCoord:
    case Kind::Condition:
    case Kind::TimeColumn:
        return true;
    }
    return false;
}

std::vector<Row> rows(const Element& element)
{
    const ElementsList& list = element.elementsList();
    std::vector<Row> result;

    Row id;
    id.kind = Kind::Id;
    id.label = "ID";
    id.value = intToFileText(element.id());
    id.background = IdBackground;
    result.push_back(id);

    Row color;
    color.kind = Kind::Color;
    color.label = "Color";
    color.editor = isEditable(element, Kind::Color) ? Editor::ColorChooser : Editor::None;
    result.push_back(color);

    Row caption;
    caption.kind = Kind::Caption;
    caption.label = "Action";
    caption.value = element.caption();
    caption.editValue = element.caption();
    caption.editor = Editor::Text;
    result.push_back(caption);

    Row type;
    type.kind = Kind::Type;
    type.label = "Type";
    type.value = typeText(element.combinationType());
    type.editValue = type.value;
    if (element.combinationType() == CombinationType::None)
        type.background = CreamBackground;
    type.editor = isEditable(element, Kind::Type) ? Editor::List : Editor::None;
    result.push_back(type);

    Row dimmed;
    dimmed.kind = Kind::Dimmed;
    dimmed.label = "Dimmed";
    dimmed.checked = element.dimmed();
    dimmed.editor = Editor::CheckBox;
    result.push_back(dimmed);

    Row row;
    row.kind = Kind::YCoord;
    row.label = "YCoord";
    row.value = intToFileText(element.yCoord());
    row.editValue = row.value;
    row.editor = Editor::Spin;
    result.push_back(row);

    if (list.pathwayType() == PathwayType::ConditionBased) {
        Row condition;
        condition.kind = Kind::Condition;
        condition.label = "Condition";
        const double value = element.tippingPointValue();
        condition.value = twoDecimals(value);
        condition.editValue = shortestDoubleText(value);
        const auto reference = referenceValue(element, -1);
        condition.belowReference = reference && value < *reference;
        condition.background =
            condition.belowReference ? BelowReferenceBackground : ConditionBackground;
        condition.editor = Editor::Number;
        result.push_back(condition);
    }

    for (int i = 0; i < list.tippingTimeValuesCount(); ++i) {
        Row time;
        time.kind = Kind::TimeColumn;
        time.timeColumn = i;
        time.label = list.tippingTimeColumnCaptions(i);
        time.labelColor = list.tippingTimeColumnColors(i);
        const std::int32_t year = element.tippingTimeValue(i);
        time.value = intToFileText(year);
        time.editValue = time.value;
        const auto reference = referenceValue(element, i);
        time.belowReference = reference && year < *reference;
        time.background = time.belowReference ? BelowReferenceBackground : TimeColumnBackground;
        time.editor = Editor::Number;
        result.push_back(time);
    }
    return result;
}

EditResult applyText(Element& element, Kind kind, int timeColumn, const std::string& text)
{
    switch (kind) {
    case Kind::Caption:
        if (text == element.caption())
            return EditResult::Unchanged;
        element.setCaption(text);
        return EditResult::Changed;
    case Kind::Type: {
        if (!isEditable(element, Kind::Type))
            return EditResult::Refused;
        CombinationType type = CombinationType::None;
        if (text == CombineText)
            type = CombinationType::Combine;
        else if (text == SequenceText)
            type = CombinationType::Sequence;
        else
            return EditResult::Refused;
        if (type == element.combinationType())
            return EditResult::Unchanged;
        element.setCombinationType(type);
        return EditResult::Changed;
    }
    case Kind::YCoord: {
        const auto value = parseFileInt(text);
        if (!value)
            return EditResult::Refused;
        if (*value == element.yCoord())
            return EditResult::Unchanged;
        element.setYCoord(*value);
        // The row is geometry the model does not track as a change of its own.
        element.elementsList().setIsDirty(true);
        return EditResult::Changed;
    }
    case Kind::Condition: {
        const double value = fileTextToFloatDef(text, std::nan(""));
        if (std::isnan(value))
            return EditResult::Refused;
        if (value == element.tippingPointValue())
            return EditResult::Unchanged;
        element.setTippingPointValue(value);
        return EditResult::Changed;
    }
    case Kind::TimeColumn: {
        if (timeColumn < 0 || timeColumn >= element.tippingTimeValuesLength())
            return EditResult::Refused;
        const double value = fileTextToFloatDef(text, std::nan(""));
        if (std::isnan(value))
            return EditResult::Refused;
        const std::int32_t year = roundHalfEven(value);
        if (year == element.tippingTimeValue(timeColumn))
            return EditResult::Unchanged;
        element.setTippingTimeValue(timeColumn, year);
        return EditResult::Changed;
    }
    case Kind::Id:
    case Kind::Color:
    case Kind::Dimmed:
        break;
    }
    return EditResult::Refused;
}

} // namespace vantrel::elementproperties
