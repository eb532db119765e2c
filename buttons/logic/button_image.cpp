#include "buttons/logic/button_image.h"

namespace ruzav::buttons {

ButtonImage ChooseButtonImage(unsigned itemState, LoadedImages loaded) {
    if ((itemState & kStateSelected) && loaded.pressed)
        return ButtonImage::Pressed;
    if ((itemState & kStateFocus) && loaded.focused)
        return ButtonImage::Focused;
    if ((itemState & kStateDisabled) && loaded.disabled)
        return ButtonImage::Disabled;
    return ButtonImage::Normal;
}

} // namespace ruzav::buttons
