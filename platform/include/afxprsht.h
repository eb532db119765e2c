// The framework's property sheet and pages (included by afxdlgs.h).
//
// A CPropertySheet holds pointers to CPropertyPage objects it does not own and makes the system
// property sheet from them: each page's m_psp becomes one page of the sheet, and the framework
// attaches the page object to its window when the system makes it. Page notifications arrive
// as the virtual calls OnSetActive, OnKillActive, OnApply (which calls OnOK), OnReset (which
// calls OnCancel) and OnQueryCancel.
#pragma once

#include "afxwin.h"
#include "afxcoll.h"
#include "afxpriv.h"

#include <commctrl.h>

#ifndef ID_APPLY_NOW
#define ID_APPLY_NOW 0x3021
#endif

class CPropertySheet;

class AFX_API CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);
    ~CPropertyPage() override;

    void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
    void Construct(LPCSTR lpszTemplateName, UINT nIDCaption = 0);

    // The page as the system sheet gets it; hosts may change flags and fields before the sheet
    // is made.
    PROPSHEETPAGEA m_psp;

    // Tells the sheet that this page has (or no longer has) changes, enabling Apply.
    void SetModified(BOOL bChanged = TRUE);
    // Changes are final: OK reads "Close" and Cancel is disabled.
    void CancelToClose();

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    void OnOK() override;
    void OnCancel() override;
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    CString m_strCaption;
    BOOL m_bFirstSetActive;

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    DECLARE_MESSAGE_MAP()

private:
    void CommonConstruct(LPCSTR lpszTemplateName, UINT nIDCaption);
    friend class CPropertySheet;
};

class AFX_API CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    void Construct(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    void Construct(LPCSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);

    // Modeless: TRUE when the sheet's window was made.
    BOOL Create(CWnd* pParentWnd = NULL, DWORD dwStyle = static_cast<DWORD>(-1),
                DWORD dwExStyle = 0);
    // Modal: IDOK or IDCANCEL by the button that closed the sheet; -1 when it could not be made.
    virtual INT_PTR DoModal();

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    void SetTitle(LPCSTR lpszText, UINT nStyle = 0);
    // PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW or PSBTN_HELP, as if the user clicked it.
    void PressButton(int nButton);
    void EndDialog(int nEndID);

    virtual BOOL OnInitDialog();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The sheet as the system gets it; hosts may add flags (PSH_NOAPPLYNOW ...) before it is made.
    PROPSHEETHEADERA m_psh;

protected:
    CPtrArray m_pages;
    CString m_strCaption;
    CWnd* m_pParentWnd;
    BOOL m_bModeless;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL ContinueModal() override;
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
    BOOL MakeSheet(HWND hWndOwner, BOOL bModeless);
};
