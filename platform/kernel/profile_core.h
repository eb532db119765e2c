// The profile calls' shared core: reading and writing one INI file with the system's rules for
// defaults, buffers, lists and numbers. GetPrivateProfile*A and GetProfile*A both run on it.
#pragma once

#include "kernel/intl_from_locale.h"

#include <winbase.h>

#include <string>
#include <vector>

namespace kernel {

// Where a profile call's file name leads: a bare name ("MAIN.INI") lies in the Windows folder,
// as on the system; anything else is a DOS path. False when it cannot be mapped.
bool ProfileHostPath(const char* fileName, std::string* hostPath);

class IniFile;

// GetPrivateProfileStringA on a parsed file (see profile_cache.h). keysMissingFromFile, when
// given, answers keys of section "Intl" that the file does not hold. Reading one value allocates
// nothing.
DWORD ReadProfileString(const IniFile& file, LPCSTR section, LPCSTR key, LPCSTR defaultValue,
                        LPSTR returned, DWORD size, const IntlKeys* keysMissingFromFile);

// A list of names for the caller's buffer: each name terminated and the list ended by a second
// zero; when it does not fit, what fits of size - 2 bytes, double-terminated, returning size - 2.
DWORD CopyList(const std::vector<std::string>& names, LPSTR returned, DWORD size);

// GetPrivateProfileIntA's reading of a value: optional sign and leading digits ("12ab" is 12,
// "-3" is (UINT)-3, "0x10" is 16, "ab" is 0); an empty value gives the default.
UINT ProfileIntFromText(const char* text, INT defaultValue);

// WritePrivateProfileStringA on a host file.
BOOL WriteProfileValue(const std::string& hostPath, LPCSTR section, LPCSTR key, LPCSTR value);

} // namespace kernel
