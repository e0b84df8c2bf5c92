// Dirent: a directory entry, its packed stamp and its comparisons.
#include <cstring>

#include "files/entry.h"
#include "strings/fold.h"
#include "tessel/dir.h"

namespace {

// compareNames(a, b): the byte comparison of two names with A-Z and a-z
// folded to upper case.
int compareNames(const char* a, const char* b) {
    for (;; ++a, ++b) {
        const int ca = tessel_detail::foldChar(static_cast<unsigned char>(*a));
        const int cb = tessel_detail::foldChar(static_cast<unsigned char>(*b));
        if (ca != cb) return ca - cb;
        if (ca == 0) return 0;
    }
}

}  // namespace

Dirent::Dirent()
    : entrySize(0),
      packedDate(tessel_detail::unpackDate(0)),
      packedTime(tessel_detail::unpackTime(0)),
      entryMode(0),
      ownerDir(nullptr),
      cachedDate(nullptr),
      cachedTime(nullptr) {}

Dirent::Dirent(Directory* dir, const CString& name, FDATE date, FTIME time, unsigned long size,
               unsigned long mode)
    : entryName(name),
      entrySize(static_cast<unsigned int>(size)),
      packedDate(date),
      packedTime(time),
      entryMode(static_cast<unsigned int>(mode)),
      ownerDir(dir),
      cachedDate(nullptr),
      cachedTime(nullptr) {}

Dirent::Dirent(const Dirent& other)
    : entryName(other.entryName),
      entrySize(other.entrySize),
      packedDate(other.packedDate),
      packedTime(other.packedTime),
      entryMode(other.entryMode),
      ownerDir(other.ownerDir),
      cachedDate(nullptr),
      cachedTime(nullptr) {}

Dirent& Dirent::operator=(const Dirent& other) {
    if (&other == this) return *this;
    dropCache();
    entryName = other.entryName;
    entrySize = other.entrySize;
    packedDate = other.packedDate;
    packedTime = other.packedTime;
    entryMode = other.entryMode;
    ownerDir = other.ownerDir;
    return *this;
}

Dirent::~Dirent() {
    dropCache();
}

int Dirent::operator<(const Dirent& other) {
    return compareNames(entryName, other.entryName) < 0;
}

int Dirent::operator>(const Dirent& other) {
    return compareNames(entryName, other.entryName) > 0;
}

int Dirent::operator==(const Dirent& other) {
    return compareNames(entryName, other.entryName) == 0;
}
