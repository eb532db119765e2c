#include "spin/ckspin_static.h"

BEGIN_MESSAGE_MAP(CKSpinStatic, CStatic)
ON_WM_PAINT()
END_MESSAGE_MAP()

CKSpinStatic::~CKSpinStatic() = default;

void CKSpinStatic::OnPaint() {
    CPaintDC dc(this);
    CRect rc;
    GetWindowRect(&rc);
    rc.OffsetRect(-rc.left, -rc.top);
    const BOOL disabled = (::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_DISABLED) != 0;

    CFont* oldFont = nullptr;
    if (HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT, 0, 0))) {
        oldFont = dc.SelectObject(CFont::FromHandle(font));
    }

    // White, not the window colour: the separator has to match the fields, which the control
    // frames as one white strip whatever the colour scheme says.
    const COLORREF back = disabled ? ::GetSysColor(COLOR_BTNFACE) : RGB(255, 255, 255);
    dc.SetBkColor(back);
    CBrush brush(back);
    CPen pen(PS_SOLID, 1, back);
    CBrush* oldBrush = dc.SelectObject(&brush);
    CPen* oldPen = dc.SelectObject(&pen);
    dc.Rectangle(&rc);

    dc.SetTextColor(::GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    dc.SetBkColor(back);
    dc.SetBkMode(TRANSPARENT);
    char text[512];
    GetWindowText(text, sizeof text);
    dc.DrawText(text, -1, &rc, DT_CENTER | DT_WORDBREAK);

    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
    if (oldFont != nullptr) {
        dc.SelectObject(oldFont);
    }
}
