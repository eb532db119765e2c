// Values passing between a host and the control: Set shows them, Get reads the fields back.
#include "value_fixture.h"

#include <cstring>
#include <utility>

namespace spin_value_test {
namespace {

using ExchangeTest = SpinValueTest;

TEST_F(ExchangeTest, WholeNumbersShowPaddedAndReadBackAsTyped) {
    CKSpin* spin = MakeInt(0, 100, 0, 5);
    for (const auto& c :
         {std::make_pair(5, " 5"), std::make_pair(-3, "-3"), std::make_pair(123, "123")}) {
        spin->Set(&c.first);
        EXPECT_EQ(FieldText(1), c.second);
    }
    SetFieldText(1, "250");
    int value = 0;
    EXPECT_TRUE(spin->Get(&value));
    EXPECT_EQ(value, 250) << "the limits apply only when stepping";
}

TEST_F(ExchangeTest, ABlankNumberFieldIsNotAValue) {
    CKSpin* spin = MakeInt(0, 100, 0, 5);
    for (const char* text : {"", "   "}) {
        SetFieldText(1, text);
        int value = 77;
        EXPECT_FALSE(spin->Get(&value)) << '"' << text << '"';
        EXPECT_EQ(value, 77) << "nothing written on failure";
    }
}

TEST_F(ExchangeTest, FractionsShowTwoDecimals) {
    CKSpin* spin = MakeFloat(0.0f, 10.0f, 0.0f, 0.5f);
    const float value = 3.14159f;
    spin->Set(&value);
    EXPECT_EQ(FieldText(1), "   3.14");
    SetFieldText(1, "3,5");
    float read = 0;
    EXPECT_TRUE(spin->Get(&read));
    EXPECT_EQ(read, 3.0f) << "a comma is not a decimal point";
    const float huge = 1e30f;
    spin->Set(&huge);
    EXPECT_EQ(FieldText(1), "1.00000002e+30");
    EXPECT_TRUE(spin->Get(&read));
    EXPECT_EQ(read, huge);
}

TEST_F(ExchangeTest, TheNumberFieldTakesTheTextOfEitherLimit) {
    MakeInt(-1000, 50, 0, 1);
    EXPECT_EQ(::SendMessageA(Field(1), EM_GETLIMITTEXT, 0, 0), 5);
    ::DestroyWindow(m_hSpin);
    MakeFloat(0.0f, 12345.0f, 0.0f, 1.0f);
    EXPECT_EQ(::SendMessageA(Field(1), EM_GETLIMITTEXT, 0, 0), 8);
}

TEST_F(ExchangeTest, TimesAreNormalisedAndShownOnTheRegionalClock) {
    CKSpin* spin = MakeKind(eSpinTime);
    const struct {
        tagSpinTime set;
        const char *f1, *f2, *f3;
        tagSpinTime got;
    } cases[] = {
        {{10, 59, 75, 9}, "11", "00", "AM", {11, 0, 15, 9}},
        {{23, 59, 60, 0}, "12", "00", "AM", {0, 0, 0, 0}},
        {{0, 5, 0, 0}, "12", "05", "AM", {0, 5, 0, 0}},
        {{13, 7, 0, 0}, "01", "07", "PM", {13, 7, 0, 0}},
    };
    for (const auto& c : cases) {
        spin->Set(&c.set);
        EXPECT_EQ(FieldText(1), c.f1);
        EXPECT_EQ(FieldText(2), c.f2);
        EXPECT_EQ(FieldText(3), c.f3);
        tagSpinTime got{};
        ASSERT_TRUE(spin->Get(&got));
        EXPECT_EQ(0, std::memcmp(&got, &c.got, sizeof got)) << c.f1 << ":" << c.f2;
    }
}

TEST_F(ExchangeTest, TypedTimesReadBackWithTheirDesignators) {
    CKSpin* spin = MakeKind(eSpinTime);
    // The whole table of read-back rules is the parser's; these show the fields reach it.
    const struct {
        const char *f1, *f2, *f3;
        bool ok;
        int hour, minute;
    } cases[] = {
        {"12", "30", "AM", true, 0, 30},
        {"11", "30", "PM", true, 23, 30},
        {"10", "75", "AM", true, 11, 15},
        {"10", "30", "", false, 0, 0},
    };
    for (const auto& c : cases) {
        SetFieldText(1, c.f1);
        SetFieldText(2, c.f2);
        SetFieldText(3, c.f3);
        tagSpinTime got{99, 99, 99, 99};
        EXPECT_EQ(spin->Get(&got), c.ok ? TRUE : FALSE) << c.f1 << " " << c.f2 << " " << c.f3;
        EXPECT_EQ(got.nHour, c.ok ? c.hour : 99) << c.f1 << " " << c.f2 << " " << c.f3;
        EXPECT_EQ(got.nMinute, c.ok ? c.minute : 99) << c.f1 << " " << c.f2 << " " << c.f3;
    }
}

TEST_F(ExchangeTest, OnTheTwentyFourHourClockAnEmptyDesignatorIsFine) {
    SetIntl("iTime=1\ns1159=\ns2359=\n");
    CKSpin* spin = MakeKind(eSpinTime);
    SetFieldText(1, "25");
    SetFieldText(2, "30");
    SetFieldText(3, "");
    tagSpinTime got{};
    ASSERT_TRUE(spin->Get(&got));
    EXPECT_EQ(got.nHour, 1);
    EXPECT_EQ(got.nMinute, 30);
}

TEST_F(ExchangeTest, DatesAreNormalisedAndShownInTheRegionalOrder) {
    SetYear(1998);
    CKSpin* spin = MakeKind(eSpinDate);
    const struct {
        tagSpinDate set;
        const char *f1, *f2, *f3;
    } cases[] = {
        {{5, 3, 1998, 4}, " 3", " 5", "98"},
        {{60, 1, 1999, 0}, " 3", " 1", "99"},
        {{15, 13, 1999, 0}, " 1", "15", "00"},
    };
    for (const auto& c : cases) {
        spin->Set(&c.set);
        EXPECT_EQ(FieldText(1), c.f1);
        EXPECT_EQ(FieldText(2), c.f2);
        EXPECT_EQ(FieldText(3), c.f3);
    }
}

TEST_F(ExchangeTest, GetMovesAYearBeforeTheCurrentOneACenturyOn) {
    SetIntl("sShortDate=dd/MM/yyyy\nsDate=/\n"); // read as dd/MM/yyy: two-digit years
    CKSpin* spin = MakeKind(eSpinDate);
    const tagSpinDate held{1, 1, 1998, 0};
    spin->Set(&held);

    SetYear(1998);
    SetFieldText(3, "90");
    tagSpinDate got{};
    ASSERT_TRUE(spin->Get(&got));
    EXPECT_EQ(got.nYear, 2090);

    SetYear(2026);
    const tagSpinDate lastYear{1, 1, 2025, 0};
    spin->Set(&lastYear);
    tagSpinDate untouched{9, 9, 9, 9};
    EXPECT_FALSE(spin->Get(&untouched)) << "2025 becomes 2125, past the last year";
    EXPECT_EQ(untouched.nYear, 9);
    EXPECT_EQ(untouched.nDay, 9);
}

TEST_F(ExchangeTest, TwoDigitYearsKeepTheCenturyHeldBefore) {
    SetYear(1980);
    CKSpin* spin = MakeKind(eSpinDate); // M, d, yy
    const tagSpinDate held{5, 3, 2005, 0};
    spin->Set(&held);
    SetFieldText(3, "98");
    tagSpinDate got{};
    ASSERT_TRUE(spin->Get(&got));
    EXPECT_EQ(got.nYear, 2098);

    SetFieldText(3, "5");
    EXPECT_FALSE(spin->Get(&got)) << "a single character is the year 5";
}

TEST_F(ExchangeTest, GetHandsOverOnlyDatesThatExist) {
    SetYear(1998);
    CKSpin* spin = MakeKind(eSpinDate); // M, d, yy
    const tagSpinDate held{1, 1, 1998, 6};
    spin->Set(&held);
    const struct {
        const char *month, *day, *year;
        bool ok;
    } cases[] = {
        {"2", "29", "96", true}, {"2", "31", "98", false},  {"13", "1", "98", false},
        {"0", "1", "98", false}, {"1", "0", "98", false},   {"1", "32", "98", false},
        {"1", "1", "", false},   {"1", "1", "2100", false}, {"1", "1", "2099", true},
    };
    for (const auto& c : cases) {
        SetFieldText(1, c.month);
        SetFieldText(2, c.day);
        SetFieldText(3, c.year);
        tagSpinDate got{0, 0, 0, 0};
        EXPECT_EQ(spin->Get(&got), c.ok ? TRUE : FALSE) << c.month << "/" << c.day << "/" << c.year;
        if (c.ok) {
            EXPECT_EQ(got.nDayOfWeek, 6) << "the day of the week comes back unchanged";
        }
    }
}

TEST_F(ExchangeTest, GetWritesOnlyTheFiveBytesOfADate) {
    SetYear(1998);
    CKSpin* spin = MakeKind(eSpinDate);
    unsigned char host[8];
    std::memset(host, 0xAB, sizeof host);
    const tagSpinDate date{5, 3, 1998, 2};
    spin->Set(&date);
    ASSERT_TRUE(spin->Get(host));
    EXPECT_EQ(host[0], 5);
    EXPECT_EQ(host[1], 3);
    EXPECT_EQ(host[2] | (host[3] << 8), 1998);
    EXPECT_EQ(host[4], 2);
    EXPECT_EQ(host[5], 0xAB);
}

TEST_F(ExchangeTest, WithoutFieldsGetFailsAndSetOnlyStores) {
    CKSpin* spin = MakeControl(); // the window, but no SetProperties yet: no fields
    int value = 42;
    spin->Set(&value);
    int got = 7;
    EXPECT_FALSE(spin->Get(&got));
    EXPECT_EQ(got, 7);
    spin->SetProperties(&m_host, 0, 100, 42, 1);
    EXPECT_EQ(FieldText(1), "") << "the fields show the value at the next Update";
    spin->Update();
    EXPECT_EQ(FieldText(1), "42");
}

TEST_F(ExchangeTest, WithoutWindowsTheValueLivesInTheMembers) {
    SpinProbe spin;
    const tagSpinDate date{30, 2, 2000, 0};
    spin.SetProperties(nullptr, eSpinDate);
    spin.Set(&date);
    EXPECT_EQ(spin.m_Date.nDay, 1);
    EXPECT_EQ(spin.m_Date.nMonth, 3);
    tagSpinDate got{};
    EXPECT_FALSE(spin.Get(&got));
    spin.Set(nullptr); // refused quietly
    EXPECT_EQ(spin.m_Date.nMonth, 3);
}

TEST_F(ExchangeTest, BeforeTheFirstSetTheFieldsShowAValidValue) {
    SetYear(1998);
    CKSpin* spin = MakeKind(eSpinDate);
    spin->Update();
    tagSpinDate got{};
    ASSERT_TRUE(spin->Get(&got));
    EXPECT_EQ(got.nDay, 1);
    EXPECT_EQ(got.nMonth, 1);
    EXPECT_EQ(got.nYear, 2080) << "1980 lies before 1998, so Get moves it a century on";
}

} // namespace
} // namespace spin_value_test
