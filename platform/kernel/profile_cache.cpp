// The parsed-profile cache.
//
// A held file is trusted while stat reports the same device, inode, size, modification and
// change times. Timestamps are coarse (the host's clock tick, often several milliseconds), so a
// file rewritten with the same size within one tick of being read could look unchanged. An
// entry is therefore trusted on stat alone only once its change time lies well before the moment
// it was read; until then every call reads the file again (into a reused buffer) and compares.
// After a few milliseconds of quiet the entry settles.
//
// Looking at the file is a system call, and a control may read several keys at every step, so
// a held entry is looked at again only once kCheckIntervalNs of real time have passed since the
// last look (measured on the coarse monotonic clock, which the C library answers without
// entering the kernel). A file changed by another program is therefore seen within
// kCheckIntervalNs plus one tick of that clock (ProfileChangeLatencyNs); every write the
// platform makes itself (profile writes, the driver's profile text, file writes and deletions)
// drops what is held, so the next read sees it at once, whatever the driver's clock says.
#include "kernel/profile_cache.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <vector>

namespace kernel {
namespace {

// Longer than any host clock tick we know of (10 ms at 100 Hz), with room to spare.
constexpr long long kRacyWindowNs = 50'000'000;
// How long a held file is answered from memory without a look at the disk.
constexpr long long kCheckIntervalNs = 2'000'000;
// Programs read a handful of profiles; more than this and the oldest is dropped.
constexpr size_t kMaxEntries = 8;

long long Nanoseconds(const timespec& t) {
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

long long CoarseNowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return Nanoseconds(now);
}

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return Nanoseconds(now);
}

struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modified = 0;
    long long changed = 0;

    bool operator==(const Identity& o) const {
        return device == o.device && inode == o.inode && size == o.size && modified == o.modified &&
               changed == o.changed;
    }
};

Identity IdentityOf(const struct stat& st) {
    return Identity{st.st_dev, st.st_ino, st.st_size, Nanoseconds(st.st_mtim),
                    Nanoseconds(st.st_ctim)};
}

struct Entry {
    std::string path;
    bool present = false;
    Identity identity;
    bool settled = false; // stat alone is proof enough
    long long readAt = 0;
    std::string text;
    IniFile file;
    unsigned long lastUse = 0;
    long long nextLook = 0; // coarse monotonic time of the next look at the disk
};

struct Cache {
    std::vector<Entry> entries;
    std::string scratch; // the file read again, compared with what is held
    unsigned long uses = 0;
    unsigned long generation = 0;
};

Cache& TheCache() {
    static Cache& cache = *new Cache; // never destroyed: profiles may be read at exit
    return cache;
}

// Reads the whole regular file into *text (reusing its storage) and reports what was read.
bool ReadFile(const std::string& path, std::string* text, Identity* identity) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return false;
    }
    *identity = IdentityOf(st);
    text->clear();
    size_t used = 0;
    size_t want = static_cast<size_t>(st.st_size) + 1; // one more byte to see the end at once
    for (;;) {
        if (text->size() < used + want)
            text->resize(used + want);
        ssize_t n = read(fd, &(*text)[used], want);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            close(fd);
            return false;
        }
        if (n == 0)
            break;
        used += static_cast<size_t>(n);
        want = 4096; // the file grew while we read it
    }
    close(fd);
    text->resize(used);
    return true;
}

void Settle(Entry* entry) {
    entry->settled = entry->identity.changed + kRacyWindowNs < entry->readAt &&
                     entry->identity.modified + kRacyWindowNs < entry->readAt;
}

void Load(Entry* entry, std::string* scratch) {
    ++TheCache().generation;
    long long readAt = NowNs();
    Identity identity;
    if (!ReadFile(entry->path, scratch, &identity)) {
        if (entry->present)
            entry->file = IniFile{};
        entry->present = false;
        entry->text.clear();
        entry->readAt = readAt;
        entry->settled = false;
        return;
    }
    if (!entry->present || *scratch != entry->text) {
        entry->text.assign(*scratch);
        entry->file = IniFile::Parse(entry->text);
    }
    entry->present = true;
    entry->identity = identity;
    entry->readAt = readAt;
    Settle(entry);
}

Entry* Find(const std::string& path) {
    for (Entry& entry : TheCache().entries)
        if (entry.path == path)
            return &entry;
    return nullptr;
}

} // namespace

const IniFile& CachedIniFile(const std::string& hostPath, bool* present) {
    CachedIniHint none;
    return CachedIniFile(hostPath, present, &none);
}

const IniFile& CachedIniFile(const std::string& hostPath, bool* present, CachedIniHint* hint) {
    Cache& cache = TheCache();
    Entry* entry = hint->entry != nullptr && hint->generation == cache.generation
                       ? static_cast<Entry*>(const_cast<void*>(hint->entry))
                       : Find(hostPath);
    if (!entry) {
        if (cache.entries.size() >= kMaxEntries) {
            size_t oldest = 0;
            for (size_t i = 1; i < cache.entries.size(); ++i)
                if (cache.entries[i].lastUse < cache.entries[oldest].lastUse)
                    oldest = i;
            cache.entries.erase(cache.entries.begin() + static_cast<long>(oldest));
        }
        ++cache.generation;
        cache.entries.emplace_back();
        entry = &cache.entries.back();
        entry->path = hostPath;
        Load(entry, &cache.scratch);
        entry->nextLook = CoarseNowNs() + kCheckIntervalNs;
    } else if (CoarseNowNs() >= entry->nextLook) {
        struct stat st;
        bool exists = stat(hostPath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
        if (!exists) {
            if (entry->present)
                Load(entry, &cache.scratch);
        } else if (!entry->present || !entry->settled || !(IdentityOf(st) == entry->identity)) {
            Load(entry, &cache.scratch);
        }
        entry->nextLook = CoarseNowNs() + kCheckIntervalNs;
    }
    entry->lastUse = ++cache.uses;
    hint->entry = entry;
    hint->generation = cache.generation;
    if (present)
        *present = entry->present;
    return entry->file;
}

void ForgetCachedIniFile(const std::string& hostPath) {
    std::vector<Entry>& entries = TheCache().entries;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].path == hostPath) {
            ++TheCache().generation;
            entries.erase(entries.begin() + static_cast<long>(i));
            return;
        }
    }
}

long long ProfileChangeLatencyNs() {
    timespec resolution{};
    clock_getres(CLOCK_MONOTONIC_COARSE, &resolution);
    return kCheckIntervalNs + Nanoseconds(resolution);
}

void ForgetCachedIniFiles() {
    ++TheCache().generation;
    TheCache().entries.clear();
}

unsigned long CachedIniGeneration() {
    return TheCache().generation;
}

} // namespace kernel
