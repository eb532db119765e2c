#include "buttons/logic/button_image.h"

#include <gtest/gtest.h>

namespace {

using ruzav::buttons::ButtonImage;
using ruzav::buttons::ChooseButtonImage;
using ruzav::buttons::kStateDisabled;
using ruzav::buttons::kStateFocus;
using ruzav::buttons::kStateSelected;
using ruzav::buttons::LoadedImages;

struct Row {
    unsigned state;
    LoadedImages loaded;
    ButtonImage expected;
    const char* what;
};

TEST(ButtonImage, FirstLoadedMatchWinsInTheOrderPressedFocusedDisabled) {
    const LoadedImages all{true, true, true};
    const LoadedImages none{false, false, false};
    const Row rows[] = {
        {0, all, ButtonImage::Normal, "no state"},
        {kStateSelected, all, ButtonImage::Pressed, "pressed"},
        {kStateFocus, all, ButtonImage::Focused, "focused"},
        {kStateDisabled, all, ButtonImage::Disabled, "disabled"},
        {kStateSelected | kStateFocus, all, ButtonImage::Pressed, "pressed beats focused"},
        {kStateFocus | kStateDisabled, all, ButtonImage::Focused, "focused beats disabled"},
        {kStateSelected | kStateFocus | kStateDisabled, all, ButtonImage::Pressed, "all three"},
        {kStateSelected | kStateFocus,
         {false, true, true},
         ButtonImage::Focused,
         "pressed without its image falls to focused"},
        {kStateSelected | kStateDisabled,
         {false, false, true},
         ButtonImage::Disabled,
         "pressed and focused missing fall to disabled"},
        {kStateSelected | kStateFocus | kStateDisabled, none, ButtonImage::Normal,
         "nothing optional loaded"},
        {0x0008 | 0x0020, all, ButtonImage::Normal, "checked and default bits are not states here"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ChooseButtonImage(r.state, r.loaded), r.expected) << r.what;
}

} // namespace
