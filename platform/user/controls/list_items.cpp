#include "user/controls/list_items.h"

#include <cctype>

namespace user_controls {

int CompareItemText(const std::string& a, const char* b) {
    const unsigned char* left = reinterpret_cast<const unsigned char*>(a.c_str());
    const unsigned char* right = reinterpret_cast<const unsigned char*>(b);
    for (;; ++left, ++right) {
        // Sorted neighbours share long beginnings: equal bytes need no folding.
        if (*left == *right) {
            if (*left == 0) {
                return 0;
            }
            continue;
        }
        const int l = std::tolower(*left);
        const int r = std::tolower(*right);
        if (l != r || l == 0) {
            return l - r;
        }
    }
}

std::pair<std::size_t, std::size_t> ListItems::locate(std::size_t index) const {
    // Appending and reading near the end are the common cases: walk from the nearer end.
    if (index >= size_ / 2) {
        std::size_t start = size_;
        for (std::size_t b = blocks_.size(); b-- > 0;) {
            start -= blocks_[b].size();
            if (index >= start) {
                return {b, index - start};
            }
        }
        return {0, index};
    }
    std::size_t start = 0;
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        if (index < start + blocks_[b].size()) {
            return {b, index - start};
        }
        start += blocks_[b].size();
    }
    return {blocks_.size(), 0};
}

ListItem& ListItems::at(std::size_t index) {
    const auto place = locate(index);
    return blocks_[place.first][place.second];
}

const ListItem& ListItems::at(std::size_t index) const {
    const auto place = locate(index);
    return blocks_[place.first][place.second];
}

std::size_t ListItems::insert(std::size_t index, ListItem item) {
    if (index > size_) {
        index = size_;
    }
    if (blocks_.empty()) {
        blocks_.emplace_back();
        blocks_.back().reserve(kBlockSize);
    }
    std::size_t block = 0;
    std::size_t offset = 0;
    if (index == size_) {
        block = blocks_.size() - 1;
        offset = blocks_[block].size();
    } else {
        const auto place = locate(index);
        block = place.first;
        offset = place.second;
    }
    auto& target = blocks_[block];
    target.insert(target.begin() + static_cast<std::ptrdiff_t>(offset), std::move(item));
    ++size_;
    if (target.size() > kBlockSize) {
        // Split in halves, so both sides have room to grow before the next split.
        std::vector<ListItem> upper;
        upper.reserve(kBlockSize);
        const std::size_t half = target.size() / 2;
        for (std::size_t i = half; i < target.size(); ++i) {
            upper.push_back(std::move(target[i]));
        }
        target.resize(half);
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(upper));
    }
    return index;
}

std::size_t ListItems::sortedPosition(const char* text) const {
    // The first block whose last item sorts after the text; the text goes inside it.
    std::size_t low = 0;
    std::size_t high = blocks_.size();
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (CompareItemText(blocks_[mid].back().text, text) <= 0) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    if (low == blocks_.size()) {
        return size_;
    }
    std::size_t before = 0;
    for (std::size_t b = 0; b < low; ++b) {
        before += blocks_[b].size();
    }
    const auto& block = blocks_[low];
    std::size_t first = 0;
    std::size_t last = block.size();
    while (first < last) {
        const std::size_t mid = (first + last) / 2;
        if (CompareItemText(block[mid].text, text) <= 0) {
            first = mid + 1;
        } else {
            last = mid;
        }
    }
    return before + first;
}

void ListItems::erase(std::size_t index) {
    if (index >= size_) {
        return;
    }
    const auto place = locate(index);
    auto& block = blocks_[place.first];
    block.erase(block.begin() + static_cast<std::ptrdiff_t>(place.second));
    if (block.empty()) {
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(place.first));
    }
    --size_;
}

void ListItems::clear() {
    blocks_.clear();
    size_ = 0;
}

} // namespace user_controls
