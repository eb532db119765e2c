// The Print and Print Setup dialogs: choosing a printer, copies and pages, pages printed to PNG
// files, and the records that are refused.
#include "comdlg_fixture.h"

#include <commdlg.h>

namespace comdlg_test {
namespace {

using PrintDialog = ComdlgTest;

PRINTDLGA Pd(DWORD flags) {
    PRINTDLGA pd{};
    pd.lStructSize = sizeof(pd);
    pd.Flags = flags;
    return pd;
}

void Free(PRINTDLGA& pd) {
    if (pd.hDevMode != NULL)
        GlobalFree(pd.hDevMode);
    if (pd.hDevNames != NULL)
        GlobalFree(pd.hDevNames);
}

TEST_F(PrintDialog, SetupChoosesTheSecondPrinterInLandscape) {
    PRINTDLGA pd = Pd(PD_PRINTSETUP);
    Step([](HWND dialog) {
        EXPECT_EQ("Print Setup", TextOf(dialog));
        EXPECT_EQ("Laser", TextOf(GetDlgItem(dialog, cmb1))) << "the default comes first";
        SetFocus(GetDlgItem(dialog, cmb1));
    });
    Press(VK_DOWN);
    Step([](HWND dialog) { EXPECT_EQ("C:\\SPOOL\\INK", TextOf(GetDlgItem(dialog, stc5))); });
    Click(rad2);
    Click(IDOK);
    ASSERT_TRUE(PrintDlgA(&pd));
    const DEVNAMES* names = static_cast<const DEVNAMES*>(GlobalLock(pd.hDevNames));
    ASSERT_NE(nullptr, names);
    const char* base = reinterpret_cast<const char*>(names);
    EXPECT_STREQ("INKDRV", base + names->wDriverOffset);
    EXPECT_STREQ("Inkjet", base + names->wDeviceOffset);
    EXPECT_STREQ("C:\\SPOOL\\INK", base + names->wOutputOffset);
    EXPECT_EQ(0, names->wDefault) << "not the default printer";
    GlobalUnlock(pd.hDevNames);
    const DEVMODEA* mode = static_cast<const DEVMODEA*>(GlobalLock(pd.hDevMode));
    ASSERT_NE(nullptr, mode);
    EXPECT_STREQ("Inkjet", reinterpret_cast<const char*>(mode->dmDeviceName));
    EXPECT_EQ(DMORIENT_LANDSCAPE, mode->dmOrientation);
    GlobalUnlock(pd.hDevMode);
    Free(pd);

    PRINTDLGA defaults = Pd(PD_RETURNDEFAULT);
    ASSERT_TRUE(PrintDlgA(&defaults)) << "no dialog for the defaults";
    names = static_cast<const DEVNAMES*>(GlobalLock(defaults.hDevNames));
    EXPECT_STREQ("Laser", reinterpret_cast<const char*>(names) + names->wDeviceOffset);
    EXPECT_EQ(DN_DEFAULTPRN, names->wDefault);
    GlobalUnlock(defaults.hDevNames);
    Free(defaults);
}

TEST_F(PrintDialog, CopiesAndPagesArePrintedAsPngPages) {
    PRINTDLGA pd = Pd(PD_ALLPAGES | PD_RETURNDC);
    pd.nMinPage = 1;
    pd.nMaxPage = 9;
    Step([](HWND dialog) { SetFocus(GetDlgItem(dialog, edt3)); });
    Step([](HWND dialog) { SendDlgItemMessageA(dialog, edt3, EM_SETSEL, 0, -1); });
    Type("2");
    Click(rad3);
    Step([](HWND dialog) {
        SetDlgItemTextA(dialog, edt1, "2");
        SetDlgItemTextA(dialog, edt2, "3");
    });
    Click(IDOK);
    ASSERT_TRUE(PrintDlgA(&pd));
    EXPECT_EQ(2, pd.nCopies);
    EXPECT_NE(0u, pd.Flags & PD_PAGENUMS);
    EXPECT_EQ(2, pd.nFromPage);
    EXPECT_EQ(3, pd.nToPage);
    ASSERT_NE(nullptr, pd.hDC);
    EXPECT_EQ(850, GetDeviceCaps(pd.hDC, HORZRES));
    DOCINFOA doc{sizeof(doc), "Letter", NULL, NULL, 0};
    ASSERT_GT(StartDocA(pd.hDC, &doc), 0);
    for (int page = pd.nFromPage; page <= pd.nToPage; ++page) {
        ASSERT_GT(StartPage(pd.hDC), 0);
        RECT box{100, 100, 100 + 50 * page, 200};
        FillRect(pd.hDC, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ASSERT_GT(EndPage(pd.hDC), 0);
    }
    ASSERT_GT(EndDoc(pd.hDC), 0);
    DeleteDC(pd.hDC);
    Free(pd);
    desktop::Image second;
    ASSERT_TRUE(
        desktop::ReadPng(desktop::HostPath("C:\\SPOOL\\LASER\\JOB0001-P002.PNG").c_str(), &second));
    EXPECT_EQ(850, second.width);
    EXPECT_EQ(1100, second.height);
    EXPECT_EQ(RGB(0, 0, 0), second.at(100 + 50 * 3 - 1, 150)) << "page 3 is the wider box";
    EXPECT_EQ(RGB(255, 255, 255), second.at(100 + 50 * 3, 150));
    EXPECT_EQ(RGB(255, 255, 255), second.at(50, 50));
}

TEST_F(PrintDialog, APageRangeOutsideTheDocumentIsRefused) {
    PRINTDLGA pd = Pd(PD_ALLPAGES);
    pd.nMinPage = 1;
    pd.nMaxPage = 4;
    Click(rad3);
    Step([](HWND dialog) {
        SetDlgItemTextA(dialog, edt1, "3");
        SetDlgItemTextA(dialog, edt2, "8");
        desktop::AnswerNextMessageBox(IDOK);
    });
    Click(IDOK);
    Step([](HWND dialog) {
        EXPECT_EQ(1u, desktop::MessageBoxes().size());
        EXPECT_EQ(GetDlgItem(dialog, edt2), GetFocus()) << "back to the wrong number";
    });
    Click(IDCANCEL);
    EXPECT_FALSE(PrintDlgA(&pd));
    EXPECT_EQ(0u, CommDlgExtendedError());
    EXPECT_EQ(nullptr, pd.hDevNames) << "a cancelled dialog hands nothing back";
}

TEST_F(PrintDialog, NoPrintersOrADevModeOfTheWrongSizeIsRefused) {
    PRINTDLGA pd = Pd(PD_PRINTSETUP);
    pd.hDevMode = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 40);
    EXPECT_FALSE(PrintDlgA(&pd));
    EXPECT_EQ(static_cast<DWORD>(PDERR_INITFAILURE), CommDlgExtendedError());
    GlobalFree(pd.hDevMode);

    desktop::SetProfileText("[windows]\n");
    for (DWORD flags : {DWORD{PD_ALLPAGES}, DWORD{PD_RETURNDEFAULT}}) {
        PRINTDLGA none = Pd(flags);
        EXPECT_FALSE(PrintDlgA(&none));
        EXPECT_EQ(static_cast<DWORD>(PDERR_NODEFAULTPRN), CommDlgExtendedError()) << flags;
    }
}

} // namespace
} // namespace comdlg_test
