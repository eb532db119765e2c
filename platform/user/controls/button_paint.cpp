// Classic 3D drawing of the built-in button kinds.
//
// A push button is a raised frame (white and light grey at the top left, black and dark grey at
// the bottom right) around the face with its text centred; a default button has one more black
// ring outside; a pressed button shows a black and a dark grey ring and its text one pixel down
// and right; a focused button has a dotted rectangle inside. Check boxes and radio buttons draw a
// 13-pixel mark at the left with the text beside it.
#include "user/controls/button_paint.h"
#include "user/controls/control_paint.h"
#include "user/controls/control_state.h"

namespace user_controls {
namespace {

constexpr int kMarkSize = 13;
constexpr int kTextGap = 4;

// Text in the button's colours; disabled text is embossed: white one pixel down-right under grey.
void DrawLabel(HWND hwnd, HFONT font, HDC hdc, RECT area, UINT format, bool enabled) {
    const WindowText text(hwnd);
    if (text.empty()) {
        return;
    }
    HGDIOBJ oldFont = SelectObject(hdc, FontOrSystem(font));
    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    const int length = static_cast<int>(text.size());
    if (enabled) {
        SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
        DrawTextA(hdc, text.c_str(), length, &area, format);
    } else {
        RECT shadow{area.left + 1, area.top + 1, area.right + 1, area.bottom + 1};
        SetTextColor(hdc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextA(hdc, text.c_str(), length, &shadow, format);
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
        DrawTextA(hdc, text.c_str(), length, &area, format);
    }
    SetBkMode(hdc, oldMode);
    SelectObject(hdc, oldFont);
}

void PaintPush(HWND hwnd, HFONT font, const ButtonLook& look, HDC hdc, const RECT& client) {
    // The parent may colour what lies outside the face; the face itself is always the 3D face.
    ControlColor(hwnd, hdc, WM_CTLCOLORBTN, COLOR_BTNFACE, COLOR_BTNTEXT);
    RECT face = client;
    const bool isDefault = look.kind == BS_DEFPUSHBUTTON;
    if (isDefault || look.pushed) {
        face = DrawRing(hdc, face, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW);
    }
    if (look.pushed) {
        face = DrawRing(hdc, face, COLOR_3DSHADOW, COLOR_3DSHADOW);
    } else {
        face = DrawButtonFrame(hdc, face);
    }
    FillSysColor(hdc, face, COLOR_BTNFACE);

    RECT text = face;
    if (look.pushed) {
        OffsetRect(&text, 1, 1);
    }
    DrawLabel(hwnd, font, hdc, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, look.enabled);

    if (look.focused) {
        RECT focus = client;
        const int inset = isDefault || look.pushed ? 4 : 3;
        InflateRect(&focus, -inset, -inset);
        DrawFocusRect(hdc, &focus);
    }
}

void DrawCheckMark(HDC hdc, int left, int top, int colorIndex) {
    // A tick three pixels thick: down-stroke from (0,2) to (2,4), up-stroke to (6,0).
    static const int kColumnTop[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int column = 0; column < 7; ++column) {
        FillSysColor(hdc, left + column, top + kColumnTop[column], left + column + 1,
                     top + kColumnTop[column] + 3, colorIndex);
    }
}

void DrawCheckBox(HDC hdc, const RECT& box, const ButtonLook& look) {
    RECT well = DrawSunkenFrame(hdc, box);
    const bool grey = !look.enabled || look.pushed || look.check == BST_INDETERMINATE;
    FillSysColor(hdc, well, grey ? COLOR_3DFACE : COLOR_WINDOW);
    if (look.check != BST_UNCHECKED) {
        DrawCheckMark(hdc, well.left + 1, well.top + 2,
                      look.enabled && look.check == BST_CHECKED ? COLOR_WINDOWTEXT
                                                                : COLOR_3DSHADOW);
    }
}

// The round radio mark as spans per row of a 12-pixel circle: [from, to) for the outline's
// upper-left half (dark grey), lower-right half (white), and the inside (window colour).
void DrawRadio(HDC hdc, const RECT& box, const ButtonLook& look) {
    static const int kSpan[12][2] = {{4, 8},  {2, 10}, {1, 11}, {1, 11}, {0, 12}, {0, 12},
                                     {0, 12}, {0, 12}, {1, 11}, {1, 11}, {2, 10}, {4, 8}};
    const int left = box.left;
    const int top = box.top;
    for (int row = 0; row < 12; ++row) {
        const int from = kSpan[row][0];
        const int to = kSpan[row][1];
        // Outer ring: upper-left half dark grey, lower-right half white.
        const int outer = row < 6 ? COLOR_3DSHADOW : COLOR_3DHILIGHT;
        FillSysColor(hdc, left + from, top + row, left + to, top + row + 1, outer);
        if (row >= 1 && row <= 10) {
            const int inner = row < 6 ? COLOR_3DDKSHADOW : COLOR_3DLIGHT;
            FillSysColor(hdc, left + from + 1, top + row, left + to - 1, top + row + 1, inner);
        }
        if (row >= 2 && row <= 9) {
            const int fill = look.enabled && !look.pushed ? COLOR_WINDOW : COLOR_3DFACE;
            FillSysColor(hdc, left + from + 2, top + row, left + to - 2, top + row + 1, fill);
        }
    }
    if (look.check == BST_CHECKED) {
        const int dot = look.enabled ? COLOR_WINDOWTEXT : COLOR_3DSHADOW;
        FillSysColor(hdc, left + 5, top + 4, left + 7, top + 8, dot);
        FillSysColor(hdc, left + 4, top + 5, left + 8, top + 7, dot);
    }
}

void PaintCheck(HWND hwnd, HFONT font, const ButtonLook& look, HDC hdc, const RECT& client) {
    HBRUSH background = ControlColor(hwnd, hdc, WM_CTLCOLORSTATIC, COLOR_BTNFACE, COLOR_BTNTEXT);
    FillRect(hdc, &client, background);
    const bool radio = look.kind == BS_RADIOBUTTON || look.kind == BS_AUTORADIOBUTTON;
    const int size = radio ? 12 : kMarkSize;
    const bool markRight = (StyleOf(hwnd) & BS_LEFTTEXT) != 0;
    const int top = client.top + (client.bottom - client.top - size) / 2;
    const int left = markRight ? client.right - size : client.left;
    const RECT box{left, top, left + size, top + size};
    if (radio) {
        DrawRadio(hdc, box, look);
    } else {
        DrawCheckBox(hdc, box, look);
    }
    RECT text = client;
    if (markRight) {
        text.right -= size + kTextGap;
    } else {
        text.left += size + kTextGap;
    }
    DrawLabel(hwnd, font, hdc, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, look.enabled);
    if (look.focused) {
        // Around the text only, as Win32 marks a focused check box.
        SIZE extent{0, 0};
        const WindowText label(hwnd);
        HGDIOBJ oldFont = SelectObject(hdc, FontOrSystem(font));
        GetTextExtentPoint32A(hdc, label.c_str(), static_cast<int>(label.size()), &extent);
        SelectObject(hdc, oldFont);
        const int textTop = client.top + (client.bottom - client.top - extent.cy) / 2;
        RECT focus{text.left - 1, textTop - 1, text.left + extent.cx + 1, textTop + extent.cy + 1};
        DrawFocusRect(hdc, &focus);
    }
}

void PaintGroupBox(HWND hwnd, HFONT font, const ButtonLook& look, HDC hdc, const RECT& client) {
    HBRUSH background = ControlColor(hwnd, hdc, WM_CTLCOLORSTATIC, COLOR_BTNFACE, COLOR_BTNTEXT);
    FillRect(hdc, &client, background);
    const WindowText label(hwnd);
    HGDIOBJ oldFont = SelectObject(hdc, FontOrSystem(font));
    SIZE extent{0, 0};
    GetTextExtentPoint32A(hdc, label.empty() ? "X" : label.c_str(),
                          label.empty() ? 1 : static_cast<int>(label.size()), &extent);
    SelectObject(hdc, oldFont);
    // The etched frame runs through the middle of the first text line.
    const RECT frame{client.left, client.top + extent.cy / 2, client.right, client.bottom};
    const RECT outer{frame.left, frame.top, frame.right - 1, frame.bottom - 1};
    const RECT inner{frame.left + 1, frame.top + 1, frame.right, frame.bottom};
    DrawRing(hdc, inner, COLOR_3DHILIGHT, COLOR_3DHILIGHT);
    DrawRing(hdc, outer, COLOR_3DSHADOW, COLOR_3DSHADOW);
    if (!label.empty()) {
        RECT text{client.left + 8, client.top, client.left + 8 + extent.cx + 4,
                  client.top + extent.cy};
        FillRect(hdc, &text, background);
        text.left += 2;
        DrawLabel(hwnd, font, hdc, text, DT_LEFT | DT_TOP | DT_SINGLELINE, look.enabled);
    }
}

} // namespace

UINT ButtonKind(HWND hwnd) {
    const UINT kind = static_cast<UINT>(StyleOf(hwnd) & BS_TYPEMASK);
    switch (kind) {
    case BS_DEFPUSHBUTTON:
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_GROUPBOX:
    case BS_AUTORADIOBUTTON:
    case BS_OWNERDRAW:
        return kind;
    default:
        return BS_PUSHBUTTON;
    }
}

void PaintButton(HWND hwnd, HFONT font, const ButtonLook& look, HDC hdc) {
    RECT client{};
    GetClientRect(hwnd, &client);
    switch (look.kind) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        PaintCheck(hwnd, font, look, hdc, client);
        break;
    case BS_GROUPBOX:
        PaintGroupBox(hwnd, font, look, hdc, client);
        break;
    default:
        PaintPush(hwnd, font, look, hdc, client);
        break;
    }
}

} // namespace user_controls
