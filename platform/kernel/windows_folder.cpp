// The Windows folder and the temporary folder: GetWindowsDirectoryA, GetTempPathA.
//
// A live host keeps its profile per user, in $XDG_CONFIG_HOME/ruzav32 (or ~/.config/ruzav32);
// under the driver the folder is a fresh temporary one, so no test sees another's profile. The
// temporary folder is the host's ($TMPDIR or /tmp) on a live host, and C:\TEMP under the driver,
// so scratch files a test makes go away with the test's drive.
#include "kernel/kernel_config.h"
#include "kernel/kernel_internal.h"

#include <cstdlib>
#include <cstring>

namespace kernel {
namespace {

std::string& Folder() {
    static std::string folder;
    return folder;
}

std::string& Temp() {
    static std::string folder;
    return folder;
}

std::string LiveHostFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return std::string(config) + "/ruzav32";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.config/ruzav32";
    return "/tmp/ruzav32";
}

// Copies a DOS path for the system's "length, or the size needed" convention.
UINT CopyPath(const std::string& path, LPSTR buffer, UINT size) {
    if (!buffer || path.size() + 1 > size)
        return static_cast<UINT>(path.size() + 1);
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return static_cast<UINT>(path.size());
}

} // namespace

void SetTempFolder(const std::string& hostFolder) {
    Temp() = hostFolder;
}

namespace {
unsigned long g_folderGeneration = 0;
} // namespace

void SetWindowsFolder(const std::string& hostFolder) {
    Folder() = hostFolder;
    ++g_folderGeneration;
    if (g_folderGeneration == 0)
        g_folderGeneration = 1;
}

unsigned long WindowsFolderGeneration() {
    return Folder().empty() ? 0 : g_folderGeneration;
}

std::string WindowsFolder() {
    return WindowsFolderRef();
}

namespace {
// An environment variable as last seen: whether it was set, and its value.
struct SeenVariable {
    bool set = false;
    std::string value;

    // Notes the variable's value now; true when that differs from the last one seen.
    bool Changed(const char* now) {
        if (set == (now != nullptr) && (now == nullptr || value == now))
            return false;
        set = now != nullptr;
        value = now != nullptr ? now : "";
        return true;
    }
};
} // namespace

const std::string& WindowsFolderRef() {
    if (!Folder().empty())
        return Folder();
    // A live host's folder follows its environment. It is made again only when that changes:
    // the user profile is looked for at every profile read, which must not allocate each time.
    static std::string live;
    static SeenVariable config;
    static SeenVariable home;
    const bool configChanged = config.Changed(std::getenv("XDG_CONFIG_HOME"));
    const bool homeChanged = home.Changed(std::getenv("HOME"));
    if (live.empty() || configChanged || homeChanged)
        live = LiveHostFolder();
    return live;
}

} // namespace kernel

UINT WINAPI GetWindowsDirectoryA(LPSTR buffer, UINT size) {
    return kernel::CopyPath(kernel::DosPathFromHost(kernel::WindowsFolder()), buffer, size);
}

DWORD WINAPI GetTempPathA(DWORD size, LPSTR buffer) {
    std::string host = kernel::Temp();
    if (host.empty()) {
        const char* tmp = std::getenv("TMPDIR");
        host = tmp && tmp[0] == '/' ? tmp : "/tmp";
    }
    std::string dos = kernel::DosPathFromHost(host);
    if (dos.empty() || dos.back() != '\\')
        dos += '\\';
    return kernel::CopyPath(dos, buffer, size);
}
