// Status and feedback controls: what a host places in its frames and dialogs.
//
// Contents: tagCKStatusBarPane (one pane of the extended status bar).
#pragma once

#include <afxwin.h>

// One pane of an extended status bar, as the host describes it when it adds the pane.
struct tagCKStatusBarPane {
    // Handed to the framework bar: nonzero gives the pane the text of the host's string resource
    // with this identifier and a width that fits it; 0 makes an empty pane.
    UINT nIndicatorID;
    // Posted to the bar's parent when the user clicks the pane (0 posts nothing). With a nonzero
    // nWidth it is also the pane's identifier in the framework bar.
    UINT nMessageID;
    // The pane's width in pixels; 0 keeps the width the framework gives it.
    UINT nWidth;
};
