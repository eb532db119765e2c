// The C++ builders of resources.h: dialog templates, string-table entries and bitmaps turned
// into the binary forms a resource compiler writes, and the string reader LoadStringA uses.
//
// A string block holds 16 strings, each a WORD count of UTF-16 units and the units (no
// terminator): string 7 lives in block 1 (7 / 16 + 1) at index 7, string 57345 in block 3585.
#include "kernel/host_files.h"
#include "kernel/resource_table.h"

#include <resources.h>

#include <strings.h>

namespace {

// The two constants of the upper layers these forms need.
constexpr DWORD kSetFont = 0x40; // DS_SETFONT
constexpr size_t kBitFields = 3; // BI_BITFIELDS

void PutWord(std::vector<BYTE>& out, WORD w) {
    out.push_back(static_cast<BYTE>(w & 0xFF));
    out.push_back(static_cast<BYTE>(w >> 8));
}

void PutDword(std::vector<BYTE>& out, DWORD d) {
    PutWord(out, static_cast<WORD>(d & 0xFFFF));
    PutWord(out, static_cast<WORD>(d >> 16));
}

std::vector<WCHAR> Widen(const std::string& text) {
    std::vector<WCHAR> wide(text.size());
    if (!text.empty())
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                            static_cast<int>(wide.size()));
    return wide;
}

// A zero-terminated UTF-16 string.
void PutText(std::vector<BYTE>& out, const std::string& text) {
    for (WCHAR c : Widen(text))
        PutWord(out, c);
    PutWord(out, 0);
}

// The standard classes go in as the ordinals a resource compiler writes for them.
void PutClass(std::vector<BYTE>& out, const std::string& className) {
    static const char* const kOrdinals[] = {"BUTTON",  "EDIT",      "STATIC",
                                            "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    for (WORD i = 0; i < 6; ++i) {
        if (strcasecmp(className.c_str(), kOrdinals[i]) == 0) {
            PutWord(out, 0xFFFF);
            PutWord(out, static_cast<WORD>(0x80 + i));
            return;
        }
    }
    PutText(out, className);
}

void AlignDword(std::vector<BYTE>& out) {
    while (out.size() % 4)
        out.push_back(0);
}

WORD ReadWord(const std::vector<BYTE>& b, size_t at) {
    return static_cast<WORD>(b[at] | (b[at + 1] << 8));
}

// The 16 strings of a block, each as its UTF-16 units; a damaged block gives what it holds
// whole and leaves the rest empty.
std::vector<std::vector<WCHAR>> DecodeBlock(const std::vector<BYTE>* block) {
    std::vector<std::vector<WCHAR>> strings(16);
    if (!block)
        return strings;
    size_t at = 0;
    for (auto& s : strings) {
        if (at + 2 > block->size())
            break;
        size_t count = ReadWord(*block, at);
        at += 2;
        if (count > (block->size() - at) / 2)
            break;
        for (size_t i = 0; i < count; ++i, at += 2)
            s.push_back(ReadWord(*block, at));
    }
    return strings;
}

const kernel::ResourceName& StringType() {
    static const kernel::ResourceName type = kernel::ResourceName::From(RT_STRING);
    return type;
}

kernel::ResourceName BlockName(UINT id) {
    return kernel::ResourceName::From(MAKEINTRESOURCEA((id >> 4) + 1));
}

} // namespace

namespace resources {

std::vector<BYTE> BuildDialog(const DialogTemplate& dialog) {
    std::vector<BYTE> out;
    PutDword(out, dialog.style);
    PutDword(out, dialog.exStyle);
    PutWord(out, static_cast<WORD>(dialog.items.size()));
    for (short v : {dialog.x, dialog.y, dialog.cx, dialog.cy})
        PutWord(out, static_cast<WORD>(v));
    PutWord(out, 0); // no menu
    PutWord(out, 0); // the dialog class
    PutText(out, dialog.caption);
    if (dialog.style & kSetFont) {
        PutWord(out, dialog.pointSize);
        PutText(out, dialog.fontFace);
    }
    for (const DialogItem& item : dialog.items) {
        AlignDword(out);
        PutDword(out, item.style);
        PutDword(out, item.exStyle);
        for (short v : {item.x, item.y, item.cx, item.cy})
            PutWord(out, static_cast<WORD>(v));
        PutWord(out, item.id);
        PutClass(out, item.className);
        PutText(out, item.text);
        PutWord(out, 0); // no creation data
    }
    return out;
}

void AddDialog(HINSTANCE module, LPCSTR name, const DialogTemplate& dialog) {
    AddResource(module, RT_DIALOG, name, BuildDialog(dialog));
}

void AddString(HINSTANCE module, UINT id, const char* text) {
    if (id > 0xFFFF)
        return;
    const kernel::ResourceName name = BlockName(id);
    auto strings = DecodeBlock(kernel::FindResourceBytes(module, StringType(), name));
    // A block holds at most 65535 units per string; a longer text is cut there.
    std::vector<WCHAR> wide = Widen(text ? text : "");
    if (wide.size() > 0xFFFF)
        wide.resize(0xFFFF);
    strings[id & 15] = std::move(wide);
    std::vector<BYTE> block;
    for (const auto& s : strings) {
        PutWord(block, static_cast<WORD>(s.size()));
        for (WCHAR c : s)
            PutWord(block, c);
    }
    kernel::StoreResource(module, StringType(), name, std::move(block));
}

BOOL ReadString(HINSTANCE module, UINT id, std::string* text) {
    if (id > 0xFFFF || !text)
        return FALSE;
    const auto* block = kernel::FindResourceBytes(module, StringType(), BlockName(id));
    if (!block)
        return FALSE;
    const std::vector<WCHAR> wide = DecodeBlock(block)[id & 15];
    if (wide.empty())
        return FALSE;
    int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                nullptr, nullptr);
    text->assign(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text->data(), n,
                        nullptr, nullptr);
    return TRUE;
}

// A resource bitmap is the file without its 14-byte header. The pixels start right after the
// colour table there, so a file that leaves a gap before its pixels is closed up.
void AddBitmap(HINSTANCE module, LPCSTR name, std::vector<BYTE> bmpFileBytes) {
    std::vector<BYTE>& b = bmpFileBytes;
    if (b.size() >= 14 + 16 && b[0] == 'B' && b[1] == 'M') {
        auto u32 = [&](size_t at) {
            return static_cast<size_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
                                       (static_cast<DWORD>(b[at + 3]) << 24));
        };
        const size_t offBits = u32(10);
        const size_t headerSize = u32(14);
        const bool core = headerSize == 12;
        const int bpp = core ? ReadWord(b, 24) : (b.size() >= 14 + 34 ? ReadWord(b, 28) : 0);
        size_t tableSize = 0;
        if (!core && headerSize == 40 && b.size() >= 14 + 40 && u32(30) == kBitFields)
            tableSize = 12;
        if (bpp > 0 && bpp <= 8) {
            size_t used = (!core && b.size() >= 14 + 40) ? u32(46) : 0;
            size_t entries = used && used <= (1u << bpp) ? used : (1u << bpp);
            tableSize += entries * (core ? 3 : 4);
        }
        const size_t packedAt = 14 + headerSize + tableSize;
        if (offBits >= packedAt && offBits <= b.size()) {
            std::vector<BYTE> dib(b.begin() + 14, b.begin() + static_cast<long>(packedAt));
            dib.insert(dib.end(), b.begin() + static_cast<long>(offBits), b.end());
            b = std::move(dib);
        }
    }
    AddResource(module, RT_BITMAP, name, std::move(b));
}

BOOL AddBitmapFile(HINSTANCE module, LPCSTR name, const char* hostPath) {
    if (!(IS_INTRESOURCE(name) || name) || !hostPath)
        return FALSE;
    std::string contents;
    if (!kernel::ReadWholeFile(hostPath, &contents))
        return FALSE;
    std::vector<BYTE> bytes(contents.begin(), contents.end());
    // A BMP file starts with "BM"; anything else is not a bitmap resource.
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M')
        return FALSE;
    AddBitmap(module, name, std::move(bytes));
    return TRUE;
}

} // namespace resources
