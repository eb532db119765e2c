// CKSpin as one control: the operations that reach every child, the queries its fields use,
// and the notifications to its parent.
#include <ruzav32/spin.h>

#include "spin/ckspin_static.h"
#include "spin/ckspin_window_internal.h"

using ruzav::spin::HasWindow;
using ruzav::spin::IsSameWindow;

void CKSpin::EnableWindow(BOOL bEnable) {
    if (m_hWnd != nullptr) {
        // The control is a tab stop exactly while it can take the focus.
        LONG style = ::GetWindowLongA(m_hWnd, GWL_STYLE);
        style = bEnable ? (style | WS_TABSTOP) : (style & ~static_cast<LONG>(WS_TABSTOP));
        ::SetWindowLongA(m_hWnd, GWL_STYLE, style);
    }
    for (CWnd* field : {static_cast<CWnd*>(m_pEdit1), static_cast<CWnd*>(m_pEdit2),
                        static_cast<CWnd*>(m_pEdit3)}) {
        if (HasWindow(field)) {
            field->EnableWindow(bEnable);
        }
    }
    for (CWnd* sep : {static_cast<CWnd*>(m_pSep1), static_cast<CWnd*>(m_pSep2)}) {
        if (HasWindow(sep)) {
            sep->EnableWindow(bEnable);
            sep->InvalidateRect(nullptr, TRUE);
        }
    }
    if (HasWindow(m_pSpinButton)) {
        m_pSpinButton->EnableWindow(bEnable);
    }
    if (m_hWnd != nullptr) {
        CWnd::EnableWindow(bEnable);
    }
}

void CKSpin::ShowWindow(int nCmdShow) {
    for (CWnd* child : {static_cast<CWnd*>(m_pEdit1), static_cast<CWnd*>(m_pEdit2),
                        static_cast<CWnd*>(m_pEdit3), static_cast<CWnd*>(m_pSep1),
                        static_cast<CWnd*>(m_pSep2), static_cast<CWnd*>(m_pSpinButton)}) {
        if (HasWindow(child)) {
            child->ShowWindow(nCmdShow);
        }
    }
    if (m_hWnd != nullptr) {
        CWnd::ShowWindow(nCmdShow);
    }
}

void CKSpin::SetReadOnly(BOOL bReadOnly) {
    for (CKSpinEdit* field : {m_pEdit1, m_pEdit2, m_pEdit3}) {
        if (HasWindow(field)) {
            field->SendMessage(EM_SETREADONLY, bReadOnly, 0);
        }
    }
}

void CKSpin::LimitText(int nLength) {
    // 0 asks for the date limits: four characters each, enough for a four-digit year anywhere.
    const int first = nLength == 0 ? 4 : 2;
    const int last = nLength == 0 ? 4 : nLength;
    const int limits[] = {first, first, last};
    CKSpinEdit* fields[] = {m_pEdit1, m_pEdit2, m_pEdit3};
    for (int i = 0; i < 3; ++i) {
        if (HasWindow(fields[i])) {
            fields[i]->SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(limits[i]), 0);
        }
    }
}

BOOL CKSpin::IsWindowEnabled() {
    BOOL enabled = ~0;
    for (CWnd* child : {static_cast<CWnd*>(m_pEdit1), static_cast<CWnd*>(m_pEdit2),
                        static_cast<CWnd*>(m_pEdit3), static_cast<CWnd*>(m_pSpinButton)}) {
        if (child != nullptr) {
            enabled &= HasWindow(child) ? ::IsWindowEnabled(child->m_hWnd) : FALSE;
        }
    }
    return enabled & (m_hWnd != nullptr ? ::IsWindowEnabled(m_hWnd) : FALSE);
}

void CKSpin::SetFocus() {
    if (HasWindow(m_pEdit1)) {
        m_pEdit1->SetFocus();
    }
}

void CKSpin::SetFont(CFont* pFont, BOOL bRedraw) {
    const WPARAM font = reinterpret_cast<WPARAM>(pFont != nullptr ? pFont->m_hObject : nullptr);
    for (CWnd* child :
         {static_cast<CWnd*>(m_pEdit1), static_cast<CWnd*>(m_pEdit2), static_cast<CWnd*>(m_pEdit3),
          static_cast<CWnd*>(m_pSep1), static_cast<CWnd*>(m_pSep2)}) {
        if (HasWindow(child)) {
            child->SendMessage(WM_SETFONT, font, bRedraw);
        }
    }
}

CFont* CKSpin::GetFont() {
    if (HasWindow(m_pEdit1)) {
        return m_pEdit1->GetFont();
    }
    return CWnd::GetFont();
}

int CKSpin::GetnFocus() {
    const HWND focus = ::GetFocus();
    auto is = [focus](const CWnd* field) {
        return field != nullptr && field->m_hWnd != nullptr && field->m_hWnd == focus;
    };
    if (is(m_pEdit1) || focus == nullptr) {
        return 1;
    }
    if (is(m_pEdit2)) {
        return 2;
    }
    if (is(m_pEdit3)) {
        return 3;
    }
    return 1;
}

BOOL CKSpin::IsFirstEdit(CWnd* pWnd) {
    return IsSameWindow(m_pEdit1, pWnd);
}

BOOL CKSpin::IsLastEdit(CWnd* pWnd) {
    if (IsSameWindow(m_pEdit3, pWnd)) {
        return TRUE;
    }
    return m_eValueType == eSpinInt || m_eValueType == eSpinFloat;
}

void CKSpin::Notify(UINT nCode) {
    if (m_pParent == nullptr || m_hWnd == nullptr) {
        return;
    }
    const WPARAM wParam = MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), static_cast<WORD>(nCode));
    m_pParent->SendMessage(WM_COMMAND, wParam, reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT CKSpin::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Whatever a field reports, the parent hears it as coming from the control itself.
    if (message == WM_COMMAND) {
        const HWND self = m_hWnd;
        Notify(HIWORD(wParam));
        // The parent may have closed the dialog in its handler; a self-deleting control is
        // gone with its window then, and must not be touched again.
        if (self != nullptr && !::IsWindow(self)) {
            return 0;
        }
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CKSpin::OnSetFocus(CWnd* pOldWnd) {
    CWnd::OnSetFocus(pOldWnd);
    if (!HasWindow(m_pEdit1)) {
        return;
    }
    // The control never keeps the focus itself: it lands on field 1 with the text selected, as
    // if Tab had brought it there, so the first digit typed replaces the text.
    m_pEdit1->SetFocus();
    m_nFocus = 1;
    m_pEdit1->SendMessage(EM_SETSEL, 0, -1);
    m_pEdit1->OnChar('\t', 0, 0);
}

void CKSpin::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (pScrollBar != nullptr &&
        pScrollBar->GetDlgCtrlID() == static_cast<int>(ruzav::spin::kArrowsId)) {
        if (nSBCode == SB_LINEUP) {
            Spin(1);
            return;
        }
        if (nSBCode == SB_LINEDOWN) {
            Spin(-1);
            return;
        }
    }
    CWnd::OnVScroll(nSBCode, nPos, pScrollBar);
}

namespace {

CKSpinEdit* FieldNumber(int n, CKSpinEdit* f1, CKSpinEdit* f2, CKSpinEdit* f3) {
    switch (n) {
    case 1:
        return f1;
    case 2:
        return f2;
    case 3:
        return f3;
    default:
        return nullptr;
    }
}

} // namespace

LRESULT CKSpin::OnGetText(WPARAM wParam, LPARAM lParam) {
    CKSpinEdit* field = FieldNumber(m_nFocus, m_pEdit1, m_pEdit2, m_pEdit3);
    char* buffer = reinterpret_cast<char*>(lParam);
    if (wParam == 0 || buffer == nullptr || !HasWindow(field)) {
        return 0;
    }
    const int size = wParam > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(wParam);
    return field->GetWindowText(buffer, size);
}

LRESULT CKSpin::OnSetText(WPARAM /*wParam*/, LPARAM lParam) {
    CKSpinEdit* field = FieldNumber(m_nFocus, m_pEdit1, m_pEdit2, m_pEdit3);
    const char* text = reinterpret_cast<const char*>(lParam);
    if (text != nullptr && HasWindow(field)) {
        field->SetWindowText(text);
    }
    return 0;
}

LRESULT CKSpin::OnUpdateSpin(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    GetVal();
    Update();
    return 0;
}
