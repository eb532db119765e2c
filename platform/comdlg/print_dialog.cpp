// PrintDlgA: the print layout (printer, print range, copies, collate) and the print-setup layout
// (printer, orientation, paper size), over the printers of the user profile. The choice goes
// back in movable global memory: a DEVNAMES block (driver, device and port names) and a DEVMODE
// block; with PD_RETURNDC also a printer DC.
//
// Index: the templates; the dialog's state; global memory blocks; commands; the entry point.
#include "comdlg/comdlg_module.h"
#include "comdlg/printers.h"

#include <commdlg.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace comdlg {
namespace {

// ---- the templates ----

// Both layouts share their frame: the printer rows at the top, the layout's own items, then the
// button column on the right. Group boxes come last in each template: the first item is the top
// of the z-order, and a group box above its radio buttons would take their clicks.
resources::DialogTemplate PrinterTemplate(const char* caption, short cy, short helpY,
                                          WORD printerCombo,
                                          std::initializer_list<resources::DialogItem> own,
                                          std::initializer_list<resources::DialogItem> groups) {
    resources::DialogTemplate t;
    t.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    t.caption = caption;
    t.fontFace = "MS Sans Serif";
    t.pointSize = 8;
    t.x = 32;
    t.y = 32;
    t.cx = 250;
    t.cy = cy;
    t.items = {
        Item("STATIC", "&Name:", stc1, SS_LEFT, 8, 10, 30, 9),
        Item("COMBOBOX", "", printerCombo, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 40, 8, 140,
             80),
        Item("STATIC", "Where:", stc2, SS_LEFT, 8, 26, 30, 9),
        Item("STATIC", "", stc5, SS_LEFT | SS_NOPREFIX, 40, 26, 140, 9),
    };
    t.items.insert(t.items.end(), own);
    t.items.push_back(
        Item("BUTTON", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 188, 8, 54, 14));
    t.items.push_back(
        Item("BUTTON", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 188, 26, 54, 14));
    t.items.push_back(
        Item("BUTTON", "&Help", pshHelp, BS_PUSHBUTTON | WS_TABSTOP, 188, helpY, 54, 14));
    t.items.insert(t.items.end(), groups);
    return t;
}

resources::DialogTemplate PrintTemplate() {
    return PrinterTemplate(
        "Print", 140, 120, cmb4,
        {
            Item("BUTTON", "&All", rad1, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 14, 54, 90,
                 10),
            Item("BUTTON", "S&election", rad2, BS_AUTORADIOBUTTON, 14, 66, 90, 10),
            Item("BUTTON", "&Pages", rad3, BS_AUTORADIOBUTTON, 14, 78, 90, 10),
            Item("STATIC", "&from:", stc3, SS_LEFT, 14, 94, 20, 9),
            Item("EDIT", "", edt1, WS_BORDER | WS_TABSTOP | WS_GROUP | ES_NUMBER, 34, 92, 24, 12),
            Item("STATIC", "&to:", stc4, SS_LEFT, 62, 94, 14, 9),
            Item("EDIT", "", edt2, WS_BORDER | WS_TABSTOP | ES_NUMBER, 78, 92, 24, 12),
            Item("STATIC", "Number of &copies:", 0xFFFF, SS_LEFT, 130, 56, 64, 9),
            Item("EDIT", "", edt3, WS_BORDER | WS_TABSTOP | WS_GROUP | ES_NUMBER, 196, 54, 30, 12),
            Item("BUTTON", "C&ollate", chx2, BS_AUTOCHECKBOX | WS_TABSTOP, 130, 76, 80, 10),
            Item("BUTTON", "Print to fi&le", chx1, BS_AUTOCHECKBOX | WS_TABSTOP, 8, 122, 80, 10),
        },
        {
            Item("BUTTON", "Print range", 0xFFFF, BS_GROUPBOX, 8, 42, 110, 72),
            Item("BUTTON", "Copies", 0xFFFF, BS_GROUPBOX, 124, 42, 118, 72),
        });
}

resources::DialogTemplate SetupTemplate() {
    return PrinterTemplate(
        "Print Setup", 110, 88, cmb1,
        {
            Item("STATIC", "Si&ze:", stc3, SS_LEFT, 14, 58, 20, 9),
            Item("COMBOBOX", "", cmb2, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 36, 56, 86, 60),
            Item("BUTTON", "P&ortrait", rad1, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 140, 52,
                 90, 10),
            Item("BUTTON", "L&andscape", rad2, BS_AUTORADIOBUTTON, 140, 64, 90, 10),
        },
        {
            Item("BUTTON", "Paper", 0xFFFF, BS_GROUPBOX, 8, 42, 120, 36),
            Item("BUTTON", "Orientation", 0xFFFF, BS_GROUPBOX, 134, 42, 108, 36),
        });
}

// ---- the dialog's state ----

struct PaperSize {
    short id;
    const char* name;
};
const PaperSize kPapers[] = {{DMPAPER_LETTER, "Letter"}, {DMPAPER_A4, "A4"}};

struct Choice {
    int printer = 0;
    short orientation = DMORIENT_PORTRAIT;
    short paper = DMPAPER_LETTER;
    short copies = 1;
    bool collate = false;
};

struct PrintDialog {
    PRINTDLGA* pd = nullptr;
    PRINTDLGA* record = nullptr; // what the hook sees with WM_INITDIALOG: the same record
    bool setup = false;
    HWND hwnd = nullptr;
    std::vector<Printer> printers;
    int defaultPrinter = 0;
    Choice choice;
    bool accepted = false;
    Hook hook = nullptr;
};

int PrinterCombo(const PrintDialog& d) {
    return d.setup ? cmb1 : cmb4;
}

void ShowPort(PrintDialog& d) {
    const int index =
        static_cast<int>(SendDlgItemMessageA(d.hwnd, PrinterCombo(d), CB_GETCURSEL, 0, 0));
    if (index >= 0 && static_cast<std::size_t>(index) < d.printers.size()) {
        d.choice.printer = index;
        SetDlgItemTextA(d.hwnd, stc5, d.printers[static_cast<std::size_t>(index)].port.c_str());
    }
}

void Initialise(PrintDialog& d) {
    const PRINTDLGA& pd = *d.pd;
    HWND combo = GetDlgItem(d.hwnd, PrinterCombo(d));
    for (const Printer& printer : d.printers) {
        // Not sorted: the combo's index is the printer's index.
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(printer.name.c_str()));
    }
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(d.choice.printer), 0);
    ShowPort(d);
    if (!(pd.Flags & PD_SHOWHELP)) {
        ShowWindow(GetDlgItem(d.hwnd, pshHelp), SW_HIDE);
    }
    if (d.setup) {
        for (const PaperSize& paper : kPapers) {
            SendDlgItemMessageA(d.hwnd, cmb2, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(paper.name));
        }
        SendDlgItemMessageA(d.hwnd, cmb2, CB_SETCURSEL, d.choice.paper == DMPAPER_A4 ? 1 : 0, 0);
        CheckRadioButton(d.hwnd, rad1, rad2,
                         d.choice.orientation == DMORIENT_LANDSCAPE ? rad2 : rad1);
        return;
    }
    const int range = (pd.Flags & PD_PAGENUMS) ? rad3 : (pd.Flags & PD_SELECTION) ? rad2 : rad1;
    CheckRadioButton(d.hwnd, rad1, rad3, range);
    EnableWindow(GetDlgItem(d.hwnd, rad2), !(pd.Flags & PD_NOSELECTION));
    const bool pages = !(pd.Flags & PD_NOPAGENUMS);
    EnableWindow(GetDlgItem(d.hwnd, rad3), pages);
    EnableWindow(GetDlgItem(d.hwnd, edt1), pages);
    EnableWindow(GetDlgItem(d.hwnd, edt2), pages);
    if (pages) {
        SetDlgItemInt(d.hwnd, edt1, pd.nFromPage, FALSE);
        SetDlgItemInt(d.hwnd, edt2, pd.nToPage, FALSE);
    }
    SetDlgItemInt(d.hwnd, edt3, static_cast<UINT>(d.choice.copies), FALSE);
    CheckDlgButton(d.hwnd, chx2, d.choice.collate ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(d.hwnd, chx1, (pd.Flags & PD_PRINTTOFILE) ? BST_CHECKED : BST_UNCHECKED);
    if (pd.Flags & PD_HIDEPRINTTOFILE) {
        ShowWindow(GetDlgItem(d.hwnd, chx1), SW_HIDE);
    }
    EnableWindow(GetDlgItem(d.hwnd, chx1), !(pd.Flags & PD_DISABLEPRINTTOFILE));
}

int Complain(PrintDialog& d, const char* text, int focus) {
    char title[64] = {};
    GetWindowTextA(d.hwnd, title, sizeof(title));
    MessageBoxA(d.hwnd, text, title, MB_OK | MB_ICONEXCLAMATION);
    HWND control = GetDlgItem(d.hwnd, focus);
    SendMessageA(control, EM_SETSEL, 0, -1);
    SetFocus(control);
    return 0;
}

// Reads the controls into the choice and the caller's record; false (with a message) when a
// number is out of its range.
bool Accept(PrintDialog& d) {
    PRINTDLGA& pd = *d.pd;
    ShowPort(d);
    if (d.setup) {
        d.choice.orientation = IsDlgButtonChecked(d.hwnd, rad2) == BST_CHECKED ? DMORIENT_LANDSCAPE
                                                                               : DMORIENT_PORTRAIT;
        const LRESULT paper = SendDlgItemMessageA(d.hwnd, cmb2, CB_GETCURSEL, 0, 0);
        d.choice.paper = paper == 1 ? DMPAPER_A4 : DMPAPER_LETTER;
        return true;
    }
    BOOL ok = FALSE;
    const UINT copies = GetDlgItemInt(d.hwnd, edt3, &ok, FALSE);
    if (!ok || copies < 1 || copies > 9999) {
        Complain(d, "The number of copies must be between 1 and 9999.", edt3);
        return false;
    }
    DWORD range = PD_ALLPAGES;
    if (IsDlgButtonChecked(d.hwnd, rad2) == BST_CHECKED) {
        range = PD_SELECTION;
    } else if (IsDlgButtonChecked(d.hwnd, rad3) == BST_CHECKED) {
        range = PD_PAGENUMS;
        BOOL fromOk = FALSE;
        BOOL toOk = FALSE;
        const UINT from = GetDlgItemInt(d.hwnd, edt1, &fromOk, FALSE);
        const UINT to = GetDlgItemInt(d.hwnd, edt2, &toOk, FALSE);
        char text[96];
        wsprintfA(text, "The page range must lie between %u and %u, from before to.",
                  static_cast<unsigned>(pd.nMinPage), static_cast<unsigned>(pd.nMaxPage));
        if (!fromOk || from < pd.nMinPage || from > pd.nMaxPage) {
            Complain(d, text, edt1);
            return false;
        }
        if (!toOk || to < from || to > pd.nMaxPage) {
            Complain(d, text, edt2);
            return false;
        }
        pd.nFromPage = static_cast<WORD>(from);
        pd.nToPage = static_cast<WORD>(to);
    }
    pd.Flags =
        (pd.Flags & ~static_cast<DWORD>(PD_SELECTION | PD_PAGENUMS | PD_COLLATE | PD_PRINTTOFILE)) |
        range;
    d.choice.copies = static_cast<short>(copies);
    d.choice.collate = IsDlgButtonChecked(d.hwnd, chx2) == BST_CHECKED;
    if (d.choice.collate) {
        pd.Flags |= PD_COLLATE;
    }
    if (IsDlgButtonChecked(d.hwnd, chx1) == BST_CHECKED) {
        pd.Flags |= PD_PRINTTOFILE;
    }
    return true;
}

// ---- global memory blocks ----

// A DEVMODE the caller passed: at least the fields up to dmCollate, and a block that holds what
// dmSize and dmDriverExtra claim.
bool ReadDevMode(HGLOBAL handle, DEVMODEA* out) {
    const SIZE_T size = GlobalSize(handle);
    const DEVMODEA* mode = static_cast<const DEVMODEA*>(GlobalLock(handle));
    if (mode == nullptr) {
        return false;
    }
    const bool valid = size >= offsetof(DEVMODEA, dmFormName) &&
                       mode->dmSize >= offsetof(DEVMODEA, dmFormName) &&
                       mode->dmSize <= sizeof(DEVMODEA) &&
                       static_cast<SIZE_T>(mode->dmSize) + mode->dmDriverExtra <= size;
    if (valid) {
        std::memset(out, 0, sizeof(*out));
        std::memcpy(out, mode, mode->dmSize);
    }
    GlobalUnlock(handle);
    return valid;
}

std::string DeviceNameIn(HGLOBAL names) {
    const SIZE_T size = GlobalSize(names);
    const char* block = static_cast<const char*>(GlobalLock(names));
    if (block == nullptr) {
        return std::string();
    }
    std::string device;
    if (size >= sizeof(DEVNAMES)) {
        const DEVNAMES* header = reinterpret_cast<const DEVNAMES*>(block);
        if (header->wDeviceOffset < size) {
            device.assign(block + header->wDeviceOffset,
                          strnlen(block + header->wDeviceOffset, size - header->wDeviceOffset));
        }
    }
    GlobalUnlock(names);
    return device;
}

HGLOBAL MakeDevNames(const Printer& printer, bool isDefault) {
    const std::size_t size =
        sizeof(DEVNAMES) + printer.driver.size() + printer.name.size() + printer.port.size() + 3;
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    char* block = static_cast<char*>(GlobalLock(handle));
    if (block == nullptr) {
        GlobalFree(handle);
        return nullptr;
    }
    DEVNAMES* header = reinterpret_cast<DEVNAMES*>(block);
    std::size_t at = sizeof(DEVNAMES);
    const auto put = [&](const std::string& text) {
        std::memcpy(block + at, text.c_str(), text.size() + 1);
        const WORD offset = static_cast<WORD>(at);
        at += text.size() + 1;
        return offset;
    };
    header->wDriverOffset = put(printer.driver);
    header->wDeviceOffset = put(printer.name);
    header->wOutputOffset = put(printer.port);
    header->wDefault = isDefault ? DN_DEFAULTPRN : 0;
    GlobalUnlock(handle);
    return handle;
}

HGLOBAL MakeDevMode(const Printer& printer, const Choice& choice) {
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEA));
    DEVMODEA* mode = static_cast<DEVMODEA*>(GlobalLock(handle));
    if (mode == nullptr) {
        GlobalFree(handle);
        return nullptr;
    }
    lstrcpynA(reinterpret_cast<char*>(mode->dmDeviceName), printer.name.c_str(), CCHDEVICENAME);
    mode->dmSpecVersion = DM_SPECVERSION;
    mode->dmSize = sizeof(DEVMODEA);
    mode->dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_COLLATE;
    mode->dmOrientation = choice.orientation;
    mode->dmPaperSize = choice.paper;
    mode->dmCopies = 1;
    mode->dmCollate = choice.collate ? DMCOLLATE_TRUE : DMCOLLATE_FALSE;
    GlobalUnlock(handle);
    return handle;
}

// Hands the choice back: new DEVNAMES and DEVMODE blocks replace the caller's (which are freed),
// and a DC when asked for.
bool Deliver(PrintDialog& d) {
    PRINTDLGA& pd = *d.pd;
    const Printer& printer = d.printers[static_cast<std::size_t>(d.choice.printer)];
    HGLOBAL names = MakeDevNames(printer, d.choice.printer == d.defaultPrinter);
    HGLOBAL mode = MakeDevMode(printer, d.choice);
    if (names == nullptr || mode == nullptr) {
        GlobalFree(names);
        GlobalFree(mode);
        SetError(CDERR_MEMALLOCFAILURE);
        return false;
    }
    GlobalFree(pd.hDevNames);
    GlobalFree(pd.hDevMode);
    pd.hDevNames = names;
    pd.hDevMode = mode;
    pd.nCopies = static_cast<WORD>(d.choice.copies);
    pd.hDC = nullptr;
    if (pd.Flags & (PD_RETURNDC | PD_RETURNIC)) {
        const DEVMODEA* locked = static_cast<const DEVMODEA*>(GlobalLock(mode));
        pd.hDC =
            CreateDCA(printer.driver.c_str(), printer.name.c_str(), printer.port.c_str(), locked);
        GlobalUnlock(mode);
        if (pd.hDC == nullptr) {
            SetError(PDERR_CREATEICFAILURE);
            return false;
        }
    }
    return true;
}

// ---- commands ----

void OnCommand(PrintDialog& d, WORD id, WORD code) {
    if (id == IDOK) {
        if (Accept(d)) {
            d.accepted = true;
            EndDialog(d.hwnd, IDOK);
        }
    } else if (id == IDCANCEL) {
        EndDialog(d.hwnd, IDCANCEL);
    } else if (id == PrinterCombo(d) && code == CBN_SELCHANGE) {
        ShowPort(d);
    } else if (id == pshHelp && d.pd->hwndOwner != nullptr) {
        static const UINT help = RegisterWindowMessageA("commdlg_help");
        SendMessageA(d.pd->hwndOwner, help, reinterpret_cast<WPARAM>(d.hwnd),
                     reinterpret_cast<LPARAM>(d.pd));
    } else if ((id == edt1 || id == edt2) && code == EN_CHANGE) {
        // Typing a page number means printing pages.
        CheckRadioButton(d.hwnd, rad1, rad3, rad3);
    }
}

// ---- the entry point ----

BOOL RunPrintDialog(PRINTDLGA* pd) {
    SetError(0);
    if (pd == nullptr || pd->lStructSize != sizeof(PRINTDLGA)) {
        SetError(CDERR_STRUCTSIZE);
        return FALSE;
    }
    PrintDialog d;
    d.pd = pd;
    d.record = pd;
    d.setup = (pd->Flags & PD_PRINTSETUP) != 0;
    if (d.setup && (pd->Flags & PD_ENABLESETUPHOOK)) {
        d.hook = pd->lpfnSetupHook;
    } else if (!d.setup && (pd->Flags & PD_ENABLEPRINTHOOK)) {
        d.hook = pd->lpfnPrintHook;
    }
    if (((pd->Flags & PD_ENABLEPRINTHOOK) && pd->lpfnPrintHook == nullptr) ||
        ((pd->Flags & PD_ENABLESETUPHOOK) && pd->lpfnSetupHook == nullptr)) {
        SetError(CDERR_NOHOOK);
        return FALSE;
    }
    d.printers = InstalledPrinters(&d.defaultPrinter);
    if (d.printers.empty()) {
        SetError(PDERR_NODEFAULTPRN);
        return FALSE;
    }
    if (d.defaultPrinter < 0) {
        d.defaultPrinter = 0;
    }
    d.choice.printer = d.defaultPrinter;
    if (pd->Flags & PD_RETURNDEFAULT) {
        if (pd->hDevMode != nullptr || pd->hDevNames != nullptr) {
            SetError(PDERR_RETDEFFAILURE);
            return FALSE;
        }
        return Deliver(d) ? TRUE : FALSE;
    }
    // What the caller passed in picks the printer and the settings the dialog starts from.
    if (pd->hDevNames != nullptr) {
        const std::string device = DeviceNameIn(pd->hDevNames);
        for (std::size_t i = 0; i < d.printers.size(); ++i) {
            if (lstrcmpiA(d.printers[i].name.c_str(), device.c_str()) == 0) {
                d.choice.printer = static_cast<int>(i);
            }
        }
    }
    if (pd->hDevMode != nullptr) {
        DEVMODEA mode{};
        if (!ReadDevMode(pd->hDevMode, &mode)) {
            SetError(PDERR_INITFAILURE);
            return FALSE;
        }
        if ((mode.dmFields & DM_ORIENTATION) && mode.dmOrientation == DMORIENT_LANDSCAPE) {
            d.choice.orientation = DMORIENT_LANDSCAPE;
        }
        if ((mode.dmFields & DM_PAPERSIZE) && mode.dmPaperSize == DMPAPER_A4) {
            d.choice.paper = DMPAPER_A4;
        }
        d.choice.collate = (mode.dmFields & DM_COLLATE) && mode.dmCollate == DMCOLLATE_TRUE;
    }
    d.choice.copies = static_cast<short>(std::clamp<int>(pd->nCopies, 1, 9999));
    d.choice.collate = d.choice.collate || (pd->Flags & PD_COLLATE) != 0;

    const LPCSTR name = MAKEINTRESOURCEA(d.setup ? PRNSETUPDLGORD : PRINTDLGORD);
    EnsureTemplate(name, d.setup ? SetupTemplate : PrintTemplate);
    const INT_PTR result = DialogBoxParamA(Module(), name, pd->hwndOwner,
                                           HookedDialogProc<PrintDialog, Initialise, OnCommand>,
                                           reinterpret_cast<LPARAM>(&d));
    if (result == -1) {
        SetError(CDERR_DIALOGFAILURE);
        return FALSE;
    }
    if (!d.accepted) {
        return FALSE;
    }
    return Deliver(d) ? TRUE : FALSE;
}

} // namespace
} // namespace comdlg

BOOL WINAPI PrintDlgA(LPPRINTDLGA pd) {
    return comdlg::RunPrintDialog(pd);
}
