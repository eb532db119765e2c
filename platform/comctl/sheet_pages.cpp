// Pages coming and going, and what the standard buttons do to them.
//
// The order of notifications is the one Windows keeps (each to one page, through WM_NOTIFY):
//   switching pages    PSN_KILLACTIVE to the old page (non-zero keeps it), then PSN_SETACTIVE
//                      to the new one, made on first use;
//   Apply              PSN_KILLACTIVE to the current page, PSN_APPLY to every page made so far
//                      in page order, then PSN_SETACTIVE to the current page again;
//   OK                 as Apply, without the last PSN_SETACTIVE, then the sheet ends;
//   Cancel             PSN_QUERYCANCEL to the current page (non-zero keeps the sheet open),
//                      then PSN_RESET to every page made so far;
//   Help               PSN_HELP to the current page.
// A page may destroy the sheet from any of these: every step looks the sheet up again.
#include "comctl/property_sheet.h"

namespace comctl {

LRESULT NotifyPage(HWND sheetWindow, HWND page, UINT code, LPARAM lParam) {
    if (!page || !IsWindow(page)) {
        return 0;
    }
    PSHNOTIFY n{};
    n.hdr.hwndFrom = sheetWindow;
    n.hdr.idFrom = 0;
    n.hdr.code = code;
    n.lParam = lParam;
    return SendMessageA(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&n));
}

bool LeaveCurrentPage(HWND sheetWindow) {
    Sheet* s = SheetOf(sheetWindow);
    if (!s) {
        return false;
    }
    if (s->current < 0 || s->current >= static_cast<int>(s->pages.size())) {
        return true;
    }
    return NotifyPage(sheetWindow, s->pages[static_cast<size_t>(s->current)].hwnd, PSN_KILLACTIVE,
                      0) == 0;
}

namespace {

HWND MakePage(HWND sheetWindow, size_t index) {
    Sheet* s = SheetOf(sheetWindow);
    HPROPSHEETPAGE handle = s->pages[index].handle;
    OwnedTemplate child;
    if (!child.MakeChildOf(s->pages[index].dialogTemplate, s->pages[index].templateSize)) {
        return nullptr;
    }
    // A framework attaches its page object to the window in this callback.
    if ((handle->psp.dwFlags & PSP_USECALLBACK) && handle->psp.pfnCallback) {
        handle->psp.pfnCallback(sheetWindow, PSPCB_CREATE, &handle->psp);
    }
    HINSTANCE instance = handle->psp.hInstance;
    HWND page =
        CreateDialogIndirectParamA(instance, child.get(), sheetWindow, handle->psp.pfnDlgProc,
                                   reinterpret_cast<LPARAM>(&handle->psp));
    s = SheetOf(sheetWindow);
    if (!page || !s || index >= s->pages.size() || s->pages[index].handle != handle) {
        if (page && IsWindow(page)) {
            DestroyWindow(page);
        }
        return nullptr;
    }
    s->pages[index].hwnd = page;
    const RECT& r = s->pageRect;
    // Above the tab control, which would otherwise paint over it and take its clicks; so the
    // Tab key goes from the page's controls to the tab control and on to the buttons.
    SetWindowPos(page, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
    return page;
}

} // namespace

bool ShowPage(HWND sheetWindow, int index) {
    Sheet* s = SheetOf(sheetWindow);
    if (!s || index < 0 || index >= static_cast<int>(s->pages.size())) {
        return false;
    }
    size_t i = static_cast<size_t>(index);
    HWND page = s->pages[i].hwnd;
    if (!page || !IsWindow(page)) {
        page = MakePage(sheetWindow, i); // never shown, or destroyed by someone since
    }
    s = SheetOf(sheetWindow);
    if (!s || !page || i >= s->pages.size() || s->pages[i].hwnd != page) {
        return false;
    }
    HWND old = nullptr;
    if (s->current >= 0 && s->current < static_cast<int>(s->pages.size()) && s->current != index) {
        old = s->pages[static_cast<size_t>(s->current)].hwnd;
    }
    s->current = index;
    SendMessageA(s->tab, TCM_SETCURSEL, i, 0);
    NotifyPage(sheetWindow, page, PSN_SETACTIVE, 0);
    s = SheetOf(sheetWindow);
    if (!s || !IsWindow(page)) {
        return false;
    }
    ShowWindow(page, SW_SHOW);
    if (old && IsWindow(old)) {
        HWND focus = GetFocus();
        bool focusInOld = focus && (focus == old || IsChild(old, focus));
        ShowWindow(old, SW_HIDE);
        if (focusInOld) {
            SetFocus(s->tab);
        }
    }
    if (i >= s->pages.size() || s->pages[i].hwnd != page) {
        return false; // the page went while it was being shown
    }
    bool pageHelp = (s->pages[i].handle->psp.dwFlags & PSP_HASHELP) != 0;
    if (s->help) {
        EnableWindow(s->help, pageHelp ? TRUE : FALSE);
    }
    return true;
}

bool SelectPage(HWND sheetWindow, int index) {
    Sheet* s = SheetOf(sheetWindow);
    if (!s || index < 0 || index >= static_cast<int>(s->pages.size())) {
        return false;
    }
    if (index == s->current) {
        return true;
    }
    return LeaveCurrentPage(sheetWindow) && ShowPage(sheetWindow, index);
}

bool ApplyPages(HWND sheetWindow, bool closing) {
    if (!LeaveCurrentPage(sheetWindow)) {
        return false;
    }
    for (size_t i = 0;; ++i) {
        Sheet* s = SheetOf(sheetWindow);
        if (!s) {
            return false;
        }
        if (i >= s->pages.size()) {
            break;
        }
        LRESULT answer = NotifyPage(sheetWindow, s->pages[i].hwnd, PSN_APPLY, closing ? 1 : 0);
        if (answer == PSNRET_INVALID_NOCHANGEPAGE) {
            ShowPage(sheetWindow, SheetOf(sheetWindow) ? SheetOf(sheetWindow)->current : -1);
            return false;
        }
        if (answer == PSNRET_INVALID) {
            ShowPage(sheetWindow, static_cast<int>(i));
            return false;
        }
    }
    Sheet* s = SheetOf(sheetWindow);
    for (SheetPage& page : s->pages) {
        page.changed = false;
    }
    if (s->apply) {
        EnableWindow(s->apply, FALSE);
    }
    if (!closing && s->current >= 0) {
        NotifyPage(sheetWindow, s->pages[static_cast<size_t>(s->current)].hwnd, PSN_SETACTIVE, 0);
    }
    return true;
}

void CancelSheet(HWND sheetWindow) {
    Sheet* s = SheetOf(sheetWindow);
    if (!s) {
        return;
    }
    if (s->current >= 0 && NotifyPage(sheetWindow, s->pages[static_cast<size_t>(s->current)].hwnd,
                                      PSN_QUERYCANCEL, 0) != 0) {
        return;
    }
    for (size_t i = 0;; ++i) {
        s = SheetOf(sheetWindow);
        if (!s || i >= s->pages.size()) {
            break;
        }
        NotifyPage(sheetWindow, s->pages[i].hwnd, PSN_RESET, 0);
    }
    if ((s = SheetOf(sheetWindow)) != nullptr) {
        EndSheet(*s, 0);
    }
}

void EndSheet(Sheet& sheet, INT_PTR result) {
    sheet.ended = true;
    sheet.result = result;
    // Wakes a modal loop waiting for a message, so it sees the end at once.
    PostMessageA(sheet.hwnd, WM_NULL, 0, 0);
}

} // namespace comctl
