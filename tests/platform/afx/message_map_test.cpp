// Message maps: every handler signature is reached with its parameters unpacked, base maps are
// searched after the class's own, commands route by identifier and code, and unhandled
// messages get the default handling.
#include "afx_fixture.h"

#include <afxpriv.h>

#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Log(const char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    g_log.push_back(text);
}

// Identifies a window argument in the log: its control identifier, or "null".
std::string Id(CWnd* pWnd) {
    return pWnd == nullptr ? "null" : std::to_string(pWnd->GetDlgCtrlID());
}

// The scroll bar argument may be a temporary CWnd of a window that is no CScrollBar, as the
// framework has always passed it; look at it only as a CWnd.
CWnd* AsWnd(CScrollBar* pBar) {
    return reinterpret_cast<CWnd*>(pBar);
}

// The mouse handlers' entry: the flags and the point as the handler was given them.
void LogPoint(const char* handler, UINT flags, CPoint p) {
    Log("%s %u %ld,%ld", handler, flags, static_cast<long>(p.x), static_cast<long>(p.y));
}

UINT g_nRegisteredMessage = 0;

class CProbeBase : public CWnd {
protected:
    afx_msg void OnPaint() { Log("base OnPaint"); }
    afx_msg void OnTimer(UINT nIDEvent) { Log("base OnTimer %u", nIDEvent); }
    afx_msg void OnShared() { Log("base OnShared"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeBase, CWnd)
ON_WM_PAINT()
ON_WM_TIMER()
ON_COMMAND(300, OnShared)
END_MESSAGE_MAP()

class CProbeWnd : public CProbeBase {
public:
    static constexpr INT_PTR kCtlColorBrush = 0x5150;

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) {
        Log("OnEraseBkgnd %s", pDC != nullptr && pDC->m_hDC != nullptr ? "dc" : "none");
        return TRUE;
    }
    afx_msg void OnSetFocus(CWnd* pOldWnd) { Log("OnSetFocus %s", Id(pOldWnd).c_str()); }
    afx_msg void OnKillFocus(CWnd* pNewWnd) { Log("OnKillFocus %s", Id(pNewWnd).c_str()); }
    afx_msg void OnChar(UINT c, UINT r, UINT f) { Log("OnChar %u %u %u", c, r, f); }
    afx_msg void OnKeyDown(UINT c, UINT r, UINT f) { Log("OnKeyDown %u %u %u", c, r, f); }
    afx_msg void OnKeyUp(UINT c, UINT r, UINT f) { Log("OnKeyUp %u %u %u", c, r, f); }
    afx_msg void OnSysChar(UINT c, UINT r, UINT f) { Log("OnSysChar %u %u %u", c, r, f); }
    afx_msg void OnSysKeyDown(UINT c, UINT r, UINT f) { Log("OnSysKeyDown %u %u %u", c, r, f); }
    afx_msg void OnSysKeyUp(UINT c, UINT r, UINT f) { Log("OnSysKeyUp %u %u %u", c, r, f); }
    afx_msg UINT OnGetDlgCode() {
        Log("OnGetDlgCode");
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    }
    afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar* pBar) {
        Log("OnVScroll %u %d %s", code, static_cast<int>(pos), Id(AsWnd(pBar)).c_str());
    }
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* pBar) {
        Log("OnHScroll %u %d %s", code, static_cast<int>(pos), Id(AsWnd(pBar)).c_str());
    }
    afx_msg void OnTimer(UINT nIDEvent) { Log("OnTimer %u", nIDEvent); }
    afx_msg void OnSize(UINT type, int cx, int cy) { Log("OnSize %u %d %d", type, cx, cy); }
    afx_msg void OnMove(int x, int y) { Log("OnMove %d %d", x, y); }
    afx_msg void OnLButtonDown(UINT f, CPoint p) { LogPoint("OnLButtonDown", f, p); }
    afx_msg void OnLButtonUp(UINT f, CPoint p) { LogPoint("OnLButtonUp", f, p); }
    afx_msg void OnLButtonDblClk(UINT f, CPoint p) { LogPoint("OnLButtonDblClk", f, p); }
    afx_msg void OnRButtonDown(UINT f, CPoint p) { LogPoint("OnRButtonDown", f, p); }
    afx_msg void OnRButtonUp(UINT f, CPoint p) { LogPoint("OnRButtonUp", f, p); }
    afx_msg void OnMouseMove(UINT f, CPoint p) { LogPoint("OnMouseMove", f, p); }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT hit, UINT msg) {
        Log("OnSetCursor %s %u %u", Id(pWnd).c_str(), hit, msg);
        return TRUE;
    }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        Log("OnCtlColor %s %s %u", pDC != nullptr ? "dc" : "none", Id(pWnd).c_str(), nCtlColor);
        return reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(kCtlColorBrush));
    }
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus) {
        Log("OnShowWindow %d %u", bShow, nStatus);
    }
    afx_msg void OnEnable(BOOL bEnable) { Log("OnEnable %d", bEnable); }
    afx_msg void OnClose() { Log("OnClose"); }
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam) {
        Log("OnSysCommand %u %ld", nID, (long)lParam);
    }
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT p) {
        Log("OnDrawItem %d %u", nIDCtl, p->itemAction);
    }
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT p) {
        Log("OnMeasureItem %d %u", nIDCtl, p->CtlType);
    }
    afx_msg BOOL OnHelpInfo(HELPINFO* p) {
        Log("OnHelpInfo %d", p->iCtrlId);
        return TRUE;
    }
    afx_msg UINT OnNcHitTest(CPoint p) {
        Log("OnNcHitTest %ld,%ld", (long)p.x, (long)p.y);
        return HTCAPTION;
    }
    afx_msg void OnActivate(UINT nState, CWnd* pOther, BOOL bMin) {
        Log("OnActivate %u %s %d", nState, Id(pOther).c_str(), bMin);
    }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* p) {
        Log("OnGetMinMaxInfo %ld", (long)p->ptMaxSize.x);
    }
    afx_msg void OnSysColorChange() { Log("OnSysColorChange"); }
    afx_msg void OnCancelMode() { Log("OnCancelMode"); }
    afx_msg void OnMenu100() { Log("OnMenu100"); }
    afx_msg void OnClicked7() { Log("OnClicked7"); }
    afx_msg void OnChange8() { Log("OnChange8"); }
    afx_msg void OnKillFocus8() { Log("OnKillFocus8"); }
    afx_msg void OnRange(UINT nID) { Log("OnRange %u", nID); }
    afx_msg BOOL OnDecline(UINT nID) {
        Log("OnDecline %u", nID);
        return FALSE;
    }
    afx_msg void OnNotify9(NMHDR* pNMHDR, LRESULT* pResult) {
        Log("OnNotify9 %u", pNMHDR->code);
        *pResult = 77;
    }
    afx_msg LRESULT OnApp(WPARAM wParam, LPARAM lParam) {
        Log("OnApp %lu %ld", (unsigned long)wParam, (long)lParam);
        return static_cast<LRESULT>(wParam) + lParam;
    }
    afx_msg void OnUpdate400(CCmdUI* pCmdUI) {
        Log("OnUpdate400 %u", pCmdUI->m_nID);
        pCmdUI->SetText("four hundred");
        pCmdUI->Enable(TRUE);
    }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM) {
        Log("OnRegistered %lu", (unsigned long)wParam);
        return 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CProbeBase)
ON_WM_ERASEBKGND()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_SYSCHAR()
ON_WM_SYSKEYDOWN()
ON_WM_SYSKEYUP()
ON_WM_GETDLGCODE()
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_WM_TIMER()
ON_WM_SIZE()
ON_WM_MOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_SETCURSOR()
ON_WM_CTLCOLOR()
ON_WM_SHOWWINDOW()
ON_WM_ENABLE()
ON_WM_CLOSE()
ON_WM_SYSCOMMAND()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_HELPINFO()
ON_WM_NCHITTEST()
ON_WM_ACTIVATE()
ON_WM_GETMINMAXINFO()
ON_WM_SYSCOLORCHANGE()
ON_WM_CANCELMODE()
ON_COMMAND(100, OnMenu100)
ON_BN_CLICKED(7, OnClicked7)
ON_EN_CHANGE(8, OnChange8)
ON_EN_KILLFOCUS(8, OnKillFocus8)
ON_COMMAND_RANGE(200, 210, OnRange)
ON_COMMAND_EX(300, OnDecline)
ON_NOTIFY(55, 9, OnNotify9)
ON_UPDATE_COMMAND_UI(400, OnUpdate400)
ON_MESSAGE(WM_APP + 1, OnApp)
ON_REGISTERED_MESSAGE(g_nRegisteredMessage, OnRegistered)
END_MESSAGE_MAP()

class MessageMapTest : public AfxTest {
protected:
    void SetUp() override {
        AfxTest::SetUp();
        g_log.clear();
        g_nRegisteredMessage = ::RegisterWindowMessageA("ruzav.test.registered");
        ASSERT_TRUE(m_wnd.CreateEx(0, AfxRegisterWndClass(0), "probe", WS_OVERLAPPEDWINDOW, 0, 0,
                                   200, 100, NULL, NULL));
        m_hChild = ::CreateWindowExA(0, "STATIC", "child", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                                     m_wnd.m_hWnd, reinterpret_cast<HMENU>(7), NULL, NULL);
        ASSERT_NE(m_hChild, nullptr);
        g_log.clear();
    }
    void TearDown() override {
        m_wnd.DestroyWindow();
        AfxTest::TearDown();
    }
    LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) {
        return ::SendMessageA(m_wnd.m_hWnd, msg, wParam, lParam);
    }
    std::string Last() const { return g_log.empty() ? "<nothing>" : g_log.back(); }

    CProbeWnd m_wnd;
    HWND m_hChild = nullptr;
};

struct Row {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const char* expected;
};

TEST_F(MessageMapTest, EveryWindowMessageReachesItsHandlerWithItsParameters) {
    WPARAM child = reinterpret_cast<WPARAM>(m_hChild);
    LPARAM childL = reinterpret_cast<LPARAM>(m_hChild);
    const Row rows[] = {
        {"setfocus", WM_SETFOCUS, child, 0, "OnSetFocus 7"},
        {"setfocus from none", WM_SETFOCUS, 0, 0, "OnSetFocus null"},
        {"killfocus", WM_KILLFOCUS, child, 0, "OnKillFocus 7"},
        {"char", WM_CHAR, 'a', MAKELPARAM(3, 0x1e), "OnChar 97 3 30"},
        {"keydown", WM_KEYDOWN, VK_UP, MAKELPARAM(1, 0x148), "OnKeyDown 38 1 328"},
        {"keyup", WM_KEYUP, VK_UP, MAKELPARAM(1, 0xc148), "OnKeyUp 38 1 49480"},
        {"syschar", WM_SYSCHAR, 'x', MAKELPARAM(1, 0x2000), "OnSysChar 120 1 8192"},
        {"syskeydown", WM_SYSKEYDOWN, VK_MENU, 0, "OnSysKeyDown 18 0 0"},
        {"syskeyup", WM_SYSKEYUP, VK_MENU, 0, "OnSysKeyUp 18 0 0"},
        {"getdlgcode", WM_GETDLGCODE, 0, 0, "OnGetDlgCode"},
        {"vscroll", WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0xfffb), childL, "OnVScroll 4 -5 7"},
        {"hscroll", WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0, "OnHScroll 1 0 null"},
        {"timer (derived entry wins)", WM_TIMER, 42, 0, "OnTimer 42"},
        {"paint (base map)", WM_PAINT, 0, 0, "base OnPaint"},
        {"size", WM_SIZE, SIZE_RESTORED, MAKELPARAM(100, 50), "OnSize 0 100 50"},
        {"move", WM_MOVE, 0, MAKELPARAM(0xfff6, 20), "OnMove -10 20"},
        {"lbuttondown", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 0xfff9), "OnLButtonDown 1 5,-7"},
        {"lbuttonup", WM_LBUTTONUP, 0, MAKELPARAM(6, 7), "OnLButtonUp 0 6,7"},
        {"lbuttondblclk", WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(1, 2), "OnLButtonDblClk 1 1,2"},
        {"rbuttondown", WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4), "OnRButtonDown 2 3,4"},
        {"rbuttonup", WM_RBUTTONUP, 0, MAKELPARAM(3, 4), "OnRButtonUp 0 3,4"},
        {"mousemove", WM_MOUSEMOVE, MK_SHIFT, MAKELPARAM(9, 8), "OnMouseMove 4 9,8"},
        {"setcursor", WM_SETCURSOR, child, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE),
         "OnSetCursor 7 1 512"},
        {"showwindow", WM_SHOWWINDOW, TRUE, 0, "OnShowWindow 1 0"},
        {"enable", WM_ENABLE, FALSE, 0, "OnEnable 0"},
        {"close", WM_CLOSE, 0, 0, "OnClose"},
        {"syscommand", WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(1, 2), "OnSysCommand 61536 131073"},
        {"nchittest", WM_NCHITTEST, 0, MAKELPARAM(0xffff, 10), "OnNcHitTest -1,10"},
        {"activate", WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1), childL, "OnActivate 2 7 1"},
        {"syscolorchange", WM_SYSCOLORCHANGE, 0, 0, "OnSysColorChange"},
        {"cancelmode", WM_CANCELMODE, 0, 0, "OnCancelMode"},
        {"message", WM_APP + 1, 3, 4, "OnApp 3 4"},
        {"registered message", g_nRegisteredMessage, 11, 0, "OnRegistered 11"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        g_log.clear();
        Send(row.message, row.wParam, row.lParam);
        ASSERT_EQ(g_log.size(), 1u);
        EXPECT_EQ(g_log[0], row.expected);
    }
    EXPECT_TRUE(::IsWindow(m_wnd.m_hWnd)) << "WM_CLOSE was handled, not defaulted";
}

TEST_F(MessageMapTest, HandlersReturnTheirResults) {
    EXPECT_EQ(Send(WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
    EXPECT_EQ(Send(WM_NCHITTEST, 0, 0), HTCAPTION);
    EXPECT_EQ(Send(WM_SETCURSOR, 0, 0), TRUE);
    EXPECT_EQ(Send(WM_APP + 1, 30, 12), 42);
    EXPECT_EQ(Send(g_nRegisteredMessage, 0, 0), 5);
}

TEST_F(MessageMapTest, RecordsAndDrawingContextsArePassedThrough) {
    HDC hdc = ::GetDC(m_wnd.m_hWnd);
    EXPECT_EQ(Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0), TRUE);
    EXPECT_EQ(Last(), "OnEraseBkgnd dc");

    const struct {
        UINT message;
        const char* expected;
    } colours[] = {{WM_CTLCOLOREDIT, "OnCtlColor dc 7 1"},
                   {WM_CTLCOLORBTN, "OnCtlColor dc 7 3"},
                   {WM_CTLCOLORSTATIC, "OnCtlColor dc 7 6"},
                   {WM_CTLCOLORSCROLLBAR, "OnCtlColor dc 7 5"}};
    for (const auto& c : colours) {
        LRESULT brush =
            Send(c.message, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(m_hChild));
        EXPECT_EQ(Last(), c.expected);
        EXPECT_EQ(brush, CProbeWnd::kCtlColorBrush);
    }
    ::ReleaseDC(m_wnd.m_hWnd, hdc);

    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = 7;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.hwndItem = m_hChild;
    Send(WM_DRAWITEM, 7, reinterpret_cast<LPARAM>(&dis));
    EXPECT_EQ(Last(), "OnDrawItem 7 1");

    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_BUTTON;
    Send(WM_MEASUREITEM, 7, reinterpret_cast<LPARAM>(&mis));
    EXPECT_EQ(Last(), "OnMeasureItem 7 4");

    HELPINFO help = {};
    help.cbSize = sizeof(help);
    help.iCtrlId = 7;
    EXPECT_EQ(Send(WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), TRUE);
    EXPECT_EQ(Last(), "OnHelpInfo 7");

    MINMAXINFO mmi = {};
    mmi.ptMaxSize.x = 640;
    Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    EXPECT_EQ(Last(), "OnGetMinMaxInfo 640");
}

TEST_F(MessageMapTest, CommandsRouteByIdentifierAndCode) {
    const Row rows[] = {
        {"menu command", WM_COMMAND, MAKEWPARAM(100, 0), 0, "OnMenu100"},
        {"accelerator", WM_COMMAND, MAKEWPARAM(100, 1), 0, "OnMenu100"},
        {"button click", WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), reinterpret_cast<LPARAM>(m_hChild),
         "OnClicked7"},
        {"edit change", WM_COMMAND, MAKEWPARAM(8, EN_CHANGE), reinterpret_cast<LPARAM>(m_hChild),
         "OnChange8"},
        {"edit kill focus", WM_COMMAND, MAKEWPARAM(8, EN_KILLFOCUS),
         reinterpret_cast<LPARAM>(m_hChild), "OnKillFocus8"},
        {"range low", WM_COMMAND, MAKEWPARAM(200, 0), 0, "OnRange 200"},
        {"range high", WM_COMMAND, MAKEWPARAM(210, 0), 0, "OnRange 210"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        g_log.clear();
        EXPECT_EQ(Send(row.message, row.wParam, row.lParam), 1);
        ASSERT_EQ(g_log.size(), 1u);
        EXPECT_EQ(g_log[0], row.expected);
    }

    // Nothing is mapped for these: the map must not answer for them.
    g_log.clear();
    Send(WM_COMMAND, MAKEWPARAM(211, 0), 0);
    Send(WM_COMMAND, MAKEWPARAM(8, EN_UPDATE), reinterpret_cast<LPARAM>(m_hChild));
    Send(WM_COMMAND, MAKEWPARAM(0, 0), 0);
    EXPECT_TRUE(g_log.empty()) << Last();
}

TEST_F(MessageMapTest, ADecliningHandlerPassesTheCommandToTheBaseMap) {
    Send(WM_COMMAND, MAKEWPARAM(300, 0), 0);
    ASSERT_EQ(g_log.size(), 2u);
    EXPECT_EQ(g_log[0], "OnDecline 300");
    EXPECT_EQ(g_log[1], "base OnShared");
}

TEST_F(MessageMapTest, NotificationsCarryTheirRecordAndResult) {
    NMHDR nm = {m_hChild, 9, 55};
    EXPECT_EQ(Send(WM_NOTIFY, 9, reinterpret_cast<LPARAM>(&nm)), 77);
    EXPECT_EQ(Last(), "OnNotify9 55");
    nm.code = 56;
    g_log.clear();
    EXPECT_EQ(Send(WM_NOTIFY, 9, reinterpret_cast<LPARAM>(&nm)), 0);
    EXPECT_TRUE(g_log.empty());
}

TEST_F(MessageMapTest, CommandItemsAreUpdatedThroughTheMap) {
    CCmdUI item;
    item.m_pOther = CWnd::FromHandle(m_hChild);
    item.m_nID = 400;
    EXPECT_TRUE(item.DoUpdate(&m_wnd, TRUE));
    EXPECT_EQ(Last(), "OnUpdate400 400");
    char text[32] = {};
    ::GetWindowTextA(m_hChild, text, sizeof(text));
    EXPECT_STREQ(text, "four hundred");
    EXPECT_TRUE(::IsWindowEnabled(m_hChild));

    // A command with a handler but no update handler stays as it is.
    item.m_nID = 100;
    EXPECT_FALSE(item.DoUpdate(&m_wnd, TRUE));
    EXPECT_TRUE(::IsWindowEnabled(m_hChild));
    // A command nobody handles is disabled when asked so.
    item.m_nID = 402;
    EXPECT_FALSE(item.DoUpdate(&m_wnd, FALSE));
    EXPECT_TRUE(::IsWindowEnabled(m_hChild));
    EXPECT_FALSE(item.DoUpdate(&m_wnd, TRUE));
    EXPECT_FALSE(::IsWindowEnabled(m_hChild));
}

TEST_F(MessageMapTest, UnmappedMessagesGetTheDefaultHandling) {
    Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("renamed"));
    CString text;
    m_wnd.GetWindowText(text);
    EXPECT_EQ(text, "renamed");
    EXPECT_TRUE(g_log.empty());
}

} // namespace
