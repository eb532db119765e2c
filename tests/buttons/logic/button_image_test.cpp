#include "buttons/logic/button_image.h"

#include <gtest/gtest.h>

namespace {

using namespace ruzav::buttons;

TEST(ButtonImage, FirstLoadedMatchWinsInTheOrderPressedFocusedDisabled) {
    constexpr unsigned S = kStateSelected, F = kStateFocus, D = kStateDisabled;
    using B = ButtonImage;
    const LoadedImages all{true, true, true};
    // clang-format off
    const struct {
        unsigned state;
        LoadedImages loaded;
        ButtonImage expected;
    } rows[] = {
        {0, all, B::Normal}, {S | F | D, all, B::Pressed}, {F | D, all, B::Focused},
        {D, all, B::Disabled}, {S | F, {false, true, true}, B::Focused},
        {S | D, {false, false, true}, B::Disabled}, {S | F | D, {false, false, false}, B::Normal},
        {0x0008 | 0x0020, all, B::Normal}, // checked and default are not states here
        // clang-format on
    };
    for (const auto& r : rows)
        EXPECT_EQ(ChooseButtonImage(r.state, r.loaded), r.expected) << r.state;
}

} // namespace
