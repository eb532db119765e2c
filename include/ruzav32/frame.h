// The library's frame: what every part of RUZAV32 shares and hosts may use directly.
//
// The library registers itself with the framework as an extension library when it is loaded;
// nothing else runs at load and nothing at unload. Its one configuration file is "MAIN.INI"
// beside the library, whose [General] HelpFile names the help file that dialogs without a help
// file of their own open.
//
// Contents: eWindowPositions (how CDlg and CPropSheet place themselves) - MakeThinFont.
#pragma once

#include <afxwin.h>

// Where a dialog or property sheet places itself when it is initialised. Any other value acts
// as wpCenterParent. Whatever is asked, a window without a parent is centred in the work area,
// and one that would not fit in its parent's height below the caption is cascaded.
//
// The rule travels as a 32-bit integer that hosts may fill with any value, so every int is a
// valid eWindowPositions, not only the three named ones.
enum eWindowPositions : int {
    wpCenterParent = 0, // centred on the parent window
    wpCenterScreen = 1, // centred in the desktop's work area
    wpCascade = 2,      // offset from the parent's top-left corner
};

// Gives pWnd and every window below it a normal-weight copy of pWnd's font, on systems older
// than version 3.95 where dialog fonts are bold; elsewhere it does nothing and returns NULL.
//
// hOldFont is the caller's font variable: when a new font is made and in place, the font it
// holds (if any) is deleted and the variable set to NULL. The caller owns the returned font,
// stores it back in that variable and deletes it when done:
//
//     m_hThinFont = MakeThinFont(this, m_hThinFont);   // in OnInitDialog
//     if (m_hThinFont) ::DeleteObject(m_hThinFont);     // in the destructor
//
// Returns NULL, changing neither the window's font nor the variable, on a newer system, for a
// window that uses the system font or has no window yet, or when the font cannot be copied.
AFX_EXT_API HFONT MakeThinFont(CWnd* pWnd, HFONT& hOldFont);
