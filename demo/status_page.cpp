// Gallery page 2: a main frame with a File/View/Help menu, accelerators and an extended status
// bar (the message pane, a clickable position pane, the Caps Lock indicator and a bitmap pane),
// driven through a session of real input: menus opened by keyboard with their prompts in pane 0,
// an accelerator, a timed idle message outlived by advancing the clock, clicks on panes and
// Caps Lock.
//
// Index: the frame - the session - RunStatusPage.
#include "status_page.h"

#include "gallery_support.h"
#include "resource.h"

#include <desktop.h>
#include <ruzav32/status.h>

#include <afxpriv.h>

#include <cstdio>
#include <string>

namespace {

constexpr UINT kPositionClick = WM_APP + 1; // also the position pane's command identifier
constexpr UINT kLampClick = WM_APP + 2;
constexpr UINT kLamp = IDB_LAMP;

class CGalleryFrame : public CFrameWnd {
public:
    CKExtStatusBar m_wndStatusBar;
    int m_nLine = 1;

    BOOL Make() {
        if (!Create(NULL, "RUZAV32 Gallery - Status bar", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                    CRect(40, 40, 600, 340)))
            return FALSE;
        const HINSTANCE host = AfxGetResourceHandle();
        ::SetMenu(m_hWnd, ::LoadMenuA(host, MAKEINTRESOURCEA(IDR_STATUS_FRAME)));
        m_hAccelTable = ::LoadAcceleratorsA(host, MAKEINTRESOURCEA(IDR_STATUS_FRAME));
        if (!m_wndStatusBar.Create(this))
            return FALSE;
        m_wndStatusBar.AddPane(0, 90, kPositionClick);
        m_wndStatusBar.AddPane(ID_INDICATOR_CAPS, 0, 0);
        m_wndStatusBar.SetBitmapResource(kLamp, 20, kLampClick);
        return TRUE;
    }

    void Said(const char* what) { std::printf("  host: %s\n", what); }
    void OnNew() { Said("command New"); }
    void OnOpen() { Said("command Open"); }
    void OnAbout() { Said("command About"); }
    void OnUpdatePosition(CCmdUI* pCmdUI) {
        char text[32];
        wsprintfA(text, "Ln %d, Col 1", m_nLine);
        pCmdUI->SetText(text);
    }
    LRESULT OnPositionClick(WPARAM wParam, LPARAM) {
        std::printf("  host: position pane clicked (key flags 0x%X), next line\n",
                    static_cast<unsigned>(wParam));
        ++m_nLine;
        return 0;
    }
    LRESULT OnLampClick(WPARAM, LPARAM) {
        Said("lamp pane clicked");
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CGalleryFrame, CFrameWnd)
ON_COMMAND(ID_FILE_NEW, OnNew)
ON_COMMAND(ID_FILE_OPEN, OnOpen)
ON_COMMAND(ID_APP_ABOUT, OnAbout)
ON_UPDATE_COMMAND_UI(kPositionClick, OnUpdatePosition)
ON_MESSAGE(kPositionClick, OnPositionClick)
ON_MESSAGE(kLampClick, OnLampClick)
END_MESSAGE_MAP()

void ShowPanes(CGalleryFrame* frame, const char* when) {
    CKExtStatusBar& bar = frame->m_wndStatusBar;
    std::printf("  [%s] pane 0 \"%s\", pane 1 \"%s\", Caps pane %s\n", when,
                static_cast<LPCSTR>(bar.GetPaneText(0)), static_cast<LPCSTR>(bar.GetPaneText(1)),
                (bar.GetPaneStyle(2) & SBPS_DISABLED) ? "off" : "on");
}

CPoint PaneCentre(CKExtStatusBar& bar, int i) {
    CRect r;
    bar.GetItemRect(i, &r);
    return r.CenterPoint();
}

} // namespace

bool RunStatusPage(const std::string& outDir) {
    std::printf("\n== Extended status bar ==\n");
    CGalleryFrame* frame = new CGalleryFrame; // deletes itself with its window
    if (!frame->Make()) {
        std::fprintf(stderr, "ruzav-gallery: the status bar page could not be made\n");
        return false;
    }
    HWND hFrame = frame->m_hWnd;
    CKExtStatusBar& bar = frame->m_wndStatusBar;
    desktop::PumpUntilIdle();
    ShowPanes(frame, "shown");

    std::printf("The host sets its idle message:\n");
    bar.SetIdleMessage("Gallery ready");
    ShowPanes(frame, "idle message");

    std::printf("Alt+F opens File; Down moves over its items; the prompts go to pane 0:\n");
    bool saved = true;
    desktop::QueueStep([&] {
        ShowPanes(frame, "File open, New selected");
        desktop::PressKey(VK_DOWN);
    });
    desktop::QueueStep([&] {
        ShowPanes(frame, "Open selected");
        saved =
            desktop::SaveWindowPng(hFrame, gallery::Join(outDir, "status-menu-open.png").c_str());
        desktop::PressKey(VK_DOWN);
    });
    desktop::QueueStep([&] {
        ShowPanes(frame, "Exit selected");
        desktop::PressKey(VK_RIGHT);
    });
    desktop::QueueStep([&] {
        ShowPanes(frame, "View open");
        desktop::PressKey(VK_ESCAPE);
    });
    desktop::QueueStep([] { desktop::PressKey(VK_ESCAPE); });
    desktop::PressKey('F', {VK_MENU});
    ShowPanes(frame, "menu closed");

    std::printf("Ctrl+N, the accelerator of File New:\n");
    desktop::PressKey('N', {VK_CONTROL});

    std::printf("Help, About from the menu by its mnemonics:\n");
    desktop::QueueStep([] { desktop::PressKey('A'); });
    desktop::PressKey('H', {VK_MENU});

    std::printf("A timed idle message for 3000 ms:\n");
    bar.SetTimedIdleMessage("Document saved", 3000);
    ShowPanes(frame, "timed message set");
    desktop::AdvanceClock(1000);
    frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    ShowPanes(frame, "1 s later, the frame idle");
    desktop::AdvanceClock(2001);
    desktop::PumpUntilIdle();
    ShowPanes(frame, "3 s later, after the next idle update");

    std::printf("Clicks on the position pane, then on the lamp:\n");
    desktop::ClickWindow(bar.m_hWnd, PaneCentre(bar, 1));
    desktop::KeyDown(VK_SHIFT);
    desktop::ClickWindow(bar.m_hWnd, PaneCentre(bar, 1));
    desktop::KeyUp(VK_SHIFT);
    desktop::ClickWindow(bar.m_hWnd, PaneCentre(bar, 3));
    ShowPanes(frame, "after the clicks");

    std::printf("Caps Lock pressed:\n");
    desktop::PressKey(VK_CAPITAL);
    ShowPanes(frame, "Caps Lock on");
    saved =
        desktop::SaveWindowPng(hFrame, gallery::Join(outDir, "status-after.png").c_str()) && saved;
    desktop::PressKey(VK_CAPITAL);
    ShowPanes(frame, "Caps Lock off");

    std::printf("The host closes the frame:\n");
    ::DestroyWindow(hFrame);
    std::printf("  frame gone: %s\n", ::IsWindow(hFrame) ? "no" : "yes");
    if (!saved)
        std::fprintf(stderr, "ruzav-gallery: a status bar picture could not be saved\n");
    return saved;
}
