// Classic painting of the tab control, checked in pixels: the panel's light top edge runs under
// every tab but the selected one, which opens into the panel; labels are drawn in the button
// text colour.
#include <commctrl.h>
#include <desktop.h>
#include <gtest/gtest.h>

namespace {

class TabPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        desktop::reset();
        InitCommonControls();
        parent_ = CreateWindowExA(0, "#32770", "", WS_POPUP | WS_VISIBLE, 50, 50, 360, 240, nullptr,
                                  nullptr, nullptr, nullptr);
        tab_ = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE, 10, 10, 300, 200,
                               parent_, reinterpret_cast<HMENU>(1), nullptr, nullptr);
        for (const char* label : {"General", "Spin", "Advanced"}) {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char*>(label);
            SendMessageA(tab_, TCM_INSERTITEMA, 9, reinterpret_cast<LPARAM>(&item));
        }
        desktop::PumpUntilIdle();
    }
    void TearDown() override { desktop::reset(); }

    RECT Item(int index) {
        RECT r{};
        SendMessageA(tab_, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // Whether any pixel of the row y, between x0 and x1, has the colour.
    bool RowHas(int y, int x0, int x1, COLORREF colour) {
        for (int x = x0; x < x1; ++x) {
            if (desktop::WindowPixel(tab_, x, y) == colour) {
                return true;
            }
        }
        return false;
    }

    HWND parent_ = nullptr;
    HWND tab_ = nullptr;
};

TEST_F(TabPaintTest, TheSelectedTabOpensIntoThePanel) {
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    for (int selected = 0; selected < 3; ++selected) {
        SendMessageA(tab_, TCM_SETCURSEL, selected, 0);
        desktop::PumpUntilIdle();
        for (int i = 0; i < 3; ++i) {
            RECT r = Item(i);
            // The panel's top edge lies on the row's bottom line.
            bool edgeUnder = RowHas(r.bottom + 1, r.left + 4, r.right - 4, light);
            EXPECT_EQ(i != selected, edgeUnder) << "selected " << selected << ", tab " << i;
        }
    }
}

TEST_F(TabPaintTest, LabelsAreDrawnInTheButtonTextColour) {
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    for (int i = 0; i < 3; ++i) {
        RECT r = Item(i);
        bool found = false;
        for (int y = r.top + 2; y < r.bottom - 2 && !found; ++y) {
            found = RowHas(y, r.left + 4, r.right - 4, text);
        }
        EXPECT_TRUE(found) << "tab " << i;
    }
    // Nothing but the panel's face inside the display area.
    RECT display{};
    GetClientRect(tab_, &display);
    SendMessageA(tab_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE),
              desktop::WindowPixel(tab_, (display.left + display.right) / 2,
                                   (display.top + display.bottom) / 2));
}

} // namespace
