// What the four standard controls share: per-window state kept behind the first pointer-sized
// slot of the window's extra bytes, and the notification and colour conversations with the
// parent.
//
// The state lives in the window, never in statics, so that a class registered with one of these
// window procedures (a superclass) behaves exactly like the original.
#pragma once

#include <windows.h>

#include "user/user_internal.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <new>

namespace user_controls {

// Extra bytes every standard control class reserves: one pointer to its state.
constexpr int kStateBytes = static_cast<int>(sizeof(void*));

// Every message of a control starts here, and its handlers ask for the style again and again:
// both are read straight from the window's record; GetWindowLongPtrA answers (and sets the last
// error) only for what the record cannot give.
template <class State> State* StateOf(HWND hwnd) {
    const wm::Window* w = wm::Lookup(hwnd);
    if (w != nullptr && w->extra.size() >= sizeof(LONG_PTR)) {
        LONG_PTR slot = 0;
        std::memcpy(&slot, w->extra.data(), sizeof slot);
        return reinterpret_cast<State*>(slot);
    }
    return reinterpret_cast<State*>(GetWindowLongPtrA(hwnd, 0));
}

// Makes the window's state unless it has one. Returns null when the window cannot hold it (a
// superclass that registered fewer extra bytes); the caller then works on defaults.
template <class State> State* AttachState(HWND hwnd) {
    if (State* existing = StateOf<State>(hwnd)) {
        return existing;
    }
    State* state = new (std::nothrow) State();
    if (state == nullptr) {
        return nullptr;
    }
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(state));
    if (StateOf<State>(hwnd) != state) {
        delete state;
        return nullptr;
    }
    return state;
}

template <class State> void DetachState(HWND hwnd) {
    State* state = StateOf<State>(hwnd);
    if (state != nullptr) {
        SetWindowLongPtrA(hwnd, 0, 0);
        delete state;
    }
}

// The body of a control's window procedure: the state is made on the first message and freed on
// WM_NCDESTROY; a window without room for it (see AttachState) is left to DefWindowProcA.
template <class State>
LRESULT DispatchWithState(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT (*handler)(HWND, State&, UINT, WPARAM, LPARAM)) {
    if (message == WM_NCDESTROY) {
        DetachState<State>(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    State* state = AttachState<State>(hwnd);
    if (state == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return handler(hwnd, *state, message, wParam, lParam);
}

// False once the window lost this state: a parent that destroys a control from inside one of its
// notifications. Code that goes on after notifying the parent checks this first.
template <class State> bool StillAttached(HWND hwnd, const State* state) {
    return IsWindow(hwnd) && StateOf<State>(hwnd) == state;
}

inline DWORD StyleOf(HWND hwnd) {
    const wm::Window* w = wm::Lookup(hwnd);
    return w != nullptr ? w->style : static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
}

// GetParent and GetClientRect, read the same way.
inline HWND ParentOf(HWND hwnd) {
    const wm::Window* w = wm::Lookup(hwnd);
    return w != nullptr ? wm::ParentHandle(w) : GetParent(hwnd);
}
inline RECT ClientOf(HWND hwnd) {
    RECT r{};
    if (const wm::Window* w = wm::Lookup(hwnd)) {
        r = wm::ClientBounds(w);
    } else {
        GetClientRect(hwnd, &r);
    }
    return r;
}

// GWLP_ID, read the same way.
inline UINT_PTR IdOf(HWND hwnd) {
    const wm::Window* w = wm::Lookup(hwnd);
    return w != nullptr ? w->id : static_cast<UINT_PTR>(GetWindowLongPtrA(hwnd, GWLP_ID));
}

// The window's text as DefWindowProcA keeps it; empty when it has none. Read into a buffer of its
// own, so painting a label costs no heap allocation; only a text longer than kInlineLength goes
// to the heap. Neither copied nor moved: use it where WindowText() hands it out.
class WindowText {
public:
    static constexpr std::size_t kInlineLength = 255;

    explicit WindowText(HWND hwnd) {
        inline_[0] = '\0';
        const int length = GetWindowTextLengthA(hwnd);
        if (length <= 0) {
            return;
        }
        const std::size_t capacity = static_cast<std::size_t>(length) + 1;
        char* buffer = inline_;
        if (capacity > sizeof(inline_)) {
            heap_.reset(new (std::nothrow) char[capacity]);
            if (!heap_) {
                return; // no memory for a long text: draw nothing rather than a cut label
            }
            buffer = heap_.get();
        }
        const int copied = GetWindowTextA(hwnd, buffer, static_cast<int>(capacity));
        size_ = copied > 0 ? std::min(static_cast<std::size_t>(copied), capacity - 1) : 0;
        buffer[size_] = '\0';
        data_ = buffer;
    }
    WindowText(const WindowText&) = delete;
    WindowText& operator=(const WindowText&) = delete;

    const char* c_str() const { return data_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

private:
    char inline_[kInlineLength + 1];
    std::unique_ptr<char[]> heap_;
    const char* data_ = inline_;
    std::size_t size_ = 0;
};

// WM_SETTEXT, WM_SETFONT and WM_GETFONT of a control that draws its window text in the font it
// keeps: the text stays with DefWindowProcA, and a change repaints (a font only when asked to).
inline LRESULT TextAndFontMessage(HWND hwnd, HFONT& font, UINT message, WPARAM wParam,
                                  LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_SETFONT:
        font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam) != 0) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font);
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

// WM_COMMAND to the parent: identifier and code in wParam, the control's handle in lParam.
inline void NotifyParent(HWND hwnd, UINT code) {
    HWND parent = ParentOf(hwnd);
    if (parent != nullptr) {
        const UINT id = static_cast<UINT>(IdOf(hwnd));
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id & 0xFFFF, code),
                     reinterpret_cast<LPARAM>(hwnd));
    }
}

// Prepares the DC with the control's default colours, then lets the parent choose through a
// WM_CTLCOLOR* message. Returns the parent's brush, or the system brush of defaultBackground
// when the parent leaves the choice to the control.
inline HBRUSH ControlColor(HWND hwnd, HDC hdc, UINT message, int defaultBackground,
                           int defaultText) {
    SetTextColor(hdc, GetSysColor(defaultText));
    SetBkColor(hdc, GetSysColor(defaultBackground));
    HBRUSH brush = nullptr;
    if (HWND parent = ParentOf(hwnd)) {
        brush = reinterpret_cast<HBRUSH>(SendMessageA(
            parent, message, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hwnd)));
    }
    return brush != nullptr ? brush : GetSysColorBrush(defaultBackground);
}

// The font a control draws with: its own, else the system font, as Win32 controls do.
inline HFONT FontOrSystem(HFONT font) {
    return font != nullptr ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

// BeginPaint/EndPaint, or the DC a WM_PAINT/WM_PRINTCLIENT caller handed in as wParam.
class PaintScope {
public:
    PaintScope(HWND hwnd, WPARAM wParam) : hwnd_(hwnd) {
        if (wParam != 0) {
            hdc_ = reinterpret_cast<HDC>(wParam);
        } else {
            hdc_ = BeginPaint(hwnd, &ps_);
            painting_ = true;
        }
    }
    ~PaintScope() {
        if (painting_) {
            EndPaint(hwnd_, &ps_);
        }
    }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return hdc_; }

private:
    HWND hwnd_;
    HDC hdc_ = nullptr;
    PAINTSTRUCT ps_{};
    bool painting_ = false;
};

// The one memory DC every control measures text with. Measuring needs the font, not a window's
// clipping, so a keystroke need not make and free a window DC; the DC is permanent (no one's
// object count holds it) and made again should anything have deleted it.
HDC MeasuringDC();
// The height of a line in the font (the system font for null), 16 when it cannot be measured.
int FontLineHeight(HFONT font);

// The measuring DC with the control's font selected, for measuring outside WM_PAINT.
class MeasureScope {
public:
    explicit MeasureScope(HFONT font) : hdc_(MeasuringDC()) {
        if (hdc_ != nullptr) {
            old_ = SelectObject(hdc_, FontOrSystem(font));
        }
    }
    ~MeasureScope() {
        if (hdc_ != nullptr) {
            SelectObject(hdc_, old_);
        }
    }
    MeasureScope(const MeasureScope&) = delete;
    MeasureScope& operator=(const MeasureScope&) = delete;
    HDC dc() const { return hdc_; }

private:
    HDC hdc_;
    HGDIOBJ old_ = nullptr;
};

} // namespace user_controls
