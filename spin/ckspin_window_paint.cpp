// CKSpin's own painting: one sunken frame around all its fields (the fields have no border).
#include <ruzav32/spin.h>

#include "spin/ckspin_window_internal.h"
#include "spin/logic/layout.h"

void CKSpin::OnPaint() {
    if (!ruzav::spin::HasWindow(m_pEdit1) || !m_pEdit1->IsWindowVisible()) {
        Default();
        return;
    }
    {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        CRect field;
        m_pEdit1->GetWindowRect(&field);
        ScreenToClient(&field);
        // The frame starts just left of field 1, which is not always the left edge: a 24-hour
        // time leaves a strip of background where a 12-hour one shows its hour.
        const CRect r(field.left - 2, client.top, client.right - ruzav::spin::kArrowWidth,
                      client.bottom);

        CPen inner(PS_SOLID, 1, RGB(20, 0, 0));
        CPen outer(PS_SOLID, 1, RGB(128, 128, 128));
        CPen light(PS_SOLID, 1, RGB(255, 255, 255));

        CPen* old = dc.SelectObject(&inner);
        dc.MoveTo(r.left + 1, r.top + 1);
        dc.LineTo(r.right - 1, r.top + 1);
        dc.MoveTo(r.left + 1, r.top + 1);
        dc.LineTo(r.left + 1, r.bottom - 2);

        dc.SelectObject(&outer);
        dc.MoveTo(r.left, r.top);
        dc.LineTo(r.right - 1, r.top);
        dc.MoveTo(r.left, r.top);
        dc.LineTo(r.left, r.bottom - 1);

        dc.SelectObject(&light);
        dc.MoveTo(r.right - 1, r.bottom - 1);
        dc.LineTo(r.left, r.bottom - 1);
        dc.MoveTo(r.right - 1, r.bottom - 1);
        dc.LineTo(r.right - 1, r.top);

        dc.SelectObject(old);
    }
    Default();
}

// Kept for the exported interface; separators paint themselves.
void CKSpin::DrawStatic(CWnd* /*pWnd*/, LPCSTR /*pszText*/, int /*nFormat*/) {}
