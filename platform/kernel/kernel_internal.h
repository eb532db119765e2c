// What the kernel layer offers the layers above it (and the driver), beyond the Win32 calls.
//
// Contents: DOS path <-> host path - the platform clock and its manual mode - temporary folders.
#pragma once

#include <winbase.h>

#include <cstddef>
#include <string>

namespace kernel {

// ---- Paths ---------------------------------------------------------------------------------

// The host path of a DOS path ("C:\APPS\MAIN.INI", "c:/apps/main.ini", "\TMP\X", "X.INI").
// Drive letters map to host folders (Z: is / unless the driver says otherwise); a path without
// a drive is taken from the current folder. Each existing component is matched
// case-insensitively, so MAIN.INI finds main.ini; components that do not exist yet are kept as
// given. False (with the last error set) for a null, empty, over-long or unmapped path.
bool HostPathFromDos(const char* dosPath, std::string* hostPath);

// The DOS form of an absolute host path, on the drive whose folder holds it most closely
// ("/tmp/x/WIN.INI" is "Z:\tmp\x\WIN.INI" by default). Empty when no drive holds it.
std::string DosPathFromHost(const std::string& hostPath);

// Bit 0 for A:, bit 1 for B: ...: every mapped drive.
DWORD MappedDriveMask();
// The host's working folder as a DOS path ("C:\\WORK"); empty when no drive holds it.
std::string CurrentDosFolderPath();

// Live GlobalAlloc blocks, and freeing them all (the driver's reset).
std::size_t GlobalBlockCount();
void FreeAllGlobalBlocks();

// ---- Clock ---------------------------------------------------------------------------------

// The platform's tick count (GetTickCount): monotonic milliseconds on a live host, the manual
// clock's reading under the driver.
DWORD CurrentTick();

// True once the driver has reset the platform: time moves only when someone advances it.
bool IsManualClock();

// Moves the manual clock (tick and local time) on; does nothing to a live clock.
void AdvanceManualClock(DWORD milliseconds);

// The window manager fires timers as the clock passes them. When it installs a handler here,
// the driver's desktop::AdvanceClock hands the whole advance to it (the handler moves the clock
// with AdvanceManualClock, timer by timer); without one the clock simply jumps.
using ClockAdvanceHandler = void (*)(DWORD milliseconds);
void SetClockAdvanceHandler(ClockAdvanceHandler handler);
ClockAdvanceHandler GetClockAdvanceHandler();

} // namespace kernel
