// Placing dialogs and property sheets on screen; the arithmetic is in logic/window_placement.
#include "frame/frame_services.h"
#include "frame/logic/window_placement.h"

static_assert(int{wpCenterParent} == placement::CenterParent &&
                  int{wpCenterScreen} == placement::CenterScreen &&
                  int{wpCascade} == placement::Cascade,
              "the placement rules share their values");

namespace {

placement::Rect ToPlacement(const RECT& r) {
    return placement::Rect{r.left, r.top, r.right, r.bottom};
}

} // namespace

void PlaceWindow(CWnd* pWnd, CWnd* pParent, eWindowPositions ePosition) {
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == NULL)
        return;

    placement::Request request;
    request.rule = ePosition;

    RECT work = {};
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
        work.left = 0;
        work.top = 0;
        work.right = ::GetSystemMetrics(SM_CXSCREEN);
        work.bottom = ::GetSystemMetrics(SM_CYSCREEN);
    }
    request.workArea = ToPlacement(work);

    RECT window = {};
    if (!::GetWindowRect(pWnd->GetSafeHwnd(), &window))
        return;
    request.window = ToPlacement(window);

    const HWND hParent = pParent != nullptr ? pParent->GetSafeHwnd() : NULL;
    RECT parent = {};
    if (hParent != NULL && ::GetWindowRect(hParent, &parent)) {
        request.hasParent = true;
        request.parent = ToPlacement(parent);
        request.parentHasMenu = ::GetMenu(hParent) != NULL;
    }

    request.metrics.cyCaption = ::GetSystemMetrics(SM_CYCAPTION);
    request.metrics.cyMenu = ::GetSystemMetrics(SM_CYMENU);
    request.metrics.cxFrame = ::GetSystemMetrics(SM_CXFRAME);
    request.metrics.cyFrame = ::GetSystemMetrics(SM_CYFRAME);

    const placement::Point at = placement::PlaceRect(request);
    pWnd->MoveWindow(at.x, at.y, window.right - window.left, window.bottom - window.top, FALSE);
}
