// The sheet's dialog procedure: its start, its buttons, its tab control's notifications and
// the PSM_ messages.
#include "comctl/property_sheet.h"

#include <algorithm>

namespace comctl {
namespace {

const char kStateProperty[] = "ruzav.PropertySheet";
// Sheets holding their state property. The driver's pump asks, for every message, whether the
// message's top window is a sheet; with no sheet open the answer needs no property look-up.
int g_liveSheets = 0;

INT_PTR Answer(HWND hwnd, LRESULT value) {
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, value);
    return TRUE;
}

std::string TextOrResource(HINSTANCE instance, LPCSTR text) {
    if (text && IS_INTRESOURCE(text)) {
        char buffer[256] = "";
        LoadStringA(instance, LOWORD(reinterpret_cast<ULONG_PTR>(text)), buffer, sizeof buffer);
        return buffer;
    }
    return text ? text : "";
}

void SetTitle(Sheet& s, DWORD style, LPCSTR text) {
    std::string title = TextOrResource(s.instance, text);
    if (style & PSH_PROPTITLE) {
        title = "Properties for " + title;
    }
    SetWindowTextA(s.hwnd, title.c_str());
}

int IndexOf(const Sheet& s, WPARAM index, LPARAM handle) {
    if (handle) {
        for (size_t i = 0; i < s.pages.size(); ++i) {
            if (s.pages[i].handle == reinterpret_cast<HPROPSHEETPAGE>(handle)) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    return index < s.pages.size() ? static_cast<int>(index) : -1;
}

SheetPage* PageOfWindow(Sheet& s, HWND page) {
    for (SheetPage& p : s.pages) {
        if (p.hwnd && p.hwnd == page) {
            return &p;
        }
    }
    return nullptr;
}

void UpdateApply(Sheet& s) {
    bool any =
        std::any_of(s.pages.begin(), s.pages.end(), [](const SheetPage& p) { return p.changed; });
    if (s.apply) {
        EnableWindow(s.apply, any ? TRUE : FALSE);
    }
}

bool AddPage(Sheet& s, HPROPSHEETPAGE handle) {
    if (!handle) {
        return false;
    }
    SheetPage page;
    if (!LoadPage(page, handle)) {
        return false;
    }
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(page.title.c_str());
    SendMessageA(s.tab, TCM_INSERTITEMA, s.pages.size(), reinterpret_cast<LPARAM>(&item));
    s.pages.push_back(std::move(page));
    return true;
}

// Removing the page on show selects its right-hand neighbour first, else its left-hand one.
bool RemovePage(HWND hwnd, int index) {
    Sheet* s = SheetOf(hwnd);
    if (!s || index < 0) {
        return false;
    }
    if (index == s->current && s->pages.size() > 1) {
        int other = index + 1 < static_cast<int>(s->pages.size()) ? index + 1 : index - 1;
        ShowPage(hwnd, other);
        s = SheetOf(hwnd);
        if (!s || index >= static_cast<int>(s->pages.size())) {
            return false;
        }
    }
    SheetPage page = s->pages[static_cast<size_t>(index)];
    s->pages.erase(s->pages.begin() + index);
    SendMessageA(s->tab, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
    if (s->current > index) {
        --s->current;
    } else if (s->current == index) {
        s->current = -1;
    }
    if (page.hwnd && IsWindow(page.hwnd)) {
        DestroyWindow(page.hwnd);
    }
    ReleasePage(page.handle);
    if ((s = SheetOf(hwnd)) != nullptr) {
        UpdateApply(*s);
    }
    return true;
}

bool IsPageSwitchKey(const MSG& m) {
    return m.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 &&
           (m.wParam == VK_TAB || m.wParam == VK_PRIOR || m.wParam == VK_NEXT);
}

BOOL SheetDialogMessage(HWND hwnd, MSG* m) {
    Sheet* s = SheetOf(hwnd);
    if (!s || !m) {
        return FALSE;
    }
    if (IsPageSwitchKey(*m) && (m->hwnd == hwnd || IsChild(hwnd, m->hwnd))) {
        int n = static_cast<int>(s->pages.size());
        if (n > 0) {
            bool back = m->wParam == VK_PRIOR || (m->wParam == VK_TAB && GetKeyState(VK_SHIFT) < 0);
            int next = (std::max(s->current, 0) + (back ? n - 1 : 1)) % n;
            SelectPage(hwnd, next);
        }
        return TRUE;
    }
    return IsDialogMessageA(hwnd, m);
}

void Command(HWND hwnd, WORD id) {
    switch (id) {
    case IDOK:
        if (ApplyPages(hwnd, true)) {
            if (Sheet* s = SheetOf(hwnd)) {
                EndSheet(*s, 1);
            }
        }
        break;
    case IDCANCEL:
        CancelSheet(hwnd);
        break;
    case kApplyId:
        ApplyPages(hwnd, false);
        break;
    case IDHELP:
        if (Sheet* s = SheetOf(hwnd); s && s->current >= 0) {
            NotifyPage(hwnd, s->pages[static_cast<size_t>(s->current)].hwnd, PSN_HELP, 0);
        }
        break;
    default:
        break;
    }
}

HWND ButtonFor(const Sheet& s, WPARAM which) {
    switch (which) {
    case PSBTN_OK:
        return s.ok;
    case PSBTN_CANCEL:
        return s.cancel;
    case PSBTN_APPLYNOW:
        return s.apply;
    case PSBTN_HELP:
        return s.help;
    default:
        return nullptr;
    }
}

INT_PTR Start(HWND hwnd, Sheet* s) {
    s->hwnd = hwnd;
    const bool fresh = GetPropA(hwnd, kStateProperty) == nullptr;
    if (SetPropA(hwnd, kStateProperty, s) && fresh) {
        ++g_liveSheets;
    }
    SetTitle(*s, s->flags, s->caption.c_str());
    BuildSheet(*s);
    if (s->callback) {
        s->callback(hwnd, PSCB_INITIALIZED, 0);
    }
    if ((s = SheetOf(hwnd)) != nullptr) {
        int last = static_cast<int>(s->pages.size()) - 1;
        ShowPage(hwnd, std::min(static_cast<int>(s->startPage), last));
    }
    return TRUE;
}

} // namespace

Sheet* SheetOf(HWND hwnd) {
    if (hwnd == nullptr || g_liveSheets == 0) {
        return nullptr;
    }
    return static_cast<Sheet*>(GetPropA(hwnd, kStateProperty));
}

INT_PTR CALLBACK SheetDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        return Start(hwnd, reinterpret_cast<Sheet*>(lParam));
    }
    Sheet* s = SheetOf(hwnd);
    if (!s) {
        return FALSE;
    }
    switch (msg) {
    case WM_NCDESTROY:
        if (RemovePropA(hwnd, kStateProperty) != nullptr) {
            --g_liveSheets;
        }
        if (s->adopted) {
            ReleasePages(*s);
            delete s;
        }
        return FALSE;
    case WM_COMMAND:
        Command(hwnd, LOWORD(wParam));
        return TRUE;
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if (!hdr || hdr->hwndFrom != s->tab) {
            return FALSE;
        }
        if (hdr->code == TCN_SELCHANGING) {
            return Answer(hwnd, LeaveCurrentPage(hwnd) ? FALSE : TRUE);
        }
        if (hdr->code == TCN_SELCHANGE) {
            ShowPage(hwnd, static_cast<int>(SendMessageA(s->tab, TCM_GETCURSEL, 0, 0)));
            return Answer(hwnd, 0);
        }
        return FALSE;
    }
    case PSM_SETCURSEL:
        return Answer(hwnd, SelectPage(hwnd, IndexOf(*s, wParam, lParam)));
    case PSM_ADDPAGE:
        return Answer(hwnd, AddPage(*s, reinterpret_cast<HPROPSHEETPAGE>(lParam)));
    case PSM_REMOVEPAGE:
        return Answer(hwnd, RemovePage(hwnd, IndexOf(*s, wParam, lParam)));
    case PSM_CHANGED:
    case PSM_UNCHANGED:
        if (SheetPage* page = PageOfWindow(*s, reinterpret_cast<HWND>(wParam))) {
            page->changed = msg == PSM_CHANGED;
            UpdateApply(*s);
        }
        return Answer(hwnd, TRUE);
    case PSM_CANCELTOCLOSE:
        SetWindowTextA(s->ok, "Close");
        EnableWindow(s->cancel, FALSE);
        return Answer(hwnd, 0);
    case PSM_QUERYSIBLINGS:
        for (size_t i = 0; i < s->pages.size(); ++i) {
            HWND page = s->pages[i].hwnd;
            LRESULT r = page ? SendMessageA(page, PSM_QUERYSIBLINGS, wParam, lParam) : 0;
            if (r != 0 || !(s = SheetOf(hwnd))) {
                return Answer(hwnd, r);
            }
        }
        return Answer(hwnd, 0);
    case PSM_APPLY:
        return Answer(hwnd, ApplyPages(hwnd, false));
    case PSM_SETTITLEA:
        SetTitle(*s, static_cast<DWORD>(wParam), reinterpret_cast<LPCSTR>(lParam));
        return Answer(hwnd, 0);
    case PSM_PRESSBUTTON: {
        HWND button = ButtonFor(*s, wParam);
        if (button) {
            // The button's identifier as it is now: a host may have renumbered it.
            SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
        }
        return Answer(hwnd, 0);
    }
    case PSM_GETTABCONTROL:
        return Answer(hwnd, reinterpret_cast<LRESULT>(s->tab));
    case PSM_ISDIALOGMESSAGE:
        return Answer(hwnd, SheetDialogMessage(hwnd, reinterpret_cast<MSG*>(lParam)));
    case PSM_GETCURRENTPAGEHWND: {
        HWND page = nullptr;
        if (!s->ended && s->current >= 0) {
            page = s->pages[static_cast<size_t>(s->current)].hwnd;
        }
        return Answer(hwnd, reinterpret_cast<LRESULT>(page));
    }
    default:
        return FALSE;
    }
}

} // namespace comctl
