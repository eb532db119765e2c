// hello_spin: a dialog with a whole-number spin control that closes itself after a second as
// if OK were pressed, then prints the value the control holds.
//
//   hello_spin [START]     START: the first value, 0 to 100 (default 42)
#include <afxwin.h>
#include <resources.h>
#include <ruzav32/dialogs.h>
#include <ruzav32/spin.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr UINT IDD_HELLO = 100;
constexpr int IDC_VALUE = 10;

resources::DialogItem Item(const char* cls, const char* text, int id, DWORD style, short x, short y,
                           short cx, short cy) {
    resources::DialogItem item;
    item.className = cls;
    item.text = text;
    item.id = static_cast<WORD>(id);
    item.style = WS_CHILD | WS_VISIBLE | style;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    return item;
}

// What a resource script would hold; the package has no resource compiler, so the program
// gives its one dialog through the platform's resource builder.
void AddDialogTemplate() {
    resources::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.caption = "Hello, spin";
    t.fontFace = "MS Sans Serif";
    t.cx = 150;
    t.cy = 60;
    t.items.push_back(Item("STATIC", "Value", -1, SS_LEFT, 8, 10, 40, 8));
    t.items.push_back(Item("CKSpin", "", IDC_VALUE, WS_TABSTOP, 52, 8, 60, 13));
    t.items.push_back(Item("BUTTON", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 8, 38, 50, 14));
    t.items.push_back(
        Item("BUTTON", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 64, 38, 50, 14));
    resources::AddDialog(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDD_HELLO), t);
}

class HelloDialog : public CDlg {
public:
    // One second, then OK.
    explicit HelloDialog(int start) : CDlg(IDD_HELLO, NULL, 1, IDOK, 0), start_(start) {}

    int value = -1;

protected:
    CKSpin* Spin() {
        CWnd* wnd = CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, IDC_VALUE));
        return wnd != NULL && wnd->IsKindOf(RUNTIME_CLASS(CKSpin)) ? static_cast<CKSpin*>(wnd)
                                                                   : NULL;
    }

    BOOL OnInitDialog() override {
        CDlg::OnInitDialog();
        if (CKSpin* spin = Spin())
            spin->SetProperties(this, 0, 100, start_, 1);
        return TRUE;
    }

    void OnOK() override {
        if (CKSpin* spin = Spin())
            spin->Get(&value);
        CDlg::OnOK();
    }

private:
    int start_;
};

} // namespace

int main(int argc, char** argv) {
    const int start = argc > 1 ? std::atoi(argv[1]) : 42;
    if (!CKSpin::RegisterClass()) {
        std::fprintf(stderr, "hello_spin: the spin control class could not be registered\n");
        return 1;
    }
    AddDialogTemplate();
    HelloDialog dialog(start);
    const INT_PTR result = dialog.DoModal();
    CKSpin::UnregisterClass();
    if (result != IDOK) {
        std::fprintf(stderr, "hello_spin: the dialog did not open\n");
        return 1;
    }
    std::printf("value: %d\n", dialog.value);
    return 0;
}
