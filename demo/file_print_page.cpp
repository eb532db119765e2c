// Gallery page: CKFileDlg and CKPrintDlg driven as a user would. An Open dialog in a prepared
// folder (a typed name, a double-click into a subfolder, a change of file type), a Save As that
// asks before replacing a file, help from each dialog, a Print Setup that chooses the second
// printer, and the spin page's pictures printed as PNG pages on it.
//
// Index: the prepared desktop - scripting - the sessions - RunFilePrintPage.
#include "file_print_page.h"

#include "gallery_support.h"

#include <afxpriv.h>
#include <desktop.h>
#include <ruzav32/dialogs.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr UINT kOpenHelp = 0x12345; // all of it reaches the help engine
constexpr UINT kPrintHelp = 0x20010;
constexpr const char* kFilter = "Text files (*.txt)|*.txt|All files (*.*)|*.*||";

// ---- the prepared desktop ----

// C:\GALLERY\DOCS with three files and LETTERS\mother.txt, the library's help file beside it,
// and two printers whose ports are folders of outDir.
bool Prepare(const std::string& outDir) {
    const std::string drive = desktop::MakeTempFolder();
    desktop::MapDrive('G', drive);
    for (const char* folder : {"G:\\DOCS", "G:\\DOCS\\LETTERS", "G:\\HELP"}) {
        if (!::CreateDirectoryA(folder, NULL))
            return false;
    }
    for (const char* file : {"G:\\DOCS\\budget.txt", "G:\\DOCS\\letter.txt", "G:\\DOCS\\notes.doc",
                             "G:\\DOCS\\LETTERS\\mother.txt", "G:\\HELP\\FILES.HLP"}) {
        std::ofstream(desktop::HostPath(file)) << "gallery";
    }
    // Absolute, as a port names a folder wherever the program runs (outDir may be relative).
    std::error_code ec;
    const std::string laser =
        std::filesystem::absolute(gallery::Join(outDir, "printers/laser"), ec).string();
    const std::string inkjet =
        std::filesystem::absolute(gallery::Join(outDir, "printers/inkjet"), ec).string();
    std::filesystem::create_directories(laser, ec);
    std::filesystem::create_directories(inkjet, ec);
    // A profile of the page's own, so the user's profile is never written.
    const std::string profile = gallery::Join(drive, "WIN.INI");
    desktop::SetProfileFile(profile);
    return desktop::SetProfileText("[devices]\nOffice Laser=LASERDRV," + desktop::DosPath(laser) +
                                   "\nColour Inkjet=INKDRV," + desktop::DosPath(inkjet) +
                                   "\n[windows]\ndevice=Office Laser,LASERDRV," +
                                   desktop::DosPath(laser) + "\n");
}

// ---- scripting ----

void Step(std::function<void(HWND dialog)> step) {
    desktop::QueueStep([step]() { step(::GetActiveWindow()); });
}

void Type(const char* text) {
    Step([text](HWND) {
        std::printf("  user types \"%s\"\n", text);
        desktop::TypeText(text);
    });
}

void Press(UINT vk, const char* name) {
    Step([vk, name](HWND) {
        std::printf("  user presses %s\n", name);
        desktop::PressKey(vk);
    });
}

void Click(int id, const char* name) {
    Step([id, name](HWND dialog) {
        std::printf("  user clicks %s\n", name);
        desktop::ClickControl(dialog, id);
    });
}

void DoubleClickItem(int listId, const char* text) {
    Step([listId, text](HWND dialog) {
        HWND list = ::GetDlgItem(dialog, listId);
        const LRESULT index = ::SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(text));
        RECT item{};
        ::SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(&item));
        POINT at{item.left + 5, (item.top + item.bottom) / 2};
        ::ClientToScreen(list, &at);
        std::printf("  user double-clicks \"%s\"\n", text);
        desktop::DoubleClick(at);
    });
}

void SaveShot(const std::string& path, bool* ok) {
    Step([path, ok](HWND dialog) { *ok = desktop::SaveWindowPng(dialog, path.c_str()) && *ok; });
}

void PrintHelpRequests() {
    for (const desktop::HelpRequest& r : desktop::HelpRequests()) {
        std::printf("  help request: file %s, context 0x%lx\n", r.file.c_str(),
                    static_cast<unsigned long>(r.data));
    }
    desktop::ClearHelpRequests();
}

// ---- the sessions ----

bool OpenSession(const std::string& outDir) {
    bool ok = true;
    std::printf("Open: a typed name\n");
    {
        CKFileDlg dlg(TRUE, "txt", NULL, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kFilter);
        dlg.m_ofn.lpstrInitialDir = "G:\\DOCS";
        Type("budget");
        Press(VK_RETURN, "Enter");
        ok = dlg.DoModal() == IDOK && ok;
        std::printf("  host gets %s (title \"%s\", extension \"%s\")\n",
                    static_cast<LPCSTR>(dlg.GetPathName()), static_cast<LPCSTR>(dlg.GetFileTitle()),
                    static_cast<LPCSTR>(dlg.GetFileExt()));
    }
    std::printf("Open: a double-click into a subfolder, help from the Help button\n");
    {
        CKFileDlg dlg(TRUE, "txt", NULL, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_SHOWHELP,
                      kFilter);
        dlg.m_ofn.lpstrInitialDir = "G:\\DOCS";
        static const char kTitle[] = "Open a letter";
        dlg.SetWindowTextA(kTitle);
        dlg.SetHelpID(kOpenHelp);
        dlg.SetHelpFile("G:\\HELP\\FILES.HLP");
        DoubleClickItem(lst2, "LETTERS");
        SaveShot(gallery::Join(outDir, "file-open.png"), &ok);
        Click(pshHelp, "Help");
        DoubleClickItem(lst1, "mother.txt");
        ok = dlg.DoModal() == IDOK && ok;
        PrintHelpRequests();
        std::printf("  host gets %s\n", static_cast<LPCSTR>(dlg.GetPathName()));
    }
    std::printf("Open: a change of file type\n");
    {
        CKFileDlg dlg(TRUE, NULL, NULL, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kFilter);
        dlg.m_ofn.lpstrInitialDir = "G:\\DOCS";
        Step([](HWND dialog) { ::SetFocus(::GetDlgItem(dialog, cmb1)); });
        Press(VK_DOWN, "Down in \"List files of type\"");
        DoubleClickItem(lst1, "notes.doc");
        ok = dlg.DoModal() == IDOK && ok;
        std::printf("  host gets %s with file type %lu\n", static_cast<LPCSTR>(dlg.GetPathName()),
                    static_cast<unsigned long>(dlg.m_ofn.nFilterIndex));
    }
    return ok;
}

bool SaveSession() {
    std::printf("Save As: replacing a file is asked first\n");
    CKFileDlg dlg(FALSE, "txt", "budget.txt", OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, kFilter);
    dlg.m_ofn.lpstrInitialDir = "G:\\DOCS";
    const std::size_t earlier = desktop::MessageBoxes().size(); // other pages' boxes
    Step([](HWND) { desktop::AnswerNextMessageBox(IDNO); });
    Press(VK_RETURN, "Enter");
    Step([earlier](HWND) {
        const auto boxes = desktop::MessageBoxes();
        for (std::size_t i = earlier; i < boxes.size(); ++i) {
            const desktop::MessageBoxShown& box = boxes[i];
            std::printf("  message box: \"%s\" answered %s\n", box.text.c_str(),
                        box.answer == IDNO ? "No" : "Yes");
        }
    });
    Type("budget-2026");
    Press(VK_RETURN, "Enter");
    const bool ok = dlg.DoModal() == IDOK;
    std::printf("  host gets %s\n", static_cast<LPCSTR>(dlg.GetPathName()));
    return ok;
}

// One page per picture, each drawn twice its size under a heading.
bool PrintPictures(HDC printer, const std::vector<std::string>& pictures) {
    DOCINFOA doc{sizeof(doc), "RUZAV32 spin page", NULL, NULL, 0};
    if (::StartDocA(printer, &doc) <= 0)
        return false;
    bool ok = true;
    for (const std::string& path : pictures) {
        if (::StartPage(printer) <= 0) {
            ok = false;
            continue;
        }
        const std::string heading = std::filesystem::path(path).filename().string();
        desktop::Image image;
        if (!desktop::ReadPng(path.c_str(), &image)) {
            // The spin page did not run first (--page file-print): say so on the page.
            const std::string note = heading + " is missing: run the spin page first.";
            ::TextOutA(printer, 100, 60, note.c_str(), static_cast<int>(note.size()));
            ok = ::EndPage(printer) > 0 && ok;
            continue;
        }
        // The bitmap's pixels are 0x00RRGGBB; the picture's are COLORREFs.
        std::vector<DWORD> bits(image.pixels.size());
        for (std::size_t i = 0; i < bits.size(); ++i) {
            const COLORREF c = image.pixels[i];
            bits[i] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
        HBITMAP bitmap = ::CreateBitmap(image.width, image.height, 1, 32, bits.data());
        HDC memory = ::CreateCompatibleDC(printer);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::TextOutA(printer, 100, 60, heading.c_str(), static_cast<int>(heading.size()));
        ::StretchBlt(printer, 100, 100, image.width * 2, image.height * 2, memory, 0, 0,
                     image.width, image.height, SRCCOPY);
        ::SelectObject(memory, old);
        ::DeleteDC(memory);
        ::DeleteObject(bitmap);
        ok = ::EndPage(printer) > 0 && ok;
    }
    return ::EndDoc(printer) > 0 && ok;
}

bool PrintSession(const std::string& outDir) {
    bool ok = true;
    std::printf("Print Setup: the second printer, landscape\n");
    CKPrintDlg setup(TRUE, 0);
    Step([](HWND dialog) { ::SetFocus(::GetDlgItem(dialog, cmb1)); });
    Press(VK_DOWN, "Down in \"Name\"");
    Click(rad2, "Landscape");
    SaveShot(gallery::Join(outDir, "print-setup.png"), &ok);
    Click(IDOK, "OK");
    ok = setup.DoModal() == IDOK && ok;
    std::printf("  host gets device \"%s\", driver \"%s\", port %s\n",
                static_cast<LPCSTR>(setup.GetDeviceName()),
                static_cast<LPCSTR>(setup.GetDriverName()),
                static_cast<LPCSTR>(setup.GetPortName()));

    std::printf("Print: the spin page on the chosen printer, help from ID_HELP\n");
    CKPrintDlg print(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION);
    print.SetHelpID(kPrintHelp);
    print.SetHelpFile("G:\\HELP\\FILES.HLP");
    // Hand the setup's choice on, as an application keeps it between the two dialogs.
    print.m_pd.hDevNames = setup.m_pd.hDevNames;
    print.m_pd.hDevMode = setup.m_pd.hDevMode;
    setup.m_pd.hDevNames = NULL;
    setup.m_pd.hDevMode = NULL;
    Step([](HWND dialog) {
        std::printf("  host sends ID_HELP\n");
        ::SendMessageA(dialog, WM_COMMAND, ID_HELP, 0);
    });
    Click(IDOK, "OK");
    ok = print.DoModal() == IDOK && ok;
    PrintHelpRequests();
    HDC printer = print.GetPrinterDC();
    if (printer == NULL)
        return false;
    std::printf("  printing on \"%s\": a page is %dx%d pixels\n",
                static_cast<LPCSTR>(print.GetDeviceName()), ::GetDeviceCaps(printer, HORZRES),
                ::GetDeviceCaps(printer, VERTRES));
    ok = PrintPictures(printer, {gallery::Join(outDir, "spin-before.png"),
                                 gallery::Join(outDir, "spin-after.png")}) &&
         ok;
    ::DeleteDC(printer);
    const std::string port = desktop::HostPath(static_cast<LPCSTR>(print.GetPortName()));
    for (const char* page : {"JOB0001-P001.PNG", "JOB0001-P002.PNG"}) {
        const bool there = std::filesystem::exists(gallery::Join(port, page));
        std::printf("  page %s %s\n", page, there ? "written" : "missing");
        ok = there && ok;
    }
    return ok;
}

} // namespace

bool RunFilePrintPage(const std::string& outDir) {
    std::printf("\n== File and print dialogs ==\n");
    std::error_code ec;
    std::filesystem::remove_all(gallery::Join(outDir, "printers"), ec);
    if (!Prepare(outDir)) {
        std::printf("  could not prepare the page's folders\n");
        return false;
    }
    bool ok = OpenSession(outDir);
    ok = SaveSession() && ok;
    ok = PrintSession(outDir) && ok;
    std::printf("  %s\n", ok ? "every dialog answered as expected" : "SOMETHING WENT WRONG");
    std::fflush(stdout);
    return ok;
}
