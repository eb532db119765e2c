// What the framework's own source files share and nothing outside platform/afx may use.
#pragma once

#include <afxwin.h>
#include <afxpriv.h>

#include "afx/handle_slots.h"

#include <cstddef>

namespace afx_internal {

// Diagnostics (object.cpp)
void ResetAssertFailureCount();

// Module state (module_state.cpp)
void ResetModuleState();
void SetInstanceHandle(HINSTANCE hInstance);

// Handle maps (wnd_handle_map.cpp)
// The objects that own their windows. Reached directly (not through a function with a guarded
// static) because every framework message looks its window up here; made before main and never
// destroyed, so objects going at exit may still look at it.
using WindowMap = HandleSlots<HWND, CWnd*>;
extern WindowMap& g_permanentWindows;
size_t PermanentWindowCount();
size_t TemporaryWindowCount();
// Lets go of every permanent object without deleting it (after their windows are gone).
void ForgetPermanentMap();
// The windows that have permanent objects.
void CollectPermanentWindows(HWND* pOut, size_t nMax, size_t* pnCount);

// Command routing (cmd_target.cpp)
// False when no entry of the map or its bases is for commands of message nMsg (WM_COMMAND,
// WM_NOTIFY or their reflections): routing such a command there finds nothing.
bool MapMayRoute(const AFX_MSGMAP* pMap, UINT nMsg);

// Creation (wnd_create.cpp)
// The object CreateEx is making a window for, attached to hWnd; NULL when none waits.
CWnd* AdoptPendingWindow(HWND hWnd);
void ForgetPendingWindow(CWnd* pWnd);
// After WM_NCDESTROY: detaches an object that is still attached to the dead window.
void ForgetDestroyedWindow(HWND hWnd);

// Calls in progress (wnd_proc.cpp)
// True when pWnd is still inside one of its own handlers below the current message: its
// PostNcDestroy then runs when that handler returns.
bool DeferPostNcDestroy(CWnd* pWnd);
// The object is being deleted: calls in progress must not touch it again.
void ForgetActiveCalls(CWnd* pWnd);

// Message pump (wnd_modal.cpp)
BOOL PumpMessage(MSG& msg);
// Hands a message from GetMessage to the framework and the window (PreTranslateMessage first).
void DispatchPumpedMessage(MSG& msg);
BOOL PreTranslateThroughFramework(MSG* pMsg);
BOOL IsIdleMessage(const MSG& msg);

// Window classes (register_class.cpp)
void ForgetRegisteredClassNames();

// Frame windows (frame_wnd.cpp)
void ForgetFrames();
// Whether any CFrameWnd object exists (a reset forgets frames, not this).
bool AnyFrameObject();

// Drawing objects (wnd_gdi.cpp)
CFont* FontFromHandle(HFONT hFont);

} // namespace afx_internal
