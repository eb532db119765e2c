// CDlg: construction, initialisation (placement, thin font, the Help button), the title, the
// help file and the Help command.
#include <ruzav32/dialogs.h>

#include <afxpriv.h>

#include "dialogs/dialog_help.h"
#include "frame/frame_services.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CDlg, CDialog)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CDlg::CDlg(LPCSTR lpszTemplateName, CWnd* pParent, UINT nHelpID, eWindowPositions ePosition)
    : CDialog(lpszTemplateName, pParent) {
    CommonConstruct(nHelpID, ePosition);
}

CDlg::CDlg(UINT nIDTemplate, CWnd* pParent, UINT nHelpID, eWindowPositions ePosition)
    : CDialog(nIDTemplate, pParent) {
    CommonConstruct(nHelpID, ePosition);
}

CDlg::CDlg(UINT nIDTemplate, CWnd* pParent, int nTimeOut, int nTimeOutID, UINT nHelpID,
           eWindowPositions ePosition)
    : CDialog(nIDTemplate, pParent) {
    CommonConstruct(nHelpID, ePosition);
    ResetTimeOut(nTimeOut); // no window yet: this only records it
    m_nTimeOutID = nTimeOutID;
}

CDlg::CDlg(UINT nHelpID, eWindowPositions ePosition) {
    CommonConstruct(nHelpID, ePosition);
}

void CDlg::CommonConstruct(UINT nHelpID, eWindowPositions ePosition) {
    m_ePosition = ePosition;
    m_hThinFont = NULL;
    std::memset(m_szHelpFile, 0, sizeof(m_szHelpFile));
    SetHelpID(nHelpID);
    m_nTimeOut = 0;
    m_nTimeOutID = 0;
    m_dwTimeOutTick = 0;
}

CDlg::~CDlg() {
    // CDialog's destructor would destroy an open window too, but only after the font below is
    // gone while the controls still use it, and past the point where OnDestroy stops the timer.
    if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    if (m_hThinFont != NULL)
        ::DeleteObject(m_hThinFont);
}

BOOL CDlg::HasWindow() const {
    return m_hWnd != NULL && ::IsWindow(m_hWnd);
}

BOOL CDlg::OnInitDialog() {
    // Placed before the framework's initialisation, so the host's own OnInitDialog already
    // finds the dialog where it will be shown.
    PlaceWindow(this, GetParent(), m_ePosition);
    const BOOL bResult = CDialog::OnInitDialog();

    // On failure MakeThinFont leaves the variable as it was; keep that font rather than lose it.
    HFONT hThin = MakeThinFont(this, m_hThinFont);
    if (hThin != NULL)
        m_hThinFont = hThin;

    // Shown whether or not there is a help identifier: the template may hide it for designers.
    if (CWnd* pHelp = GetDlgItem(ID_HELP))
        pHelp->ShowWindow(SW_SHOW);

    if (m_nTimeOut != 0)
        ArmTimeOut();
    return bResult;
}

int CDlg::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    return CDialog::OnCreate(lpCreateStruct);
}

void CDlg::SetWindowTextA(LPCSTR lpszString) {
    if (!HasWindow())
        return;
    CDialog::SetWindowText(lpszString);
    // Posted rather than drawn now, so several retitles in a row paint the caption once.
    PostMessage(WM_NCPAINT, 0, 0);
}

BOOL CDlg::SetHelpFile(LPCSTR lpszHelpFile) {
    return StoreHelpFile(m_szHelpFile, lpszHelpFile);
}

void CDlg::OnHelp() {
    OpenDialogHelp(m_hWnd, GetHelpID(), m_szHelpFile);
}
