// CKExtStatusBar: the framework status bar with host-described panes, click messages, an idle
// and a timed idle message in pane 0, a light font and a bitmap pane.
#include <ruzav32/status.h>

#include <afxpriv.h>

#include <cstring>
#include <new>

namespace {

const char kDefaultIdle[] = "Ready";
const char kFaceName[] = "MS Sans Serif";

// True once `now` has passed `end`, also across the tick count's wrap after 49.7 days:
// an end at 0xFFFFFF00 has passed at 0x00000010.
bool TickPassed(DWORD now, DWORD end) {
    return static_cast<LONG>(now - end) > 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CKExtStatusBar, CStatusBar)
ON_WM_LBUTTONDOWN()
ON_WM_PAINT()
ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

CKExtStatusBar::CKExtStatusBar() : m_dwTimedIdleEnd(0), m_bBitmapPane(FALSE) {
    if (!m_strDefaultIdle.LoadString(AFX_IDS_IDLEMESSAGE))
        m_strDefaultIdle = kDefaultIdle;
    m_strIdle = m_strDefaultIdle;
    m_cxLeftBorder = 2;
    m_cxRightBorder = 2;
}

CKExtStatusBar::~CKExtStatusBar() {
    // The window goes first, so nothing paints with the font and bitmap released below.
    DestroyWindow();
    for (INT_PTR i = 0; i < m_arrPanes.GetSize(); ++i)
        delete static_cast<tagCKStatusBarPane*>(m_arrPanes[i]);
    m_arrPanes.RemoveAll();
    m_bitmap.DeleteObject();
    m_font.DeleteObject();
}

BOOL CKExtStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    if (!CStatusBar::Create(pParentWnd, dwStyle, nID))
        return FALSE;
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    BOOL bFont = FALSE;
    if (::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof lf, &lf) == sizeof lf) {
        lf.lfHeight = -12;
        lf.lfWidth = 5;
        lf.lfWeight = 100;
        static_assert(sizeof kFaceName <= sizeof lf.lfFaceName, "face name fits");
        std::memcpy(lf.lfFaceName, kFaceName, sizeof kFaceName);
        bFont = m_font.CreateFontIndirect(&lf);
    }
    SetFont(bFont ? &m_font : CFont::FromHandle(static_cast<HFONT>(::GetStockObject(SYSTEM_FONT))),
            FALSE);
    InsertPane(0, 0, 0, 0); // the message pane
    return TRUE;
}

tagCKStatusBarPane* CKExtStatusBar::GetPane(int nIndex) {
    if (nIndex < 0 || nIndex >= m_arrPanes.GetSize())
        return NULL;
    return static_cast<tagCKStatusBarPane*>(m_arrPanes[nIndex]);
}

BOOL CKExtStatusBar::InsertPane(int nAt, UINT nIndicatorID, UINT nWidth, UINT nMessageID) {
    if (m_hWnd == NULL)
        return FALSE;
    tagCKStatusBarPane* pPane = new (std::nothrow) tagCKStatusBarPane;
    if (pPane == NULL)
        return FALSE;
    pPane->nIndicatorID = nIndicatorID;
    pPane->nMessageID = nMessageID;
    pPane->nWidth = nWidth;
    m_arrPanes.InsertAt(nAt, pPane);
    SetIndicators();
    return TRUE;
}

BOOL CKExtStatusBar::AddPane(UINT nIndicatorID, UINT nWidth, UINT nMessageID) {
    int nCount = static_cast<int>(m_arrPanes.GetSize());
    // The bitmap pane stays the last one.
    return InsertPane(m_bBitmapPane && nCount > 1 ? nCount - 1 : nCount, nIndicatorID, nWidth,
                      nMessageID);
}

void CKExtStatusBar::SetIndicators() {
    const int nCount = static_cast<int>(m_arrPanes.GetSize());
    if (nCount == 0)
        return;
    UINT* pIDs = new (std::nothrow) UINT[static_cast<size_t>(nCount)];
    if (pIDs == NULL)
        return;
    for (int i = 0; i < nCount; ++i)
        pIDs[i] = GetPane(i)->nIndicatorID;
    // Rebuilding the panes empties them; the message pane keeps what it shows.
    CString strMessage = GetPaneText(0);
    CStatusBar::SetIndicators(pIDs, nCount);
    delete[] pIDs;
    for (int i = 0; i < nCount; ++i) {
        const tagCKStatusBarPane* pPane = GetPane(i);
        if (m_bBitmapPane && i == m_nCount - 1)
            SetPaneInfo(i, 0, SBPS_DISABLED, static_cast<int>(pPane->nWidth));
        else if (pPane->nWidth != 0)
            SetPaneInfo(i, pPane->nMessageID, SBPS_NORMAL, static_cast<int>(pPane->nWidth));
    }
    // One eighth of the screen, and whatever width the bar has left over.
    SetPaneInfo(0, 0, SBPS_STRETCH, ::GetSystemMetrics(SM_CXSCREEN) / 8);
    SetPaneText(0, strMessage, TRUE);
}

LRESULT CKExtStatusBar::OnSetText(WPARAM, LPARAM lParam) {
    LPCSTR lpszText = reinterpret_cast<LPCSTR>(lParam);
    if (lpszText != NULL && std::strcmp(lpszText, m_strDefaultIdle) == 0)
        lpszText = m_dwTimedIdleEnd != 0 ? static_cast<LPCSTR>(m_strTimedIdle)
                                         : static_cast<LPCSTR>(m_strIdle);
    SetPaneText(0, lpszText, TRUE);
    return 0;
}

void CKExtStatusBar::SetIdleMessage(LPCSTR lpszText) {
    if (lpszText != NULL && *lpszText != '\0')
        m_strIdle = lpszText;
    else
        m_strIdle.Empty();
    SetPaneText(0, m_strIdle, TRUE);
}

void CKExtStatusBar::SetTimedIdleMessage(LPCSTR lpszText, DWORD dwDuration) {
    m_strTimedIdle = lpszText != NULL ? lpszText : "";
    m_dwTimedIdleEnd = ::GetTickCount() + dwDuration;
    // 0 means "none pending": an end that falls on tick 0 ends a tick later instead.
    if (m_dwTimedIdleEnd == 0)
        m_dwTimedIdleEnd = 1;
    SetPaneText(0, m_strTimedIdle, TRUE);
}

void CKExtStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    if (m_dwTimedIdleEnd != 0 && TickPassed(::GetTickCount(), m_dwTimedIdleEnd)) {
        m_dwTimedIdleEnd = 0;
        SetPaneText(0, m_strIdle, TRUE);
    }
    CStatusBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

void CKExtStatusBar::OnLButtonDown(UINT nFlags, CPoint point) {
    for (int i = 0; i < m_nCount; ++i) {
        CRect rect;
        GetItemRect(i, &rect);
        if (!::PtInRect(&rect, point))
            continue;
        const tagCKStatusBarPane* pPane = GetPane(i);
        if (pPane != NULL && pPane->nMessageID != 0)
            ::PostMessageA(::GetParent(m_hWnd), pPane->nMessageID, nFlags, 0);
        break;
    }
    CControlBar::OnLButtonDown(nFlags, point);
}

void CKExtStatusBar::TakeBitmap(HBITMAP hBitmap, UINT nWidth, UINT nMessageID) {
    m_bitmap.DeleteObject();
    m_bitmap.Attach(hBitmap);
    if (m_hWnd == NULL)
        return; // kept (and deleted with the bar), but there is no pane to show it in yet
    if (m_bBitmapPane) {
        // The one bitmap pane takes the new bitmap, width and message.
        tagCKStatusBarPane* pLast = GetPane(static_cast<int>(m_arrPanes.GetSize()) - 1);
        pLast->nWidth = nWidth;
        pLast->nMessageID = nMessageID;
        SetIndicators();
        return;
    }
    m_bBitmapPane = TRUE;
    if (!InsertPane(static_cast<int>(m_arrPanes.GetSize()), 0, nWidth, nMessageID))
        m_bBitmapPane = FALSE;
}

void CKExtStatusBar::SetBitmapResource(UINT nIDResource, UINT nWidth, UINT nMessageID) {
    LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    HBITMAP hBitmap = ::LoadBitmapA(AfxFindResourceHandle(lpszName, RT_BITMAP), lpszName);
    if (hBitmap != NULL)
        TakeBitmap(hBitmap, nWidth, nMessageID);
}

void CKExtStatusBar::SetBitmapHandle(HBITMAP hBitmap, UINT nWidth, UINT nMessageID) {
    if (hBitmap == NULL || ::GetObjectType(hBitmap) != OBJ_BITMAP)
        return;
    TakeBitmap(hBitmap, nWidth, nMessageID);
}

void CKExtStatusBar::SetHeight(int) {}

void CKExtStatusBar::OnPaint() {
    CStatusBar::OnPaint();
    if (m_bBitmapPane)
        OnPaintStatusBMP();
}

void CKExtStatusBar::OnPaintStatusBMP() {
    if (m_bitmap.m_hObject == NULL || m_nCount == 0)
        return;
    HDC hDC = ::GetDC(m_hWnd);
    HDC hMemDC = ::CreateCompatibleDC(hDC);
    HGDIOBJ hOld = ::SelectObject(hMemDC, m_bitmap.m_hObject);
    CRect rect;
    GetItemRect(m_nCount - 1, &rect);
    rect.DeflateRect(1, 1);
    const int cx = rect.Width(), cy = rect.Height();
    BITMAP bm;
    std::memset(&bm, 0, sizeof bm);
    ::GetObjectA(m_bitmap.m_hObject, sizeof bm, &bm);
    int x = rect.left, y = rect.top;
    if (bm.bmWidth < cx)
        x += (cx - bm.bmWidth) / 2;
    if (bm.bmHeight < cy)
        y += (cy - bm.bmHeight) / 2;
    // Only the bitmap itself is copied, and no more than the pane holds: around a small bitmap
    // the pane keeps its own face.
    ::BitBlt(hDC, x, y, bm.bmWidth < cx ? bm.bmWidth : cx, bm.bmHeight < cy ? bm.bmHeight : cy,
             hMemDC, 0, 0, SRCCOPY);
    ::SelectObject(hMemDC, hOld);
    ::DeleteDC(hMemDC);
    ::ReleaseDC(m_hWnd, hDC);
}
