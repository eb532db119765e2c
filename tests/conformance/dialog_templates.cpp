// Binary dialog templates built in memory and handed to CreateDialogIndirectParamA and
// DialogBoxIndirectParamA: DLGTEMPLATE and DLGTEMPLATEEX, ordinal and named classes, the font,
// and creation data.
#include "conformance.h"
#include "host_window.h"
#include "template_writer.h"

#include <windows.h>

#include <utility>
#include <vector>

namespace {

using conformance::TemplateWriter;

// A dialog with an edit named by its ordinal, a static named by its class, and a window of a
// registered class that receives four bytes of creation data.
const DLGTEMPLATE* Classic(TemplateWriter& t, DWORD style) {
    t.Dword(style | DS_SETFONT);
    t.Dword(0);
    t.Word(3);
    t.Box(10, 10, 120, 60);
    t.Word(0); // no menu
    t.Word(0); // the dialog class
    t.Text("Template");
    t.Word(8);
    t.Text("MS Sans Serif");

    t.Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 5, 5, 60, 12, 101);
    t.Ordinal(0x0081);
    t.Text("Ann");
    t.Word(0);

    t.Item(WS_CHILD | WS_VISIBLE | SS_LEFT, 5, 20, 60, 8, 102);
    t.Text("static");
    t.Text("Label");
    t.Word(0);

    t.Item(WS_CHILD | WS_VISIBLE, 5, 35, 60, 8, 103);
    t.Text("TemplateProbe");
    t.Word(0);
    t.Word(6); // the creation data: its size, then four bytes
    t.Word(0x1234);
    t.Word(0x5678);
    return t.Get();
}

WORD g_creationSize;
WORD g_creationFirst;

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        const auto* data = static_cast<const WORD*>(cs->lpCreateParams);
        g_creationSize = data ? data[0] : 0;
        g_creationFirst = data ? data[1] : 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void RegisterProbe() {
    conformance::HostClass("TemplateProbe", ProbeProc);
}

INT_PTR CALLBACK EndAtOnce(HWND dialog, UINT message, WPARAM, LPARAM param) {
    if (message == WM_INITDIALOG) {
        EndDialog(dialog, param);
        return TRUE;
    }
    return FALSE;
}

using conformance::WindowText;

} // namespace

CONFORMANCE_TEST(DialogTemplateInMemory) {
    RegisterProbe();
    g_creationSize = g_creationFirst = 0;
    TemplateWriter writer;
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), Classic(writer, WS_POPUP),
                                             nullptr, nullptr, 0);
    CHECK(dialog != nullptr);
    CHECK_STR_EQ("Template", WindowText(dialog).c_str());
    CHECK_STR_EQ("Ann", WindowText(GetDlgItem(dialog, 101)).c_str());
    CHECK_STR_EQ("Label", WindowText(GetDlgItem(dialog, 102)).c_str());
    for (const auto& [id, expected] : {std::pair{101, "Edit"}, std::pair{102, "Static"}}) {
        char className[32] = "";
        GetClassNameA(GetDlgItem(dialog, id), className, sizeof className);
        CHECK_EQ(0, lstrcmpiA(expected, className));
    }
    CHECK(GetDlgItem(dialog, 103) != nullptr);
    // The control's creation parameters point at the creation data, its size first.
    CHECK_EQ(6, g_creationSize);
    CHECK_EQ(0x1234, g_creationFirst);
    // DS_SETFONT: the dialog and its controls use the template's font.
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    CHECK(font != nullptr);
    CHECK(reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, 101, WM_GETFONT, 0, 0)) == font);
    DestroyWindow(dialog);
}

CONFORMANCE_TEST(DialogTemplateModalFromMemory) {
    RegisterProbe();
    TemplateWriter writer;
    CHECK_EQ(42, DialogBoxIndirectParamA(GetModuleHandleA(nullptr), Classic(writer, WS_POPUP),
                                         nullptr, EndAtOnce, 42));
}

CONFORMANCE_TEST(DialogTemplateExtended) {
    TemplateWriter t;
    t.Word(1);
    t.Word(0xFFFF);
    t.Dword(0); // help id
    t.Dword(0); // extended style
    t.Dword(WS_POPUP | DS_SETFONT);
    t.Word(1);
    t.Box(0, 0, 100, 40);
    t.Word(0);
    t.Word(0);
    t.Text("Extended");
    t.Word(9);
    t.Word(FW_BOLD);
    t.Word(0); // not italic, ANSI character set
    t.Text("Arial");
    t.Align();
    t.Dword(0); // help id
    t.Dword(0);
    t.Dword(WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
    t.Box(5, 5, 40, 14);
    t.Dword(300);
    t.Ordinal(0x0080);
    t.Text("OK");
    t.Word(0);
    HWND dialog =
        CreateDialogIndirectParamA(GetModuleHandleA(nullptr), t.Get(), nullptr, nullptr, 0);
    CHECK(dialog != nullptr);
    CHECK_STR_EQ("Extended", WindowText(dialog).c_str());
    CHECK_STR_EQ("OK", WindowText(GetDlgItem(dialog, 300)).c_str());
    LOGFONTA lf = {};
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    CHECK(font != nullptr && GetObjectA(font, sizeof lf, &lf) == sizeof lf);
    CHECK_EQ(static_cast<LONG>(FW_BOLD), lf.lfWeight);
    DestroyWindow(dialog);
}
