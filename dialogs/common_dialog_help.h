// What the library's file and print dialogs share: the explicit help file they keep and the help
// they open, both for all 32 bits of their help identifier.
#pragma once

#include <afxwin.h>

// Copies a help file path into a MAX_PATH buffer; NULL or "" clears it. A path of MAX_PATH
// characters or more is refused and the buffer keeps what it held: FALSE.
BOOL StoreHelpFile(char (&szHelpFile)[MAX_PATH], LPCSTR lpszHelpFile);

// Opens help for a dialog: nothing without a help identifier; the explicit file when there is
// one, else the library's help file.
void OpenCommonDialogHelp(HWND hWnd, UINT nHelpID, const char* szHelpFile);

// The thin font of a dialog's initialisation: a failure keeps the font made before.
void ApplyThinFont(CWnd* pWnd, HFONT& hThinFont);
