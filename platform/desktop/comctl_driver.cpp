// The driver's pump treats property sheets as their hosts must: a message for a sheet or one of
// its pages goes to the sheet's PSM_ISDIALOGMESSAGE first, which switches pages on Ctrl+Tab
// and does the dialog keys.
#include "comctl/property_sheet.h"
#include "user/user_internal.h"

namespace {

bool SheetTakes(MSG& msg) {
    HWND top = wm::ChildChainTop(msg.hwnd);
    if (!top || !comctl::SheetOf(top)) {
        return false;
    }
    return SendMessageA(top, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&msg)) != 0;
}

[[maybe_unused]] const bool installed = (wm::AddPumpFilter(SheetTakes), true);

} // namespace
