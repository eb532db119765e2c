#include "user/controls/system_classes.h"

#include "user/controls/button_control.h"
#include "user/controls/combobox_control.h"
#include "user/controls/control_state.h"
#include "user/controls/edit_control.h"
#include "user/controls/listbox_control.h"
#include "user/controls/scrollbar_control.h"
#include "user/controls/static_control.h"

namespace user_controls {
namespace {

void Register(const char* name, WNDPROC procedure, UINT style, LPCSTR cursor) {
    WNDCLASSA wc{};
    wc.style = style | CS_GLOBALCLASS;
    wc.lpfnWndProc = procedure;
    wc.cbWndExtra = kStateBytes;
    wc.hCursor = LoadCursorA(nullptr, cursor);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

} // namespace

void RegisterSystemClasses() {
    // No class brush: each control paints its whole client area itself.
    Register("EDIT", EditWndProc, CS_DBLCLKS, IDC_IBEAM);
    Register("STATIC", StaticWndProc, CS_DBLCLKS, IDC_ARROW);
    Register("SCROLLBAR", ScrollBarWndProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW);
    Register("BUTTON", ButtonWndProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW);
    Register("LISTBOX", ListBoxWndProc, CS_DBLCLKS, IDC_ARROW);
    Register("COMBOBOX", ComboBoxWndProc, CS_DBLCLKS, IDC_ARROW);
}

} // namespace user_controls
