// Module state of the framework: which module is the application, where its resources are
// looked up, and the extension modules (shared libraries built on the framework).
//
// The host's resource chain is the host's resource module (AfxGetResourceHandle, by default the
// executable) followed by every extension module that made a CDynLinkLibrary. An extension
// module that only called AfxInitExtensionModule is not in the chain.
#pragma once

#include <windows.h>

#include "afxobj.h"

class CDynLinkLibrary;

// The record an extension module keeps about itself, static in that module.
struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    CRuntimeClass* pFirstSharedClass;
    void* pFirstSharedFactory;
};

AFX_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
AFX_API LPCSTR AFXAPI AfxGetAppName();

// The module in the host's resource chain that holds the named resource. When none holds it,
// the host's resource module, so that the load that follows fails in the usual way.
AFX_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);

// Fills the record for the module hModule (its own instance and resource handle). Called once
// per module from its DllMain; TRUE on success, FALSE for a null module handle.
AFX_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Forgets a module: takes its CDynLinkLibrary objects out of the resource chain.
AFX_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);
