// GetLogicalDrives and GetCurrentDirectoryA over the platform's drive map.
#include "kernel/kernel_internal.h"

#include <cstring>

DWORD WINAPI GetLogicalDrives() {
    return kernel::MappedDriveMask();
}

DWORD WINAPI GetCurrentDirectoryA(DWORD size, LPSTR buffer) {
    const std::string path = kernel::CurrentDosFolderPath();
    if (path.empty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return 0;
    }
    if (buffer == nullptr || size <= path.size()) {
        return static_cast<DWORD>(path.size() + 1);
    }
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}
