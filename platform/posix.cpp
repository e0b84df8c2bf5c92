// The POSIX backend of the platform layer: drive C: is the file system root.
//
// Paths come in the drive-letter form ("C:\usr\include", "C:x", "\x", "x",
// either separator); C (either case) is the only drive and its current
// directory is the process's. An enumeration reads its directory once and
// looks at each entry relative to the open directory; it delivers "." and
// ".." first, except at the root, which has neither, like a drive's root.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <new>

#include "platform/platform.h"
#include "platform/posix.h"

namespace tessel_platform {

struct FindState {
    DIR* dir;
    int fd;
    int phase;  // 0: "." next, 1: ".." next, 2: reading the directory
    bool root;
};

namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// Text: a heap text owned by one scope (the layer keeps clear of the
// standard library's templates, whose instances would be exported).
struct Text {
    char* p = nullptr;
    Text() = default;
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    ~Text() { std::free(p); }
    bool assign(const char* s, size_t n) {
        std::free(p);
        p = static_cast<char*>(std::malloc(n + 1));
        if (p == nullptr) return false;
        std::memcpy(p, s, n);
        p[n] = '\0';
        return true;
    }
};

// toPosixPath(path, out): the POSIX path for a drive-letter path; false for
// a drive other than C or an empty path. "C:" alone is the current
// directory; "C:x" is x relative to it.
bool toPosixPath(const char* path, Text& out) {
    if (path == nullptr) return false;
    if (path[0] != '\0' && path[1] == ':') {
        if (path[0] != 'C' && path[0] != 'c') return false;
        path += 2;
        if (*path == '\0') return out.assign(".", 1);
    }
    if (*path == '\0') return false;
    if (!out.assign(path, std::strlen(path))) return false;
    for (char* c = out.p; *c != '\0'; ++c)
        if (*c == '\\') *c = '/';
    return true;
}

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian).
long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2));
}

// stampOf(t): the packed UTC stamp of a POSIX time, clamped to 1980-2107.
PackedStamp stampOf(long long t) {
    const long long first = daysFromCivil(1980, 1, 1) * 86400;
    const long long last = daysFromCivil(2107, 12, 31) * 86400 + 86398;
    if (t < first) return earliestStamp();
    if (t > last) return latestStamp();
    long long days = t / 86400;  // t is positive here
    const long long secs = t - days * 86400;
    int year, month, day;
    civilFromDays(days, year, month, day);
    return packStamp(year, month, day, static_cast<int>(secs / 3600),
                     static_cast<int>(secs / 60 % 60), static_cast<int>(secs % 60));
}

// describe(fd, name, type, record): fills record for the entry name of the
// open directory fd; false when the entry has vanished or its name does not
// fit the record.
bool describe(int fd, const char* name, unsigned char type, FindRecord* record) {
    const size_t length = std::strlen(name);
    if (length >= sizeof record->name) return false;
    struct stat st;
    bool link = false;
    if (type == DT_LNK || type == DT_UNKNOWN) {
        if (posixCalls.statAt(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) return false;
        if (S_ISLNK(st.st_mode)) {
            link = true;
            struct stat target;
            // A dangling link keeps its own size and time.
            if (posixCalls.statAt(fd, name, &target, 0) == 0) st = target;
        }
    } else if (posixCalls.statAt(fd, name, &st, 0) != 0) {
        return false;
    }
    unsigned long attributes = S_ISDIR(st.st_mode) ? 0x10 : 0x20;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) attributes |= 0x01;
    if (name[0] == '.' && std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0)
        attributes |= 0x02;
    if (link) attributes |= 0x400;
    std::memcpy(record->name, name, length + 1);
    record->attributes = attributes;
    record->sizeLow =
        static_cast<unsigned long>(static_cast<unsigned long long>(st.st_size) & 0xFFFFFFFFull);
    const PackedStamp stamp = stampOf(static_cast<long long>(st.st_mtime));
    record->date = stamp.date;
    record->time = stamp.time;
    return true;
}

int posixFindNext(FindHandle h, FindRecord* record) {
    if (h == nullptr || record == nullptr) return 0;
    for (;;) {
        if (h->phase < 2) {
            const char* name = h->phase == 0 ? "." : "..";
            ++h->phase;
            if (!h->root && describe(h->fd, name, DT_DIR, record)) return 1;
            continue;
        }
        struct dirent* e = posixCalls.readEntry(h->dir);
        if (e == nullptr) return 0;  // the end, or a read error
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
        if (describe(h->fd, e->d_name, e->d_type, record)) return 1;
    }
}

void posixFindClose(FindHandle h) {
    if (h == nullptr) return;
    closedir(h->dir);
    delete h;
}

FindHandle posixFindFirst(const char* pattern, FindRecord* record) {
    if (pattern == nullptr || record == nullptr) return nullptr;
    // Cut the pattern into the directory and the last component, which
    // must be "*": the library always asks for every entry.
    const char* last = nullptr;
    for (const char* p = pattern; *p != '\0'; ++p)
        if (isSeparator(*p)) last = p;
    size_t dirLength = 0;
    if (last != nullptr)
        dirLength = static_cast<size_t>(last - pattern + 1);
    else if (pattern[0] != '\0' && pattern[1] == ':')
        dirLength = 2;
    if (std::strcmp(pattern + dirLength, "*") != 0) return nullptr;
    Text dirText, dirPath;
    if (dirLength == 0) {
        if (!dirPath.assign(".", 1)) return nullptr;
    } else if (!dirText.assign(pattern, dirLength) || !toPosixPath(dirText.p, dirPath)) {
        return nullptr;
    }
    DIR* dir = opendir(dirPath.p);
    if (dir == nullptr) return nullptr;
    FindState* h = new (std::nothrow) FindState;
    if (h == nullptr) {
        closedir(dir);
        return nullptr;
    }
    h->dir = dir;
    h->fd = dirfd(dir);
    h->phase = 0;
    struct stat self, top;
    h->root = fstat(h->fd, &self) == 0 && stat("/", &top) == 0 && self.st_dev == top.st_dev &&
              self.st_ino == top.st_ino;
    if (!posixFindNext(h, record)) {
        posixFindClose(h);
        return nullptr;
    }
    return h;
}

unsigned long posixGetCurrentDirectory(unsigned long size, char* area) {
    Text cwd;
    for (size_t capacity = 256;; capacity *= 2) {
        std::free(cwd.p);
        cwd.p = static_cast<char*>(std::malloc(capacity));
        if (cwd.p == nullptr) return 0;
        if (getcwd(cwd.p, capacity) != nullptr) break;
        if (errno != ERANGE || capacity > (1u << 20)) return 0;
    }
    const size_t cwdLength = std::strlen(cwd.p);
    const unsigned long length = static_cast<unsigned long>(cwdLength) + 2;
    // Too small an area: report the size needed, as the Windows call does.
    if (area == nullptr || length + 1 > size) return length + 1;
    area[0] = 'C';
    area[1] = ':';
    for (size_t i = 0; i < cwdLength; ++i)
        area[i + 2] = cwd.p[i] == '/' ? '\\' : cwd.p[i];
    area[length] = '\0';
    return length;
}

int posixSetCurrentDirectory(const char* path) {
    Text target;
    return toPosixPath(path, target) && chdir(target.p) == 0 ? 1 : 0;
}

int posixChangeDirectory(const char* path) {
    Text target;
    return toPosixPath(path, target) && chdir(target.p) == 0 ? 0 : -1;
}

int statAt(int dirFd, const char* name, struct stat* st, int flags) {
    return fstatat(dirFd, name, st, flags);
}

struct dirent* readEntry(DIR* dir) {
    return readdir(dir);
}

}  // namespace

const PosixCalls nativePosixCalls = {statAt, readEntry};
PosixCalls posixCalls = {statAt, readEntry};

const Operations nativeOperations = {posixFindFirst,           posixFindNext,
                                     posixFindClose,           posixGetCurrentDirectory,
                                     posixSetCurrentDirectory, posixChangeDirectory};
Operations operations = {posixFindFirst,           posixFindNext,
                         posixFindClose,           posixGetCurrentDirectory,
                         posixSetCurrentDirectory, posixChangeDirectory};

}  // namespace tessel_platform
