// The system version probe.
#include "frame/frame_services.h"

DWORD GetNewLookPlatformId() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!::GetVersionExA(&version))
        return 0; // an unknown system is treated as an old one

    // 3.95 is the first version whose dialogs already use a normal-weight font.
    if (version.dwMajorVersion == 3 && version.dwMinorVersion >= 95)
        return version.dwPlatformId;
    if (version.dwMajorVersion >= 4)
        return version.dwPlatformId;
    return 0;
}
