// The library's dialog classes: bases that host dialogs and property sheets derive from, and the
// common dialogs with help of their own.
//
// Index: CDlg (dialog base: placement, thin font, time-out, context help, error boxes, title);
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
