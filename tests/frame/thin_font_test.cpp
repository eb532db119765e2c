// MakeThinFont on a real window with controls: the font every window of it reports, the
// caller's font variable, and the fonts alive afterwards.
#include "frame_fixture.h"

#include <cstring>
#include <utility>
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

// A form of the host's own that keeps the font it is given, as a framework dialog with its own
// font handling would; plain window procedures keep none.
LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFONT) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
        return 0;
    }
    if (message == WM_GETFONT)
        return ::GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

class ThinFont : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        desktop::SetSystemVersion(3, 51, VER_PLATFORM_WIN32_NT);

        // The form with two controls, made as a form would make them.
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = FormProc;
        windowClass.hInstance = ::GetModuleHandleA(NULL);
        windowClass.lpszClassName = "ThinFontForm";
        ASSERT_NE(0, ::RegisterClassA(&windowClass));
        hDialog_ = ::CreateWindowExA(0, "ThinFontForm", "Form", WS_POPUP | WS_CAPTION, 0, 0, 300,
                                     200, NULL, NULL, windowClass.hInstance, NULL);
        ASSERT_NE(nullptr, hDialog_);
        for (const auto& control :
             {std::make_pair("EDIT", kEditId), std::make_pair("STATIC", kLabelId)}) {
            ASSERT_NE(nullptr,
                      ::CreateWindowExA(
                          0, control.first, "", WS_CHILD | WS_VISIBLE, 5, 5, 80, 12, hDialog_,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control.second)),
                          windowClass.hInstance, NULL));
        }
        // A window below a control: the font must reach every depth.
        hNested_ = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10,
                                     ::GetDlgItem(hDialog_, kLabelId), NULL, NULL, NULL);
        ASSERT_NE(nullptr, hNested_);

        // Older systems give dialogs a bold font; this one is italic too, which must survive.
        LOGFONTA bold = {};
        bold.lfHeight = -11;
        bold.lfWeight = FW_BOLD;
        bold.lfItalic = TRUE;
        bold.lfCharSet = ANSI_CHARSET;
        std::strcpy(bold.lfFaceName, "MS Sans Serif");
        hBold_ = ::CreateFontIndirectA(&bold);
        ASSERT_NE(nullptr, hBold_);
        for (HWND window : Windows())
            ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(hBold_), 0);

        ASSERT_TRUE(wnd_.Attach(hDialog_));
        fontsBefore_ = desktop::GdiObjectCounts().fonts;
    }

    void TearDown() override { wnd_.Detach(); }

    std::vector<HWND> Windows() const {
        return {hDialog_, ::GetDlgItem(hDialog_, kEditId), ::GetDlgItem(hDialog_, kLabelId),
                hNested_};
    }

    void ExpectEveryWindowUses(HFONT font) const {
        for (HWND window : Windows())
            EXPECT_EQ(font, FontOf(window)) << "window " << window;
    }

    int FontsMade() const { return desktop::GdiObjectCounts().fonts - fontsBefore_; }

    CWnd wnd_;
    HWND hDialog_ = NULL;
    HWND hNested_ = NULL;
    HFONT hBold_ = NULL;
    int fontsBefore_ = 0;
};

TEST_F(ThinFont, GivesEveryWindowANormalWeightCopy) {
    HFONT thin = NULL;
    const HFONT made = MakeThinFont(&wnd_, thin);
    ASSERT_NE(nullptr, made);
    EXPECT_EQ(nullptr, thin);
    ExpectEveryWindowUses(made);

    const LOGFONTA original = Describe(hBold_);
    const LOGFONTA copy = Describe(made);
    EXPECT_EQ(FW_NORMAL, copy.lfWeight);
    EXPECT_EQ(original.lfHeight, copy.lfHeight);
    EXPECT_EQ(original.lfItalic, copy.lfItalic);
    EXPECT_EQ(original.lfCharSet, copy.lfCharSet);
    EXPECT_STREQ(original.lfFaceName, copy.lfFaceName);
    EXPECT_EQ(1, FontsMade());
    ::DeleteObject(made);
}

// As a dialog does when its initialisation runs again: the first thin font goes once the second is
// in place, so one font of the library's is alive, and it is a normal-weight copy of the first.
TEST_F(ThinFont, CalledAgainLeavesExactlyOneFontAlive) {
    HFONT thin = NULL;
    thin = MakeThinFont(&wnd_, thin);
    ASSERT_NE(nullptr, thin);
    const HFONT first = thin;
    const LOGFONTA firstLook = Describe(first);

    thin = MakeThinFont(&wnd_, thin);
    ASSERT_NE(nullptr, thin);
    EXPECT_NE(first, thin);
    EXPECT_EQ(1, FontsMade());
    LOGFONTA gone = {};
    EXPECT_EQ(0, ::GetObjectA(first, sizeof(gone), &gone)) << "the first font was deleted";
    ExpectEveryWindowUses(thin);

    const LOGFONTA secondLook = Describe(thin);
    EXPECT_EQ(0, std::memcmp(&firstLook, &secondLook, sizeof(LOGFONTA)));

    ::DeleteObject(thin);
    EXPECT_EQ(0, FontsMade());
}

TEST_F(ThinFont, NewerSystemsKeepTheirFont) {
    const struct { DWORD major, minor; } versions[] = {{3, 95}, {4, 0}};
    for (const auto& version : versions) {
        desktop::SetSystemVersion(version.major, version.minor, VER_PLATFORM_WIN32_WINDOWS);
        HFONT variable = hBold_;
        EXPECT_EQ(nullptr, MakeThinFont(&wnd_, variable));
        EXPECT_EQ(hBold_, variable) << "the caller's variable is left alone";
        ExpectEveryWindowUses(hBold_);
        EXPECT_EQ(0, FontsMade());
        EXPECT_EQ(FW_BOLD, Describe(hBold_).lfWeight) << "and its font is not deleted";
    }
}

TEST_F(ThinFont, WindowOnTheSystemFontIsLeftAlone) {
    ::SendMessageA(hDialog_, WM_SETFONT, 0, 0);
    HFONT variable = hBold_;
    EXPECT_EQ(nullptr, MakeThinFont(&wnd_, variable));
    EXPECT_EQ(hBold_, variable);
    EXPECT_EQ(hBold_, FontOf(::GetDlgItem(hDialog_, kEditId)));
    EXPECT_EQ(0, FontsMade());
}

// The window still names a font that was deleted under it: there is nothing to copy.
TEST_F(ThinFont, FontThatCannotBeDescribedGivesNothing) {
    LOGFONTA other = Describe(hBold_);
    const HFONT stale = ::CreateFontIndirectA(&other);
    ::SendMessageA(hDialog_, WM_SETFONT, reinterpret_cast<WPARAM>(stale), 0);
    ::DeleteObject(stale);

    HFONT variable = hBold_;
    EXPECT_EQ(nullptr, MakeThinFont(&wnd_, variable));
    EXPECT_EQ(hBold_, variable);
    EXPECT_EQ(hBold_, FontOf(::GetDlgItem(hDialog_, kEditId)));
    EXPECT_EQ(0, FontsMade());
}

TEST_F(ThinFont, NoWindowGivesNothing) {
    HFONT variable = hBold_;
    CWnd unattached;
    EXPECT_EQ(nullptr, MakeThinFont(&unattached, variable));
    EXPECT_EQ(nullptr, MakeThinFont(nullptr, variable));
    EXPECT_EQ(hBold_, variable);
    EXPECT_EQ(0, FontsMade());
}

// A dialog made from a template keeps reporting its template's font; its controls take the
// normal-weight copy, and calling again still leaves one font of the library's alive.
TEST_F(FrameTest, DialogControlsTakeTheThinFont) {
    desktop::SetSystemVersion(3, 51, VER_PLATFORM_WIN32_NT);
    resources::DialogTemplate dialog;
    dialog.style = WS_POPUP | WS_CAPTION | DS_SETFONT;
    dialog.fontFace = "MS Sans Serif";
    dialog.pointSize = 8;
    dialog.cx = 200;
    dialog.cy = 100;
    dialog.items.push_back({"EDIT", "", kEditId, WS_CHILD | WS_VISIBLE, 0, 5, 5, 80, 12});
    const HWND hDialog =
        ::CreateDialogIndirectParamA(::GetModuleHandleA(NULL), &dialog, NULL, nullptr, 0);
    ASSERT_NE(nullptr, hDialog);
    const HFONT templateFont = FontOf(hDialog);
    ASSERT_NE(nullptr, templateFont);
    const int fontsBefore = desktop::GdiObjectCounts().fonts;

    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(hDialog));
    HFONT thin = NULL;
    thin = MakeThinFont(&wnd, thin);
    ASSERT_NE(nullptr, thin);
    thin = MakeThinFont(&wnd, thin);
    ASSERT_NE(nullptr, thin);
    wnd.Detach();

    EXPECT_EQ(thin, FontOf(::GetDlgItem(hDialog, kEditId)));
    EXPECT_EQ(fontsBefore + 1, desktop::GdiObjectCounts().fonts);
    LOGFONTA expected = Describe(templateFont);
    expected.lfWeight = FW_NORMAL;
    const LOGFONTA made = Describe(thin);
    EXPECT_EQ(0, std::memcmp(&expected, &made, sizeof(LOGFONTA)));
    ::DeleteObject(thin);
}

} // namespace
