// Context help from the library's own help file.
#include "frame/frame_services.h"
#include "frame/logic/help_file_name.h"

#include <cstring>

namespace {

// The first plain file matching pattern, copied into name (MAX_PATH bytes). A directory that
// happens to match, such as "OLD.HLP\", is not a help file and is passed over.
BOOL FindFirstHelpFile(LPCSTR pattern, LPSTR name) {
    WIN32_FIND_DATAA found = {};
    const HANDLE search = ::FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return FALSE;
    BOOL haveFile = FALSE;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            found.cFileName[MAX_PATH - 1] = '\0';
            std::memcpy(name, found.cFileName, std::strlen(found.cFileName) + 1);
            haveFile = TRUE;
            break;
        }
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return haveFile;
}

} // namespace

BOOL LaunchContextHelp(HWND hWnd, DWORD data, UINT command) {
    char directory[MAX_PATH];
    if (!GetModuleDirectory(directory, sizeof(directory)))
        return FALSE;

    // The name is always taken below the library's directory, so a value holding a drive or a
    // full path does not reach a file elsewhere; one that climbs out or leaves the choice to a
    // wildcard is refused before the help engine sees it.
    char name[MAX_PATH];
    if (GetMainIniString("General", "HelpFile", "", name, sizeof(name)) == 0) {
        char pattern[MAX_PATH];
        if (!JoinPath(pattern, directory, "*.hlp", sizeof(pattern)))
            return FALSE;
        if (!FindFirstHelpFile(pattern, name))
            return FALSE;
    } else if (!helpfile::StaysBelowDirectory(name)) {
        return FALSE;
    }

    char helpPath[MAX_PATH];
    if (!JoinPath(helpPath, directory, name, sizeof(helpPath)))
        return FALSE;

    if (command == 0) {
        command = data != 0 ? HELP_CONTEXT : HELP_CONTENTS;
    }
    return ::WinHelpA(hWnd, helpPath, command, data);
}
