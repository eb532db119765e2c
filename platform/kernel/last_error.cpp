// The calling thread's last error, as the system keeps it per thread.
#include <winbase.h>

namespace {
// Linked, never loaded later: the static TLS block holds it, reached without a call.
thread_local DWORD lastError __attribute__((tls_model("initial-exec"))) = ERROR_SUCCESS;
} // namespace

DWORD WINAPI GetLastError() {
    return lastError;
}

void WINAPI SetLastError(DWORD error) {
    lastError = error;
}
