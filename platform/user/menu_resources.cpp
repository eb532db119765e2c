// Menus and accelerator tables from their resources, in the binary forms a resource compiler
// writes.
//
// A menu template is a header (WORD version 0, WORD offset to the items) and then the items in
// order: WORD flags, a WORD command unless the item is a pop-up, and the text as a
// zero-terminated UTF-16 string. A pop-up's items follow it at once; MF_END marks the last item
// of each level. For example "&File" with one item "E&xit" (command 0xE141):
//     0000 0000 | 0090 "&File\0" | 0080 E141 "E&xit\0"
// An accelerator table is a run of 8-byte entries: WORD flags (0x80 on the last), WORD key,
// WORD command, WORD padding.
#include "user/menu_table.h"
#include "user/user_internal.h"

#include <cstring>

namespace wm {
namespace {

// Nesting deeper than this is no menu a person could use: refuse it rather than recurse on.
constexpr int kMaxMenuDepth = 32;

struct Reader {
    const BYTE* data;
    size_t size;
    size_t at = 0;

    bool Word(WORD* out) {
        if (size - at < 2) {
            return false;
        }
        *out = (WORD)(data[at] | (data[at + 1] << 8));
        at += 2;
        return true;
    }
    // UTF-16 text as 8-bit: characters past Latin-1 become '?'.
    bool Text(std::string* out) {
        for (;;) {
            WORD c = 0;
            if (!Word(&c)) {
                return false;
            }
            if (c == 0) {
                return true;
            }
            out->push_back(c < 0x100 ? (char)c : '?');
        }
    }
};

bool ReadItems(Reader& r, HMENU menu, int depth) {
    if (depth > kMaxMenuDepth) {
        return false;
    }
    for (;;) {
        WORD flags = 0, id = 0;
        std::string text;
        if (!r.Word(&flags)) {
            return false;
        }
        bool popup = (flags & MF_POPUP) != 0;
        if (!popup && !r.Word(&id)) {
            return false;
        }
        if (!r.Text(&text)) {
            return false;
        }
        UINT itemFlags = flags & ~(MF_END | MF_POPUP);
        if (popup) {
            HMENU sub = CreatePopupMenu();
            if (!ReadItems(r, sub, depth + 1)) {
                DestroyMenu(sub);
                return false;
            }
            AppendMenuA(menu, itemFlags | MF_POPUP, (UINT_PTR)sub, text.c_str());
        } else if (text.empty() && id == 0) {
            AppendMenuA(menu, itemFlags | MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(menu, itemFlags | MF_STRING, id, text.c_str());
        }
        if (flags & MF_END) {
            return true;
        }
    }
}

} // namespace

HMENU MenuFromTemplate(const void* bytes, size_t size) {
    Reader r{(const BYTE*)bytes, size};
    WORD version = 0, offset = 0;
    if (!bytes || !r.Word(&version) || !r.Word(&offset) || version != 0 || offset > size - 4) {
        SetLastErrorValue(ERROR_INVALID_DATA);
        return nullptr;
    }
    r.at += offset;
    HMENU menu = CreateMenu();
    if (!ReadItems(r, menu, 0)) {
        DestroyMenu(menu);
        SetLastErrorValue(ERROR_INVALID_DATA);
        return nullptr;
    }
    return menu;
}

} // namespace wm

using namespace wm;

HMENU WINAPI LoadMenuIndirectA(const void* menuTemplate) {
    // The call carries no size. Inside a resource the parser stays within it; elsewhere the
    // template is trusted to end itself, as on Windows.
    size_t size = resources::BytesAvailableAt(menuTemplate);
    return MenuFromTemplate(menuTemplate, size ? size : (size_t)1 << 30);
}

HMENU WINAPI LoadMenuA(HINSTANCE instance, LPCSTR menuName) {
    HRSRC found = FindResourceA(instance, menuName, RT_MENU);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) {
        SetLastErrorValue(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return MenuFromTemplate(bytes, SizeofResource(instance, found));
}

HACCEL WINAPI LoadAcceleratorsA(HINSTANCE instance, LPCSTR tableName) {
    HRSRC found = FindResourceA(instance, tableName, RT_ACCELERATOR);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const BYTE* bytes = loaded ? (const BYTE*)LockResource(loaded) : nullptr;
    if (!bytes) {
        SetLastErrorValue(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    size_t size = SizeofResource(instance, found);
    std::vector<ACCEL> entries;
    for (size_t at = 0; at + 8 <= size; at += 8) {
        ACCEL a{};
        a.fVirt = (BYTE)(bytes[at] & 0x7F);
        a.key = (WORD)(bytes[at + 2] | (bytes[at + 3] << 8));
        a.cmd = (WORD)(bytes[at + 4] | (bytes[at + 5] << 8));
        entries.push_back(a);
        if (bytes[at] & 0x80) {
            break;
        }
    }
    if (entries.empty()) {
        SetLastErrorValue(ERROR_INVALID_DATA);
        return nullptr;
    }
    return CreateAcceleratorTableA(entries.data(), (int)entries.size());
}
