// The calling process's identity.
#include <winbase.h>

#include <unistd.h>

DWORD WINAPI GetCurrentProcessId() {
    return static_cast<DWORD>(getpid());
}
