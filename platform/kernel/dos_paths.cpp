// Drive letters, and the translation between DOS paths and host paths.
//
// The library sees DOS paths; the host has POSIX paths whose names may differ in case. A DOS
// path is made absolute, split into components ("." dropped, ".." climbing but never above the
// drive's root), and each component is looked up in its host folder: the exact name if present,
// else the first entry equal to it ignoring case. So with C: mapped to /srv/c,
// "c:/Apps\\BIN\\..\\main.INI" is /srv/c/apps/main.ini when that file exists.
#include "kernel/kernel_config.h"
#include "kernel/kernel_internal.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <map>
#include <vector>

namespace kernel {
namespace {

std::map<char, std::string>& Drives() {
    static std::map<char, std::string> drives{{'Z', "/"}};
    return drives;
}

unsigned long& Generation() {
    static unsigned long generation = 0;
    return generation;
}

std::string WithoutTrailingSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder.empty() ? "/" : folder;
}

std::string JoinHost(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

// The entry of folder whose name equals name ignoring case; name itself when there is none.
std::string MatchEntry(const std::string& folder, const std::string& name, bool* found) {
    struct stat st;
    std::string exact = JoinHost(folder, name);
    if (lstat(exact.c_str(), &st) == 0) {
        *found = true;
        return name;
    }
    *found = false;
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return name;
    std::string match = name;
    while (dirent* entry = readdir(dir)) {
        if (strcasecmp(entry->d_name, name.c_str()) == 0) {
            match = entry->d_name;
            *found = true;
            break;
        }
    }
    closedir(dir);
    return match;
}

std::vector<std::string> SplitComponents(const std::string& path) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (c == '\\' || c == '/') {
            if (!current.empty())
                parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        parts.push_back(current);
    return parts;
}

void AppendNormalized(std::vector<std::string>* parts, const std::vector<std::string>& more) {
    for (const std::string& part : more) {
        if (part == ".")
            continue;
        if (part == "..") {
            if (!parts->empty())
                parts->pop_back();
            continue;
        }
        parts->push_back(part);
    }
}

// The current folder as drive and components, from the host's working folder.
bool CurrentDosFolder(char* drive, std::vector<std::string>* parts) {
    char buffer[4096];
    if (!getcwd(buffer, sizeof buffer))
        return false;
    std::string dos = DosPathFromHost(buffer);
    if (dos.size() < 2)
        return false;
    *drive = dos[0];
    *parts = SplitComponents(dos.substr(2));
    return true;
}

} // namespace

void MapDrive(char letter, const std::string& hostFolder) {
    char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    if (upper < 'A' || upper > 'Z' || hostFolder.empty() || hostFolder[0] != '/')
        return;
    Drives()[upper] = WithoutTrailingSlash(hostFolder);
    ++Generation();
}

void UnmapDrive(char letter) {
    Drives().erase(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
    ++Generation();
}

void ResetDrives() {
    Drives() = {{'Z', "/"}};
    ++Generation();
}

DWORD MappedDriveMask() {
    DWORD mask = 0;
    for (const auto& drive : Drives()) {
        mask |= 1u << (drive.first - 'A');
    }
    return mask;
}

std::string CurrentDosFolderPath() {
    char drive = 0;
    std::vector<std::string> parts;
    if (!CurrentDosFolder(&drive, &parts)) {
        return std::string();
    }
    std::string path(1, drive);
    path += ":\\";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        path += (i ? "\\" : "") + parts[i];
    }
    return path;
}

unsigned long DriveMapGeneration() {
    return Generation();
}

bool HostPathFromDos(const char* dosPath, std::string* hostPath) {
    if (!dosPath || !*dosPath || !hostPath) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    std::string path = dosPath;
    if (path.size() >= MAX_PATH) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    if (path.size() >= 2 && (path[0] == '\\' || path[0] == '/') &&
        (path[1] == '\\' || path[1] == '/')) {
        SetLastError(ERROR_BAD_NETPATH); // network shares are not offered
        return false;
    }
    char drive = 0;
    std::vector<std::string> parts;
    bool hasDrive =
        path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
    std::string rest = hasDrive ? path.substr(2) : path;
    bool rooted = !rest.empty() && (rest[0] == '\\' || rest[0] == '/');
    char currentDrive = 0;
    std::vector<std::string> currentParts;
    bool haveCurrent = CurrentDosFolder(&currentDrive, &currentParts);
    if (hasDrive) {
        drive = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
        // "C:NAME" is relative to the drive's current folder, which is its root unless the
        // process works on that drive.
        if (!rooted && haveCurrent && currentDrive == drive)
            parts = currentParts;
    } else {
        if (!haveCurrent) {
            SetLastError(ERROR_PATH_NOT_FOUND);
            return false;
        }
        drive = currentDrive;
        if (!rooted)
            parts = currentParts;
    }
    auto mapped = Drives().find(drive);
    if (mapped == Drives().end()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    AppendNormalized(&parts, SplitComponents(rest));
    std::string host = mapped->second;
    bool resolving = true;
    for (const std::string& part : parts) {
        bool found = false;
        std::string name = resolving ? MatchEntry(host, part, &found) : part;
        resolving = resolving && found;
        host = JoinHost(host, name);
    }
    *hostPath = host;
    return true;
}

std::string DosPathFromHost(const std::string& hostPath) {
    if (hostPath.empty() || hostPath[0] != '/')
        return {};
    std::string host = WithoutTrailingSlash(hostPath);
    char bestDrive = 0;
    size_t bestLength = 0;
    for (const auto& [letter, root] : Drives()) {
        bool holds = root == "/" || host == root ||
                     (host.compare(0, root.size(), root) == 0 && host[root.size()] == '/');
        if (holds && (bestDrive == 0 || root.size() > bestLength)) {
            bestDrive = letter;
            bestLength = root.size();
        }
    }
    if (!bestDrive)
        return {};
    const std::string& root = Drives()[bestDrive];
    std::string rest =
        root == "/" ? host.substr(1) : host.substr(std::min(host.size(), root.size() + 1));
    std::string dos = std::string(1, bestDrive) + ":\\";
    for (char c : rest)
        dos += c == '/' ? '\\' : c;
    return dos;
}

} // namespace kernel
