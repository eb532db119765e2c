// Plain file calls: attributes, delete, folders, and whole-file handles (CreateFileA, ReadFile,
// WriteFile, CloseHandle) on DOS paths.
#include "kernel/handle_table.h"
#include "kernel/kernel_internal.h"
#include "kernel/profile_cache.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace kernel {
namespace {

struct OpenFile : KernelObject {
    int fd = -1;
    ~OpenFile() override {
        if (fd >= 0)
            close(fd);
    }
};

DWORD ErrorFromErrno(int error) {
    switch (error) {
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EEXIST:
        return ERROR_ALREADY_EXISTS;
    case ENOTEMPTY:
        return ERROR_DIR_NOT_EMPTY;
    case ENAMETOOLONG:
        return ERROR_FILENAME_EXCED_RANGE;
    default:
        return ERROR_ACCESS_DENIED;
    }
}

} // namespace
} // namespace kernel

DWORD WINAPI GetFileAttributesA(LPCSTR path) {
    std::string host;
    if (!kernel::HostPathFromDos(path, &host))
        return INVALID_FILE_ATTRIBUTES;
    struct stat st;
    if (stat(host.c_str(), &st) != 0) {
        SetLastError(kernel::ErrorFromErrno(errno));
        return INVALID_FILE_ATTRIBUTES;
    }
    DWORD attributes = 0;
    if (S_ISDIR(st.st_mode))
        attributes |= FILE_ATTRIBUTE_DIRECTORY;
    if (!(st.st_mode & S_IWUSR))
        attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

BOOL WINAPI DeleteFileA(LPCSTR path) {
    std::string host;
    if (!kernel::HostPathFromDos(path, &host))
        return FALSE;
    struct stat st;
    if (lstat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    kernel::ForgetCachedIniFiles(); // the next profile read must not answer from this file
    if (unlink(host.c_str()) != 0) {
        SetLastError(kernel::ErrorFromErrno(errno));
        return FALSE;
    }
    return TRUE;
}

BOOL WINAPI CreateDirectoryA(LPCSTR path, LPVOID) {
    std::string host;
    if (!kernel::HostPathFromDos(path, &host))
        return FALSE;
    if (mkdir(host.c_str(), 0755) != 0) {
        SetLastError(errno == ENOENT ? ERROR_PATH_NOT_FOUND : kernel::ErrorFromErrno(errno));
        return FALSE;
    }
    return TRUE;
}

BOOL WINAPI RemoveDirectoryA(LPCSTR path) {
    std::string host;
    if (!kernel::HostPathFromDos(path, &host))
        return FALSE;
    if (rmdir(host.c_str()) != 0) {
        SetLastError(kernel::ErrorFromErrno(errno));
        return FALSE;
    }
    return TRUE;
}

HANDLE WINAPI CreateFileA(LPCSTR path, DWORD access, DWORD, LPVOID, DWORD creation, DWORD, HANDLE) {
    std::string host;
    if (!kernel::HostPathFromDos(path, &host))
        return INVALID_HANDLE_VALUE;
    int flags = 0;
    bool read = (access & GENERIC_READ) != 0, write = (access & GENERIC_WRITE) != 0;
    flags = read && write ? O_RDWR : (write ? O_WRONLY : O_RDONLY);
    switch (creation) {
    case CREATE_NEW:
        flags |= O_CREAT | O_EXCL;
        break;
    case CREATE_ALWAYS:
        flags |= O_CREAT | O_TRUNC;
        break;
    case OPEN_EXISTING:
        break;
    case OPEN_ALWAYS:
        flags |= O_CREAT;
        break;
    case TRUNCATE_EXISTING:
        flags |= O_TRUNC;
        break;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    struct stat st;
    if (stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    if (write)
        kernel::ForgetCachedIniFiles(); // truncated or about to be written
    int fd = open(host.c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0) {
        DWORD error = kernel::ErrorFromErrno(errno);
        if (error == ERROR_ALREADY_EXISTS)
            error = ERROR_FILE_EXISTS;
        SetLastError(error);
        return INVALID_HANDLE_VALUE;
    }
    auto file = std::make_unique<kernel::OpenFile>();
    file->fd = fd;
    return kernel::AddHandle(std::move(file));
}

BOOL WINAPI ReadFile(HANDLE handle, LPVOID buffer, DWORD toRead, LPDWORD read, LPVOID) {
    auto* file = kernel::LookupHandleAs<kernel::OpenFile>(handle);
    if (read)
        *read = 0;
    if (!file) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!buffer && toRead > 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DWORD total = 0;
    while (total < toRead) {
        ssize_t n = ::read(file->fd, static_cast<char*>(buffer) + total, toRead - total);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            SetLastError(ERROR_READ_FAULT);
            return FALSE;
        }
        if (n == 0)
            break;
        total += static_cast<DWORD>(n);
    }
    if (read)
        *read = total;
    return TRUE;
}

BOOL WINAPI WriteFile(HANDLE handle, LPCVOID buffer, DWORD toWrite, LPDWORD written, LPVOID) {
    auto* file = kernel::LookupHandleAs<kernel::OpenFile>(handle);
    if (written)
        *written = 0;
    if (!file) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!buffer && toWrite > 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    kernel::ForgetCachedIniFiles();
    DWORD total = 0;
    while (total < toWrite) {
        ssize_t n = ::write(file->fd, static_cast<const char*>(buffer) + total, toWrite - total);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return FALSE;
        }
        total += static_cast<DWORD>(n);
    }
    if (written)
        *written = total;
    return TRUE;
}

BOOL WINAPI CloseHandle(HANDLE handle) {
    if (!kernel::LookupHandleAs<kernel::OpenFile>(handle)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    kernel::RemoveHandle(handle);
    return TRUE;
}
