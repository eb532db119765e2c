// CDlg::ShowError: error boxes owned by the dialog, under its title unless told otherwise.
#include <ruzav32/dialogs.h>

int CDlg::ShowError(UINT nIDText, UINT nIDCaption, UINT nType) {
    // A string that cannot be loaded leaves its part empty rather than failing the box.
    CString strText;
    strText.LoadString(nIDText);
    if (nIDCaption == 0)
        return ShowError(strText, NULL, nType);
    CString strCaption;
    strCaption.LoadString(nIDCaption);
    return ShowError(strText, strCaption, nType);
}

int CDlg::ShowError(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) {
    CString strTitle;
    if (lpszCaption == NULL && HasWindow()) {
        GetWindowText(strTitle);
        lpszCaption = strTitle;
    }
    // Without a window there is no title to show: the box falls back on the application's
    // name, or the system's own caption.
    return MessageBox(lpszText != NULL ? lpszText : "", lpszCaption, nType);
}
