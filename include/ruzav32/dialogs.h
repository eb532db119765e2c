// The library's dialog classes: bases that host dialogs and property sheets derive from, and the
// common dialogs with help of their own.
//
// Index: CDlg (dialog base: placement, thin font, time-out, context help, error boxes, title);
// CPropSheet and CPropPage (property sheet with the standard-button look, pages with help);
// CKFileDlg and CKPrintDlg (the system's file and print dialogs with help of their own).
// Each class keeps to its own section below.
#pragma once

#include <afxdlgs.h>
#include <afxwin.h>

#include <ruzav32/frame.h>

// ---------------------------------------------------------------------------------------------
// CDlg: the base of a host's dialog boxes.
//
// Over CDialog it adds placement by an eWindowPositions rule, the normal-weight font on old
// systems, a time-out that presses a chosen button, context help through the standard Help
// button (ID_HELP), error boxes under the dialog's own title, and a title setter that repaints
// the caption.
//
// Time-out: a dialog made with a time-out of 10 seconds and IDCANCEL closes itself ten seconds
// after it opened, as if the user had pressed Cancel, unless the host restarts (ResetTimeOut) or
// stops (CancelTimeOut) it. User input does not restart it. A long time-out is checked every 15
// seconds and ends with one exact last period. The expiry holds across the tick count's
// wrap-around; a time-out longer than 2147483 seconds (about 24.8 days) is cut to that.

class AFX_EXT_CLASS CDlg : public CDialog {
public:
    CDlg(LPCSTR lpszTemplateName, CWnd* pParent = NULL, UINT nHelpID = 0,
         eWindowPositions ePosition = wpCenterParent);
    CDlg(UINT nIDTemplate, CWnd* pParent, UINT nHelpID = 0,
         eWindowPositions ePosition = wpCenterParent);
    // Closes itself nTimeOut seconds after it opens by posting itself the command nTimeOutID.
    // A time-out of 0 or below starts none. The help identifier has no default here, so that
    // CDlg(IDD, pParent, IDH, wpCascade) unmistakably means the constructor above.
    CDlg(UINT nIDTemplate, CWnd* pParent, int nTimeOut, int nTimeOutID, UINT nHelpID,
         eWindowPositions ePosition = wpCenterParent);
    // For a dialog that the host makes later itself (Create, CreateIndirect).
    explicit CDlg(UINT nHelpID = 0, eWindowPositions ePosition = wpCenterParent);
    // Destroys a window still open before the font its controls use is deleted.
    ~CDlg() override;

    // Starts the time-out afresh from now: with nTimeOut seconds, or with the last number given
    // when nTimeOut is 0 (which does nothing when no time-out was ever set or it was cancelled).
    // A negative number is refused and changes nothing. Before the window exists this only
    // records the time-out; it starts when the dialog is initialised.
    void ResetTimeOut(int nTimeOut = 0);
    void CancelTimeOut();

    // An error box owned by the dialog; returns the button the user chose (IDOK ...), or 0 when
    // no box could be shown. The text and caption come from the host's string resources; a
    // caption identifier of 0 means the dialog's title, and a string that cannot be loaded
    // leaves that part empty.
    int ShowError(UINT nIDText, UINT nIDCaption = 0, UINT nType = MB_OK | MB_ICONEXCLAMATION);
    // The same with texts: a null text shows an empty box, a null caption the dialog's title.
    int ShowError(LPCSTR lpszText, LPCSTR lpszCaption = NULL,
                  UINT nType = MB_OK | MB_ICONEXCLAMATION);

    // Sets the title and has the caption drawn again with it. Hides CWnd's member of the same
    // name (not virtual): it acts only when called through CDlg.
    void SetWindowTextA(LPCSTR lpszString);

    // The help context of the whole dialog; 0 means it has no help. Only its low 16 bits reach
    // the help engine. Hides CDialog::SetHelpID, whose identifier the library does not use.
    UINT GetHelpID() const { return m_nHelpID; }
    void SetHelpID(UINT nHelpID) { m_nHelpID = nHelpID; }
    // An explicit help file for this dialog; NULL or "" means the library's help file. A path of
    // MAX_PATH (260) characters or more is refused, keeping the file set before: FALSE.
    BOOL SetHelpFile(LPCSTR lpszHelpFile);

    BOOL OnInitDialog() override;

protected:
    UINT m_nHelpID;
    int m_nTimeOut;        // seconds; 0 when no time-out runs
    int m_nTimeOutID;      // the command posted at expiry
    DWORD m_dwTimeOutTick; // the tick count at expiry; 0 when none
    char m_szHelpFile[MAX_PATH];
    HFONT m_hThinFont; // made by MakeThinFont and owned here
    eWindowPositions m_ePosition;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    void CommonConstruct(UINT nHelpID, eWindowPositions ePosition);
    void ArmTimeOut();
    BOOL HasWindow() const;
};

// ---------------------------------------------------------------------------------------------
// CPropSheet and CPropPage: the bases of a host's tabbed property sheets.
//
// A CPropSheet always has a Help button and gives its four standard buttons one look: the
// titles "OK", "Cancel", "&Apply" and "&Help" whatever the system's language, each 40 dialog
// units of the system's base unit wide, right-aligned with the gaps between them kept. With a
// base unit of 8, buttons of 100 pixels become 80: Help moves 20 pixels right (its right edge
// stays), Apply 40, Cancel 60, OK 80. A button the sheet does not show (Apply with
// PSH_NOAPPLYNOW) takes no place: the others close up to the right edge.
//
// Help flows from the sheet's Help button (renumbered to ID_HELP) through WM_COMMANDHELP to the
// active page, which opens its own help context.

#include <afxdlgs.h>

class AFX_EXT_CLASS CPropSheet : public CPropertySheet {
public:
    CPropSheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage,
               eWindowPositions ePosition = wpCenterParent);
    CPropSheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage,
               eWindowPositions ePosition = wpCenterParent);
    CPropSheet(LPCSTR pszCaption, CWnd* pParentWnd, eWindowPositions ePosition = wpCenterParent);
    CPropSheet(UINT nIDCaption, CWnd* pParentWnd, eWindowPositions ePosition = wpCenterParent);
    explicit CPropSheet(LPCSTR pszCaption, eWindowPositions ePosition = wpCenterParent);
    explicit CPropSheet(UINT nIDCaption, eWindowPositions ePosition = wpCenterParent);
    // Destroys a window still open before the font its controls use is deleted.
    ~CPropSheet() override;

    // Asks for the Help button (PSH_HASHELP) and records the placement rule.
    void CommonConstruct(eWindowPositions ePosition);

    BOOL OnInitDialog() override;

    // Gives the standard button nID the identifier nNewID (its clicks then send nNewID), the
    // title in string resource nTextID unless that is 0 or cannot be loaded, and enables or
    // disables it. Nothing happens when the sheet has no window or no such button.
    void ChangeButton(UINT nID, UINT nNewID, UINT nTextID, BOOL bEnable);
    // Hides IDOK, IDCANCEL, ID_APPLY_NOW or ID_HELP; each shown standard button to its left
    // moves into the place of the nearest shown one to its right, so no gap opens (hiding OK
    // leaves one). A button that is missing or already hidden is skipped; other identifiers,
    // and a sheet without a window, change nothing.
    void HideButton(UINT nID);
    // Sets the title and has the caption drawn again. Hides CWnd's member (not virtual).
    void SetWindowTextA(LPCSTR lpszString);

protected:
    HFONT m_hThinFont; // made by MakeThinFont and owned here
    eWindowPositions m_ePosition;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    void CustomizeLook();
    void ResizeButtons(CWnd* pButton, UINT nWidth, UINT nSlot);
};

class AFX_EXT_CLASS CPropPage : public CPropertyPage {
public:
    CPropPage(LPCSTR lpszTemplateName, UINT nIDCaption, UINT nHelpID);
    CPropPage(UINT nIDTemplate, UINT nIDCaption, UINT nHelpID);
    explicit CPropPage(LPCSTR lpszTemplateName, UINT nHelpID = 0);
    explicit CPropPage(UINT nIDTemplate, UINT nHelpID = 0);
    ~CPropPage() override;

    BOOL OnInitDialog() override;

    // Does nothing here and is never called by the library; a host's pages may give it a meaning.
    virtual void OnDefault();

    // Whether the page's window exists: FALSE until the page is first shown.
    BOOL bIsPageCreated() const;

    // The page's help context; 0 means none (the Help button then does nothing). Only its low
    // 16 bits reach the help engine. Hides CDialog::SetHelpID, which the library does not use.
    UINT GetHelpID() const { return m_nHelpID; }
    void SetHelpID(UINT nHelpID) { m_nHelpID = nHelpID; }
    // An explicit help file for this page; NULL or "" means the library's help file. A path of
    // MAX_PATH (260) characters or more is refused, keeping the file set before: FALSE.
    BOOL SetHelpFile(LPCSTR lpszHelpFile);
    // Sets the page's title and has it drawn again. Hides CWnd's member (not virtual).
    void SetWindowTextA(LPCSTR lpszString);

protected:
    UINT m_nHelpID;
    char m_szHelpFile[MAX_PATH];
    HFONT m_hThinFont; // made by MakeThinFont and owned here

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void CommonConstruct(UINT nHelpID);
};

// ---------------------------------------------------------------------------------------------
// CKFileDlg and CKPrintDlg: the system's Open/Save As and Print/Print Setup dialogs with help of
// their own and the normal-weight font on old systems. They do not place themselves.
//
// Help: with a help identifier, the dialog's Help command opens that context, all 32 bits of it
// (0x12345 asks for 0x12345), in the explicit help file if one is set, else in the library's help
// file. The file dialog answers the Help button of the system dialog (identifier 1038, shown with
// OFN_SHOWHELP) and ID_HELP; the print dialog answers ID_HELP only, so its system Help button
// goes on to the system dialog's own handling.

class AFX_EXT_CLASS CKFileDlg : public CFileDialog {
public:
    CKFileDlg(BOOL bOpenFileDialog, LPCSTR lpszDefExt = NULL, LPCSTR lpszFileName = NULL,
              DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = NULL,
              CWnd* pParentWnd = NULL);
    ~CKFileDlg() override;

    BOOL OnInitDialog() override;

    void SetHelpID(UINT nHelpID);
    // An explicit help file; NULL or "" means the library's help file. A path of MAX_PATH (260)
    // characters or more is refused, keeping the file set before: FALSE.
    BOOL SetHelpFile(LPCSTR lpszHelpFile);
    // The title the dialog shows when it is next opened. The text is not copied: the caller
    // keeps it alive until then. Nothing changes on screen now; NULL restores the system's title.
    void SetWindowTextA(LPCSTR lpszTitle);

protected:
    UINT m_nHelpID;
    HFONT m_hThinFont; // made by MakeThinFont and owned here
    char m_szHelpFile[MAX_PATH];

    afx_msg void OnHelp();

    DECLARE_MESSAGE_MAP()
};

class AFX_EXT_CLASS CKPrintDlg : public CPrintDialog {
public:
    explicit CKPrintDlg(BOOL bPrintSetupOnly,
                        DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                        PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                        CWnd* pParentWnd = NULL);
    ~CKPrintDlg() override;

    BOOL OnInitDialog() override;

    void SetHelpID(UINT nHelpID);
    // As CKFileDlg::SetHelpFile.
    BOOL SetHelpFile(LPCSTR lpszHelpFile);

protected:
    UINT m_nHelpID;
    HFONT m_hThinFont; // made by MakeThinFont and owned here
    char m_szHelpFile[MAX_PATH];

    afx_msg void OnHelp();

    DECLARE_MESSAGE_MAP()
};
