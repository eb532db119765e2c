// Standard dialogs of the framework: everything in afxwin.h, property sheets and pages
// (afxprsht.h), and the common dialogs (CCommonDialog, CFileDialog, CPrintDialog) over the
// system's open, save and print dialogs.
#pragma once

#include "afxwin.h"

// Property sheets and pages.
#include "afxprsht.h"

#include <commdlg.h>

// A system common dialog run modally with the framework's object attached to its window, so the
// object's message map and OnInitDialog see its messages. OK and Cancel go on to the system
// dialog, which checks the input and ends itself.
class AFX_API CCommonDialog : public CDialog {
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

protected:
    void OnOK() override;
    void OnCancel() override;

    // Attaches this object to the next window made (the system dialog) while run() shows it.
    BOOL RunAttached(BOOL (*run)(void* record), void* record);

    DECLARE_MESSAGE_MAP()
};

// The hook procedure the framework gives every common dialog: it calls OnInitDialog.
AFX_API UINT_PTR CALLBACK AfxCommDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

class AFX_API CFileDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    // The filter is the framework's form, pieces separated by '|' and ended by "||":
    // "Text files (*.txt)|*.txt|All files (*.*)|*.*||". A filter without its final "||" works too.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = NULL, LPCSTR lpszFileName = NULL,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCSTR lpszFilter = NULL, CWnd* pParentWnd = NULL);

    OPENFILENAMEA m_ofn;

    INT_PTR DoModal() override;

    CString GetPathName() const;  // "C:\DOCS\LETTER.TXT"
    CString GetFileName() const;  // "LETTER.TXT"
    CString GetFileExt() const;   // "TXT"
    CString GetFileTitle() const; // "LETTER"
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }

protected:
    BOOL m_bOpenFileDialog;
    CString m_strFilter; // the filter with '\0' for '|' and two '\0' at its end
    char m_szFileTitle[64];
    char m_szFileName[MAX_PATH];
};

class AFX_API CPrintDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CPrintDialog)
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                          PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* pParentWnd = NULL);
    ~CPrintDialog() override;

    PRINTDLGA& m_pd;

    INT_PTR DoModal() override;
    // The default printer's settings without showing anything (PD_RETURNDEFAULT).
    BOOL GetDefaults();

    CString GetDeviceName() const;
    CString GetDriverName() const;
    CString GetPortName() const;
    int GetCopies() const;
    BOOL PrintCollate() const { return (m_pd.Flags & PD_COLLATE) != 0; }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    BOOL PrintAll() const { return !PrintRange() && (m_pd.Flags & PD_SELECTION) == 0; }
    int GetFromPage() const;
    int GetToPage() const;
    // The printer DC made by the dialog (PD_RETURNDC); the caller deletes it.
    HDC GetPrinterDC() const;
    LPDEVMODEA GetDevMode() const; // locks m_pd.hDevMode: unlock it with GlobalUnlock

protected:
    PRINTDLGA m_pdActual;
    afx_msg void OnPrintSetup();

    DECLARE_MESSAGE_MAP()

private:
    CString DevNamesString(WORD DEVNAMES::*offset) const;
};
