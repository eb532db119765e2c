// The items of a list box: a sequence of texts with their item data and selection flags, kept in
// blocks of at most kBlockSize items, so that inserting in the middle of 100,000 items moves a
// few hundred of them rather than all, and a sorted insertion finds its place by two binary
// searches (first over the blocks' last items, then inside one block).
//
// Plain data, apart from any window: the list box's window procedure owns one of these.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace user_controls {

struct ListItem {
    std::string text;
    std::uintptr_t data = 0;
    bool selected = false;
};

// Case-insensitive order of list-box texts, as LBS_SORT and CBS_SORT keep them: "a" < "B".
int CompareItemText(const std::string& a, const char* b);

class ListItems {
public:
    static constexpr std::size_t kBlockSize = 512;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    ListItem& at(std::size_t index);
    const ListItem& at(std::size_t index) const;

    // Inserts before index (index == size() appends) and returns the new item's index.
    std::size_t insert(std::size_t index, ListItem item);
    // Where a text belongs in sorted order: after every item that sorts before or equal to it.
    std::size_t sortedPosition(const char* text) const;
    void erase(std::size_t index);
    void clear();

    // Calls visit(index, item) for items [first, last) in order, walking the blocks once.
    template <class Visit> void forRange(std::size_t first, std::size_t last, Visit visit) {
        std::size_t index = 0;
        for (auto& block : blocks_) {
            const std::size_t end = index + block.size();
            if (end > first) {
                for (std::size_t i = first > index ? first - index : 0; i < block.size(); ++i) {
                    if (index + i >= last) {
                        return;
                    }
                    visit(index + i, block[i]);
                }
            }
            index = end;
            if (index >= last) {
                return;
            }
        }
    }

private:
    // The block holding index, and the index inside it.
    std::pair<std::size_t, std::size_t> locate(std::size_t index) const;

    std::vector<std::vector<ListItem>> blocks_;
    std::size_t size_ = 0;
};

} // namespace user_controls
