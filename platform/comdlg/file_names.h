// The value logic of the file dialogs, apart from any window: the filter list, DOS path pieces,
// what a typed name means, and the file title. Works on plain strings.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace comdlg {

struct FilterEntry {
    std::string description;
    std::string patterns; // one or more, separated by ';' ("*.txt;*.doc")
};

// "Text\0*.txt\0All\0*.*\0\0". A pair without its pattern ends the list, and reading stops after
// kMaxFilterBytes, so a filter that lost its final terminator is read no further than that.
constexpr std::size_t kMaxFilterBytes = 4096;
std::vector<FilterEntry> ParseFilter(const char* filter);

// True for a name that holds '*' or '?'.
bool HasWildcards(const std::string& name);
// The ';'-separated patterns of a filter, trimmed, empty ones dropped; then whether a file
// name matches one of them, ignoring case.
std::vector<std::string> SplitPatterns(const std::string& patterns);
bool MatchesAnyPattern(const char* name, const std::vector<std::string>& patterns);

// A folder path always ends with its backslash: "C:\", "C:\DOCS\".
std::string WithBackslash(std::string folder);
// The folder part of a path, with its backslash ("C:\DOCS\A.TXT" -> "C:\DOCS\"); empty when
// the path has none.
std::string FolderOf(const std::string& path);
// The name after the last '\', '/' or ':'.
std::string NameOf(const std::string& path);

// What the user typed, made a full path against the current folder: "A.TXT", "..\A.TXT",
// "\DOCS\A.TXT" (the current drive), "D:A.TXT" and "D:\A.TXT". "." and ".." are resolved and
// never climb above the drive's root. Empty for an empty text.
std::string ResolvePath(const std::string& folder, const std::string& typed);

enum class NameProblem { None, Empty, BadCharacter, TooLong };

// Checks one full path: a name of only dots, characters DOS names cannot hold (< > | " and
// control characters), a component over 255 characters or a path of 260 or more.
NameProblem CheckPath(const std::string& path);

// Drops trailing dots and blanks of the last component ("LETTER." is "LETTER"), as DOS does.
std::string TrimTrailingDots(const std::string& path);

// Offsets of the name and of its extension (after the dot; the length when there is none).
std::size_t NameOffset(const std::string& path);
std::size_t ExtensionOffset(const std::string& path);

} // namespace comdlg
