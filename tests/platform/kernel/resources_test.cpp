// Module resource tables, FindResourceA / LoadResource / LockResource / SizeofResource, the C++
// builders and compiled resource files (.res).
#include "kernel_fixture.h"

#include <platform_modules.h>
#include <resources.h>

#include "support/bmp_bytes.h"

#include <cstring>
#include <fstream>
#include <iterator>

using ResourcesTest = KernelTest;

namespace {

// A 2x1 24-bit BMP file; `gap` bytes between the header and the pixels, as some writers leave.
std::vector<BYTE> TinyBmp(size_t gap = 0) {
    return test_support::BmpFile(
        2, 1, 24, {}, [](int x, int) { return x ? 0 : 0xAB0000; }, false, gap);
}

const BYTE* Lock(HMODULE module, LPCSTR name, LPCSTR type, DWORD* size = nullptr) {
    HRSRC found = FindResourceA(module, name, type);
    if (!found)
        return nullptr;
    if (size)
        *size = SizeofResource(module, found);
    return static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
}

std::string Utf16At(const BYTE* p) {
    std::string s;
    for (; p[0] || p[1]; p += 2)
        s.push_back(p[1] ? '?' : static_cast<char>(p[0]));
    return s;
}

std::string Read(HMODULE module, UINT id) {
    std::string text;
    return resources::ReadString(module, id, &text) ? text : "<none>";
}

// A .res entry as resource compilers write it: sizes, ordinal type and name, the fixed fields.
void PutEntry(std::vector<BYTE>& out, WORD type, WORD name, const std::vector<BYTE>& data) {
    auto put16 = [&](WORD v) {
        out.push_back(static_cast<BYTE>(v));
        out.push_back(static_cast<BYTE>(v >> 8));
    };
    auto put32 = [&](DWORD v) {
        put16(static_cast<WORD>(v));
        put16(static_cast<WORD>(v >> 16));
    };
    put32(static_cast<DWORD>(data.size()));
    put32(32);
    put16(0xFFFF);
    put16(type);
    put16(0xFFFF);
    put16(name);
    put32(0);
    put32(0x1030);
    put32(0);
    put32(0);
    out.insert(out.end(), data.begin(), data.end());
    while (out.size() % 4)
        out.push_back(0);
}

std::vector<BYTE> ResFile(std::initializer_list<std::pair<WORD, std::vector<BYTE>>> entries) {
    std::vector<BYTE> out;
    PutEntry(out, 0, 0, {});
    WORD name = 1;
    for (const auto& e : entries)
        PutEntry(out, e.first, name++, e.second);
    return out;
}

} // namespace

TEST_F(ResourcesTest, DialogTemplatesAreStoredInTheirBinaryForm) {
    resources::DialogTemplate dialog;
    dialog.style = WS_POPUP | DS_SETFONT;
    dialog.caption = "Settings";
    dialog.fontFace = "MS Sans Serif";
    dialog.cx = 150;
    dialog.items.push_back({"EDIT", "Name", 100, WS_CHILD, 0, 1, 2, 3, 4});
    resources::AddDialog(nullptr, MAKEINTRESOURCE(101), dialog);
    resources::AddDialog(nullptr, "NAMED", dialog);
    for (LPCSTR name : {static_cast<LPCSTR>(MAKEINTRESOURCE(101)), static_cast<LPCSTR>("named"),
                        static_cast<LPCSTR>("#101")}) {
        DWORD size = 0;
        const BYTE* bytes = Lock(nullptr, name, RT_DIALOG, &size);
        ASSERT_NE(nullptr, bytes);
        const auto* t = reinterpret_cast<const DLGTEMPLATE*>(bytes);
        EXPECT_EQ(static_cast<DWORD>(WS_POPUP | DS_SETFONT), t->style);
        EXPECT_EQ(1, t->cdit);
        EXPECT_EQ(150, t->cx);
        // No menu, the dialog class, then the caption and the font.
        EXPECT_EQ(0, bytes[18] | bytes[19] | bytes[20] | bytes[21]);
        EXPECT_EQ("Settings", Utf16At(bytes + 22));
        EXPECT_EQ(8, bytes[40]);
        EXPECT_EQ("MS Sans Serif", Utf16At(bytes + 42));
        // The item on its 4-byte boundary, the edit class as its ordinal.
        const BYTE* item = bytes + 72;
        EXPECT_EQ(100, item[16]);
        EXPECT_EQ(0xFF, item[18]);
        EXPECT_EQ(0x81, item[20]);
        EXPECT_EQ("Name", Utf16At(item + 22));
        EXPECT_EQ(72u + 22 + 10 + 2, size);
    }
    EXPECT_EQ(nullptr, FindResourceA(nullptr, MAKEINTRESOURCE(101), RT_BITMAP));
    EXPECT_EQ(nullptr, FindResourceA(nullptr, MAKEINTRESOURCE(102), RT_DIALOG));
}

TEST_F(ResourcesTest, BitmapsAreStoredWithoutTheirFileHeader) {
    for (size_t gap : {0, 6}) {
        resources::AddBitmap(nullptr, "OKU", TinyBmp(gap));
        DWORD size = 0;
        const BYTE* bytes = Lock(GetModuleHandleA(nullptr), "oku", RT_BITMAP, &size);
        ASSERT_NE(nullptr, bytes);
        EXPECT_EQ(40u + 8, size) << "gap " << gap;
        EXPECT_EQ(40, bytes[0]);
        EXPECT_EQ(0xAB, bytes[40]); // the pixels follow the header
    }
}

TEST_F(ResourcesTest, BitmapFilesAreReadAndChecked) {
    const std::vector<BYTE> tiny = TinyBmp();
    std::string good = WriteHostFile("good.bmp", std::string(tiny.begin(), tiny.end()));
    std::string bad = WriteHostFile("bad.bmp", "not a bitmap");
    EXPECT_TRUE(resources::AddBitmapFile(nullptr, "GOOD", good.c_str()));
    EXPECT_FALSE(resources::AddBitmapFile(nullptr, "BAD", bad.c_str()));
    EXPECT_FALSE(resources::AddBitmapFile(nullptr, "NONE", (drive_ + "/none.bmp").c_str()));
    EXPECT_FALSE(resources::AddBitmapFile(nullptr, "NULL", nullptr));
    EXPECT_EQ(48u, SizeofResource(nullptr, FindResourceA(nullptr, "GOOD", RT_BITMAP)));
    EXPECT_EQ(nullptr, FindResourceA(nullptr, "BAD", RT_BITMAP));
}

// The bytes a resource compiler writes for strings 7 and 12 (block 1).
TEST_F(ResourcesTest, StringsGoIntoBlocksOfSixteenAsCompilersWriteThem) {
    resources::AddString(nullptr, 12, "x");
    resources::AddString(nullptr, 7, "Percent done");
    DWORD size = 0;
    const BYTE* block = Lock(nullptr, MAKEINTRESOURCE(1), RT_STRING, &size);
    ASSERT_NE(nullptr, block);
    std::vector<BYTE> expected(7 * 2, 0);
    expected.insert(expected.end(), {12, 0});
    for (char c : std::string("Percent done"))
        expected.insert(expected.end(), {static_cast<BYTE>(c), 0});
    expected.insert(expected.end(), 4 * 2, 0);
    expected.insert(expected.end(), {1, 0, 'x', 0});
    expected.insert(expected.end(), 3 * 2, 0);
    EXPECT_EQ(expected, std::vector<BYTE>(block, block + size));
    EXPECT_EQ("Percent done", Read(nullptr, 7));
    EXPECT_EQ("x", Read(nullptr, 12));
    EXPECT_EQ("<none>", Read(nullptr, 8)); // an empty slot of the block
    EXPECT_EQ("<none>", Read(nullptr, 16));
    resources::AddString(nullptr, 12, "Caf\xe9 \x80"); // replaced; code page 1252 kept
    EXPECT_EQ("Caf\xe9 \x80", Read(nullptr, 12));
    EXPECT_EQ("Percent done", Read(nullptr, 7));
}

TEST_F(ResourcesTest, AnyTypeIsKeptAsRawBytes) {
    resources::AddResource(nullptr, RT_MENU, MAKEINTRESOURCE(200), {1, 2, 3});
    resources::AddResource(nullptr, "PNG", "LOGO", {9});
    DWORD size = 0;
    const BYTE* menu = Lock(nullptr, MAKEINTRESOURCE(200), RT_MENU, &size);
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(3u, size);
    EXPECT_EQ(3, menu[2]);
    ASSERT_NE(nullptr, Lock(nullptr, "logo", "png"));
    SetLastError(0);
    EXPECT_EQ(nullptr, FindResourceA(nullptr, "OTHER", "PNG"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError());
    EXPECT_EQ(nullptr, FindResourceA(nullptr, "LOGO", RT_ICON));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND), GetLastError());
}

TEST_F(ResourcesTest, EachModuleHasItsOwnTable) {
    int anchor = 0;
    HMODULE library = platform::RegisterModule("RESLIB", &anchor);
    resources::AddString(library, 57345, "Ready");
    resources::AddBitmap(library, MAKEINTRESOURCE(5), TinyBmp());
    EXPECT_EQ("Ready", Read(library, 57345));
    EXPECT_EQ("<none>", Read(nullptr, 57345));
    EXPECT_NE(nullptr, FindResourceA(library, MAKEINTRESOURCE(5), RT_BITMAP));
    EXPECT_EQ(nullptr, FindResourceA(nullptr, MAKEINTRESOURCE(5), RT_BITMAP));
}

TEST_F(ResourcesTest, StaleAndBadHandlesFindNothing) {
    resources::AddBitmap(nullptr, "OLD", TinyBmp());
    HRSRC stale = FindResourceA(nullptr, "OLD", RT_BITMAP);
    ASSERT_NE(nullptr, stale);
    desktop::reset();
    EXPECT_EQ(nullptr, FindResourceA(nullptr, "OLD", RT_BITMAP));
    EXPECT_EQ(nullptr, LoadResource(nullptr, stale));
    EXPECT_EQ(nullptr, LockResource(reinterpret_cast<HGLOBAL>(stale)));
    EXPECT_EQ(0u, SizeofResource(nullptr, stale));
    EXPECT_EQ(nullptr, LockResource(nullptr));
    EXPECT_EQ(nullptr, FindResourceA(nullptr, nullptr, RT_BITMAP));
    EXPECT_EQ(nullptr, FindResourceA(nullptr, "X", nullptr));
    EXPECT_EQ(nullptr, FindResourceA(nullptr, "X", "CUSTOM"));
}

TEST_F(ResourcesTest, ACompiledResourceFileGivesItsModuleEveryResource) {
    int anchor = 0;
    HMODULE module = platform::RegisterModule("SAMPLE", &anchor);
    ASSERT_TRUE(resources::LoadResFileFromPath(module, SAMPLE_RES_PATH));
    EXPECT_EQ("Percent done", Read(module, 7));
    EXPECT_EQ("Caf\xe9", Read(module, 12));
    EXPECT_EQ("Ready", Read(module, 57345));
    const BYTE* dialog = Lock(module, MAKEINTRESOURCE(101), RT_DIALOG);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(2, reinterpret_cast<const DLGTEMPLATE*>(dialog)->cdit);
    const BYTE* extended = Lock(module, "address", RT_DIALOG);
    ASSERT_NE(nullptr, extended);
    EXPECT_EQ(0xFFFF, extended[2] | (extended[3] << 8)); // DLGTEMPLATEEX's signature
    EXPECT_NE(nullptr, Lock(module, MAKEINTRESOURCE(200), RT_MENU));
    EXPECT_NE(nullptr, Lock(module, MAKEINTRESOURCE(200), RT_ACCELERATOR));
    DWORD size = 0;
    const BYTE* notes = Lock(module, "NOTES", RT_RCDATA, &size);
    ASSERT_NE(nullptr, notes);
    EXPECT_EQ("abc", std::string(reinterpret_cast<const char*>(notes), size));
    EXPECT_EQ(nullptr, FindResourceA(nullptr, MAKEINTRESOURCE(101), RT_DIALOG));
    EXPECT_FALSE(resources::LoadResFileFromPath(module, (drive_ + "/missing.res").c_str()));
}

// Every cut of a two-resource file inside an entry is refused whole; a cut after the first
// entry's data (its padding may be missing) is a shorter, sound file.
TEST_F(ResourcesTest, TruncatedResourceFilesAddNothing) {
    const std::vector<BYTE> file =
        ResFile({{10, {1, 2, 3, 4, 5}}, {10, {6, 7, 8, 9, 10, 11, 12, 13}}});
    const size_t firstEnd = 32 + 32 + 5, second = 32 + 32 + 8;
    for (size_t cut = 0; cut < file.size(); ++cut) {
        resources::ClearAll();
        const bool firstWhole = cut >= firstEnd && cut <= second;
        EXPECT_EQ(cut == 32 || firstWhole, resources::LoadResFile(nullptr, file.data(), cut) != 0)
            << "cut at " << cut;
        EXPECT_EQ(firstWhole, FindResourceA(nullptr, MAKEINTRESOURCE(1), RT_RCDATA) != nullptr)
            << "cut at " << cut;
        EXPECT_EQ(nullptr, FindResourceA(nullptr, MAKEINTRESOURCE(2), RT_RCDATA));
    }
    EXPECT_TRUE(resources::LoadResFile(nullptr, file.data(), file.size()));
    EXPECT_NE(nullptr, FindResourceA(nullptr, MAKEINTRESOURCE(2), RT_RCDATA));
}

TEST_F(ResourcesTest, DamagedResourceFilesAreRefused) {
    struct Row {
        const char* what;
        size_t at;
        std::vector<BYTE> bytes;
    } rows[] = {
        {"data size past the end", 32, {0xFF, 0xFF, 0, 0}},
        {"data size that wraps", 32, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"header size past the end", 36, {0, 1, 0, 0}},
        {"header size not on a 4-byte boundary", 36, {33, 0, 0, 0}},
        {"header smaller than its fields", 36, {8, 0, 0, 0}},
        {"type string running past the header", 40, std::vector<BYTE>(24, 'A')},
    };
    for (const Row& row : rows) {
        std::vector<BYTE> file = ResFile({{10, {1, 2, 3, 4}}, {10, {5, 6, 7, 8}}});
        std::memcpy(file.data() + row.at, row.bytes.data(), row.bytes.size());
        resources::ClearAll();
        EXPECT_FALSE(resources::LoadResFile(nullptr, file.data(), file.size())) << row.what;
        EXPECT_EQ(nullptr, FindResourceA(nullptr, MAKEINTRESOURCE(2), RT_RCDATA)) << row.what;
    }
    EXPECT_FALSE(resources::LoadResFile(nullptr, nullptr, 100));
}

TEST_F(ResourcesTest, ResourcesOfUnknownTypesAreLeftOut) {
    const std::vector<BYTE> file = ResFile({{0x4000, {1}}, {10, {2}}, {13, {3}}});
    EXPECT_FALSE(resources::LoadResFile(nullptr, file.data(), file.size()));
    EXPECT_EQ(nullptr, FindResourceA(nullptr, MAKEINTRESOURCE(1), MAKEINTRESOURCE(0x4000)));
    EXPECT_EQ(nullptr, FindResourceA(nullptr, MAKEINTRESOURCE(3), MAKEINTRESOURCE(13)));
    EXPECT_NE(nullptr, FindResourceA(nullptr, MAKEINTRESOURCE(2), RT_RCDATA));
}

TEST_F(ResourcesTest, CodePagesConvertBothWays) {
    struct Row {
        UINT codePage;
        std::string text;
        std::vector<WCHAR> wide;
    } rows[] = {
        {CP_ACP, "Caf\xe9", {'C', 'a', 'f', 0xE9}},
        {CP_ACP, "\x80\x9f", {0x20AC, 0x0178}},
        {CP_UTF8, "Caf\xc3\xa9", {'C', 'a', 'f', 0xE9}},
        {CP_UTF8, "\xe2\x82\xac\xf0\x9f\x98\x80", {0x20AC, 0xD83D, 0xDE00}},
    };
    for (const Row& r : rows) {
        WCHAR wide[8] = {};
        int n = MultiByteToWideChar(r.codePage, 0, r.text.data(), static_cast<int>(r.text.size()),
                                    wide, 8);
        EXPECT_EQ(std::vector<WCHAR>(wide, wide + n), r.wide) << r.text;
        char text[16] = {};
        n = WideCharToMultiByte(r.codePage, 0, r.wide.data(), static_cast<int>(r.wide.size()), text,
                                16, nullptr, nullptr);
        EXPECT_EQ(std::string(text, static_cast<size_t>(n)), r.text);
    }
    // A byte that starts no UTF-8 sequence, or a cut one, becomes U+FFFD.
    WCHAR wide[4] = {};
    EXPECT_EQ(2, MultiByteToWideChar(CP_UTF8, 0, "\xff\xe2", 2, wide, 4));
    EXPECT_EQ(0xFFFD, wide[0]);
    EXPECT_EQ(0xFFFD, wide[1]);
    // Too small a buffer fails; size 0 asks for the size; -1 counts the terminator.
    EXPECT_EQ(0, MultiByteToWideChar(CP_ACP, 0, "abc", 3, wide, 2));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(4, MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0));
    const WCHAR chinese[] = {0x4E2D, 0};
    char text[4] = {};
    BOOL usedDefault = FALSE;
    EXPECT_EQ(2, WideCharToMultiByte(CP_ACP, 0, chinese, -1, text, 4, nullptr, &usedDefault));
    EXPECT_STREQ("?", text);
    EXPECT_TRUE(usedDefault);
    EXPECT_EQ(0, MultiByteToWideChar(437, 0, "a", 1, wide, 4));
}
