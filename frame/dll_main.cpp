// The library's entry point: runs once when the library is loaded.
#include "frame/frame_services.h"

// The same name whether the library is loaded as libruzav32.so or linked into a program.
#define AFX_DLL_MODULE_NAME "RUZAV32"
#include <afxdllx.h>

namespace {

AFX_EXTENSION_MODULE s_extensionModule = {};
HINSTANCE s_hInstance = NULL;

} // namespace

HINSTANCE GetLibraryInstance() {
    if (s_hInstance == NULL) {
        // Linked into a program (the Win32 build's static archive) the library is never loaded,
        // so nothing calls DllMain: its module is then the one its code and data are in.
        HMODULE module = NULL;
        if (::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                     GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                 reinterpret_cast<LPCSTR>(&s_hInstance), &module))
            return module;
    }
    return s_hInstance;
}

// The library registers with the framework but makes no CDynLinkLibrary: it carries no
// resources, so the framework has nothing of it to search, and it never terminates the module.
extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        s_hInstance = hInstance;
        AfxInitExtensionModule(s_extensionModule, hInstance);
    }
    return TRUE;
}
