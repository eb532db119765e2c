// The user profile (WIN.INI in the Windows folder) and where its "Intl" keys come from when the
// file lacks them: nowhere (after desktop::reset), the user's locale (a live host), a named
// locale or fixed formats (pinned by the driver).
#include "kernel/host_files.h"
#include "kernel/kernel_config.h"
#include "kernel/kernel_internal.h"
#include "kernel/profile_cache.h"
#include "kernel/profile_core.h"

#include <cstdlib>
#include <cstring>

namespace kernel {
namespace {

enum class IntlSource { None, Environment, Fixed };

struct UserProfile {
    IntlSource source = IntlSource::Environment;
    bool environmentRead = false;
    IntlKeys keys;
    std::string profileFile; // pinned host path, or empty
};

UserProfile& Profile() {
    static UserProfile profile;
    return profile;
}

// Numbers read from the user profile, remembered: a time control reads "iTime" at every typed
// digit and every step, and finding a key again (a case-blind search of the parsed file) costs
// more than all the rest of a read. A remembered answer is given only while the profile is the
// same file, unchanged (CachedIniGeneration: every load, platform write or drop moves it) and the
// keys the file lacks come from the same place (settingsGeneration); the check of the file for
// outside changes still runs at every read, so reads stay exactly as fresh as before.
struct RememberedInt {
    char section[16];
    char key[16];
    INT defaultValue;
    UINT value;
    const IniFile* file;
    unsigned long fileGeneration;
    unsigned long settingsGeneration;
};
constexpr size_t kRememberedInts = 4;
RememberedInt g_rememberedInts[kRememberedInts];
size_t g_nextRememberedInt = 0;
unsigned long g_settingsGeneration = 1; // 0 marks an unused entry

void SettingsChanged() {
    ++g_settingsGeneration;
}

bool FitsName(const char* name, size_t size) {
    return std::strlen(name) < size;
}

// Names are a few letters: compared in place, cheaper than a call to the C library.
bool SameName(const char* kept, const char* name) {
    for (; *kept == *name; ++kept, ++name)
        if (*kept == '\0')
            return true;
    return false;
}

const IntlKeys* IntlFallback() {
    UserProfile& p = Profile();
    switch (p.source) {
    case IntlSource::None:
        return nullptr;
    case IntlSource::Environment:
        if (!p.environmentRead) {
            LocaleTimeFormats formats;
            p.keys =
                ReadLocaleTimeFormats("", &formats) ? IntlKeysFromFormats(formats) : IntlKeys{};
            p.environmentRead = true;
        }
        return &p.keys;
    case IntlSource::Fixed:
        return &p.keys;
    }
    return nullptr;
}

bool UserProfilePath(std::string* host) {
    if (!Profile().profileFile.empty()) {
        *host = Profile().profileFile;
        return true;
    }
    return ProfileHostPath("WIN.INI", host);
}

// Where the last read found the user profile. Resolving "WIN.INI" through the DOS names costs
// a look at every folder on the way, so a read reuses the last answer while the Windows folder,
// the pinned file and the drives are the same and the file is still there under that name.
struct ResolvedProfile {
    bool valid = false;
    std::string windowsFolder;
    unsigned long folderGeneration = 0;
    unsigned long settingsGeneration = 0; // moves when the pinned file does
    unsigned long drives = 0;
    std::string host;
    CachedIniHint hint; // for host
};

ResolvedProfile& Resolved() {
    static ResolvedProfile resolved;
    return resolved;
}

bool StillResolves(const ResolvedProfile& r) {
    const unsigned long folder = WindowsFolderGeneration();
    return r.valid && r.drives == DriveMapGeneration() &&
           r.settingsGeneration == g_settingsGeneration &&
           (folder != 0 ? r.folderGeneration == folder : r.windowsFolder == WindowsFolderRef());
}

// The user profile as it is now; empty when its name cannot be mapped.
const IniFile& UserProfileFile() {
    ResolvedProfile& r = Resolved();
    bool present = false;
    if (StillResolves(r)) {
        const IniFile& file = CachedIniFile(r.host, &present, &r.hint);
        if (present)
            return file;
    }
    r.valid = false;
    r.hint = CachedIniHint{};
    if (!UserProfilePath(&r.host))
        r.host.clear();
    const IniFile& file = CachedIniFile(r.host, &present, &r.hint);
    if (present && !r.host.empty()) {
        r.valid = true;
        r.windowsFolder = WindowsFolderRef();
        r.folderGeneration = WindowsFolderGeneration();
        r.settingsGeneration = g_settingsGeneration;
        r.drives = DriveMapGeneration();
    }
    return file;
}

} // namespace

void SetProfileFile(const std::string& hostPath) {
    SettingsChanged();
    Profile().profileFile = hostPath;
}

std::string ProfileFile() {
    std::string host;
    return UserProfilePath(&host) ? host : std::string();
}

void SetIntlNone() {
    SettingsChanged();
    Profile().source = IntlSource::None;
    Profile().keys.clear();
}

void SetIntlFromEnvironment() {
    SettingsChanged();
    Profile().source = IntlSource::Environment;
    Profile().environmentRead = false;
}

bool SetIntlFromLocale(const char* localeName) {
    LocaleTimeFormats formats;
    if (!localeName || !ReadLocaleTimeFormats(localeName, &formats)) {
        SetIntlNone();
        return localeName && (std::string(localeName) == "C" || std::string(localeName) == "POSIX");
    }
    SetIntlFromFormats(formats);
    return true;
}

void SetIntlFromFormats(const LocaleTimeFormats& formats) {
    SettingsChanged();
    Profile().source = IntlSource::Fixed;
    Profile().keys = IntlKeysFromFormats(formats);
}

} // namespace kernel

DWORD WINAPI GetProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR returned,
                               DWORD size) {
    if (!returned || size == 0)
        return 0;
    return kernel::ReadProfileString(kernel::UserProfileFile(), section, key, defaultValue,
                                     returned, size, kernel::IntlFallback());
}

UINT WINAPI GetProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue) {
    using namespace kernel;
    if (!section || !key)
        return static_cast<UINT>(defaultValue);
    const IniFile& file = UserProfileFile();
    const unsigned long fileGeneration = CachedIniGeneration();
    for (const RememberedInt& r : g_rememberedInts) {
        if (r.settingsGeneration == g_settingsGeneration && r.file == &file &&
            r.fileGeneration == fileGeneration && r.defaultValue == defaultValue &&
            SameName(r.key, key) && SameName(r.section, section))
            return r.value;
    }
    char text[256];
    ReadProfileString(file, section, key, "", text, sizeof text, IntlFallback());
    const UINT value = ProfileIntFromText(text, defaultValue);
    if (FitsName(section, sizeof RememberedInt::section) &&
        FitsName(key, sizeof RememberedInt::key)) {
        RememberedInt& r = g_rememberedInts[g_nextRememberedInt];
        g_nextRememberedInt = (g_nextRememberedInt + 1) % kRememberedInts;
        std::strcpy(r.section, section);
        std::strcpy(r.key, key);
        r.defaultValue = defaultValue;
        r.value = value;
        r.file = &file;
        r.fileGeneration = fileGeneration;
        r.settingsGeneration = g_settingsGeneration;
    }
    return value;
}

BOOL WINAPI WriteProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value) {
    std::string host;
    if (!kernel::UserProfilePath(&host)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    // A live host's profile folder is made on first use.
    if (!kernel::IsManualClock() && kernel::Profile().profileFile.empty())
        kernel::MakeFolders(kernel::WindowsFolder());
    return kernel::WriteProfileValue(host, section, key, value);
}
