// Small helpers shared by the window-side files of the spin control (not exported).
#pragma once

#include <afxwin.h>

namespace ruzav::spin {

// A child of the control that can be talked to: its object exists and still has a live window.
// After the control's window is destroyed the child objects linger without windows until the
// control's object goes, and every operation has to skip them.
inline bool HasWindow(const CWnd* wnd) {
    return wnd != nullptr && wnd->m_hWnd != nullptr && ::IsWindow(wnd->m_hWnd);
}

inline bool IsSameWindow(const CWnd* a, const CWnd* b) {
    return a != nullptr && b != nullptr && a->m_hWnd != nullptr && a->m_hWnd == b->m_hWnd;
}

// The message a field sends its control when it loses the focus: read back, show again.
constexpr UINT kUpdateSpinMessage = WM_USER + 200;

// Identifiers of the control's children.
constexpr UINT kArrowsId = 100;
constexpr UINT kField1Id = 101;
constexpr UINT kField2Id = 102;
constexpr UINT kField3Id = 103;
constexpr UINT kSeparator1Id = 104;
constexpr UINT kSeparator2Id = 105;

} // namespace ruzav::spin
