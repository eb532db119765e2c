// MessageBoxA: a real modal dialog with the text, the caption and the buttons the style asks
// for. Every box is recorded for the driver, which may also answer the next box in advance.
#include "user/user_internal.h"

#include <algorithm>

namespace wm {
namespace {

std::vector<MessageBoxRecord> g_boxes;
std::vector<int> g_answers;

struct Button {
    int id;
    const char* text;
};

std::vector<Button> ButtonsFor(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE:
        return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
    case MB_YESNOCANCEL:
        return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO:
        return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    case MB_RETRYCANCEL:
        return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
    default:
        return {{IDOK, "OK"}};
    }
}

INT_PTR CALLBACK BoxProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG: {
        size_t index = (size_t)lParam;
        SetWindowLongPtrA(dlg, DWLP_USER, (LONG_PTR)index);
        if (index < g_boxes.size()) {
            g_boxes[index].box = dlg;
        }
        DWORD def = (DWORD)SendMessageA(dlg, DM_GETDEFID, 0, 0);
        if (HWND b = GetDlgItem(dlg, LOWORD(def))) {
            SetFocus(b);
        }
        return FALSE;
    }
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (id == IDCANCEL && !GetDlgItem(dlg, IDCANCEL)) {
            // Escape or closing answers a box without Cancel only when it has a lone OK.
            size_t index = (size_t)GetWindowLongPtrA(dlg, DWLP_USER);
            if (index < g_boxes.size() && (g_boxes[index].style & MB_TYPEMASK) == MB_OK) {
                EndDialog(dlg, IDOK);
            }
            return TRUE;
        }
        if (GetDlgItem(dlg, id)) {
            EndDialog(dlg, id);
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
}

} // namespace

std::vector<MessageBoxRecord>& MessageBoxes() {
    return g_boxes;
}
std::vector<int>& QueuedAnswers() {
    return g_answers;
}

void ResetHelpAndBoxes() {
    g_boxes.clear();
    g_answers.clear();
    HelpRequests().clear();
}

} // namespace wm

using namespace wm;

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    if (owner && !IsWindow(owner)) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    MessageBoxRecord record{owner, text ? text : "", caption ? caption : "Error", type, 0, nullptr};
    g_boxes.push_back(record);
    size_t index = g_boxes.size() - 1;
    if (!g_answers.empty()) {
        int answer = g_answers.front();
        g_answers.erase(g_answers.begin());
        g_boxes[index].answer = answer;
        return answer;
    }

    std::vector<Button> buttons = ButtonsFor(type);
    size_t defIndex = std::min<size_t>((type & MB_DEFMASK) >> 8, buttons.size() - 1);
    // Layout in dialog units: about four units per character, 8 per line of text.
    int lines = 1;
    int longest = 0;
    int current = 0;
    for (const char* p = record.text.c_str(); *p; ++p) {
        if (*p == '\n') {
            ++lines;
            current = 0;
        } else {
            longest = std::max(longest, ++current);
        }
    }
    const int margin = 8;
    const int iconSpace = (type & MB_ICONMASK) ? 28 : 0;
    const int buttonW = 50, buttonH = 14, gap = 6;
    int textW = std::min(std::max(longest * 4, 40), 400);
    int textH = lines * 8;
    int buttonsW = (int)buttons.size() * (buttonW + gap) - gap;
    int width = std::max(textW + iconSpace, buttonsW) + 2 * margin;
    int height = margin + std::max(textH, iconSpace ? 20 : 0) + margin + buttonH + margin;

    resources::DialogTemplate t;
    t.style =
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_VISIBLE;
    t.caption = record.caption;
    t.fontFace = "MS Sans Serif";
    t.pointSize = 8;
    t.cx = (short)width;
    t.cy = (short)height;
    resources::DialogItem label;
    label.className = "STATIC";
    label.text = record.text;
    label.id = 0xFFFF;
    label.style = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
    label.x = (short)(margin + iconSpace);
    label.y = (short)margin;
    label.cx = (short)textW;
    label.cy = (short)textH;
    t.items.push_back(label);
    int x = (width - buttonsW) / 2;
    for (size_t i = 0; i < buttons.size(); ++i) {
        resources::DialogItem b;
        b.className = "BUTTON";
        b.text = buttons[i].text;
        b.id = (WORD)buttons[i].id;
        b.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                  (i == defIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | (i == 0 ? WS_GROUP : 0);
        b.x = (short)x;
        b.y = (short)(height - margin - buttonH);
        b.cx = (short)buttonW;
        b.cy = (short)buttonH;
        t.items.push_back(b);
        x += buttonW + gap;
    }
    const resources::DialogBytes bytes(t);
    INT_PTR result =
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr), bytes, owner, BoxProc, (LPARAM)index);
    if (result < 0) {
        result = 0;
    }
    if (index < g_boxes.size()) {
        g_boxes[index].answer = (int)result;
        g_boxes[index].box = nullptr;
    }
    return (int)result;
}
