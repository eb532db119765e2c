// Message maps: each handler signature the library and the framework map is reached with its
// parameters unpacked, base maps are searched after the class's own, commands route by
// identifier and code, and unhandled messages get the default handling.
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
    afx_msg void OnLButtonDown(UINT f, CPoint p) { LogPoint("OnLButtonDown", f, p); }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        Log("OnCtlColor %s %s %u", pDC != nullptr ? "dc" : "none", Id(pWnd).c_str(), nCtlColor);
        return reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(kCtlColorBrush));
    }
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT p) {
        Log("OnDrawItem %d %u", nIDCtl, p->itemAction);
    }
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT p) {
        Log("OnMeasureItem %d %u", nIDCtl, p->CtlType);
    }
    afx_msg void OnMenu100() { Log("OnMenu100"); }
    afx_msg void OnClicked7() { Log("OnClicked7"); }
    afx_msg void OnChange8() { Log("OnChange8"); }
    afx_msg BOOL OnDecline(UINT nID) {
        Log("OnDecline %u", nID);
        return FALSE;
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
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CProbeBase)
ON_WM_ERASEBKGND()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_WM_TIMER()
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_CTLCOLOR()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_COMMAND(100, OnMenu100)
ON_BN_CLICKED(7, OnClicked7)
ON_EN_CHANGE(8, OnChange8)
ON_COMMAND_EX(300, OnDecline)
ON_UPDATE_COMMAND_UI(400, OnUpdate400)
ON_MESSAGE(WM_APP + 1, OnApp)
END_MESSAGE_MAP()

class MessageMapTest : public AfxTest {
protected:
    void SetUp() override {
        AfxTest::SetUp();
        g_log.clear();
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
        {"getdlgcode", WM_GETDLGCODE, 0, 0, "OnGetDlgCode"},
        {"vscroll", WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0xfffb), childL, "OnVScroll 4 -5 7"},
        {"hscroll", WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0, "OnHScroll 1 0 null"},
        {"timer (derived entry wins)", WM_TIMER, 42, 0, "OnTimer 42"},
        {"paint (base map)", WM_PAINT, 0, 0, "base OnPaint"},
        {"size", WM_SIZE, SIZE_RESTORED, MAKELPARAM(100, 50), "OnSize 0 100 50"},
        {"lbuttondown", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 0xfff9), "OnLButtonDown 1 5,-7"},
        {"message", WM_APP + 1, 3, 4, "OnApp 3 4"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        g_log.clear();
        Send(row.message, row.wParam, row.lParam);
        ASSERT_EQ(g_log.size(), 1u);
        EXPECT_EQ(g_log[0], row.expected);
    }
}

TEST_F(MessageMapTest, HandlersReturnTheirResults) {
    EXPECT_EQ(Send(WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
    EXPECT_EQ(Send(WM_APP + 1, 30, 12), 42);
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
}

TEST_F(MessageMapTest, CommandsRouteByIdentifierAndCode) {
    const Row rows[] = {
        {"menu command", WM_COMMAND, MAKEWPARAM(100, 0), 0, "OnMenu100"},
        {"accelerator", WM_COMMAND, MAKEWPARAM(100, 1), 0, "OnMenu100"},
        {"button click", WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), reinterpret_cast<LPARAM>(m_hChild),
         "OnClicked7"},
        {"edit change", WM_COMMAND, MAKEWPARAM(8, EN_CHANGE), reinterpret_cast<LPARAM>(m_hChild),
         "OnChange8"},
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
