// Kernel object handles (searches, open files): checked, so a stale or made-up handle is refused
// with ERROR_INVALID_HANDLE instead of being followed.
#pragma once

#include <winbase.h>

#include <memory>

namespace kernel {

struct KernelObject {
    virtual ~KernelObject() = default;
};

HANDLE AddHandle(std::unique_ptr<KernelObject> object);
// The object behind handle if it is of type T, else nullptr.
KernelObject* LookupHandle(HANDLE handle);
template <typename T> T* LookupHandleAs(HANDLE handle) {
    return dynamic_cast<T*>(LookupHandle(handle));
}
bool RemoveHandle(HANDLE handle);
void RemoveAllHandles();

} // namespace kernel
