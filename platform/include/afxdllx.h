// The entry of an extension library: include this once, in the source file that defines the
// library's DllMain. When the library is loaded, it registers the library as a module (which
// gives it its instance handle) and calls
//
//   extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
//
// with DLL_PROCESS_ATTACH, as the system loader does for a DLL. The module's name is the file
// name of the shared object without "lib" and extension, in capitals (libfoo.so gives "FOO"),
// unless the including file defines AFX_DLL_MODULE_NAME first.
//
// On Win32 the system loader does all this itself, and this header adds nothing.
#pragma once

#include <afxwin.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);

#ifndef _WIN32
#include <platform_modules.h>

#ifndef AFX_DLL_MODULE_NAME
#define AFX_DLL_MODULE_NAME NULL
#endif

namespace {
__attribute__((constructor)) void AfxRawDllEntry() {
    static const char anchor = 0;
    DllMain(platform::RegisterLibraryModule(&anchor, AFX_DLL_MODULE_NAME), DLL_PROCESS_ATTACH,
            NULL);
}
} // namespace
#endif
