// IniFile: parsing, lookup and line-preserving changes.
#include "kernel/ini_file.h"

#include <strings.h>

#include <cstring>

namespace kernel {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v';
}

bool SameName(const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) == 0;
}

// A value may not break the file into new lines: it ends at its first line break.
std::string OneLine(const std::string& value) {
    size_t end = value.find_first_of("\r\n");
    return end == std::string::npos ? value : value.substr(0, end);
}

// name equals wanted[0, length) ignoring case; wanted is already trimmed.
bool SameName(const std::string& name, const char* wanted, size_t length) {
    return name.size() == length && strncasecmp(name.c_str(), wanted, length) == 0;
}

// The part of text without surrounding blanks, as start and length.
const char* TrimmedRange(const char* text, size_t* length) {
    while (*text != '\0' && IsBlank(*text))
        ++text;
    size_t n = std::strlen(text);
    while (n > 0 && IsBlank(text[n - 1]))
        --n;
    *length = n;
    return text;
}

} // namespace

std::string Trim(const std::string& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string StripQuotes(const std::string& value) {
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        return value.substr(1, value.size() - 2);
    return value;
}

IniFile IniFile::Parse(const std::string& text) {
    IniFile file;
    size_t firstBreak = text.find('\n');
    if (firstBreak != std::string::npos)
        file.lineEnd_ = firstBreak > 0 && text[firstBreak - 1] == '\r' ? "\r\n" : "\n";
    size_t pos = 0;
    while (pos < text.size()) {
        // A line ends at LF, CR LF, or a lone CR.
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos)
            end = text.size();
        Line line;
        line.text = text.substr(pos, end - pos);
        pos = end + 1;
        if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n')
            ++pos;
        std::string trimmed = Trim(line.text);
        if (trimmed.empty() || trimmed[0] == ';') {
            line.kind = Kind::Other;
        } else if (trimmed[0] == '[') {
            size_t close = trimmed.find(']');
            line.kind = Kind::Section;
            line.name =
                Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
        } else if (size_t equals = trimmed.find('='); equals != std::string::npos) {
            line.kind = Kind::Entry;
            line.name = Trim(trimmed.substr(0, equals));
            line.value = Trim(trimmed.substr(equals + 1));
        }
        file.lines_.push_back(std::move(line));
    }
    return file;
}

int IniFile::FindSection(const std::string& section) const {
    std::string wanted = Trim(section);
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && SameName(lines_[i].name, wanted))
            return static_cast<int>(i);
    return -1;
}

int IniFile::SectionEnd(int header) const {
    int i = header + 1;
    while (i < static_cast<int>(lines_.size()) && lines_[i].kind != Kind::Section)
        ++i;
    return i;
}

int IniFile::FindKey(int header, const std::string& key) const {
    std::string wanted = Trim(key);
    int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i)
        if (lines_[i].kind == Kind::Entry && SameName(lines_[i].name, wanted))
            return i;
    return -1;
}

std::optional<std::string> IniFile::Find(const std::string& section, const std::string& key) const {
    int header = FindSection(section);
    if (header < 0)
        return std::nullopt;
    int line = FindKey(header, key);
    if (line < 0)
        return std::nullopt;
    return lines_[line].value;
}

const std::string* IniFile::FindValue(const char* section, const char* key) const {
    size_t sectionLength = 0, keyLength = 0;
    const char* wantedSection = TrimmedRange(section, &sectionLength);
    const char* wantedKey = TrimmedRange(key, &keyLength);
    size_t i = 0;
    while (i < lines_.size() && !(lines_[i].kind == Kind::Section &&
                                  SameName(lines_[i].name, wantedSection, sectionLength)))
        ++i;
    for (++i; i < lines_.size() && lines_[i].kind != Kind::Section; ++i)
        if (lines_[i].kind == Kind::Entry && SameName(lines_[i].name, wantedKey, keyLength))
            return &lines_[i].value;
    return nullptr;
}

std::vector<std::string> IniFile::SectionNames() const {
    std::vector<std::string> names;
    for (const Line& line : lines_)
        if (line.kind == Kind::Section)
            names.push_back(line.name);
    return names;
}

std::vector<std::string> IniFile::KeyNames(const std::string& section) const {
    std::vector<std::string> names;
    int header = FindSection(section);
    if (header < 0)
        return names;
    int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i)
        if (lines_[i].kind == Kind::Entry)
            names.push_back(lines_[i].name);
    return names;
}

std::vector<std::string> IniFile::SectionLines(const std::string& section) const {
    std::vector<std::string> lines;
    int header = FindSection(section);
    if (header < 0)
        return lines;
    int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (lines_[i].kind == Kind::Entry) {
            lines.push_back(lines_[i].name + "=" + lines_[i].value);
        } else {
            std::string trimmed = Trim(lines_[i].text);
            if (!trimmed.empty() && trimmed[0] != ';')
                lines.push_back(trimmed);
        }
    }
    return lines;
}

bool IniFile::HasSection(const std::string& section) const {
    return FindSection(section) >= 0;
}

void IniFile::Set(const std::string& section, const std::string& key, const std::string& value) {
    Line entry;
    entry.kind = Kind::Entry;
    entry.name = Trim(OneLine(key));
    entry.value = Trim(OneLine(value));
    int header = FindSection(section);
    if (header < 0) {
        // A new section goes at the end, set off from what precedes it by a blank line.
        if (!lines_.empty() && !Trim(lines_.back().text).empty())
            lines_.push_back(Line{});
        Line head;
        head.kind = Kind::Section;
        head.name = Trim(OneLine(section));
        head.text = "[" + head.name + "]";
        lines_.push_back(head);
        entry.text = entry.name + "=" + OneLine(value);
        lines_.push_back(entry);
        return;
    }
    int existing = FindKey(header, key);
    if (existing >= 0) {
        // The key keeps the spelling it has in the file.
        entry.name = lines_[existing].name;
        entry.text = entry.name + "=" + OneLine(value);
        lines_[existing] = entry;
        return;
    }
    entry.text = entry.name + "=" + OneLine(value);
    // After the section's last entry, so blank lines and comments before the next section stay.
    int insertAt = header + 1;
    int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i)
        if (lines_[i].kind == Kind::Entry)
            insertAt = i + 1;
    lines_.insert(lines_.begin() + insertAt, entry);
}

void IniFile::DeleteKey(const std::string& section, const std::string& key) {
    int header = FindSection(section);
    if (header < 0)
        return;
    int line = FindKey(header, key);
    if (line >= 0)
        lines_.erase(lines_.begin() + line);
}

void IniFile::DeleteSection(const std::string& section) {
    int header = FindSection(section);
    if (header < 0)
        return;
    lines_.erase(lines_.begin() + header, lines_.begin() + SectionEnd(header));
}

std::string IniFile::Text() const {
    std::string text;
    for (const Line& line : lines_)
        text += line.text + lineEnd_;
    return text;
}

} // namespace kernel
