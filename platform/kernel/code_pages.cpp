// MultiByteToWideChar and WideCharToMultiByte for the platform's code page 1252 and for UTF-8.
//
// Resources keep their texts in UTF-16, as compiled resource files do, while the platform's
// strings are 8-bit code page 1252: "Caf\xe9" is U+0043 U+0061 U+0066 U+00E9, and "\x80" is
// the euro sign U+20AC. A character 1252 cannot show becomes '?', as the system's default.
#include <winbase.h>

#include <string>

namespace {

// The bytes 0x80..0x9F of code page 1252; the other bytes are Latin-1 already.
const WCHAR kHigh1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                             0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool Known(UINT codePage) {
    return codePage == CP_ACP || codePage == CP_OEMCP || codePage == 1252 || codePage == CP_UTF8;
}

void Widen1252(const unsigned char* s, size_t n, std::u16string& out) {
    for (size_t i = 0; i < n; ++i)
        out.push_back(s[i] >= 0x80 && s[i] < 0xA0 ? kHigh1252[s[i] - 0x80] : s[i]);
}

// A malformed sequence becomes U+FFFD and decoding goes on after its first byte.
void WidenUtf8(const unsigned char* s, size_t n, std::u16string& out) {
    size_t i = 0;
    while (i < n) {
        unsigned c = s[i];
        if (c < 0x80) {
            out.push_back(static_cast<char16_t>(c));
            ++i;
            continue;
        }
        unsigned need = (c & 0xE0) == 0xC0   ? 1
                        : (c & 0xF0) == 0xE0 ? 2
                        : (c & 0xF8) == 0xF0 ? 3
                                             : 0;
        if (need == 0 || need > n - i - 1) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        unsigned value = c & (0x3F >> need);
        bool ok = true;
        for (unsigned k = 1; k <= need; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            value = (value << 6) | (s[i + k] & 0x3F);
        }
        if (!ok || value > 0x10FFFF || (value >= 0xD800 && value < 0xE000)) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        i += need + 1;
        if (value >= 0x10000) {
            value -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (value >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (value & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(value));
        }
    }
}

void Narrow1252(const WCHAR* w, size_t n, std::string& out, bool& usedDefault) {
    for (size_t i = 0; i < n; ++i) {
        WCHAR c = w[i];
        if (c < 0x80 || (c >= 0xA0 && c < 0x100)) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        int found = -1;
        for (int k = 0; k < 32; ++k)
            if (kHigh1252[k] == c)
                found = k;
        if (found < 0)
            usedDefault = true;
        out.push_back(found < 0 ? '?' : static_cast<char>(0x80 + found));
    }
}

void NarrowUtf8(const WCHAR* w, size_t n, std::string& out) {
    for (size_t i = 0; i < n; ++i) {
        unsigned c = w[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < n && w[i + 1] >= 0xDC00 && w[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (w[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
}

// Copies a converted text out: its length when it fits (or when only the size was asked).
template <typename Char, typename String>
int Deliver(const String& converted, Char* out, int outSize) {
    if (outSize == 0)
        return static_cast<int>(converted.size());
    if (converted.size() > static_cast<size_t>(outSize)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    for (size_t i = 0; i < converted.size(); ++i)
        out[i] = static_cast<Char>(converted[i]);
    return static_cast<int>(converted.size());
}

} // namespace

int WINAPI MultiByteToWideChar(UINT codePage, DWORD, LPCSTR text, int length, LPWSTR wide,
                               int wideSize) {
    if (!Known(codePage) || !text || length == 0 || length < -1 || wideSize < 0 ||
        (wideSize > 0 && !wide)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    size_t n =
        length == -1 ? std::char_traits<char>::length(text) + 1 : static_cast<size_t>(length);
    std::u16string converted;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    if (codePage == CP_UTF8)
        WidenUtf8(bytes, n, converted);
    else
        Widen1252(bytes, n, converted);
    return Deliver(converted, wide, wideSize);
}

int WINAPI WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR wide, int length, LPSTR text,
                               int textSize, LPCSTR, LPBOOL usedDefaultChar) {
    if (!Known(codePage) || !wide || length == 0 || length < -1 || textSize < 0 ||
        (textSize > 0 && !text)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    size_t n = 0;
    if (length == -1) {
        while (wide[n])
            ++n;
        ++n;
    } else {
        n = static_cast<size_t>(length);
    }
    std::string converted;
    bool usedDefault = false;
    if (codePage == CP_UTF8)
        NarrowUtf8(wide, n, converted);
    else
        Narrow1252(wide, n, converted, usedDefault);
    if (usedDefaultChar)
        *usedDefaultChar = usedDefault ? TRUE : FALSE;
    return Deliver(converted, text, textSize);
}
