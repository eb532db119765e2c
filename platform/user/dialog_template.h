// Binary dialog templates (DLGTEMPLATE and DLGTEMPLATEEX) read into plain records.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace wm {

struct TemplateItem {
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    std::string className;              // a standard class's ordinal is given by its name
    std::string text;                   // an ordinal text (an icon's resource) as "#123"
    const void* creationData = nullptr; // the WORD count and the bytes after it, if any
};

struct ParsedTemplate {
    bool extended = false;
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string menu;      // "#id" or a name; empty for none
    std::string className; // empty for the dialog class
    std::string caption;
    bool hasFont = false; // DS_SETFONT with a face (not the 0x7FFF "message box font")
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charSet = 0;
    std::string fontFace;
    std::vector<TemplateItem> items;
};

// Reads the template at data, never past size bytes. False for a template that ends early.
bool ParseDialogTemplate(const void* data, size_t size, ParsedTemplate* out);

} // namespace wm
