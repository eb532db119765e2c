// The dialog classes as a host meets them: CDlg placed by its rule and titled, the standard
// buttons of CPropSheet (titles, widths, HideButton, ChangeButton), and the pop-up tip sized to
// its text and kept clear of the screen's right edge without taking the focus; the bitmap
// button finding its images by its title; the percent bar's fill; the status bar's pane clicks
// and idle messages; the file dialog's title.
#include "portable_host.h"

#include <ruzav32/buttons.h>
#include <ruzav32/dialogs.h>
#include <ruzav32/status.h>

#include <afxpriv.h>

using namespace portable;

CONFORMANCE_TEST(PortableDlgPlacedByItsRuleAndTitled) {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 80, 500, 400,
                                       nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    CWnd parent;
    parent.Attach(owner);
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    const int cascade = caption + caption / 2 + GetSystemMetrics(SM_CYFRAME);
    const struct {
        eWindowPositions rule;
        bool withParent;
    } rows[] = {
        {wpCenterParent, true}, {wpCenterScreen, true}, {wpCascade, true}, {wpCascade, false}};
    for (const auto& row : rows) {
        CDlg dlg(0, row.rule);
        CHECK(dlg.CreateIndirect(EmptyDialog(WS_POPUP | WS_CAPTION, 120, 60),
                                 row.withParent ? &parent : nullptr));
        const RECT r = WindowRect(dlg.m_hWnd);
        const int w = r.right - r.left, h = r.bottom - r.top;
        POINT at{100 + (500 / 2 - w / 2), 80 + (400 / 2 - h / 2)};
        if (!row.withParent || row.rule == wpCenterScreen)
            at = {work.left + (work.right - work.left) / 2 - w / 2,
                  work.top + (work.bottom - work.top) / 2 - h / 2};
        else if (row.rule == wpCascade)
            at = {100 + cascade, 80 + cascade};
        CHECK_EQ(at.x, r.left);
        CHECK_EQ(at.y, r.top);
        dlg.SetWindowTextA("Changed");
        CHECK_STR_EQ("Changed", WindowText(dlg.m_hWnd).c_str());
        dlg.DestroyWindow();
    }
    parent.Detach();
    DestroyWindow(owner);
    Pump(nullptr);
}

// The four buttons, right to left Help, Apply, Cancel, OK, keep their gaps at 40 dialog units
// wide; a hidden button's neighbours on its left each move one place right.
CONFORMANCE_TEST(PortablePropSheetButtonsTitledSizedHiddenAndChanged) {
    CPropPage page(0u);
    page.m_psp.dwFlags |= PSP_DLGINDIRECT;
    page.m_psp.pResource = EmptyDialog(WS_CHILD | WS_CAPTION, 160, 80);
    CPropSheet sheet("Sheet", wpCenterScreen);
    sheet.AddPage(&page);
    CHECK(sheet.Create());
    const HWND hwnd = sheet.m_hWnd;
    Pump(hwnd);
    const int ids[] = {IDOK, IDCANCEL, ID_APPLY_NOW, ID_HELP};
    const char* const titles[] = {"OK", "Cancel", "&Apply", "&Help"};
    RECT before[4];
    for (int i = 0; i < 4; ++i) {
        const HWND button = GetDlgItem(hwnd, ids[i]);
        CHECK_STR_EQ(titles[i], WindowText(button).c_str());
        before[i] = WindowRect(button);
        CHECK_EQ(40 * LOWORD(GetDialogBaseUnits()) / 4, before[i].right - before[i].left);
        if (i > 0)
            CHECK_EQ(before[1].left - before[0].left, before[i].left - before[i - 1].left);
    }
    sheet.HideButton(ID_HELP);
    CHECK(!IsWindowVisible(GetDlgItem(hwnd, ID_HELP)));
    for (int i = 0; i < 3; ++i)
        CHECK_EQ(before[i + 1].left, WindowRect(GetDlgItem(hwnd, ids[i])).left);
    sheet.ChangeButton(IDOK, 5000, 0, FALSE);
    CHECK(GetDlgItem(hwnd, IDOK) == nullptr);
    CHECK(GetDlgItem(hwnd, 5000) != nullptr && !IsWindowEnabled(GetDlgItem(hwnd, 5000)));
    sheet.DestroyWindow();
    Pump(nullptr);
}

CONFORMANCE_TEST(PortablePopupTipSizedToItsTextAndClearOfTheRightEdge) {
    conformance::HostClass("PortableTip", DefWindowProcA);
    SpinHost host({});
    const HWND edit = host.item(kEditBefore);
    SetFocus(edit);
    SIZE extent{};
    const HDC screenDc = GetDC(nullptr);
    GetTextExtentPoint32A(screenDc, "Tip text1", 9, &extent);
    ReleaseDC(nullptr, screenDc);
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    for (int x : {100, screen - 10}) {
        CString cls("PortableTip");
        CPopupTip* tip = new CPopupTip(cls);
        tip->SetDisplay("Tip text");
        CHECK(tip->PopItUp(CPoint(x, 50), 1));
        const HWND window = tip->m_hWnd;
        Pump(host.dialog());
        const RECT r = WindowRect(window);
        CHECK_EQ(extent.cx + 2, r.right - r.left);
        CHECK_EQ(extent.cy + 6, r.bottom - r.top);
        CHECK_EQ(x == 100 ? 100 + extent.cx + 2 : screen - 6, r.right);
        CHECK(IsWindowVisible(window));
        CHECK(GetFocus() == edit);
        CHECK(GetActiveWindow() == host.dialog());
        DestroyWindow(window); // the tip goes with it
    }
}

namespace {

struct ProbeButton : CKBitmapButton {
    using CKBitmapButton::DrawItem;
};

// The colour the button draws at its top left corner in the given state.
COLORREF DrawnCorner(ProbeButton& button, UINT state) {
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP canvas = CreateCompatibleBitmap(screen, 2, 2);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, canvas);
    DRAWITEMSTRUCT item = {ODT_BUTTON, 30,           0, ODA_DRAWENTIRE, state, button.m_hWnd,
                           dc,         {0, 0, 2, 2}, 0};
    button.DrawItem(&item);
    const COLORREF corner = GetPixel(dc, 0, 0);
    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteDC(dc);
    return corner;
}

} // namespace

// A button titled SAVE finds SAVEU and SAVEX by its title, takes SAVEU's size and shows SAVEX
// only when disabled; one titled OPEN has no OPENU and loads nothing, though OPEND exists.
CONFORMANCE_TEST(PortableBitmapButtonAutoLoadsByItsTitle) {
    SpinHost host({});
    for (const char* title : {"SAVE", "OPEN"}) {
        const HWND hwnd = CreateWindowExA(
            0, "BUTTON", title, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 100, 60, 20,
            host.dialog(), reinterpret_cast<HMENU>(30), GetModuleHandleA(nullptr), nullptr);
        ProbeButton button;
        const bool save = title[0] == 'S';
        CHECK_EQ(save, button.AutoLoad(30, CWnd::FromHandle(host.dialog())) != FALSE);
        if (save) {
            const RECT r = WindowRect(hwnd);
            CHECK_EQ(2L, r.right - r.left);
            CHECK_EQ(2L, r.bottom - r.top);
            CHECK_EQ(RGB(0, 255, 0), DrawnCorner(button, ODS_SELECTED | ODS_FOCUS));
            CHECK_EQ(RGB(0x40, 0x40, 0x40), DrawnCorner(button, ODS_DISABLED));
        }
        button.DestroyWindow();
    }
}

namespace {

INT_PTR CALLBACK PlainDialog(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

} // namespace

// The bar made from a host's template fills its interior in the caption colour up to the value
// and in the inactive caption colour after it; values outside 0..100 fill as the nearer end.
CONFORMANCE_TEST(PortablePercentBarFillsUpToItsValue) {
    CHECK(CKPercentBar::RegisterClass(MAKEINTRESOURCEA(300), RT_DIALOG));
    const HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(300),
                                           nullptr, PlainDialog, 0);
    const HWND bar = GetDlgItem(dialog, 40);
    auto* object = static_cast<CKPercentBar*>(CWnd::FromHandlePermanent(bar));
    CHECK(object != nullptr && object->IsKindOf(RUNTIME_CLASS(CKPercentBar)));
    RECT client{};
    GetClientRect(bar, &client);
    const COLORREF on = GetSysColor(COLOR_ACTIVECAPTION), off = GetSysColor(COLOR_INACTIVECAPTION);
    const struct {
        int percent;
        COLORREF left, right;
    } rows[] = {{50, on, off}, {-5, off, off}, {250, on, on}};
    for (const auto& row : rows) {
        object->SetPercent(row.percent);
        InvalidateRect(bar, nullptr, TRUE);
        UpdateWindow(bar);
        const HDC dc = GetDC(bar);
        CHECK_EQ(row.left, GetPixel(dc, 3, client.bottom - 4));
        CHECK_EQ(row.right, GetPixel(dc, client.right - 4, client.bottom - 4));
        ReleaseDC(bar, dc);
    }
    DestroyWindow(dialog);
    CKPercentBar::UnregisterClass(MAKEINTRESOURCEA(300), RT_DIALOG);
    Pump(nullptr);
}

// A click on a pane posts the pane's message to the frame, with the click's key flags; the host's
// idle message replaces the frame's prompt in pane 0, and a timed one outlasts idle updates
// before its time.
CONFORMANCE_TEST(PortableStatusBarPanesPostClicksAndShowIdleMessages) {
    constexpr UINT kPaneClick = WM_APP + 1;
    CFrameWnd* frame = new CFrameWnd; // deletes itself with its window
    CHECK(frame->Create(nullptr, "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480)));
    CKExtStatusBar bar;
    CHECK(bar.Create(frame));
    CHECK(bar.AddPane(0, 60, kPaneClick));
    frame->RecalcLayout();
    Pump(nullptr);
    CRect pane;
    bar.GetItemRect(1, &pane);
    PostMessageA(bar.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT,
                 MAKELPARAM(pane.CenterPoint().x, pane.CenterPoint().y));
    MSG msg;
    CHECK(PeekMessageA(&msg, bar.m_hWnd, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    DispatchMessageA(&msg);
    CHECK(PeekMessageA(&msg, frame->m_hWnd, kPaneClick, kPaneClick, PM_REMOVE));
    CHECK_EQ(WPARAM{MK_LBUTTON | MK_SHIFT}, msg.wParam);
    bar.SetIdleMessage("Waiting");
    CHECK_STR_EQ("Waiting", static_cast<LPCSTR>(bar.GetPaneText(0)));
    bar.SetTimedIdleMessage("Saved", 60000);
    frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    CHECK_STR_EQ("Saved", static_cast<LPCSTR>(bar.GetPaneText(0)));
    bar.DestroyWindow();
    frame->DestroyWindow();
    Pump(nullptr);
}

namespace {

std::string g_openCaption;

// The owner of a modal dialog hears WM_ENTERIDLE each time the dialog's loop waits for input.
LRESULT CALLBACK Watcher(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && g_openCaption.empty()) {
        const HWND dialog = reinterpret_cast<HWND>(lParam);
        g_openCaption = WindowText(dialog);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

// A title set while the file dialog is closed is the caption it opens with.
CONFORMANCE_TEST(PortableFileDlgOpensWithTheTitleSetWhileClosed) {
    const HWND watcher =
        CreateWindowExA(0, conformance::HostClass("PortableWatcher", Watcher), "", WS_POPUP, 0, 0,
                        1, 1, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    CWnd owner;
    owner.Attach(watcher);
    CKFileDlg dlg(TRUE, "txt", nullptr, OFN_HIDEREADONLY, "Text files (*.txt)|*.txt||", &owner);
    dlg.SetWindowTextA("Pick a report");
    g_openCaption.clear();
    CHECK_EQ(INT_PTR{IDCANCEL}, dlg.DoModal());
    CHECK_STR_EQ("Pick a report", g_openCaption.c_str());
    owner.Detach();
    DestroyWindow(watcher);
    Pump(nullptr);
}
