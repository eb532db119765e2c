// The profile core: values looked up in a parsed file (held by the profile cache, which sees a
// file changed behind the platform's back at once), results copied into the caller's buffer
// with the system's cutting rules.
#include "kernel/profile_core.h"

#include "kernel/host_files.h"
#include "kernel/ini_file.h"
#include "kernel/kernel_config.h"
#include "kernel/kernel_internal.h"

#include <strings.h>

#include <cstring>

namespace kernel {
namespace {

// Copies text[0, length) cut to size - 1 characters; returns the count copied.
DWORD CopyCut(const char* text, size_t length, LPSTR returned, DWORD size) {
    size_t n = length < size - 1 ? length : size - 1;
    std::memcpy(returned, text, n);
    returned[n] = '\0';
    return static_cast<DWORD>(n);
}

// The same for a value, less one pair of matching surrounding quotes.
DWORD CopyUnquoted(const char* text, size_t length, LPSTR returned, DWORD size) {
    if (length >= 2 && (text[0] == '"' || text[0] == '\'') && text[length - 1] == text[0])
        return CopyCut(text + 1, length - 2, returned, size);
    return CopyCut(text, length, returned, size);
}

} // namespace

// The system counts a list that fills the buffer exactly as cut: with "A", "B" (five bytes
// with the final zero) a buffer of 5 keeps "A", "B" cut to size - 2 = 3 bytes and returns 3.
DWORD CopyList(const std::vector<std::string>& names, LPSTR returned, DWORD size) {
    std::string list;
    for (const std::string& name : names) {
        list += name;
        list += '\0';
    }
    if (list.size() + 1 < size) {
        std::memcpy(returned, list.data(), list.size());
        returned[list.size()] = '\0';
        if (list.empty())
            returned[1] = '\0';
        return static_cast<DWORD>(list.size());
    }
    if (size < 2) {
        returned[0] = '\0';
        return 0;
    }
    std::memcpy(returned, list.data(), size - 2);
    returned[size - 2] = '\0';
    returned[size - 1] = '\0';
    return size - 2;
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v';
}

// text equals name ignoring case and the blanks around text.
bool IsNamed(const char* text, const char* name) {
    while (IsBlank(*text))
        ++text;
    size_t n = std::strlen(text);
    while (n > 0 && IsBlank(text[n - 1]))
        --n;
    return n == std::strlen(name) && strncasecmp(text, name, n) == 0;
}

bool IsIntl(LPCSTR section) {
    return section && IsNamed(section, "Intl");
}

} // namespace

bool ProfileHostPath(const char* fileName, std::string* hostPath) {
    if (!fileName || !*fileName)
        return false;
    if (!std::strpbrk(fileName, "\\/:")) {
        std::string folder = WindowsFolder();
        std::string dosFolder = DosPathFromHost(folder);
        if (dosFolder.empty()) {
            *hostPath = folder + "/" + fileName;
            return true;
        }
        if (dosFolder.back() != '\\')
            dosFolder += '\\';
        return HostPathFromDos((dosFolder + fileName).c_str(), hostPath);
    }
    return HostPathFromDos(fileName, hostPath);
}

DWORD ReadProfileString(const IniFile& file, LPCSTR section, LPCSTR key, LPCSTR defaultValue,
                        LPSTR returned, DWORD size, const IntlKeys* keysMissingFromFile) {
    if (!returned || size == 0)
        return 0;
    const IntlKeys* fallback = IsIntl(section) ? keysMissingFromFile : nullptr;
    if (!section)
        return CopyList(file.SectionNames(), returned, size);
    if (!key) {
        std::vector<std::string> names = file.KeyNames(section);
        if (fallback) {
            for (const auto& [name, value] : *fallback) {
                bool inFile = false;
                for (const std::string& existing : names)
                    inFile = inFile || strcasecmp(existing.c_str(), name.c_str()) == 0;
                if (!inFile)
                    names.push_back(name);
            }
        }
        // A section without keys, or none at all, answers the default like a missing value.
        if (!names.empty())
            return CopyList(names, returned, size);
    } else if (const std::string* value = file.FindValue(section, key)) {
        return CopyUnquoted(value->data(), value->size(), returned, size);
    }
    if (fallback && key) {
        for (const auto& [name, value] : *fallback)
            if (IsNamed(key, name.c_str()))
                return CopyCut(value.data(), value.size(), returned, size);
    }
    // The system treats the default like a value: trailing blanks and one pair of quotes go.
    const char* fallbackText = defaultValue ? defaultValue : "";
    size_t length = std::strlen(fallbackText);
    while (length > 0 && (fallbackText[length - 1] == ' ' || fallbackText[length - 1] == '\t'))
        --length;
    return CopyUnquoted(fallbackText, length, returned, size);
}

UINT ProfileIntFromText(const char* text, INT defaultValue) {
    if (!text || !*text)
        return static_cast<UINT>(defaultValue);
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    bool negative = false;
    if (*p == '-' || *p == '+')
        negative = *p++ == '-';
    // The system's number reader also takes "0x1F", "0o17" and "0b101".
    UINT base = 10;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X'))
        base = 16;
    else if (p[0] == '0' && (p[1] == 'o' || p[1] == 'O'))
        base = 8;
    else if (p[0] == '0' && (p[1] == 'b' || p[1] == 'B'))
        base = 2;
    if (base != 10)
        p += 2;
    UINT value = 0;
    for (;; ++p) {
        UINT digit;
        if (*p >= '0' && *p <= '9')
            digit = static_cast<UINT>(*p - '0');
        else if (*p >= 'a' && *p <= 'f')
            digit = static_cast<UINT>(*p - 'a' + 10);
        else if (*p >= 'A' && *p <= 'F')
            digit = static_cast<UINT>(*p - 'A' + 10);
        else
            break;
        if (digit >= base)
            break;
        value = value * base + digit; // wraps as 32-bit arithmetic does
    }
    return negative ? 0u - value : value;
}

BOOL WriteProfileValue(const std::string& hostPath, LPCSTR section, LPCSTR key, LPCSTR value) {
    if (!section) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE; // also the "flush the cache" call, which the system answers with FALSE
    }
    std::string text;
    bool exists = ReadWholeFile(hostPath, &text);
    IniFile file = IniFile::Parse(exists ? text : "");
    if (!key || !value) {
        // Deleting from a file that is not there leaves nothing to do.
        if (!exists)
            return TRUE;
        if (!key)
            file.DeleteSection(section);
        else
            file.DeleteKey(section, key);
    } else {
        file.Set(section, key, value);
    }
    std::string updated = file.Text();
    if (exists && updated == text)
        return TRUE;
    return WriteWholeFile(hostPath, updated) ? TRUE : FALSE;
}

} // namespace kernel
