// What a control takes from the user's regional settings, and when.
#include "value_fixture.h"

#include <cstring>
#include <string>

namespace spin_value_test {
namespace {

using RegionalTest = SpinValueTest;

TEST_F(RegionalTest, AnEmptyProfileGivesTheLibraryDefaults) {
    SpinProbe spin;
    EXPECT_STREQ(spin.m_szDateSep, "\\");
    EXPECT_STREQ(spin.m_szTimeSep, ":");
    EXPECT_STREQ(spin.m_szAM, "AM");
    EXPECT_STREQ(spin.m_szPM, "PM");
    EXPECT_EQ(spin.m_eDateOrder, 0);
    EXPECT_EQ(spin.GetValueType(), eSpinInt);
}

TEST_F(RegionalTest, SettingsAreCutToTheirBuffers) {
    SetIntl("sDate=-/-/-/-/\nsTime=h:mm:ss\ns1159=" + std::string(40, 'a') +
            "\ns2359=" + std::string(40, 'p') + "\nsShortDate=yyyy-MM-dd\n");
    SpinProbe spin;
    EXPECT_STREQ(spin.m_szDateSep, "-/-/");
    EXPECT_STREQ(spin.m_szTimeSep, "h:mm");
    EXPECT_EQ(std::string(spin.m_szAM), std::string(31, 'a'));
    EXPECT_EQ(std::string(spin.m_szPM), std::string(31, 'p'));
    EXPECT_EQ(spin.m_eDateOrder, 46) << "yyyy-MM-dd is read as yyyy-MM-d";
}

TEST_F(RegionalTest, TheShortDatePatternFixesTheOrder) {
    // The pattern's rules are the order logic's table; here "sDate", read a second time as
    // the delimiter set, has to reach the split.
    const struct {
        const char* lines;
        int order;
    } cases[] = {
        {"sDate=-\nsShortDate=d/M/yyyy\n", 17},
        {"sDate=\nsShortDate=d/M/yyyy\n", 0},
    };
    for (const auto& c : cases) {
        SetIntl(c.lines);
        SpinProbe spin;
        EXPECT_EQ(spin.m_eDateOrder, c.order) << c.lines;
    }
}

TEST_F(RegionalTest, TheOrderIsFixedAtConstruction) {
    SetIntl("sDate=.\nsShortDate=dd.MM.yy\n");
    CKSpin* spin = MakeKind(eSpinDate);
    SetIntl("sDate=/\nsShortDate=yyyy/MM/dd\n");
    const tagSpinDate date{5, 3, 1998, 0};
    spin->Set(&date);
    EXPECT_EQ(FieldText(1), "05");
    EXPECT_EQ(FieldText(2), "03");
    EXPECT_EQ(FieldText(3), "98");
}

TEST_F(RegionalTest, TheClockSettingsApplyAtTheNextFormatting) {
    CKSpin* spin = MakeKind(eSpinTime);
    const tagSpinTime time{9, 30, 0, 0};
    spin->Set(&time);
    EXPECT_EQ(FieldText(1), "09");
    EXPECT_EQ(FieldText(3), "AM");

    SetIntl("iTime=1\niTLZero=0\n");
    spin->Set(&time);
    EXPECT_EQ(FieldText(1), "  9");
    EXPECT_EQ(FieldText(2), "30");
    EXPECT_EQ(FieldText(3), "");

    SetIntl("iTime=2\niTLZero=2\n");
    const tagSpinTime evening{21, 5, 0, 0};
    spin->Set(&evening);
    EXPECT_EQ(FieldText(1), "21") << "any clock but 0 is the 24-hour clock";
    EXPECT_EQ(FieldText(2), "05");
}

TEST_F(RegionalTest, ValidCharactersFollowTheKindAndSeparators) {
    SetIntl("sDate=/\nsTime=.\n");
    SpinProbe spin;
    EXPECT_TRUE(spin.IsValidDigit('/'));
    EXPECT_TRUE(spin.IsValidDigit('7'));
    EXPECT_FALSE(spin.IsValidDigit('A')) << "designator letters only in a time control";
    EXPECT_FALSE(spin.IsValidDigit('\0'));
    spin.SetProperties(nullptr, eSpinTime);
    EXPECT_TRUE(spin.IsValidDigit('A'));
    EXPECT_TRUE(spin.IsValidDigit('M'));
}

} // namespace
} // namespace spin_value_test
