// A label longer than the painters' inline text buffer draws from its heap copy.
#include "controls_fixture.h"

#include <string>

namespace {

using LongLabel = controls_test::ControlsTest;

// A static's text longer than the inline buffer draws from the heap copy: its visible start is
// the same as a short text's, and the rest goes on drawing past it.
TEST_F(LongLabel, ALongStaticTextDrawsLikeItsStart) {
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 900, 100, nullptr,
                                  nullptr, nullptr, nullptr);
    const std::string start = "Hello long label ";
    std::string longText = start;
    while (longText.size() < 600)
        longText += "xyzzy ";
    HWND shortLabel =
        CreateWindowExA(0, "STATIC", start.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 0, 0,
                        800, 20, parent, nullptr, nullptr, nullptr);
    HWND longLabel =
        CreateWindowExA(0, "STATIC", longText.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 0,
                        40, 800, 20, parent, nullptr, nullptr, nullptr);
    ASSERT_EQ(GetWindowTextLengthA(longLabel), static_cast<int>(longText.size()));
    UpdateWindow(parent);
    HDC screen = GetDC(nullptr);
    int inkOnlyInLong = 0;
    int inkInShort = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 800; ++x) {
            const COLORREF s = GetPixel(screen, x, y);
            const COLORREF l = GetPixel(screen, x, 40 + y);
            const COLORREF face = GetSysColor(COLOR_BTNFACE);
            if (s != face)
                ++inkInShort;
            if (s != l) {
                ASSERT_EQ(s, face) << "at " << x << "," << y;
                ++inkOnlyInLong;
            }
        }
    }
    ReleaseDC(nullptr, screen);
    EXPECT_GT(inkInShort, 0);
    EXPECT_GT(inkOnlyInLong, 0);
    DestroyWindow(shortLabel);
    DestroyWindow(longLabel);
    DestroyWindow(parent);
}

} // namespace
