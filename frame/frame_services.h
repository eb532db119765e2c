// Services that the library's classes share and hosts never see (not exported).
//
// Contents: the library's instance handle - its directory and "MAIN.INI" - path joining - the
// system version probe - the context help launcher - window placement.
//
// Paths are DOS paths in MAX_PATH (260-byte) buffers; a directory keeps its trailing separator
// ("C:\APPS\BIN\", or "A:" for a drive-relative library name).
#pragma once

#include <afxwin.h>
#include <ruzav32/frame.h>

// The instance handle that the loader gave the library, recorded at process attach.
HINSTANCE GetLibraryInstance();

// The directory that holds the library file, read afresh on every call. FALSE, leaving dest as
// it was, when the file name is unknown, cut short, holds no directory at all, or when the
// directory and its terminating zero do not fit in size bytes.
BOOL GetModuleDirectory(LPSTR dest, UINT size);

// dir + "\" + name into dest, adding the separator only when dir lacks one and dropping one
// leading "\" of name: "C:\APP" + "\X.HLP" is "C:\APP\X.HLP". FALSE, writing nothing, for a
// null argument, an empty dir, a name that is dest itself, or when the result and its
// terminating zero would not fit in destSize bytes. dir may be dest itself; an empty name gives
// dir with its separator.
BOOL JoinPath(LPSTR dest, LPCSTR dir, LPCSTR name, UINT destSize = MAX_PATH);

// One value of "MAIN.INI" beside the library, as GetPrivateProfileStringA reads it: the count of
// characters copied, cut to size - 1. A missing file, section or key gives the default; 0 with
// dest untouched when the library's directory cannot be found.
DWORD GetMainIniString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR dest, DWORD size);

// The system's platform identifier (VER_PLATFORM_WIN32_WINDOWS or _NT) on version 3.95 and
// later, 0 on older systems. Callers only test for 0: an older system, whose dialog fonts are
// bold, so the library makes thin ones.
DWORD GetNewLookPlatformId();

// Opens the library's help file for hWnd: the file named by [General] HelpFile in "MAIN.INI",
// below the library's directory, else the first "*.hlp" file there. A command of 0 asks for the
// topic numbered data, or for the contents when data is 0 as well. Returns WinHelpA's result, or
// FALSE without calling it when there is no help file, its path would not fit, or the name
// climbs out of the directory ("..") or holds a wildcard.
BOOL LaunchContextHelp(HWND hWnd, DWORD data, UINT command);

// Moves pWnd by the rule (keeping its size, without repainting) and pulls it back inside the
// work area. Nothing happens for a null pWnd or one without a window; a null parent or one
// without a window counts as no parent.
void PlaceWindow(CWnd* pWnd, CWnd* pParent, eWindowPositions ePosition);
