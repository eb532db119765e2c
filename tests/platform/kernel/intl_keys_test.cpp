// The translation from a locale's time formats to the profile's "Intl" keys, format by format.
#include "kernel_fixture.h"

namespace {

struct Row {
    const char* dateFormat;
    const char* timeFormat;
    const char* am;
    const char* pm;
    // Expected keys; nullptr means the key is not answered.
    const char* shortDate;
    const char* dateSeparator;
    const char* timeSeparator;
    const char* clock; // iTime
    const char* leadingZero;
    const char* twelveHour = "%I:%M:%S %p"; // the locale's own 12-hour form, which "%r" stands for
};

const Row kRows[] = {
    {"%d.%m.%Y", "%H:%M:%S", "", "", "dd.MM.yyyy", ".", ":", "1", "1"},
    {"%m/%d/%Y", "%r", "AM", "PM", "MM/dd/yyyy", "/", ":", "0", "1"},
    {"%m/%d/%y", "%I:%M:%S %p", "AM", "PM", "MM/dd/yy", "/", ":", "0", "1"},
    {"%D", "%T", "", "", "MM/dd/yy", "/", ":", "1", "1"},
    {"%F", "%R", "", "", "yyyy-MM-dd", "-", ":", "1", "1"},
    {"%Y-%m-%d", "%k.%M", "", "", "yyyy-MM-dd", "-", ".", "1", "0"},
    {"%-d/%-m/%Y", "%l:%M %p", "am", "pm", "d/M/yyyy", "/", ":", "0", "0"},
    {"%e.%m.%y", "%-H:%M", "", "", "d.MM.yy", ".", ":", "1", "0"},
    {"%d/%m/%y", "%Hh%M", "", "", "dd/MM/yy", "/", "h", "1", "1"},
    {"%Y. %m. %d.", "%H:%M:%S", "", "", "yyyy. MM. dd.", ". ", ":", "1", "1"},
    {"%d %B %Y", "%OH:%OM", "", "", "dd MMMM yyyy", " ", ":", "1", "1"},
    {"%d de %b", "%H:%M", "", "", "dd 'de' MMM", " de ", ":", "1", "1"},
    {"%Y%m%d", "%H%M%S", "", "", "yyyyMMdd", nullptr, nullptr, "1", "1"},
    {"%Ey", "", "", "", "yy", nullptr, nullptr, nullptr, nullptr},
    {"%d.%m.%Y %Z", "", "", "", nullptr, nullptr, nullptr, nullptr, nullptr}, // no picture for %Z
    {"", "%M:%S", "", "", nullptr, nullptr, nullptr, nullptr, nullptr},       // no hour
    {"%x", "%r", "vm", "nm", nullptr, nullptr, ".", "0", "0", "%p %l.%M.%S"},
};

std::string Key(const char* key) {
    char buffer[32];
    GetProfileStringA("Intl", key, "<none>", buffer, sizeof buffer);
    return buffer;
}

std::string Expected(const char* value) {
    return value ? value : "<none>";
}

} // namespace

using IntlKeysTest = KernelTest;

TEST_F(IntlKeysTest, FormatsTranslateToKeys) {
    for (const Row& row : kRows) {
        desktop::SetProfileIntlFromFormats(
            {row.dateFormat, row.timeFormat, row.twelveHour, row.am, row.pm});
        SCOPED_TRACE(std::string(row.dateFormat) + " | " + row.timeFormat);
        EXPECT_EQ(Expected(row.shortDate), Key("sShortDate"));
        EXPECT_EQ(Expected(row.dateSeparator), Key("sDate"));
        EXPECT_EQ(Expected(row.timeSeparator), Key("sTime"));
        EXPECT_EQ(Expected(row.clock), Key("iTime"));
        EXPECT_EQ(Expected(row.leadingZero), Key("iTLZero"));
        EXPECT_EQ(Expected(*row.am ? row.am : nullptr), Key("s1159"));
        EXPECT_EQ(Expected(*row.pm ? row.pm : nullptr), Key("s2359"));
    }
}
