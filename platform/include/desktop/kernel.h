// The driver's kernel part: drives, module files, the Windows folder and the user profile, the
// system version, the clock, and temporary folders.
//
// After desktop::reset(): Z: is the host's root; C: is a fresh temporary folder holding the
// Windows folder C:\WINDOWS (an empty WIN.INI that answers no "Intl" key) and the temporary
// folder C:\TEMP\; the version is 4.0 on platform 2; the manual clock stands at tick 1,000,000
// on Monday 2 March 2026, 09:00:00. HostPath("C:\\") is the host folder behind C:. A test that
// maps C: elsewhere leaves the Windows and temporary folders where they were (they then show as
// Z: paths).
#pragma once

#include <winbase.h>

#include <string>

namespace desktop {

// ---- Drives and files ----------------------------------------------------------------------

// Maps a drive letter to an absolute host folder ("C", "/tmp/ruzav32-ab12cd").
void MapDrive(char letter, const std::string& hostFolder);
void UnmapDrive(char letter);

// A new empty host folder under /tmp, removed with its contents at the next reset or at exit.
std::string MakeTempFolder();

// The host path a DOS path resolves to (empty when it cannot), and the DOS form of a host path.
std::string HostPath(const char* dosPath);
std::string DosPath(const std::string& hostPath);

// ---- Modules -------------------------------------------------------------------------------

// Gives the module another file name, as GetModuleFileNameA reports it
// (e.g. "C:\APPS\BIN\RUZAV32.DLL"); an empty name restores the real file.
void SetModuleFileName(HMODULE module, const char* dosPath);

// ---- Windows folder and user profile -------------------------------------------------------

// The host folder that is the Windows folder (WIN.INI lives there).
void SetWindowsFolder(const std::string& hostFolder);
std::string WindowsFolder();

// Pins the user profile to a host file instead of WIN.INI in the Windows folder.
void SetProfileFile(const std::string& hostPath);
// Replaces the user profile's contents (INI text).
bool SetProfileText(const std::string& iniText);

// Where the "Intl" keys that the profile file lacks come from.
void SetProfileIntlNone(); // none at all: every library default applies
// A locale's LC_TIME conventions ("de_DE.UTF-8"). False, leaving no "Intl" keys, when that
// locale is not installed (or is C/POSIX, which answers none anyway).
bool SetProfileIntlFromLocale(const char* localeName);
// The user's own locale, as a live host does.
void SetProfileIntlFromEnvironment();

// Time formats as a POSIX locale gives them, for pinning conventions no installed locale has.
struct TimeFormats {
    std::string dateFormat;     // "%d.%m.%Y"
    std::string timeFormat;     // "%H:%M:%S", or "%r" for the 12-hour form below
    std::string timeFormatAmPm; // "%I:%M:%S %p"
    std::string am, pm;         // "AM", "PM"; empty for none
};
void SetProfileIntlFromFormats(const TimeFormats& formats);

// ---- System version ------------------------------------------------------------------------

void SetSystemVersion(DWORD major, DWORD minor, DWORD platformId = VER_PLATFORM_WIN32_NT,
                      DWORD build = 1381, const char* csdVersion = "");

// ---- Clock ---------------------------------------------------------------------------------

void SetTickCount(DWORD tick);
void SetClockTime(const SYSTEMTIME& localTime); // wDayOfWeek is worked out, not read
// Moves the clock on; due timers fire on the way, as the window manager runs them.
void AdvanceClock(DWORD milliseconds);

// GlobalAlloc blocks not yet freed: a dialog that hands back DEVMODE/DEVNAMES blocks leaves
// exactly those, and the caller's GlobalFree takes them.
std::size_t GlobalBlockCount();

} // namespace desktop
