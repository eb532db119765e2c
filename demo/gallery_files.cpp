#include "gallery_files.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace gallery {

bool MakeFolders(const std::string& dir, std::string* error) {
    // Each prefix that ends before a slash, then the whole path.
    for (size_t at = dir.find('/', 1);; at = dir.find('/', at + 1)) {
        const std::string part = dir.substr(0, at);
        struct stat st {};
        if (!part.empty() && stat(part.c_str(), &st) != 0 && mkdir(part.c_str(), 0777) != 0 &&
            errno != EEXIST) {
            *error = std::strerror(errno);
            return false;
        }
        if (at == std::string::npos)
            break;
    }
    struct stat st {};
    if (stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        *error = "not a folder";
        return false;
    }
    return true;
}

std::string ExistingFile(const std::string& path) {
    char resolved[PATH_MAX];
    struct stat st {};
    if (realpath(path.c_str(), resolved) == nullptr || stat(resolved, &st) != 0 ||
        !S_ISREG(st.st_mode))
        return std::string();
    return resolved;
}

std::map<std::string, Stamp> PngStamps(const std::string& dir) {
    std::map<std::string, Stamp> stamps;
    DIR* d = opendir(dir.c_str());
    if (d == nullptr)
        return stamps;
    while (const dirent* e = readdir(d)) {
        const std::string name = e->d_name;
        struct stat st {};
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0 &&
            stat((dir + "/" + name).c_str(), &st) == 0 && S_ISREG(st.st_mode))
            stamps[name] = Stamp(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
    }
    closedir(d);
    return stamps;
}

} // namespace gallery
