// The LISTBOX window procedure: single, multiple and extended selection, LBS_SORT, owner-drawn
// fixed-height items, the LB_ messages, LBN_ notifications, keyboard with type-ahead, mouse
// selection, and a vertical window scroll bar. Only the items in view are painted.
//
// Index: state and style; geometry and scrolling; selection; notifications; painting; mouse;
// keyboard; LB_ messages; the window procedure.
#include "user/controls/control_state.h"
#include "user/controls/list_items.h"
#include "user/controls/list_notify.h"
#include "user/controls/listbox_control.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

namespace user_controls {
namespace {

// Typed letters within this time of each other extend one search ("ab" finds "About").
constexpr DWORD kTypeAheadMs = 1000;

struct ListBoxState {
    ListItems items;
    HFONT font = nullptr;
    int itemHeight = 0;
    int top = 0;
    int current = -1; // the selected item of a single-selection list
    int caret = 0;    // the item with the focus rectangle
    int anchor = 0;   // where a shift-extended selection starts
    bool focused = false;
    bool tracking = false; // the left button went down on the list and is held
    std::string typed;
    DWORD typedAt = 0;
    // Made with WS_VSCROLL: the bar hides while everything fits, which takes the style away.
    bool vscroll = false;
};

// ---- state and style ----

bool IsMulti(HWND hwnd) {
    return (StyleOf(hwnd) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

bool IsOwnerDraw(HWND hwnd) {
    return (StyleOf(hwnd) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

// An owner-drawn list without LBS_HASSTRINGS keeps only the caller's item data.
bool HasStrings(HWND hwnd) {
    return !IsOwnerDraw(hwnd) || (StyleOf(hwnd) & LBS_HASSTRINGS) != 0;
}

bool Notifies(HWND hwnd) {
    return (StyleOf(hwnd) & LBS_NOTIFY) != 0;
}

int Count(const ListBoxState& state) {
    return static_cast<int>(state.items.size());
}

bool Valid(const ListBoxState& state, int index) {
    return index >= 0 && index < Count(state);
}

void MeasureOwnerDraw(HWND hwnd, ListBoxState& state) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_LISTBOX;
    measure.CtlID = static_cast<UINT>(GetWindowLongPtrA(hwnd, GWLP_ID));
    measure.itemHeight = static_cast<UINT>(state.itemHeight);
    RECT client{};
    GetClientRect(hwnd, &client);
    measure.itemWidth = static_cast<UINT>(client.right);
    if (HWND parent = GetParent(hwnd)) {
        SendMessageA(parent, WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
    }
    if (measure.itemHeight > 0 && measure.itemHeight < 256) {
        state.itemHeight = static_cast<int>(measure.itemHeight);
    }
}

// ---- geometry and scrolling ----

int ClientHeight(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    return client.bottom - client.top;
}

// Whole items that fit; at least one, so paging always moves.
int PageSize(HWND hwnd, const ListBoxState& state) {
    return std::max(1, ClientHeight(hwnd) / std::max(1, state.itemHeight));
}

int MaxTop(HWND hwnd, const ListBoxState& state) {
    return std::max(0, Count(state) - PageSize(hwnd, state));
}

void UpdateScrollBar(HWND hwnd, const ListBoxState& state) {
    if (!state.vscroll) {
        return;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if ((StyleOf(hwnd) & LBS_DISABLENOSCROLL) != 0) {
        info.fMask |= SIF_DISABLENOSCROLL;
    }
    info.nMin = 0;
    info.nMax = std::max(0, Count(state) - 1);
    info.nPage = static_cast<UINT>(PageSize(hwnd, state));
    info.nPos = state.top;
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
}

void SetTop(HWND hwnd, ListBoxState& state, int top) {
    top = std::max(0, std::min(top, MaxTop(hwnd, state)));
    if (top != state.top) {
        state.top = top;
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    UpdateScrollBar(hwnd, state);
}

void EnsureVisible(HWND hwnd, ListBoxState& state, int index) {
    if (!Valid(state, index)) {
        return;
    }
    const int page = PageSize(hwnd, state);
    if (index < state.top) {
        SetTop(hwnd, state, index);
    } else if (index >= state.top + page) {
        SetTop(hwnd, state, index - page + 1);
    }
}

RECT ItemRect(HWND hwnd, const ListBoxState& state, int index) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const int y = (index - state.top) * state.itemHeight;
    return RECT{0, y, client.right, y + state.itemHeight};
}

void InvalidateItem(HWND hwnd, const ListBoxState& state, int index) {
    if (Valid(state, index)) {
        const RECT rect = ItemRect(hwnd, state, index);
        InvalidateRect(hwnd, &rect, TRUE);
    }
}

// The item under a client point; outside is set when the point lies beyond the items or the
// client area, and the nearest item is returned.
int ItemAt(HWND hwnd, const ListBoxState& state, POINT point, bool* outside) {
    RECT client{};
    GetClientRect(hwnd, &client);
    *outside = !PtInRect(&client, point);
    if (Count(state) == 0) {
        *outside = true;
        return 0;
    }
    int index = state.top + (point.y < 0 ? -1 : point.y / std::max(1, state.itemHeight));
    if (index >= Count(state)) {
        *outside = true;
        index = Count(state) - 1;
    }
    return std::max(0, index);
}

// ---- selection ----

bool IsSelected(const ListBoxState& state, HWND hwnd, int index) {
    if (!Valid(state, index)) {
        return false;
    }
    return IsMulti(hwnd) ? state.items.at(static_cast<std::size_t>(index)).selected
                         : state.current == index;
}

void SetCaret(HWND hwnd, ListBoxState& state, int index) {
    if (index != state.caret) {
        InvalidateItem(hwnd, state, state.caret);
        state.caret = index;
        InvalidateItem(hwnd, state, state.caret);
    }
    EnsureVisible(hwnd, state, index);
}

// Single selection: returns whether it changed.
bool SelectOne(HWND hwnd, ListBoxState& state, int index) {
    if (!Valid(state, index)) {
        index = -1;
    }
    if (index == state.current) {
        return false;
    }
    InvalidateItem(hwnd, state, state.current);
    state.current = index;
    InvalidateItem(hwnd, state, state.current);
    return true;
}

bool SetItemSelected(HWND hwnd, ListBoxState& state, int index, bool on) {
    ListItem& item = state.items.at(static_cast<std::size_t>(index));
    if (item.selected == on) {
        return false;
    }
    item.selected = on;
    InvalidateItem(hwnd, state, index);
    return true;
}

// Multiple selection: selects exactly [first, last] (either order). Returns whether it changed.
bool SelectOnlyRange(HWND hwnd, ListBoxState& state, int first, int last) {
    if (first > last) {
        std::swap(first, last);
    }
    bool changed = false;
    state.items.forRange(0, state.items.size(), [&](std::size_t i, ListItem& item) {
        const bool on = static_cast<int>(i) >= first && static_cast<int>(i) <= last;
        if (item.selected != on) {
            item.selected = on;
            changed = true;
        }
    });
    if (changed) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    return changed;
}

// ---- notifications ----

// To the parent, or to the combo box whose drop-down list this is.
void Notify(HWND hwnd, UINT code) {
    HWND combo = static_cast<HWND>(GetPropA(hwnd, kComboProperty));
    if (combo == nullptr) {
        NotifyParent(hwnd, code);
        return;
    }
    const UINT id = static_cast<UINT>(GetWindowLongPtrA(hwnd, GWLP_ID));
    SendMessageA(combo, WM_COMMAND, MAKEWPARAM(id & 0xFFFF, code), reinterpret_cast<LPARAM>(hwnd));
}

void NotifySelChange(HWND hwnd) {
    if (Notifies(hwnd)) {
        Notify(hwnd, LBN_SELCHANGE);
    }
}

// ---- painting ----

void DrawOwnerItem(HWND hwnd, const ListBoxState& state, HDC hdc, int index, const RECT& rect,
                   const ListItem& item) {
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_LISTBOX;
    draw.CtlID = static_cast<UINT>(GetWindowLongPtrA(hwnd, GWLP_ID));
    draw.itemID = static_cast<UINT>(index);
    draw.itemAction = ODA_DRAWENTIRE;
    if (IsSelected(state, hwnd, index)) {
        draw.itemState |= ODS_SELECTED;
    }
    if (state.focused && index == state.caret) {
        draw.itemState |= ODS_FOCUS;
    }
    if (!IsWindowEnabled(hwnd)) {
        draw.itemState |= ODS_DISABLED;
    }
    draw.hwndItem = hwnd;
    draw.hDC = hdc;
    draw.rcItem = rect;
    draw.itemData = item.data;
    if (HWND parent = GetParent(hwnd)) {
        SendMessageA(parent, WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
    }
}

void DrawTextItem(HWND hwnd, const ListBoxState& state, HDC hdc, int index, const RECT& rect,
                  const ListItem& item, COLORREF text) {
    const bool selected = IsSelected(state, hwnd, index);
    if (selected) {
        FillRect(hdc, &rect, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        SetTextColor(hdc, text);
    }
    ExtTextOutA(hdc, rect.left + 1, rect.top, ETO_CLIPPED, &rect, item.text.c_str(),
                static_cast<UINT>(item.text.size()), nullptr);
    if (state.focused && index == state.caret) {
        DrawFocusRect(hdc, &rect);
    }
}

void Paint(HWND hwnd, const ListBoxState& state, HDC hdc) {
    RECT client{};
    GetClientRect(hwnd, &client);
    HBRUSH background = ControlColor(hwnd, hdc, WM_CTLCOLORLISTBOX, COLOR_WINDOW, COLOR_WINDOWTEXT);
    COLORREF text = GetTextColor(hdc);
    if (!IsWindowEnabled(hwnd)) {
        text = GetSysColor(COLOR_GRAYTEXT);
    }
    FillRect(hdc, &client, background);
    HGDIOBJ oldFont = SelectObject(hdc, FontOrSystem(state.font));
    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    const int visible = ClientHeight(hwnd) / std::max(1, state.itemHeight) + 1;
    const std::size_t first = static_cast<std::size_t>(state.top);
    const std::size_t last =
        std::min(state.items.size(), first + static_cast<std::size_t>(visible));
    const bool ownerDraw = IsOwnerDraw(hwnd);
    auto& items = const_cast<ListItems&>(state.items);
    items.forRange(first, last, [&](std::size_t i, const ListItem& item) {
        const int index = static_cast<int>(i);
        const RECT rect = ItemRect(hwnd, state, index);
        if (ownerDraw) {
            DrawOwnerItem(hwnd, state, hdc, index, rect, item);
        } else {
            DrawTextItem(hwnd, state, hdc, index, rect, item, text);
        }
    });
    if (state.focused && state.items.empty() && !ownerDraw) {
        // An empty list that has the focus still shows where the caret is.
        RECT rect = ItemRect(hwnd, state, 0);
        DrawFocusRect(hdc, &rect);
    }
    SetBkMode(hdc, oldMode);
    SelectObject(hdc, oldFont);
}

// ---- mouse ----

// A click or drag over index: what the selection styles make of it.
void PointerSelect(HWND hwnd, ListBoxState& state, int index, WPARAM keys, bool pressed) {
    const DWORD style = StyleOf(hwnd);
    bool changed = false;
    if ((style & LBS_EXTENDEDSEL) != 0) {
        if ((keys & MK_SHIFT) != 0 || !pressed) {
            changed = SelectOnlyRange(hwnd, state, state.anchor, index);
        } else if ((keys & MK_CONTROL) != 0) {
            state.anchor = index;
            changed = SetItemSelected(hwnd, state, index,
                                      !state.items.at(static_cast<std::size_t>(index)).selected);
        } else {
            state.anchor = index;
            changed = SelectOnlyRange(hwnd, state, index, index);
        }
    } else if ((style & LBS_MULTIPLESEL) != 0) {
        if (pressed) {
            state.anchor = index;
            changed = SetItemSelected(hwnd, state, index,
                                      !state.items.at(static_cast<std::size_t>(index)).selected);
        }
    } else {
        changed = SelectOne(hwnd, state, index);
    }
    SetCaret(hwnd, state, index);
    if (changed) {
        NotifySelChange(hwnd);
    }
}

// A combo box's drop-down list: a pop-up that never takes the focus from its combo box.
bool IsDropDown(HWND hwnd) {
    return (StyleOf(hwnd) & WS_CHILD) == 0;
}

void OnButtonDown(HWND hwnd, ListBoxState& state, WPARAM keys, LPARAM point, bool doubleClick) {
    if (!state.focused && !IsDropDown(hwnd)) {
        SetFocus(hwnd);
        if (!StillAttached(hwnd, &state)) {
            return;
        }
    }
    bool outside = false;
    const int index =
        ItemAt(hwnd, state, POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)}, &outside);
    if (outside || (StyleOf(hwnd) & LBS_NOSEL) != 0) {
        return;
    }
    state.tracking = true;
    SetCapture(hwnd);
    PointerSelect(hwnd, state, index, keys, true);
    if (doubleClick && StillAttached(hwnd, &state) && Notifies(hwnd)) {
        Notify(hwnd, LBN_DBLCLK);
    }
}

void OnMouseMove(HWND hwnd, ListBoxState& state, WPARAM keys, LPARAM point) {
    if (!state.tracking || (StyleOf(hwnd) & LBS_MULTIPLESEL) != 0) {
        return;
    }
    POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    if (at.y < 0) {
        SetTop(hwnd, state, state.top - 1);
    } else if (at.y >= ClientHeight(hwnd)) {
        SetTop(hwnd, state, state.top + 1);
    }
    bool outside = false;
    const int index = ItemAt(hwnd, state, at, &outside);
    if (Count(state) > 0 && index != state.caret) {
        PointerSelect(hwnd, state, index, keys, false);
    }
}

void EndTracking(HWND hwnd, ListBoxState& state) {
    if (state.tracking) {
        state.tracking = false;
        if (GetCapture() == hwnd) {
            ReleaseCapture();
        }
    }
}

// ---- keyboard ----

int FindPrefix(const ListBoxState& state, int start, const std::string& prefix, bool exact);

void MoveByKey(HWND hwnd, ListBoxState& state, int index, bool shift) {
    if (Count(state) == 0) {
        return;
    }
    index = std::max(0, std::min(index, Count(state) - 1));
    const DWORD style = StyleOf(hwnd);
    bool changed = false;
    if ((style & LBS_EXTENDEDSEL) != 0) {
        if (!shift) {
            state.anchor = index;
        }
        changed = SelectOnlyRange(hwnd, state, state.anchor, index);
    } else if ((style & LBS_MULTIPLESEL) == 0) {
        changed = SelectOne(hwnd, state, index);
    }
    SetCaret(hwnd, state, index);
    // A navigation key reports a selection change even when it stays on the same item, as the
    // system's list box does (End on the last item notifies again).
    if (changed || (style & LBS_MULTIPLESEL) == 0) {
        NotifySelChange(hwnd);
    }
}

bool OnKeyDown(HWND hwnd, ListBoxState& state, WPARAM key) {
    const int page = PageSize(hwnd, state);
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    // A single-selection list without a selection starts from nothing, so Down selects item 0.
    const int from = IsMulti(hwnd) ? state.caret : state.current;
    switch (key) {
    case VK_UP:
        MoveByKey(hwnd, state, from < 0 ? 0 : from - 1, shift);
        return true;
    case VK_DOWN:
        MoveByKey(hwnd, state, from < 0 ? 0 : from + 1, shift);
        return true;
    case VK_PRIOR:
        MoveByKey(hwnd, state, from < 0 ? 0 : from - (page - 1 > 0 ? page - 1 : 1), shift);
        return true;
    case VK_NEXT:
        MoveByKey(hwnd, state, from < 0 ? 0 : from + (page - 1 > 0 ? page - 1 : 1), shift);
        return true;
    case VK_HOME:
        MoveByKey(hwnd, state, 0, shift);
        return true;
    case VK_END:
        MoveByKey(hwnd, state, Count(state) - 1, shift);
        return true;
    case VK_SPACE:
        if ((StyleOf(hwnd) & LBS_MULTIPLESEL) != 0 && Valid(state, state.caret)) {
            SetItemSelected(hwnd, state, state.caret,
                            !state.items.at(static_cast<std::size_t>(state.caret)).selected);
            NotifySelChange(hwnd);
        }
        return true;
    default:
        return false;
    }
}

// Type-ahead: letters typed in quick succession search for the item that begins with them; the
// same letter typed again moves on to the next item that begins with it.
void OnChar(HWND hwnd, ListBoxState& state, WPARAM ch) {
    if (ch < 0x20 || !HasStrings(hwnd) || Count(state) == 0) {
        return;
    }
    const DWORD now = GetTickCount();
    if (now - state.typedAt > kTypeAheadMs) {
        state.typed.clear();
    }
    state.typedAt = now;
    const char c = static_cast<char>(ch);
    const bool repeat =
        state.typed.size() == 1 && std::tolower(static_cast<unsigned char>(state.typed[0])) ==
                                       std::tolower(static_cast<unsigned char>(c));
    if (!repeat) {
        state.typed.push_back(c);
    }
    const int from = IsMulti(hwnd) ? state.caret : state.current;
    // A longer prefix may still match the current item; a first or repeated letter moves on.
    const int start = state.typed.size() > 1 ? from - 1 : from;
    const int found = FindPrefix(state, start, state.typed, false);
    if (found >= 0) {
        MoveByKey(hwnd, state, found, false);
    }
}

// ---- LB_ messages ----

// The first item after start (wrapping round; -1 searches from the top) whose text begins with
// text, or equals it when exact. Case does not matter.
int FindPrefix(const ListBoxState& state, int start, const std::string& text, bool exact) {
    const int count = Count(state);
    if (count == 0) {
        return LB_ERR;
    }
    if (start < -1 || start >= count) {
        start = -1;
    }
    for (int step = 1; step <= count; ++step) {
        const int index = (start + step) % count;
        const std::string& item = state.items.at(static_cast<std::size_t>(index)).text;
        if (exact ? CompareItemText(item, text.c_str()) == 0
                  : item.size() >= text.size() &&
                        CompareItemText(item.substr(0, text.size()), text.c_str()) == 0) {
            return index;
        }
    }
    return LB_ERR;
}

void AfterInsert(HWND hwnd, ListBoxState& state, int index) {
    if (state.current >= index) {
        ++state.current;
    }
    if (state.caret > index || (state.caret == index && Count(state) > 1)) {
        ++state.caret;
    }
    if (state.anchor > index) {
        ++state.anchor;
    }
    // Only items in view (or above it, which push the view's items down) need repainting.
    if (index < state.top + PageSize(hwnd, state) + 1) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    UpdateScrollBar(hwnd, state);
}

LRESULT InsertItem(HWND hwnd, ListBoxState& state, int index, LPARAM lParam) {
    ListItem item;
    if (HasStrings(hwnd)) {
        const char* text = reinterpret_cast<const char*>(lParam);
        item.text = text != nullptr ? text : "";
    } else {
        item.data = static_cast<std::uintptr_t>(lParam);
    }
    if (index < 0) {
        if ((StyleOf(hwnd) & LBS_SORT) != 0 && HasStrings(hwnd)) {
            index = static_cast<int>(state.items.sortedPosition(item.text.c_str()));
        } else {
            index = Count(state);
        }
    }
    if (Count(state) >= 0x7FFFFFFE) {
        return LB_ERRSPACE;
    }
    state.items.insert(static_cast<std::size_t>(index), std::move(item));
    AfterInsert(hwnd, state, index);
    return index;
}

LRESULT DeleteItem(HWND hwnd, ListBoxState& state, int index) {
    if (!Valid(state, index)) {
        return LB_ERR;
    }
    state.items.erase(static_cast<std::size_t>(index));
    if (state.current == index) {
        state.current = -1;
    } else if (state.current > index) {
        --state.current;
    }
    if (state.caret > index || state.caret >= Count(state)) {
        state.caret = std::max(0, state.caret - 1);
    }
    if (state.anchor > index || state.anchor >= Count(state)) {
        state.anchor = std::max(0, state.anchor - 1);
    }
    state.top = std::max(0, std::min(state.top, MaxTop(hwnd, state)));
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateScrollBar(hwnd, state);
    return Count(state);
}

void ResetContent(HWND hwnd, ListBoxState& state) {
    state.items.clear();
    state.current = -1;
    state.caret = 0;
    state.anchor = 0;
    state.top = 0;
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateScrollBar(hwnd, state);
}

LRESULT GetText(HWND hwnd, const ListBoxState& state, int index, LPARAM buffer) {
    if (!Valid(state, index) || buffer == 0) {
        return LB_ERR;
    }
    const ListItem& item = state.items.at(static_cast<std::size_t>(index));
    if (!HasStrings(hwnd)) {
        std::memcpy(reinterpret_cast<void*>(buffer), &item.data, sizeof(item.data));
        return sizeof(item.data);
    }
    // As on Win32 the caller sizes the buffer with LB_GETTEXTLEN first.
    std::memcpy(reinterpret_cast<char*>(buffer), item.text.c_str(), item.text.size() + 1);
    return static_cast<LRESULT>(item.text.size());
}

LRESULT SetSel(HWND hwnd, ListBoxState& state, bool on, int index) {
    if (!IsMulti(hwnd)) {
        return LB_ERR;
    }
    if (index == -1) {
        state.items.forRange(0, state.items.size(),
                             [on](std::size_t, ListItem& item) { item.selected = on; });
        InvalidateRect(hwnd, nullptr, TRUE);
        return LB_OKAY;
    }
    if (!Valid(state, index)) {
        return LB_ERR;
    }
    SetItemSelected(hwnd, state, index, on);
    if (on) {
        state.anchor = index;
        SetCaret(hwnd, state, index);
    }
    return LB_OKAY;
}

LRESULT GetSelItems(HWND hwnd, ListBoxState& state, int max, LPARAM buffer) {
    if (!IsMulti(hwnd)) {
        return LB_ERR;
    }
    int* out = reinterpret_cast<int*>(buffer);
    int written = 0;
    state.items.forRange(0, state.items.size(), [&](std::size_t i, const ListItem& item) {
        if (item.selected && written < max && out != nullptr) {
            out[written++] = static_cast<int>(i);
        }
    });
    return written;
}

int SelectedCount(ListBoxState& state) {
    int count = 0;
    state.items.forRange(0, state.items.size(), [&count](std::size_t, const ListItem& item) {
        count += item.selected ? 1 : 0;
    });
    return count;
}

LRESULT SetCurSel(HWND hwnd, ListBoxState& state, int index) {
    if (IsMulti(hwnd)) {
        return LB_ERR;
    }
    if (!Valid(state, index)) {
        SelectOne(hwnd, state, -1);
        return LB_ERR;
    }
    SelectOne(hwnd, state, index);
    SetCaret(hwnd, state, index);
    return index;
}

LRESULT ListMessage(HWND hwnd, ListBoxState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (message) {
    case LB_ADDSTRING:
        return InsertItem(hwnd, state, -1, lParam);
    case LB_INSERTSTRING:
        if (index < -1 || index > Count(state)) {
            return LB_ERR;
        }
        return InsertItem(hwnd, state, index == -1 ? Count(state) : index, lParam);
    case LB_DELETESTRING:
        return DeleteItem(hwnd, state, index);
    case LB_RESETCONTENT:
        ResetContent(hwnd, state);
        return LB_OKAY;
    case LB_GETCOUNT:
        return Count(state);
    case LB_GETTEXT:
        return GetText(hwnd, state, index, lParam);
    case LB_GETTEXTLEN:
        if (!Valid(state, index)) {
            return LB_ERR;
        }
        return HasStrings(hwnd) ? static_cast<LRESULT>(
                                      state.items.at(static_cast<std::size_t>(index)).text.size())
                                : static_cast<LRESULT>(sizeof(std::uintptr_t));
    case LB_SETCURSEL:
        return SetCurSel(hwnd, state, index);
    case LB_GETCURSEL:
        if (IsMulti(hwnd)) {
            return Count(state) > 0 ? state.caret : LB_ERR;
        }
        return state.current;
    case LB_SETSEL:
        return SetSel(hwnd, state, wParam != 0, static_cast<int>(lParam));
    case LB_GETSEL:
        return Valid(state, index) ? (IsSelected(state, hwnd, index) ? 1 : 0) : LB_ERR;
    case LB_GETSELCOUNT:
        return IsMulti(hwnd) ? SelectedCount(state) : LB_ERR;
    case LB_GETSELITEMS:
        return GetSelItems(hwnd, state, index, lParam);
    case LB_SELITEMRANGE:
    case LB_SELITEMRANGEEX: {
        if (!IsMulti(hwnd)) {
            return LB_ERR;
        }
        int first = message == LB_SELITEMRANGE ? LOWORD(lParam) : index;
        int last = message == LB_SELITEMRANGE ? HIWORD(lParam) : static_cast<int>(lParam);
        const bool on = message == LB_SELITEMRANGE ? wParam != 0 : first <= last;
        if (first > last) {
            std::swap(first, last);
        }
        for (int i = std::max(0, first); i <= last && i < Count(state); ++i) {
            SetItemSelected(hwnd, state, i, on);
        }
        return LB_OKAY;
    }
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
    case LB_SELECTSTRING: {
        if (!HasStrings(hwnd) || lParam == 0) {
            return LB_ERR;
        }
        const int found = FindPrefix(state, index, reinterpret_cast<const char*>(lParam),
                                     message == LB_FINDSTRINGEXACT);
        if (message == LB_SELECTSTRING && found >= 0) {
            if (IsMulti(hwnd)) {
                SetSel(hwnd, state, true, found);
            } else {
                SetCurSel(hwnd, state, found);
            }
        }
        return found;
    }
    case LB_SETTOPINDEX:
        if (!Valid(state, index) && !(index == 0 && Count(state) == 0)) {
            return LB_ERR;
        }
        SetTop(hwnd, state, index);
        return LB_OKAY;
    case LB_GETTOPINDEX:
        return state.top;
    case LB_GETITEMDATA:
        return Valid(state, index)
                   ? static_cast<LRESULT>(state.items.at(static_cast<std::size_t>(index)).data)
                   : LB_ERR;
    case LB_SETITEMDATA:
        if (!Valid(state, index)) {
            return LB_ERR;
        }
        state.items.at(static_cast<std::size_t>(index)).data = static_cast<std::uintptr_t>(lParam);
        return LB_OKAY;
    case LB_GETITEMHEIGHT:
        return state.itemHeight;
    case LB_SETITEMHEIGHT:
        if (LOWORD(lParam) == 0 || LOWORD(lParam) > 255) {
            return LB_ERR;
        }
        state.itemHeight = LOWORD(lParam);
        SetTop(hwnd, state, state.top);
        InvalidateRect(hwnd, nullptr, TRUE);
        return LB_OKAY;
    case LB_GETITEMRECT: {
        RECT* out = reinterpret_cast<RECT*>(lParam);
        if (out == nullptr || (!Valid(state, index) && !(index == 0 && Count(state) == 0))) {
            return LB_ERR;
        }
        *out = ItemRect(hwnd, state, index);
        return 1;
    }
    case LB_ITEMFROMPOINT: {
        bool outside = false;
        const int found =
            ItemAt(hwnd, state, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, &outside);
        return MAKELONG(found, outside ? 1 : 0);
    }
    case LB_SETCARETINDEX:
        if (!Valid(state, index)) {
            return LB_ERR;
        }
        SetCaret(hwnd, state, index);
        return LB_OKAY;
    case LB_GETCARETINDEX:
        return Count(state) > 0 ? state.caret : (IsMulti(hwnd) ? 0 : LB_ERR);
    case LB_SETANCHORINDEX:
        if (!Valid(state, index)) {
            return LB_ERR;
        }
        state.anchor = index;
        return LB_OKAY;
    case LB_GETANCHORINDEX:
        return state.anchor;
    case LB_INITSTORAGE:
        return Count(state) + index;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

// ---- the window procedure ----

void Scroll(HWND hwnd, ListBoxState& state, WPARAM wParam) {
    const int page = PageSize(hwnd, state);
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        SetTop(hwnd, state, state.top - 1);
        break;
    case SB_LINEDOWN:
        SetTop(hwnd, state, state.top + 1);
        break;
    case SB_PAGEUP:
        SetTop(hwnd, state, state.top - page);
        break;
    case SB_PAGEDOWN:
        SetTop(hwnd, state, state.top + page);
        break;
    case SB_TOP:
        SetTop(hwnd, state, 0);
        break;
    case SB_BOTTOM:
        SetTop(hwnd, state, MaxTop(hwnd, state));
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        SetTop(hwnd, state, HIWORD(wParam));
        break;
    default:
        break;
    }
}

void OnFocus(HWND hwnd, ListBoxState& state, bool focused) {
    state.focused = focused;
    InvalidateItem(hwnd, state, state.caret);
    if (state.items.empty()) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    if (!focused) {
        EndTracking(hwnd, state);
    }
    // Focus notifications go out whatever the LBS_NOTIFY style says.
    Notify(hwnd, focused ? LBN_SETFOCUS : LBN_KILLFOCUS);
}

LRESULT ListBoxMessage(HWND hwnd, ListBoxState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (state.itemHeight == 0) {
        state.itemHeight = FontLineHeight(state.font);
        if (IsOwnerDraw(hwnd)) {
            MeasureOwnerDraw(hwnd, state);
        }
    }
    switch (message) {
    case WM_CREATE:
        state.vscroll = (StyleOf(hwnd) & WS_VSCROLL) != 0;
        UpdateScrollBar(hwnd, state);
        return 0;
    case WM_SIZE:
        SetTop(hwnd, state, state.top);
        return 0;
    case WM_PAINT: {
        PaintScope paint(hwnd, wParam);
        Paint(hwnd, state, paint.dc());
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers every pixel
    case WM_SETFONT:
        state.font = reinterpret_cast<HFONT>(wParam);
        if (!IsOwnerDraw(hwnd)) {
            state.itemHeight = FontLineHeight(state.font);
            SetTop(hwnd, state, state.top);
        }
        if (LOWORD(lParam) != 0) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state.font);
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_SETFOCUS:
        OnFocus(hwnd, state, true);
        return 0;
    case WM_KILLFOCUS:
        OnFocus(hwnd, state, false);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(hwnd, state, wParam, lParam, message == WM_LBUTTONDBLCLK);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(hwnd, state, wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
        if (state.tracking && IsDropDown(hwnd)) {
            EndTracking(hwnd, state);
            Notify(hwnd, kListChosen);
            return 0;
        }
        EndTracking(hwnd, state);
        return 0;
    case WM_MOUSEACTIVATE:
        if (IsDropDown(hwnd)) {
            return MA_NOACTIVATE;
        }
        break;
    case WM_CAPTURECHANGED:
        state.tracking = false;
        return 0;
    case WM_KEYDOWN:
        if (OnKeyDown(hwnd, state, wParam)) {
            return 0;
        }
        break;
    case WM_CHAR:
        OnChar(hwnd, state, wParam);
        return 0;
    case WM_VSCROLL:
        Scroll(hwnd, state, wParam);
        return 0;
    case WM_MOUSEWHEEL: {
        const int notches = static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA;
        SetTop(hwnd, state, state.top - 3 * notches);
        return 0;
    }
    default:
        if (message >= LB_ADDSTRING && message <= LB_ITEMFROMPOINT) {
            return ListMessage(hwnd, state, message, wParam, lParam);
        }
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

LRESULT CALLBACK ListBoxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchWithState<ListBoxState>(hwnd, message, wParam, lParam, ListBoxMessage);
}

} // namespace user_controls
