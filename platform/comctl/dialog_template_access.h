// The property sheet's only contact with the form of dialog templates: the facts it reads from a
// page's template, a page's template turned into a child's, and the sheet's own empty template.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace comctl {

struct TemplateFacts {
    DWORD style = 0;
    short cx = 0;
    short cy = 0;
    std::string caption;
    std::string fontFace; // empty without DS_SETFONT
    WORD pointSize = 0;
};

// size bounds the reading: a resource's size, or SIZE_MAX for a template the host built.
bool ReadTemplateFacts(const DLGTEMPLATE* dialogTemplate, size_t size, TemplateFacts& facts);

// A template owned here, alive as long as this object.
class OwnedTemplate {
public:
    OwnedTemplate();
    ~OwnedTemplate();
    OwnedTemplate(const OwnedTemplate&) = delete;
    OwnedTemplate& operator=(const OwnedTemplate&) = delete;
    const DLGTEMPLATE* get() const;

    // The page's template as a hidden child dialog (DS_CONTROL, WS_CHILD; no caption, frame or
    // WS_VISIBLE), its controls and font kept.
    bool MakeChildOf(const DLGTEMPLATE* page, size_t size);
    // An empty dialog box of no size with this style, caption and font.
    void MakeEmpty(DWORD style, DWORD exStyle, const char* caption, const char* fontFace,
                   WORD pointSize);

private:
    struct Storage;
    std::unique_ptr<Storage> storage_;
};

} // namespace comctl
