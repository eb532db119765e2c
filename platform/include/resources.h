// Module resources: what a host's resource script would hold, filled through C++.
//
// Each module (the host executable, libruzav32.so) owns a table of string, bitmap and dialog
// resources. Hosts and tests fill it here; the Win32 side reads it back through FindResourceA,
// LoadResource, LockResource and SizeofResource (RT_DIALOG locks to a DialogTemplate, RT_BITMAP
// to the bytes of a BMP file), LoadStringA and LoadBitmapA.
#pragma once

#include "windef.h"

#include <string>
#include <vector>

namespace resources {

// One control of a dialog template; position and size in dialog units.
struct DialogItem {
    std::string className; // "EDIT", "BUTTON", "STATIC", "SCROLLBAR" or a registered class
    std::string text;
    WORD id = 0;
    DWORD style = 0; // WS_CHILD and WS_VISIBLE are not implied: give them as a template would
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
};

// A dialog box template; position and size in dialog units of its font.
struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string caption;
    std::string fontFace; // with DS_SETFONT
    WORD pointSize = 8;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::vector<DialogItem> items;
};

// A resource name is an integer identifier (MAKEINTRESOURCE) or a string, compared
// case-insensitively as Win32 does.
void AddString(HINSTANCE module, UINT id, const char* text);
void AddBitmap(HINSTANCE module, LPCSTR name, std::vector<BYTE> bmpFileBytes);
BOOL AddBitmapFile(HINSTANCE module, LPCSTR name, const char* hostPath);
void AddDialog(HINSTANCE module, LPCSTR name, DialogTemplate dialog);

// The string with this identifier, or nullptr.
const char* FindString(HINSTANCE module, UINT id);

// Forgets every resource of every module (desktop::reset does this).
void ClearAll();

} // namespace resources
