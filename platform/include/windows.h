// The Win32 API as far as this platform provides it. Each layer declares its own part.
#pragma once

#include "windef.h"
#include "winbase.h"
#include "wingdi.h"
#include "winuser.h"
#include "commdlg.h"
