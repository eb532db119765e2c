// MakeThinFont on a form with a control and a window nested below it: the font every window
// reports, the caller's font variable, the fonts alive afterwards.
#include "frame_fixture.h"

#include <cstring>

namespace {

LOGFONTA Describe(HFONT font) {
    LOGFONTA logFont = {};
    EXPECT_EQ(static_cast<int>(sizeof(logFont)), ::GetObjectA(font, sizeof(logFont), &logFont));
    return logFont;
}

HFONT FontOf(HWND window) {
    return reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0));
}

class ThinFont : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        // Version 3.94 is the last that still gets thin fonts.
        desktop::SetSystemVersion(3, 94, VER_PLATFORM_WIN32_WINDOWS);
        dialog_ =
            ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, NULL, NULL, NULL, NULL);
        edit_ = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 5, 5, 80, 12, dialog_, NULL, NULL, NULL);
        // The font must reach every depth, not only the dialog's own controls.
        nested_ =
            ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, edit_, NULL, NULL, NULL);
        // Older systems give dialogs a bold font; this one is italic too, which must survive.
        LOGFONTA bold = {};
        bold.lfHeight = -11;
        bold.lfWeight = FW_BOLD;
        bold.lfItalic = TRUE;
        std::strcpy(bold.lfFaceName, "MS Sans Serif");
        bold_ = ::CreateFontIndirectA(&bold);
        for (HWND window : {dialog_, edit_, nested_})
            ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(bold_), 0);
        ASSERT_TRUE(wnd_.Attach(dialog_));
        fontsBefore_ = desktop::GdiObjectCounts().fonts;
    }
    void TearDown() override { wnd_.Detach(); }

    void ExpectEveryWindowUses(HFONT font) const {
        for (HWND window : {dialog_, edit_, nested_})
            EXPECT_EQ(font, FontOf(window)) << "window " << window;
    }
    int FontsMade() const { return desktop::GdiObjectCounts().fonts - fontsBefore_; }

    CWnd wnd_;
    HWND dialog_ = NULL;
    HWND edit_ = NULL;
    HWND nested_ = NULL;
    HFONT bold_ = NULL;
    int fontsBefore_ = 0;
};

// Called again, as a dialog's initialisation may be, the first thin font goes once the second
// is in place: one font of the library's stays alive, a normal-weight copy of the first.
TEST_F(ThinFont, GivesEveryWindowOneNormalWeightCopy) {
    HFONT thin = NULL;
    thin = MakeThinFont(&wnd_, thin);
    ASSERT_NE(nullptr, thin);
    ExpectEveryWindowUses(thin);
    LOGFONTA first = Describe(bold_); // height, italics and face kept
    first.lfWeight = FW_NORMAL;
    LOGFONTA made = Describe(thin);
    EXPECT_EQ(0, std::memcmp(&first, &made, sizeof(LOGFONTA)));

    const HFONT firstFont = thin;
    thin = MakeThinFont(&wnd_, thin);
    ASSERT_NE(nullptr, thin);
    EXPECT_EQ(1, FontsMade());
    EXPECT_EQ(0, ::GetObjectA(firstFont, 0, NULL)) << "the first font was deleted";
    ExpectEveryWindowUses(thin);
    made = Describe(thin);
    EXPECT_EQ(0, std::memcmp(&first, &made, sizeof(LOGFONTA)));
    ::DeleteObject(thin);
}

// Newer systems, a window on the system font, a font deleted under the window, no window:
// nothing is made, and the windows and the caller's variable keep what they had.
TEST_F(ThinFont, MakesNothingWhereThereIsNothingToThin) {
    LOGFONTA copy = Describe(bold_);
    const HFONT stale = ::CreateFontIndirectA(&copy);
    ::DeleteObject(stale);
    CWnd unattached;
    const struct {
        DWORD major, minor;
        HFONT dialogFont;
        CWnd* window;
    } cases[] = {{4, 0, bold_, &wnd_},  {3, 95, bold_, &wnd_},       {3, 51, NULL, &wnd_},
                 {3, 51, stale, &wnd_}, {3, 51, bold_, &unattached}, {3, 51, bold_, nullptr}};
    for (const auto& c : cases) {
        desktop::SetSystemVersion(c.major, c.minor, VER_PLATFORM_WIN32_WINDOWS);
        ::SendMessageA(dialog_, WM_SETFONT, reinterpret_cast<WPARAM>(c.dialogFont), 0);
        HFONT variable = bold_;
        EXPECT_EQ(nullptr, MakeThinFont(c.window, variable));
        EXPECT_EQ(bold_, variable) << "the caller's variable is left alone";
        EXPECT_EQ(bold_, FontOf(edit_));
        EXPECT_EQ(0, FontsMade());
        EXPECT_EQ(FW_BOLD, Describe(bold_).lfWeight) << "and its font is not deleted";
    }
}

} // namespace
