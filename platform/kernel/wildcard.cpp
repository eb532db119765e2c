// Wildcard matching with backtracking over the last '*' only, which is enough for '*' and '?'
// and keeps the work linear in practice.
#include "kernel/wildcard.h"

#include <cctype>
#include <cstring>

namespace kernel {

bool MatchesWildcard(const char* pattern, const char* name) {
    if (!pattern || !name)
        return false;
    if (std::strcmp(pattern, "*.*") == 0 || std::strcmp(pattern, "*") == 0)
        return true;
    const char* star = nullptr;
    const char* resume = nullptr;
    auto fold = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    while (*name) {
        if (*pattern == '*') {
            star = pattern++;
            resume = name;
        } else if (*pattern == '?' || (*pattern && fold(*pattern) == fold(*name))) {
            ++pattern;
            ++name;
        } else if (star) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == '*')
        ++pattern;
    return *pattern == '\0';
}

} // namespace kernel
