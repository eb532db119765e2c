// The text model of a single-line edit control: the text, the selection as an anchor and a caret,
// replacing the selection under a text limit, and one level of undo. Plain C++, no window
// involved, so the editing rules read (and test) apart from messages and painting.
#pragma once

#include <cstddef>
#include <string>

namespace user_controls {

class EditBuffer {
public:
    const std::string& text() const { return text_; }
    std::size_t length() const { return text_.size(); }
    std::size_t anchor() const { return anchor_; }
    std::size_t caret() const { return caret_; }
    std::size_t selectionStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
    std::size_t selectionEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
    bool hasSelection() const { return anchor_ != caret_; }

    // Replaces the whole text and puts the caret at the start. Forgets the undo state.
    void SetText(const char* text);

    // Win32 selection rules: start -1 keeps the caret and drops the selection; any other negative
    // or too large position means the end of the text. The caret goes to `end`, so start > end
    // selects backwards.
    void SetSelection(long long start, long long end);

    // Moves the caret; with extend the anchor stays, so the selection grows or shrinks.
    void MoveCaret(std::size_t position, bool extend);

    struct ReplaceResult {
        bool changed = false;   // the text is different now
        bool truncated = false; // the limit cut (or refused) the inserted text
    };
    // Puts `insert` in place of the selection, cut so that the text stays within `limit`
    // characters. Example: limit 2, text "ab", caret at the end, insert "c": nothing changes and
    // the result is truncated. The caret ends after the inserted text.
    ReplaceResult ReplaceSelection(const std::string& insert, std::size_t limit);

    // Backspace and Delete: remove the selection, else one character before/after the caret.
    bool DeleteBackward();
    bool DeleteForward();

    bool canUndo() const { return canUndo_; }
    // Swaps the text with its state before the last change (so a second undo redoes).
    bool Undo();
    void ForgetUndo() { canUndo_ = false; }

private:
    void RememberForUndo();
    void Erase(std::size_t from, std::size_t to);

    std::string text_;
    std::size_t anchor_ = 0;
    std::size_t caret_ = 0;
    std::string undoText_;
    std::size_t undoAnchor_ = 0;
    std::size_t undoCaret_ = 0;
    bool canUndo_ = false;
};

} // namespace user_controls
