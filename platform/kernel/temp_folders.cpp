// Temporary host folders for tests and the driver: made under /tmp, removed with everything in
// them at the next reset or when the process ends.
#include "kernel/kernel_config.h"

#include <ftw.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace kernel {
namespace {

std::vector<std::string>& Folders() {
    static std::vector<std::string> folders;
    return folders;
}

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) {
    std::remove(path);
    return 0;
}

void RemoveAtExit() {
    RemoveTempFolders();
}

} // namespace

std::string MakeTempFolder() {
    static bool registered = false;
    if (!registered) {
        std::atexit(RemoveAtExit);
        registered = true;
    }
    char pattern[] = "/tmp/ruzav32-XXXXXX";
    if (!mkdtemp(pattern))
        return {};
    Folders().push_back(pattern);
    return pattern;
}

void RemoveTempFolders() {
    for (const std::string& folder : Folders())
        nftw(folder.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
    Folders().clear();
}

} // namespace kernel
