// The tab control (SysTabControl32) as a host sees it: items, the selection, the notifications
// of mouse and keyboard changes, the display area.
#include "conformance.h"
#include "host_window.h"

#include <windows.h>
#include <commctrl.h>

#include <vector>

namespace {

std::vector<UINT> tabCodes;
int selectionDuringChanging = -2;
bool vetoChange = false;

LRESULT CALLBACK TabParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
        tabCodes.push_back(hdr->code);
        if (hdr->code == TCN_SELCHANGING) {
            selectionDuringChanging =
                static_cast<int>(SendMessageA(hdr->hwndFrom, TCM_GETCURSEL, 0, 0));
            return vetoChange ? TRUE : FALSE;
        }
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A 300x200 tab control with the given labels, in a fresh parent; the log starts empty.
HWND MakeTabs(std::initializer_list<const char*> labels) {
    InitCommonControls();
    HWND parent = CreateWindowExA(0, conformance::HostClass("TabConformanceParent", TabParentProc),
                                  "Tabs", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    HWND tab =
        CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 300, 200,
                        parent, reinterpret_cast<HMENU>(55), GetModuleHandleA(nullptr), nullptr);
    int index = 0;
    for (const char* label : labels) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(label);
        SendMessageA(tab, TCM_INSERTITEMA, index++, reinterpret_cast<LPARAM>(&item));
    }
    conformance::Pump();
    tabCodes.clear();
    vetoChange = false;
    return tab;
}

void Done(HWND tab) {
    DestroyWindow(GetParent(tab));
    conformance::Pump();
}

int Selection(HWND tab) {
    return static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
}

void ClickItem(HWND tab, int index) {
    RECT r = {};
    SendMessageA(tab, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(tab, WM_LBUTTONUP, 0, at);
    conformance::Pump();
}

void Key(HWND tab, WPARAM key) {
    PostMessageA(tab, WM_KEYDOWN, key, 0);
    conformance::Pump();
}

std::string Text(HWND tab, int index, int room) {
    char buffer[32] = "unchanged";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = room;
    if (!SendMessageA(tab, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) {
        return "(failed)";
    }
    return buffer;
}

} // namespace

CONFORMANCE_TEST(TabItemsAndSilentSelection) {
    HWND tab = MakeTabs({});
    CHECK_EQ(-1, Selection(tab));
    CHECK_EQ(0, static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0)));
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>("One");
    CHECK_EQ(0, static_cast<int>(SendMessageA(tab, TCM_INSERTITEMA, 0, (LPARAM)&item)));
    CHECK_EQ(0, Selection(tab)); // the first tab is selected as it comes
    item.pszText = const_cast<char*>("Three");
    CHECK_EQ(1, static_cast<int>(SendMessageA(tab, TCM_INSERTITEMA, 99, (LPARAM)&item)));
    CHECK_EQ(2, static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0)));
    CHECK_STR_EQ("Three", Text(tab, 1, 32).c_str());
    CHECK_STR_EQ("Th", Text(tab, 1, 3).c_str());
    CHECK_STR_EQ("(failed)", Text(tab, 5, 32).c_str());

    CHECK_EQ(0, static_cast<int>(SendMessageA(tab, TCM_SETCURSEL, 1, 0)));
    CHECK_EQ(1, Selection(tab));
    CHECK_EQ(-1, static_cast<int>(SendMessageA(tab, TCM_SETCURSEL, 7, 0)));
    CHECK_EQ(1, Selection(tab));
    CHECK(tabCodes.empty()); // setting the selection tells nobody

    CHECK(SendMessageA(tab, TCM_DELETEITEM, 0, 0) != 0);
    CHECK_EQ(0, Selection(tab)); // the selected tab moved down one place
    CHECK(!SendMessageA(tab, TCM_DELETEITEM, 4, 0));
    CHECK(SendMessageA(tab, TCM_DELETEALLITEMS, 0, 0) != 0);
    CHECK_EQ(0, static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0)));
    CHECK_EQ(-1, Selection(tab));
    Done(tab);
}

CONFORMANCE_TEST(TabClickAsksThenTells) {
    HWND tab = MakeTabs({"General", "Spin", "Advanced"});
    ClickItem(tab, 2);
    CHECK(tabCodes == (std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGE, NM_CLICK}));
    CHECK_EQ(0, selectionDuringChanging); // asked while the old tab is still selected
    CHECK_EQ(2, Selection(tab));
    CHECK(GetFocus() == tab);

    tabCodes.clear();
    ClickItem(tab, 2);
    CHECK(tabCodes == (std::vector<UINT>{NM_CLICK}));

    tabCodes.clear();
    vetoChange = true;
    ClickItem(tab, 1);
    CHECK(tabCodes == (std::vector<UINT>{TCN_SELCHANGING, NM_CLICK}));
    CHECK_EQ(2, Selection(tab));
    Done(tab);
}

CONFORMANCE_TEST(TabArrowKeysMoveTheSelection) {
    HWND tab = MakeTabs({"General", "Spin", "Advanced"});
    SetFocus(tab);
    tabCodes.clear();
    Key(tab, VK_RIGHT);
    CHECK(tabCodes == (std::vector<UINT>{TCN_KEYDOWN, TCN_SELCHANGING, TCN_SELCHANGE}));
    CHECK_EQ(1, Selection(tab));
    Key(tab, VK_LEFT);
    CHECK_EQ(0, Selection(tab));
    tabCodes.clear();
    Key(tab, VK_LEFT); // nothing to the left of the first tab
    CHECK(tabCodes == (std::vector<UINT>{TCN_KEYDOWN}));
    CHECK_EQ(0, Selection(tab));
    CHECK((SendMessageA(tab, WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS) != 0);
    Done(tab);
}

CONFORMANCE_TEST(TabItemsRowAndDisplayArea) {
    HWND tab = MakeTabs({"General", "Spin", "Advanced"});
    RECT items[3] = {};
    for (int i = 0; i < 3; ++i) {
        CHECK(SendMessageA(tab, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&items[i])) != 0);
        CHECK(items[i].right > items[i].left);
        CHECK_EQ(items[0].top, items[i].top);
        CHECK_EQ(items[0].bottom, items[i].bottom);
    }
    CHECK_EQ(items[0].right, items[1].left); // side by side, left to right
    CHECK_EQ(items[1].right, items[2].left);

    TCHITTESTINFO hit = {};
    hit.pt.x = (items[1].left + items[1].right) / 2;
    hit.pt.y = (items[1].top + items[1].bottom) / 2;
    CHECK_EQ(1, static_cast<int>(SendMessageA(tab, TCM_HITTEST, 0, (LPARAM)&hit)));
    hit.pt.x = 290;
    hit.pt.y = 150;
    CHECK_EQ(-1, static_cast<int>(SendMessageA(tab, TCM_HITTEST, 0, (LPARAM)&hit)));

    RECT client = {};
    GetClientRect(tab, &client);
    RECT display = client;
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    CHECK(display.top > items[0].bottom); // below the row
    CHECK(display.left > client.left && display.right < client.right);
    CHECK(display.bottom < client.bottom);
    SendMessageA(tab, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&display));
    CHECK_EQ(client.left, display.left);
    CHECK_EQ(client.top, display.top);
    CHECK_EQ(client.right, display.right);
    CHECK_EQ(client.bottom, display.bottom);
    Done(tab);
}
