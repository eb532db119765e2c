// The property sheet's own state and the calls its files share.
//
// A sheet is a dialog box holding a tab control (0x3020), the standard buttons OK, Cancel,
// Apply (0x3021) and Help (IDHELP) along the bottom right, and one child dialog per page, made
// when the page is first shown.
#pragma once

#include "comctl/dialog_template_access.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

struct _PSP {
    PROPSHEETPAGEA psp{};
    std::string title; // a title given as text, kept so the caller's string may go
};

namespace comctl {

constexpr int kTabControlId = 0x3020;
constexpr int kApplyId = 0x3021;

struct SheetPage {
    HPROPSHEETPAGE handle = nullptr; // owned by the sheet from PropertySheetA on
    const DLGTEMPLATE* dialogTemplate = nullptr;
    size_t templateSize = 0;
    TemplateFacts facts;
    std::string title;
    HWND hwnd = nullptr;
    bool changed = false;
};

struct Sheet {
    HWND hwnd = nullptr;
    HWND tab = nullptr;
    HWND ok = nullptr;
    HWND cancel = nullptr;
    HWND apply = nullptr;
    HWND help = nullptr;
    DWORD flags = 0;
    HINSTANCE instance = nullptr;
    HWND owner = nullptr;
    PFNPROPSHEETCALLBACK callback = nullptr;
    std::string caption;
    std::vector<SheetPage> pages;
    int current = -1;
    UINT startPage = 0;
    RECT pageRect{}; // where pages go, in the sheet's client coordinates
    bool ended = false;
    bool adopted = false; // freed with the window
    INT_PTR result = 0;
};

Sheet* SheetOf(HWND hwnd);

// Reads every page's template; false when one cannot be found.
bool CollectPages(Sheet& sheet, const PROPSHEETHEADERA& header);
// Finds a page's template and title; false when the template is missing.
bool LoadPage(SheetPage& page, HPROPSHEETPAGE handle);
// Releases the pages' handles (calling their PSPCB_RELEASE callbacks).
void ReleasePages(Sheet& sheet);
HPROPSHEETPAGE CopyPage(const PROPSHEETPAGEA& page);
void ReleasePage(HPROPSHEETPAGE page);

// Makes the tab control and the buttons and sizes the sheet around its largest page.
void BuildSheet(Sheet& sheet);
void PlaceButtons(Sheet& sheet);

// Page changes. Each returns false when a page refused or the index is out of range. The
// sheet may have been destroyed by a page afterwards: callers look it up again.
bool LeaveCurrentPage(HWND sheetWindow);
bool ShowPage(HWND sheetWindow, int index);
bool SelectPage(HWND sheetWindow, int index);

// Sends a page notification and returns the page's answer (DWLP_MSGRESULT).
LRESULT NotifyPage(HWND sheetWindow, HWND page, UINT code, LPARAM lParam);

// The buttons' work: Apply (closing: OK), Cancel, Help.
bool ApplyPages(HWND sheetWindow, bool closing);
void CancelSheet(HWND sheetWindow);
void EndSheet(Sheet& sheet, INT_PTR result);

INT_PTR CALLBACK SheetDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace comctl
