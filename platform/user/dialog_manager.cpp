// The dialog manager: dialog boxes built from templates, modeless and modal, their fonts and
// dialog base units, and EndDialog.
//
// A template's units are a quarter of the font's average character width across and an eighth
// of its height down: with base units 6x13, a control at (20, 16) sits at pixel (30, 26).
#include "user/dialog_template.h"
#include "user/user_internal.h"

#include <resources.h>

#include <cstdint>
#include <cstring>

namespace wm {
namespace {

LONG MeasureFont(HFONT font) {
    HDC dc = GetDC(nullptr);
    if (!dc) {
        return SystemBaseUnits();
    }
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm{};
    SIZE size{};
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    bool ok = GetTextMetricsA(dc, &tm) && GetTextExtentPoint32A(dc, letters, 52, &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    if (!ok || tm.tmHeight <= 0 || size.cx <= 0) {
        return SystemBaseUnits();
    }
    // Rounded average width of the 52 letters, as the Win32 dialog manager computes it.
    LONG x = (size.cx / 26 + 1) / 2;
    return MAKELONG((WORD)(x > 0 ? x : 1), (WORD)tm.tmHeight);
}

// A template inside a module's resource is read no further than the resource's end; one the
// caller built in memory is trusted as the system trusts it.
bool ReadTemplate(const DLGTEMPLATE* data, ParsedTemplate* out) {
    if (!data) {
        SetLastErrorValue(ERROR_INVALID_PARAMETER);
        return false;
    }
    size_t size = resources::BytesAvailableAt(data);
    if (size == 0) {
        size = SIZE_MAX - reinterpret_cast<uintptr_t>(data);
    }
    if (!ParseDialogTemplate(data, size, out)) {
        SetLastErrorValue(ERROR_RESOURCE_DATA_NOT_FOUND);
        return false;
    }
    return true;
}

HWND CreateDialogFromTemplate(HINSTANCE instance, const ParsedTemplate& tmpl, HWND parent,
                              DLGPROC proc, LPARAM param, bool modal, HWND disabledOwner) {
    const ParsedTemplate* t = &tmpl;
    Window* parentWindow = nullptr;
    if (parent) {
        parentWindow = Lookup(parent);
        if (!parentWindow) {
            SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
    }
    DWORD style = t->style;
    DWORD ex = t->exStyle;
    if (style & DS_MODALFRAME) {
        ex |= WS_EX_DLGMODALFRAME;
    }
    if (style & DS_CONTROL) {
        style &= ~(WS_CAPTION | WS_SYSMENU | WS_POPUP);
        style |= WS_CHILD;
        ex |= WS_EX_CONTROLPARENT;
    }
    if ((style & WS_CHILD) && !parentWindow) {
        SetLastErrorValue(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }

    auto* info = new DialogInfo;
    info->modal = modal;
    info->disabledOwner = disabledOwner;
    LONG units = SystemBaseUnits();
    if (t->hasFont && !t->fontFace.empty()) {
        LOGFONTA lf{};
        lf.lfHeight = -MulDiv(t->pointSize, 96, 72);
        lf.lfWeight = t->weight ? t->weight : FW_NORMAL;
        lf.lfItalic = t->italic ? TRUE : FALSE;
        lf.lfCharSet = t->extended ? t->charSet : DEFAULT_CHARSET;
        strncpy(lf.lfFaceName, t->fontFace.c_str(), LF_FACESIZE - 1);
        info->font = CreateFontIndirectA(&lf);
        if (info->font) {
            info->ownsFont = true;
            units = MeasureFont(info->font);
        }
    }
    info->baseX = LOWORD(units);
    info->baseY = HIWORD(units);

    // A template's menu becomes the dialog's menu bar, loaded from the template's own module; one
    // that cannot be loaded leaves the dialog without a bar, as on Windows.
    HMENU menu = nullptr;
    if (!t->menu.empty() && !(style & WS_CHILD)) {
        menu = LoadMenuA(instance, t->menu.c_str()); // "#id" names the ordinal
    }
    RECT r{0, 0, MulDiv(t->cx, info->baseX, 4), MulDiv(t->cy, info->baseY, 8)};
    AdjustWindowRectEx(&r, style, menu != nullptr, ex);
    POINT pos{r.left, r.top};
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    HWND owner = nullptr;
    if (!(style & WS_CHILD) && parentWindow) {
        owner = TopLevelOf(parentWindow)->handle;
    }
    if (style & DS_CENTER) {
        RECT area = WorkArea();
        pos.x = area.left + (area.right - area.left - width) / 2;
        pos.y = area.top + (area.bottom - area.top - height) / 2;
    } else {
        pos.x += MulDiv(t->x, info->baseX, 4);
        pos.y += MulDiv(t->y, info->baseY, 8);
        if (!(style & (WS_CHILD | DS_ABSALIGN)) && parent) {
            ClientToScreen(parent, &pos);
        }
    }
    if (!(style & WS_CHILD)) {
        // Keep a top-level dialog on the work area where it fits.
        RECT area = WorkArea();
        if (pos.x + width > area.right) {
            pos.x = area.right - width;
        }
        if (pos.y + height > area.bottom) {
            pos.y = area.bottom - height;
        }
        if (pos.x < area.left) {
            pos.x = area.left;
        }
        if (pos.y < area.top) {
            pos.y = area.top;
        }
    }

    const char* dialogClass = t->className.empty() ? "#32770" : t->className.c_str();
    HWND h = CreateWindowExA(ex, dialogClass, t->caption.c_str(), style & ~WS_VISIBLE, pos.x, pos.y,
                             width, height, (style & WS_CHILD) ? parent : owner, menu, instance,
                             (LPVOID)param);
    Window* w = Lookup(h);
    if (!w) {
        if (menu && !h) {
            DestroyMenu(menu);
        }
        if (info->ownsFont) {
            DeleteObject(info->font);
        }
        delete info;
        return nullptr;
    }
    FreeDialogInfo(w); // one its procedure may have made while it was created
    w->dialog = info;
    SetWindowLongPtrA(h, DWLP_DLGPROC, (LONG_PTR)proc);
    if (info->font) {
        // The dialog reports its template's font even when its procedure takes WM_SETFONT for
        // itself, as the dialog manager does on Windows.
        w->font = info->font;
        SendMessageA(h, WM_SETFONT, (WPARAM)info->font, 0);
        if (!Lookup(h)) {
            return nullptr;
        }
    }
    for (const TemplateItem& item : t->items) {
        int x = MulDiv(item.x, info->baseX, 4);
        int y = MulDiv(item.y, info->baseY, 8);
        int cx = MulDiv(item.cx, info->baseX, 4);
        int cy = MulDiv(item.cy, info->baseY, 8);
        HWND c = CreateWindowExA(item.exStyle | WS_EX_NOPARENTNOTIFY, item.className.c_str(),
                                 item.text.c_str(), item.style | WS_CHILD, x, y, cx, cy, h,
                                 (HMENU)(UINT_PTR)item.id, instance, (LPVOID)item.creationData);
        if (!Lookup(h)) {
            return nullptr;
        }
        if (!c) {
            if (style & DS_NOFAILCREATE) {
                continue;
            }
            DestroyWindow(h);
            return nullptr;
        }
        if (SendMessageA(c, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) {
            info->defId = (WORD)item.id;
        }
        if (info->font) {
            SendMessageA(c, WM_SETFONT, (WPARAM)info->font, FALSE);
        }
        if (!Lookup(h)) {
            return nullptr;
        }
    }
    HWND first = GetNextDlgTabItem(h, nullptr, FALSE);
    if (SendMessageA(h, WM_INITDIALOG, (WPARAM)first, param) && Lookup(h)) {
        first = GetNextDlgTabItem(h, nullptr, FALSE);
        if (first) {
            SetDialogFocus(first);
        }
    }
    if (!Lookup(h)) {
        return nullptr;
    }
    if ((t->style & WS_VISIBLE) && !info->ended) {
        ShowWindow(h, SW_SHOWNORMAL);
    }
    return Lookup(h) ? h : nullptr;
}

const DLGTEMPLATE* FindTemplate(HINSTANCE instance, LPCSTR name) {
    HINSTANCE inst = instance ? instance : GetModuleHandleA(nullptr);
    HRSRC res = FindResourceA(inst, name, RT_DIALOG);
    if (!res) {
        return nullptr;
    }
    HGLOBAL data = LoadResource(inst, res);
    return data ? (const DLGTEMPLATE*)LockResource(data) : nullptr;
}

} // namespace

DialogInfo* DialogOf(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w ? w->dialog : nullptr;
}

void FreeDialogInfo(Window* w) {
    if (!w->dialog) {
        return;
    }
    if (w->dialog->ownsFont && w->dialog->font) {
        DeleteObject(w->dialog->font);
    }
    delete w->dialog;
    w->dialog = nullptr;
}

LONG SystemBaseUnits() {
    return MAKELONG(8, 16);
}

void SetDialogFocus(HWND control) {
    if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageA(control, EM_SETSEL, 0, -1);
    }
    SetFocus(control);
}

} // namespace wm

using namespace wm;

HWND WINAPI CreateDialogIndirectParamA(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate,
                                       HWND parent, DLGPROC dialogProc, LPARAM initParam) {
    ParsedTemplate t;
    if (!ReadTemplate(dialogTemplate, &t)) {
        return nullptr;
    }
    return CreateDialogFromTemplate(instance, t, parent, dialogProc, initParam, false, nullptr);
}

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate,
                                       HWND parent, DLGPROC dialogProc, LPARAM initParam) {
    ParsedTemplate t;
    if (!ReadTemplate(dialogTemplate, &t)) {
        return -1;
    }
    HWND owner = nullptr;
    if (parent) {
        Window* p = Lookup(parent);
        if (!p) {
            SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
            return -1;
        }
        owner = TopLevelOf(p)->handle;
    }
    // The owner is disabled for as long as the box is up, so input cannot reach it.
    HWND disabled = nullptr;
    if (owner && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        disabled = owner;
    }
    HWND h = CreateDialogFromTemplate(instance, t, parent, dialogProc, initParam, true, disabled);
    if (!h) {
        if (disabled && IsWindow(disabled)) {
            EnableWindow(disabled, TRUE);
        }
        return -1;
    }
    INT_PTR result = -1;
    bool idleSent = false;
    while (true) {
        DialogInfo* info = DialogOf(h);
        if (!info) {
            break; // destroyed without EndDialog
        }
        if (info->ended) {
            result = info->result;
            break;
        }
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!idleSent && owner && !(t.style & DS_NOIDLEMSG)) {
                idleSent = true;
                SendMessageA(owner, WM_ENTERIDLE, 0 /* MSGF_DIALOGBOX */, (LPARAM)h);
                continue;
            }
            if (!GetMessageA(&msg, nullptr, 0, 0)) {
                PostQuitMessage((int)msg.wParam); // for the loop that owns the application
                break;
            }
        } else if (msg.message == WM_QUIT) {
            PostQuitMessage((int)msg.wParam);
            break;
        }
        idleSent = false;
        if (!IsWindow(h) || !IsDialogMessageA(h, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (DialogInfo* info = DialogOf(h)) {
        if (info->disabledOwner && IsWindow(info->disabledOwner)) {
            EnableWindow(info->disabledOwner, TRUE);
            info->disabledOwner = nullptr;
        }
    } else if (disabled && IsWindow(disabled)) {
        EnableWindow(disabled, TRUE);
    }
    if (IsWindow(h)) {
        DestroyWindow(h);
    }
    return result;
}

HWND WINAPI CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND parent,
                               DLGPROC dialogProc, LPARAM initParam) {
    const DLGTEMPLATE* t = templateName ? FindTemplate(instance, templateName) : nullptr;
    if (!t) {
        SetLastErrorValue(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return CreateDialogIndirectParamA(instance, t, parent, dialogProc, initParam);
}

INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND parent,
                               DLGPROC dialogProc, LPARAM initParam) {
    const DLGTEMPLATE* t = templateName ? FindTemplate(instance, templateName) : nullptr;
    if (!t) {
        SetLastErrorValue(ERROR_RESOURCE_NAME_NOT_FOUND);
        return -1;
    }
    return DialogBoxIndirectParamA(instance, t, parent, dialogProc, initParam);
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
    DialogInfo* info = DialogOf(dialog);
    if (!info) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    info->ended = true;
    info->result = result;
    if (info->disabledOwner && IsWindow(info->disabledOwner)) {
        HWND owner = info->disabledOwner;
        info->disabledOwner = nullptr;
        EnableWindow(owner, TRUE);
    }
    if (IsWindow(dialog)) {
        SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        // Wakes a modal loop waiting in GetMessageA, so it sees the end at once.
        PostMessageA(dialog, WM_NULL, 0, 0);
    }
    return TRUE;
}

BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect) {
    DialogInfo* info = DialogOf(dialog);
    if (!info || !rect) {
        SetLastErrorValue(info ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    rect->left = MulDiv(rect->left, info->baseX, 4);
    rect->right = MulDiv(rect->right, info->baseX, 4);
    rect->top = MulDiv(rect->top, info->baseY, 8);
    rect->bottom = MulDiv(rect->bottom, info->baseY, 8);
    return TRUE;
}

LONG WINAPI GetDialogBaseUnits() {
    return SystemBaseUnits();
}
