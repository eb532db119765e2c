// SysTabControl32: a row of labelled tabs with one selected, above a display area that the
// parent fills (a property sheet puts its pages there).
//
// The selection changes by mouse and by the arrow keys; each change asks the parent first
// (TCN_SELCHANGING, a non-zero answer vetoes it) and tells it after (TCN_SELCHANGE).
// TCM_SETCURSEL changes it silently, as on Windows.
#include "comctl/tab_control.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace comctl {
namespace {

constexpr int kStateSlot = 0;

LRESULT Notify(TabState& s, UINT code) {
    NMHDR hdr{};
    hdr.hwndFrom = s.hwnd;
    hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(s.hwnd));
    hdr.code = code;
    HWND parent = GetParent(s.hwnd);
    return parent ? SendMessageA(parent, WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr)) : 0;
}

void Changed(TabState& s) {
    s.stale = true;
    InvalidateRect(s.hwnd, nullptr, TRUE);
}

// Selects a tab as a user does: the parent may refuse. The state may be gone afterwards when
// the parent destroyed the control in a notification; the caller reads nothing more then.
void SelectByUser(HWND hwnd, int index) {
    TabState* s = TabOf(hwnd);
    if (!s || index < 0 || index >= static_cast<int>(s->items.size()) || index == s->current) {
        return;
    }
    if (Notify(*s, TCN_SELCHANGING) != 0) {
        return;
    }
    s = TabOf(hwnd);
    if (!s || index >= static_cast<int>(s->items.size())) {
        return;
    }
    s->current = index;
    Changed(*s);
    Notify(*s, TCN_SELCHANGE);
}

int Insert(TabState& s, int index, const TCITEMA* item) {
    if (!item || index < 0) {
        return -1;
    }
    TabItem t;
    if ((item->mask & TCIF_TEXT) && item->pszText) {
        t.text = item->pszText;
    }
    if (item->mask & TCIF_PARAM) {
        t.param = item->lParam;
    }
    if (item->mask & TCIF_IMAGE) {
        t.image = item->iImage;
    }
    index = std::min(index, static_cast<int>(s.items.size()));
    s.items.insert(s.items.begin() + index, std::move(t));
    if (s.current < 0) {
        s.current = 0;
    } else if (index <= s.current && s.items.size() > 1) {
        ++s.current; // the selected tab keeps its selection as tabs open before it
    }
    Changed(s);
    return index;
}

BOOL GetItem(const TabState& s, int index, TCITEMA* item) {
    if (!item || index < 0 || index >= static_cast<int>(s.items.size())) {
        return FALSE;
    }
    const TabItem& t = s.items[static_cast<size_t>(index)];
    if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0) {
        size_t n = std::min(t.text.size(), static_cast<size_t>(item->cchTextMax - 1));
        memcpy(item->pszText, t.text.data(), n);
        item->pszText[n] = '\0';
    }
    if (item->mask & TCIF_PARAM) {
        item->lParam = t.param;
    }
    if (item->mask & TCIF_IMAGE) {
        item->iImage = t.image;
    }
    return TRUE;
}

BOOL SetItem(TabState& s, int index, const TCITEMA* item) {
    if (!item || index < 0 || index >= static_cast<int>(s.items.size())) {
        return FALSE;
    }
    TabItem& t = s.items[static_cast<size_t>(index)];
    if (item->mask & TCIF_TEXT) {
        t.text = item->pszText ? item->pszText : "";
    }
    if (item->mask & TCIF_PARAM) {
        t.param = item->lParam;
    }
    if (item->mask & TCIF_IMAGE) {
        t.image = item->iImage;
    }
    Changed(s);
    return TRUE;
}

BOOL Delete(TabState& s, int index) {
    if (index < 0 || index >= static_cast<int>(s.items.size())) {
        return FALSE;
    }
    s.items.erase(s.items.begin() + index);
    if (s.items.empty()) {
        s.current = -1;
    } else if (index < s.current) {
        --s.current;
    } else if (index == s.current) {
        s.current = std::min(s.current, static_cast<int>(s.items.size()) - 1);
    }
    Changed(s);
    return TRUE;
}

LRESULT CALLBACK TabProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TabState* s = TabOf(hwnd);
    if (msg == WM_NCCREATE) {
        s = new TabState;
        s->hwnd = hwnd;
        SetWindowLongPtrA(hwnd, kStateSlot, reinterpret_cast<LONG_PTR>(s));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    if (!s) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    switch (msg) {
    case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, kStateSlot, 0);
        delete s;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SETFONT:
        s->font = reinterpret_cast<HFONT>(wParam);
        s->stale = true;
        if (lParam) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s->font);
    case WM_ERASEBKGND: {
        RECT r{};
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(hwnd, &ps);
        if (dc) {
            PaintTabs(*s, dc);
        }
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN: {
        POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        int hit = TabAt(CurrentLayout(*s), pt);
        if (hit >= 0 && !(GetWindowLongA(hwnd, GWL_STYLE) & TCS_FOCUSNEVER)) {
            SetFocus(hwnd);
        }
        SelectByUser(hwnd, hit);
        return 0;
    }
    case WM_LBUTTONUP:
        Notify(*s, NM_CLICK);
        return 0;
    case WM_KEYDOWN: {
        if (wParam != VK_LEFT && wParam != VK_RIGHT) {
            return 0;
        }
        Notify(*s, TCN_KEYDOWN);
        s = TabOf(hwnd);
        if (s) {
            SelectByUser(hwnd, s->current + (wParam == VK_LEFT ? -1 : 1));
        }
        return 0;
    }
    case TCM_GETITEMCOUNT:
        return static_cast<LRESULT>(s->items.size());
    case TCM_INSERTITEMA:
        return Insert(*s, static_cast<int>(wParam), reinterpret_cast<const TCITEMA*>(lParam));
    case TCM_GETITEMA:
        return GetItem(*s, static_cast<int>(wParam), reinterpret_cast<TCITEMA*>(lParam));
    case TCM_SETITEMA:
        return SetItem(*s, static_cast<int>(wParam), reinterpret_cast<const TCITEMA*>(lParam));
    case TCM_DELETEITEM:
        return Delete(*s, static_cast<int>(wParam));
    case TCM_DELETEALLITEMS:
        s->items.clear();
        s->current = -1;
        Changed(*s);
        return TRUE;
    case TCM_GETCURSEL:
    case TCM_GETCURFOCUS:
        return s->current;
    case TCM_SETCURSEL:
    case TCM_SETCURFOCUS: {
        int index = static_cast<int>(wParam);
        if (index < 0 || index >= static_cast<int>(s->items.size())) {
            return -1;
        }
        int previous = s->current;
        if (index != previous) {
            s->current = index;
            Changed(*s);
        }
        return previous;
    }
    case TCM_GETITEMRECT: {
        const TabLayout& layout = CurrentLayout(*s);
        auto* rect = reinterpret_cast<RECT*>(lParam);
        if (!rect || wParam >= layout.items.size()) {
            return FALSE;
        }
        *rect = layout.items[wParam];
        return TRUE;
    }
    case TCM_HITTEST: {
        auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
        if (!info) {
            return -1;
        }
        int hit = TabAt(CurrentLayout(*s), info->pt);
        info->flags = hit >= 0 ? TCHT_ONITEM : TCHT_NOWHERE;
        return hit;
    }
    case TCM_ADJUSTRECT:
        if (auto* rect = reinterpret_cast<RECT*>(lParam)) {
            AdjustTabRect(*rect, wParam != 0, CurrentLayout(*s).rowBottom);
        }
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

} // namespace

TabState* TabOf(HWND hwnd) {
    char name[32] = "";
    if (!hwnd || !GetClassNameA(hwnd, name, sizeof name) || lstrcmpiA(name, WC_TABCONTROLA) != 0) {
        return nullptr;
    }
    return reinterpret_cast<TabState*>(GetWindowLongPtrA(hwnd, kStateSlot));
}

const TabLayout& CurrentLayout(TabState& s) {
    if (!s.stale) {
        return s.layout;
    }
    std::vector<int> widths;
    int height = 0;
    if (HDC dc = GetDC(s.hwnd)) {
        HGDIOBJ old = SelectObject(dc, s.font ? s.font : GetStockObject(SYSTEM_FONT));
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        height = tm.tmHeight;
        for (const TabItem& item : s.items) {
            SIZE size{};
            GetTextExtentPoint32A(dc, item.text.c_str(), static_cast<int>(item.text.size()), &size);
            widths.push_back(size.cx);
        }
        SelectObject(dc, old);
        ReleaseDC(s.hwnd, dc);
    } else {
        widths.assign(s.items.size(), 0);
    }
    s.layout = LayoutTabs(widths, height);
    s.stale = false;
    return s.layout;
}

void RegisterTabControl() {
    WNDCLASSA existing{};
    if (GetClassInfoA(nullptr, WC_TABCONTROLA, &existing)) {
        return;
    }
    WNDCLASSA wc{};
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = TabProc;
    wc.cbWndExtra = sizeof(TabState*);
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = WC_TABCONTROLA;
    RegisterClassA(&wc);
}

} // namespace comctl
