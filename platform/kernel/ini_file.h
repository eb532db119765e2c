// An INI file held as its lines, read and changed the way the system's profile calls do.
//
// Lines end at LF, CR LF or a lone CR. Lookups ignore case and the blanks around section names,
// keys and values; lines starting with ';' are comments, and so, for lookups, are other lines
// without '=' (they are kept, and only GetPrivateProfileSectionA lists them); the first of two
// equal sections or keys wins. Changes touch only the lines concerned, so comments
// and layout survive a write, and new lines use the file's own line ending (CR LF for a new file).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kernel {

class IniFile {
public:
    static IniFile Parse(const std::string& text);

    // The value as written (trimmed, quotes kept), or nothing when section or key is missing.
    std::optional<std::string> Find(const std::string& section, const std::string& key) const;
    // The same without copying anything: the held value, or null.
    const std::string* FindValue(const char* section, const char* key) const;
    std::vector<std::string> SectionNames() const;
    // The keys of the first section of that name; empty when it is missing.
    std::vector<std::string> KeyNames(const std::string& section) const;
    // The section's lines as GetPrivateProfileSectionA lists them: "key=value" for each entry
    // (blanks around both gone) and every other line that is not blank or a comment.
    std::vector<std::string> SectionLines(const std::string& section) const;
    bool HasSection(const std::string& section) const;

    void Set(const std::string& section, const std::string& key, const std::string& value);
    void DeleteKey(const std::string& section, const std::string& key);
    void DeleteSection(const std::string& section);

    std::string Text() const;

private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        std::string text;
        Kind kind = Kind::Other;
        std::string name;  // section name or key, trimmed
        std::string value; // entry value, trimmed
    };

    // Index of the section's header line, or -1; the section runs to the next header.
    int FindSection(const std::string& section) const;
    int SectionEnd(int header) const;
    int FindKey(int header, const std::string& key) const;

    std::vector<Line> lines_;
    std::string lineEnd_ = "\r\n";
};

// A value with one pair of matching surrounding quotes ('...' or "...") removed.
std::string StripQuotes(const std::string& value);

std::string Trim(const std::string& text);

} // namespace kernel
