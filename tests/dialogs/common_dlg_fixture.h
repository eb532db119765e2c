// A desktop for the library's file and print dialogs: the library installed at C:\APPS\BIN with
// APP.HLP beside it, a folder C:\DOCS with a.txt, b.txt and notes.doc, two printers (Laser, the
// default, and Inkjet) spooling to folders, a host main window, and steps that act on the
// dialog that is up as a user would.
#pragma once

#include <desktop.h>
#include <ruzav32/dialogs.h>

#include <afxpriv.h>

#include "frame/frame_services.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>

class CommonDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        desktop::reset();
        desktop::SetModuleFileName(GetLibraryInstance(), "C:\\APPS\\BIN\\RUZAV32.DLL");
        for (const char* folder : {"C:\\APPS", "C:\\APPS\\BIN", "C:\\DOCS", "C:\\SPOOL",
                                   "C:\\SPOOL\\LASER", "C:\\SPOOL\\INK"}) {
            ASSERT_TRUE(::CreateDirectoryA(folder, NULL)) << folder;
        }
        for (const char* file : {"C:\\APPS\\BIN\\APP.HLP", "C:\\DOCS\\a.txt", "C:\\DOCS\\b.txt",
                                 "C:\\DOCS\\notes.doc"}) {
            std::ofstream(desktop::HostPath(file)) << "x";
        }
        desktop::SetProfileText("[devices]\n"
                                "Laser=LASERDRV,C:\\SPOOL\\LASER\n"
                                "Inkjet=INKDRV,C:\\SPOOL\\INK\n"
                                "[windows]\n"
                                "device=Laser,LASERDRV,C:\\SPOOL\\LASER\n");
        main_.reset(new CWnd);
        main_->CreateEx(0, AfxRegisterWndClass(0), "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                        600, 400, NULL, NULL);
        gdiAtStart_ = desktop::GdiObjectCounts();
    }

    void TearDown() override {
        main_->DestroyWindow();
        main_.reset();
        EXPECT_EQ(0u, desktop::PendingSteps()) << "a step did not run";
        EXPECT_EQ(0u, desktop::GlobalBlockCount()) << "a DEVMODE or DEVNAMES block was left";
        desktop::reset();
    }

    // A step on the dialog that is up (the active window).
    static void Step(std::function<void(HWND dialog)> step) {
        desktop::QueueStep([step]() { step(::GetActiveWindow()); });
    }
    static void Click(int id) {
        Step([id](HWND dialog) { ASSERT_TRUE(desktop::ClickControl(dialog, id)) << id; });
    }
    static void Type(const char* text) {
        Step([text](HWND) { desktop::TypeText(text); });
    }
    static void Press(UINT vk) {
        Step([vk](HWND) { desktop::PressKey(vk); });
    }
    static std::string TextOf(HWND window) {
        char text[MAX_PATH] = {};
        ::GetWindowTextA(window, text, sizeof(text));
        return text;
    }

    std::unique_ptr<CWnd> main_;
    desktop::GdiCounts gdiAtStart_{};
};
