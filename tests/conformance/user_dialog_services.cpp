// What a dialog base relies on from the window manager: a timer set again restarts its period,
// a killed timer sends nothing more, a dialog's parent is its owner, window titles of any
// length, and message boxes owned by the window that asks for them.
#include "conformance.h"

#include <windows.h>

#include <string>

namespace {

HWND Popup(HWND owner, const char* title) {
    return CreateWindowExA(0, "STATIC", title, WS_POPUP | WS_CAPTION, 10, 10, 200, 100, owner,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Dispatches messages until a WM_TIMER for w arrives or limitMs pass; the milliseconds from
// start at which it came, or -1.
long WaitForTimer(HWND w, UINT_PTR id, DWORD start, DWORD limitMs) {
    MSG msg;
    while (GetTickCount() - start < limitMs) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            Sleep(5);
            continue;
        }
        if (msg.message == WM_TIMER && msg.hwnd == w && msg.wParam == id)
            return (long)(GetTickCount() - start);
        DispatchMessageA(&msg);
    }
    return -1;
}

} // namespace

CONFORMANCE_TEST(UserTimerSetAgainStartsItsPeriodAnew) {
    HWND w = Popup(nullptr, "");
    const DWORD start = GetTickCount();
    CHECK_EQ((UINT_PTR)234, SetTimer(w, 234, 400, nullptr));
    Sleep(200);
    const DWORD again = GetTickCount();
    CHECK_EQ((UINT_PTR)234, SetTimer(w, 234, 400, nullptr)); // same window and identifier
    const long at = WaitForTimer(w, 234, start, 3000);
    CHECK(at >= 0);
    CHECK(at >= (long)(again - start) + 380); // counted from the second call, not the first
    CHECK(KillTimer(w, 234));
    DestroyWindow(w);
}

CONFORMANCE_TEST(UserKilledTimerSendsNothingEvenWhenDue) {
    HWND w = Popup(nullptr, "");
    CHECK_EQ((UINT_PTR)234, SetTimer(w, 234, 10, nullptr));
    Sleep(60); // due, not yet taken
    CHECK(KillTimer(w, 234));
    CHECK(!KillTimer(w, 234));
    MSG msg;
    CHECK(!PeekMessageA(&msg, w, WM_TIMER, WM_TIMER, PM_REMOVE));
    CHECK_EQ(-1L, WaitForTimer(w, 234, GetTickCount(), 100));
    DestroyWindow(w);
}

CONFORMANCE_TEST(UserParentOfAnOwnedPopupIsItsOwner) {
    HWND owner = Popup(nullptr, "Owner");
    HWND owned = Popup(owner, "Owned");
    HWND lone = Popup(nullptr, "Lone");
    CHECK(GetParent(owned) == owner);
    CHECK(GetWindow(owned, GW_OWNER) == owner);
    CHECK(GetParent(lone) == nullptr);
    DestroyWindow(lone);
    DestroyWindow(owned);
    DestroyWindow(owner);
}

CONFORMANCE_TEST(UserWindowTitleOfAHundredKilobytes) {
    HWND w = Popup(nullptr, "Short");
    const std::string huge(100 * 1024, 'T');
    CHECK(SetWindowTextA(w, huge.c_str()));
    CHECK_EQ((int)huge.size(), GetWindowTextLengthA(w));
    char cut[16];
    CHECK_EQ(15, GetWindowTextA(w, cut, sizeof cut)); // cut to the buffer, terminated
    CHECK_STR_EQ("TTTTTTTTTTTTTTT", cut);
    DestroyWindow(w);
}

namespace {

struct BoxSeen {
    HWND box = nullptr;
    HWND owner = nullptr;
    bool ownerEnabled = true;
    std::string caption;
    std::string text;
};
BoxSeen g_box;
const char* g_boxCaption = nullptr;

// Runs inside the box's modal loop: notes what the box shows, then presses Cancel.
void CALLBACK AnswerBox(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND box = FindWindowA("#32770", g_boxCaption);
    g_box.box = box;
    if (!box)
        return;
    g_box.owner = GetWindow(box, GW_OWNER);
    g_box.ownerEnabled = g_box.owner && IsWindowEnabled(g_box.owner);
    char text[64] = "";
    GetWindowTextA(box, text, sizeof text);
    g_box.caption = text;
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text); // the box's text label
    g_box.text = text;
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
}

} // namespace

CONFORMANCE_TEST(UserMessageBoxIsOwnedByTheWindowThatAsks) {
    HWND owner = Popup(nullptr, "Owner");
    ShowWindow(owner, SW_SHOW);
    for (const char* caption : {"Backup", (const char*)nullptr}) {
        g_box = BoxSeen();
        g_boxCaption = caption ? caption : "Error"; // the system's caption for none
        SetTimer(nullptr, 0, 50, AnswerBox);
        const int answer = MessageBoxA(owner, "Disk full", caption, MB_OKCANCEL | MB_ICONSTOP);
        CHECK_EQ(IDCANCEL, answer);
        CHECK(g_box.box != nullptr);
        CHECK(g_box.owner == owner);
        CHECK(!g_box.ownerEnabled); // modal to its owner while up
        CHECK_STR_EQ(g_boxCaption, g_box.caption.c_str());
        CHECK_STR_EQ("Disk full", g_box.text.c_str());
        CHECK(IsWindowEnabled(owner));
    }
    DestroyWindow(owner);
}

namespace {

// Pixels of the caption bar (the rows above the client area, inside the frame) that are not
// black.
int LitCaptionPixels(HWND w) {
    RECT window, client;
    GetWindowRect(w, &window);
    GetClientRect(w, &client);
    POINT origin = {0, 0};
    ClientToScreen(w, &origin);
    const int left = origin.x - window.left, top = origin.y - window.top;
    HDC dc = GetWindowDC(w);
    int lit = 0;
    for (int y = top - GetSystemMetrics(SM_CYCAPTION); y < top - 1; ++y) {
        for (int x = left; x < left + client.right; ++x)
            lit += GetPixel(dc, x, y) != RGB(0, 0, 0) ? 1 : 0;
    }
    ReleaseDC(w, dc);
    return lit;
}

} // namespace

CONFORMANCE_TEST(UserPostedNcPaintDrawsTheCaptionAgain) {
    HWND w = CreateWindowExA(0, "STATIC", "Caption", WS_POPUP | WS_CAPTION | WS_VISIBLE, 20, 20,
                             200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    const int drawn = LitCaptionPixels(w);
    CHECK(drawn > 0);
    // Paint the whole window black, frame and caption included, behind the system's back.
    RECT window;
    GetWindowRect(w, &window);
    HDC dc = GetWindowDC(w);
    RECT all = {0, 0, window.right - window.left, window.bottom - window.top};
    FillRect(dc, &all, (HBRUSH)GetStockObject(BLACK_BRUSH));
    ReleaseDC(w, dc);
    CHECK_EQ(0, LitCaptionPixels(w));
    CHECK(PostMessageA(w, WM_NCPAINT, 0, 0));
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    CHECK_EQ(drawn, LitCaptionPixels(w));
    DestroyWindow(w);
}
