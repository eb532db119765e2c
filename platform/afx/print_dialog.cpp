// CPrintDialog: the system's Print and Print Setup dialogs, and the chosen printer read back from
// the DEVNAMES and DEVMODE blocks. The object frees the blocks it still holds when it goes; a
// host that keeps them takes them out of m_pd first.
#include <afxdlgs.h>

#include <cstring>

IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)

BEGIN_MESSAGE_MAP(CPrintDialog, CCommonDialog)
ON_COMMAND(psh1, OnPrintSetup)
END_MESSAGE_MAP()

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_pd(m_pdActual) {
    std::memset(&m_pdActual, 0, sizeof(m_pdActual));
    m_pd.lStructSize = sizeof(m_pdActual);
    m_pd.Flags = dwFlags | PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK;
    m_pd.lpfnPrintHook = AfxCommDlgProc;
    m_pd.lpfnSetupHook = AfxCommDlgProc;
    m_pd.nCopies = 1;
    m_pd.nFromPage = 1;
    m_pd.nToPage = 1;
    m_pd.nMinPage = 1;
    m_pd.nMaxPage = 0xFFFF;
    if (bPrintSetupOnly)
        m_pd.Flags |= PD_PRINTSETUP;
    else
        m_pd.Flags |= PD_RETURNDC;
}

CPrintDialog::~CPrintDialog() {
    if (m_pd.hDevMode != NULL)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames != NULL)
        ::GlobalFree(m_pd.hDevNames);
}

namespace {

BOOL RunPrint(void* record) {
    return ::PrintDlgA(static_cast<PRINTDLGA*>(record));
}

} // namespace

INT_PTR CPrintDialog::DoModal() {
    m_pd.hwndOwner = PreModal();
    const BOOL bResult = RunAttached(RunPrint, &m_pd);
    PostModal();
    return bResult ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults() {
    const DWORD dwFlags = m_pd.Flags;
    m_pd.Flags |= PD_RETURNDEFAULT;
    m_pd.Flags &= ~static_cast<DWORD>(PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK);
    // PD_RETURNDEFAULT wants no blocks going in.
    if (m_pd.hDevMode != NULL) {
        ::GlobalFree(m_pd.hDevMode);
        m_pd.hDevMode = NULL;
    }
    if (m_pd.hDevNames != NULL) {
        ::GlobalFree(m_pd.hDevNames);
        m_pd.hDevNames = NULL;
    }
    const BOOL bResult = ::PrintDlgA(&m_pd);
    m_pd.Flags = dwFlags;
    return bResult;
}

CString CPrintDialog::DevNamesString(WORD DEVNAMES::*offset) const {
    if (m_pd.hDevNames == NULL)
        return CString();
    const SIZE_T size = ::GlobalSize(m_pd.hDevNames);
    const char* block = static_cast<const char*>(::GlobalLock(m_pd.hDevNames));
    CString text;
    if (block != NULL && size >= sizeof(DEVNAMES)) {
        const WORD at = reinterpret_cast<const DEVNAMES*>(block)->*offset;
        if (at < size) {
            const char* start = block + at;
            const void* end = std::memchr(start, '\0', size - at);
            if (end != NULL)
                text = start;
        }
    }
    if (block != NULL)
        ::GlobalUnlock(m_pd.hDevNames);
    return text;
}

CString CPrintDialog::GetDeviceName() const {
    return DevNamesString(&DEVNAMES::wDeviceOffset);
}

CString CPrintDialog::GetDriverName() const {
    return DevNamesString(&DEVNAMES::wDriverOffset);
}

CString CPrintDialog::GetPortName() const {
    return DevNamesString(&DEVNAMES::wOutputOffset);
}

int CPrintDialog::GetCopies() const {
    if (m_pd.Flags & PD_USEDEVMODECOPIES) {
        LPDEVMODEA mode = GetDevMode();
        if (mode != NULL) {
            const int copies = mode->dmCopies;
            ::GlobalUnlock(m_pd.hDevMode);
            // The system dialog keeps the count in m_pd when the device does not collate copies.
            return copies > 1 ? copies : m_pd.nCopies;
        }
    }
    return m_pd.nCopies;
}

int CPrintDialog::GetFromPage() const {
    return PrintRange() ? m_pd.nFromPage : -1;
}

int CPrintDialog::GetToPage() const {
    return PrintRange() ? m_pd.nToPage : -1;
}

HDC CPrintDialog::GetPrinterDC() const {
    return m_pd.hDC;
}

LPDEVMODEA CPrintDialog::GetDevMode() const {
    if (m_pd.hDevMode == NULL)
        return NULL;
    return static_cast<LPDEVMODEA>(::GlobalLock(m_pd.hDevMode));
}

void CPrintDialog::OnPrintSetup() {
    // The classic print layout offers no Setup button; a host's template may.
    Default();
}
