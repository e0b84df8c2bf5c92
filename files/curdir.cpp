// The current drive and directory: queryCurrentDisk, queryCurrentDir,
// changeDir and isDir.
#include <cctype>
#include <cstring>

#include "platform/platform.h"
#include "tessel/dir.h"

using tessel_platform::operations;

namespace {

const unsigned long areaSize = 256;

// readCurrent(area): the current directory into a 256-byte area; true when
// it was read and fits.
bool readCurrent(char* area) {
    area[0] = '\0';
    const unsigned long n = operations.getCurrentDirectory(areaSize, area);
    if (n == 0 || n >= areaSize) {
        area[0] = '\0';
        return false;
    }
    area[n] = '\0';
    return true;
}

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

}  // namespace

char queryCurrentDisk() {
    char area[areaSize];
    return readCurrent(area) ? area[0] : ' ';
}

CString queryCurrentDir(char drive) {
    const char letter = drive == 0 ? queryCurrentDisk() : upper(drive);
    const char designator[3] = {letter, ':', '\0'};
    char saved[areaSize];
    if (!readCurrent(saved)) return CString();
    operations.setCurrentDirectory(designator);
    char now[areaSize];
    const bool read = readCurrent(now);
    operations.setCurrentDirectory(saved);
    if (!read || upper(now[0]) != upper(letter)) return CString();
    return nativePathName(now);
}

int changeDir(const CString& path) {
    CString copy = copyOf(path);
    CString designator;
    CString rest;
    if (copy.length() >= 2 && copy[2] == ':') {
        designator = SubCString(copy, 1, 2);
        rest = SubCString(copy, 3, copy.length() - 2);
    } else {
        designator = " :";
        designator[1] = queryCurrentDisk();
        rest = copy;
    }
    const char* sep = pathSeparator();
    const int n = rest.length();
    if (n > 0 && rest[n] == sep[0] && rest != sep) rest = SubCString(rest, 1, n - 1);
    return operations.changeDirectory(designator + rest) == -1 ? 0 : 1;
}

int isDir(const CString& path, CString& fullName) {
    const CString target = copyOf(path);  // path may be fullName itself
    const char drive = target.length() >= 2 && target[2] == ':' ? upper(target[1]) : 0;
    const CString saved = queryCurrentDir(drive);
    // Without the drive's current directory there would be no way back.
    if (saved.length() == 0) return 0;
    if (!changeDir(target)) return 0;
    const CString entered = queryCurrentDir(drive);
    changeDir(saved);
    if (entered.length() == 0) return 0;
    fullName = entered;
    return 1;
}
