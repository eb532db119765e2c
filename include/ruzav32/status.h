// Status and feedback controls: what a host places in its frames and dialogs.
//
// Contents: tagCKStatusBarPane (one pane of the extended status bar) - CKExtStatusBar -
// CKPercentBar - CPopupTip.
#pragma once

#include <afxext.h>
#include <afxwin.h>

// One pane of an extended status bar, as the host describes it when it adds the pane.
struct tagCKStatusBarPane {
    // Handed to the framework bar: nonzero gives the pane the text of the host's string resource
    // with this identifier and a width that fits it; 0 makes an empty pane.
    UINT nIndicatorID;
    // Posted to the bar's parent when the user clicks the pane (0 posts nothing). With a nonzero
    // nWidth it is also the pane's identifier in the framework bar.
    UINT nMessageID;
    // The pane's width in pixels; 0 keeps the width the framework gives it.
    UINT nWidth;
};

// ---- CKExtStatusBar -------------------------------------------------------------------------
// A status bar for a main frame. Pane 0 is the message pane: it stretches over the free width
// and shows every text the frame writes to the bar; when the frame writes its idle prompt, the
// host's idle message (SetIdleMessage) or a pending timed one (SetTimedIdleMessage) shows
// instead. The host appends further panes with AddPane; a click on a pane posts the pane's
// message to the bar's parent (wParam: the click's key flags, lParam 0). An optional last pane
// shows a bitmap, centred.
//
//     m_wndStatusBar.Create(this);                         // in the frame's OnCreate
//     m_wndStatusBar.AddPane(ID_INDICATOR_CAPS, 0, 0);     // "CAP", sized to its string
//     m_wndStatusBar.AddPane(0, 80, WM_APP + 1);           // 80 pixels, clicks post WM_APP+1
//     m_wndStatusBar.SetBitmapResource(IDB_LOGO, 20, 0);   // the bitmap pane comes last
//
// Create the bar before adding panes or bitmaps: they need its window.
class AFX_EXT_CLASS CKExtStatusBar : public CStatusBar {
public:
    CKExtStatusBar();
    ~CKExtStatusBar() override;

    // Makes the bar with its light font and the message pane. FALSE only when the window could
    // not be made; without its own font the bar works on with the system font.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    // Appends a pane (before the bitmap pane, which stays last) and rebuilds the panes. FALSE
    // before Create or when the record cannot be made.
    BOOL AddPane(UINT nIndicatorID, UINT nWidth, UINT nMessageID);
    // NULL or "" clears the idle message: pane 0 then shows nothing when the frame goes idle.
    void SetIdleMessage(LPCSTR lpszText);
    // Shows lpszText at once and in place of the idle prompt until dwDuration milliseconds have
    // passed; the first idle update after that shows the idle message again.
    void SetTimedIdleMessage(LPCSTR lpszText, DWORD dwDuration);
    // The bitmap pane: a bitmap from the host's resources, or a bitmap handle the bar takes
    // over (and deletes). A second call replaces the bitmap and keeps the one pane. A resource
    // that is no bitmap, or a handle that is none, changes nothing.
    void SetBitmapResource(UINT nIDResource, UINT nWidth, UINT nMessageID);
    void SetBitmapHandle(HBITMAP hBitmap, UINT nWidth, UINT nMessageID);
    // The bar's height follows its font; this changes nothing.
    void SetHeight(int nHeight);

protected:
    // The record of pane nIndex; NULL past the last one.
    tagCKStatusBarPane* GetPane(int nIndex);
    // Rebuilds the framework panes from the records.
    void SetIndicators();
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    void OnPaintStatusBMP();
    DECLARE_MESSAGE_MAP()

    CFont m_font;
    DWORD m_dwTimedIdleEnd; // tick count at which the timed message ends; 0: none pending
    CString m_strDefaultIdle;
    CString m_strIdle;
    CString m_strTimedIdle;
    BOOL m_bBitmapPane;
    CPtrArray m_arrPanes; // tagCKStatusBarPane*, owned
    CBitmap m_bitmap;

private:
    BOOL InsertPane(int nAt, UINT nIndicatorID, UINT nWidth, UINT nMessageID);
    void TakeBitmap(HBITMAP hBitmap, UINT nWidth, UINT nMessageID);
};

// ---- CKPercentBar ---------------------------------------------------------------------------
// A sunken bar filled from the left in proportion to a value from 0 to 100, showing the value
// as "37%" in its middle. The filled part has the active caption's colour and the rest the
// inactive caption's; the number changes colour exactly where the boundary crosses it.
//
// Use: CKPercentBar::RegisterClass(template name, RT_DIALOG) at start-up, for the module that
// holds the dialog templates naming "CKPercentBar"; the object of such a control comes from
// CWnd::FromHandlePermanent and deletes itself with its window. SetPercent stores only: the
// caller invalidates the bar to show the value.
class AFX_EXT_CLASS CKPercentBar : public CWnd {
    DECLARE_DYNCREATE(CKPercentBar)

public:
    CKPercentBar();
    ~CKPercentBar() override;

    // Stores the value clamped to 0..100; does not repaint.
    void SetPercent(int nPercent);

    // Registers "CKPercentBar" as a superclass of "static" for the module that holds the named
    // resource, once; later calls confirm it. FALSE when "static" cannot be read, when another
    // class of that name is registered for the module, or when the system refuses.
    static BOOL RegisterClass(LPCSTR lpszResourceName, LPCSTR lpszResourceType);
    // Removes the class of that module again; TRUE when it is not registered.
    static BOOL UnregisterClass(LPCSTR lpszResourceName, LPCSTR lpszResourceType);

    // The "static" window procedure, set by the first successful registration and kept.
    static WNDPROC pfnSuperWndProc;

protected:
    afx_msg void OnPaint();
    WNDPROC* GetSuperWndProcAddr() override;
    DECLARE_MESSAGE_MAP()

    // ---- Data, in this order
    // ------------------------------------------------------------------
    int m_nPercent;       // 0..100
    CBrush m_brushFilled; // COLOR_ACTIVECAPTION when constructed
    CBrush m_brushEmpty;  // COLOR_INACTIVECAPTION when constructed
    BOOL m_bAutoDelete;   // made by the window class: deletes itself when its window is gone

private:
    void PostNcDestroy() override;
    static LRESULT CALLBACK FirstMsgOnlyWndProc(HWND hWnd, UINT message, WPARAM wParam,
                                                LPARAM lParam);
};

// ---- CPopupTip ------------------------------------------------------------------------------
// A borderless one-line tip, black text on light yellow in a plain or rounded outline, that
// pops up at a screen point without taking the activation or the focus from the host.
//
// Use: allocate on the heap with the name of a window class the host registered; SetDisplay,
// SetFont if wanted, PopItUp. Destroy its window to end it: the object then deletes itself.
// When PopItUp fails there is no window, and the host deletes the object.
class AFX_EXT_CLASS CPopupTip : public CWnd {
public:
    explicit CPopupTip(CString& strClassName);
    ~CPopupTip() override;

    // Neither resizes nor repaints a tip already up: the text shows at its next paint.
    void SetDisplay(const CString& strDisplay);
    // Borrowed: the host keeps the font alive while the tip exists. NULL means the DC's font.
    void SetFont(CFont* pFont);

    // Makes and shows the tip with its top-left corner at point (screen coordinates), sized to
    // the text plus a margin and moved left to stay 6 pixels clear of the screen's right edge.
    // nShape 1 is rounded, anything else plain. FALSE, with nothing shown, when the window
    // cannot be made (an unregistered class) or the tip is already up.
    BOOL PopItUp(CPoint point, UINT nShape);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    // Kept for hosts that call it; the tip's own painting has no 3-D frame.
    void Draw3DFrame(CDC* pDC, CRect& rect);
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

    // ---- Data, in this order
    // ------------------------------------------------------------------
    CFont* m_pFont; // borrowed
    CString m_strDisplay;
    CString m_strClassName;
    UINT m_nShape; // 0 plain, 1 rounded
};
