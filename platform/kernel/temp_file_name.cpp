// GetTempFileNameA: a name in a folder made of a prefix and a hexadecimal number, and, when the
// caller leaves the number to the system, the file itself, made under the first number free.
#include "kernel/kernel_internal.h"

#include <winbase.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// "C:\TEMP" and "ab", 0x1A2B give "C:\TEMP\ab1A2B.TMP".
std::string TempName(const char* path, const char* prefix, unsigned number) {
    std::string name = path;
    if (name.empty() || name.back() != '\\')
        name += '\\';
    name.append(prefix ? prefix : "", prefix ? strnlen(prefix, 3) : 0);
    char digits[8];
    std::snprintf(digits, sizeof digits, "%X", number & 0xFFFFu);
    return name + digits + ".TMP";
}

bool IsFolder(const std::string& host) {
    struct stat info {};
    return stat(host.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

UINT WINAPI GetTempFileNameA(LPCSTR path, LPCSTR prefix, UINT unique, LPSTR tempFileName) {
    std::string folder;
    if (!path || !tempFileName || !kernel::HostPathFromDos(path, &folder) || !IsFolder(folder)) {
        SetLastError(ERROR_DIRECTORY);
        return 0;
    }
    if (unique != 0) {
        unique &= 0xFFFFu;
        const std::string name = TempName(path, prefix, unique);
        if (name.size() >= MAX_PATH) {
            SetLastError(ERROR_FILENAME_EXCED_RANGE);
            return 0;
        }
        std::memcpy(tempFileName, name.c_str(), name.size() + 1);
        return unique;
    }
    // Start from the clock, as the system does, so names seldom meet, and go on past taken ones.
    const unsigned start = (GetTickCount() & 0xFFFFu) ? (GetTickCount() & 0xFFFFu) : 1u;
    unsigned number = start;
    do {
        const std::string name = TempName(path, prefix, number);
        std::string host;
        if (name.size() >= MAX_PATH || !kernel::HostPathFromDos(name.c_str(), &host)) {
            SetLastError(ERROR_FILENAME_EXCED_RANGE);
            return 0;
        }
        const int fd = open(host.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
        if (fd >= 0) {
            close(fd);
            std::memcpy(tempFileName, name.c_str(), name.size() + 1);
            return number;
        }
        if (errno != EEXIST) {
            SetLastError(ERROR_ACCESS_DENIED);
            return 0;
        }
        number = number == 0xFFFFu ? 1u : number + 1u;
    } while (number != start);
    SetLastError(ERROR_FILE_EXISTS);
    return 0;
}
