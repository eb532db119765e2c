// Global memory: GlobalAlloc and its companions. A movable block (GMEM_MOVEABLE) is reached
// through a handle that GlobalLock turns into a pointer, counting locks; a fixed block's handle
// is its pointer. Handles are checked against the live blocks, so a stale or foreign handle fails
// with ERROR_INVALID_HANDLE instead of touching memory.
#include "kernel/kernel_internal.h"

#include <cstdlib>
#include <cstring>
#include <map>

namespace kernel {
namespace {

struct Block {
    void* data = nullptr;
    SIZE_T size = 0;
    UINT flags = 0;
    DWORD locks = 0;
};

// Keyed by handle. Movable handles are the address of a small tag of their own, never a data
// pointer, so the two kinds cannot be confused.
std::map<HGLOBAL, Block>& Blocks() {
    static std::map<HGLOBAL, Block> blocks;
    return blocks;
}

Block* Find(HGLOBAL handle) {
    auto found = Blocks().find(handle);
    if (found == Blocks().end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return &found->second;
}

void Release(HGLOBAL handle, Block& block) {
    if (block.flags & GMEM_MOVEABLE) {
        std::free(handle);
    }
    std::free(block.data);
}

} // namespace

std::size_t GlobalBlockCount() {
    return Blocks().size();
}

void FreeAllGlobalBlocks() {
    for (auto& entry : Blocks()) {
        Release(entry.first, entry.second);
    }
    Blocks().clear();
}

} // namespace kernel

using kernel::Block;

HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes) {
    // A zero-sized block still gets its own storage, so its pointer is distinct and freeable.
    void* data = (flags & GMEM_ZEROINIT) ? std::calloc(1, bytes ? bytes : 1)
                                         : std::malloc(bytes ? bytes : 1);
    if (data == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    HGLOBAL handle = data;
    if (flags & GMEM_MOVEABLE) {
        handle = std::malloc(1);
        if (handle == nullptr) {
            std::free(data);
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return nullptr;
        }
    }
    kernel::Blocks()[handle] = Block{data, bytes, flags & (GMEM_MOVEABLE | GMEM_ZEROINIT), 0};
    return handle;
}

LPVOID WINAPI GlobalLock(HGLOBAL handle) {
    Block* block = kernel::Find(handle);
    if (block == nullptr) {
        return nullptr;
    }
    if (block->flags & GMEM_MOVEABLE) {
        ++block->locks;
    }
    return block->data;
}

BOOL WINAPI GlobalUnlock(HGLOBAL handle) {
    Block* block = kernel::Find(handle);
    if (block == nullptr || !(block->flags & GMEM_MOVEABLE) || block->locks == 0) {
        if (block != nullptr) {
            SetLastError(ERROR_NOT_LOCKED);
        }
        return FALSE;
    }
    --block->locks;
    if (block->locks == 0) {
        SetLastError(NO_ERROR);
        return FALSE;
    }
    return TRUE;
}

HGLOBAL WINAPI GlobalFree(HGLOBAL handle) {
    if (handle == nullptr) {
        return nullptr;
    }
    auto& blocks = kernel::Blocks();
    auto found = blocks.find(handle);
    if (found == blocks.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return handle;
    }
    kernel::Release(found->first, found->second);
    blocks.erase(found);
    return nullptr;
}

SIZE_T WINAPI GlobalSize(HGLOBAL handle) {
    Block* block = kernel::Find(handle);
    return block != nullptr ? block->size : 0;
}

UINT WINAPI GlobalFlags(HGLOBAL handle) {
    Block* block = kernel::Find(handle);
    return block != nullptr ? static_cast<UINT>(block->locks & GMEM_LOCKCOUNT)
                            : GMEM_INVALID_HANDLE;
}

HGLOBAL WINAPI GlobalHandle(LPCVOID pointer) {
    for (auto& entry : kernel::Blocks()) {
        if (entry.second.data == pointer) {
            return entry.first;
        }
    }
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}
