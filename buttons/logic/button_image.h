// Which of a bitmap button's images shows for an owner-draw item state. Plain data in and out,
// so the rule is tested without a window.
#pragma once

namespace ruzav::buttons {

enum class ButtonImage { Normal, Pressed, Focused, Disabled };

// The owner-draw state bits the choice reads (ODS_SELECTED, ODS_FOCUS, ODS_DISABLED).
constexpr unsigned kStateSelected = 0x0001;
constexpr unsigned kStateDisabled = 0x0004;
constexpr unsigned kStateFocus = 0x0010;

// The images a button has loaded besides its normal one.
struct LoadedImages {
    bool pressed = false;
    bool focused = false;
    bool disabled = false;
};

// First match wins: pressed, then focused, then disabled, each only when loaded; else normal.
// So a pressed button with the focus shows its pressed image, and a focused disabled button
// its focused image.
ButtonImage ChooseButtonImage(unsigned itemState, LoadedImages loaded);

} // namespace ruzav::buttons
