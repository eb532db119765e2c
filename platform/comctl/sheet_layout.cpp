// The sheet's controls and size.
//
// In dialog units of the sheet's font: a 4-unit margin round the tab control and the button
// row, buttons 50x14 with 4 units between them, the row right-aligned. The tab control's display
// area is as large as the largest page, each page measured in its own template's font. Buttons
// the sheet does not show (Apply with PSH_NOAPPLYNOW, Help without PSH_HASHELP) are hidden and
// the others close up to the right: OK, Cancel, Help.
#include "comctl/property_sheet.h"

#include <algorithm>

namespace comctl {
namespace {

SIZE DialogUnits(HWND sheet, int cx, int cy) {
    RECT r{0, 0, cx, cy};
    MapDialogRect(sheet, &r);
    return SIZE{r.right, r.bottom};
}

// A page's size in pixels: its template's units in its own font. An empty stand-in with that
// font asks the dialog manager itself, so the page is measured exactly as it will be made.
SIZE PagePixels(HWND sheet, const TemplateFacts& facts) {
    OwnedTemplate probe;
    DWORD font = facts.fontFace.empty() ? 0 : DS_SETFONT;
    probe.MakeEmpty(WS_CHILD | DS_CONTROL | font, 0, "", facts.fontFace.c_str(), facts.pointSize);
    HWND measure = CreateDialogIndirectParamA(nullptr, probe.get(), sheet, nullptr, 0);
    SIZE size{facts.cx, facts.cy};
    if (measure) {
        RECT r{0, 0, facts.cx, facts.cy};
        MapDialogRect(measure, &r);
        size = SIZE{r.right, r.bottom};
        DestroyWindow(measure);
    }
    return size;
}

HWND MakeButton(Sheet& sheet, int id, const char* text, DWORD style, HFONT font) {
    HWND b = CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_TABSTOP | style, 0, 0, 0, 0,
                             sheet.hwnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                             sheet.instance, nullptr);
    if (b && font) {
        SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return b;
}

} // namespace

void BuildSheet(Sheet& sheet) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(sheet.hwnd, WM_GETFONT, 0, 0));
    sheet.tab = CreateWindowExA(
        0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS, 0,
        0, 0, 0, sheet.hwnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kTabControlId)),
        sheet.instance, nullptr);
    if (sheet.tab && font) {
        SendMessageA(sheet.tab, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    bool hasApply = !(sheet.flags & PSH_NOAPPLYNOW);
    bool hasHelp = (sheet.flags & PSH_HASHELP) != 0;
    sheet.ok = MakeButton(sheet, IDOK, "OK", WS_VISIBLE | WS_GROUP | BS_DEFPUSHBUTTON, font);
    sheet.cancel = MakeButton(sheet, IDCANCEL, "Cancel", WS_VISIBLE, font);
    sheet.apply = MakeButton(sheet, kApplyId, "&Apply",
                             WS_DISABLED | (hasApply ? WS_VISIBLE : 0) | BS_PUSHBUTTON, font);
    sheet.help = MakeButton(sheet, IDHELP, "&Help",
                            WS_DISABLED | (hasHelp ? WS_VISIBLE : 0) | BS_PUSHBUTTON, font);
    SendMessageA(sheet.hwnd, DM_SETDEFID, IDOK, 0);

    for (size_t i = 0; i < sheet.pages.size(); ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(sheet.pages[i].title.c_str());
        SendMessageA(sheet.tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }

    SIZE page{0, 0};
    for (const SheetPage& p : sheet.pages) {
        SIZE s = PagePixels(sheet.hwnd, p.facts);
        page.cx = std::max(page.cx, s.cx);
        page.cy = std::max(page.cy, s.cy);
    }
    SIZE margin = DialogUnits(sheet.hwnd, 4, 4);
    SIZE button = DialogUnits(sheet.hwnd, 50, 14);
    RECT tab{0, 0, page.cx, page.cy};
    SendMessageA(sheet.tab, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&tab));
    int tabWidth = tab.right - tab.left;
    int tabHeight = tab.bottom - tab.top;
    int row = 4 * button.cx + 3 * margin.cx;
    int clientWidth = std::max(tabWidth, row) + 2 * margin.cx;
    tabWidth = clientWidth - 2 * margin.cx; // a narrow page still gets the sheet's full width
    int clientHeight = margin.cy + tabHeight + margin.cy + button.cy + margin.cy;
    MoveWindow(sheet.tab, margin.cx, margin.cy, tabWidth, tabHeight, FALSE);
    sheet.pageRect = RECT{0, 0, tabWidth, tabHeight};
    SendMessageA(sheet.tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&sheet.pageRect));
    OffsetRect(&sheet.pageRect, margin.cx, margin.cy);

    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(sheet.hwnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(sheet.hwnd, GWL_EXSTYLE)));
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT over = area;
    if (sheet.owner) {
        GetWindowRect(sheet.owner, &over);
    }
    int x = over.left + ((over.right - over.left) - width) / 2;
    int y = over.top + ((over.bottom - over.top) - height) / 2;
    x = std::max<int>(area.left, std::min<int>(x, area.right - width));
    y = std::max<int>(area.top, std::min<int>(y, area.bottom - height));
    SetWindowPos(sheet.hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    PlaceButtons(sheet);
}

void PlaceButtons(Sheet& sheet) {
    RECT client{};
    GetClientRect(sheet.hwnd, &client);
    SIZE margin = DialogUnits(sheet.hwnd, 4, 4);
    SIZE button = DialogUnits(sheet.hwnd, 50, 14);
    int y = client.bottom - margin.cy - button.cy;
    int right = client.right - margin.cx;
    HWND order[] = {sheet.help, sheet.apply, sheet.cancel, sheet.ok};
    for (HWND b : order) {
        if (!b) {
            continue;
        }
        // A hidden button stays where the next one to its left goes, out of the way.
        bool shown = (GetWindowLongA(b, GWL_STYLE) & WS_VISIBLE) != 0;
        MoveWindow(b, right - button.cx, y, button.cx, button.cy, FALSE);
        if (shown) {
            right -= button.cx + margin.cx;
        }
    }
}

} // namespace comctl
