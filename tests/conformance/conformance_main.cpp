// The conformance harness: registration, failure reports, and the program's main.
#include "conformance.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace conformance {
namespace {

struct Test {
    const char* name;
    TestFunction function;
};

std::vector<Test>& Tests() {
    static std::vector<Test> tests;
    return tests;
}

int failuresInTest = 0;

} // namespace

Registration::Registration(const char* name, TestFunction function) {
    Tests().push_back({name, function});
}

void Fail(const char* file, int line, const std::string& message) {
    ++failuresInTest;
    std::printf("%s:%d: %s\n", file, line, message.c_str());
    std::fflush(stdout);
}

std::string Show(long long value) {
    return std::to_string(value);
}

std::string Show(unsigned long long value) {
    char hex[32];
    std::snprintf(hex, sizeof hex, " (0x%llx)", value);
    return std::to_string(value) + (value > 9 ? hex : "");
}

std::string Show(const std::string& value) {
    std::string shown = "\"";
    for (unsigned char c : value) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            shown += escaped;
        }
    }
    return shown + "\"";
}

std::string Show(const char* value) {
    return value ? Show(std::string(value)) : "(null)";
}

std::string Show(const void* value) {
    char text[32];
    std::snprintf(text, sizeof text, "%p", value);
    return text;
}

std::string SafeString(const char* text) {
    return text ? text : "(null)";
}

namespace {

std::string& RunFolder() {
    static std::string folder;
    return folder;
}

std::vector<std::string>& TempFiles() {
    static std::vector<std::string> files;
    return files;
}

void RemoveTempFiles() {
    for (const std::string& file : TempFiles())
        DeleteFileA(file.c_str());
    if (!RunFolder().empty())
        RemoveDirectoryA(RunFolder().c_str());
}

} // namespace

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

std::string TempPath(const char* name) {
    if (RunFolder().empty()) {
        char base[MAX_PATH];
        DWORD n = GetTempPathA(sizeof base, base);
        std::string folder = n > 0 && n < sizeof base ? base : "";
        if (!folder.empty() && folder.back() != '\\')
            folder += '\\';
        char unique[64];
        std::snprintf(unique, sizeof unique, "ruzav32-conformance-%lu-%lu",
                      static_cast<unsigned long>(GetCurrentProcessId()),
                      static_cast<unsigned long>(GetTickCount()));
        folder += unique;
        CreateDirectoryA(folder.c_str(), nullptr);
        RunFolder() = folder;
    }
    std::string path = RunFolder() + "\\" + name;
    TempFiles().push_back(path);
    return path;
}

bool WriteTextFile(const std::string& path, const std::string& contents) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok =
        WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == contents.size();
}

std::string ReadTextFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string contents;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0)
        contents.append(chunk, read);
    CloseHandle(file);
    return contents;
}

} // namespace conformance

int main(int argc, char** argv) {
    using namespace conformance;
    const char* filter = argc > 1 ? argv[1] : nullptr;
    int run = 0, failed = 0;
    for (const Test& test : Tests()) {
        if (filter && !std::strstr(test.name, filter))
            continue;
        failuresInTest = 0;
        std::printf("[ RUN  ] %s\n", test.name);
        std::fflush(stdout);
        test.function();
        ++run;
        if (failuresInTest) {
            ++failed;
            std::printf("[ FAIL ] %s\n", test.name);
        } else {
            std::printf("[  OK  ] %s\n", test.name);
        }
    }
    RemoveTempFiles();
    std::printf("%d conformance tests, %d failed\n", run, failed);
    return failed || run == 0 ? 1 : 0;
}
