// The library's directory, path joining and "MAIN.INI" beside the library.
#include "frame/frame_services.h"

#include <cstring>

BOOL GetModuleDirectory(LPSTR dest, UINT size) {
    // Without the handle the system would answer with the host's file, not the library's.
    const HINSTANCE library = GetLibraryInstance();
    if (library == NULL)
        return FALSE;
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(library, path, sizeof(path));
    // A name cut to fit the buffer could end inside a directory name; better no directory than
    // a wrong one.
    if (length == 0 || length >= sizeof(path))
        return FALSE;

    // Back from the end to the last "\" or ":", which stays as the directory's last character:
    // "C:\APPS\BIN\RUZAV32.DLL" gives "C:\APPS\BIN\", "A:RUZAV32.DLL" gives "A:".
    DWORD last = length;
    while (last > 0 && path[last] != '\\' && path[last] != ':')
        --last;
    if (path[last] != '\\' && path[last] != ':')
        return FALSE; // a bare file name holds no directory

    const UINT needed = last + 2; // the directory and its terminating zero
    if (dest == nullptr || size < needed)
        return FALSE;
    std::memcpy(dest, path, last + 1);
    dest[last + 1] = '\0';
    return TRUE;
}

BOOL JoinPath(LPSTR dest, LPCSTR dir, LPCSTR name, UINT destSize) {
    if (dest == nullptr || dir == nullptr || name == nullptr || name == dest)
        return FALSE;
    const std::size_t dirLength = std::strlen(dir);
    if (dirLength == 0)
        return FALSE; // "\" + name would name a file at the root of the current drive

    const bool addSeparator = dir[dirLength - 1] != '\\';
    if (name[0] == '\\')
        ++name;
    const std::size_t nameLength = std::strlen(name);
    const std::size_t needed = dirLength + (addSeparator ? 1 : 0) + nameLength + 1;
    if (needed > destSize)
        return FALSE;

    // Built aside and copied once, so that dir may be dest itself and a refused join leaves
    // dest as it was.
    char joined[MAX_PATH];
    if (needed > sizeof(joined))
        return FALSE;
    std::memcpy(joined, dir, dirLength);
    std::size_t at = dirLength;
    if (addSeparator)
        joined[at++] = '\\';
    std::memcpy(joined + at, name, nameLength);
    joined[at + nameLength] = '\0';
    std::memcpy(dest, joined, needed);
    return TRUE;
}

DWORD GetMainIniString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR dest, DWORD size) {
    char directory[MAX_PATH];
    char iniPath[MAX_PATH];
    if (!GetModuleDirectory(directory, sizeof(directory)))
        return 0;
    if (!JoinPath(iniPath, directory, "MAIN.INI", sizeof(iniPath)))
        return 0;
    return ::GetPrivateProfileStringA(section, key, defaultValue, dest, size, iniPath);
}
