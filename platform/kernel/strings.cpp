// lstr*A and MulDiv.
//
// A null pointer never crashes these: the system catches the fault and reports it as NULL/0 with
// ERROR_INVALID_PARAMETER, and leaves the destination untouched, which is what is done here.
// The comparisons follow the system's word sort rather than byte order: punctuation before
// digits before letters, letters alphabetical regardless of case, and only then lower case
// before upper case ("a" < "B" < "b"); hyphens and apostrophes count only when all else is equal
// ("coop" < "co-op" < "cop").
#include <winbase.h>

#include <cctype>
#include <cstdint>
#include <cstring>

namespace {

bool IsIgnoredInWordSort(unsigned char c) {
    return c == '-' || c == '\'';
}

const unsigned char* SkipIgnored(const unsigned char* p) {
    while (*p && IsIgnoredInWordSort(*p))
        ++p;
    return p;
}

// Primary weight: symbols (in code order) < digits < letters (case folded) < bytes above 127.
int PrimaryWeight(unsigned char c) {
    if (std::isalpha(c))
        return 0x300 + std::tolower(c);
    if (std::isdigit(c))
        return 0x200 + c;
    if (c < 0x80)
        return 0x100 + c;
    return 0x400 + c;
}

// Compares primary weights with hyphens and apostrophes left out.
int ComparePrimary(const unsigned char* a, const unsigned char* b) {
    for (;;) {
        a = SkipIgnored(a);
        b = SkipIgnored(b);
        if (!*a || !*b)
            return (*a ? 1 : 0) - (*b ? 1 : 0);
        int wa = PrimaryWeight(*a), wb = PrimaryWeight(*b);
        if (wa != wb)
            return wa < wb ? -1 : 1;
        ++a;
        ++b;
    }
}

// Lower case sorts before upper case at the first letter that differs only in case.
int CompareCase(const unsigned char* a, const unsigned char* b) {
    for (;;) {
        a = SkipIgnored(a);
        b = SkipIgnored(b);
        if (!*a || !*b)
            return 0;
        if (*a != *b) {
            bool lowerA = std::islower(*a) != 0, lowerB = std::islower(*b) != 0;
            if (lowerA != lowerB)
                return lowerA ? -1 : 1;
        }
        ++a;
        ++b;
    }
}

int CompareWords(LPCSTR a, LPCSTR b, bool ignoreCase) {
    if (!a && !b)
        return 0;
    if (!a)
        return -1;
    if (!b)
        return 1;
    auto ua = reinterpret_cast<const unsigned char*>(a);
    auto ub = reinterpret_cast<const unsigned char*>(b);
    if (int r = ComparePrimary(ua, ub))
        return r;
    if (!ignoreCase) {
        if (int r = CompareCase(ua, ub))
            return r;
    }
    // Equal but for hyphens, apostrophes (or case): the one without them comes first, then
    // byte order decides so that only identical strings compare equal.
    size_t la = std::strlen(a), lb = std::strlen(b);
    if (la != lb)
        return la < lb ? -1 : 1;
    int r = ignoreCase ? 0 : std::strcmp(a, b);
    if (ignoreCase) {
        for (size_t i = 0; i < la && r == 0; ++i) {
            int ca = std::tolower(ua[i]), cb = std::tolower(ub[i]);
            if (ca != cb)
                r = ca < cb ? -1 : 1;
        }
    }
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

} // namespace

int WINAPI lstrlenA(LPCSTR s) {
    return s ? static_cast<int>(std::strlen(s)) : 0;
}

LPSTR WINAPI lstrcpyA(LPSTR dest, LPCSTR src) {
    if (!dest || !src) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::memmove(dest, src, std::strlen(src) + 1);
    return dest;
}

LPSTR WINAPI lstrcpynA(LPSTR dest, LPCSTR src, int count) {
    if (!dest) {
        if (count > 0)
            SetLastError(ERROR_INVALID_PARAMETER);
        return count > 0 ? nullptr : dest;
    }
    if (count <= 0)
        return dest;
    if (count > 1 && !src) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    int n = 0;
    while (n < count - 1 && src[n]) {
        dest[n] = src[n];
        ++n;
    }
    dest[n] = '\0';
    return dest;
}

LPSTR WINAPI lstrcatA(LPSTR dest, LPCSTR src) {
    if (!dest || !src) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::memmove(dest + std::strlen(dest), src, std::strlen(src) + 1);
    return dest;
}

int WINAPI lstrcmpA(LPCSTR a, LPCSTR b) {
    return CompareWords(a, b, false);
}

int WINAPI lstrcmpiA(LPCSTR a, LPCSTR b) {
    return CompareWords(a, b, true);
}

int WINAPI MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    std::int64_t d = denominator;
    // Round half away from zero: 7 * 1 / 2 gives 4, -7 * 1 / 2 gives -4.
    bool negative = (product < 0) != (d < 0);
    std::int64_t ap = product < 0 ? -product : product;
    std::int64_t ad = d < 0 ? -d : d;
    std::int64_t q = (ap + ad / 2) / ad;
    std::int64_t result = negative ? -q : q;
    if (result > INT32_MAX || result < INT32_MIN)
        return -1;
    return static_cast<int>(result);
}
