// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/filetext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace vantrel {

namespace {

struct NamedColor {
    std::string_view name;
    Color value;
};

constexpr std::uint32_t sys(std::uint32_t index)
{
    return 0xFF000000u + index;
}

// Writing picks the first name with a value, so the order matters only for duplicates
// (there are none).
constexpr std::array<NamedColor, 52> kNamedColors{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", sys(0)},
    {"clBackground", sys(1)},
    {"clActiveCaption", sys(2)},
    {"clInactiveCaption", sys(3)},
    {"clMenu", sys(4)},
    {"clWindow", sys(5)},
    {"clWindowFrame", sys(6)},
    {"clMenuText", sys(7)},
    {"clWindowText", sys(8)},
    {"clCaptionText", sys(9)},
    {"clActiveBorder", sys(10)},
    {"clInactiveBorder", sys(11)},
    {"clAppWorkSpace", sys(12)},
    {"clHighlight", sys(13)},
    {"clHighlightText", sys(14)},
    {"clBtnFace", sys(15)},
    {"clBtnShadow", sys(16)},
    {"clGrayText", sys(17)},
    {"clBtnText", sys(18)},
    {"clInactiveCaptionText", sys(19)},
    {"clBtnHighlight", sys(20)},
    {"cl3DDkShadow", sys(21)},
    {"cl3DLight", sys(22)},
    {"clInfoText", sys(23)},
    {"clInfoBk", sys(24)},
    {"clHotLight", sys(26)},
    {"clGradientActiveCaption", sys(27)},
    {"clGradientInactiveCaption", sys(28)},
    {"clMenuHighlight", sys(29)},
    {"clMenuBar", sys(30)},
}};

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimSpaces(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// Checks the grammar: sign? (digits ('.' digits?)? | '.' digits) ([eE] sign? digits)?
bool isDecimalNumber(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t intDigits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++intDigits;
    }
    std::size_t fracDigits = 0;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++fracDigits;
        }
    }
    if (intDigits + fracDigits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    return i == s.size();
}

} // namespace

std::int32_t roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    const double floor = std::floor(value);
    const double diff = value - floor;
    double result = floor;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0.0))
        result = floor + 1.0;
    return static_cast<std::int32_t>(result);
}

std::string floatToFileText(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0.0)
        return "0";

    // 15 significant digits, rounded once: d.dddddddddddddde[+-]XX
    std::array<char, 64> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                             std::chars_format::scientific, 14);
    std::string_view sci(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));

    std::string out;
    if (sci.front() == '-') {
        out += '-';
        sci.remove_prefix(1);
    }
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (isDigit(c))
            digits += c;
    int exp10 = 0;
    std::from_chars(sci.data() + ePos + 1 + (sci[ePos + 1] == '+' ? 1 : 0), sci.data() + sci.size(),
                    exp10);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    // E counts the digits before the point in 0.d1d2... x 10^E.
    const int e = exp10 + 1;
    if (e >= -3 && e <= 15) {
        if (e > 0) {
            const auto intLen = static_cast<std::size_t>(e);
            if (digits.size() <= intLen) {
                out += digits;
                out.append(intLen - digits.size(), '0');
            } else {
                out += digits.substr(0, intLen);
                out += '.';
                out += digits.substr(intLen);
            }
        } else {
            out += "0.";
            out.append(static_cast<std::size_t>(-e), '0');
            out += digits;
        }
    } else {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(e - 1);
    }
    return out;
}

double fileTextToFloatDef(std::string_view text, double fallback)
{
    std::string withPoint;
    if (auto comma = text.find(','); comma != std::string_view::npos) {
        withPoint = text;
        withPoint[comma] = '.';
        text = withPoint;
    }
    std::string_view v = trimSpaces(text);
    if (!isDecimalNumber(v))
        return fallback;
    if (v.front() == '+')
        v.remove_prefix(1);
    double result = 0.0;
    auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), result);
    if (ec != std::errc() || ptr != v.data() + v.size() || !std::isfinite(result))
        return fallback;
    return result;
}

std::optional<std::int32_t> parseFileInt(std::string_view text)
{
    std::string_view s = text;
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.size() > 12)
        return std::nullopt;
    std::int64_t v = 0;
    for (char c : s) {
        if (!isDigit(c))
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (negative)
        v = -v;
    if (v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

std::int32_t fileTextToIntDef(std::string_view text, std::int32_t fallback)
{
    return parseFileInt(text).value_or(fallback);
}

std::string intToFileText(std::int64_t value)
{
    return std::to_string(value);
}

std::string colorToString(Color color)
{
    for (const auto& named : kNamedColors)
        if (named.value == color)
            return std::string(named.name);
    std::array<char, 16> buf{};
    static constexpr char hex[] = "0123456789ABCDEF";
    buf[0] = '$';
    for (int i = 0; i < 8; ++i)
        buf[static_cast<std::size_t>(1 + i)] = hex[(color >> (28 - 4 * i)) & 0xF];
    return std::string(buf.data(), 9);
}

Color stringToColor(std::string_view text)
{
    // Names start with "cl"; most colours in files are "$" and hex digits.
    if (text.empty() || text.front() != '$')
        for (const auto& named : kNamedColors)
            if (equalsIgnoringCase(named.name, text))
                return named.value;

    const auto fail = [&]() -> ConversionError {
        return ConversionError("'" + std::string(text) + "' is not a valid integer value");
    };
    std::string_view s = text;
    if (!s.empty() && s.front() == '$') {
        // Hexadecimal: up to 8 digits, the 32-bit pattern of the colour.
        s.remove_prefix(1);
        if (s.empty() || s.size() > 8)
            throw fail();
        Color v = 0;
        for (char c : s) {
            int d = -1;
            if (isDigit(c))
                d = c - '0';
            else if (lower(c) >= 'a' && lower(c) <= 'f')
                d = lower(c) - 'a' + 10;
            if (d < 0)
                throw fail();
            v = (v << 4) | static_cast<Color>(d);
        }
        return v;
    }
    // A colour number that does not fit 32 bits is refused like any other non-colour.
    if (auto v = parseFileInt(s))
        return static_cast<Color>(*v);
    throw fail();
}

namespace {

// The value a table cell holds after writing `value` as text in the given format.
double roundThroughText(double value, std::chars_format format, int precision)
{
    if (!std::isfinite(value))
        return value;
    std::array<char, 400> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value, format, precision);
    double out = value;
    std::from_chars(buf.data(), res.ptr, out);
    return out;
}

} // namespace

double roundToGeneralText(double value)
{
    return roundThroughText(value, std::chars_format::general, 15);
}

double roundToTwoDecimals(double value)
{
    return roundThroughText(value, std::chars_format::fixed, 2);
}

std::string shortestDoubleText(double value)
{
    std::array<char, 64> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    return std::string(buf.data(), res.ptr);
}

} // namespace vantrel
