// Global memory as the print dialog hands it out: movable blocks reached through GlobalLock,
// nested locks, sizes, and what freeing returns.
#include "conformance.h"

#include <windows.h>

#include <cstring>

CONFORMANCE_TEST(KernelGlobalMemoryMovableBlocks) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 100);
    CHECK(block != nullptr);
    CHECK(GlobalSize(block) >= 100u);
    char* data = static_cast<char*>(GlobalLock(block));
    CHECK(data != nullptr);
    CHECK_EQ(0, data[99]);
    std::strcpy(data, "Laser");
    char* again = static_cast<char*>(GlobalLock(block));
    CHECK(again == data);
    CHECK(GlobalUnlock(block));
    SetLastError(12345);
    CHECK(!GlobalUnlock(block));
    CHECK_EQ(static_cast<DWORD>(NO_ERROR), GetLastError());
    data = static_cast<char*>(GlobalLock(block));
    CHECK_STR_EQ("Laser", data);
    GlobalUnlock(block);
    CHECK(GlobalFree(block) == nullptr);
}
