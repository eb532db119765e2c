// Binary dialog templates as the property sheet reads, copies and writes them.
//
// A template is walked only as far as its own fields say, and never past what is known of it: a
// page from a module's resource is bounded by SizeofResource, one the host built in memory is
// trusted as the system trusts it (see property_sheet.cpp).
#include "comctl/dialog_template_access.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace comctl {
namespace {

class Walker {
public:
    Walker(const DLGTEMPLATE* t, size_t size)
        : base_(reinterpret_cast<const BYTE*>(t)), size_(size) {}

    // Past the end, reads give 0 and the walk is marked as failed.
    WORD Word() {
        if (failed_ || size_ - at_ < 2) {
            failed_ = true;
            return 0;
        }
        WORD w = static_cast<WORD>(base_[at_] | (base_[at_ + 1] << 8));
        at_ += 2;
        return w;
    }
    DWORD Dword() {
        WORD low = Word();
        return low | (static_cast<DWORD>(Word()) << 16);
    }
    // Reads a zero-terminated UTF-16 string as code page 1252 text.
    std::string Text() {
        std::vector<WCHAR> wide;
        for (WORD c = Word(); c != 0 && !failed_; c = Word())
            wide.push_back(c);
        std::string text;
        if (!wide.empty()) {
            int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                        nullptr, 0, nullptr, nullptr);
            text.assign(static_cast<size_t>(n), '\0');
            WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &text[0], n,
                                nullptr, nullptr);
        }
        return text;
    }
    void SkipTextOrOrdinal() {
        WORD first = Word();
        if (first == 0xFFFF)
            Word();
        else
            for (WORD c = first; c != 0 && !failed_; c = Word()) {
            }
    }
    void Align() { Skip((4 - reinterpret_cast<uintptr_t>(base_ + at_) % 4) % 4); }
    void Skip(size_t n) {
        if (failed_ || size_ - at_ < n)
            failed_ = true;
        else
            at_ += n;
    }
    size_t At() const { return at_; }
    bool Failed() const { return failed_; }

private:
    const BYTE* base_;
    size_t size_;
    size_t at_ = 0;
    bool failed_ = false;
};

bool IsExtended(const DLGTEMPLATE* t) {
    const BYTE* b = reinterpret_cast<const BYTE*>(t);
    return b[0] == 1 && b[1] == 0 && b[2] == 0xFF && b[3] == 0xFF;
}

// The header's fields, leaving the walker after the font.
void ReadHeader(const DLGTEMPLATE* t, Walker& w, TemplateFacts& facts, WORD* count) {
    const bool extended = IsExtended(t);
    if (extended) {
        w.Skip(8);
        w.Dword(); // extended style
        facts.style = w.Dword();
    } else {
        facts.style = w.Dword();
        w.Dword();
    }
    *count = w.Word();
    w.Skip(4);
    facts.cx = static_cast<short>(w.Word());
    facts.cy = static_cast<short>(w.Word());
    w.SkipTextOrOrdinal(); // menu
    w.SkipTextOrOrdinal(); // class
    facts.caption = w.Text();
    if (facts.style & DS_SETFONT) {
        facts.pointSize = w.Word();
        if (facts.pointSize != 0x7FFF) {
            if (extended)
                w.Skip(4);
            facts.fontFace = w.Text();
        }
    }
}

// The template's length in bytes: its header and every item with its creation data; 0 when it
// runs past size.
size_t TemplateLength(const DLGTEMPLATE* t, size_t size) {
    Walker w(t, size);
    TemplateFacts facts;
    WORD count = 0;
    ReadHeader(t, w, facts, &count);
    const bool extended = IsExtended(t);
    for (WORD i = 0; i < count; ++i) {
        w.Align();
        w.Skip(extended ? 24 : 18);
        w.SkipTextOrOrdinal();
        w.SkipTextOrOrdinal();
        w.Skip(w.Word());
    }
    return w.Failed() ? 0 : w.At();
}

void PutWord(std::vector<BYTE>& out, WORD w) {
    out.push_back(static_cast<BYTE>(w));
    out.push_back(static_cast<BYTE>(w >> 8));
}

void PutText(std::vector<BYTE>& out, const char* text) {
    const int n = text && *text ? MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0) : 1;
    std::vector<WCHAR> wide(static_cast<size_t>(n), 0);
    if (n > 1)
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n);
    for (WCHAR c : wide)
        PutWord(out, c);
}

} // namespace

struct OwnedTemplate::Storage {
    std::vector<DWORD> words; // keeps the template on a 4-byte boundary
};

bool ReadTemplateFacts(const DLGTEMPLATE* t, size_t size, TemplateFacts& facts) {
    if (!t || size < 4) {
        return false;
    }
    Walker w(t, size);
    WORD count = 0;
    facts = TemplateFacts{};
    ReadHeader(t, w, facts, &count);
    return !w.Failed();
}

OwnedTemplate::OwnedTemplate() : storage_(new Storage) {}
OwnedTemplate::~OwnedTemplate() = default;

const DLGTEMPLATE* OwnedTemplate::get() const {
    return storage_->words.empty() ? nullptr
                                   : reinterpret_cast<const DLGTEMPLATE*>(storage_->words.data());
}

bool OwnedTemplate::MakeChildOf(const DLGTEMPLATE* page, size_t size) {
    if (!page || size < 4 || reinterpret_cast<uintptr_t>(page) % 4) {
        return false;
    }
    const size_t length = TemplateLength(page, size);
    if (length == 0) {
        return false;
    }
    storage_->words.assign((length + 3) / 4, 0);
    BYTE* copy = reinterpret_cast<BYTE*>(storage_->words.data());
    std::memcpy(copy, page, length);
    // The style and the position sit further on in the extended form.
    const size_t styleAt = IsExtended(page) ? 12 : 0;
    const size_t xAt = IsExtended(page) ? 18 : 10;
    DWORD style;
    std::memcpy(&style, copy + styleAt, sizeof style);
    style &= ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE | WS_DISABLED |
               DS_MODALFRAME | DS_CENTER);
    style |= WS_CHILD | DS_CONTROL | DS_3DLOOK;
    std::memcpy(copy + styleAt, &style, sizeof style);
    std::memset(copy + xAt, 0, 4);
    return true;
}

void OwnedTemplate::MakeEmpty(DWORD style, DWORD exStyle, const char* caption, const char* fontFace,
                              WORD pointSize) {
    std::vector<BYTE> bytes;
    PutWord(bytes, LOWORD(style));
    PutWord(bytes, HIWORD(style));
    PutWord(bytes, LOWORD(exStyle));
    PutWord(bytes, HIWORD(exStyle));
    for (int i = 0; i < 5; ++i)
        PutWord(bytes, 0); // no items, at 0,0, of no size
    PutWord(bytes, 0);     // no menu
    PutWord(bytes, 0);     // the dialog class
    PutText(bytes, caption);
    if (style & DS_SETFONT) {
        PutWord(bytes, pointSize);
        PutText(bytes, fontFace);
    }
    storage_->words.assign((bytes.size() + 3) / 4, 0);
    std::memcpy(storage_->words.data(), bytes.data(), bytes.size());
}

} // namespace comctl
