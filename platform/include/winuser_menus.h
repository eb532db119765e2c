// Menus and accelerators: menu bars and pop-up menus built in code or loaded from menu
// resources, their item states, TrackPopupMenu, and accelerator tables.
// (Included by winuser.h.)
#pragma once

// Item flags (AppendMenuA, InsertMenuA, ModifyMenuA) and states (GetMenuState).
#define MF_INSERT 0x00000000L
#define MF_CHANGE 0x00000080L
#define MF_APPEND 0x00000100L
#define MF_DELETE 0x00000200L
#define MF_REMOVE 0x00001000L
#define MF_BYCOMMAND 0x00000000L
#define MF_BYPOSITION 0x00000400L
#define MF_SEPARATOR 0x00000800L
#define MF_ENABLED 0x00000000L
#define MF_GRAYED 0x00000001L
#define MF_DISABLED 0x00000002L
#define MF_UNCHECKED 0x00000000L
#define MF_CHECKED 0x00000008L
#define MF_USECHECKBITMAPS 0x00000200L
#define MF_STRING 0x00000000L
#define MF_BITMAP 0x00000004L
#define MF_OWNERDRAW 0x00000100L
#define MF_POPUP 0x00000010L
#define MF_MENUBARBREAK 0x00000020L
#define MF_MENUBREAK 0x00000040L
#define MF_UNHILITE 0x00000000L
#define MF_HILITE 0x00000080L
#define MF_DEFAULT 0x00001000L
#define MF_SYSMENU 0x00002000L
#define MF_HELP 0x00004000L
#define MF_RIGHTJUSTIFY 0x00004000L
#define MF_MOUSESELECT 0x00008000L
// The last item of a level in a menu resource.
#define MF_END 0x00000080L

// TrackPopupMenu
#define TPM_LEFTBUTTON 0x0000L
#define TPM_RIGHTBUTTON 0x0002L
#define TPM_LEFTALIGN 0x0000L
#define TPM_CENTERALIGN 0x0004L
#define TPM_RIGHTALIGN 0x0008L
#define TPM_TOPALIGN 0x0000L
#define TPM_VCENTERALIGN 0x0010L
#define TPM_BOTTOMALIGN 0x0020L
#define TPM_NONOTIFY 0x0080L
#define TPM_RETURNCMD 0x0100L

// WM_ENTERIDLE's reason while a menu is up.
#define MSGF_MENU 2

HMENU WINAPI CreatePopupMenu();
BOOL WINAPI IsMenu(HMENU menu);
// nIDNewItem is the command, or the HMENU of a pop-up with MF_POPUP.
BOOL WINAPI AppendMenuA(HMENU menu, UINT flags, UINT_PTR idNewItem, LPCSTR newItem);
BOOL WINAPI InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR newItem);
BOOL WINAPI ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR newItem);
// RemoveMenu leaves a pop-up alive for its owner; DeleteMenu destroys it with the item.
BOOL WINAPI RemoveMenu(HMENU menu, UINT position, UINT flags);
BOOL WINAPI DeleteMenu(HMENU menu, UINT position, UINT flags);
// Both answer the item's previous state, or (UINT)-1 / (DWORD)-1 when there is no such item.
UINT WINAPI EnableMenuItem(HMENU menu, UINT idEnableItem, UINT enable);
DWORD WINAPI CheckMenuItem(HMENU menu, UINT idCheckItem, UINT check);
int WINAPI GetMenuItemCount(HMENU menu);
// The command of the item at a position; (UINT)-1 for a pop-up or no item.
UINT WINAPI GetMenuItemID(HMENU menu, int pos);
// For a pop-up: the item count in the high byte and the pop-up's flags in the low byte.
UINT WINAPI GetMenuState(HMENU menu, UINT id, UINT flags);
int WINAPI GetMenuStringA(HMENU menu, UINT idItem, LPSTR string, int maxCount, UINT flags);
HMENU WINAPI GetSubMenu(HMENU menu, int pos);
BOOL WINAPI HiliteMenuItem(HWND hwnd, HMENU menu, UINT idHiliteItem, UINT hilite);
HMENU WINAPI LoadMenuA(HINSTANCE instance, LPCSTR menuName);
HMENU WINAPI LoadMenuIndirectA(const void* menuTemplate);
BOOL WINAPI TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND hwnd,
                           const RECT* rect);
BOOL WINAPI EndMenu();
// An item's rectangle in screen coordinates: a bar item of the window's menu, or an item of a
// pop-up that is open now.
BOOL WINAPI GetMenuItemRect(HWND hwnd, HMENU menu, UINT item, LPRECT rect);
#define LoadMenu LoadMenuA
#define AppendMenu AppendMenuA
#define InsertMenu InsertMenuA
#define ModifyMenu ModifyMenuA
#define GetMenuString GetMenuStringA

// Accelerators
#define FVIRTKEY TRUE
#define FNOINVERT 0x02
#define FSHIFT 0x04
#define FCONTROL 0x08
#define FALT 0x10

typedef struct tagACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
} ACCEL, *LPACCEL;

HACCEL WINAPI LoadAcceleratorsA(HINSTANCE instance, LPCSTR tableName);
HACCEL WINAPI CreateAcceleratorTableA(LPACCEL accel, int count);
BOOL WINAPI DestroyAcceleratorTable(HACCEL accel);
int WINAPI CopyAcceleratorTableA(HACCEL accelSrc, LPACCEL accelDst, int count);
int WINAPI TranslateAcceleratorA(HWND hwnd, HACCEL accel, LPMSG msg);
#define LoadAccelerators LoadAcceleratorsA
#define TranslateAccelerator TranslateAcceleratorA
#define CreateAcceleratorTable CreateAcceleratorTableA

#ifndef RT_ACCELERATOR
#define RT_ACCELERATOR MAKEINTRESOURCEA(9)
#endif
#ifndef ERROR_INVALID_MENU_HANDLE
#define ERROR_INVALID_MENU_HANDLE 1401L
#endif
#ifndef ERROR_MENU_ITEM_NOT_FOUND
#define ERROR_MENU_ITEM_NOT_FOUND 1456L
#endif
#ifndef ERROR_INVALID_DATA
#define ERROR_INVALID_DATA 13L
#endif
#ifndef ERROR_INVALID_ACCEL_HANDLE
#define ERROR_INVALID_ACCEL_HANDLE 1403L
#endif
