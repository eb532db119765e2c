// Module handles and file names.
#include "kernel_fixture.h"

#include <platform_modules.h>

#include <unistd.h>

#include <cstring>
#include <vector>

namespace {
int anchor; // an address inside this test program
}

using ModulesTest = KernelTest;

TEST_F(ModulesTest, HostModuleIsTheExecutable) {
    HMODULE host = GetModuleHandleA(nullptr);
    ASSERT_NE(nullptr, host);
    EXPECT_EQ(platform::HostModule(), host);
    char name[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, name, sizeof name);
    ASSERT_GT(n, 0u);
    EXPECT_EQ(std::strlen(name), n);
    char exe[4096];
    ssize_t length = readlink("/proc/self/exe", exe, sizeof exe - 1);
    ASSERT_GT(length, 0);
    exe[length] = '\0';
    EXPECT_EQ(desktop::DosPath(exe), name);
    EXPECT_EQ(exe, desktop::HostPath(name));
}

TEST_F(ModulesTest, RegisteredModulesAreFoundByName) {
    HMODULE module = platform::RegisterModule("TESTMOD", &anchor);
    ASSERT_NE(nullptr, module);
    EXPECT_NE(GetModuleHandleA(nullptr), module);
    EXPECT_EQ(module, platform::RegisterModule("TESTMOD", &anchor));
    EXPECT_NE(module, platform::RegisterModule("OTHERMOD", &anchor));
    for (const char* name : {"TESTMOD", "testmod", "TestMod.DLL", "testmod.dll"})
        EXPECT_EQ(module, GetModuleHandleA(name)) << name;
    EXPECT_EQ(nullptr, GetModuleHandleA("NOSUCH.DLL"));
    EXPECT_EQ(DWORD(ERROR_MOD_NOT_FOUND), GetLastError());
}

TEST_F(ModulesTest, TheDriversFileNameIsCutToTheBufferAndGoesWithAReset) {
    HMODULE module = platform::RegisterModule("RENAMED", &anchor);
    desktop::SetModuleFileName(module, "C:\\APPS\\BIN\\RUZAV32.DLL");
    char name[MAX_PATH];
    EXPECT_EQ(23u, GetModuleFileNameA(module, name, sizeof name));
    EXPECT_STREQ("C:\\APPS\\BIN\\RUZAV32.DLL", name);
    std::memset(name, '#', sizeof name);
    EXPECT_EQ(10u, GetModuleFileNameA(module, name, 10));
    EXPECT_STREQ("C:\\APPS\\B", name);
    EXPECT_EQ('#', name[10]);
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(0u, GetModuleFileNameA(module, name, 0));
    EXPECT_EQ(0u, GetModuleFileNameA(module, nullptr, 10));
    EXPECT_EQ(0u, GetModuleFileNameA(reinterpret_cast<HMODULE>(0x1234), name, sizeof name));
    desktop::reset(); // names given by the driver do not outlive it
    GetModuleFileNameA(module, name, sizeof name);
    EXPECT_STRNE("C:\\APPS\\BIN\\RUZAV32.DLL", name);
}

TEST_F(ModulesTest, ALibraryModuleIsNamedAfterItsFile) {
    // An address inside libruzav_kernel.so names that library.
    HMODULE module =
        platform::RegisterLibraryModule(reinterpret_cast<const void*>(&GetModuleHandleA), nullptr);
    ASSERT_NE(nullptr, module);
    EXPECT_EQ(module, GetModuleHandleA("RUZAV_KERNEL"));
    EXPECT_EQ(module, GetModuleHandleA("ruzav_kernel.dll"));
    HMODULE chosen = platform::RegisterLibraryModule(&anchor, "CHOSEN");
    EXPECT_EQ(chosen, GetModuleHandleA("CHOSEN"));
    EXPECT_NE(chosen, module);
}

TEST_F(ModulesTest, TheModuleOfAnAddress) {
    HMODULE library =
        platform::RegisterLibraryModule(reinterpret_cast<const void*>(&GetModuleHandleA), nullptr);
    const DWORD fromAddress =
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    HMODULE found = nullptr;
    EXPECT_TRUE(
        GetModuleHandleExA(fromAddress, reinterpret_cast<LPCSTR>(&GetModuleFileNameA), &found));
    EXPECT_EQ(library, found);
    // This program's own code and data belong to the host executable.
    EXPECT_TRUE(GetModuleHandleExA(fromAddress, reinterpret_cast<LPCSTR>(&anchor), &found));
    EXPECT_EQ(GetModuleHandleA(nullptr), found);
    // Memory of no image, and no address at all.
    const std::vector<char> heap(16);
    EXPECT_FALSE(GetModuleHandleExA(fromAddress, heap.data(), &found));
    EXPECT_EQ(nullptr, found);
    EXPECT_FALSE(GetModuleHandleExA(fromAddress, nullptr, &found));
    EXPECT_FALSE(GetModuleHandleExA(fromAddress, reinterpret_cast<LPCSTR>(&anchor), nullptr));
    // Without the flag the name is a module name.
    EXPECT_TRUE(GetModuleHandleExA(0, "ruzav_kernel", &found));
    EXPECT_EQ(library, found);
}
