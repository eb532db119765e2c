// FindFirstFileA, FindNextFileA, FindClose.
//
// The folder is read once at FindFirstFileA and its matches sorted by name ignoring case, so the
// "first match" is the same on every file system (the system's own file systems list in that
// order too).
#include "kernel/handle_table.h"
#include "kernel/kernel_internal.h"
#include "kernel/wildcard.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

namespace kernel {
namespace {

struct Search : KernelObject {
    std::vector<WIN32_FIND_DATAA> matches;
    size_t next = 0;
};

FILETIME FileTimeFrom(time_t seconds) {
    // 100-nanosecond intervals since 1601-01-01.
    auto value = static_cast<unsigned long long>(seconds + 11644473600LL) * 10000000ULL;
    return FILETIME{static_cast<DWORD>(value & 0xffffffffu), static_cast<DWORD>(value >> 32)};
}

// Stats the entry relative to the open folder, so the kernel need not walk the folder's path
// again for each of a large folder's files.
bool Describe(int folderFd, const char* name, WIN32_FIND_DATAA* data) {
    size_t length = std::strlen(name);
    if (length >= MAX_PATH)
        return false; // a name no 8-bit caller could hold
    struct stat st;
    if (fstatat(folderFd, name, &st, 0) != 0 &&
        fstatat(folderFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    std::memset(data, 0, sizeof *data);
    DWORD attributes = 0;
    if (S_ISDIR(st.st_mode))
        attributes |= FILE_ATTRIBUTE_DIRECTORY;
    if (!(st.st_mode & S_IWUSR))
        attributes |= FILE_ATTRIBUTE_READONLY;
    if (name[0] == '.' && std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0)
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    data->dwFileAttributes = attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
    data->ftCreationTime = FileTimeFrom(st.st_ctime);
    data->ftLastAccessTime = FileTimeFrom(st.st_atime);
    data->ftLastWriteTime = FileTimeFrom(st.st_mtime);
    if (!S_ISDIR(st.st_mode)) {
        auto size = static_cast<unsigned long long>(st.st_size);
        data->nFileSizeHigh = static_cast<DWORD>(size >> 32);
        data->nFileSizeLow = static_cast<DWORD>(size & 0xffffffffu);
    }
    std::memcpy(data->cFileName, name, length + 1);
    return true;
}

} // namespace
} // namespace kernel

HANDLE WINAPI FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA findData) {
    if (!pattern || !findData || !*pattern) {
        SetLastError(pattern && !*pattern ? ERROR_PATH_NOT_FOUND : ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    std::string dos = pattern;
    size_t split = dos.find_last_of("\\/");
    std::string folderPart, namePart;
    if (split != std::string::npos) {
        folderPart = dos.substr(0, split + 1);
        namePart = dos.substr(split + 1);
    } else if (dos.size() >= 2 && dos[1] == ':') {
        folderPart = dos.substr(0, 2);
        namePart = dos.substr(2);
    } else {
        folderPart = ".";
        namePart = dos;
    }
    if (namePart.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    std::string folder;
    if (!kernel::HostPathFromDos(folderPart.c_str(), &folder)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    DIR* dir = opendir(folder.c_str());
    if (!dir) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    auto search = std::make_unique<kernel::Search>();
    bool atRoot = kernel::DosPathFromHost(folder).size() <= 3;
    while (dirent* entry = readdir(dir)) {
        bool dotEntry =
            std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0;
        if (dotEntry && atRoot)
            continue; // a drive's root has no "." or ".."
        if (!kernel::MatchesWildcard(namePart.c_str(), entry->d_name))
            continue;
        WIN32_FIND_DATAA data;
        if (kernel::Describe(dirfd(dir), entry->d_name, &data))
            search->matches.push_back(data);
    }
    closedir(dir);
    if (search->matches.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    // The records are large: their order is found on indices, then each is moved once. Names
    // are folded once beforehand; comparing folded names byte by byte is strcasecmp's order.
    std::vector<WIN32_FIND_DATAA>& matches = search->matches;
    std::vector<std::string> folded(matches.size());
    for (std::size_t i = 0; i < matches.size(); ++i) {
        folded[i] = matches[i].cFileName;
        for (char& c : folded[i])
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    std::vector<std::uint32_t> order(matches.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        int byFold = std::strcmp(folded[a].c_str(), folded[b].c_str());
        return byFold != 0 ? byFold < 0
                           : std::strcmp(matches[a].cFileName, matches[b].cFileName) < 0;
    });
    std::vector<WIN32_FIND_DATAA> sorted;
    sorted.reserve(matches.size());
    for (std::uint32_t i : order)
        sorted.push_back(matches[i]);
    matches.swap(sorted);
    *findData = search->matches[0];
    search->next = 1;
    return kernel::AddHandle(std::move(search));
}

BOOL WINAPI FindNextFileA(HANDLE handle, LPWIN32_FIND_DATAA findData) {
    auto* search = kernel::LookupHandleAs<kernel::Search>(handle);
    if (!search) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!findData) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (search->next >= search->matches.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    *findData = search->matches[search->next++];
    return TRUE;
}

BOOL WINAPI FindClose(HANDLE handle) {
    if (!kernel::LookupHandleAs<kernel::Search>(handle)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    kernel::RemoveHandle(handle);
    return TRUE;
}
