// The help model the library's dialog classes share: a help context identifier and an optional
// explicit help file kept in a MAX_PATH buffer.
#pragma once

#include <afxwin.h>

// Copies a help file path into the buffer; NULL or "" empties it. A path of MAX_PATH characters
// or more is refused (FALSE) and the buffer keeps what it held: cutting it would name another
// file.
BOOL StoreHelpFile(char (&buffer)[MAX_PATH], LPCSTR lpszHelpFile);

// Opens the help context (its low 16 bits) for hWnd: in the explicit file with WinHelpA when one
// is set, else in the library's help file. A context of 0 opens nothing.
void OpenDialogHelp(HWND hWnd, UINT nHelpID, const char* pszHelpFile);

// The same for the file and print dialogs, which pass the whole identifier: 0x12345 opens
// 0x12345 (the caller has checked that it is not 0).
void OpenWholeContextHelp(HWND hWnd, DWORD dwContext, const char* pszHelpFile);

// A dialog's thin font at its initialisation (MakeThinFont). A failure returns NULL and leaves
// the variable alone; storing that NULL would lose a font made at an earlier opening.
void ApplyThinFont(CWnd* pWnd, HFONT& hThinFont);
