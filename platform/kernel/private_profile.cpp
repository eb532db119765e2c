// GetPrivateProfileStringA, GetPrivateProfileIntA, WritePrivateProfileStringA.
// A null file name means the user profile, as on the system.
#include "kernel/profile_cache.h"
#include "kernel/profile_core.h"

#include "kernel/host_files.h"
#include "kernel/kernel_config.h"
#include "kernel/kernel_internal.h"

#include <cstring>

DWORD WINAPI GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue,
                                      LPSTR returned, DWORD size, LPCSTR fileName) {
    if (!fileName)
        return GetProfileStringA(section, key, defaultValue, returned, size);
    if (!returned || size == 0)
        return 0;
    std::string host;
    if (!kernel::ProfileHostPath(fileName, &host))
        host.clear(); // an unmappable name reads as a missing file
    return kernel::ReadProfileString(kernel::CachedIniFile(host, nullptr), section, key,
                                     defaultValue, returned, size, nullptr);
}

UINT WINAPI GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName) {
    if (!section || !key)
        return static_cast<UINT>(defaultValue);
    char text[256];
    GetPrivateProfileStringA(section, key, "", text, sizeof text, fileName);
    return kernel::ProfileIntFromText(text, defaultValue);
}

BOOL WINAPI WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName) {
    if (!fileName)
        return WriteProfileStringA(section, key, value);
    std::string host;
    if (!kernel::ProfileHostPath(fileName, &host)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    // A bare name goes to the Windows folder, which a live host makes on first use.
    if (!std::strpbrk(fileName, "\\/:") && !kernel::IsManualClock())
        kernel::MakeFolders(kernel::WindowsFolder());
    return kernel::WriteProfileValue(host, section, key, value);
}
