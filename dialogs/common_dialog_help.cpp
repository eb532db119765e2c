#include "dialogs/common_dialog_help.h"

#include <afxwin.h>

#include <ruzav32/frame.h>

#include "frame/frame_services.h"

#include <cstring>

BOOL StoreHelpFile(char (&szHelpFile)[MAX_PATH], LPCSTR lpszHelpFile) {
    if (lpszHelpFile == NULL) {
        szHelpFile[0] = '\0';
        return TRUE;
    }
    // A longer path names no file the help engine could open; cutting it would name another.
    const std::size_t nLength = strnlen(lpszHelpFile, MAX_PATH);
    if (nLength >= MAX_PATH)
        return FALSE;
    std::memcpy(szHelpFile, lpszHelpFile, nLength + 1);
    return TRUE;
}

void OpenCommonDialogHelp(HWND hWnd, UINT nHelpID, const char* szHelpFile) {
    if (nHelpID == 0)
        return;
    if (szHelpFile[0] != '\0')
        ::WinHelpA(hWnd, szHelpFile, HELP_CONTEXT, nHelpID);
    else
        LaunchContextHelp(hWnd, nHelpID, 0);
}

void ApplyThinFont(CWnd* pWnd, HFONT& hThinFont) {
    // On failure MakeThinFont leaves the variable alone and returns NULL; storing that NULL would
    // lose a font made at an earlier opening of the same dialog.
    HFONT hThin = MakeThinFont(pWnd, hThinFont);
    if (hThin != NULL)
        hThinFont = hThin;
}
