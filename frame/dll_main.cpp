// The library's entry point: runs once when the library is loaded.
#include "frame/frame_services.h"

#if __has_include(<afxdllx.h>)
#include <afxdllx.h>
#else
// Until the framework's extension-library entry is available: register and attach by hand.
#include <platform_modules.h>
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID);
__attribute__((constructor)) static void RawDllEntry() {
    static const char anchor = 0;
    DllMain(platform::RegisterModule("RUZAV32", &anchor), DLL_PROCESS_ATTACH, nullptr);
}
#endif

namespace {

AFX_EXTENSION_MODULE s_extensionModule = {};
HINSTANCE s_hInstance = NULL;

} // namespace

HINSTANCE GetLibraryInstance() {
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
