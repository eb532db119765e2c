// Every kernel test starts from a reset platform and may write files on its temporary C: drive.
#pragma once

#include <desktop.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

class KernelTest : public ::testing::Test {
protected:
    void SetUp() override {
        desktop::reset();
        drive_ = desktop::HostPath("C:\\");
    }

    // Writes a host file below the temporary C: drive ("apps/main.ini").
    std::string WriteHostFile(const std::string& relative, const std::string& contents) {
        std::string path = drive_ + "/" + relative;
        std::ofstream(path, std::ios::binary) << contents;
        return path;
    }

    std::string ReadHostFile(const std::string& relative) {
        std::ifstream in(drive_ + "/" + relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    void MakeFolder(const std::string& relative);

    // A profile changed behind the platform's back is seen within a few milliseconds of real
    // time (a held file is looked at again at most every 2 ms, on a clock ticking every few ms);
    // waiting this long makes sure the next read sees the change.
    static void LetOutsideChangeShow() {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }

    std::string drive_;
};

#include <sys/stat.h>
#include <unistd.h>

inline void KernelTest::MakeFolder(const std::string& relative) {
    mkdir((drive_ + "/" + relative).c_str(), 0755);
}
