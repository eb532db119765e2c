// GetPrivateProfileStringA, GetPrivateProfileIntA, GetPrivateProfileSectionA,
// GetPrivateProfileSectionNamesA, WritePrivateProfileStringA. A null file name means the user
// profile, as on the system.
#include "kernel/profile_cache.h"
#include "kernel/profile_core.h"

#include "kernel/host_files.h"
#include "kernel/ini_file.h"
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

namespace {

// The parsed file a list call reads; a missing or unmappable file reads as empty.
const kernel::IniFile& ListedFile(LPCSTR fileName) {
    std::string host;
    if (!kernel::ProfileHostPath(fileName ? fileName : "WIN.INI", &host))
        host.clear();
    return kernel::CachedIniFile(host, nullptr);
}

} // namespace

UINT WINAPI GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName) {
    // With a null section or key the list's first name is read as the number.
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

DWORD WINAPI GetPrivateProfileSectionA(LPCSTR section, LPSTR returned, DWORD size,
                                       LPCSTR fileName) {
    if (!returned || size == 0)
        return 0;
    if (!section) {
        SetLastError(ERROR_INVALID_PARAMETER);
        returned[0] = '\0';
        return 0;
    }
    return kernel::CopyList(ListedFile(fileName).SectionLines(section), returned, size);
}

DWORD WINAPI GetPrivateProfileSectionNamesA(LPSTR returned, DWORD size, LPCSTR fileName) {
    if (!returned || size == 0)
        return 0;
    return kernel::CopyList(ListedFile(fileName).SectionNames(), returned, size);
}
