// The module registry: instance handles, GetModuleHandleA, GetModuleFileNameA.
//
// Handles are small distinct addresses (0x400000 for the host, as the system's default image
// base, then one 64 KB step per module), never dereferenced. A module's file is the shared
// object that holds the address it registered with (dladdr), or the host's /proc/self/exe, shown
// as a DOS path; the driver may give it another name.
#include "kernel/kernel_config.h"
#include "kernel/kernel_internal.h"

#include <platform_modules.h>

#include <dlfcn.h>
#include <strings.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace kernel {
namespace {

struct Module {
    HMODULE handle;
    std::string name; // as registered, e.g. "RUZAV32"
    std::string hostFile;
    std::string fileOverride; // DOS path from the driver; empty for the real file
};

std::vector<Module>& Modules() {
    static std::vector<Module> modules;
    return modules;
}

HMODULE HandleForIndex(size_t index) {
    return reinterpret_cast<HMODULE>(static_cast<uintptr_t>(0x400000 + index * 0x10000));
}

std::string HostExecutable() {
    char buffer[4096];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    buffer[n] = '\0';
    return buffer;
}

std::string RealPath(const std::string& path) {
    char buffer[PATH_MAX];
    return realpath(path.c_str(), buffer) ? std::string(buffer) : path;
}

std::string BaseName(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void EnsureHost() {
    if (!Modules().empty())
        return;
    std::string exe = HostExecutable();
    Modules().push_back(Module{HandleForIndex(0), BaseName(exe), exe, {}});
}

Module* Find(HMODULE handle) {
    EnsureHost();
    if (!handle)
        return &Modules()[0];
    for (Module& m : Modules())
        if (m.handle == handle)
            return &m;
    return nullptr;
}

// "RUZAV32", "ruzav32.dll" and "RuZav32.DLL" name the same module.
bool SameModuleName(const std::string& registered, const char* asked) {
    auto stripDll = [](std::string s) {
        if (s.size() > 4 && strcasecmp(s.c_str() + s.size() - 4, ".dll") == 0)
            s.resize(s.size() - 4);
        return s;
    };
    return strcasecmp(stripDll(registered).c_str(), stripDll(asked).c_str()) == 0;
}

} // namespace

void SetModuleFileOverride(HMODULE module, const std::string& dosPath) {
    if (Module* m = Find(module))
        m->fileOverride = dosPath;
}

void ClearModuleFileOverrides() {
    for (Module& m : Modules())
        m.fileOverride.clear();
}

} // namespace kernel

namespace platform {

HMODULE RegisterModule(const char* name, const void* anyAddressInModule) {
    using kernel::Modules;
    kernel::EnsureHost();
    std::string moduleName = name ? name : "";
    for (size_t i = 1; i < Modules().size(); ++i)
        if (strcasecmp(Modules()[i].name.c_str(), moduleName.c_str()) == 0)
            return Modules()[i].handle;
    std::string file;
    Dl_info info{};
    if (anyAddressInModule && dladdr(anyAddressInModule, &info) != 0 && info.dli_fname) {
        file = info.dli_fname;
        if (!file.empty() && file[0] != '/') {
            char cwd[4096];
            if (getcwd(cwd, sizeof cwd))
                file = std::string(cwd) + "/" + file;
        }
    }
    HMODULE handle = kernel::HandleForIndex(Modules().size());
    Modules().push_back(kernel::Module{handle, moduleName, file, {}});
    return handle;
}

HMODULE HostModule() {
    kernel::EnsureHost();
    return kernel::Modules()[0].handle;
}

} // namespace platform

HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName) {
    kernel::EnsureHost();
    if (!moduleName)
        return platform::HostModule();
    for (const kernel::Module& m : kernel::Modules())
        if (kernel::SameModuleName(m.name, moduleName))
            return m.handle;
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size) {
    const kernel::Module* m = kernel::Find(module);
    if (!m) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (!fileName || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::string path =
        !m->fileOverride.empty() ? m->fileOverride : kernel::DosPathFromHost(m->hostFile);
    // Cut as the system does: size - 1 characters and the terminating zero, returning size.
    if (path.size() >= size) {
        std::memcpy(fileName, path.data(), size - 1);
        fileName[size - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    std::memcpy(fileName, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}

// The module whose image holds an address: the host executable for an address in the program
// itself, else the first module registered from the file the dynamic loader names for it.
BOOL WINAPI GetModuleHandleExA(DWORD flags, LPCSTR name, HMODULE* module) {
    if (!module) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *module = nullptr;
    if (!(flags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS)) {
        *module = GetModuleHandleA(name);
        return *module ? TRUE : FALSE;
    }
    Dl_info info{};
    if (!name || dladdr(name, &info) == 0 || !info.dli_fname) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return FALSE;
    }
    kernel::EnsureHost();
    const std::string file = kernel::RealPath(info.dli_fname);
    if (info.dli_fname[0] == '\0' || file == kernel::RealPath(kernel::Modules()[0].hostFile)) {
        *module = platform::HostModule();
        return TRUE;
    }
    for (const kernel::Module& m : kernel::Modules()) {
        if (!m.hostFile.empty() && kernel::RealPath(m.hostFile) == file) {
            *module = m.handle;
            return TRUE;
        }
    }
    SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
}
