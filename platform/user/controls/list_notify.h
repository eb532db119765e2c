// What a list box and the combo box that owns its drop-down list say to each other beyond the
// public LBN_ codes.
#pragma once

namespace user_controls {

// Sent by a drop-down list (a pop-up LISTBOX) to its owner when the left button comes up over it:
// the user has chosen, and the combo box closes the list.
constexpr unsigned kListChosen = 0x7F01;

// The window property of a drop-down list that names its combo box: a pop-up's parent (its owner)
// is the dialog, so the list would otherwise tell the dialog what it should tell the combo box.
constexpr const char* kComboProperty = "ComboLBoxOwner";

} // namespace user_controls
