// Path names: the native separator, separator conversion and mergePath.
#include <cstdlib>
#include <cstring>

#include "tessel/dir.h"

namespace {

// convert(path, from1, from2, to): a copy of path with every from1 and from2
// replaced by to, up to the first NUL. When to is NUL the text ends there,
// and the result is copied once more so that its stored length is that of
// the shortened text.
CString convert(const CString& path, char from1, char from2, char to) {
    CString result = copyOf(path);
    const int n = result.length();
    bool cut = false;
    for (int i = 1; i <= n && result[i] != '\0'; ++i) {
        if (result[i] == from1 || result[i] == from2) {
            result[i] = to;
            if (to == '\0') {
                cut = true;
                break;
            }
        }
    }
    return cut ? copyOf(result) : result;
}

}  // namespace

const char* pathSeparator() {
    const char* value = std::getenv("PATHSEP");
    return value != nullptr ? value : "\\";
}

void conv2NativePathSep(char* path) {
    if (path == nullptr) return;
    const char sep = pathSeparator()[0];
    for (char* p = path; *p != '\0'; ++p) {
        if (*p == '\\' || *p == '/') {
            *p = sep;
            if (sep == '\0') break;
        }
    }
}

CString nativePathName(const CString& path) {
    return convert(path, '\\', '/', pathSeparator()[0]);
}

CString unixPathName(const CString& path) {
    return convert(path, '\\', '\\', '/');
}

CString dosPathName(const CString& path) {
    return convert(path, '/', '/', '\\');
}

CString mergePath(const CString& dir, const CString& name) {
    const char* sep = pathSeparator();
    const char* rest = name;
    if (rest[0] != '\0' && rest[0] == sep[0]) ++rest;
    const int n = dir.length();
    const char last[2] = {n > 0 ? dir[n] : '\0', '\0'};
    if (n > 0 && std::strcmp(last, sep) == 0) return nativePathName(dir + rest);
    return nativePathName(dir + sep + rest);
}
