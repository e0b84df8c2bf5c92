// Directory: naming a directory, filling and sorting its listing, and the
// names of its entries.
#include <cstring>

#include "files/entry.h"
#include "platform/platform.h"
#include "tessel/dir.h"

using tessel_platform::FindHandle;
using tessel_platform::FindRecord;
using tessel_platform::operations;

// The record-to-entry conversion shared with the tree walker.
namespace tessel_detail {

FDATE unpackDate(unsigned short w) {
    FDATE d;
    d.day = w & 0x1F;
    d.month = (w >> 5) & 0x0F;
    d.year = (w >> 9) & 0x7F;
    return d;
}

FTIME unpackTime(unsigned short w) {
    FTIME t;
    t.twoSeconds = w & 0x1F;
    t.minutes = (w >> 5) & 0x3F;
    t.hours = (w >> 11) & 0x1F;
    return t;
}

Dirent entryOf(Directory* dir, const FindRecord& r) {
    return Dirent(dir, r.name, unpackDate(r.date), unpackTime(r.time), r.sizeLow, r.attributes);
}

}  // namespace tessel_detail

Directory::Directory(const char* name) : dirPath(name), entries(0, -1, 0) {
    if (name == nullptr) dirPath = queryCurrentDir(0);
    const char drive = dirPath.length() > 1 && dirPath[2] == ':' ? dirPath[1] : queryCurrentDisk();
    const CString saved = queryCurrentDir(drive);
    if (saved.length() == 0) {
        dirPath = CString();
        return;
    }
    operations.setCurrentDirectory(dirPath);
    dirPath = queryCurrentDir(drive);
    operations.setCurrentDirectory(saved);
    dirPath = nativePathName(dirPath);
}

Directory::~Directory() {}

int Directory::fill(const char* wildcard) {
    RegExp re = FileExp2RegExp(CString(wildcard));
    FindRecord r;
    FindHandle h = operations.findFirst(mergePath(dirPath, "*"), &r);
    if (h == nullptr) return size();
    entries.SetDynamic(1);
    if (std::strcmp(r.name, ".") != 0) {
        // A root has no "." and ".."; list them as the other directories do.
        FindRecord dot = r;
        dot.sizeLow = 0;
        dot.attributes = 0x11;
        static const char* const dots[] = {".", ".."};
        for (const char* name : dots) {
            if (re == name) {
                std::strcpy(dot.name, name);
                entries[size()] = tessel_detail::entryOf(this, dot);
            }
        }
    }
    do {
        if (re == r.name) entries[size()] = tessel_detail::entryOf(this, r);
    } while (operations.findNext(h, &r));
    operations.findClose(h);
    entries.SetDynamic(0);
    return size();
}

void Directory::sort(int (*f)(const Dirent*, const Dirent*)) {
    entries.sort(f);
}

CString Dirent::dirName() const {
    if (ownerDir == nullptr) return CString();
    return nativePathName(ownerDir->dirPath);
}

CString Dirent::fullName() const {
    if (ownerDir == nullptr) return copyOf(entryName);
    const CString& path = ownerDir->dirPath;
    const char* sep = pathSeparator();
    const int n = path.length();
    if (n > 0 && path[n] == sep[0]) return nativePathName(path + entryName);
    return nativePathName(path + sep + entryName);
}
