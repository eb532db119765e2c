// Names of window messages, for recorded sequences and failure messages.
#include "user/user_internal.h"

#include <cstdio>

namespace wm {

std::string MessageName(UINT msg) {
    static const struct {
        UINT msg;
        const char* name;
    } names[] = {
#define NAME(m) {m, #m}
        NAME(WM_NULL),
        NAME(WM_CREATE),
        NAME(WM_DESTROY),
        NAME(WM_MOVE),
        NAME(WM_SIZE),
        NAME(WM_ACTIVATE),
        NAME(WM_SETFOCUS),
        NAME(WM_KILLFOCUS),
        NAME(WM_ENABLE),
        NAME(WM_SETREDRAW),
        NAME(WM_SETTEXT),
        NAME(WM_GETTEXT),
        NAME(WM_GETTEXTLENGTH),
        NAME(WM_PAINT),
        NAME(WM_CLOSE),
        NAME(WM_QUIT),
        NAME(WM_ERASEBKGND),
        NAME(WM_SHOWWINDOW),
        NAME(WM_CANCELMODE),
        NAME(WM_SETCURSOR),
        NAME(WM_MOUSEACTIVATE),
        NAME(WM_GETMINMAXINFO),
        NAME(WM_NEXTDLGCTL),
        NAME(WM_DRAWITEM),
        NAME(WM_SETFONT),
        NAME(WM_GETFONT),
        NAME(WM_WINDOWPOSCHANGING),
        NAME(WM_WINDOWPOSCHANGED),
        NAME(WM_NOTIFY),
        NAME(WM_HELP),
        NAME(WM_CONTEXTMENU),
        NAME(WM_STYLECHANGING),
        NAME(WM_STYLECHANGED),
        NAME(WM_NCCREATE),
        NAME(WM_NCDESTROY),
        NAME(WM_NCCALCSIZE),
        NAME(WM_NCHITTEST),
        NAME(WM_NCPAINT),
        NAME(WM_NCACTIVATE),
        NAME(WM_GETDLGCODE),
        NAME(WM_NCMOUSEMOVE),
        NAME(WM_NCLBUTTONDOWN),
        NAME(WM_NCLBUTTONUP),
        NAME(WM_KEYDOWN),
        NAME(WM_KEYUP),
        NAME(WM_CHAR),
        NAME(WM_SYSKEYDOWN),
        NAME(WM_SYSKEYUP),
        NAME(WM_SYSCHAR),
        NAME(WM_INITDIALOG),
        NAME(WM_COMMAND),
        NAME(WM_SYSCOMMAND),
        NAME(WM_TIMER),
        NAME(WM_HSCROLL),
        NAME(WM_VSCROLL),
        NAME(WM_ENTERIDLE),
        NAME(WM_CTLCOLOREDIT),
        NAME(WM_CTLCOLORBTN),
        NAME(WM_CTLCOLORDLG),
        NAME(WM_CTLCOLORSCROLLBAR),
        NAME(WM_CTLCOLORSTATIC),
        NAME(WM_MOUSEMOVE),
        NAME(WM_LBUTTONDOWN),
        NAME(WM_LBUTTONUP),
        NAME(WM_LBUTTONDBLCLK),
        NAME(WM_RBUTTONDOWN),
        NAME(WM_RBUTTONUP),
        NAME(WM_RBUTTONDBLCLK),
        NAME(WM_PARENTNOTIFY),
        NAME(WM_CAPTURECHANGED),
        NAME(WM_CUT),
        NAME(WM_COPY),
        NAME(WM_PASTE),
        NAME(WM_CLEAR),
        NAME(WM_UNDO),
        NAME(DM_GETDEFID),
        NAME(DM_SETDEFID),
        NAME(EM_GETSEL),
        NAME(EM_SETSEL),
        NAME(EM_REPLACESEL),
        NAME(EM_LIMITTEXT),
        NAME(BM_GETCHECK),
        NAME(BM_SETCHECK),
        NAME(BM_GETSTATE),
        NAME(BM_SETSTATE),
        NAME(BM_SETSTYLE),
        NAME(BM_CLICK),
#undef NAME
    };
    for (const auto& n : names) {
        if (n.msg == msg) {
            return n.name;
        }
    }
    char buffer[32];
    if (msg >= WM_USER && msg < WM_APP) {
        snprintf(buffer, sizeof buffer, "WM_USER+%u", msg - WM_USER);
    } else {
        snprintf(buffer, sizeof buffer, "0x%04X", msg);
    }
    return buffer;
}

} // namespace wm
