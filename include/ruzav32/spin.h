// The spin control: CKSpin edits one whole number, two-decimal number, time of day or date in
// one to three edit fields beside an up/down arrow, following the user's regional settings.
// CKSpinEdit is its edit field.
//
// Index: CKSpin (value side: construction, SetProperties, Set/Get, Update/GetVal, Spin;
// window side: registration, children, layout, painting, operations, messages; data members in
// their fixed order) - CKSpinEdit.
//
// Use: CKSpin::RegisterClass() at start-up; a "CKSpin" control in a dialog template; in the
// dialog's initialisation, the object from the control's window and one SetProperties call with
// the dialog as parent (it creates the fields), then Set; Get when the dialog closes.
#pragma once

#include <afxwin.h>

#include <ruzav32/spin_types.h>

class CKSpinEdit;
class CKSpinStatic;

class AFX_EXT_CLASS CKSpin : public CWnd {
    DECLARE_DYNCREATE(CKSpin)

public:
    // ---- Value side -------------------------------------------------------------------------

    // An integer control with limits, value and step 0, no parent and no windows. Reads the
    // regional separators, designators and short-date order once, for the object's lifetime.
    CKSpin();

    // Makes an integer control. No check of min against max or of value against the limits;
    // the limits act only when stepping. A non-null parent creates the fields.
    void SetProperties(CWnd* pParent, int nMin, int nMax, int nValue, int nStep);
    // Makes a float control, otherwise as the integer overload.
    void SetProperties(CWnd* pParent, float fMin, float fMax, float fValue, float fStep);
    // Sets only the parent and the kind: the way to make a time or date control.
    void SetProperties(CWnd* pParent, eSpinValueTypes eType);

    // Loads a value: an int, a float, a tagSpinTime or a tagSpinDate by the control's kind.
    // Times and dates are normalised (10:59:75 becomes 11:00:15, 31 April becomes 1 May).
    void Set(const void* pValue);
    // Reads the fields back and writes the value there; FALSE, with nothing written, when the
    // fields do not hold a valid value. A date moves a year below the current one a century on.
    BOOL Get(void* pValue);
    eSpinValueTypes GetValueType() const;

    // Shows the value in the fields, rewriting only those whose text changes.
    void Update();
    // Steps the value by nStep (+1/-1 for the arrows, +15/-15 for the page keys), shows it and
    // notifies the parent with code 100 (nStep >= 0) or 101.
    void Spin(int nStep);
    // Adds nAmount to the date component shown in field nField (no carries) and tells which one
    // it is; eFocusNone, with no change, for a field number other than 1..3.
    eDateFocus GetDateChange(int nField, int nAmount);

    // ---- Window side: registration, children, layout, operations ---------------------------
    // (the spin window engineer adjusts the declarations of this section)

    virtual ~CKSpin();

    static BOOL RegisterClass();
    static BOOL UnregisterClass();

    // These hide the CWnd members of the same names and act on every child as well.
    void EnableWindow(BOOL bEnable);
    void ShowWindow(int nCmdShow);
    void SetReadOnly(BOOL bReadOnly);
    void LimitText(int nLength);
    BOOL IsWindowEnabled();
    void SetFocus();
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont();

    // The field (1..3) that has the keyboard focus; 1 when the focus is elsewhere.
    int GetnFocus();
    BOOL IsFirstEdit(CWnd* pWnd);
    BOOL IsLastEdit(CWnd* pWnd);

    static int m_cRegisteredCount;

protected:
    // ---- Value side -------------------------------------------------------------------------

    // Reads the field texts into the value members; FALSE when a needed field is missing or
    // empty. Members written before the failure stay written.
    BOOL GetVal();
    BOOL IsValidDigit(char c);
    eDatePos GetPos(const char* pszPiece);
    eDateOrder GetOrder(eDatePos ePos1, eDatePos ePos2, eDatePos ePos3);

    // ---- Window side (the spin window engineer adjusts the declarations of this section) -----

    static WNDPROC m_pfnSuperWndProc;
    WNDPROC* GetSuperWndProcAddr() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
    static LRESULT CALLBACK FirstMsgOnlyWndProc(HWND hWnd, UINT message, WPARAM wParam,
                                                LPARAM lParam);

    using CWnd::Create;
    void Create();
    void CalculateRect(LPRECT pEdit1, LPRECT pSep1, LPRECT pEdit2, LPRECT pSep2, LPRECT pEdit3);
    void DrawStatic(CWnd* pWnd, LPCSTR pszText, int nFormat);
    void Notify(UINT nCode);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnPaint();
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUpdateSpin(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // ---- Data, in this order ------------------------------------------------------------------

    int m_nFocus; // field (1..3) that has or last had the focus
    int m_nMin;
    int m_nMax;
    int m_nValue;
    int m_nStep;
    float m_fMin;
    float m_fMax;
    float m_fValue;
    float m_fStep;
    char m_szAM[32];     // morning designator
    char m_szPM[32];     // afternoon designator
    char m_szTimeSep[5]; // time separator
    char m_szDateSep[5]; // date separator
    BOOL m_bAutoDelete;  // made by the window class: deletes itself when its window is gone
    HFONT m_hThinFont;   // never deleted here: the parent and its children go on using it
    tagSpinTime m_Time;
    tagSpinDate m_Date;
    CWnd* m_pParent; // receives the notifications; borrowed
    CKSpinStatic* m_pSep1;
    CKSpinStatic* m_pSep2;
    CKSpinEdit* m_pEdit1;
    CKSpinEdit* m_pEdit2;
    CKSpinEdit* m_pEdit3;
    CScrollBar* m_pSpinButton;
    eDateOrder m_eDateOrder; // fixed at construction
    eSpinValueTypes m_eValueType;
};

// The edit field of a CKSpin: checks typed digits per position, turns the arrow and page keys
// into steps, moves the focus with Tab, and has its owner read the value back when it loses
// the focus. Its parent window is always its CKSpin.
// (the spin window engineer owns this class)
class AFX_EXT_CLASS CKSpinEdit : public CEdit {
    DECLARE_DYNCREATE(CKSpinEdit)

public:
    CKSpinEdit();
    virtual ~CKSpinEdit();

    // Public: the owner passes a Tab through it when it gives field 1 the focus.
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);

    // The digit rules of an hour or minute field (nField 1 or 2) or the designator field (3).
    BOOL IsDigitValid(int nClock, int nLeadZero, int nField, UINT nChar);
    // The digit rules of a day, month or year field.
    BOOL IsDigitValid(int nField, UINT nChar, eDateFocus eFocus);

    // Tab and Shift+Tab: to the next or previous field, or out of the control at either end.
    void MoveFocus(CKSpin* pOwner, bool bBackwards);

    // Shared by every field of every spin control in the process: set by a Tab character, it
    // lets the next digit in without the digit rules while the field's whole text is still
    // selected as Tab left it; a caret key or any other selection ends it.
    static BOOL s_bAfterTab;

    DECLARE_MESSAGE_MAP()
};
