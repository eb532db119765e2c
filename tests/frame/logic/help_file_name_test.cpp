#include "frame/logic/help_file_name.h"

#include <gtest/gtest.h>

namespace {

TEST(HelpFileName, StaysBelowTheLibrarysDirectory) {
    const struct {
        const char* name;
        bool below;
    } cases[] = {
        {"APP.HLP", true},          {"\\DOC\\APP.HLP", true},   {"DOC/APP.HLP", true},
        {"..APP.HLP", true},        {"A..B\\C.HLP", true},      {".\\APP.HLP", true},
        {"..\\APP.HLP", false},     {"../APP.HLP", false},      {"DOC\\..\\..\\X.HLP", false},
        {"DOC/../../X.HLP", false}, {"\\..\\X.HLP", false},     {"DOC\\..", false},
        {"...\\X.HLP", false},      {".. \\X.HLP", false},      {"*.HLP", false},
        {"APP?.HLP", false},        {"DOC\\*\\APP.HLP", false}, {nullptr, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(helpfile::StaysBelowDirectory(c.name), c.below) << (c.name ? c.name : "null");
    }
}

} // namespace
