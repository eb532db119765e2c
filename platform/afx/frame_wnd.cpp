// CFrameWnd: an application's main window. It is made from resources (menu, accelerators,
// title), lays its control bars out along its edges, routes commands to itself and then to the
// application, brings menus up to date through ON_UPDATE_COMMAND_UI handlers as they open, and
// writes prompts into its status bar: the selected menu item's prompt, and the idle prompt when
// the menu closes.
#include <afxext.h>
#include <afxpriv.h>

#include "afx/afx_internal.h"

#include <algorithm>
#include <cstring>
#include <vector>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

namespace {

// Frame objects alive, whatever a reset has forgotten: the driver's pump asks for every message
// whether its window might be a frame's.
int g_liveFrameObjects = 0;

// Every frame alive, in creation order: idle time updates each one.
std::vector<CFrameWnd*>& Frames() {
    static std::vector<CFrameWnd*> frames;
    return frames;
}

// Answers whether a command is enabled, and nothing else (a command that its update handler
// disables must not run, whether it came from a menu or from an accelerator).
class CTestCmdUI : public CCmdUI {
public:
    BOOL m_bEnabled = TRUE;
    void Enable(BOOL bOn) override {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetText(LPCSTR) override {}
};

UINT KeyOfIndicator(UINT nID) {
    switch (nID) {
    case ID_INDICATOR_CAPS:
        return VK_CAPITAL;
    case ID_INDICATOR_NUM:
        return VK_NUMLOCK;
    case ID_INDICATOR_SCRL:
        return VK_SCROLL;
    default:
        return 0;
    }
}

// WM_IDLEUPDATECMDUI to every framework window below hWnd, without a list in between: idle
// updates run at every idle moment and must not allocate.
void SendIdleUpdateToDescendants(HWND hWnd) {
    HWND hChild = ::GetTopWindow(hWnd);
    while (hChild != NULL) {
        HWND hNext = ::GetWindow(hChild, GW_HWNDNEXT);
        if (CWnd* pWnd = CWnd::FromHandlePermanent(hChild))
            AfxCallWndProc(pWnd, hChild, WM_IDLEUPDATECMDUI, TRUE, 0);
        if (::IsWindow(hChild) && ::GetTopWindow(hChild) != NULL)
            SendIdleUpdateToDescendants(hChild);
        hChild = ::IsWindow(hNext) ? hNext : NULL;
    }
}

} // namespace

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_SIZE()
ON_WM_DESTROY()
ON_WM_INITMENUPOPUP()
ON_WM_MENUSELECT()
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd()
    : m_bAutoMenuEnable(TRUE), m_hAccelTable(NULL), m_hMenuDefault(NULL), m_nIDTracking(0),
      m_nIDLastMessage(0), m_nIdleFlags(0), m_bInRecalcLayout(FALSE) {
    Frames().push_back(this);
    ++g_liveFrameObjects;
}

CFrameWnd::~CFrameWnd() {
    --g_liveFrameObjects;
    std::vector<CFrameWnd*>& frames = Frames();
    frames.erase(std::remove(frames.begin(), frames.end(), this), frames.end());
    if (m_hAccelTable != NULL)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return CWnd::PreCreateWindow(cs);
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle,
                       CCreateContext* pContext) {
    HMENU hMenu = NULL;
    if (lpszMenuName != NULL) {
        hMenu = ::LoadMenuA(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName);
        if (hMenu == NULL)
            return FALSE;
    }
    // LoadFrame passes m_strTitle itself: copy before assigning.
    CString strTitle(lpszWindowName);
    m_strTitle = strTitle;
    bool bDefault = ::EqualRect(&rect, &rectDefault) != FALSE;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle,
                  bDefault ? CW_USEDEFAULT : rect.left, bDefault ? CW_USEDEFAULT : rect.top,
                  bDefault ? CW_USEDEFAULT : rect.right - rect.left,
                  bDefault ? CW_USEDEFAULT : rect.bottom - rect.top,
                  CWnd::GetSafeHwndOf(pParentWnd), hMenu, pContext)) {
        if (hMenu != NULL && ::IsMenu(hMenu))
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    // The status bar starts with the idle prompt once the frame's first messages are through.
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
    LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    CString strFull;
    if (strFull.LoadString(nIDResource)) {
        int nEnd = strFull.Find('\n');
        m_strTitle = nEnd >= 0 ? strFull.Left(nEnd) : strFull;
    }
    if (!Create(NULL, m_strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszName, 0L, pContext))
        return FALSE;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    // A frame without an accelerator table of its name simply has no accelerators.
    m_hAccelTable = ::LoadAcceleratorsA(AfxFindResourceHandle(lpszName, RT_ACCELERATOR), lpszName);
    return TRUE;
}

void CFrameWnd::PostNcDestroy() {
    // Frames are made with new and go with their window, as the framework has always done.
    delete this;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable != NULL &&
        ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != NULL && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        UINT nID = LOWORD(wParam);
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, NULL);
        if (!state.m_bEnabled)
            return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

void CFrameWnd::RecalcLayout(BOOL) {
    if (m_bInRecalcLayout || m_hWnd == NULL)
        return;
    m_bInRecalcLayout = TRUE;
    AFX_SIZEPARENTPARAMS layout;
    layout.hDWP = NULL;
    layout.bStretch = TRUE;
    layout.sizeTotal.cx = layout.sizeTotal.cy = 0;
    ::GetClientRect(m_hWnd, &layout.rect);
    HWND hPane = NULL;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != NULL;) {
        HWND hNext = ::GetWindow(hChild, GW_HWNDNEXT);
        if (::GetDlgCtrlID(hChild) == AFX_IDW_PANE_FIRST)
            hPane = hChild;
        else
            ::SendMessageA(hChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
        hChild = ::IsWindow(hNext) ? hNext : NULL;
    }
    if (hPane != NULL && ::IsWindow(hPane))
        ::MoveWindow(hPane, layout.rect.left, layout.rect.top, layout.rect.right - layout.rect.left,
                     layout.rect.bottom - layout.rect.top, TRUE);
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify) {
    m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0);
}

CWnd* CFrameWnd::GetMessageBar() {
    return CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_STATUS_BAR));
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const {
    // A missing string is an empty prompt; the prompt ends at the first '\n' (what follows is
    // the tool tip).
    if (!rMessage.LoadString(nID)) {
        rMessage.Empty();
        return;
    }
    int nEnd = rMessage.Find('\n');
    if (nEnd >= 0)
        rMessage = rMessage.Left(nEnd);
}

void CFrameWnd::SetMessageText(LPCSTR lpszText) {
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID) {
    SendMessage(WM_SETMESSAGESTRING, static_cast<WPARAM>(nID));
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
    UINT nIDLast = m_nIDLastMessage;
    m_nIDLastMessage = static_cast<UINT>(wParam);
    m_nIDTracking = static_cast<UINT>(wParam);
    CWnd* pMessageBar = GetMessageBar();
    if (pMessageBar == NULL)
        return nIDLast;
    CString strMessage;
    LPCSTR lpsz = "";
    if (lParam != 0) {
        lpsz = reinterpret_cast<LPCSTR>(lParam);
    } else if (wParam == AFX_IDS_IDLEMESSAGE) {
        // The host's idle prompt, or the framework's own.
        if (!strMessage.LoadString(AFX_IDS_IDLEMESSAGE))
            strMessage = "Ready";
        lpsz = strMessage;
    } else if (wParam != 0) {
        GetMessageString(static_cast<UINT>(wParam), strMessage);
        lpsz = strMessage;
    }
    pMessageBar->SetWindowText(lpsz);
    return nIDLast;
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu) {
    if (bSysMenu || pPopupMenu == NULL)
        return;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0)
            continue; // a separator
        if (state.m_nID == static_cast<UINT>(-1)) {
            // A pop-up item follows the state of its pop-up's first command.
            HMENU hSub = ::GetSubMenu(pPopupMenu->m_hMenu, static_cast<int>(state.m_nIndex));
            state.m_nID = hSub != NULL ? ::GetMenuItemID(hSub, 0) : 0;
            if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1))
                continue;
            CMenu sub;
            sub.m_hMenu = hSub;
            state.m_pSubMenu = &sub;
            state.DoUpdate(this, FALSE);
            state.m_pSubMenu = NULL;
            sub.m_hMenu = NULL; // lent, not owned
        } else {
            state.m_pSubMenu = NULL;
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        }
        // A handler may have removed items: carry on after the one just updated.
        UINT nCount = pPopupMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax) {
            state.m_nIndex -= (state.m_nIndexMax - nCount);
            while (state.m_nIndex < nCount &&
                   pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex)) == state.m_nID)
                ++state.m_nIndex;
        }
        state.m_nIndexMax = nCount;
    }
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
    if (nFlags == 0xFFFF && hSysMenu == NULL) {
        // The menu closed: back to the idle prompt.
        SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        return;
    }
    UINT nID = (nFlags & (MF_SEPARATOR | MF_POPUP)) || nItemID >= 0xF000 ? 0 : nItemID;
    if (nID != m_nIDLastMessage || nID == 0)
        SendMessage(WM_SETMESSAGESTRING, nID);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
    if (m_nIdleFlags & idleLayout)
        RecalcLayout((m_nIdleFlags & idleNotify) != 0);
    m_nIdleFlags = 0;
    return 0;
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI) {
    UINT nVK = KeyOfIndicator(pCmdUI->m_nID);
    pCmdUI->Enable(nVK != 0 && (::GetKeyState(static_cast<int>(nVK)) & 1) != 0);
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
    HWND hBar = ::GetDlgItem(m_hWnd, static_cast<int>(pCmdUI->m_nID));
    if (hBar == NULL) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((::GetWindowLongA(hBar, GWL_STYLE) & WS_VISIBLE) != 0);
}

BOOL CFrameWnd::OnBarCheck(UINT nID) {
    HWND hBar = ::GetDlgItem(m_hWnd, static_cast<int>(nID));
    if (hBar == NULL)
        return FALSE;
    ::ShowWindow(hBar, (::GetWindowLongA(hBar, GWL_STYLE) & WS_VISIBLE) ? SW_HIDE : SW_SHOW);
    RecalcLayout();
    return TRUE;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnDestroy() {
    // Put the frame's own menu back, so that the system destroys the right one with the window.
    if (m_hMenuDefault != NULL && ::GetMenu(m_hWnd) != m_hMenuDefault && ::IsMenu(m_hMenuDefault))
        ::SetMenu(m_hWnd, m_hMenuDefault);
    CWnd::OnDestroy();
}

void AFXAPI AfxIdleUpdateFrames() {
    std::vector<CFrameWnd*>& frames = Frames();
    for (size_t i = 0; i < frames.size(); ++i) {
        CFrameWnd* pFrame = frames[i];
        HWND hWnd = pFrame->m_hWnd;
        if (hWnd == NULL || !::IsWindowVisible(hWnd))
            continue;
        AfxCallWndProc(pFrame, hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
        // The update may have destroyed the frame (and so changed the list).
        if (::IsWindow(hWnd))
            SendIdleUpdateToDescendants(hWnd);
    }
}

namespace afx_internal {
void ForgetFrames() {
    Frames().clear();
}

bool AnyFrameObject() {
    return g_liveFrameObjects > 0;
}
} // namespace afx_internal
