// Frame windows: an application's main window with its menu, accelerators, control bars and
// the prompts it writes into its status bar. (Included by afxwin.h, as the framework has it.)
//
//   - the standard command, indicator and window identifiers
//   - CMenu: a menu handle as the command user-interface sees it
//   - CFrameWnd: creation from resources, layout of its bars, command routing and updates,
//     message prompts (WM_SETMESSAGESTRING, WM_MENUSELECT) and the idle prompt
#pragma once

// Window identifiers of a frame's children.
#define AFX_IDW_PANE_FIRST 0xE900
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_TOOLBAR 0xE800
// Indicator panes: each has a string resource with its text ("CAP", "NUM", "SCRL").
#define ID_SEPARATOR 0
#define ID_INDICATOR_EXT 0xE700
#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM 0xE702
#define ID_INDICATOR_SCRL 0xE703
#define ID_INDICATOR_OVR 0xE704
#define ID_INDICATOR_REC 0xE705
// Standard commands
#define ID_APP_EXIT 0xE141
#define ID_APP_ABOUT 0xE140
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_SAVE 0xE103
#define ID_VIEW_STATUS_BAR 0xE801

// Frame window styles of the framework (low bits of the style, as FWS_ in the original).
#define FWS_ADDTOTITLE 0x00008000L

class CControlBar;
class CStatusBar;

// A menu handle. The object destroys the menu it holds when it dies: Detach a menu that
// belongs to a window or to another menu first.
class AFX_API CMenu : public CObject {
    DECLARE_DYNCREATE(CMenu)
public:
    HMENU m_hMenu;

    CMenu() : m_hMenu(NULL) {}
    ~CMenu() override;

    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }
    BOOL Attach(HMENU hMenu);
    HMENU Detach();
    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL LoadMenu(UINT nIDResource);
    BOOL LoadMenu(LPCSTR lpszResourceName);
    BOOL DestroyMenu();

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = NULL) {
        return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                    LPCSTR lpszNewItem = NULL) {
        return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                    LPCSTR lpszNewItem = NULL) {
        return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL RemoveMenu(UINT nPosition, UINT nFlags) {
        return ::RemoveMenu(m_hMenu, nPosition, nFlags);
    }
    BOOL DeleteMenu(UINT nPosition, UINT nFlags) {
        return ::DeleteMenu(m_hMenu, nPosition, nFlags);
    }
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
        return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
    }
    DWORD CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
        return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
    }
    UINT GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }
    UINT GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
    UINT GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
    int GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const {
        return ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
    }
    HMENU GetSubMenuHandle(int nPos) const { return ::GetSubMenu(m_hMenu, nPos); }
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = NULL);
};

class AFX_API CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault; // "let the system choose"

    CFrameWnd();
    ~CFrameWnd() override;

    // lpszMenuName names a menu resource of the host (NULL: no menu).
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = NULL, LPCSTR lpszMenuName = NULL,
                DWORD dwExStyle = 0, CCreateContext* pContext = NULL);
    // Menu, accelerators and title from the resources named nIDResource (the title is the
    // string's text up to its first '\n').
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);

    // Places the control bars along the edges and the pane window (AFX_IDW_PANE_FIRST) in what
    // is left. DelayRecalcLayout leaves it to the next idle update.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    void DelayRecalcLayout(BOOL bNotify = TRUE);

    // The status bar the frame writes its prompts into (child AFX_IDW_STATUS_BAR), or NULL.
    virtual CWnd* GetMessageBar();
    // The prompt of a command: its string resource up to the first '\n'.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);

    CFrameWnd* GetActiveFrame() { return this; }

    BOOL m_bAutoMenuEnable; // menu items without a handler are disabled
    HACCEL m_hAccelTable;
    HMENU m_hMenuDefault;
    CString m_strTitle;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // The framework's handling of a menu being opened and of the item selected in it.
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);

protected:
    UINT m_nIDTracking;    // the prompt the open menu asks for
    UINT m_nIDLastMessage; // the prompt the status bar shows
    UINT m_nIdleFlags;
    enum { idleLayout = 0x1, idleNotify = 0x2 };
    BOOL m_bInRecalcLayout;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    afx_msg BOOL OnBarCheck(UINT nID);
    DECLARE_MESSAGE_MAP()
};

// WM_INITMENUPOPUP reaches OnInitMenuPopup with a CMenu that lends the pop-up's handle for the
// call; WM_MENUSELECT reaches OnMenuSelect(item or position, flags, menu).
template <class T> void AfxDispatchInitMenuPopup(T* pThis, const AFX_MSGCALL& call) {
    CMenu menu;
    menu.m_hMenu = reinterpret_cast<HMENU>(call.wParam);
    pThis->OnInitMenuPopup(&menu, LOWORD(call.lParam), HIWORD(call.lParam));
    menu.m_hMenu = NULL;
}
#define ON_WM_INITMENUPOPUP()                                                                      \
    AFX_WM_ENTRY(WM_INITMENUPOPUP, AfxDispatchInitMenuPopup(pThis_, call_))
#define ON_WM_MENUSELECT()                                                                         \
    AFX_WM_ENTRY(WM_MENUSELECT, pThis_->OnMenuSelect(LOWORD(call_.wParam), HIWORD(call_.wParam),   \
                                                     reinterpret_cast<HMENU>(call_.lParam)))

// Sends WM_IDLEUPDATECMDUI to every visible frame window and its descendants, as a message
// loop does when its queue empties (CWinThread::OnIdle, and the driver at each idle moment).
AFX_API void AFXAPI AfxIdleUpdateFrames();
