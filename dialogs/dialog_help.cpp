#include "dialogs/dialog_help.h"

#include "frame/frame_services.h"

#include <ruzav32/frame.h>

#include <cstring>

BOOL StoreHelpFile(char (&buffer)[MAX_PATH], LPCSTR lpszHelpFile) {
    if (lpszHelpFile == NULL) {
        buffer[0] = '\0';
        return TRUE;
    }
    const std::size_t nLength = strnlen(lpszHelpFile, sizeof(buffer));
    if (nLength >= sizeof(buffer))
        return FALSE;
    std::memcpy(buffer, lpszHelpFile, nLength + 1);
    return TRUE;
}

void OpenDialogHelp(HWND hWnd, UINT nHelpID, const char* pszHelpFile) {
    if (nHelpID == 0)
        return;
    OpenWholeContextHelp(hWnd, LOWORD(nHelpID), pszHelpFile);
}

void OpenWholeContextHelp(HWND hWnd, DWORD dwContext, const char* pszHelpFile) {
    if (pszHelpFile != NULL && pszHelpFile[0] != '\0')
        ::WinHelpA(hWnd, pszHelpFile, HELP_CONTEXT, dwContext);
    else
        LaunchContextHelp(hWnd, dwContext, 0);
}

void ApplyThinFont(CWnd* pWnd, HFONT& hThinFont) {
    HFONT hThin = MakeThinFont(pWnd, hThinFont);
    if (hThin != NULL)
        hThinFont = hThin;
}
