// MakeThinFont on a dialog made from a template, with a window nested below one of its
// controls: the font every window reports, the caller's font variable, the fonts alive after.
#include "frame_fixture.h"

#include <resources.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {

constexpr WORD kEditId = 100;
constexpr WORD kLabelId = 101;

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
        desktop::SetSystemVersion(3, 51, VER_PLATFORM_WIN32_NT);
        resources::DialogTemplate form;
        form.style = WS_POPUP | WS_CAPTION | DS_SETFONT;
        form.fontFace = "MS Sans Serif";
        form.pointSize = 8;
        form.cx = 200;
        form.cy = 100;
        form.items.push_back({"EDIT", "", kEditId, WS_CHILD | WS_VISIBLE, 0, 5, 5, 80, 12});
        form.items.push_back({"STATIC", "", kLabelId, WS_CHILD | WS_VISIBLE, 0, 5, 20, 80, 12});
        dialog_ = ::CreateDialogIndirectParamA(::GetModuleHandleA(NULL), &form, NULL, nullptr, 0);
        ASSERT_NE(nullptr, dialog_);
        // The font must reach every depth, not only the dialog's own controls.
        nested_ = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10,
                                    ::GetDlgItem(dialog_, kLabelId), NULL, NULL, NULL);
        ASSERT_NE(nullptr, nested_);
        // Older systems give dialogs a bold font; this one is italic too, which must survive.
        LOGFONTA bold = {};
        bold.lfHeight = -11;
        bold.lfWeight = FW_BOLD;
        bold.lfItalic = TRUE;
        std::strcpy(bold.lfFaceName, "MS Sans Serif");
        bold_ = ::CreateFontIndirectA(&bold);
        for (HWND window : Windows())
            ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(bold_), 0);
        ASSERT_TRUE(wnd_.Attach(dialog_));
        fontsBefore_ = desktop::GdiObjectCounts().fonts;
    }
    void TearDown() override { wnd_.Detach(); }

    std::vector<HWND> Windows() const {
        return {dialog_, ::GetDlgItem(dialog_, kEditId), ::GetDlgItem(dialog_, kLabelId), nested_};
    }
    void ExpectEveryWindowUses(HFONT font) const {
        for (HWND window : Windows())
            EXPECT_EQ(font, FontOf(window)) << "window " << window;
    }
    int FontsMade() const { return desktop::GdiObjectCounts().fonts - fontsBefore_; }

    CWnd wnd_;
    HWND dialog_ = NULL;
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
    const LOGFONTA original = Describe(bold_);
    const LOGFONTA first = Describe(thin);
    EXPECT_EQ(FW_NORMAL, first.lfWeight);
    EXPECT_EQ(original.lfHeight, first.lfHeight);
    EXPECT_EQ(original.lfItalic, first.lfItalic);
    EXPECT_STREQ(original.lfFaceName, first.lfFaceName);

    const HFONT firstFont = thin;
    thin = MakeThinFont(&wnd_, thin);
    ASSERT_NE(nullptr, thin);
    EXPECT_EQ(1, FontsMade());
    LOGFONTA gone = {};
    EXPECT_EQ(0, ::GetObjectA(firstFont, sizeof(gone), &gone)) << "the first font was deleted";
    ExpectEveryWindowUses(thin);
    const LOGFONTA second = Describe(thin);
    EXPECT_EQ(0, std::memcmp(&first, &second, sizeof(LOGFONTA)));
    ::DeleteObject(thin);
}

// Newer systems, a window on the system font, a font deleted under the window, no window:
// nothing is made, and the windows and the caller's variable keep what they had.
TEST_F(ThinFont, MakesNothingWhereThereIsNothingToThin) {
    const auto newer = [] { desktop::SetSystemVersion(4, 0, VER_PLATFORM_WIN32_WINDOWS); };
    const auto newLook = [] { desktop::SetSystemVersion(3, 95, VER_PLATFORM_WIN32_WINDOWS); };
    const auto systemFont = [this] { ::SendMessageA(dialog_, WM_SETFONT, 0, 0); };
    const auto staleFont = [this] {
        LOGFONTA copy = Describe(bold_);
        const HFONT stale = ::CreateFontIndirectA(&copy);
        ::SendMessageA(dialog_, WM_SETFONT, reinterpret_cast<WPARAM>(stale), 0);
        ::DeleteObject(stale);
    };
    CWnd unattached;
    const struct {
        std::function<void()> arrange;
        CWnd* window;
    } cases[] = {{newer, &wnd_},     {newLook, &wnd_},     {systemFont, &wnd_},
                 {staleFont, &wnd_}, {[] {}, &unattached}, {[] {}, nullptr}};
    for (const auto& c : cases) {
        c.arrange();
        HFONT variable = bold_;
        EXPECT_EQ(nullptr, MakeThinFont(c.window, variable));
        EXPECT_EQ(bold_, variable) << "the caller's variable is left alone";
        EXPECT_EQ(bold_, FontOf(::GetDlgItem(dialog_, kEditId)));
        EXPECT_EQ(0, FontsMade());
        EXPECT_EQ(FW_BOLD, Describe(bold_).lfWeight) << "and its font is not deleted";
        desktop::SetSystemVersion(3, 51, VER_PLATFORM_WIN32_NT);
        ::SendMessageA(dialog_, WM_SETFONT, reinterpret_cast<WPARAM>(bold_), 0);
    }
}

} // namespace
