// Dialog and menu templates in Win32's binary form, written word by word in memory.
#pragma once

#include <windows.h>

#include <vector>

namespace conformance {

// Writes a template word by word; items start on 4-byte boundaries of the (aligned) buffer.
class TemplateWriter {
public:
    void Word(WORD w) { words_.push_back(w); }
    void Dword(DWORD d) {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void Text(const char* s) {
        while (*s)
            Word(static_cast<unsigned char>(*s++));
        Word(0);
    }
    void Ordinal(WORD id) {
        Word(0xFFFF);
        Word(id);
    }
    void Align() {
        if (words_.size() % 2)
            Word(0);
    }
    void Box(short x, short y, short cx, short cy) {
        for (short v : {x, y, cx, cy})
            Word(static_cast<WORD>(v));
    }
    // A DLGTEMPLATE item up to its identifier; its class, text and creation data follow.
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id) {
        Align();
        Dword(style);
        Dword(0);
        Box(x, y, cx, cy);
        Word(id);
    }
    const DLGTEMPLATE* Get() {
        // A vector of DWORDs keeps the start on a 4-byte boundary.
        aligned_.assign((words_.size() + 1) / 2, 0);
        for (size_t i = 0; i < words_.size(); ++i)
            reinterpret_cast<WORD*>(aligned_.data())[i] = words_[i];
        return reinterpret_cast<const DLGTEMPLATE*>(aligned_.data());
    }

private:
    std::vector<WORD> words_;
    std::vector<DWORD> aligned_;
};

} // namespace conformance
