#include "engine/conversions.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "engine/single.h"

namespace ej {
namespace {

const NumberFormat kComma{",", "."};
const NumberFormat kPoint{".", ","};
const NumberFormat kArabic{"\u066B", "\u202F"};  // both separators multi-byte

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::optional<double> kNo;  // not a number: refused by the numeric test

// What a text is under a decimal-comma and a decimal-point locale: no number, or the
// number, which the value read gives.
struct NumberRow {
    const char* text;
    std::optional<double> comma, point;
};

void expectReading(const char* text, const NumberFormat& format, std::optional<double> number) {
    EXPECT_EQ(isNumeric(text, format), number.has_value()) << '"' << text << "\" under " << format.decimal;
    if (number) {
        EXPECT_EQ(readValue(text, format), *number) << '"' << text << "\" under " << format.decimal;
    }
}

TEST(Numbers, TheNumericTestAndTheValueReadAgree) {
    const NumberRow rows[] = {
        // Either decimal separator, in every locale; no thousands separators.
        {"2,5", 2.5, kNo}, {"-2,5", -2.5, kNo}, {"7,5", 7.5, kNo}, {"1500,50", 1500.5, kNo}, {"2.5", 2.5, 2.5},
        {"1.000", 1, 1}, {"1,000", 1, kNo}, {"1.000.000", kNo, kNo}, {"1,000,000", kNo, kNo},
        {"1.234,5", kNo, kNo}, {"1,234.5", kNo, kNo}, {"1,5.3", kNo, kNo}, {"1..2", kNo, kNo},
        {"1,,2", kNo, kNo},
        // Digits are required on both sides of the decimal separator.
        {"5,", kNo, kNo}, {",5", kNo, kNo}, {"-,5", kNo, kNo}, {"5,e3", kNo, kNo}, {"5.", kNo, kNo},
        {".5", kNo, kNo}, {"5.e3", kNo, kNo},
        // Signs and blanks.
        {"+3", 3, 3}, {"007", 7, 7}, {"-0", 0, 0}, {" 7 ", 7, 7}, {"\t-7,25\t", -7.25, kNo}, {"", kNo, kNo},
        {"  ", kNo, kNo}, {"-", kNo, kNo}, {"+", kNo, kNo}, {"--1", kNo, kNo}, {"+-1", kNo, kNo},
        {"- 5", kNo, kNo}, {"1 2", kNo, kNo}, {"7\n", kNo, kNo},
        // Exponents: E or e, an optional sign, digits; no fraction in the exponent.
        {"1e3", 1000, 1000}, {"1,5E-3", 0.0015, kNo}, {"-2.5e+2", -250, -250}, {"1e999", kInf, kInf},
        {"1e-999", 0, 0}, {"1e", kNo, kNo}, {"1e+", kNo, kNo}, {"1e 5", kNo, kNo}, {"1e1.0", kNo, kNo},
        {"1e1,5", kNo, kNo}, {"1d5", kNo, kNo}, {"1D5", kNo, kNo},
        // Anything else.
        {"12abc", kNo, kNo}, {"abc", kNo, kNo}, {"0x10", kNo, kNo}, {"&H10", kNo, kNo},
    };
    for (const auto& row : rows) {
        expectReading(row.text, kComma, row.comma);
        expectReading(row.text, kPoint, row.point);
    }
}

TEST(Numbers, AMultiByteDecimalSeparator) {
    const std::pair<const char*, std::optional<double>> rows[] = {
        {"3\u066B5", 3.5}, {"3.5", 3.5}, {"3,5", kNo}, {"3\u066B", kNo}, {"1\u202F000", kNo},
        {"3\xD9", kNo},  // a cut-off separator
    };
    for (const auto& [text, number] : rows) expectReading(text, kArabic, number);
}

struct ValueRow {
    std::string text;
    double value;
};

void expectValues(const std::vector<ValueRow>& rows) {
    for (const auto& row : rows)
        EXPECT_EQ(readValue(row.text, kComma), row.value) << '"' << row.text.substr(0, 40) << '"';
}

// A window reads only texts that pass the numeric test; the value read still reads the
// leading number of any other.
TEST(ReadValue, ReadsTheLeadingNumber) {
    expectValues({
        {"", 0}, {"abc", 0}, {".", 0}, {"-", 0}, {"+", 0}, {"-.", 0}, {"+-5", 0}, {"--1", 0},
        {"2,5,3", 2.5}, {"1,5.3", 1.5}, {"1.234.567", 1.234}, {"1.2.3", 1.2}, {"12abc", 12},
        {".5", 0.5}, {"5.", 5}, {"-.5", -0.5}, {"+5", 5}, {"0.1", 0.1}, {"-0", 0},
        {"1e3", 1000}, {"1E-3", 0.001}, {"1D2", 100}, {"1d-2", 0.01}, {".5e1", 5},
        {"5E", 5}, {"5E+", 5}, {"5E+x", 5}, {"5Dx", 5}, {"5e-", 5}, {"5Ee3", 5},
        // Blanks, tabs and line ends are dropped from the whole text first.
        {"1 2", 12}, {"- 5", -5}, {"\t3\n", 3}, {"1\r\n2", 12}, {"1 e 3", 1000},
        {"&H10", 16}, {"&hff", 255}, {"&HFFx", 255}, {"&H 1 0", 16}, {"&H7FFF", 32767}, {"&H", 0},
        {"&O17", 15}, {"&o1234567", 342391}, {"&o8", 0}, {"&O", 0}, {"-&H10", 0}, {"&X10", 0},
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551616.0},
        // Past 2^53 the whole number rounds to nearest, ties to even.
        {"&H20000000000001", 0x1p53}, {"&H20000000000003", 0x1p53 + 4},
        {"&O400000000000000001", 0x1p53}, {"&O400000000000000003", 0x1p53 + 4},
        {"9007199254740993", 0x1p53}, {"9007199254740995", 0x1p53 + 4},
        {"2.2250738585072011e-308", 0x0.fffffffffffffp-1022}, {"1e-320", 1e-320},
        {"1e999", kInf}, {"-1e999", -kInf}, {"1e-999", 0}, {"-1e-999", 0},
        {"1e0000000000000000000003", 1000}, {"1e99999999999999999999", kInf},
        {"1e-99999999999999999999", 0},
    });
}

TEST(ReadValue, ReadsLongDigitStringsExactly) {
    const std::string zeros(400, '0');
    expectValues({
        // A far-off nonzero digit breaks the tie.
        {"9007199254740993." + std::string(100000, '0') + "1", 0x1p53 + 2},
        {"&H2000000000000100000001", 0x1p85 + 0x1p33}, {"&H2000000000000100000000", 0x1p85},
        {"0." + std::string(200000, '3'), 1.0 / 3.0},
        {"1" + zeros + "e-400", 1}, {"0." + zeros + "1e401", 1},
        {"1" + zeros, kInf}, {"1" + zeros + "e-10", kInf}, {"-1" + zeros, -kInf},
        {"0." + zeros + "1e10", 0}, {"&H" + std::string(300, 'F'), kInf},
    });
}

TEST(ReadValue, IgnoresTheProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no decimal-comma locale installed";
    EXPECT_EQ(readValue("2.5", kPoint), 2.5);
    EXPECT_EQ(readValue("2,5", kPoint), 2);
    EXPECT_EQ(singleText(2.5f, kPoint), "2.5");
    std::setlocale(LC_ALL, saved.c_str());
}

struct TextRow {
    const NumberFormat& format;
    float value;
    const char* text;
};

float tenTenths() {
    float sum = 0.0f;
    for (int i = 0; i < 10; ++i) sum += 0.1f;
    return sum;
}

TEST(SingleText, SevenSignificantDigitsWithTheFormatsSeparator) {
    const TextRow rows[] = {
        {kComma, 0.0f, "0"}, {kComma, -0.0f, "0"}, {kComma, 22.0f / 15.0f, "1,466667"},
        {kComma, 75.0f / 11.0f, "6,818182"},
        {kComma, tenTenths(), "1"},  // 1.0000001 in the single
        {kComma, 720.0f, "720"}, {kComma, 55.0f, "55"}, {kComma, 100.0f, "100"}, {kComma, 10.0f, "10"},
        {kComma, -3.5f, "-3,5"}, {kComma, 0.5f, "0,5"}, {kComma, 0.1f, "0,1"}, {kComma, 1234567.0f, "1234567"},
        {kComma, 9999999.0f, "9999999"}, {kComma, 999999.94f, "999999,9"}, {kComma, 0.00012345678f, "0,0001234568"},
        {kComma, -0.00012345678f, "-0,0001234568"},
        {kComma, 0.99999994f, "0,9999999"},  // the last single below 1
        {kComma, 99999.992f, "99999,99"},
        // Rounding that carries into a new leading digit. The singles nearest to
        // 0.01, 1E-04 and 1E+11 lie just below them.
        {kComma, 1.9999999f, "2"}, {kComma, 0.01f, "0,01"},
        {kComma, 0.0001f, "0,0001"},  // the rounded value picks the fixed form
        {kComma, 9.9999999e-5f, "0,0001"}, {kComma, 1e11f, "1E+11"},
        // The exponent form, for 1E+07 and up and below 1E-04.
        {kComma, 1e7f, "1E+07"}, {kComma, 12345678.0f, "1,234568E+07"},
        {kComma, 16777215.0f, "1,677722E+07"},  // exact tie, to even
        {kComma, 99999995.0f, "9,999999E+07"}, {kComma, 39916800.0f, "3,99168E+07"},
        {kComma, 479001600.0f, "4,790016E+08"}, {kComma, 6227020800.0f, "6,227021E+09"},
        {kComma, 87178291200.0f, "8,717829E+10"}, {kComma, -1.5e10f, "-1,5E+10"}, {kComma, 3e38f, "3E+38"},
        {kComma, std::numeric_limits<float>::max(), "3,402823E+38"}, {kComma, 9.999e-5f, "9,999E-05"},
        {kComma, 1e-5f, "1E-05"}, {kComma, -2.5e-6f, "-2,5E-06"}, {kComma, 1.2e-38f, "1,2E-38"},
        {kComma, std::numeric_limits<float>::denorm_min(), "1,401298E-45"},

        {kPoint, 2.5f, "2.5"}, {kPoint, 1234.5f, "1234.5"}, {kPoint, 12345678.0f, "1.234568E+07"},
        {kPoint, -0.00012345678f, "-0.0001234568"}, {kPoint, 1e-5f, "1E-05"},

        {kArabic, 2.5f, "2\u066B5"}, {kArabic, 0.25f, "0\u066B25"}, {kArabic, 1.5e10f, "1\u066B5E+10"},
        {kArabic, 1234567.0f, "1234567"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(singleText(row.value, row.format), row.text) << std::hexfloat << row.value;
}

TEST(IntegerText, PlainDigits) {
    const std::pair<std::int16_t, const char*> rows[] = {
        {0, "0"}, {-3, "-3"}, {1000, "1000"}, {32767, "32767"}, {-32768, "-32768"},
    };
    for (const auto& [value, text] : rows) EXPECT_EQ(integerText(value), text);
}

}  // namespace
}  // namespace ej
