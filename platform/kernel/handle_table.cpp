// The kernel handle table. Values start at 0x100 and step by 4 as the system's do, and are
// never reused within a run, so a closed handle stays invalid.
#include "kernel/handle_table.h"

#include <map>

namespace kernel {
namespace {

struct Table {
    std::map<ULONG_PTR, std::unique_ptr<KernelObject>> objects;
    ULONG_PTR next = 0x100;
};

Table& Handles() {
    static Table table;
    return table;
}

} // namespace

HANDLE AddHandle(std::unique_ptr<KernelObject> object) {
    Table& t = Handles();
    ULONG_PTR value = t.next;
    t.next += 4;
    t.objects[value] = std::move(object);
    return reinterpret_cast<HANDLE>(value);
}

KernelObject* LookupHandle(HANDLE handle) {
    auto& objects = Handles().objects;
    auto it = objects.find(reinterpret_cast<ULONG_PTR>(handle));
    return it == objects.end() ? nullptr : it->second.get();
}

bool RemoveHandle(HANDLE handle) {
    return Handles().objects.erase(reinterpret_cast<ULONG_PTR>(handle)) != 0;
}

void RemoveAllHandles() {
    Handles().objects.clear();
}

} // namespace kernel
