#include "spin/logic/field_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace ruzav::spin;

namespace {

std::string Int(int v) {
    char text[kFieldTextSize];
    FormatIntField(v, text);
    return text;
}

std::string Float(float v) {
    char text[kFieldTextSize];
    std::memset(text, 'x', sizeof text);
    FormatFloatField(v, text);
    return text;
}

TEST(FormatIntField, PadsToTwoColumns) {
    EXPECT_EQ(Int(5), " 5");
    EXPECT_EQ(Int(-3), "-3");
    EXPECT_EQ(Int(123), "123");
    EXPECT_EQ(Int(0), " 0");
    EXPECT_EQ(Int(2147483647), "2147483647");
    EXPECT_EQ(Int(-2147483647 - 1), "-2147483648");
}

TEST(FormatFloatField, TwoDecimalsInSevenColumns) {
    EXPECT_EQ(Float(3.14159f), "   3.14");
    EXPECT_EQ(Float(-0.5f), "  -0.50");
    EXPECT_EQ(Float(1234567.0f), "1234567.00");
}

// The field writes "%7.2f" without the C library's formatter: its texts must be the library's,
// exactly, over every kind of float (ties rounding to even, negative values rounding to zero,
// tiny and huge magnitudes, steps of a quarter and of a hundredth).
TEST(FormatFloatField, WritesExactlyWhatPrintfWrites) {
    auto printf72 = [](float v) {
        char text[64];
        std::snprintf(text, sizeof text, "%7.2f", static_cast<double>(v));
        return std::string(text);
    };
    std::vector<float> values = {0.0f,    -0.0f,  0.005f,        -0.005f,     0.125f,     0.375f,
                                 -0.125f, 2.675f, 1.005f,        -0.001f,     99.995f,    1e-30f,
                                 -1e-30f, 1e-45f, 4294967296.0f, 1e11f,       1.0995e12f, -1e12f,
                                 1e13f,   -3e20f, FLT_MIN,       FLT_TRUE_MIN};
    for (int i = -4000; i <= 4000; ++i) {
        values.push_back(static_cast<float>(i) * 0.25f);
        values.push_back(static_cast<float>(i) * 0.01f);
        values.push_back(static_cast<float>(i) * 0.005f);
    }
    // Every 39979th bit pattern across the finite floats, both signs.
    for (std::uint32_t bits = 0; bits < 0x7f800000u; bits += 39979u) {
        float v;
        std::memcpy(&v, &bits, sizeof v);
        values.push_back(v);
        values.push_back(-v);
    }
    for (float v : values) {
        const std::string expected = printf72(v);
        if (expected.size() >= static_cast<std::size_t>(kFieldTextSize)) {
            continue; // too long for the field: the exponent form below
        }
        ASSERT_EQ(expected, Float(v)) << "bits of the value: " << std::hexfloat << v;
    }
}

TEST(FormatFloatField, ValuesTooLongForTheFieldShowInExponentForm) {
    // Just below the cut the fixed form still fits in 31 characters...
    EXPECT_EQ(Float(9e27f).size(), 31u);
    // ... and beyond it the text stays bounded and reads back as the same float.
    for (float v : {1e28f, -1e27f, FLT_MAX, -FLT_MAX}) {
        const std::string text = Float(v);
        EXPECT_LT(text.size(), static_cast<std::size_t>(kFieldTextSize)) << text;
        EXPECT_EQ(std::stof(text), v) << text;
    }
    EXPECT_EQ(Float(1e30f), "1.00000002e+30");
}

struct TimeCase {
    int hour, minute;
    int clock, lead;
    const char* f1;
    const char* f2;
    const char* f3;
};

TEST(FormatTimeFields, TwelveAndTwentyFourHourClocks) {
    const TimeCase cases[] = {
        {0, 5, 0, 1, "12", "05", "AM"},   {13, 7, 0, 1, "01", "07", "PM"},
        {9, 30, 0, 0, "  9", "30", "AM"}, {12, 0, 0, 1, "12", "00", "PM"},
        {11, 59, 0, 1, "11", "59", "AM"}, {23, 59, 0, 2, "11", "59", "PM"},
        {21, 15, 0, 1, "09", "15", "PM"}, {0, 0, 1, 1, "00", "00", ""},
        {9, 5, 1, 0, "  9", "05", ""},    {9, 5, 1, 2, "  9", "05", ""}, // lead 2 acts as 0
        {15, 30, 2, 1, "15", "30", ""}, // clock 2 acts as the 24-hour clock
        {23, 0, -1, 1, "23", "00", ""}};
    const Designators designators{"AM", "PM"};
    for (const auto& c : cases) {
        FieldTexts texts;
        const tagSpinTime t{static_cast<std::uint8_t>(c.hour), static_cast<std::uint8_t>(c.minute),
                            0, 0};
        FormatTimeFields(t, ClockSettings{c.clock, c.lead}, designators, texts);
        EXPECT_STREQ(texts.szField[0], c.f1) << c.hour << ":" << c.minute << " clock " << c.clock;
        EXPECT_STREQ(texts.szField[1], c.f2) << c.hour << ":" << c.minute << " clock " << c.clock;
        EXPECT_STREQ(texts.szField[2], c.f3) << c.hour << ":" << c.minute << " clock " << c.clock;
    }
}

TEST(FormatTimeFields, DesignatorsAreBoundedAndMayBeMissing) {
    const std::string longText(100, 'Z');
    FieldTexts texts;
    FormatTimeFields(tagSpinTime{14, 0, 0, 0}, ClockSettings{},
                     Designators{nullptr, longText.c_str()}, texts);
    EXPECT_EQ(std::string(texts.szField[2]), longText.substr(0, 31));
    FormatTimeFields(tagSpinTime{2, 0, 0, 0}, ClockSettings{}, Designators{nullptr, nullptr},
                     texts);
    EXPECT_STREQ(texts.szField[2], "");
}

struct DateCase {
    int order;
    int day, month, year;
    const char* f1;
    const char* f2;
    const char* f3;
};

TEST(FormatDateFields, EachPieceInItsFieldAndForm) {
    const DateCase cases[] = {
        {0, 5, 3, 1998, " 3", " 5", "98"},        {47, 5, 3, 1998, "1998", "03", "05"},
        {20, 5, 3, 1998, " 5", "98", "3"}, // d or M in field 3 has no padding
        {26, 5, 3, 1998, "05", "03", "98"},       {3, 5, 3, 2005, " 3", "05", "2005"},
        {16, 25, 12, 2000, "25", "12", "00"},     {45, 9, 1, 2001, "2001", " 1", "09"},
        {32, 5, 3, 2007, "07", " 5", "3"},        {6, 5, 3, 1998, " 3", "1998", "5"},
        {0, 5, 3, 5, " 3", " 5", "05"},           {1, 5, 3, 5, " 3", " 5", "   5"},
        {0, 200, 250, 65535, "250", "200", "35"}, {47, 1, 1, 65535, "65535", "01", "01"}};
    for (const auto& c : cases) {
        FieldTexts texts;
        const tagSpinDate d{static_cast<std::uint8_t>(c.day), static_cast<std::uint8_t>(c.month),
                            static_cast<std::uint16_t>(c.year), 0};
        FormatDateFields(d, static_cast<eDateOrder>(c.order), texts);
        EXPECT_STREQ(texts.szField[0], c.f1) << "order " << c.order;
        EXPECT_STREQ(texts.szField[1], c.f2) << "order " << c.order;
        EXPECT_STREQ(texts.szField[2], c.f3) << "order " << c.order;
    }
}

} // namespace
