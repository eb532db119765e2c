// MakeThinFont on a host's form and on a dialog made from a template: the font every window of
// it reports, the caller's font variable, and the fonts alive afterwards.
#include "frame_fixture.h"

#include <resources.h>

#include <cstring>
#include <ostream>
#include <string>
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
// font handling would.
LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFONT) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
        return 0;
    }
    if (message == WM_GETFONT)
        return ::GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

// A dialog template as a host writes one: the template's font, an edit and a label.
resources::DialogTemplate FormTemplate() {
    resources::DialogTemplate dialog;
    dialog.style = WS_POPUP | WS_CAPTION | DS_SETFONT;
    dialog.caption = "Form";
    dialog.fontFace = "MS Sans Serif";
    dialog.pointSize = 8;
    dialog.cx = 200;
    dialog.cy = 100;
    dialog.items.push_back({"EDIT", "", kEditId, WS_CHILD | WS_VISIBLE, 0, 5, 5, 80, 12});
    dialog.items.push_back({"STATIC", "", kLabelId, WS_CHILD | WS_VISIBLE, 0, 5, 20, 80, 12});
    return dialog;
}

// The two kinds of window the library meets: a form that a host makes window by window, and a
// dialog that the dialog manager makes from a template, as the library's dialog classes are.
enum class Form { HostWindow, TemplateDialog };

const char* FormName(Form form) {
    return form == Form::HostWindow ? "HostWindow" : "TemplateDialog";
}

void PrintTo(Form form, std::ostream* out) {
    *out << FormName(form);
}

HWND MakeHostForm() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = FormProc;
    windowClass.hInstance = ::GetModuleHandleA(NULL);
    windowClass.lpszClassName = "ThinFontForm";
    if (::RegisterClassA(&windowClass) == 0)
        return NULL;
    const HWND form = ::CreateWindowExA(0, "ThinFontForm", "Form", WS_POPUP | WS_CAPTION, 0, 0, 300,
                                        200, NULL, NULL, windowClass.hInstance, NULL);
    for (const auto& control :
         {std::make_pair("EDIT", kEditId), std::make_pair("STATIC", kLabelId)}) {
        if (form == NULL ||
            ::CreateWindowExA(0, control.first, "", WS_CHILD | WS_VISIBLE, 5, 5, 80, 12, form,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control.second)),
                              windowClass.hInstance, NULL) == NULL)
            return NULL;
    }
    return form;
}

class ThinFont : public FrameTest, public ::testing::WithParamInterface<Form> {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        desktop::SetSystemVersion(3, 51, VER_PLATFORM_WIN32_NT);

        if (GetParam() == Form::HostWindow) {
            hDialog_ = MakeHostForm();
        } else {
            const resources::DialogTemplate dialog = FormTemplate();
            hDialog_ = ::CreateDialogIndirectParamA(
                ::GetModuleHandleA(NULL), resources::DialogBytes(dialog), NULL, nullptr, 0);
        }
        ASSERT_NE(nullptr, hDialog_);
        ASSERT_NE(nullptr, ::GetDlgItem(hDialog_, kEditId));
        ASSERT_NE(nullptr, ::GetDlgItem(hDialog_, kLabelId));
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
        ExpectEveryWindowUses(hBold_);

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

TEST_P(ThinFont, GivesEveryWindowANormalWeightCopy) {
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
TEST_P(ThinFont, CalledAgainLeavesExactlyOneFontAlive) {
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

TEST_P(ThinFont, NewerSystemsKeepTheirFont) {
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

TEST_P(ThinFont, WindowOnTheSystemFontIsLeftAlone) {
    ::SendMessageA(hDialog_, WM_SETFONT, 0, 0);
    HFONT variable = hBold_;
    EXPECT_EQ(nullptr, MakeThinFont(&wnd_, variable));
    EXPECT_EQ(hBold_, variable);
    EXPECT_EQ(hBold_, FontOf(::GetDlgItem(hDialog_, kEditId)));
    EXPECT_EQ(0, FontsMade());
}

// The window still names a font that was deleted under it: there is nothing to copy.
TEST_P(ThinFont, FontThatCannotBeDescribedGivesNothing) {
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

TEST_P(ThinFont, NoWindowGivesNothing) {
    HFONT variable = hBold_;
    CWnd unattached;
    EXPECT_EQ(nullptr, MakeThinFont(&unattached, variable));
    EXPECT_EQ(nullptr, MakeThinFont(nullptr, variable));
    EXPECT_EQ(hBold_, variable);
    EXPECT_EQ(0, FontsMade());
}

INSTANTIATE_TEST_SUITE_P(Forms, ThinFont, ::testing::Values(Form::HostWindow, Form::TemplateDialog),
                         [](const ::testing::TestParamInfo<Form>& info) {
                             return std::string(FormName(info.param));
                         });

// The way the library's dialog classes use it: the thin font is made in OnInitDialog, kept in
// m_hThinFont and deleted by the destructor.
class ThinFontDialog : public CDialog {
public:
    ~ThinFontDialog() override {
        if (m_hThinFont != NULL)
            ::DeleteObject(m_hThinFont);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_hThinFont = MakeThinFont(this, m_hThinFont);
        return TRUE;
    }
    HFONT m_hThinFont = NULL;
};

TEST_F(FrameTest, DialogThatMakesItsThinFontInInitialisation) {
    desktop::SetSystemVersion(3, 51, VER_PLATFORM_WIN32_NT);
    const int fontsBefore = desktop::GdiObjectCounts().fonts;
    const resources::DialogTemplate form = FormTemplate();
    {
        ThinFontDialog dialog;
        ASSERT_TRUE(dialog.CreateIndirect(resources::DialogBytes(form)));
        const HFONT first = dialog.m_hThinFont;
        ASSERT_NE(nullptr, first);
        EXPECT_EQ(first, FontOf(dialog.m_hWnd)) << "the dialog itself reports the thin font";
        for (WORD id : {kEditId, kLabelId})
            EXPECT_EQ(first, FontOf(::GetDlgItem(dialog.m_hWnd, id))) << "control " << id;
        EXPECT_EQ(FW_NORMAL, Describe(first).lfWeight);
        EXPECT_EQ(fontsBefore + 2, desktop::GdiObjectCounts().fonts)
            << "the template's font and one thin font";

        // Initialisation again, now from the thin font the dialog already uses.
        dialog.m_hThinFont = MakeThinFont(&dialog, dialog.m_hThinFont);
        ASSERT_NE(nullptr, dialog.m_hThinFont);
        EXPECT_EQ(dialog.m_hThinFont, FontOf(dialog.m_hWnd));
        EXPECT_EQ(dialog.m_hThinFont, FontOf(::GetDlgItem(dialog.m_hWnd, kEditId)));
        EXPECT_EQ(fontsBefore + 2, desktop::GdiObjectCounts().fonts);
        LOGFONTA gone = {};
        EXPECT_EQ(0, ::GetObjectA(first, sizeof(gone), &gone)) << "the first thin font was deleted";

        ASSERT_TRUE(dialog.DestroyWindow());
    }
    EXPECT_EQ(fontsBefore, desktop::GdiObjectCounts().fonts) << "nothing is left behind";
}

} // namespace
