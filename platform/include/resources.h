// Module resources: each module (the host executable, libruzav32.so) owns a table of resources
// kept exactly as a compiled resource file (.res) holds them: raw bytes keyed by type and name,
// in Win32's binary forms. The Win32 side reads them back through FindResourceA, LoadResource,
// LockResource and SizeofResource, LoadStringA and LoadBitmapA, CreateDialogParamA and
// DialogBoxParamA.
//
// Hosts bring their resources as .rc sources compiled at build time (the CMake function
// ruzav_add_resources attaches the result to the program, so no code is needed to load it).
// The C++ builders below are a convenience for tests: they produce the same binary forms.
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

// The template in Win32's binary DLGTEMPLATE form (texts in UTF-16, the standard classes as
// their ordinals), ready for CreateDialogIndirectParamA:
//     std::vector<BYTE> bytes = resources::BuildDialog(t);
//     CreateDialogIndirectParamA(instance, (LPCDLGTEMPLATEA)bytes.data(), ...);
std::vector<BYTE> BuildDialog(const DialogTemplate& dialog);

// A built template that turns into the pointer the Indirect calls take; keep it alive as long
// as the pointer is used:
//     resources::DialogBytes bytes(t);
//     DialogBoxIndirectParamA(instance, bytes, owner, proc, 0);
class DialogBytes {
public:
    explicit DialogBytes(const DialogTemplate& dialog) : bytes_(BuildDialog(dialog)) {}
    template <typename Record> operator const Record*() const {
        return reinterpret_cast<const Record*>(bytes_.data());
    }
    const std::vector<BYTE>& Bytes() const { return bytes_; }

private:
    std::vector<BYTE> bytes_;
};

// A resource name is an integer identifier (MAKEINTRESOURCE) or a string, compared
// case-insensitively as Win32 does; so is a type. A resource added again under the same type
// and name replaces the first.
void AddResource(HINSTANCE module, LPCSTR type, LPCSTR name, std::vector<BYTE> bytes);

// The string goes into its RT_STRING block of 16 (block id / 16 + 1), as a resource compiler
// puts it.
void AddString(HINSTANCE module, UINT id, const char* text);
// The string with this identifier from the module's RT_STRING block, in code page 1252; FALSE
// when there is none (an empty string counts as none, as LoadStringA sees it).
BOOL ReadString(HINSTANCE module, UINT id, std::string* text);
// The bytes of a BMP file; stored as RT_BITMAP without the file header, as in a .res.
void AddBitmap(HINSTANCE module, LPCSTR name, std::vector<BYTE> bmpFileBytes);
BOOL AddBitmapFile(HINSTANCE module, LPCSTR name, const char* hostPath);
void AddDialog(HINSTANCE module, LPCSTR name, const DialogTemplate& dialog);

// Adds every resource of a compiled resource file (.res). The whole file is checked first: one
// that is truncated, misaligned or has a size pointing past its end adds nothing and gives
// FALSE. A resource of an integer type Win32 does not define is left out (FALSE, though the
// rest are added), so nothing unknown reaches a caller.
BOOL LoadResFile(HINSTANCE module, const void* data, size_t size);
BOOL LoadResFileFromPath(HINSTANCE module, const char* hostPath);

// Attaches a compiled resource file to the module that holds anyAddressInModule, as a linker
// puts it into the image: loaded when first asked for and again after every ClearAll. The data
// must stay valid for the life of the program (the build embeds it as a constant).
void LinkResFile(const void* anyAddressInModule, const void* data, size_t size);

// How many bytes of a resource start at p (0 when p is not inside one), so a parser handed only
// a pointer can still stay inside the resource's data.
size_t BytesAvailableAt(const void* p);

// Forgets every resource of every module added at run time (desktop::reset does this); linked
// resource files stay.
void ClearAll();

} // namespace resources
