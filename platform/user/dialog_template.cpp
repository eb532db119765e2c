// Reading binary dialog templates, bounded by the size of the data.
//
// DLGTEMPLATE: style, extended style, item count, x, y, cx, cy; then menu, class and caption;
// with DS_SETFONT a point size and a face name. DLGTEMPLATEEX starts with the WORDs 1 and 0xFFFF
// and a help id, puts the extended style before the style, and adds weight, italic and
// character set to the font. Each item starts on a 4-byte boundary of memory, as the system
// reads it. A menu, class or text is 0x0000 (none), 0xFFFF and an ordinal, or a zero-terminated
// UTF-16 string.
#include "user/dialog_template.h"

#include <cstdint>

namespace wm {
namespace {

class Cursor {
public:
    Cursor(const BYTE* data, size_t size) : data_(data), size_(size) {}

    bool Word(WORD* out) {
        if (size_ - at_ < 2)
            return false;
        *out = static_cast<WORD>(data_[at_] | (data_[at_ + 1] << 8));
        at_ += 2;
        return true;
    }

    bool Short(short* out) {
        WORD w;
        if (!Word(&w))
            return false;
        *out = static_cast<short>(w);
        return true;
    }

    bool Dword(DWORD* out) {
        WORD low, high;
        if (!Word(&low) || !Word(&high))
            return false;
        *out = low | (static_cast<DWORD>(high) << 16);
        return true;
    }

    bool Byte(BYTE* out) {
        if (size_ - at_ < 1)
            return false;
        *out = data_[at_++];
        return true;
    }

    // A zero-terminated UTF-16 string, given in code page 1252.
    bool Text(std::string* out) {
        std::vector<WCHAR> wide;
        for (;;) {
            WORD ch;
            if (!Word(&ch))
                return false;
            if (ch == 0)
                break;
            wide.push_back(ch);
        }
        out->clear();
        if (!wide.empty()) {
            int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                        nullptr, 0, nullptr, nullptr);
            out->assign(static_cast<size_t>(n), '\0');
            WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), out->data(),
                                n, nullptr, nullptr);
        }
        return true;
    }

    // None (empty), an ordinal ("#n" unless named) or a string.
    bool TextOrOrdinal(std::string* out, WORD* ordinal = nullptr) {
        WORD first;
        if (!Word(&first))
            return false;
        if (first == 0) {
            out->clear();
            return true;
        }
        if (first == 0xFFFF) {
            WORD id;
            if (!Word(&id))
                return false;
            if (ordinal)
                *ordinal = id;
            *out = "#" + std::to_string(id);
            return true;
        }
        at_ -= 2;
        return Text(out);
    }

    bool AlignDword() {
        const uintptr_t address = reinterpret_cast<uintptr_t>(data_ + at_);
        const size_t pad = (4 - address % 4) % 4;
        if (size_ - at_ < pad)
            return false;
        at_ += pad;
        return true;
    }

    bool Skip(size_t n) {
        if (size_ - at_ < n)
            return false;
        at_ += n;
        return true;
    }

    const BYTE* Here() const { return data_ + at_; }

private:
    const BYTE* data_;
    size_t size_;
    size_t at_ = 0;
};

const char* StandardClass(WORD ordinal) {
    static const char* const kNames[] = {"BUTTON",  "EDIT",      "STATIC",
                                         "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    return ordinal >= 0x80 && ordinal <= 0x85 ? kNames[ordinal - 0x80] : nullptr;
}

bool ReadItem(Cursor& c, bool extended, TemplateItem* item) {
    if (!c.AlignDword())
        return false;
    if (extended) {
        if (!c.Dword(&item->helpId) || !c.Dword(&item->exStyle) || !c.Dword(&item->style))
            return false;
    } else if (!c.Dword(&item->style) || !c.Dword(&item->exStyle)) {
        return false;
    }
    if (!c.Short(&item->x) || !c.Short(&item->y) || !c.Short(&item->cx) || !c.Short(&item->cy))
        return false;
    if (extended) {
        if (!c.Dword(&item->id))
            return false;
    } else {
        WORD id;
        if (!c.Word(&id))
            return false;
        item->id = id;
    }
    WORD classOrdinal = 0;
    if (!c.TextOrOrdinal(&item->className, &classOrdinal) || !c.TextOrOrdinal(&item->text))
        return false;
    if (const char* standard = classOrdinal ? StandardClass(classOrdinal) : nullptr)
        item->className = standard;
    const BYTE* extra = c.Here();
    WORD extraSize;
    if (!c.Word(&extraSize) || !c.Skip(extraSize))
        return false;
    item->creationData = extraSize ? extra : nullptr;
    return true;
}

} // namespace

bool ParseDialogTemplate(const void* data, size_t size, ParsedTemplate* out) {
    if (!data || !out)
        return false;
    *out = ParsedTemplate{};
    Cursor c(static_cast<const BYTE*>(data), size);
    WORD version = 0, signature = 0;
    {
        Cursor peek = c;
        peek.Word(&version);
        peek.Word(&signature);
    }
    out->extended = version == 1 && signature == 0xFFFF;
    WORD count = 0;
    if (out->extended) {
        if (!c.Skip(4) || !c.Dword(&out->helpId) || !c.Dword(&out->exStyle) ||
            !c.Dword(&out->style))
            return false;
    } else if (!c.Dword(&out->style) || !c.Dword(&out->exStyle)) {
        return false;
    }
    if (!c.Word(&count) || !c.Short(&out->x) || !c.Short(&out->y) || !c.Short(&out->cx) ||
        !c.Short(&out->cy))
        return false;
    if (!c.TextOrOrdinal(&out->menu) || !c.TextOrOrdinal(&out->className) || !c.Text(&out->caption))
        return false;
    if (out->style & DS_SETFONT) {
        if (!c.Word(&out->pointSize))
            return false;
        // 0x7FFF asks for the message box font, and no face follows.
        if (out->pointSize != 0x7FFF) {
            if (out->extended &&
                (!c.Word(&out->weight) || !c.Byte(&out->italic) || !c.Byte(&out->charSet)))
                return false;
            if (!c.Text(&out->fontFace))
                return false;
            out->hasFont = true;
        }
    }
    out->items.resize(count);
    for (TemplateItem& item : out->items)
        if (!ReadItem(c, out->extended, &item))
            return false;
    return true;
}

} // namespace wm
