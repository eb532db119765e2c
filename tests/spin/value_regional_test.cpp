// What a control takes from the user's regional settings, and when.
#include "value_fixture.h"

#include <string>

namespace spin_test {
namespace {

using RegionalTest = SpinValueTest;

TEST_F(RegionalTest, TextsAreReadAtConstructionAndCutToTheirBuffers) {
    SpinProbe plain; // an empty profile gives the library's defaults
    EXPECT_EQ(std::string(plain.m_szDateSep) + plain.m_szTimeSep + plain.m_szAM + plain.m_szPM,
              "\\:AMPM");
    EXPECT_EQ(plain.m_eDateOrder, 0);
    EXPECT_EQ(plain.GetValueType(), eSpinInt);

    SetIntl("sDate=-/-/-/-/\nsTime=h:mm:ss\ns1159=" + std::string(40, 'a') +
            "\ns2359=" + std::string(40, 'p') + "\nsShortDate=yyyy-MM-dd\n");
    SpinProbe cut;
    EXPECT_STREQ(cut.m_szDateSep, "-/-/");
    EXPECT_STREQ(cut.m_szTimeSep, "h:mm");
    EXPECT_EQ(std::string(cut.m_szAM), std::string(31, 'a'));
    EXPECT_EQ(std::string(cut.m_szPM), std::string(31, 'p'));
    EXPECT_EQ(cut.m_eDateOrder, 46) << "yyyy-MM-dd is read as yyyy-MM-d";

    // "sDate", read a second time as the delimiter set, has to reach the pattern's split.
    SetIntl("sDate=\nsShortDate=d/M/yyyy\n");
    EXPECT_EQ(SpinProbe().m_eDateOrder, 0);
}

TEST_F(RegionalTest, TheOrderIsFixedAtConstructionTheClockReadAtEachFormatting) {
    SetIntl("sDate=.\nsShortDate=dd.MM.yy\n");
    CKSpin* spin = MakeKind(eSpinDate);
    SetIntl("sDate=/\nsShortDate=yyyy/MM/dd\n");
    const tagSpinDate date{5, 3, 1998, 0};
    spin->Set(&date);
    EXPECT_EQ(FieldText(1) + FieldText(2) + FieldText(3), "050398");

    spin = MakeKind(eSpinTime);
    const tagSpinTime time{9, 30, 0, 0};
    const struct {
        const char* intl;
        const char* shown;
    } cases[] = {
        {"", "0930AM"}, {"iTime=1\niTLZero=0\n", "  930"}, {"iTime=2\niTLZero=2\n", "  930"}};
    for (const auto& c : cases) {
        SetIntl(c.intl);
        spin->Set(&time);
        EXPECT_EQ(FieldText(1) + FieldText(2) + FieldText(3), c.shown) << c.intl;
    }
}

TEST_F(RegionalTest, ValidCharactersFollowTheKindAndSeparators) {
    SetIntl("sDate=/\nsTime=.\n");
    SpinProbe spin;
    EXPECT_TRUE(spin.IsValidDigit('/'));
    EXPECT_TRUE(spin.IsValidDigit('7'));
    EXPECT_FALSE(spin.IsValidDigit('A')) << "designator letters only in a time control";
    EXPECT_FALSE(spin.IsValidDigit('\0'));
    spin.SetProperties(nullptr, eSpinTime);
    EXPECT_TRUE(spin.IsValidDigit('M'));
}

} // namespace
} // namespace spin_test
