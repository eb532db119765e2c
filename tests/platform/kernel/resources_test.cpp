// Module resource tables and FindResourceA / LoadResource / LockResource / SizeofResource.
#include "kernel_fixture.h"

#include <platform_modules.h>
#include <resources.h>

#include <fstream>

using ResourcesTest = KernelTest;

namespace {

std::vector<BYTE> FakeBmp(size_t size) {
    std::vector<BYTE> bytes(size, 7);
    bytes[0] = 'B';
    bytes[1] = 'M';
    return bytes;
}

} // namespace

TEST_F(ResourcesTest, DialogTemplatesLockToTheTemplate) {
    resources::DialogTemplate dialog;
    dialog.caption = "Settings";
    dialog.items.push_back({"EDIT", "", 100, 0, 0, 1, 2, 3, 4});
    resources::AddDialog(nullptr, MAKEINTRESOURCE(101), dialog);
    resources::AddDialog(nullptr, "NAMED", dialog);
    for (LPCSTR name : {static_cast<LPCSTR>(MAKEINTRESOURCE(101)), static_cast<LPCSTR>("named"),
                        static_cast<LPCSTR>("#101")}) {
        HRSRC found = FindResourceA(nullptr, name, RT_DIALOG);
        ASSERT_NE(nullptr, found);
        auto* locked = static_cast<const resources::DialogTemplate*>(
            LockResource(LoadResource(nullptr, found)));
        ASSERT_NE(nullptr, locked);
        EXPECT_EQ("Settings", locked->caption);
        ASSERT_EQ(1u, locked->items.size());
        EXPECT_EQ(100, locked->items[0].id);
    }
    EXPECT_EQ(nullptr, FindResourceA(nullptr, MAKEINTRESOURCE(101), RT_BITMAP));
    EXPECT_EQ(nullptr, FindResourceA(nullptr, MAKEINTRESOURCE(102), RT_DIALOG));
}

TEST_F(ResourcesTest, BitmapsLockToTheFileBytes) {
    resources::AddBitmap(nullptr, "OKU", FakeBmp(70));
    HRSRC found = FindResourceA(GetModuleHandleA(nullptr), "oku", RT_BITMAP);
    ASSERT_NE(nullptr, found);
    EXPECT_EQ(70u, SizeofResource(nullptr, found));
    auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(nullptr, bytes);
    EXPECT_EQ('B', bytes[0]);
    EXPECT_EQ(7, bytes[69]);
    // Added again under the same name, the new bitmap replaces the old.
    resources::AddBitmap(nullptr, "OKU", FakeBmp(90));
    EXPECT_EQ(90u, SizeofResource(nullptr, FindResourceA(nullptr, "OKU", RT_BITMAP)));
}

TEST_F(ResourcesTest, BitmapFilesAreReadAndChecked) {
    std::string good = WriteHostFile("good.bmp", std::string("BM") + std::string(60, 'x'));
    std::string bad = WriteHostFile("bad.bmp", "not a bitmap");
    EXPECT_TRUE(resources::AddBitmapFile(nullptr, "GOOD", good.c_str()));
    EXPECT_FALSE(resources::AddBitmapFile(nullptr, "BAD", bad.c_str()));
    EXPECT_FALSE(resources::AddBitmapFile(nullptr, "NONE", (drive_ + "/none.bmp").c_str()));
    EXPECT_FALSE(resources::AddBitmapFile(nullptr, "NULL", nullptr));
    EXPECT_EQ(62u, SizeofResource(nullptr, FindResourceA(nullptr, "GOOD", RT_BITMAP)));
    EXPECT_EQ(nullptr, FindResourceA(nullptr, "BAD", RT_BITMAP));
}

TEST_F(ResourcesTest, EachModuleHasItsOwnTable) {
    int anchor = 0;
    HMODULE library = platform::RegisterModule("RESLIB", &anchor);
    resources::AddString(library, 57345, "Ready");
    resources::AddBitmap(library, MAKEINTRESOURCE(5), FakeBmp(10));
    EXPECT_STREQ("Ready", resources::FindString(library, 57345));
    EXPECT_EQ(nullptr, resources::FindString(nullptr, 57345));
    EXPECT_NE(nullptr, FindResourceA(library, MAKEINTRESOURCE(5), RT_BITMAP));
    EXPECT_EQ(nullptr, FindResourceA(nullptr, MAKEINTRESOURCE(5), RT_BITMAP));
}

TEST_F(ResourcesTest, StaleAndBadHandlesFindNothing) {
    resources::AddBitmap(nullptr, "OLD", FakeBmp(10));
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
