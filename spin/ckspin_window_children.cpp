// CKSpin's children: the arrows made with the window, the fields and separators made for the
// kind of value, and where they go.
#include <ruzav32/spin.h>

#include "frame/frame_services.h"
#include "spin/ckspin_static.h"
#include "spin/ckspin_window_internal.h"
#include "spin/logic/layout.h"

#include <new>

using namespace ruzav::spin;

namespace {

constexpr DWORD kArrowsStyle = WS_CHILD | WS_VISIBLE | SBS_VERT;
constexpr DWORD kFieldStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kSeparatorStyle = WS_CHILD | WS_VISIBLE | SS_CENTER;
constexpr DWORD kFieldExStyle = 0x10;

// One field in rc. On newer systems the field is made by class name with the system's GUI font;
// on older ones through the framework's edit class with the control's thin font.
bool MakeField(CKSpinEdit*& field, const CRect& rc, CWnd* owner, UINT id, HFONT thinFont) {
    field = new (std::nothrow) CKSpinEdit;
    if (field == nullptr) {
        return false;
    }
    BOOL made;
    HFONT font;
    if (GetNewLookPlatformId() != 0) {
        made = field->CreateEx(kFieldExStyle, "EDIT", "", kFieldStyle, rc.left, rc.top, rc.Width(),
                               rc.Height(), owner->m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr);
        font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    } else {
        made = field->Create(kFieldStyle, rc, owner, id);
        font = thinFont;
    }
    if (!made) {
        delete field;
        field = nullptr;
        return false;
    }
    field->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return true;
}

bool MakeSeparator(CKSpinStatic*& sep, const char* text, const CRect& rc, CWnd* owner, UINT id) {
    sep = new (std::nothrow) CKSpinStatic;
    if (sep == nullptr) {
        return false;
    }
    if (!sep->Create(text, kSeparatorStyle, rc, owner, id)) {
        delete sep;
        sep = nullptr;
        return false;
    }
    sep->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                     TRUE);
    return true;
}

} // namespace

int CKSpin::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    const int result = CWnd::OnCreate(lpCreateStruct);
    if (result == 0) {
        m_pSpinButton = new (std::nothrow) CScrollBar;
        if (m_pSpinButton != nullptr) {
            CRect client;
            GetClientRect(&client);
            if (m_pSpinButton->Create(kArrowsStyle, client, this, kArrowsId)) {
                m_pSpinButton->MoveWindow(client.right - kArrowWidth, client.top, kArrowWidth,
                                          client.Height(), TRUE);
                m_pSpinButton->ShowWindow(SW_SHOWNORMAL);
            } else {
                delete m_pSpinButton;
                m_pSpinButton = nullptr;
            }
        }
        if (CWnd* parent = GetParent()) {
            m_hThinFont = MakeThinFont(parent, m_hThinFont);
        }
    }
    m_nFocus = 1;
    return result;
}

void CKSpin::Create() {
    if (m_pEdit1 != nullptr || m_hWnd == nullptr) {
        return;
    }
    CRect field1, sep1, field2, sep2, field3;
    CalculateRect(&field1, &sep1, &field2, &sep2, &field3);
    if (!MakeField(m_pEdit1, field1, this, kField1Id, m_hThinFont)) {
        return;
    }
    if (m_eValueType != eSpinTime && m_eValueType != eSpinDate) {
        return;
    }
    const bool time = m_eValueType == eSpinTime;
    if (!MakeSeparator(m_pSep1, time ? m_szTimeSep : m_szDateSep, sep1, this, kSeparator1Id)) {
        return;
    }
    if (!MakeField(m_pEdit2, field2, this, kField2Id, m_hThinFont)) {
        return;
    }
    if (!MakeSeparator(m_pSep2, time ? "" : m_szDateSep, sep2, this, kSeparator2Id)) {
        return;
    }
    MakeField(m_pEdit3, field3, this, kField3Id, m_hThinFont);
}

void CKSpin::CalculateRect(LPRECT pEdit1, LPRECT pSep1, LPRECT pEdit2, LPRECT pSep2,
                           LPRECT pEdit3) {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    m_eValueType = static_cast<eSpinValueTypes>(LaidOutKind(m_eValueType));
    const int clock = m_eValueType == eSpinTime ? ::GetProfileIntA("Intl", "iTime", 0) : 0;
    const SpinLayout layout = CalculateSpinLayout(
        {client.left, client.top, client.right, client.bottom}, m_eValueType, m_eDateOrder, clock);
    const struct {
        LPRECT out;
        const LayoutRect& in;
    } parts[] = {{pEdit1, layout.field1},
                 {pSep1, layout.sep1},
                 {pEdit2, layout.field2},
                 {pSep2, layout.sep2},
                 {pEdit3, layout.field3}};
    for (const auto& part : parts) {
        if (part.out != nullptr) {
            *part.out = RECT{part.in.left, part.in.top, part.in.right, part.in.bottom};
        }
    }
}
