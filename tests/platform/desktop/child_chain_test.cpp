// The pump's filters find a message's sheet or frame through the window's chain of parents; the
// answer for the window last asked about is kept, and must follow every change of that chain.
#include "user/user_internal.h"

#include <desktop.h>

#include <gtest/gtest.h>

namespace {

HWND Make(DWORD style, HWND parent) {
    return CreateWindowExA(0, "STATIC", "", style, 0, 0, 50, 50, parent, nullptr, nullptr, nullptr);
}

TEST(ChildChainTop, FollowsEveryChangeOfTheChain) {
    const struct {
        const char* change;
        void (*apply)(HWND top, HWND middle, HWND child, HWND other);
        bool toOther; // true: the chain now ends at `other`; false: at the child itself
    } rows[] = {
        {"the child moves to another window",
         [](HWND, HWND, HWND child, HWND other) { SetParent(child, other); }, true},
        {"the middle window moves",
         [](HWND, HWND middle, HWND, HWND other) { SetParent(middle, other); }, true},
        {"the child stops being one",
         [](HWND, HWND, HWND child, HWND) {
             SetWindowLongA(child, GWL_STYLE, GetWindowLongA(child, GWL_STYLE) & ~WS_CHILD);
         },
         false},
    };
    for (const auto& row : rows) {
        HWND top = Make(WS_POPUP, nullptr);
        HWND other = Make(WS_POPUP, nullptr);
        HWND middle = Make(WS_CHILD, top);
        HWND child = Make(WS_CHILD, middle);
        ASSERT_EQ(wm::ChildChainTop(child), top) << row.change;
        ASSERT_EQ(wm::ChildChainTop(child), top) << row.change; // asked again: the kept answer
        row.apply(top, middle, child, other);
        EXPECT_EQ(wm::ChildChainTop(child), row.toOther ? other : child) << row.change;
        DestroyWindow(top);
        DestroyWindow(other);
        if (IsWindow(child)) {
            DestroyWindow(child);
        }
    }
}

TEST(ChildChainTop, AHandleOfADestroyedWindowLeadsNowhere) {
    HWND top = Make(WS_POPUP, nullptr);
    HWND child = Make(WS_CHILD, top);
    ASSERT_EQ(wm::ChildChainTop(child), top);
    DestroyWindow(top);
    EXPECT_EQ(wm::ChildChainTop(child), child); // a stale handle comes back as given
}

} // namespace
