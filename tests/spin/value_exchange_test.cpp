// Values passing between a host and the control: Set shows them, Get reads the fields back. One
// case a rule shows that the control reaches it; the rules' own tables are the logic tests'
// (field_format, field_parse, value_normalise).
#include "value_fixture.h"

#include <cstring>

namespace spin_test {
namespace {

using ExchangeTest = SpinValueTest;

TEST_F(ExchangeTest, NumbersShowPaddedAndReadBackAsTyped) {
    CKSpin* spin = MakeInt(0, 100, 5);
    const int five = 5;
    spin->Set(&five);
    EXPECT_EQ(FieldText(1), " 5");
    for (const char* typed : {"250", "", "   "}) {
        SetFieldText(1, typed);
        int value = 77;
        EXPECT_EQ(spin->Get(&value), *typed == '2') << '"' << typed << '"';
        EXPECT_EQ(value, *typed == '2' ? 250 : 77) << "limits apply only when stepping";
    }
    EXPECT_EQ(::SendMessageA(Field(1), EM_GETLIMITTEXT, 0, 0), 3) << "the field takes 100";

    ControlPlan plan;
    plan.kind = eSpinFloat;
    plan.fMax = 12345.0f;
    spin = Make(plan);
    EXPECT_EQ(::SendMessageA(Field(1), EM_GETLIMITTEXT, 0, 0), 8);
    const float pi = 3.14159f;
    spin->Set(&pi);
    EXPECT_EQ(FieldText(1), "   3.14");
    SetFieldText(1, "3,5");
    float read = 0;
    EXPECT_TRUE(spin->Get(&read));
    EXPECT_EQ(read, 3.0f) << "a comma is not a decimal point";
}

TEST_F(ExchangeTest, TimesAreNormalisedShownOnTheRegionalClockAndReadBack) {
    CKSpin* spin = MakeKind(eSpinTime);
    const struct {
        tagSpinTime set;
        const char *f1, *f2, *f3;
        tagSpinTime got;
    } cases[] = {{{10, 59, 75, 9}, "11", "00", "AM", {11, 0, 15, 9}},
                 {{13, 7, 0, 0}, "01", "07", "PM", {13, 7, 0, 0}}};
    for (const auto& c : cases) {
        spin->Set(&c.set);
        EXPECT_EQ(FieldText(1) + FieldText(2) + FieldText(3), std::string(c.f1) + c.f2 + c.f3);
        tagSpinTime got{};
        ASSERT_TRUE(spin->Get(&got));
        EXPECT_EQ(0, std::memcmp(&got, &c.got, sizeof got)) << c.f1 << ":" << c.f2;
    }
    // The whole table of read-back rules is the parser's; these show the fields reach it.
    const struct {
        const char *f1, *f2, *f3;
        int hour, minute; // -1: Get fails and writes nothing
    } typed[] = {{"11", "30", "PM", 23, 30}, {"10", "30", "", -1, 0}};
    for (const auto& c : typed) {
        SetFieldText(1, c.f1);
        SetFieldText(2, c.f2);
        SetFieldText(3, c.f3);
        tagSpinTime got{99, 99, 99, 99};
        EXPECT_EQ(spin->Get(&got), c.hour >= 0) << c.f1 << " " << c.f2 << " " << c.f3;
        EXPECT_EQ(got.nHour, c.hour >= 0 ? c.hour : 99) << c.f1 << " " << c.f2 << " " << c.f3;
        EXPECT_EQ(got.nMinute, c.hour >= 0 ? c.minute : 99);
    }
    SetIntl("iTime=1\ns1159=\ns2359=\n");
    SetFieldText(1, "25");
    tagSpinTime got{};
    ASSERT_TRUE(spin->Get(&got)) << "on the 24-hour clock an empty designator is fine";
    EXPECT_EQ(got.nHour, 1);
}

TEST_F(ExchangeTest, DatesAreNormalisedAndShownInTheRegionalOrder) {
    SetYear(1998);
    CKSpin* spin = MakeKind(eSpinDate);
    const struct {
        tagSpinDate set;
        const char* shown;
    } cases[] = {{{5, 3, 1998, 4}, " 3/ 5/98"}, {{60, 1, 1999, 0}, " 3/ 1/99"}};
    for (const auto& c : cases) {
        spin->Set(&c.set);
        EXPECT_EQ(FieldText(1) + "/" + FieldText(2) + "/" + FieldText(3), c.shown);
    }
}

// With the clock in 1998 a typed 90 is 2090; with it in 2026, 2025 becomes 2125, past the
// last year. A two-digit year keeps the century held before; one character is the year 5.
TEST_F(ExchangeTest, GetHandsOverOnlyDatesThatExistBetween1980And2099) {
    CKSpin* spin = MakeKind(eSpinDate); // M, d, yy
    const struct {
        WORD clock;
        tagSpinDate held;
        const char *month, *day, *year;
        int gotYear; // 0: Get fails and writes nothing
    } cases[] = {{1998, {1, 1, 1998, 6}, "1", "1", "90", 2090},
                 {2026, {1, 1, 2025, 6}, "1", "1", "25", 0},
                 {1980, {5, 3, 2005, 6}, "3", "5", "98", 2098},
                 {1998, {1, 1, 1998, 6}, "2", "31", "98", 0},
                 {1998, {1, 1, 1998, 6}, "1", "1", "2099", 2099},
                 {1998, {1, 1, 1998, 6}, "1", "1", "", 0}};
    for (const auto& c : cases) {
        SetYear(c.clock);
        spin->Set(&c.held);
        SetFieldText(1, c.month);
        SetFieldText(2, c.day);
        SetFieldText(3, c.year);
        unsigned char host[8];
        std::memset(host, 0xAB, sizeof host);
        EXPECT_EQ(spin->Get(host), c.gotYear != 0) << c.month << "/" << c.day << "/" << c.year;
        if (c.gotYear != 0) {
            EXPECT_EQ(host[2] | (host[3] << 8), c.gotYear);
            EXPECT_EQ(host[4], 6) << "the day of the week comes back unchanged";
        }
        EXPECT_EQ(host[c.gotYear != 0 ? 5 : 0], 0xAB) << "only the five bytes of a date, if any";
    }
}

TEST_F(ExchangeTest, BeforeFieldsExistSetOnlyStoresAndGetFails) {
    ControlPlan plan;
    plan.configure = false; // the window, but no SetProperties yet: no fields
    CKSpin* spin = Make(plan);
    const int value = 42;
    spin->Set(&value);
    int got = 7;
    EXPECT_FALSE(spin->Get(&got));
    EXPECT_EQ(got, 7);
    spin->SetProperties(dialog_->parent(), 0, 100, 42, 1);
    EXPECT_EQ(FieldText(1), "") << "the fields show the value at the next Update";
    spin->Update();
    EXPECT_EQ(FieldText(1), "42");

    SpinProbe lone; // no windows at all: the value lives in the members
    const tagSpinDate date{30, 2, 2000, 0};
    lone.SetProperties(nullptr, eSpinDate);
    lone.Set(&date);
    EXPECT_EQ(lone.m_Date.nDay, 1);
    EXPECT_EQ(lone.m_Date.nMonth, 3);
    EXPECT_FALSE(lone.Get(&got));
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
} // namespace spin_test
