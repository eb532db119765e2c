// Extensions of the framework for libraries and hosts: everything in afxwin.h.
//
// Control bars (CControlBar, CStatusBar) and frame windows (CFrameWnd) belong here; they come
// with the status bar work and are not part of the platform yet.
#pragma once

#include "afxwin.h"
