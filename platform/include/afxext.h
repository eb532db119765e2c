// Extensions of the framework: control bars along a frame's edges and the status bar.
//
//   - CControlBar: a strip a frame window lays out along one of its edges (RecalcLayout asks
//     each bar for its size through WM_SIZEPARENT) and updates at idle time
//     (WM_IDLEUPDATECMDUI reaches OnUpdateCmdUI with the frame as the command target)
//   - CStatusBar: a row of sunken panes; pane 0 takes the frame's prompts as its window text,
//     indicator panes show their string resource and are enabled by update handlers
#pragma once

#include "afxwin.h"

// Control bar styles: the low word of the style given to Create, kept in m_dwStyle.
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_NOALIGN 0x00000000L
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)
#define CBRS_ALL 0x0000FFFFL

// Status bar pane styles.
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS 0x0100
#define SBPS_POPOUT 0x0200
#define SBPS_OWNERDRAW 0x1000
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

class AFX_API CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();
    ~CControlBar() override;

    // Space kept free inside the bar around its panes or buttons, in pixels.
    int m_cxLeftBorder, m_cxRightBorder;
    int m_cyTopBorder, m_cyBottomBorder;
    int m_nCount;  // panes or buttons
    void* m_pData; // the bar's per-item records
    DWORD m_dwStyle;
    BOOL m_bAutoDelete; // the object deletes itself after its window is gone

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    int GetCount() const { return m_nCount; }
    CFrameWnd* GetParentFrame() const;

    // The size the bar wants along its edge; the framework stretches it across the frame.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // Brings every item up to date through the target's ON_UPDATE_COMMAND_UI handlers.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

protected:
    void PostNcDestroy() override;
    // The rectangle inside the borders, in client coordinates.
    void CalcInsideRect(CRect& rect) const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// One pane of a status bar.
struct AFX_STATUSPANE {
    UINT nID;    // identifier: its string resource is the pane's first text
    UINT nStyle; // SBPS_ styles
    int cxText;  // width of the text area in pixels
    CString strText;
};

class AFX_API CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();
    ~CStatusBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per identifier: ID_SEPARATOR (0) makes an empty pane, any other identifier takes
    // the text of its string resource and a width that fits it. An identifier without a string
    // still gets its pane (empty, no width) and makes the result FALSE.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    // Pane access; an index out of range is refused (FALSE, -1, 0 or an empty result).
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    void GetPaneText(int nIndex, CString& rString) const;
    CString GetPaneText(int nIndex) const;
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    HFONT m_hFont; // NULL: the system's default GUI font

    AFX_STATUSPANE* GetPanePtr(int nIndex) const;
    HFONT GetBarFont() const;
    // Lays the panes out again after their widths or the bar's size changed, and repaints.
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);

    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void FreePanes();
};
