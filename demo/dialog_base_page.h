// Gallery page: a host dialog derived from the dialog base.
#pragma once

#include <string>

// Opens the page as a modal dialog, drives its session, prints what the host receives and
// saves "dialog-before.png" and "dialog-after.png" in outDir. False when the page could not be
// shown or a picture saved.
bool RunDialogBasePage(const std::string& outDir);

// The same dialog for a person: modal, until a button, the time-out or the application's end
// closes it.
bool OpenDialogBasePage(const std::string& outDir);
