// Strings, bitmaps and raw data from the program's own compiled resources (conformance.rc).
#include "conformance.h"

#include <windows.h>

CONFORMANCE_TEST(ResourcesStringTable) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    char buffer[32];
    CHECK_EQ(12, LoadStringA(self, 7, buffer, sizeof buffer));
    CHECK_STR_EQ("Percent done", buffer);
    // Cut to the buffer, always terminated.
    CHECK_EQ(4, LoadStringA(self, 7, buffer, 5));
    CHECK_STR_EQ("Perc", buffer);
    CHECK_EQ(1, LoadStringA(self, 12, buffer, sizeof buffer));
    CHECK_STR_EQ("x", buffer);
    // An empty slot of the same block, and a block that is not there.
    CHECK_EQ(0, LoadStringA(self, 8, buffer, sizeof buffer));
    CHECK_EQ(0, LoadStringA(self, 300, buffer, sizeof buffer));
    // The block as a resource: 16 counted strings.
    HRSRC block = FindResourceA(self, MAKEINTRESOURCEA(1), RT_STRING);
    CHECK(block != nullptr);
    CHECK_EQ(static_cast<DWORD>(2 * 16 + 2 * 12 + 2 * 1), SizeofResource(self, block));
}

CONFORMANCE_TEST(ResourcesBitmap) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    // The resource is the file without its 14-byte header.
    HRSRC found = FindResourceA(self, MAKEINTRESOURCEA(1), RT_BITMAP);
    CHECK(found != nullptr);
    CHECK_EQ(static_cast<DWORD>(70 - 14), SizeofResource(self, found));
    const BYTE* bytes = static_cast<const BYTE*>(LockResource(LoadResource(self, found)));
    CHECK(bytes != nullptr && bytes[0] == 40);

    HBITMAP bitmap = LoadBitmapA(self, MAKEINTRESOURCEA(1));
    CHECK(bitmap != nullptr);
    BITMAP info = {};
    CHECK_EQ(static_cast<int>(sizeof info), GetObjectA(bitmap, sizeof info, &info));
    CHECK_EQ(2, info.bmWidth);
    CHECK_EQ(2, info.bmHeight);
    HDC dc = CreateCompatibleDC(nullptr);
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateCompatibleBitmap(screen, 2, 2);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, colour);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ oldSource = SelectObject(source, bitmap);
    BitBlt(dc, 0, 0, 2, 2, source, 0, 0, SRCCOPY);
    // Rows are stored bottom-up: the file's first row is the picture's bottom.
    CHECK_EQ(RGB(0, 255, 0), GetPixel(dc, 0, 0));
    CHECK_EQ(RGB(255, 255, 255), GetPixel(dc, 1, 0));
    CHECK_EQ(RGB(0, 0, 255), GetPixel(dc, 0, 1));
    CHECK_EQ(RGB(255, 0, 0), GetPixel(dc, 1, 1));
    SelectObject(source, oldSource);
    SelectObject(dc, old);
    DeleteDC(source);
    DeleteDC(dc);
    DeleteObject(colour);
    DeleteObject(bitmap);
    CHECK(LoadBitmapA(self, MAKEINTRESOURCEA(2)) == nullptr);
}

CONFORMANCE_TEST(ResourcesNamedData) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(self, "named_one", RT_RCDATA);
    CHECK(found != nullptr);
    CHECK_EQ(3u, static_cast<unsigned>(SizeofResource(self, found)));
    const char* data = static_cast<const char*>(LockResource(LoadResource(self, found)));
    CHECK(data != nullptr && data[0] == 'a' && data[2] == 'c');
    CHECK(FindResourceA(self, "NAMED_TWO", RT_RCDATA) == nullptr);
}

namespace {
INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}
} // namespace

CONFORMANCE_TEST(ResourcesDialogMenuBar) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    // The template's menu becomes the bar, and the bar comes on top of the template's client size.
    HWND dialog = CreateDialogParamA(self, MAKEINTRESOURCEA(30), nullptr, QuietDialog, 0);
    CHECK(dialog != nullptr);
    HMENU bar = GetMenu(dialog);
    CHECK(bar != nullptr);
    CHECK_EQ(2, GetMenuItemCount(bar));
    RECT client = {};
    GetClientRect(dialog, &client);
    RECT units = {0, 0, 100, 50};
    MapDialogRect(dialog, &units);
    CHECK_EQ(units.bottom, client.bottom);
    DestroyWindow(dialog);
    CHECK(!IsMenu(bar)); // destroyed with its window

    dialog = CreateDialogParamA(self, MAKEINTRESOURCEA(31), nullptr, QuietDialog, 0);
    CHECK(dialog != nullptr); // made all the same, without a bar
    CHECK(GetMenu(dialog) == nullptr);
    DestroyWindow(dialog);
}
