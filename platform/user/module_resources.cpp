// Strings and bitmaps read from a module's resource table: RT_STRING blocks and RT_BITMAP
// packed DIBs.
#include "user/user_internal.h"

#include "gdi/gdi_internal.h"

#include <resources.h>

#include <cstring>
#include <string>

int WINAPI LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax) {
    if (!buffer || bufferMax <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    buffer[0] = 0;
    std::string text;
    if (!resources::ReadString(instance ? instance : GetModuleHandleA(nullptr), id, &text)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return 0;
    }
    size_t n = text.size();
    if (n > (size_t)bufferMax - 1) {
        n = (size_t)bufferMax - 1; // cut to the buffer, as Win32 does
    }
    memcpy(buffer, text.data(), n);
    buffer[n] = 0;
    return (int)n;
}

HBITMAP WINAPI LoadBitmapA(HINSTANCE instance, LPCSTR name) {
    if (!name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!instance) {
        // The system's own bitmaps (OBM_*) are not provided.
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    HRSRC res = FindResourceA(instance, name, RT_BITMAP);
    if (!res) {
        return nullptr;
    }
    HGLOBAL data = LoadResource(instance, res);
    const void* bytes = data ? LockResource(data) : nullptr;
    DWORD size = SizeofResource(instance, res);
    if (!bytes || !size) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    HBITMAP b = gdi_internal::CreateBitmapFromDib(bytes, size);
    if (!b) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    }
    return b;
}
