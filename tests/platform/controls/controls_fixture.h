// A desktop with one top-level parent window that logs what its standard-control children tell
// it: WM_COMMAND notifications, WM_VSCROLL/WM_HSCROLL codes and WM_DRAWITEM requests.
#pragma once

#include <desktop.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace controls_test {

// One notification as the parent saw it.
struct Note {
    UINT message; // WM_COMMAND, WM_VSCROLL, WM_HSCROLL or WM_DRAWITEM
    UINT id;      // control identifier (WM_COMMAND, WM_DRAWITEM), 0 for scroll messages
    UINT code;    // notification or scroll code; itemAction for WM_DRAWITEM
    HWND from;
    UINT state = 0; // itemState for WM_DRAWITEM; HIWORD(wParam) position for scroll messages

    bool operator==(const Note& other) const {
        return message == other.message && id == other.id && code == other.code &&
               from == other.from && state == other.state;
    }
};

std::ostream& operator<<(std::ostream& out, const Note& note);

inline Note Command(HWND from, UINT code) {
    return Note{WM_COMMAND, static_cast<UINT>(GetDlgCtrlID(from)), code, from};
}
inline Note VScroll(HWND from, UINT code, UINT pos = 0) {
    return Note{WM_VSCROLL, 0, code, from, pos};
}
inline Note DrawItem(HWND from, UINT action, UINT state) {
    return Note{WM_DRAWITEM, static_cast<UINT>(GetDlgCtrlID(from)), action, from, state};
}

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A visible child of the parent window at (x, y) with size (cx, cy).
    HWND Create(const char* className, const char* text, DWORD style, int id, int x = 10,
                int y = 10, int cx = 100, int cy = 20);

    // Runs the message loop until nothing is left to do, as a host's idle main loop would.
    void Pump();
    // Posts through the queue and pumps: the way input reaches a control.
    void Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Click(HWND hwnd, int x, int y);
    void TypeChars(HWND hwnd, const std::string& text);
    void Key(HWND hwnd, UINT vk);

    std::string Text(HWND hwnd);
    // The selection as EM_GETSEL reports it through its two out pointers.
    std::pair<DWORD, DWORD> Selection(HWND hwnd);

    HWND parent() const { return parent_; }

    std::vector<Note> notes;
    HBRUSH staticBrush = nullptr; // answered to WM_CTLCOLORSTATIC when set
    // Runs inside the parent's handler after a notification is logged.
    std::function<void(const Note&)> onNote;

private:
    static LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND parent_ = nullptr;
};

} // namespace controls_test
