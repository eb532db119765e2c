// A clean desktop with the library installed at C:\APPS\BIN\RUZAV32.DLL (drive C: is a fresh
// temporary folder), and helpers to put files beside it.
#pragma once

#include <desktop.h>

#include "frame/frame_services.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>
#include <string>

class FrameTest : public ::testing::Test {
protected:
    static constexpr const char* kLibraryDirectory = "C:\\APPS\\BIN\\";

    void SetUp() override {
        desktop::reset();
        ASSERT_NE(nullptr, GetLibraryInstance()) << "the library's entry point did not run";
        desktop::SetModuleFileName(GetLibraryInstance(), "C:\\APPS\\BIN\\RUZAV32.DLL");
        MakeFolder("C:\\APPS");
        MakeFolder("C:\\APPS\\BIN");
    }

    // A folder on the platform's drives, given as a DOS path whose parent exists.
    static void MakeFolder(const char* dosPath) {
        ASSERT_TRUE(::CreateDirectoryA(dosPath, NULL)) << dosPath;
    }

    static void WriteFile(const std::string& dosPath, const std::string& contents) {
        std::ofstream(desktop::HostPath(dosPath.c_str()), std::ios::binary) << contents;
        // Written behind the platform's back, as another program would: the platform sees such a
        // change within a few milliseconds of real time, not necessarily at the next read.
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }

    static void WriteMainIni(const std::string& contents) {
        WriteFile(std::string(kLibraryDirectory) + "MAIN.INI", contents);
    }
};
