// The COMBOBOX window procedure: CBS_SIMPLE (an edit over a list that is always shown),
// CBS_DROPDOWN (an edit and a button that drops a pop-up list) and CBS_DROPDOWNLIST (a field that
// shows the selected item, and the same pop-up list). The items live in a LISTBOX (identifier
// 1000) that the combo box makes; the edit is an EDIT (identifier 1001), subclassed so that the
// arrow keys and F4 work the list.
//
// Index: state and layout; the drop-down; texts; painting; keys and clicks; CB_ messages; the
// window procedure.
#include "user/controls/combobox_control.h"
#include "user/controls/control_paint.h"
#include "user/controls/control_state.h"
#include "user/controls/list_notify.h"

#include <algorithm>
#include <string>

namespace user_controls {
namespace {

constexpr int kListId = 1000;
constexpr int kEditId = 1001;
constexpr const char* kEditSuperProperty = "ComboEditProc";

struct ComboState {
    HWND list = nullptr;
    HWND edit = nullptr;
    HFONT font = nullptr;
    int fieldHeight = 0;   // the edit or selection field with its frame
    int droppedHeight = 0; // the pop-up list's height, from the height the creator asked for
    bool dropped = false;
    bool focused = false; // a drop-down list combo (no edit) has the focus itself
    bool keying = false;  // a key is being passed to the list: its selection change is no choice
};

// ---- state and layout ----

UINT Kind(HWND hwnd) {
    return StyleOf(hwnd) & 3;
}

bool HasEdit(HWND hwnd) {
    return Kind(hwnd) != CBS_DROPDOWNLIST;
}

bool HasButton(HWND hwnd) {
    return Kind(hwnd) != CBS_SIMPLE;
}

RECT ButtonRect(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const ComboState* state = StateOf<ComboState>(hwnd);
    const int height = state != nullptr ? state->fieldHeight : client.bottom;
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    return RECT{client.right - 2 - width, 2, client.right - 2, height - 2};
}

void Layout(HWND hwnd, ComboState& state) {
    RECT client{};
    GetClientRect(hwnd, &client);
    state.fieldHeight = FontLineHeight(state.font) + 8;
    if (Kind(hwnd) == CBS_SIMPLE) {
        if (state.edit != nullptr) {
            MoveWindow(state.edit, 0, 0, client.right, state.fieldHeight, TRUE);
        }
        if (state.list != nullptr) {
            MoveWindow(state.list, 0, state.fieldHeight, client.right,
                       std::max(0, static_cast<int>(client.bottom) - state.fieldHeight), TRUE);
        }
        return;
    }
    if (state.edit != nullptr) {
        const RECT button = ButtonRect(hwnd);
        MoveWindow(state.edit, 3, 3, std::max(0, static_cast<int>(button.left) - 3),
                   state.fieldHeight - 6, TRUE);
    }
}

// ---- the drop-down ----

void Notify(HWND hwnd, UINT code) {
    NotifyParent(hwnd, code);
}

void CloseUp(HWND hwnd, ComboState& state) {
    if (!state.dropped) {
        return;
    }
    state.dropped = false;
    ShowWindow(state.list, SW_HIDE);
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(hwnd, CBN_CLOSEUP);
}

void DropDown(HWND hwnd, ComboState& state) {
    if (state.dropped || !HasButton(hwnd) || state.list == nullptr) {
        return;
    }
    Notify(hwnd, CBN_DROPDOWN);
    if (!StillAttached(hwnd, &state)) {
        return;
    }
    RECT window{};
    GetWindowRect(hwnd, &window);
    const int count = static_cast<int>(SendMessageA(state.list, LB_GETCOUNT, 0, 0));
    const int itemHeight = static_cast<int>(SendMessageA(state.list, LB_GETITEMHEIGHT, 0, 0));
    // As tall as the creator asked for, less the field, but no taller than the items need.
    const int wanted = std::max(itemHeight, state.droppedHeight - state.fieldHeight);
    const int height = std::min(wanted, std::max(1, count) * itemHeight) + 2;
    SetWindowPos(state.list, HWND_TOP, window.left, window.top + state.fieldHeight,
                 window.right - window.left, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    const int current = static_cast<int>(SendMessageA(state.list, LB_GETCURSEL, 0, 0));
    if (current >= 0) {
        SendMessageA(state.list, LB_SETTOPINDEX, current, 0);
    }
    state.dropped = true;
    InvalidateRect(hwnd, nullptr, TRUE);
}

// ---- texts ----

std::string ItemText(const ComboState& state, int index) {
    const LRESULT length = SendMessageA(state.list, LB_GETTEXTLEN, index, 0);
    if (length < 0) {
        return std::string();
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    SendMessageA(state.list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    return text;
}

int Current(const ComboState& state) {
    return static_cast<int>(SendMessageA(state.list, LB_GETCURSEL, 0, 0));
}

// The field shows the selected item: the edit gets its text, selected whole.
void ShowSelection(HWND hwnd, ComboState& state) {
    if (state.edit != nullptr) {
        const int current = Current(state);
        const std::string text = current >= 0 ? ItemText(state, current) : std::string();
        SetWindowTextA(state.edit, text.c_str());
        SendMessageA(state.edit, EM_SETSEL, 0, -1);
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT GetText(HWND hwnd, const ComboState& state, WPARAM size, LPARAM buffer) {
    if (state.edit != nullptr) {
        return SendMessageA(state.edit, WM_GETTEXT, size, buffer);
    }
    char* out = reinterpret_cast<char*>(buffer);
    if (out == nullptr || size == 0) {
        return 0;
    }
    const int current = Current(state);
    const std::string text = current >= 0 ? ItemText(state, current) : std::string();
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(size) - 1);
    text.copy(out, n);
    out[n] = '\0';
    (void)hwnd;
    return static_cast<LRESULT>(n);
}

// ---- painting ----

void PaintField(HWND hwnd, const ComboState& state, HDC hdc) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const RECT field{0, 0, client.right, state.fieldHeight};
    HBRUSH parentBrush =
        ControlColor(hwnd, hdc, WM_CTLCOLORSTATIC, COLOR_BTNFACE, COLOR_WINDOWTEXT);
    if (Kind(hwnd) == CBS_SIMPLE) {
        // The edit and the list cover everything but what lies between them.
        FillRect(hdc, &client, parentBrush);
        return;
    }
    const RECT inside = DrawSunkenFrame(hdc, field);
    HBRUSH background = ControlColor(hwnd, hdc, WM_CTLCOLOREDIT, COLOR_WINDOW, COLOR_WINDOWTEXT);
    FillRect(hdc, &inside, background);
    if (client.bottom > state.fieldHeight) {
        const RECT below{0, state.fieldHeight, client.right, client.bottom};
        FillRect(hdc, &below, parentBrush);
    }
    const RECT button = ButtonRect(hwnd);
    RECT face = state.dropped ? DrawRing(hdc, button, COLOR_3DSHADOW, COLOR_3DSHADOW)
                              : DrawScrollFrame(hdc, button);
    FillSysColor(hdc, face, COLOR_3DFACE);
    const int shift = state.dropped ? 1 : 0;
    DrawArrowGlyph(hdc, button, ArrowDirection::Down,
                   IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT, shift, shift);
    if (HasEdit(hwnd)) {
        return;
    }
    RECT text{inside.left + 1, inside.top + 1, button.left - 1, inside.bottom - 1};
    const bool highlight = state.focused && !state.dropped;
    if (highlight) {
        FillRect(hdc, &text, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else if (!IsWindowEnabled(hwnd)) {
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    }
    const int current = Current(state);
    if (current >= 0) {
        const std::string label = ItemText(state, current);
        HGDIOBJ oldFont = SelectObject(hdc, FontOrSystem(state.font));
        const int oldMode = SetBkMode(hdc, TRANSPARENT);
        RECT area{text.left + 1, text.top, text.right, text.bottom};
        DrawTextA(hdc, label.c_str(), static_cast<int>(label.size()), &area,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        SetBkMode(hdc, oldMode);
        SelectObject(hdc, oldFont);
    }
    if (highlight) {
        DrawFocusRect(hdc, &text);
    }
}

// ---- keys and clicks ----

// Keys that work the list whether the combo box or its edit has the focus. True when handled.
bool OnListKey(HWND hwnd, ComboState& state, WPARAM key) {
    const bool alt = (GetKeyState(VK_MENU) & 0x8000) != 0;
    if (key == VK_F4 || (alt && (key == VK_DOWN || key == VK_UP))) {
        if (state.dropped) {
            CloseUp(hwnd, state);
        } else {
            DropDown(hwnd, state);
        }
        return true;
    }
    if (state.dropped && (key == VK_RETURN || key == VK_ESCAPE)) {
        CloseUp(hwnd, state);
        return true;
    }
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
        if (state.edit != nullptr && (key == VK_HOME || key == VK_END) && !state.dropped) {
            return false; // the edit's own caret keys
        }
        state.keying = true;
        SendMessageA(state.list, WM_KEYDOWN, key, 0);
        if (StillAttached(hwnd, &state)) {
            state.keying = false;
        }
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK EditSubclassProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC super = reinterpret_cast<WNDPROC>(GetPropA(edit, kEditSuperProperty));
    HWND combo = GetParent(edit);
    ComboState* state = combo != nullptr ? StateOf<ComboState>(combo) : nullptr;
    if (state != nullptr && state->edit == edit) {
        if (message == WM_KEYDOWN && OnListKey(combo, *state, wParam)) {
            return 0;
        }
        if (message == WM_GETDLGCODE) {
            LRESULT code =
                super != nullptr ? CallWindowProcA(super, edit, message, wParam, lParam) : 0;
            // While the list is down, Enter and Escape close it rather than the dialog.
            return state->dropped ? code | DLGC_WANTALLKEYS : code;
        }
    }
    if (message == WM_NCDESTROY) {
        RemovePropA(edit, kEditSuperProperty);
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super));
    }
    return super != nullptr ? CallWindowProcA(super, edit, message, wParam, lParam)
                            : DefWindowProcA(edit, message, wParam, lParam);
}

void OnButtonDown(HWND hwnd, ComboState& state, LPARAM point) {
    const POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    HWND focusTarget = state.edit != nullptr ? state.edit : hwnd;
    if (GetFocus() != focusTarget) {
        SetFocus(focusTarget);
        if (!StillAttached(hwnd, &state)) {
            return;
        }
    }
    const RECT button = ButtonRect(hwnd);
    if (!HasButton(hwnd)) {
        return;
    }
    if (HasEdit(hwnd) && !PtInRect(&button, at)) {
        return;
    }
    if (state.dropped) {
        CloseUp(hwnd, state);
    } else {
        DropDown(hwnd, state);
    }
}

// The list (or the edit) reports through WM_COMMAND.
void OnChildCommand(HWND hwnd, ComboState& state, WPARAM wParam, LPARAM lParam) {
    const UINT code = HIWORD(wParam);
    HWND from = reinterpret_cast<HWND>(lParam);
    if (from == state.list && from != nullptr) {
        switch (code) {
        case LBN_SELCHANGE:
            ShowSelection(hwnd, state);
            Notify(hwnd, CBN_SELCHANGE);
            break;
        case LBN_DBLCLK:
            if (Kind(hwnd) == CBS_SIMPLE) {
                Notify(hwnd, CBN_DBLCLK);
            }
            break;
        case kListChosen:
            Notify(hwnd, CBN_SELENDOK);
            if (StillAttached(hwnd, &state)) {
                CloseUp(hwnd, state);
            }
            break;
        default:
            break;
        }
        return;
    }
    if (from == state.edit && from != nullptr) {
        switch (code) {
        case EN_CHANGE:
            Notify(hwnd, CBN_EDITCHANGE);
            break;
        case EN_UPDATE:
            Notify(hwnd, CBN_EDITUPDATE);
            break;
        case EN_SETFOCUS:
            Notify(hwnd, CBN_SETFOCUS);
            break;
        case EN_KILLFOCUS:
            CloseUp(hwnd, state);
            if (StillAttached(hwnd, &state)) {
                Notify(hwnd, CBN_KILLFOCUS);
            }
            break;
        default:
            break;
        }
    }
}

// ---- CB_ messages ----

UINT ListMessageFor(UINT message) {
    switch (message) {
    case CB_ADDSTRING:
        return LB_ADDSTRING;
    case CB_INSERTSTRING:
        return LB_INSERTSTRING;
    case CB_DELETESTRING:
        return LB_DELETESTRING;
    case CB_GETCOUNT:
        return LB_GETCOUNT;
    case CB_GETLBTEXT:
        return LB_GETTEXT;
    case CB_GETLBTEXTLEN:
        return LB_GETTEXTLEN;
    case CB_FINDSTRING:
        return LB_FINDSTRING;
    case CB_FINDSTRINGEXACT:
        return LB_FINDSTRINGEXACT;
    case CB_GETITEMDATA:
        return LB_GETITEMDATA;
    case CB_SETITEMDATA:
        return LB_SETITEMDATA;
    case CB_GETITEMHEIGHT:
        return LB_GETITEMHEIGHT;
    case CB_GETCURSEL:
        return LB_GETCURSEL;
    default:
        return 0;
    }
}

LRESULT ComboMessage(HWND hwnd, ComboState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (state.list == nullptr) {
        return CB_ERR;
    }
    if (const UINT listMessage = ListMessageFor(message)) {
        const LRESULT result = SendMessageA(state.list, listMessage, wParam, lParam);
        if (message == CB_DELETESTRING && StillAttached(hwnd, &state) && Current(state) < 0) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return result;
    }
    switch (message) {
    case CB_RESETCONTENT:
        SendMessageA(state.list, LB_RESETCONTENT, 0, 0);
        if (state.edit != nullptr) {
            SetWindowTextA(state.edit, "");
        }
        InvalidateRect(hwnd, nullptr, TRUE);
        return CB_OKAY;
    case CB_SETCURSEL: {
        const LRESULT result = SendMessageA(state.list, LB_SETCURSEL, wParam, 0);
        ShowSelection(hwnd, state);
        return result;
    }
    case CB_SELECTSTRING: {
        const LRESULT found = SendMessageA(state.list, LB_FINDSTRING, wParam, lParam);
        if (found >= 0) {
            SendMessageA(state.list, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
            ShowSelection(hwnd, state);
        }
        return found;
    }
    case CB_SHOWDROPDOWN:
        if (wParam != 0) {
            DropDown(hwnd, state);
        } else {
            CloseUp(hwnd, state);
        }
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return state.dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: {
        RECT* out = reinterpret_cast<RECT*>(lParam);
        if (out == nullptr) {
            return CB_ERR;
        }
        GetWindowRect(hwnd, out);
        out->bottom = out->top + std::max(state.fieldHeight, state.droppedHeight);
        return TRUE;
    }
    case CB_LIMITTEXT:
        if (state.edit == nullptr) {
            return CB_ERR;
        }
        SendMessageA(state.edit, EM_LIMITTEXT, wParam, 0);
        return TRUE;
    case CB_GETEDITSEL:
        return state.edit != nullptr ? SendMessageA(state.edit, EM_GETSEL, wParam, lParam) : CB_ERR;
    case CB_SETEDITSEL:
        if (state.edit == nullptr) {
            return CB_ERR;
        }
        SendMessageA(state.edit, EM_SETSEL, static_cast<WPARAM>(static_cast<short>(LOWORD(lParam))),
                     static_cast<short>(HIWORD(lParam)));
        return TRUE;
    case CB_SETITEMHEIGHT:
        return SendMessageA(state.list, LB_SETITEMHEIGHT, 0, lParam);
    default:
        return CB_ERR;
    }
}

// ---- the window procedure ----

void OnCreate(HWND hwnd, ComboState& state, const CREATESTRUCTA* create) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE));
    state.droppedHeight = create != nullptr ? create->cy : 0;
    state.fieldHeight = FontLineHeight(state.font) + 8;
    const DWORD style = StyleOf(hwnd);
    DWORD listStyle = LBS_NOTIFY | WS_VSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT;
    if ((style & CBS_SORT) != 0) {
        listStyle |= LBS_SORT;
    }
    if (Kind(hwnd) == CBS_SIMPLE) {
        state.list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | listStyle, 0, 0, 0,
                                     0, hwnd, reinterpret_cast<HMENU>(kListId), instance, nullptr);
    } else {
        state.list = CreateWindowExA(WS_EX_TOOLWINDOW, "LISTBOX", "", WS_POPUP | listStyle, 0, 0, 0,
                                     0, hwnd, reinterpret_cast<HMENU>(kListId), instance, nullptr);
        if (state.list != nullptr) {
            SetPropA(state.list, kComboProperty, hwnd);
        }
        // The control itself is as tall as its field; the rest was the list's height.
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        SetWindowPos(hwnd, nullptr, 0, 0, rect.right - rect.left, state.fieldHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (HasEdit(hwnd)) {
        DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
        if (Kind(hwnd) == CBS_SIMPLE) {
            editStyle |= WS_BORDER;
        }
        state.edit = CreateWindowExA(0, "EDIT", "", editStyle, 0, 0, 0, 0, hwnd,
                                     reinterpret_cast<HMENU>(kEditId), instance, nullptr);
        if (state.edit != nullptr) {
            const LONG_PTR super = GetWindowLongPtrA(state.edit, GWLP_WNDPROC);
            SetPropA(state.edit, kEditSuperProperty, reinterpret_cast<HANDLE>(super));
            SetWindowLongPtrA(state.edit, GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(&EditSubclassProc));
        }
    }
    Layout(hwnd, state);
}

LRESULT ComboBoxMessage(HWND hwnd, ComboState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        // The scroll-bar styles are the list's, not the combo box's own.
        SetWindowLongA(
            hwnd, GWL_STYLE,
            static_cast<LONG>(StyleOf(hwnd) & ~static_cast<DWORD>(WS_VSCROLL | WS_HSCROLL)));
        break;
    case WM_CREATE:
        OnCreate(hwnd, state, reinterpret_cast<const CREATESTRUCTA*>(lParam));
        return state.list != nullptr ? 0 : -1;
    case WM_DESTROY:
        // The drop-down list is a pop-up, not a child: it goes with the combo box.
        if (state.list != nullptr && Kind(hwnd) != CBS_SIMPLE) {
            HWND list = state.list;
            state.list = nullptr;
            DestroyWindow(list);
        }
        return 0;
    case WM_SIZE:
        Layout(hwnd, state);
        return 0;
    case WM_PAINT: {
        PaintScope paint(hwnd, wParam);
        PaintField(hwnd, state, paint.dc());
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFONT:
        state.font = reinterpret_cast<HFONT>(wParam);
        if (state.edit != nullptr) {
            SendMessageA(state.edit, WM_SETFONT, wParam, lParam);
        }
        if (state.list != nullptr) {
            SendMessageA(state.list, WM_SETFONT, wParam, lParam);
        }
        if (Kind(hwnd) != CBS_SIMPLE) {
            RECT rect{};
            GetWindowRect(hwnd, &rect);
            state.fieldHeight = FontLineHeight(state.font) + 8;
            SetWindowPos(hwnd, nullptr, 0, 0, rect.right - rect.left, state.fieldHeight,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        Layout(hwnd, state);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state.font);
    case WM_SETTEXT:
        if (state.edit != nullptr) {
            return SendMessageA(state.edit, WM_SETTEXT, wParam, lParam);
        } else {
            const LRESULT found =
                SendMessageA(state.list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lParam);
            if (found < 0) {
                return CB_ERR;
            }
            SendMessageA(state.list, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
            InvalidateRect(hwnd, nullptr, TRUE);
            return TRUE;
        }
    case WM_GETTEXT:
        return GetText(hwnd, state, wParam, lParam);
    case WM_GETTEXTLENGTH: {
        if (state.edit != nullptr) {
            return GetWindowTextLengthA(state.edit);
        }
        const int current = Current(state);
        return current >= 0 ? SendMessageA(state.list, LB_GETTEXTLEN, current, 0) : 0;
    }
    case WM_ENABLE:
        if (state.edit != nullptr) {
            EnableWindow(state.edit, wParam != 0);
        }
        if (state.list != nullptr) {
            EnableWindow(state.list, wParam != 0);
        }
        if (wParam == 0) {
            CloseUp(hwnd, state);
        }
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_SETFOCUS:
        if (state.edit != nullptr) {
            SetFocus(state.edit);
            SendMessageA(state.edit, EM_SETSEL, 0, -1);
            return 0;
        }
        state.focused = true;
        InvalidateRect(hwnd, nullptr, TRUE);
        Notify(hwnd, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        if (state.edit == nullptr) {
            state.focused = false;
            CloseUp(hwnd, state);
            InvalidateRect(hwnd, nullptr, TRUE);
            if (StillAttached(hwnd, &state)) {
                Notify(hwnd, CBN_KILLFOCUS);
            }
        }
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (state.dropped ? DLGC_WANTALLKEYS : 0);
    case WM_KEYDOWN:
        if (OnListKey(hwnd, state, wParam)) {
            return 0;
        }
        break;
    case WM_CHAR:
        if (state.edit == nullptr && state.list != nullptr) {
            state.keying = true;
            SendMessageA(state.list, WM_CHAR, wParam, lParam);
            if (StillAttached(hwnd, &state)) {
                state.keying = false;
            }
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(hwnd, state, lParam);
        return 0;
    case WM_COMMAND:
        OnChildCommand(hwnd, state, wParam, lParam);
        return 0;
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
        // The combo box's parent chooses the colours of its parts.
        if (HWND parent = GetParent(hwnd)) {
            return SendMessageA(parent, message, wParam, lParam);
        }
        break;
    default:
        if (message >= CB_GETEDITSEL && message <= CB_FINDSTRINGEXACT) {
            return ComboMessage(hwnd, state, message, wParam, lParam);
        }
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

LRESULT CALLBACK ComboBoxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchWithState<ComboState>(hwnd, message, wParam, lParam, ComboBoxMessage);
}

} // namespace user_controls
