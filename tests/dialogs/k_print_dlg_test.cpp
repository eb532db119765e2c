// CKPrintDlg: choosing a printer, copies and pages, printing pages to PNG files, and help from
// ID_HELP only.
#include "common_dlg_fixture.h"

#include <string>

namespace {

class KPrintDlgTest : public CommonDlgTest {};

TEST_F(KPrintDlgTest, PrintSetupChoosesTheSecondPrinter) {
    CKPrintDlg dlg(TRUE, 0, main_.get());
    Step([](HWND dialog) {
        EXPECT_EQ("Print Setup", TextOf(dialog));
        EXPECT_EQ("Laser", TextOf(::GetDlgItem(dialog, cmb1))) << "the default comes first";
        ::SetFocus(::GetDlgItem(dialog, cmb1));
    });
    Press(VK_DOWN);
    Step([](HWND dialog) { EXPECT_EQ("C:\\SPOOL\\INK", TextOf(::GetDlgItem(dialog, stc5))); });
    Click(rad2);
    Click(IDOK);
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("Inkjet", dlg.GetDeviceName());
    EXPECT_STREQ("INKDRV", dlg.GetDriverName());
    EXPECT_STREQ("C:\\SPOOL\\INK", dlg.GetPortName());
    const DEVNAMES* names = static_cast<const DEVNAMES*>(::GlobalLock(dlg.m_pd.hDevNames));
    ASSERT_NE(nullptr, names);
    EXPECT_EQ(0, names->wDefault) << "not the default printer";
    ::GlobalUnlock(dlg.m_pd.hDevNames);
    LPDEVMODEA mode = dlg.GetDevMode();
    ASSERT_NE(nullptr, mode);
    EXPECT_STREQ("Inkjet", reinterpret_cast<const char*>(mode->dmDeviceName));
    EXPECT_EQ(DMORIENT_LANDSCAPE, mode->dmOrientation);
    ::GlobalUnlock(dlg.m_pd.hDevMode);
}

TEST_F(KPrintDlgTest, DefaultsNameTheDefaultPrinterWithoutADialog) {
    CKPrintDlg dlg(FALSE);
    ASSERT_TRUE(dlg.GetDefaults());
    EXPECT_STREQ("Laser", dlg.GetDeviceName());
    const DEVNAMES* names = static_cast<const DEVNAMES*>(::GlobalLock(dlg.m_pd.hDevNames));
    EXPECT_EQ(DN_DEFAULTPRN, names->wDefault);
    ::GlobalUnlock(dlg.m_pd.hDevNames);
    EXPECT_EQ(2u, desktop::GlobalBlockCount()) << "one DEVNAMES and one DEVMODE block";
}

TEST_F(KPrintDlgTest, CopiesAndPagesArePrintedAsPngPages) {
    CKPrintDlg dlg(FALSE, PD_ALLPAGES, main_.get());
    dlg.m_pd.nMinPage = 1;
    dlg.m_pd.nMaxPage = 9;
    Step([](HWND dialog) { ::SetFocus(::GetDlgItem(dialog, edt3)); });
    Step([](HWND dialog) { ::SendDlgItemMessageA(dialog, edt3, EM_SETSEL, 0, -1); });
    Type("2");
    Click(rad3);
    Step([](HWND dialog) {
        ::SetDlgItemTextA(dialog, edt1, "2");
        ::SetDlgItemTextA(dialog, edt2, "3");
    });
    Click(IDOK);
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(2, dlg.GetCopies());
    EXPECT_TRUE(dlg.PrintRange());
    EXPECT_EQ(2, dlg.GetFromPage());
    EXPECT_EQ(3, dlg.GetToPage());

    HDC printer = dlg.GetPrinterDC();
    ASSERT_NE(nullptr, printer);
    EXPECT_EQ(850, ::GetDeviceCaps(printer, HORZRES));
    DOCINFOA doc{sizeof(doc), "Letter", NULL, NULL, 0};
    ASSERT_GT(::StartDocA(printer, &doc), 0);
    for (int page = dlg.GetFromPage(); page <= dlg.GetToPage(); ++page) {
        ASSERT_GT(::StartPage(printer), 0);
        RECT box{100, 100, 100 + 50 * page, 200};
        ::FillRect(printer, &box, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ASSERT_GT(::EndPage(printer), 0);
    }
    ASSERT_GT(::EndDoc(printer), 0);
    ::DeleteDC(printer);
    desktop::Image second;
    ASSERT_TRUE(
        desktop::ReadPng(desktop::HostPath("C:\\SPOOL\\LASER\\JOB0001-P002.PNG").c_str(), &second));
    EXPECT_EQ(850, second.width);
    EXPECT_EQ(1100, second.height);
    EXPECT_EQ(RGB(0, 0, 0), second.at(100 + 50 * 3 - 1, 150)) << "page 3 is the wider box";
    EXPECT_EQ(RGB(255, 255, 255), second.at(100 + 50 * 3, 150));
    EXPECT_EQ(RGB(255, 255, 255), second.at(50, 50));
    EXPECT_EQ(desktop::Describe(gdiAtStart_), desktop::Describe(desktop::GdiObjectCounts()));
}

TEST_F(KPrintDlgTest, APageRangeOutsideTheDocumentIsRefused) {
    CKPrintDlg dlg(FALSE, PD_ALLPAGES, main_.get());
    dlg.m_pd.nMinPage = 1;
    dlg.m_pd.nMaxPage = 4;
    Click(rad3);
    Step([](HWND dialog) {
        ::SetDlgItemTextA(dialog, edt1, "3");
        ::SetDlgItemTextA(dialog, edt2, "8");
        desktop::AnswerNextMessageBox(IDOK);
    });
    Click(IDOK);
    Step([](HWND dialog) {
        EXPECT_EQ(1u, desktop::MessageBoxes().size());
        EXPECT_EQ(::GetDlgItem(dialog, edt2), ::GetFocus()) << "back to the wrong number";
    });
    Click(IDCANCEL);
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_pd.hDevNames) << "a cancelled dialog hands nothing back";
}

TEST_F(KPrintDlgTest, HelpAnswersIdHelpButNotTheSystemHelpButton) {
    CKPrintDlg dlg(FALSE, PD_ALLPAGES | PD_SHOWHELP, main_.get());
    dlg.SetHelpID(0x12345);
    Step([](HWND dialog) {
        ASSERT_TRUE(desktop::ClickControl(dialog, pshHelp));
        EXPECT_TRUE(desktop::HelpRequests().empty()) << "1038 is not routed to OnHelp";
        ::SendMessageA(dialog, WM_COMMAND, ID_HELP, 0);
    });
    Click(IDCANCEL);
    dlg.DoModal();
    const auto requests = desktop::HelpRequests();
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ("C:\\APPS\\BIN\\APP.HLP", requests[0].file);
    EXPECT_EQ(0x12345u, requests[0].data);
}

TEST_F(KPrintDlgTest, NoPrintersMeansNoDialog) {
    desktop::SetProfileText("[windows]\n");
    CKPrintDlg dlg(FALSE, PD_ALLPAGES, main_.get());
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(static_cast<DWORD>(PDERR_NODEFAULTPRN), ::CommDlgExtendedError());
    EXPECT_FALSE(dlg.GetDefaults());
}

TEST_F(KPrintDlgTest, ADevModeOfTheWrongSizeIsRefused) {
    CKPrintDlg dlg(TRUE, 0, main_.get());
    dlg.m_pd.hDevMode = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 40);
    auto* mode = static_cast<DEVMODEA*>(::GlobalLock(dlg.m_pd.hDevMode));
    ASSERT_NE(nullptr, mode);
    ::GlobalUnlock(dlg.m_pd.hDevMode);
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(static_cast<DWORD>(PDERR_INITFAILURE), ::CommDlgExtendedError());
}

} // namespace
