// Gallery page 3: a host dialog with a field and two buttons. A tip pops up under the first
// button, the way a host explains a button when the mouse rests on it; a rounded tip pops up
// at a point near the right edge of the screen and moves in to stay clear of it. The user keeps
// typing into the field meanwhile: the tips take neither the activation nor the focus.
#include "popup_tip_page.h"

#include "gallery_support.h"
#include "resource.h"

#include <desktop.h>
#include <ruzav32/status.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kField = IDC_TIP_FIELD;
constexpr int kOpen = IDC_TIP_OPEN;
constexpr char kTemplateName[] = "TIPHOST"; // in gallery.rc
constexpr char kTipClass[] = "GalleryTip";

// The host's tip class: the tip asks for no attributes of its own; saving the bits under it
// lets the screen come back at once when it goes.
bool RegisterTipClass() {
    WNDCLASSA wc{};
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kTipClass;
    return ::RegisterClassA(&wc) != 0;
}

// A new tip on the heap, as the tip wants to be made; it deletes itself with its window.
CPopupTip* Pop(const char* text, POINT at, UINT shape) {
    CString className(kTipClass);
    CPopupTip* tip = new CPopupTip(className);
    tip->SetDisplay(text);
    if (!tip->PopItUp(CPoint(at), shape)) {
        delete tip; // no window: the object is still the host's
        return nullptr;
    }
    RECT r{};
    ::GetWindowRect(tip->m_hWnd, &r);
    std::printf("  tip \"%s\" asked at (%ld,%ld), shown at (%ld,%ld) %ldx%ld, %s\n", text,
                static_cast<long>(at.x), static_cast<long>(at.y), static_cast<long>(r.left),
                static_cast<long>(r.top), static_cast<long>(r.right - r.left),
                static_cast<long>(r.bottom - r.top), shape == 1 ? "rounded" : "plain");
    // The rule itself, apart from the width the text gives the tip.
    std::printf("    %s\n", desktop::ScreenSize().cx - r.right >= 6
                                ? "6 pixels or more clear of the screen's right edge"
                                : "too near the screen's right edge");
    return tip;
}

void PrintFocus(HWND dialog, HWND field) {
    char text[64] = "";
    ::GetWindowTextA(field, text, sizeof text);
    std::printf("  active window is the host: %s; focus in the field: %s; field \"%s\"\n",
                ::GetActiveWindow() == dialog ? "yes" : "no", ::GetFocus() == field ? "yes" : "no",
                text);
}

} // namespace

bool RunPopupTipPage(const std::string& outDir) {
    if (!RegisterTipClass()) {
        std::fprintf(stderr, "ruzav-gallery: the tip class could not be registered\n");
        return false;
    }
    bool ok = true;
    gallery::PageDialog host(kTemplateName);
    if (!host.Create(kTemplateName)) {
        std::fprintf(stderr, "ruzav-gallery: the tip page could not be opened\n");
        return false;
    }
    const HWND dialog = host.m_hWnd;
    const HWND field = ::GetDlgItem(dialog, kField);
    gallery::Idle();
    std::printf("page 3: pop-up tip\n");
    std::printf("> type \"Ann\" into the field\n");
    desktop::TypeText("Ann");
    gallery::Idle();

    std::printf("> the mouse rests on Open: a plain tip under it\n");
    RECT open{};
    ::GetWindowRect(::GetDlgItem(dialog, kOpen), &open);
    CPopupTip* below = Pop("Opens a saved file", POINT{open.left, open.bottom + 2}, 0);
    std::printf("> a rounded tip asked for near the right edge of the screen\n");
    const SIZE screen = desktop::ScreenSize();
    CPopupTip* edge = Pop("Kept clear of the screen's edge", POINT{screen.cx - 60, 300}, 1);
    gallery::Idle();
    PrintFocus(dialog, field);
    std::printf("> type \"e\" while the tips are up\n");
    desktop::TypeText("e");
    gallery::Idle();
    PrintFocus(dialog, field);

    RECT around{};
    ::GetWindowRect(dialog, &around);
    if (below != nullptr) {
        RECT r{};
        ::GetWindowRect(below->m_hWnd, &r);
        around.bottom = r.bottom + 8 > around.bottom ? r.bottom + 8 : around.bottom;
    }
    const std::string hostPicture = gallery::Join(outDir, "popup-tips.png");
    ok = desktop::SaveScreenPng(hostPicture.c_str(), around) && ok;
    const std::string edgePicture = gallery::Join(outDir, "popup-tip-edge.png");
    ok = desktop::SaveScreenPng(edgePicture.c_str(), RECT{screen.cx - 290, 290, screen.cx, 330}) &&
         ok;
    std::printf("  pictures: %s %s\n", hostPicture.c_str(), edgePicture.c_str());

    std::printf("> the host closes the tips by destroying their windows\n");
    if (below != nullptr)
        below->DestroyWindow(); // the object deletes itself
    if (edge != nullptr)
        edge->DestroyWindow();
    gallery::Idle();
    PrintFocus(dialog, field);
    CString className("NoSuchClass");
    CPopupTip* lost = new CPopupTip(className);
    lost->SetDisplay("never shown");
    std::printf("> a tip of an unregistered class: PopItUp answers %s\n",
                lost->PopItUp(CPoint(10, 10), 0) ? "TRUE" : "FALSE");
    delete lost;

    host.Close();
    gallery::Idle();
    ::UnregisterClassA(kTipClass, AfxGetInstanceHandle());
    std::fflush(stdout);
    return ok;
}
