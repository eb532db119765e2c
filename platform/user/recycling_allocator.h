// An allocator for the message queues: a queue that is filled and drained all the time (every
// key press goes through two of them) would otherwise give its storage blocks back to the heap
// and ask for new ones, message after message. Freed blocks are kept, a few at most, and handed
// out again for requests of the same size.
#pragma once

#include <cstddef>
#include <new>

namespace wm {

class BlockCache {
public:
    static void* Take(std::size_t bytes) {
        Slot* slots = Slots();
        for (int i = 0; i < kSlots; ++i) {
            if (slots[i].block && slots[i].bytes == bytes) {
                void* block = slots[i].block;
                slots[i].block = nullptr;
                return block;
            }
        }
        return ::operator new(bytes);
    }
    static void Give(void* block, std::size_t bytes) {
        Slot* slots = Slots();
        for (int i = 0; i < kSlots; ++i) {
            if (!slots[i].block) {
                slots[i].block = block;
                slots[i].bytes = bytes;
                return;
            }
        }
        ::operator delete(block);
    }

private:
    static constexpr int kSlots = 8;
    struct Slot {
        void* block;
        std::size_t bytes;
    };
    static Slot* Slots() {
        static Slot slots[kSlots] = {};
        return slots;
    }
};

template <class T> struct RecyclingAllocator {
    using value_type = T;
    RecyclingAllocator() = default;
    template <class U> RecyclingAllocator(const RecyclingAllocator<U>&) {}
    T* allocate(std::size_t n) { return static_cast<T*>(BlockCache::Take(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) { BlockCache::Give(p, n * sizeof(T)); }
    template <class U> bool operator==(const RecyclingAllocator<U>&) const { return true; }
    template <class U> bool operator!=(const RecyclingAllocator<U>&) const { return false; }
};

} // namespace wm
