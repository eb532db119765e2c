// Private messages and helpers of the framework that libraries built on it may use.
#pragma once

#include "afxwin.h"

// Help: a window asked for help on a command (wParam 0, lParam the help context or 0) answers
// TRUE when it handled the request.
#define WM_COMMANDHELP 0x0365
#define WM_HELPHITTEST 0x0366
// Idle time inside a modal loop: wParam MSGF_DIALOGBOX, lParam the idle count.
#define WM_KICKIDLE 0x036A
#define WM_QUERYAFXWNDPROC 0x0360
#define WM_SIZEPARENT 0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_INITIALUPDATE 0x0364
#define WM_EXITHELPMODE 0x0367
#define WM_RECALCPARENT 0x0368
#define WM_SIZECHILD 0x0369
#define WM_QUERYCENTERWND 0x036B
#define WM_DISABLEMODAL 0x036C
#define WM_FLOATSTATUS 0x036D

// WM_SIZEPARENT's lParam: the part of the frame's client area still free; each bar takes its
// strip from it.
struct AFX_SIZEPARENTPARAMS {
    HANDLE hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};

// Help context offsets: a command's help context is its identifier plus its kind's base.
#define HID_BASE_COMMAND 0x00010000UL
#define HID_BASE_RESOURCE 0x00020000UL
#define HID_BASE_PROMPT 0x00030000UL

// The framework's idle prompt string resource (shown by status bars when nothing else is).
#define AFX_IDS_IDLEMESSAGE 0xE001
#define ID_HELP 0xE146
#define ID_CONTEXT_HELP 0xE145
#define ID_DEFAULT_HELP 0xE147
#define ID_HELP_INDEX 0xE142
#define ID_HELP_FINDER 0xE143
#define ID_HELP_USING 0xE144

// The thread's framework state, as far as libraries look at it.
struct AFX_THREAD_STATE {
    MSG m_lastSentMsg; // the message being handled now (CWnd::Default passes it on)
    CWnd* m_pWndInit;  // the object the next created window will belong to
    HHOOK m_hHookOldCbtFilter;
    HWND m_hLockoutNotifyWindow;
    int m_nMsgDepth; // nesting of framework window procedure calls
};
AFX_API AFX_THREAD_STATE* AFXAPI AfxGetThreadState();
