// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/filetext.h"

#include <clocale>
#include <gtest/gtest.h>
#include <limits>

namespace vantrel {
namespace {

struct FloatTextCase {
    double value;
    const char* text;
};
class FloatToFileText : public testing::TestWithParam<FloatTextCase> {};

TEST_P(FloatToFileText, WritesFifteenSignificantDigits)
{
    EXPECT_EQ(floatToFileText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FloatToFileText,
    testing::Values(FloatTextCase{0.1, "0.1"}, FloatTextCase{-2.5, "-2.5"},
                    FloatTextCase{1.0 / 3.0, "0.333333333333333"}, FloatTextCase{0.00001, "1E-5"},
                    FloatTextCase{0.0001, "0.0001"}, FloatTextCase{0.00005, "5E-5"},
                    FloatTextCase{0.000012, "1.2E-5"}, FloatTextCase{123.4, "123.4"},
                    FloatTextCase{0.5, "0.5"}, FloatTextCase{1e14, "100000000000000"},
                    FloatTextCase{1e15, "1E15"},
                    FloatTextCase{123456789012345678.0, "1.23456789012346E17"},
                    FloatTextCase{0.0, "0"}, FloatTextCase{-0.0, "0"},
                    FloatTextCase{2.0 / 3.0 * 1e5, "66666.6666666667"},
                    FloatTextCase{999999999999999.9, "1E15"}, FloatTextCase{1500000, "1500000"},
                    FloatTextCase{-1e-300, "-1E-300"}));

struct ReadFloatCase {
    const char* text;
    double expected;
};
class FileTextToFloatDef : public testing::TestWithParam<ReadFloatCase> {};

TEST_P(FileTextToFloatDef, AcceptsCommaOrPointAndFallsBack)
{
    EXPECT_EQ(fileTextToFloatDef(GetParam().text, -99.0), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, FileTextToFloatDef,
                         testing::Values(ReadFloatCase{"1,5", 1.5}, ReadFloatCase{"1.5", 1.5},
                                         ReadFloatCase{"1.234,5", -99},
                                         ReadFloatCase{"1,234.5", -99}, ReadFloatCase{" 2.5 ", 2.5},
                                         ReadFloatCase{"+3", 3}, ReadFloatCase{"-.5", -0.5},
                                         ReadFloatCase{"5.", 5}, ReadFloatCase{"1e3", 1000},
                                         ReadFloatCase{"1E-5", 0.00001}, ReadFloatCase{"2e", -99},
                                         ReadFloatCase{"", -99}, ReadFloatCase{".", -99},
                                         ReadFloatCase{"inf", -99}, ReadFloatCase{"nan", -99},
                                         ReadFloatCase{"0x10", -99}, ReadFloatCase{"1e999", -99},
                                         ReadFloatCase{"\t1", -99}, ReadFloatCase{"1 2", -99}));

TEST(FileText, NumbersIgnoreTheUserLocale)
{
    // A German locale writes "0,5" through printf; the file must still say 0.5.
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE locale not installed";
    EXPECT_EQ(floatToFileText(0.5), "0.5");
    EXPECT_EQ(fileTextToFloatDef("0.5", 0), 0.5);
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(FileText, IntegersAreDecimalWithinThirtyTwoBits)
{
    EXPECT_EQ(fileTextToIntDef("42", 0), 42);
    EXPECT_EQ(fileTextToIntDef("-7", 0), -7);
    EXPECT_EQ(fileTextToIntDef("+7", 0), 7);
    EXPECT_EQ(fileTextToIntDef("2147483647", 0), 2147483647);
    EXPECT_EQ(fileTextToIntDef("-2147483648", 0), std::numeric_limits<std::int32_t>::min());
    for (const char* bad : {"2147483648", "1.0", "", " 1", "$10", "1e3", "-", "99999999999999"})
        EXPECT_EQ(fileTextToIntDef(bad, -5), -5) << bad;
}

TEST(FileText, RoundHalfEven)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2030.5), 2030);
    EXPECT_EQ(roundHalfEven(2031.5), 2032);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(1e300), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

struct ColorCase {
    Color color;
    const char* text;
};
class ColorText : public testing::TestWithParam<ColorCase> {};

TEST_P(ColorText, WritesNamesOrHexAndReadsThemBack)
{
    EXPECT_EQ(colorToString(GetParam().color), GetParam().text);
    EXPECT_EQ(stringToColor(GetParam().text), GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(
    Colors, ColorText,
    testing::Values(ColorCase{rgb(0xA1, 0xB2, 0xC3), "$00C3B2A1"}, ColorCase{0x808080, "clGray"},
                    ColorCase{0x0000FF, "clRed"}, ColorCase{0x1FFFFFFF, "clNone"},
                    ColorCase{0x20000000, "clDefault"}, ColorCase{0xFF00000F, "clBtnFace"},
                    ColorCase{0xFF00001E, "clMenuBar"}, ColorCase{0xFF000019, "$FF000019"},
                    ColorCase{0x00F0CAA6, "clSkyBlue"}));

TEST(ColorText, ReadsNamesInAnyCaseAndDecimalNumbers)
{
    EXPECT_EQ(stringToColor("CLred"), 0x0000FFu);
    EXPECT_EQ(stringToColor("255"), 0x0000FFu);
    EXPECT_EQ(stringToColor("$ff"), 0xFFu);
    EXPECT_EQ(stringToColor("-1"), 0xFFFFFFFFu);
}

TEST(ColorText, RefusesTextThatIsNoColour)
{
    for (const char* bad : {"xyz", "", "$", "$123456789", "4294967296", "$12G", "clRedd"}) {
        try {
            stringToColor(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("'") + bad + "' is not a valid integer value");
        }
    }
}

TEST(FileText, GeneralTextKeepsFifteenDigits)
{
    EXPECT_EQ(roundToGeneralText(1.0 / 3.0), 0.333333333333333);
    EXPECT_EQ(roundToGeneralText(1.25), 1.25);
    EXPECT_EQ(shortestDoubleText(2021.5), "2021.5");
    EXPECT_EQ(shortestDoubleText(0.1 + 0.2), "0.30000000000000004");
}

} // namespace
} // namespace vantrel
