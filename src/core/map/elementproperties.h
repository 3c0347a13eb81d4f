// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/element.h"

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

/// The rows of the map view's properties grid for one element, and the rules for taking an
/// edited cell back into the element. The grid shows these rows below its header row.
namespace elementproperties {

enum class Kind { Id, Color, Caption, Type, Dimmed, YCoord, Condition, TimeColumn };
enum class Editor { None, ColorChooser, Text, List, CheckBox, Spin, Number };

/// Fixed cell colours.
inline constexpr Color IdBackground = rgb(224, 224, 224);
inline constexpr Color CreamBackground = rgb(255, 251, 240);
inline constexpr Color ConditionBackground = rgb(255, 160, 122);
inline constexpr Color TimeColumnBackground = rgb(166, 202, 240);
inline constexpr Color BelowReferenceBackground = rgb(255, 0, 0);

/// Range of the row editor.
inline constexpr int MinYCoord = 0;
inline constexpr int MaxYCoord = 2000;

/// The entries of the type list, in order.
inline constexpr const char* CombineText = "Combine";
inline constexpr const char* SequenceText = "Sequence";

struct Row {
    Kind kind = Kind::Id;
    /// The tipping-time column of a TimeColumn row; -1 otherwise.
    int timeColumn = -1;
    std::string label;
    /// Font colour of the label; none for the grid's own.
    std::optional<Color> labelColor;
    /// The value as the cell shows it (numbers with two decimals, years whole).
    std::string value;
    /// The value as an editor starts with it: numbers in full, so that leaving an editor
    /// unchanged never rounds the element's value to what the cell shows.
    std::string editValue;
    /// Background of the value cell; none for the grid's own.
    std::optional<Color> background;
    /// The element tips before it starts: its value lies below the reference value.
    bool belowReference = false;
    Editor editor = Editor::None;
    bool checked = false;
};

/// Grid row (the header being row 0) of the first tipping-time column: 7 plus one "Condition"
/// row in a condition-based project.
int firstTimeColumnRow(const ElementsList& list);

/// The value an element's tipping value is compared with: the current situation's for an
/// action, the predecessor's for a pathway element; none for the current situation itself or
/// when there is no such element. `timeColumn` -1 asks for the condition value.
std::optional<double> referenceValue(const Element& element, int timeColumn);

/// The rows below the header, in grid order (grid row = index + 1).
std::vector<Row> rows(const Element& element);

/// Text of a number cell with two decimals ("%.2f"), "." as decimal separator.
std::string twoDecimals(double value);

enum class EditResult {
    /// The cell holds the element's value already; nothing changes.
    Unchanged,
    /// The element took the new value (and its list is marked changed).
    Changed,
    /// The text is not a value of the row; the element keeps its value.
    Refused,
};

/// Takes the text of an edited cell of row kind `kind` back into the element: the caption
/// (case-sensitive comparison), the type ("Combine" or "Sequence", pathway elements only), the
/// row (a whole number), the condition value (a number, "." or "," as separator) or the year of
/// tipping-time column `timeColumn` (a number rounded to a whole year, halves to even). Rows
/// that are not edited as text refuse.
EditResult applyText(Element& element, Kind kind, int timeColumn, const std::string& text);

/// Whether a row's value cell can be edited for this element.
bool isEditable(const Element& element, Kind kind);

} // namespace elementproperties
} // namespace vantrel
