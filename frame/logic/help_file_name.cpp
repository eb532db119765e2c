#include "frame/logic/help_file_name.h"

namespace helpfile {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// Windows drops trailing dots and blanks from a path segment, so "..." and ".. " climb as ".."
// does.
bool ClimbsUp(const char* segment, const char* end) {
    int dots = 0;
    for (const char* p = segment; p != end; ++p) {
        if (*p == '.') {
            ++dots;
        } else if (*p != ' ') {
            return false;
        }
    }
    return dots >= 2;
}

} // namespace

bool StaysBelowDirectory(const char* name) {
    if (name == nullptr) {
        return false;
    }
    const char* segment = name;
    for (const char* p = name;; ++p) {
        if (*p == '*' || *p == '?') {
            return false;
        }
        if (*p == '\0' || IsSeparator(*p)) {
            if (ClimbsUp(segment, p)) {
                return false;
            }
            if (*p == '\0') {
                return true;
            }
            segment = p + 1;
        }
    }
}

} // namespace helpfile
