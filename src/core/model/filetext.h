// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vantrel {

/// A colour as stored in project files: red in bits 0-7, green in 8-15, blue in 16-23.
/// A few named values (system colours, clNone, clDefault) use the upper byte.
using Color = std::uint32_t;

constexpr Color rgb(int r, int g, int b)
{
    return static_cast<Color>(r & 0xFF) | (static_cast<Color>(g & 0xFF) << 8) |
           (static_cast<Color>(b & 0xFF) << 16);
}
constexpr int redOf(Color c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Color c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Color c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

namespace colors {
constexpr Color Black = 0x000000;
constexpr Color Gray = 0x808080;
constexpr Color Red = 0x0000FF;
constexpr Color White = 0xFFFFFF;
/// The value that means "no colour"; a scenario never given a colour reads as this.
constexpr Color None = 0x1FFFFFFF;
} // namespace colors

/// Raised when a text meant to be a colour is neither a colour name nor an integer.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Rounds to the nearest integer with halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
/// Values beyond the 32-bit range saturate instead of overflowing.
std::int32_t roundHalfEven(double value);

/// Real number as file text: 15 significant digits, "." as decimal separator, fixed notation for
/// decimal exponents -3..15 and "1.2E-5" style otherwise.
std::string floatToFileText(double value);

/// Reads a real number written with "." or "," (the first "," counts as the decimal point).
/// Surrounding spaces are allowed; anything else that is not a number gives `fallback`.
double fileTextToFloatDef(std::string_view text, double fallback);

/// Parses an optionally signed decimal 32-bit integer; anything else gives nothing.
std::optional<std::int32_t> parseFileInt(std::string_view text);

/// Reads an integer as the file sections do: an optionally signed decimal 32-bit integer, and
/// `fallback` for any other text (empty text, fractions, numbers beyond 32 bits).
std::int32_t fileTextToIntDef(std::string_view text, std::int32_t fallback);

/// Integer as file text: plain decimal, "-" for negative values.
std::string intToFileText(std::int64_t value);

/// Boolean as file text: "1" or "0".
inline std::string boolToFileText(bool value)
{
    return value ? "1" : "0";
}

/// Colour as file text: its name when it is a named colour, otherwise "$" and 8 hex digits.
std::string colorToString(Color color);

/// Colour from file text: a colour name (any letter case) or an integer ("$" for hexadecimal).
/// Throws ConversionError("'xyz' is not a valid integer value") for any other text.
Color stringToColor(std::string_view text);

/// Number as the scenario table keeps it: general format with up to 15 significant digits.
double roundToGeneralText(double value);

/// Number as a table with "%.2f" cells keeps it: rounded to two decimals.
double roundToTwoDecimals(double value);

/// Shortest decimal text that reads back to the same double.
std::string shortestDoubleText(double value);

} // namespace vantrel
