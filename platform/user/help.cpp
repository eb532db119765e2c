// Help requests are recorded for the driver; a request succeeds when its help file exists.
#include "user/user_internal.h"

#include "kernel/kernel_internal.h"

#include <sys/stat.h>

namespace wm {
namespace {
std::vector<HelpRequest> g_help;
} // namespace

std::vector<HelpRequest>& HelpRequests() {
    return g_help;
}

} // namespace wm

using namespace wm;

BOOL WINAPI WinHelpA(HWND hwnd, LPCSTR helpFile, UINT command, ULONG_PTR data) {
    HelpRequest r{};
    r.hwnd = hwnd;
    r.file = helpFile ? helpFile : "";
    r.command = command;
    r.data = data;
    if ((command == HELP_KEY || command == HELP_PARTIALKEY || command == HELP_COMMAND) && data) {
        r.dataText = (const char*)data;
    }
    if (command == HELP_QUIT) {
        r.result = TRUE;
    } else {
        std::string host;
        struct stat st {};
        r.result = helpFile && kernel::HostPathFromDos(helpFile, &host) &&
                   stat(host.c_str(), &st) == 0 && S_ISREG(st.st_mode);
        if (!r.result) {
            SetLastErrorValue(ERROR_FILE_NOT_FOUND);
        }
    }
    g_help.push_back(r);
    return r.result;
}
