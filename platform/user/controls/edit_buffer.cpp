#include "user/controls/edit_buffer.h"

#include <algorithm>

namespace user_controls {

void EditBuffer::SetText(const char* text) {
    text_ = text != nullptr ? text : "";
    anchor_ = caret_ = 0;
    canUndo_ = false;
}

void EditBuffer::SetSelection(long long start, long long end) {
    if (start == -1) {
        anchor_ = caret_;
        return;
    }
    const auto clamp = [this](long long position) {
        if (position < 0 || static_cast<unsigned long long>(position) > text_.size()) {
            return text_.size();
        }
        return static_cast<std::size_t>(position);
    };
    anchor_ = clamp(start);
    caret_ = clamp(end);
}

void EditBuffer::MoveCaret(std::size_t position, bool extend) {
    caret_ = std::min(position, text_.size());
    if (!extend) {
        anchor_ = caret_;
    }
}

EditBuffer::ReplaceResult EditBuffer::ReplaceSelection(const std::string& insert,
                                                       std::size_t limit) {
    ReplaceResult result;
    const std::size_t start = selectionStart();
    const std::size_t end = selectionEnd();
    const std::size_t kept = text_.size() - (end - start);
    const std::size_t room = kept < limit ? limit - kept : 0;
    std::string piece = insert;
    if (piece.size() > room) {
        piece.resize(room);
        result.truncated = true;
    }
    if (piece.empty() && start == end) {
        return result;
    }
    RememberForUndo();
    text_.replace(start, end - start, piece);
    anchor_ = caret_ = start + piece.size();
    result.changed = true;
    return result;
}

bool EditBuffer::DeleteBackward() {
    if (hasSelection()) {
        Erase(selectionStart(), selectionEnd());
        return true;
    }
    if (caret_ == 0) {
        return false;
    }
    Erase(caret_ - 1, caret_);
    return true;
}

bool EditBuffer::DeleteForward() {
    if (hasSelection()) {
        Erase(selectionStart(), selectionEnd());
        return true;
    }
    if (caret_ >= text_.size()) {
        return false;
    }
    Erase(caret_, caret_ + 1);
    return true;
}

bool EditBuffer::Undo() {
    if (!canUndo_) {
        return false;
    }
    std::swap(text_, undoText_);
    std::swap(anchor_, undoAnchor_);
    std::swap(caret_, undoCaret_);
    anchor_ = std::min(anchor_, text_.size());
    caret_ = std::min(caret_, text_.size());
    return true;
}

void EditBuffer::RememberForUndo() {
    undoText_ = text_;
    undoAnchor_ = anchor_;
    undoCaret_ = caret_;
    canUndo_ = true;
}

void EditBuffer::Erase(std::size_t from, std::size_t to) {
    RememberForUndo();
    text_.erase(from, to - from);
    anchor_ = caret_ = from;
}

} // namespace user_controls
