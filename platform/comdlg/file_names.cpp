#include "comdlg/file_names.h"

#include <cctype>
#include <cstring>

namespace comdlg {
namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

int Lower(char c) {
    return std::tolower(static_cast<unsigned char>(c));
}

// '*' any run, '?' one character, ignoring case.
bool Match(const char* pattern, const char* name) {
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*name != '\0') {
        if (*pattern == '*') {
            star = pattern++;
            resume = name;
        } else if (*pattern == '?' || (*pattern != '\0' && Lower(*pattern) == Lower(*name))) {
            ++pattern;
            ++name;
        } else if (star != nullptr) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == '*') {
        ++pattern;
    }
    return *pattern == '\0';
}

} // namespace

std::vector<FilterEntry> ParseFilter(const char* filter) {
    std::vector<FilterEntry> entries;
    if (filter == nullptr) {
        return entries;
    }
    const char* end = filter + kMaxFilterBytes;
    const char* at = filter;
    while (at < end && *at != '\0') {
        const std::size_t descriptionLength = strnlen(at, static_cast<std::size_t>(end - at));
        FilterEntry entry;
        entry.description.assign(at, descriptionLength);
        at += descriptionLength + 1;
        if (at >= end || *at == '\0') {
            break; // a description without its pattern
        }
        const std::size_t patternLength = strnlen(at, static_cast<std::size_t>(end - at));
        entry.patterns.assign(at, patternLength);
        at += patternLength + 1;
        entries.push_back(entry);
    }
    return entries;
}

bool HasWildcards(const std::string& name) {
    return name.find_first_of("*?") != std::string::npos;
}

std::vector<std::string> SplitPatterns(const std::string& patterns) {
    std::vector<std::string> split;
    std::size_t start = 0;
    while (start <= patterns.size()) {
        std::size_t stop = patterns.find(';', start);
        if (stop == std::string::npos) {
            stop = patterns.size();
        }
        std::string pattern = patterns.substr(start, stop - start);
        while (!pattern.empty() && pattern.front() == ' ') {
            pattern.erase(pattern.begin());
        }
        while (!pattern.empty() && pattern.back() == ' ') {
            pattern.pop_back();
        }
        if (!pattern.empty()) {
            split.push_back(std::move(pattern));
        }
        start = stop + 1;
    }
    return split;
}

bool MatchesAnyPattern(const char* name, const std::vector<std::string>& patterns) {
    for (const std::string& pattern : patterns) {
        // DOS habit: "*.*" matches names without a dot too.
        if (pattern == "*.*" || Match(pattern.c_str(), name)) {
            return true;
        }
    }
    return false;
}

std::string WithBackslash(std::string folder) {
    if (folder.empty() || !IsSeparator(folder.back())) {
        folder += '\\';
    }
    return folder;
}

std::string FolderOf(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string NameOf(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ResolvePath(const std::string& folder, const std::string& typed) {
    if (typed.empty()) {
        return std::string();
    }
    std::string drive = folder.size() >= 2 && folder[1] == ':' ? folder.substr(0, 2) : "C:";
    std::string base = folder;
    std::string rest = typed;
    if (rest.size() >= 2 && rest[1] == ':' && std::isalpha(static_cast<unsigned char>(rest[0]))) {
        const std::string typedDrive = rest.substr(0, 2);
        rest = rest.substr(2);
        if (Lower(typedDrive[0]) != Lower(drive[0])) {
            base = typedDrive + "\\"; // another drive's own current folder is its root here
        }
        drive = typedDrive;
    }
    if (!rest.empty() && IsSeparator(rest[0])) {
        base = drive + "\\";
        rest = rest.substr(1);
    }
    // Split base and rest into components, resolving "." and "..".
    std::vector<std::string> parts;
    auto add = [&parts](const std::string& text) {
        std::string part;
        for (std::size_t i = 0; i <= text.size(); ++i) {
            if (i == text.size() || IsSeparator(text[i])) {
                if (part == "..") {
                    if (!parts.empty()) {
                        parts.pop_back();
                    }
                } else if (!part.empty() && part != ".") {
                    parts.push_back(part);
                }
                part.clear();
            } else {
                part += text[i];
            }
        }
    };
    add(base.size() > 2 ? base.substr(2) : std::string());
    add(rest);
    std::string path = drive + "\\";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        path += (i != 0 ? "\\" : "") + parts[i];
    }
    if (!rest.empty() && IsSeparator(rest.back()) && !parts.empty()) {
        path += '\\';
    }
    return path;
}

NameProblem CheckPath(const std::string& path) {
    if (path.empty()) {
        return NameProblem::Empty;
    }
    if (path.size() >= 260) {
        return NameProblem::TooLong;
    }
    const std::string name = NameOf(path);
    if (name.empty() || name.find_first_not_of('.') == std::string::npos) {
        return NameProblem::Empty;
    }
    std::size_t component = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (c < 0x20 || std::strchr("<>|\"", c) != nullptr || (c == ':' && i != 1)) {
            return NameProblem::BadCharacter;
        }
        component = IsSeparator(path[i]) ? 0 : component + 1;
        if (component > 255) {
            return NameProblem::TooLong;
        }
    }
    return NameProblem::None;
}

std::string TrimTrailingDots(const std::string& path) {
    const std::size_t nameStart = NameOffset(path);
    std::size_t end = path.size();
    while (end > nameStart && (path[end - 1] == '.' || path[end - 1] == ' ')) {
        --end;
    }
    return path.substr(0, end);
}

std::size_t NameOffset(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? 0 : cut + 1;
}

std::size_t ExtensionOffset(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < NameOffset(path)) {
        return path.size();
    }
    return dot + 1;
}

} // namespace comdlg
