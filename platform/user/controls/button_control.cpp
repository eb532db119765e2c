// The BUTTON window procedure: push and default push buttons, check boxes, radio buttons, group
// boxes and owner-drawn buttons. A button clicks (BN_CLICKED to the parent) when the left button
// is released over it or the space bar is released while it has the focus.
//
// Index: state; owner draw; pressing and clicking; BM_ messages; the window procedure. The
// drawing of the built-in kinds is in button_paint.cpp.
#include "user/controls/button_control.h"
#include "user/controls/button_paint.h"
#include "user/controls/control_state.h"

namespace user_controls {
namespace {

// ---- state ----

bool IsCheckKind(UINT kind) {
    return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE ||
           kind == BS_AUTO3STATE || kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
}

bool IsRadio(UINT kind) {
    return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
}

ButtonLook LookOf(HWND hwnd, const ButtonState& state) {
    ButtonLook look;
    look.kind = ButtonKind(hwnd);
    look.check = state.check;
    look.pushed = state.pushed;
    look.focused = state.focused;
    look.enabled = IsWindowEnabled(hwnd) != FALSE;
    return look;
}

// ---- owner draw ----

// Owner-drawn buttons paint through their parent: one WM_DRAWITEM per paint and per change of
// the pressed or focus state, on a DC of the button.
void SendDrawItem(HWND hwnd, const ButtonState& state, HDC hdc, UINT action) {
    HWND parent = GetParent(hwnd);
    if (parent == nullptr) {
        return;
    }
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetWindowLongPtrA(hwnd, GWLP_ID));
    item.itemAction = action;
    item.itemState = (state.pushed ? ODS_SELECTED : 0u) | (state.focused ? ODS_FOCUS : 0u) |
                     (IsWindowEnabled(hwnd) ? 0u : static_cast<UINT>(ODS_DISABLED));
    item.hwndItem = hwnd;
    item.hDC = hdc;
    GetClientRect(hwnd, &item.rcItem);
    SendMessageA(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

// Shows a state change now: owner-drawn buttons are told what changed, others repaint.
void Redraw(HWND hwnd, const ButtonState& state, UINT ownerDrawAction) {
    if (ButtonKind(hwnd) != BS_OWNERDRAW) {
        InvalidateRect(hwnd, nullptr, FALSE);
        return;
    }
    if (!IsWindowVisible(hwnd)) {
        return;
    }
    HDC hdc = GetDC(hwnd);
    if (hdc != nullptr) {
        SendDrawItem(hwnd, state, hdc, ownerDrawAction);
        ReleaseDC(hwnd, hdc);
    }
}

void Paint(HWND hwnd, const ButtonState& state, HDC hdc) {
    if (ButtonKind(hwnd) == BS_OWNERDRAW) {
        SendDrawItem(hwnd, state, hdc, ODA_DRAWENTIRE);
        return;
    }
    PaintButton(hwnd, state.font, LookOf(hwnd, state), hdc);
}

// ---- pressing and clicking ----

void SetPushed(HWND hwnd, ButtonState& state, bool pushed) {
    if (state.pushed != pushed) {
        state.pushed = pushed;
        Redraw(hwnd, state, ODA_SELECT);
    }
}

void SetCheck(HWND hwnd, ButtonState& state, UINT check) {
    const UINT kind = ButtonKind(hwnd);
    if (!IsCheckKind(kind)) {
        return;
    }
    if (check > BST_INDETERMINATE ||
        (check == BST_INDETERMINATE && kind != BS_3STATE && kind != BS_AUTO3STATE)) {
        check = check == BST_INDETERMINATE ? BST_CHECKED : check & BST_CHECKED;
    }
    if (state.check != check) {
        state.check = check;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
}

// An automatic radio button that gets checked unchecks the other automatic radio buttons of its
// group: the siblings from the previous WS_GROUP control up to the next one.
void UncheckGroupSiblings(HWND hwnd) {
    HWND first = hwnd;
    while ((StyleOf(first) & WS_GROUP) == 0) {
        HWND previous = GetWindow(first, GW_HWNDPREV);
        if (previous == nullptr) {
            break;
        }
        first = previous;
    }
    for (HWND sibling = first; sibling != nullptr; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != first && (StyleOf(sibling) & WS_GROUP) != 0) {
            break;
        }
        if (sibling != hwnd && (StyleOf(sibling) & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
            SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
}

void Click(HWND hwnd, ButtonState& state) {
    switch (ButtonKind(hwnd)) {
    case BS_AUTOCHECKBOX:
        SetCheck(hwnd, state, state.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTO3STATE:
        SetCheck(hwnd, state, (state.check + 1) % 3);
        break;
    case BS_AUTORADIOBUTTON:
        SetCheck(hwnd, state, BST_CHECKED);
        UncheckGroupSiblings(hwnd);
        break;
    default:
        break;
    }
    // The state may be gone from here on: the parent can destroy the button on the click.
    NotifyParent(hwnd, BN_CLICKED);
}

bool PointInClient(HWND hwnd, LPARAM point) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const int x = GET_X_LPARAM(point);
    const int y = GET_Y_LPARAM(point);
    return x >= client.left && x < client.right && y >= client.top && y < client.bottom;
}

void OnButtonDown(HWND hwnd, ButtonState& state) {
    if (ButtonKind(hwnd) != BS_GROUPBOX && GetFocus() != hwnd) {
        SetFocus(hwnd);
        if (!StillAttached(hwnd, &state)) {
            return;
        }
    }
    state.tracking = true;
    SetCapture(hwnd);
    SetPushed(hwnd, state, true);
}

void OnButtonUp(HWND hwnd, ButtonState& state, LPARAM point) {
    if (!state.tracking) {
        return;
    }
    state.tracking = false;
    const bool clicked = state.pushed && PointInClient(hwnd, point);
    SetPushed(hwnd, state, false);
    if (GetCapture() == hwnd) {
        ReleaseCapture();
    }
    if (clicked && StillAttached(hwnd, &state)) {
        Click(hwnd, state);
    }
}

void CancelPress(HWND hwnd, ButtonState& state) {
    const bool captured = state.tracking;
    state.tracking = false;
    state.spaceDown = false;
    SetPushed(hwnd, state, false);
    if (captured && GetCapture() == hwnd) {
        ReleaseCapture();
    }
}

// ---- BM_ messages and the rest ----

LRESULT DialogCode(HWND hwnd) {
    switch (ButtonKind(hwnd)) {
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        // Owner-drawn buttons do not take part in the dialog's default-button switching, which
        // would otherwise turn them into plain push buttons through BM_SETSTYLE.
        return DLGC_BUTTON;
    }
}

void SetStyle(HWND hwnd, WPARAM style, bool redraw) {
    const DWORD current = StyleOf(hwnd);
    DWORD kind = static_cast<DWORD>(style) & BS_TYPEMASK;
    if ((current & BS_TYPEMASK) == BS_OWNERDRAW) {
        kind = BS_OWNERDRAW;
    }
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>((current & ~BS_TYPEMASK) | kind));
    if (redraw) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

LRESULT ButtonMessage(HWND hwnd, ButtonState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDBLCLK: {
        const UINT kind = ButtonKind(hwnd);
        if ((StyleOf(hwnd) & BS_NOTIFY) != 0 || IsRadio(kind) || kind == BS_OWNERDRAW) {
            NotifyParent(hwnd, BN_DOUBLECLICKED);
            return 0;
        }
        OnButtonDown(hwnd, state);
        return 0;
    }
    case WM_LBUTTONDOWN:
        OnButtonDown(hwnd, state);
        return 0;
    case WM_MOUSEMOVE:
        if (state.tracking) {
            SetPushed(hwnd, state, PointInClient(hwnd, lParam));
        }
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(hwnd, state, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        if (state.tracking && reinterpret_cast<HWND>(lParam) != hwnd) {
            CancelPress(hwnd, state);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            if (!state.spaceDown) {
                state.spaceDown = true;
                SetPushed(hwnd, state, true);
            }
            return 0;
        }
        break;
    case WM_KEYUP:
        if (wParam == VK_SPACE) {
            if (state.spaceDown) {
                state.spaceDown = false;
                SetPushed(hwnd, state, false);
                if (StillAttached(hwnd, &state)) {
                    Click(hwnd, state);
                }
            }
            return 0;
        }
        break;
    case WM_SETFOCUS:
        state.focused = true;
        Redraw(hwnd, state, ODA_FOCUS);
        if ((StyleOf(hwnd) & BS_NOTIFY) != 0) {
            NotifyParent(hwnd, BN_SETFOCUS);
        }
        return 0;
    case WM_KILLFOCUS:
        state.focused = false;
        CancelPress(hwnd, state);
        Redraw(hwnd, state, ODA_FOCUS);
        if ((StyleOf(hwnd) & BS_NOTIFY) != 0) {
            NotifyParent(hwnd, BN_KILLFOCUS);
        }
        return 0;
    case WM_ENABLE:
        if (wParam == 0) {
            CancelPress(hwnd, state);
        }
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETDLGCODE:
        return DialogCode(hwnd);
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_GETFONT:
        return TextAndFontMessage(hwnd, state.font, message, wParam, lParam);
    case WM_ERASEBKGND:
        return 1; // WM_PAINT (or the owner) covers every pixel
    case WM_PAINT: {
        PaintScope paint(hwnd, wParam);
        Paint(hwnd, state, paint.dc());
        return 0;
    }
    case BM_GETCHECK:
        return state.check;
    case BM_SETCHECK:
        SetCheck(hwnd, state, static_cast<UINT>(wParam));
        return 0;
    case BM_GETSTATE:
        return state.check | (state.pushed ? BST_PUSHED : 0) | (state.focused ? BST_FOCUS : 0);
    case BM_SETSTATE:
        SetPushed(hwnd, state, wParam != 0);
        return 0;
    case BM_SETSTYLE:
        SetStyle(hwnd, wParam, LOWORD(lParam) != 0);
        return 0;
    case BM_CLICK:
        // As a mouse click at the button's corner: focus, press, release, BN_CLICKED.
        if (IsWindowEnabled(hwnd)) {
            SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
            SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
        }
        return 0;
    case BM_SETIMAGE:
    case BM_GETIMAGE:
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

LRESULT CALLBACK ButtonWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchWithState<ButtonState>(hwnd, message, wParam, lParam, ButtonMessage);
}

} // namespace user_controls
