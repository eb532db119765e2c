// Whole-file reads and writes on host paths.
#include "kernel/host_files.h"

#include "kernel/profile_cache.h"

#include <winbase.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

namespace kernel {

bool ReadWholeFile(const std::string& hostPath, std::string* contents) {
    struct stat st;
    if (stat(hostPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    std::FILE* file = std::fopen(hostPath.c_str(), "rb");
    if (!file)
        return false;
    std::string text;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        text.append(chunk, n);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return false;
    *contents = std::move(text);
    return true;
}

bool WriteWholeFile(const std::string& hostPath, const std::string& contents) {
    // Whatever happens below, what the cache holds of this file is no longer to be trusted.
    ForgetCachedIniFiles();
    std::FILE* file = std::fopen(hostPath.c_str(), "wb");
    if (!file) {
        SetLastError(errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND
                                                         : ERROR_ACCESS_DENIED);
        return false;
    }
    bool ok = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    ok = std::fclose(file) == 0 && ok;
    if (!ok)
        SetLastError(ERROR_WRITE_FAULT);
    return ok;
}

bool MakeFolders(const std::string& hostFolder) {
    if (hostFolder.empty())
        return false;
    for (size_t slash = hostFolder.find('/', 1);; slash = hostFolder.find('/', slash + 1)) {
        std::string part = hostFolder.substr(0, slash);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

} // namespace kernel
