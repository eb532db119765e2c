// Status and feedback controls: what a host places in its frames and dialogs.
//
// Contents: tagCKStatusBarPane (one pane of the extended status bar) - CKExtStatusBar.
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
