// The kernel's settings as the driver sets them (desktop::Map*, Set*), and their resets.
// Private to the kernel and the driver: other layers use kernel_internal.h.
#pragma once

#include <winbase.h>

#include "kernel/intl_from_locale.h"

#include <string>

namespace kernel {

// Drives: letter -> host folder. ResetDrives leaves only Z: -> /.
void MapDrive(char letter, const std::string& hostFolder);
void UnmapDrive(char letter);
void ResetDrives();
// Changes whenever the drives change, so that paths resolved earlier know to resolve again.
unsigned long DriveMapGeneration();

// Module file names given by the driver, in place of the real file.
void SetModuleFileOverride(HMODULE module, const std::string& dosPath);
void ClearModuleFileOverrides();

// The Windows folder (a host path); the user profile is WIN.INI in it unless a profile file is
// pinned.
void SetWindowsFolder(const std::string& hostFolder);
std::string WindowsFolder();
const std::string& WindowsFolderRef(); // the same, without a copy
// Changes whenever a Windows folder is set; 0 while none is (a live host's folder follows its
// environment, so a path resolved in it must be compared again).
unsigned long WindowsFolderGeneration();
// The folder GetTempPathA names; empty for the host's own ($TMPDIR or /tmp).
void SetTempFolder(const std::string& hostFolder);
void SetProfileFile(const std::string& hostPath); // empty: WIN.INI in the Windows folder
std::string ProfileFile();

// Where "Intl" keys missing from the profile come from.
void SetIntlNone();
void SetIntlFromEnvironment(); // the user's LC_TIME locale, as a live host does
bool SetIntlFromLocale(const char* localeName);
void SetIntlFromFormats(const LocaleTimeFormats& formats);

void SetVersion(DWORD major, DWORD minor, DWORD build, DWORD platformId, const char* csdVersion);
void ResetVersion();

// The manual clock: tick count and local time move together.
void UseManualClock();
// Back to the monotonic and wall clocks, as a live host runs (the live display does this).
void UseLiveClock();
void SetManualTick(DWORD tick);
void SetManualLocalTime(const SYSTEMTIME& time);

// Host folders under /tmp that disappear at the next reset or at exit.
std::string MakeTempFolder();
void RemoveTempFolders();

} // namespace kernel
