// CKSpinEdit, the edit field of a spin control: per-digit checks, designator letters, step keys,
// Tab between the fields and out of the control, and the read-back when the focus leaves.
//
// Index: message map and lifetime - owner lookup - OnChar - IsDigitValid (time, date) -
// OnKeyDown and Tab - OnGetDlgCode, OnSetFocus, OnKillFocus.
#include <ruzav32/spin.h>

#include "spin/ckspin_window_internal.h"
#include "spin/logic/keystroke.h"

#include <cstring>

using namespace ruzav::spin;

IMPLEMENT_DYNCREATE(CKSpinEdit, CEdit)

BEGIN_MESSAGE_MAP(CKSpinEdit, CEdit)
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_CHAR()
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

BOOL CKSpinEdit::s_bAfterTab = FALSE;

CKSpinEdit::CKSpinEdit() = default;
CKSpinEdit::~CKSpinEdit() = default;

namespace {

// The control a field belongs to. A field placed anywhere else (a host subclassing one in its
// own dialog) has no owner, and acts as a plain edit field for everything owner-related.
CKSpin* OwnerOf(CWnd* field) {
    CWnd* parent = field->GetParent();
    if (parent == nullptr || !parent->IsKindOf(RUNTIME_CLASS(CKSpin))) {
        return nullptr;
    }
    return static_cast<CKSpin*>(parent);
}

// A field's text, short texts without touching the heap; a longer (pasted) text is read whole,
// since the digit rules need its true length. One read answers for every text shorter than the
// buffer: only a text that filled it may be longer, and is read again whole.
class FieldText {
public:
    explicit FieldText(CWnd* field) {
        const int copied = field->GetWindowText(small_, sizeof small_);
        if (copied >= static_cast<int>(sizeof small_) - 1) {
            field->GetWindowText(large_);
            text_ = large_;
        }
    }
    const char* c_str() const { return text_; }

private:
    char small_[64] = {};
    CString large_;
    const char* text_ = small_;
};

void Selection(CWnd* field, long& start, long& end) {
    DWORD s = 0;
    DWORD e = 0;
    field->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    start = static_cast<long>(s);
    end = static_cast<long>(e);
}

// The state Tab leaves a field in: its whole text selected (an empty field has nothing else).
bool WholeTextSelected(CWnd* field) {
    long start = 0;
    long end = 0;
    Selection(field, start, end);
    return start == 0 && end == field->GetWindowTextLength();
}

// Applies a verdict: an accepted digit in front of a padded number first loses the padding, so
// that the edit control inserts it at the start of the bare number.
BOOL Apply(CWnd* field, const DigitVerdict& verdict, const char* text) {
    if (verdict.accepted && verdict.trimFirst) {
        while (*text == ' ' || (*text >= '\t' && *text <= '\r')) {
            ++text;
        }
        field->SetWindowText(text);
        field->SendMessage(EM_SETSEL, 0, 0);
    }
    return verdict.accepted ? TRUE : FALSE;
}

} // namespace

void CKSpinEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    (void)nRepCnt;
    (void)nFlags;
    if (nChar == '\t') {
        s_bAfterTab = TRUE;
        return;
    }
    const bool digit = nChar >= '0' && nChar <= '9';
    if (s_bAfterTab && digit && !WholeTextSelected(this)) {
        // The selection Tab made is gone (a click, Home, an arrow key): the rules apply again.
        s_bAfterTab = FALSE;
    }
    if (nChar < 32 || (s_bAfterTab && digit)) {
        Default();
        s_bAfterTab = FALSE;
        return;
    }
    CKSpin* owner = OwnerOf(this);
    if (owner == nullptr) {
        return;
    }
    const int field = owner->GetnFocus();
    switch (owner->GetValueType()) {
    case eSpinInt:
    case eSpinFloat:
        Default();
        return;
    case eSpinTime: {
        const int clock = static_cast<int>(::GetProfileIntA("Intl", "iTime", 0));
        const int lead = field == 1 ? static_cast<int>(::GetProfileIntA("Intl", "iTLZero", 1)) : 1;
        if (IsDigitValid(clock, lead, field, nChar)) {
            Default();
            return;
        }
        if (field != 3) {
            return;
        }
        // The designators are read afresh: the user may have changed them since the control
        // was made, and the letter should pick what the regional settings say now.
        char am[32];
        char pm[32];
        if (::GetProfileStringA("Intl", "s1159", "AM", am, sizeof am) == 0 || am[0] == '\0') {
            std::strcpy(am, "AM");
        }
        if (::GetProfileStringA("Intl", "s2359", "PM", pm, sizeof pm) == 0 || pm[0] == '\0') {
            std::strcpy(pm, "PM");
        }
        switch (ChooseDesignator(nChar, am, pm)) {
        case Designator::Morning:
            SetWindowText(am);
            break;
        case Designator::Afternoon:
            SetWindowText(pm);
            break;
        case Designator::None:
            break;
        }
        return;
    }
    case eSpinDate:
        if (IsDigitValid(field, nChar, owner->GetDateChange(field, 0))) {
            Default();
        }
        return;
    default:
        return;
    }
}

BOOL CKSpinEdit::IsDigitValid(int nClock, int nLeadZero, int nField, UINT nChar) {
    if (nChar < '0' || nChar > '9') {
        return FALSE;
    }
    const FieldText text(this);
    long start = 0;
    long end = 0;
    Selection(this, start, end);
    return Apply(this, CheckTimeDigit(nClock, nLeadZero, nField, nChar, text.c_str(), start, end),
                 text.c_str());
}

BOOL CKSpinEdit::IsDigitValid(int /*nField*/, UINT nChar, eDateFocus eFocus) {
    if (nChar < '0' || nChar > '9') {
        return FALSE;
    }
    const FieldText text(this);
    long start = 0;
    long end = 0;
    Selection(this, start, end);
    return Apply(this, CheckDateDigit(eFocus, nChar, text.c_str(), start, end), text.c_str());
}

void CKSpinEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    (void)nRepCnt;
    (void)nFlags;
    int step = 0;
    switch (nChar) {
    case VK_UP:
        step = 1;
        break;
    case VK_DOWN:
        step = -1;
        break;
    case VK_PRIOR:
        step = 15;
        break;
    case VK_NEXT:
        step = -15;
        break;
    case VK_TAB:
        if (CKSpin* owner = OwnerOf(this)) {
            MoveFocus(owner, ::GetKeyState(VK_SHIFT) < 0);
        }
        return;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
    case VK_DELETE:
        // The caret moves or the text changes: the selection Tab made is no longer there.
        s_bAfterTab = FALSE;
        Default();
        return;
    default:
        Default();
        return;
    }
    // The owner is looked for only by the keys that need it: every other key (each typed digit's
    // key-down) goes straight to the edit control.
    if (CKSpin* owner = OwnerOf(this)) {
        owner->Spin(step);
    }
}

void CKSpinEdit::MoveFocus(CKSpin* owner, bool backwards) {
    const bool leave = backwards ? owner->IsFirstEdit(this) : owner->IsLastEdit(this);
    if (!leave) {
        // Only the fields are tab stops inside the control, so this goes field to field.
        const HWND next = ::GetNextDlgTabItem(owner->m_hWnd, m_hWnd, backwards);
        if (next != nullptr) {
            ::SetFocus(next);
            ::SendMessageA(next, EM_SETSEL, 0, -1);
        }
        return;
    }
    CWnd* container = owner->GetParent();
    if (container == nullptr) {
        return;
    }
    const HWND next = ::GetNextDlgTabItem(container->m_hWnd, owner->m_hWnd, backwards);
    if (next != nullptr) {
        ::SetFocus(next);
    }
}

UINT CKSpinEdit::OnGetDlgCode() {
    return static_cast<UINT>(Default()) | DLGC_WANTTAB | DLGC_WANTCHARS;
}

void CKSpinEdit::OnSetFocus(CWnd* pOldWnd) {
    InvalidateRect(nullptr, FALSE);
    CEdit::OnSetFocus(pOldWnd);
}

void CKSpinEdit::OnKillFocus(CWnd* pNewWnd) {
    if (CWnd* parent = GetParent()) {
        parent->SendMessage(kUpdateSpinMessage, 0, 0);
    }
    CEdit::OnKillFocus(pNewWnd);
}
