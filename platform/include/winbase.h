// The kernel part of the Win32 API: strings, modules, resources, files, profiles, version, time.
//
// Contents: records (SYSTEMTIME, FILETIME, OSVERSIONINFOA, WIN32_FIND_DATAA) - error codes -
// strings (lstr*A, wsprintfA, MulDiv) - modules and resources - files and searches -
// profiles - version - time - last error.
//
// Paths are DOS paths ("C:\APPS\MAIN.INI"); the platform maps drive letters to host folders and
// resolves each name case-insensitively, so a file written as main.ini is found as MAIN.INI.
#pragma once

#include "windef.h"

#include <cstdarg>
#include <cstring>

// ---- Records ---------------------------------------------------------------------------------

typedef struct _SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek; // 0 is Sunday
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
} SYSTEMTIME, *PSYSTEMTIME, *LPSYSTEMTIME;

typedef struct _FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
} FILETIME, *PFILETIME, *LPFILETIME;

typedef struct _OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize; // the caller sets it to sizeof(OSVERSIONINFOA)
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    CHAR szCSDVersion[128];
} OSVERSIONINFOA, *POSVERSIONINFOA, *LPOSVERSIONINFOA;
typedef OSVERSIONINFOA OSVERSIONINFO;

// The longer record that GetVersionExA also fills when its size field says so.
typedef struct _OSVERSIONINFOEXA {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    CHAR szCSDVersion[128];
    WORD wServicePackMajor;
    WORD wServicePackMinor;
    WORD wSuiteMask;
    BYTE wProductType;
    BYTE wReserved;
} OSVERSIONINFOEXA, *POSVERSIONINFOEXA, *LPOSVERSIONINFOEXA;
#define VER_NT_WORKSTATION 0x0000001
typedef LPOSVERSIONINFOA LPOSVERSIONINFO;

typedef struct _WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    CHAR cFileName[MAX_PATH];
    CHAR cAlternateFileName[14];
} WIN32_FIND_DATAA, *PWIN32_FIND_DATAA, *LPWIN32_FIND_DATAA;
typedef WIN32_FIND_DATAA WIN32_FIND_DATA;
typedef LPWIN32_FIND_DATAA LPWIN32_FIND_DATA;

static_assert(sizeof(SYSTEMTIME) == 16, "SYSTEMTIME layout");
static_assert(sizeof(FILETIME) == 8, "FILETIME layout");
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA layout");
static_assert(offsetof(OSVERSIONINFOA, szCSDVersion) == 20, "OSVERSIONINFOA layout");
static_assert(sizeof(OSVERSIONINFOEXA) == 156, "OSVERSIONINFOEXA layout");
static_assert(sizeof(WIN32_FIND_DATAA) == 320, "WIN32_FIND_DATAA layout");
static_assert(offsetof(WIN32_FIND_DATAA, cFileName) == 44, "WIN32_FIND_DATAA layout");

#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)
#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)

#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_HIDDEN 0x00000002
#define FILE_ATTRIBUTE_SYSTEM 0x00000004
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020
#define FILE_ATTRIBUTE_NORMAL 0x00000080

#define VER_PLATFORM_WIN32s 0
#define VER_PLATFORM_WIN32_WINDOWS 1
#define VER_PLATFORM_WIN32_NT 2

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

// Resource types: integer identifiers, as MAKEINTRESOURCE makes them.
#define RT_CURSOR MAKEINTRESOURCEA(1)
#define RT_BITMAP MAKEINTRESOURCEA(2)
#define RT_ICON MAKEINTRESOURCEA(3)
#define RT_MENU MAKEINTRESOURCEA(4)
#define RT_DIALOG MAKEINTRESOURCEA(5)
#define RT_STRING MAKEINTRESOURCEA(6)
#define RT_FONTDIR MAKEINTRESOURCEA(7)
#define RT_FONT MAKEINTRESOURCEA(8)
#define RT_ACCELERATOR MAKEINTRESOURCEA(9)
#define RT_RCDATA MAKEINTRESOURCEA(10)
#define RT_MESSAGETABLE MAKEINTRESOURCEA(11)
#define RT_GROUP_CURSOR MAKEINTRESOURCEA(12)
#define RT_GROUP_ICON MAKEINTRESOURCEA(14)
#define RT_VERSION MAKEINTRESOURCEA(16)
#define RT_DLGINCLUDE MAKEINTRESOURCEA(17)
#define RT_PLUGPLAY MAKEINTRESOURCEA(19)
#define RT_VXD MAKEINTRESOURCEA(20)
#define RT_ANICURSOR MAKEINTRESOURCEA(21)
#define RT_ANIICON MAKEINTRESOURCEA(22)
#define RT_HTML MAKEINTRESOURCEA(23)
#define RT_MANIFEST MAKEINTRESOURCEA(24)

// Code pages: the platform's 8-bit strings are Windows code page 1252.
#define CP_ACP 0
#define CP_OEMCP 1
#define CP_UTF8 65001

#define GET_MODULE_HANDLE_EX_FLAG_PIN 0x00000001
#define GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT 0x00000002
#define GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS 0x00000004

// CreateFileA
#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define FILE_SHARE_READ 0x00000001
#define FILE_SHARE_WRITE 0x00000002
#define CREATE_NEW 1
#define CREATE_ALWAYS 2
#define OPEN_EXISTING 3
#define OPEN_ALWAYS 4
#define TRUNCATE_EXISTING 5

// ---- Error codes (GetLastError) ----------------------------------------------------------------

#define ERROR_SUCCESS 0L
#define NO_ERROR 0L
#define ERROR_INVALID_FUNCTION 1L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_INVALID_DRIVE 15L
#define ERROR_BAD_NETPATH 53L
#define ERROR_NO_MORE_FILES 18L
#define ERROR_WRITE_FAULT 29L
#define ERROR_READ_FAULT 30L
#define ERROR_FILE_EXISTS 80L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_INVALID_NAME 123L
#define ERROR_MOD_NOT_FOUND 126L
#define ERROR_DIR_NOT_EMPTY 145L
#define ERROR_ALREADY_EXISTS 183L
#define ERROR_FILENAME_EXCED_RANGE 206L
#define ERROR_DIRECTORY 267L
#define ERROR_MORE_DATA 234L
#define ERROR_RESOURCE_DATA_NOT_FOUND 1812L
#define ERROR_RESOURCE_TYPE_NOT_FOUND 1813L
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814L

// ---- Memory helpers ----------------------------------------------------------------------------

#define ZeroMemory(dest, len) std::memset((dest), 0, (len))
#define FillMemory(dest, len, fill) std::memset((dest), (fill), (len))
#define CopyMemory(dest, src, len) std::memcpy((dest), (src), (len))
#define MoveMemory(dest, src, len) std::memmove((dest), (src), (len))

// ---- Strings -----------------------------------------------------------------------------------
// A null string counts as empty and a null destination is refused (0 or NULL), as on Windows;
// no call crashes on it.

int WINAPI lstrlenA(LPCSTR s);
LPSTR WINAPI lstrcpyA(LPSTR dest, LPCSTR src);
// Copies at most count - 1 characters and always terminates (when count > 0).
LPSTR WINAPI lstrcpynA(LPSTR dest, LPCSTR src, int count);
LPSTR WINAPI lstrcatA(LPSTR dest, LPCSTR src);
// Word-sort comparisons as the system's; return < 0, 0 or > 0.
int WINAPI lstrcmpA(LPCSTR a, LPCSTR b);
int WINAPI lstrcmpiA(LPCSTR a, LPCSTR b);
#define lstrlen lstrlenA
#define lstrcpy lstrcpyA
#define lstrcpyn lstrcpynA
#define lstrcat lstrcatA
#define lstrcmp lstrcmpA
#define lstrcmpi lstrcmpiA

// Code page 1252 (CP_ACP) and UTF-8 to and from UTF-16. length -1 means "up to and including the
// terminating zero"; a destination size of 0 asks for the size needed. A destination too small
// fails with ERROR_INSUFFICIENT_BUFFER; other code pages fail with ERROR_INVALID_PARAMETER.
int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int length, LPWSTR wide,
                               int wideSize);
int WINAPI WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int length, LPSTR text,
                               int textSize, LPCSTR defaultChar, LPBOOL usedDefaultChar);

// Formats as the system's wsprintf: %c %d %i %u %x %X %s %p %% with the prefixes l (32 bits, as
// LONG and DWORD are), h and I64, flags "-", "0", "#", a width and a precision (no floating
// point, no "*"); a null %s prints "(null)". At most 1024 bytes are written (1023
// characters and the terminating zero), the limit Windows documents; the count of characters
// written is returned.
int WINAPIV wsprintfA(LPSTR dest, LPCSTR format, ...);
int WINAPI wvsprintfA(LPSTR dest, LPCSTR format, va_list args);
#define wsprintf wsprintfA
#define wvsprintf wvsprintfA

// number * numerator / denominator with a 64-bit intermediate, rounded half away from zero;
// -1 when denominator is 0 or the result does not fit.
int WINAPI MulDiv(int number, int numerator, int denominator);

// ---- Modules and resources ---------------------------------------------------------------------

// The module's file as a DOS path, cut to size - 1 characters and terminated. Returns the number
// of characters copied (size when cut, with ERROR_INSUFFICIENT_BUFFER), 0 for an unknown module.
DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);
// NULL gives the host executable; a name matches with or without ".DLL", in any case.
HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName);
#define GetModuleFileName GetModuleFileNameA
#define GetModuleHandle GetModuleHandleA
// With GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, name is an address inside the module wanted.
BOOL WINAPI GetModuleHandleExA(DWORD flags, LPCSTR name, HMODULE* module);
#define GetModuleHandleEx GetModuleHandleExA

HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource);
// Resources are raw bytes in Win32's binary forms, as a compiled resource file holds them:
// RT_DIALOG a DLGTEMPLATE (or DLGTEMPLATEEX), RT_STRING blocks of 16 counted UTF-16 strings,
// RT_BITMAP a BMP without its 14-byte file header.
LPVOID WINAPI LockResource(HGLOBAL data);
DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource);
BOOL WINAPI FreeResource(HGLOBAL data);
#define FindResource FindResourceA

// ---- Files and searches ------------------------------------------------------------------------

// '*' and '?' match case-insensitively. INVALID_HANDLE_VALUE when nothing matches or the folder
// is missing (ERROR_FILE_NOT_FOUND / ERROR_PATH_NOT_FOUND).
HANDLE WINAPI FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA findData);
BOOL WINAPI FindNextFileA(HANDLE search, LPWIN32_FIND_DATAA findData);
BOOL WINAPI FindClose(HANDLE search);
#define FindFirstFile FindFirstFileA
#define FindNextFile FindNextFileA

DWORD WINAPI GetFileAttributesA(LPCSTR path);
BOOL WINAPI DeleteFileA(LPCSTR path);
BOOL WINAPI CreateDirectoryA(LPCSTR path, LPVOID securityAttributes);
BOOL WINAPI RemoveDirectoryA(LPCSTR path);
// The temporary folder with its trailing backslash; the length, or the size needed when the
// buffer is too small.
DWORD WINAPI GetTempPathA(DWORD size, LPSTR buffer);
#define GetFileAttributes GetFileAttributesA
#define DeleteFile DeleteFileA
#define CreateDirectory CreateDirectoryA
#define RemoveDirectory RemoveDirectoryA
// "<path>\\<up to 3 prefix characters><hex of unique>.TMP". A unique of 0 creates the file under
// the first free number and returns it; any other unique only makes the name (its low 16 bits).
// 0 when the folder does not exist.
UINT WINAPI GetTempFileNameA(LPCSTR path, LPCSTR prefix, UINT unique, LPSTR tempFileName);
#define GetTempPath GetTempPathA
#define GetTempFileName GetTempFileNameA

// Plain whole-file access, enough for a host or a test to write and read its own files.
HANDLE WINAPI CreateFileA(LPCSTR path, DWORD access, DWORD shareMode, LPVOID securityAttributes,
                          DWORD creation, DWORD flags, HANDLE templateFile);
BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read, LPVOID overlapped);
BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD toWrite, LPDWORD written,
                      LPVOID overlapped);
BOOL WINAPI CloseHandle(HANDLE object);
#define CreateFile CreateFileA

// The Windows folder without a trailing backslash; the length, or the size needed when the
// buffer is too small.
UINT WINAPI GetWindowsDirectoryA(LPSTR buffer, UINT size);
#define GetWindowsDirectory GetWindowsDirectoryA

// ---- Profiles ----------------------------------------------------------------------------------
// INI files: section and key names case-insensitive, blanks around names and values trimmed, one
// pair of surrounding quotes stripped, ';' starts a comment line. A missing or unreadable file,
// section or key gives the default. The result is cut to size - 1 characters and the count
// copied is returned (terminating zero not counted); a null or zero-size buffer returns 0.
// A null section lists the section names, a null key the keys of the section, each terminated,
// the list ended by a second zero.

DWORD WINAPI GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue,
                                      LPSTR returned, DWORD size, LPCSTR fileName);
// The leading decimal digits of the value (with a sign), else the default. A null section or
// key reads the first name of the list GetPrivateProfileStringA gives.
UINT WINAPI GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName);
// The section's lines ("key=value", and other lines that are not comments), each terminated, the
// list ended by a second zero; cut as the lists above. A null file means the user profile.
DWORD WINAPI GetPrivateProfileSectionA(LPCSTR section, LPSTR returned, DWORD size, LPCSTR fileName);
DWORD WINAPI GetPrivateProfileSectionNamesA(LPSTR returned, DWORD size, LPCSTR fileName);
// A null value deletes the key, a null key the whole section.
BOOL WINAPI WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName);

// The user profile, WIN.INI in the Windows folder. Keys of section "Intl" that the file lacks
// are answered from the regional settings of the user's locale.
DWORD WINAPI GetProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR returned,
                               DWORD size);
UINT WINAPI GetProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue);
BOOL WINAPI WriteProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value);

#define GetPrivateProfileString GetPrivateProfileStringA
#define GetPrivateProfileInt GetPrivateProfileIntA
#define WritePrivateProfileString WritePrivateProfileStringA
#define GetPrivateProfileSection GetPrivateProfileSectionA
#define GetPrivateProfileSectionNames GetPrivateProfileSectionNamesA
#define GetProfileString GetProfileStringA
#define GetProfileInt GetProfileIntA
#define WriteProfileString WriteProfileStringA

// ---- Version -----------------------------------------------------------------------------------

// FALSE (ERROR_INSUFFICIENT_BUFFER), the record untouched, unless dwOSVersionInfoSize is
// sizeof(OSVERSIONINFOA) or sizeof(OSVERSIONINFOEXA).
BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA info);
// Major version in the low byte, minor in the next; bit 31 set on the non-NT platforms.
DWORD WINAPI GetVersion();
#define GetVersionEx GetVersionExA

// ---- Time --------------------------------------------------------------------------------------

// Milliseconds since the platform started, wrapping after 49.7 days.
DWORD WINAPI GetTickCount();
void WINAPI GetLocalTime(LPSYSTEMTIME time);
void WINAPI GetSystemTime(LPSYSTEMTIME time);
#define INFINITE 0xFFFFFFFF
void WINAPI Sleep(DWORD milliseconds);

#define INFINITE 0xFFFFFFFF
#define WAIT_OBJECT_0 0x00000000L
#define WAIT_TIMEOUT 258L
#define WAIT_FAILED ((DWORD)0xFFFFFFFF)

// ---- Process -----------------------------------------------------------------------------------

DWORD WINAPI GetCurrentProcessId();
DWORD WINAPI GetCurrentThreadId();

// ---- Last error --------------------------------------------------------------------------------

DWORD WINAPI GetLastError();
void WINAPI SetLastError(DWORD error);

// ---- Global memory and drives ------------------------------------------------------------------

typedef ULONG_PTR SIZE_T;

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GMEM_LOCKCOUNT 0x00FF
#define GMEM_INVALID_HANDLE 0x8000
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

#ifndef NO_ERROR
#define NO_ERROR 0L
#endif
#define ERROR_NOT_LOCKED 158L

// A movable block's handle is no pointer: GlobalLock gives the pointer and counts the lock,
// GlobalUnlock returns FALSE (last error NO_ERROR) when the last lock goes. GlobalFree returns
// NULL, or the handle itself when it names no block (ERROR_INVALID_HANDLE).
HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes);
LPVOID WINAPI GlobalLock(HGLOBAL handle);
BOOL WINAPI GlobalUnlock(HGLOBAL handle);
HGLOBAL WINAPI GlobalFree(HGLOBAL handle);
SIZE_T WINAPI GlobalSize(HGLOBAL handle);
UINT WINAPI GlobalFlags(HGLOBAL handle);
HGLOBAL WINAPI GlobalHandle(LPCVOID pointer);

// Bit 0 for A:, bit 1 for B: ... : the drives that are mapped.
DWORD WINAPI GetLogicalDrives();
// The current folder as a DOS path without a trailing backslash (except a drive's root); the
// length, or the size needed when the buffer is too small.
DWORD WINAPI GetCurrentDirectoryA(DWORD size, LPSTR buffer);
#define GetCurrentDirectory GetCurrentDirectoryA
