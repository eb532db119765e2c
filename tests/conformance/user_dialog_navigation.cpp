// Dialog keyboard navigation and the default button as hosts meet them: Tab order through
// nested WS_EX_CONTROLPARENT containers, hidden and disabled controls, WS_GROUP boundaries with
// wrap-around, a NULL start; DM_SETDEFID/DM_GETDEFID and what WM_NEXTDLGCTL does to the default.
#include "conformance.h"

#include <windows.h>

namespace {

HWND Dialog() {
    return CreateWindowExA(0, "#32770", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

HWND Child(HWND parent, const char* className, int id, DWORD style, DWORD exStyle = 0) {
    return CreateWindowExA(exStyle, className, "", WS_CHILD | style, 0, id * 2, 40, 2, parent,
                           (HMENU)(INT_PTR)id, GetModuleHandleA(nullptr), nullptr);
}

// A container window: a plain child with the dialog class's procedure would answer dialog
// messages itself, so a static stands in, as property pages and group panes do.
HWND Pane(HWND parent, int id, DWORD style) {
    return Child(parent, "STATIC", id, style, WS_EX_CONTROLPARENT);
}

// The tree the navigation cases walk:
//   a (tab stop, group)
//   pane (control parent): b (tab stop, group), c (tab stop), inner (control parent): d (tab)
//   e (tab stop, group), f (no tab stop), g (tab stop, disabled)
//   hiddenPane (control parent, hidden): h (tab stop)
//   i (tab stop)
struct Tree {
    HWND dlg, a, pane, b, c, inner, d, e, f, g, hiddenPane, h, i;
};

Tree MakeTree() {
    Tree t;
    const DWORD on = WS_VISIBLE;
    t.dlg = Dialog();
    t.a = Child(t.dlg, "EDIT", 1, on | WS_TABSTOP | WS_GROUP);
    t.pane = Pane(t.dlg, 10, on);
    t.b = Child(t.pane, "BUTTON", 11, on | WS_TABSTOP | WS_GROUP);
    t.c = Child(t.pane, "BUTTON", 12, on | WS_TABSTOP);
    t.inner = Pane(t.pane, 20, on);
    t.d = Child(t.inner, "EDIT", 21, on | WS_TABSTOP);
    t.e = Child(t.dlg, "EDIT", 2, on | WS_TABSTOP | WS_GROUP);
    t.f = Child(t.dlg, "EDIT", 3, on);
    t.g = Child(t.dlg, "EDIT", 4, on | WS_TABSTOP | WS_DISABLED);
    t.hiddenPane = Pane(t.dlg, 30, 0);
    t.h = Child(t.hiddenPane, "EDIT", 31, on | WS_TABSTOP);
    t.i = Child(t.dlg, "EDIT", 5, on | WS_TABSTOP);
    return t;
}

struct Step {
    HWND from;
    BOOL previous;
    HWND to;
    int line;
};

enum Walk { Tab, Group };

void CheckSteps(Walk walk, HWND dlg, const Step* steps, size_t count) {
    for (size_t k = 0; k < count; ++k) {
        HWND got = walk == Tab ? GetNextDlgTabItem(dlg, steps[k].from, steps[k].previous)
                               : GetNextDlgGroupItem(dlg, steps[k].from, steps[k].previous);
        if (got != steps[k].to)
            conformance::Fail(__FILE__, steps[k].line,
                              "from id " + conformance::Show(GetDlgCtrlID(steps[k].from)) +
                                  (steps[k].previous ? " backwards" : " forwards") +
                                  ": expected id " + conformance::Show(GetDlgCtrlID(steps[k].to)) +
                                  ", got id " + conformance::Show(GetDlgCtrlID(got)));
    }
}

} // namespace

CONFORMANCE_TEST(UserNextDlgTabItemThroughNestedContainers) {
    Tree t = MakeTree();
    const Step steps[] = {
        {t.a, FALSE, t.b, __LINE__}, // into the container, which is no stop itself
        {t.b, FALSE, t.c, __LINE__},
        {t.c, FALSE, t.d, __LINE__}, // two levels down
        {t.d, FALSE, t.e, __LINE__}, // two levels up
        {t.e, FALSE, t.i, __LINE__}, // past no tab stop, disabled, hidden container
        {t.i, FALSE, t.a, __LINE__}, // wraps
        {t.a, TRUE, t.i, __LINE__},
        {t.i, TRUE, t.e, __LINE__}, // back past the hidden container, disabled, no tab stop
        {t.b, TRUE, t.a, __LINE__},
        {t.d, TRUE, t.c, __LINE__},
        {t.e, TRUE, t.d, __LINE__},  // into the last control of the nested container
        {t.f, FALSE, t.i, __LINE__}, // a start control that is no tab stop
        {t.f, TRUE, t.e, __LINE__},
        {t.h, FALSE, t.i, __LINE__}, // a start control inside a hidden container
        {t.h, TRUE, t.e, __LINE__},
        {nullptr, FALSE, t.a, __LINE__},
        {t.dlg, FALSE, t.a, __LINE__}, // the dialog itself counts as no start control
    };
    CheckSteps(Tab, t.dlg, steps, sizeof steps / sizeof steps[0]);
    // Documented Windows starts from the last control here; Windows 2000 and later, and Wine,
    // answer NULL. The platform follows the tested Windows answer; both are accepted.
    HWND last = GetNextDlgTabItem(t.dlg, nullptr, TRUE);
    CHECK(last == nullptr || last == t.i);
    // Nothing else to reach: the start control comes back.
    EnableWindow(t.a, FALSE);
    ShowWindow(t.pane, SW_HIDE);
    EnableWindow(t.e, FALSE);
    CHECK(GetNextDlgTabItem(t.dlg, t.i, FALSE) == t.i);
    CHECK(GetNextDlgTabItem(t.dlg, t.i, TRUE) == t.i);
    DestroyWindow(t.dlg);
}

CONFORMANCE_TEST(UserNextDlgGroupItemWithinGroupsAndWraps) {
    Tree t = MakeTree();
    const Step steps[] =
        {
            {t.a, FALSE, t.a, __LINE__}, // a group of one
            {t.a, TRUE, t.a, __LINE__},
            {t.b, FALSE, t.c, __LINE__}, // groups run through containers
            {t.c, FALSE, t.d, __LINE__},
            {t.d, FALSE, t.b, __LINE__}, // and wrap to the group's start
            {t.b, TRUE, t.d, __LINE__},
            {t.e, FALSE, t.f, __LINE__}, // tab stops do not matter, usable controls do
            {t.f, FALSE, t.i, __LINE__}, // past the disabled control and the hidden container
            {t.i, FALSE, t.e, __LINE__},
            {t.e, TRUE, t.i, __LINE__},
            {t.i, TRUE, t.f, __LINE__},
            {nullptr, FALSE, t.a, __LINE__}, // the first control
        };
    CheckSteps(Group, t.dlg, steps, sizeof steps / sizeof steps[0]);
    // Backwards from no start control: Wine answers NULL, as for the Tab order, and so does the
    // platform; documented Windows would search from the last control. Both are accepted.
    HWND before = GetNextDlgGroupItem(t.dlg, nullptr, TRUE);
    CHECK(before == nullptr || before == t.a || before == t.i);
    DestroyWindow(t.dlg);
}

CONFORMANCE_TEST(UserNextDlgGroupItemGroupWrapsPastTheLastControl) {
    // The first control starts no group, so its group began at the last WS_GROUP control and
    // runs on through the end of the dialog back to it: x's group is y, z, x.
    HWND dlg = Dialog();
    HWND x = Child(dlg, "BUTTON", 1, WS_VISIBLE);
    HWND y = Child(dlg, "BUTTON", 2, WS_VISIBLE | WS_GROUP);
    HWND z = Child(dlg, "BUTTON", 3, WS_VISIBLE);
    const Step steps[] = {
        {x, FALSE, y, __LINE__}, {x, TRUE, z, __LINE__},  {z, FALSE, x, __LINE__},
        {y, TRUE, x, __LINE__},  {y, FALSE, z, __LINE__},
    };
    CheckSteps(Group, dlg, steps, sizeof steps / sizeof steps[0]);
    DestroyWindow(dlg);
}

namespace {

DWORD ButtonKind(HWND button) {
    return (DWORD)GetWindowLongPtrA(button, GWL_STYLE) & 0x0F;
}

} // namespace

CONFORMANCE_TEST(UserDialogDefaultIdIsKeptAcrossFocusMoves) {
    HWND dlg = Dialog();
    HWND edit = Child(dlg, "EDIT", 1, WS_VISIBLE | WS_TABSTOP);
    HWND ok = Child(dlg, "BUTTON", IDOK, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON);
    HWND other = Child(dlg, "BUTTON", 7, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON);
    // A dialog starts with IDOK as its default.
    CHECK_EQ((LRESULT)MAKELONG(IDOK, DC_HASDEFID), SendMessageA(dlg, DM_GETDEFID, 0, 0));

    CHECK_EQ((LRESULT)TRUE, SendMessageA(dlg, DM_SETDEFID, 7, 0));
    CHECK_EQ((LRESULT)MAKELONG(7, DC_HASDEFID), SendMessageA(dlg, DM_GETDEFID, 0, 0));
    CHECK_EQ((DWORD)BS_DEFPUSHBUTTON, ButtonKind(other));
    CHECK_EQ((DWORD)BS_PUSHBUTTON, ButtonKind(ok));

    // Focus on another push button makes it look like the default while it has the focus; the
    // default identifier stays.
    SendMessageA(dlg, WM_NEXTDLGCTL, (WPARAM)ok, TRUE);
    CHECK(GetFocus() == ok);
    CHECK_EQ((DWORD)BS_DEFPUSHBUTTON, ButtonKind(ok));
    CHECK_EQ((DWORD)BS_PUSHBUTTON, ButtonKind(other));
    CHECK_EQ((LRESULT)MAKELONG(7, DC_HASDEFID), SendMessageA(dlg, DM_GETDEFID, 0, 0));

    // Leaving the buttons gives the default look back to the default button.
    SendMessageA(dlg, WM_NEXTDLGCTL, (WPARAM)edit, TRUE);
    CHECK(GetFocus() == edit);
    CHECK_EQ((DWORD)BS_PUSHBUTTON, ButtonKind(ok));
    CHECK_EQ((DWORD)BS_DEFPUSHBUTTON, ButtonKind(other));
    CHECK_EQ((LRESULT)MAKELONG(7, DC_HASDEFID), SendMessageA(dlg, DM_GETDEFID, 0, 0));

    // Tab order moves keep it as well.
    SendMessageA(dlg, WM_NEXTDLGCTL, 0, FALSE);
    CHECK(GetFocus() == ok);
    SendMessageA(dlg, WM_NEXTDLGCTL, 0, FALSE);
    CHECK(GetFocus() == other);
    CHECK_EQ((LRESULT)MAKELONG(7, DC_HASDEFID), SendMessageA(dlg, DM_GETDEFID, 0, 0));
    DestroyWindow(dlg);
}
