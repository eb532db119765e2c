// Compiled resource files (.res, as wrc or windres write them) read into a module's table.
//
// The file is a run of entries, each on a 4-byte boundary: DWORD data size, DWORD header size,
// the type and the name (each 0xFFFF and a WORD ordinal, or a zero-terminated UTF-16 string),
// padding to 4 bytes, then DWORD data version, WORD memory flags, WORD language, DWORD version,
// DWORD characteristics; the data follow the header. The first entry is an empty one (type 0)
// that only marks the file as 32-bit. Every field is read only after its bounds are checked.
#include "kernel/host_files.h"
#include "kernel/resource_table.h"

#include <resources.h>

namespace {

struct Reader {
    const BYTE* data;
    size_t size;

    bool Word(size_t at, WORD* out) const {
        if (at > size || size - at < 2)
            return false;
        *out = static_cast<WORD>(data[at] | (data[at + 1] << 8));
        return true;
    }

    bool Dword(size_t at, DWORD* out) const {
        WORD low, high;
        if (!Word(at, &low) || !Word(at + 2, &high))
            return false;
        *out = low | (static_cast<DWORD>(high) << 16);
        return true;
    }

    // A type or a name ending before `end`; *at moves past it.
    bool Name(size_t* at, size_t end, kernel::ResourceName* out) const {
        WORD first;
        if (*at + 2 > end || !Word(*at, &first))
            return false;
        if (first == 0xFFFF) {
            WORD ordinal;
            if (*at + 4 > end || !Word(*at + 2, &ordinal))
                return false;
            out->isInteger = true;
            out->id = ordinal;
            *at += 4;
            return true;
        }
        std::vector<WCHAR> wide;
        size_t p = *at;
        for (WORD c = first; c != 0;) {
            wide.push_back(c);
            p += 2;
            if (p + 2 > end || !Word(p, &c))
                return false;
        }
        *at = p + 2;
        out->isInteger = false;
        out->text.clear();
        if (!wide.empty()) {
            int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                        nullptr, 0, nullptr, nullptr);
            out->text.assign(static_cast<size_t>(n), '\0');
            WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                out->text.data(), n, nullptr, nullptr);
        }
        return true;
    }
};

// The integer types Win32 defines (RT_CURSOR .. RT_MANIFEST, and the framework's toolbars).
bool KnownType(const kernel::ResourceName& type) {
    if (!type.isInteger)
        return true; // a host's own named type
    WORD t = type.id;
    return (t >= 1 && t <= 12) || t == 14 || t == 16 || t == 17 || (t >= 19 && t <= 24) || t == 241;
}

struct Found {
    kernel::ResourceName type, name;
    size_t dataAt, dataSize;
};

} // namespace

namespace resources {

BOOL LoadResFile(HINSTANCE module, const void* data, size_t size) {
    if (!data || size < 32)
        return FALSE;
    Reader r{static_cast<const BYTE*>(data), size};
    std::vector<Found> found;
    size_t at = 0;
    while (at < size) {
        DWORD dataSize, headerSize;
        if (!r.Dword(at, &dataSize) || !r.Dword(at + 4, &headerSize))
            return FALSE;
        if (headerSize < 32 || headerSize % 4 || headerSize > size - at ||
            dataSize > size - at - headerSize)
            return FALSE;
        const size_t headerEnd = at + headerSize;
        size_t p = at + 8;
        Found f;
        if (!r.Name(&p, headerEnd, &f.type) || !r.Name(&p, headerEnd, &f.name))
            return FALSE;
        p = (p + 3) & ~static_cast<size_t>(3);
        if (p + 16 != headerEnd)
            return FALSE;
        f.dataAt = headerEnd;
        f.dataSize = dataSize;
        const bool marker = f.type.isInteger && f.type.id == 0;
        if (!marker)
            found.push_back(f);
        at = headerEnd + dataSize;
        // The last entry may end without its padding.
        const size_t padded = (at + 3) & ~static_cast<size_t>(3);
        at = padded <= size ? padded : size;
    }
    bool allKnown = true;
    for (const Found& f : found) {
        if (!KnownType(f.type)) {
            allKnown = false;
            continue;
        }
        const BYTE* begin = r.data + f.dataAt;
        kernel::StoreResource(module, f.type, f.name, std::vector<BYTE>(begin, begin + f.dataSize));
    }
    return allKnown ? TRUE : FALSE;
}

BOOL LoadResFileFromPath(HINSTANCE module, const char* hostPath) {
    std::string contents;
    if (!hostPath || !kernel::ReadWholeFile(hostPath, &contents))
        return FALSE;
    return LoadResFile(module, contents.data(), contents.size());
}

} // namespace resources
