// GetVersionExA and GetVersion: the system version the driver sets (4.0, platform 2 by default).
#include "kernel/kernel_config.h"

#include <cstring>

namespace kernel {
namespace {

struct Version {
    DWORD major = 4, minor = 0, build = 1381, platformId = VER_PLATFORM_WIN32_NT;
    char csd[128] = "";
};

Version& Current() {
    static Version version;
    return version;
}

} // namespace

void SetVersion(DWORD major, DWORD minor, DWORD build, DWORD platformId, const char* csdVersion) {
    Version& v = Current();
    v.major = major;
    v.minor = minor;
    v.build = build;
    v.platformId = platformId;
    lstrcpynA(v.csd, csdVersion ? csdVersion : "", sizeof v.csd);
}

void ResetVersion() {
    Current() = Version();
}

} // namespace kernel

BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA info) {
    if (!info) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // The size field is how the system tells record versions apart; a wrong one is refused
    // before anything is written.
    DWORD size = info->dwOSVersionInfoSize;
    if (size != sizeof(OSVERSIONINFOA) && size != sizeof(OSVERSIONINFOEXA)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    const auto& v = kernel::Current();
    info->dwMajorVersion = v.major;
    info->dwMinorVersion = v.minor;
    // The non-NT platforms keep the version in the build number's high word.
    info->dwBuildNumber =
        v.platformId == VER_PLATFORM_WIN32_NT
            ? v.build
            : ((v.major & 0xff) << 24) | ((v.minor & 0xff) << 16) | (v.build & 0xffff);
    info->dwPlatformId = v.platformId;
    std::memcpy(info->szCSDVersion, v.csd, sizeof info->szCSDVersion);
    if (size == sizeof(OSVERSIONINFOEXA)) {
        auto* ex = reinterpret_cast<LPOSVERSIONINFOEXA>(info);
        ex->wServicePackMajor = 0;
        ex->wServicePackMinor = 0;
        ex->wSuiteMask = 0;
        ex->wProductType = v.platformId == VER_PLATFORM_WIN32_NT ? VER_NT_WORKSTATION : 0;
        ex->wReserved = 0;
    }
    return TRUE;
}

DWORD WINAPI GetVersion() {
    const auto& v = kernel::Current();
    DWORD version = (v.major & 0xff) | ((v.minor & 0xff) << 8);
    if (v.platformId == VER_PLATFORM_WIN32_NT)
        return version | ((v.build & 0x7fff) << 16);
    return version | 0x80000000u;
}
