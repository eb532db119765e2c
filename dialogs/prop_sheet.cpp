// CPropSheet: placement, the thin font, and the look of the four standard buttons.
#include <ruzav32/dialogs.h>

#include <afxpriv.h>

#include "frame/frame_services.h"

namespace {

// The standard buttons from the right, as the sheet lays them out.
const UINT kButtonsFromRight[] = {ID_HELP, ID_APPLY_NOW, IDCANCEL, IDOK};

RECT RectInParent(CWnd* pParent, CWnd* pChild) {
    RECT r{};
    pChild->GetWindowRect(&r);
    pParent->ScreenToClient(&r);
    return r;
}

BOOL IsShown(CWnd* pWnd) {
    return pWnd != NULL && (pWnd->GetStyle() & WS_VISIBLE) != 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CPropSheet, CPropertySheet)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CPropSheet::CPropSheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage,
                       eWindowPositions ePosition)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage) {
    CommonConstruct(ePosition);
}

CPropSheet::CPropSheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage,
                       eWindowPositions ePosition)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage) {
    CommonConstruct(ePosition);
}

CPropSheet::CPropSheet(LPCSTR pszCaption, CWnd* pParentWnd, eWindowPositions ePosition)
    : CPropertySheet(pszCaption, pParentWnd, 0) {
    CommonConstruct(ePosition);
}

CPropSheet::CPropSheet(UINT nIDCaption, CWnd* pParentWnd, eWindowPositions ePosition)
    : CPropertySheet(nIDCaption, pParentWnd, 0) {
    CommonConstruct(ePosition);
}

CPropSheet::CPropSheet(LPCSTR pszCaption, eWindowPositions ePosition)
    : CPropertySheet(pszCaption, NULL, 0) {
    CommonConstruct(ePosition);
}

CPropSheet::CPropSheet(UINT nIDCaption, eWindowPositions ePosition)
    : CPropertySheet(nIDCaption, NULL, 0) {
    CommonConstruct(ePosition);
}

void CPropSheet::CommonConstruct(eWindowPositions ePosition) {
    m_psh.dwFlags |= PSH_HASHELP;
    m_ePosition = ePosition;
    m_hThinFont = NULL;
}

CPropSheet::~CPropSheet() {
    // The window goes before the font its controls use.
    if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    if (m_hThinFont != NULL)
        ::DeleteObject(m_hThinFont);
}

BOOL CPropSheet::OnInitDialog() {
    const BOOL bResult = CPropertySheet::OnInitDialog();
    CustomizeLook();
    return bResult;
}

void CPropSheet::CustomizeLook() {
    HFONT hThin = MakeThinFont(this, m_hThinFont);
    if (hThin != NULL)
        m_hThinFont = hThin;
    // Unlike CDlg, placed after the framework's initialisation: the sheet has its size only now.
    PlaceWindow(this, GetParent(), m_ePosition);

    // From here on the Help button's clicks reach OnHelp through the message map.
    if (CWnd* pHelp = GetDlgItem(IDHELP))
        ::SetWindowLongA(pHelp->m_hWnd, GWL_ID, ID_HELP);

    static const struct {
        UINT nID;
        const char* pszTitle;
    } kTitles[] = {
        {ID_HELP, "&Help"}, {ID_APPLY_NOW, "&Apply"}, {IDCANCEL, "Cancel"}, {IDOK, "OK"}};
    // A button's slot counts the shown buttons from the right edge, so a button the sheet does
    // not show (Apply with PSH_NOAPPLYNOW) leaves no hole and no overlap. With all four shown
    // the slots are Help 1, Apply 2, Cancel 3, OK 4.
    UINT nSlot = 1;
    for (const auto& entry : kTitles) {
        CWnd* pButton = GetDlgItem(static_cast<int>(entry.nID));
        if (pButton == NULL)
            continue;
        pButton->SetWindowText(entry.pszTitle);
        ResizeButtons(pButton, 40, nSlot);
        if (IsShown(pButton))
            ++nSlot;
    }
}

void CPropSheet::ResizeButtons(CWnd* pButton, UINT nWidth, UINT nSlot) {
    const RECT r = RectInParent(this, pButton);
    const int nOldWidth = r.right - r.left;
    // The system's base unit, not the sheet font's.
    const int nNewWidth =
        static_cast<int>((nWidth * LOWORD(static_cast<DWORD>(::GetDialogBaseUnits()))) / 4);
    const int nShift = nOldWidth - nNewWidth;
    pButton->SetWindowPos(NULL, r.left + static_cast<int>(nSlot) * nShift, r.top, nNewWidth,
                          r.bottom - r.top, SWP_NOZORDER);
}

void CPropSheet::HideButton(UINT nID) {
    if (m_hWnd == NULL)
        return;
    int nAt = -1;
    for (int i = 0; i < 4; ++i) {
        if (kButtonsFromRight[i] == nID)
            nAt = i;
    }
    CWnd* pHidden = nAt >= 0 ? GetDlgItem(static_cast<int>(nID)) : NULL;
    if (pHidden == NULL || !IsShown(pHidden))
        return;
    RECT vacated = RectInParent(this, pHidden);
    pHidden->ShowWindow(SW_HIDE);
    for (int i = nAt + 1; i < 4; ++i) {
        CWnd* pButton = GetDlgItem(static_cast<int>(kButtonsFromRight[i]));
        if (!IsShown(pButton))
            continue;
        const RECT r = RectInParent(this, pButton);
        pButton->MoveWindow(&vacated, TRUE);
        vacated = r;
    }
}

void CPropSheet::ChangeButton(UINT nID, UINT nNewID, UINT nTextID, BOOL bEnable) {
    if (m_hWnd == NULL)
        return;
    CWnd* pButton = GetDlgItem(static_cast<int>(nID));
    if (pButton == NULL)
        return;
    CString strTitle;
    if (nTextID != 0 && strTitle.LoadString(nTextID))
        pButton->SetWindowText(strTitle);
    ::SetWindowLongA(pButton->m_hWnd, GWL_ID, static_cast<LONG>(nNewID));
    pButton->EnableWindow(bEnable);
}

void CPropSheet::SetWindowTextA(LPCSTR lpszString) {
    if (m_hWnd == NULL || !::IsWindow(m_hWnd))
        return;
    CPropertySheet::SetWindowText(lpszString);
    PostMessage(WM_NCPAINT, 0, 0);
}

int CPropSheet::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    return CPropertySheet::OnCreate(lpCreateStruct) == -1 ? -1 : 0;
}

void CPropSheet::OnDestroy() {
    CPropertySheet::OnDestroy();
}

void CPropSheet::OnHelp() {
    SendMessage(WM_COMMANDHELP, 0, 0);
}
