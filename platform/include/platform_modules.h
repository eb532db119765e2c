// The platform's module registry: every module (the host executable, each shared library of the
// project) gets an instance handle here, the way the system loader hands one to each image.
#pragma once

#include "windef.h"

namespace platform {

// A new, distinct handle for each name; the same handle again when the name is registered a
// second time. The module's file defaults to the shared object that holds anyAddressInModule
// (found with dladdr), given as a DOS path. GetModuleHandleA(name) then finds the module by its
// name, with or without ".DLL", in any case.
HMODULE RegisterModule(const char* name, const void* anyAddressInModule);

// The system loader's part for a shared library the platform loads as a DLL: registers the
// library that holds anyAddressInModule under name, or under its file name when name is NULL
// ("/usr/lib/libfoo.so.1" gives "FOO"; "EXTENSION" when no file is known).
HMODULE RegisterLibraryModule(const void* anyAddressInModule, const char* name);

// The host executable (also what GetModuleHandleA(NULL) returns).
HMODULE HostModule();

} // namespace platform
