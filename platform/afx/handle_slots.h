// A map from handles to the framework's objects, looked up in constant time without hashing.
//
// Handles are slot numbers with a generation above them (windows: the low 20 bits; GDI objects:
// serials spaced 16 apart), so the low bits of a live handle pick a slot of their own. A slot
// keeps the whole handle and answers only for exactly that handle: a stale one (same slot, older
// generation) or a made-up one finds nothing. When two live handles do share a slot the table
// doubles, up to a limit; past that the newcomer waits in a short list searched in turn.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace afx_internal {

template <class Handle, class Value, unsigned kShift = 0> class HandleSlots {
public:
    Value Find(Handle handle) const {
        // Every framework message looks its window up here. A null handle needs no test of its
        // own: it meets an empty slot's null handle and reads that slot's null value.
        const Slot* slots = slots_.data();
        if (slots == nullptr)
            return Value();
        const Slot& slot = slots[Index(handle)];
        if (slot.handle == handle)
            return slot.value;
        for (const Slot& extra : overflow_)
            if (extra.handle == handle)
                return extra.value;
        return Value();
    }

    bool Contains(Handle handle) const { return Find(handle) != Value(); }

    // The handle (and its value) holding the slot that handle would take, or a null handle.
    std::pair<Handle, Value> Occupant(Handle handle) const {
        if (handle == Handle() || slots_.empty())
            return {Handle(), Value()};
        const Slot& slot = slots_[Index(handle)];
        return {slot.handle, slot.value};
    }

    // Puts handle in the slot it would take, in place of the handle there now, which the caller
    // has found gone (the drawing layer reuses a slot for its next handle). Cheaper than Erase
    // and Assign: neither the waiting list nor the count changes.
    void ReplaceOccupant(Handle handle, Value value) {
        Slot& slot = slots_[Index(handle)];
        slot = Slot{handle, value};
    }

    // Maps handle to value, replacing what it mapped to before.
    void Assign(Handle handle, Value value) {
        if (handle == Handle())
            return;
        if (slots_.empty()) {
            slots_.resize(kFirstSize);
            mask_ = kFirstSize - 1;
        }
        for (;;) {
            Slot& slot = slots_[Index(handle)];
            if (slot.handle == handle) {
                slot.value = value;
                return;
            }
            if (slot.handle == Handle()) {
                if (EraseOverflow(handle))
                    --count_;
                slot = Slot{handle, value};
                ++count_;
                return;
            }
            if (slots_.size() >= kMaxSize || !Grow())
                break;
        }
        for (Slot& extra : overflow_) {
            if (extra.handle == handle) {
                extra.value = value;
                return;
            }
        }
        overflow_.push_back(Slot{handle, value});
        ++count_;
    }

    // Forgets handle; true when it was mapped.
    bool Erase(Handle handle) {
        if (handle == Handle() || slots_.empty())
            return false;
        Slot& slot = slots_[Index(handle)];
        if (slot.handle == handle) {
            slot = Slot{};
            --count_;
            // A waiting handle of the same slot moves in.
            for (size_t i = 0; i < overflow_.size(); ++i) {
                if (Index(overflow_[i].handle) == Index(handle)) {
                    slot = overflow_[i];
                    overflow_.erase(overflow_.begin() + static_cast<std::ptrdiff_t>(i));
                    break;
                }
            }
            return true;
        }
        if (EraseOverflow(handle)) {
            --count_;
            return true;
        }
        return false;
    }

    size_t Size() const { return count_; }

    // Forgets every handle for which pred(handle, value) holds.
    template <class Pred> void EraseIf(Pred pred) {
        for (Slot& slot : slots_) {
            if (slot.handle != Handle() && pred(slot.handle, slot.value)) {
                slot = Slot{};
                --count_;
            }
        }
        for (size_t i = 0; i < overflow_.size();) {
            Slot& own = slots_[Index(overflow_[i].handle)];
            if (pred(overflow_[i].handle, overflow_[i].value)) {
                --count_;
            } else if (own.handle == Handle()) {
                own = overflow_[i]; // its slot came free: it moves in
            } else {
                ++i;
                continue;
            }
            overflow_.erase(overflow_.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }

    template <class Fn> void ForEach(Fn fn) const {
        for (const Slot& slot : slots_)
            if (slot.handle != Handle())
                fn(slot.handle, slot.value);
        for (const Slot& extra : overflow_)
            fn(extra.handle, extra.value);
    }

    void Clear() {
        if (count_ == 0)
            return; // at every idle moment, mostly with nothing to clear
        slots_.assign(slots_.size(), Slot{});
        overflow_.clear();
        count_ = 0;
    }

private:
    struct Slot {
        Handle handle = Handle();
        Value value = Value();
    };

    static constexpr size_t kFirstSize = 256;
    static constexpr size_t kMaxSize = size_t(1) << 20;

    size_t Index(Handle handle) const {
        return static_cast<size_t>(reinterpret_cast<std::uintptr_t>(handle) >> kShift) & mask_;
    }

    bool EraseOverflow(Handle handle) {
        for (size_t i = 0; i < overflow_.size(); ++i) {
            if (overflow_[i].handle == handle) {
                overflow_.erase(overflow_.begin() + static_cast<std::ptrdiff_t>(i));
                return true;
            }
        }
        return false;
    }

    // Doubles the table and places every handle again; false when that cannot help any more.
    bool Grow() {
        std::vector<Slot> old;
        old.swap(slots_);
        slots_.resize(old.size() * 2);
        mask_ = slots_.size() - 1;
        std::vector<Slot> waiting;
        waiting.swap(overflow_);
        count_ = 0;
        for (const Slot& slot : old)
            if (slot.handle != Handle())
                Assign(slot.handle, slot.value);
        for (const Slot& extra : waiting)
            Assign(extra.handle, extra.value);
        return true;
    }

    std::vector<Slot> slots_;
    std::vector<Slot> overflow_;
    size_t mask_ = 0; // slots_.size() - 1 once there are slots
    size_t count_ = 0;
};

} // namespace afx_internal
