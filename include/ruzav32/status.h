// Status and feedback controls: what a host places in its frames and dialogs.
//
// Contents: tagCKStatusBarPane (one pane of the extended status bar) - CKPercentBar - CPopupTip.
#pragma once

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

    // ---- Data, in this order ------------------------------------------------------------------
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

    // ---- Data, in this order ------------------------------------------------------------------
    CFont* m_pFont; // borrowed
    CString m_strDisplay;
    CString m_strClassName;
    UINT m_nShape; // 0 plain, 1 rounded
};
