// PropertySheetA, modal and modeless, and the page handles.
//
// Every page's template is read before the sheet is made, so a sheet with a missing template
// fails as a whole (-1, or NULL modeless) instead of showing a blank tab. A sheet without pages
// fails the same way.
#include "comctl/property_sheet.h"
#include "comctl/tab_control.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace comctl {
namespace {

// The page records of a header as one list, whichever form the header uses.
std::vector<HPROPSHEETPAGE> PageHandles(const PROPSHEETHEADERA& header) {
    std::vector<HPROPSHEETPAGE> handles;
    for (UINT i = 0; i < header.nPages; ++i) {
        if (header.dwFlags & PSH_PROPSHEETPAGE) {
            // Records may be larger than PROPSHEETPAGEA when a host appends its own data.
            const BYTE* base = reinterpret_cast<const BYTE*>(header.ppsp);
            size_t offset = 0;
            for (UINT j = 0; j < i; ++j) {
                offset += reinterpret_cast<const PROPSHEETPAGEA*>(base + offset)->dwSize;
            }
            handles.push_back(CopyPage(*reinterpret_cast<const PROPSHEETPAGEA*>(base + offset)));
        } else {
            handles.push_back(header.phpage[i]);
        }
    }
    return handles;
}

// The page's template and how far it may be read: to the resource's end, or without a bound for
// a template the host built in memory, as the system trusts it.
const DLGTEMPLATE* FindPageTemplate(const PROPSHEETPAGEA& psp, size_t* size) {
    if (psp.dwFlags & PSP_DLGINDIRECT) {
        *size = SIZE_MAX - reinterpret_cast<uintptr_t>(psp.pResource);
        return psp.pResource;
    }
    HINSTANCE instance = psp.hInstance ? psp.hInstance : GetModuleHandleA(nullptr);
    HRSRC res = psp.pszTemplate ? FindResourceA(instance, psp.pszTemplate, RT_DIALOG) : nullptr;
    HGLOBAL data = res ? LoadResource(instance, res) : nullptr;
    *size = res ? SizeofResource(instance, res) : 0;
    return data ? static_cast<const DLGTEMPLATE*>(LockResource(data)) : nullptr;
}

std::string PageTitle(const _PSP& page, const TemplateFacts& facts) {
    const PROPSHEETPAGEA& psp = page.psp;
    if (!(psp.dwFlags & PSP_USETITLE)) {
        return facts.caption;
    }
    if (psp.pszTitle && IS_INTRESOURCE(psp.pszTitle)) {
        char text[256] = "";
        LoadStringA(psp.hInstance, LOWORD(reinterpret_cast<ULONG_PTR>(psp.pszTitle)), text,
                    sizeof text);
        return text;
    }
    return page.title;
}

INT_PTR RunModal(HWND sheetWindow, HWND disabledOwner) {
    INT_PTR result = -1;
    while (true) {
        Sheet* sheet = SheetOf(sheetWindow);
        if (!sheet) {
            break; // destroyed under us
        }
        if (sheet->ended) {
            result = sheet->result;
            break;
        }
        MSG msg;
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (!got) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // for the loop that owns the application
            break;
        }
        if (!IsWindow(sheetWindow) ||
            !SendMessageA(sheetWindow, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&msg))) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (disabledOwner && IsWindow(disabledOwner)) {
        EnableWindow(disabledOwner, TRUE);
    }
    if (IsWindow(sheetWindow)) {
        DestroyWindow(sheetWindow);
    }
    return result;
}

} // namespace

HPROPSHEETPAGE CopyPage(const PROPSHEETPAGEA& page) {
    if (page.dwSize < offsetof(PROPSHEETPAGEA, pfnCallback)) {
        return nullptr;
    }
    auto* copy = new _PSP;
    memcpy(&copy->psp, &page, std::min<size_t>(page.dwSize, sizeof(PROPSHEETPAGEA)));
    copy->psp.dwSize = sizeof(PROPSHEETPAGEA);
    if ((page.dwFlags & PSP_USETITLE) && page.pszTitle && !IS_INTRESOURCE(page.pszTitle)) {
        copy->title = page.pszTitle;
        copy->psp.pszTitle = copy->title.c_str();
    }
    return copy;
}

void ReleasePage(HPROPSHEETPAGE page) {
    if (!page) {
        return;
    }
    if ((page->psp.dwFlags & PSP_USECALLBACK) && page->psp.pfnCallback) {
        page->psp.pfnCallback(nullptr, PSPCB_RELEASE, &page->psp);
    }
    delete page;
}

bool CollectPages(Sheet& sheet, const PROPSHEETHEADERA& header) {
    std::vector<HPROPSHEETPAGE> handles = PageHandles(header);
    bool complete = !handles.empty();
    for (HPROPSHEETPAGE handle : handles) {
        SheetPage page;
        complete = LoadPage(page, handle) && complete;
        page.handle = handle; // owned now, loaded or not
        sheet.pages.push_back(std::move(page));
    }
    return complete;
}

bool LoadPage(SheetPage& page, HPROPSHEETPAGE handle) {
    page.handle = handle;
    page.dialogTemplate = handle ? FindPageTemplate(handle->psp, &page.templateSize) : nullptr;
    if (!page.dialogTemplate ||
        !ReadTemplateFacts(page.dialogTemplate, page.templateSize, page.facts)) {
        return false;
    }
    page.title = PageTitle(*handle, page.facts);
    return true;
}

void ReleasePages(Sheet& sheet) {
    for (SheetPage& page : sheet.pages) {
        ReleasePage(page.handle);
        page.handle = nullptr;
    }
    sheet.pages.clear();
}

} // namespace comctl

using namespace comctl;

void WINAPI InitCommonControls() {
    RegisterTabControl();
}

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* icc) {
    if (!icc || icc->dwSize != sizeof(INITCOMMONCONTROLSEX)) {
        return FALSE;
    }
    RegisterTabControl();
    return TRUE;
}

HPROPSHEETPAGE WINAPI CreatePropertySheetPageA(LPCPROPSHEETPAGEA page) {
    return page ? CopyPage(*page) : nullptr;
}

BOOL WINAPI DestroyPropertySheetPage(HPROPSHEETPAGE page) {
    if (!page) {
        return FALSE;
    }
    ReleasePage(page);
    return TRUE;
}

INT_PTR WINAPI PropertySheetA(LPCPROPSHEETHEADERA header) {
    if (!header || header->dwSize < offsetof(PROPSHEETHEADERA, pfnCallback)) {
        return -1;
    }
    bool modeless = (header->dwFlags & PSH_MODELESS) != 0;
    RegisterTabControl();
    auto sheet = std::make_unique<Sheet>();
    sheet->flags = header->dwFlags;
    sheet->instance = header->hInstance;
    sheet->callback = (header->dwFlags & PSH_USECALLBACK) ? header->pfnCallback : nullptr;
    if (header->pszCaption && IS_INTRESOURCE(header->pszCaption)) {
        char text[256] = "";
        LoadStringA(header->hInstance, LOWORD(reinterpret_cast<ULONG_PTR>(header->pszCaption)),
                    text, sizeof text);
        sheet->caption = text;
    } else if (header->pszCaption) {
        sheet->caption = header->pszCaption;
    }
    if (!CollectPages(*sheet, *header)) {
        ReleasePages(*sheet);
        return modeless ? 0 : -1;
    }
    sheet->startPage = header->nStartPage;
    if (header->dwFlags & PSH_USEPSTARTPAGE) {
        sheet->startPage = 0;
        for (size_t i = 0; i < sheet->pages.size(); ++i) {
            if (header->pStartPage && !IS_INTRESOURCE(header->pStartPage) &&
                sheet->pages[i].title == header->pStartPage) {
                sheet->startPage = static_cast<UINT>(i);
            }
        }
    }
    HWND owner = header->hwndParent;
    while (owner && (GetWindowLongA(owner, GWL_STYLE) & WS_CHILD)) {
        owner = GetParent(owner);
    }
    sheet->owner = owner;
    HWND disabled = nullptr;
    if (!modeless && owner && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        disabled = owner;
    }

    OwnedTemplate frame;
    frame.MakeEmpty(WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU |
                        DS_MODALFRAME | DS_3DLOOK | DS_SETFONT | DS_CONTEXTHELP,
                    WS_EX_CONTROLPARENT, "", "MS Sans Serif", 8);
    // The window frees the state from the moment it exists for good; a window that dies while
    // it is being made leaves the state to us.
    HWND hwnd = CreateDialogIndirectParamA(header->hInstance, frame.get(), owner, SheetDialogProc,
                                           reinterpret_cast<LPARAM>(sheet.get()));
    if (!hwnd) {
        ReleasePages(*sheet);
        if (disabled && IsWindow(disabled)) {
            EnableWindow(disabled, TRUE);
        }
        return modeless ? 0 : -1;
    }
    sheet.release()->adopted = true;
    if (modeless) {
        return reinterpret_cast<INT_PTR>(hwnd);
    }
    return RunModal(hwnd, disabled);
}
