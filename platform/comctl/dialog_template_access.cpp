#include "comctl/dialog_template_access.h"

namespace comctl {

struct OwnedTemplate::Storage {
    DLGTEMPLATE dialog;
};

bool ReadTemplateFacts(const DLGTEMPLATE* t, TemplateFacts& facts) {
    if (!t) {
        return false;
    }
    facts.style = t->style;
    facts.cx = t->cx;
    facts.cy = t->cy;
    facts.caption = t->caption;
    facts.fontFace = (t->style & DS_SETFONT) ? t->fontFace : std::string();
    facts.pointSize = t->pointSize;
    return true;
}

OwnedTemplate::OwnedTemplate() : storage_(new Storage) {}
OwnedTemplate::~OwnedTemplate() = default;

const DLGTEMPLATE* OwnedTemplate::get() const {
    return &storage_->dialog;
}

bool OwnedTemplate::MakeChildOf(const DLGTEMPLATE* page) {
    if (!page) {
        return false;
    }
    storage_->dialog = *page;
    DWORD& style = storage_->dialog.style;
    style &= ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE | WS_DISABLED |
               DS_MODALFRAME | DS_CENTER);
    style |= WS_CHILD | DS_CONTROL | DS_3DLOOK;
    storage_->dialog.x = 0;
    storage_->dialog.y = 0;
    return true;
}

void OwnedTemplate::MakeEmpty(DWORD style, DWORD exStyle, const char* caption, const char* fontFace,
                              WORD pointSize) {
    DLGTEMPLATE& d = storage_->dialog;
    d = DLGTEMPLATE{};
    d.style = style;
    d.exStyle = exStyle;
    d.caption = caption ? caption : "";
    d.fontFace = fontFace ? fontFace : "";
    d.pointSize = pointSize;
}

} // namespace comctl
