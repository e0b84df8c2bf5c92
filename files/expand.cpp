// Path expansion and splitting: splitPath and expandDir.
#include "tessel/dir.h"

int splitPath(CString path, CString& dir, CString& file) {
    dir = CString();
    file = CString();
    CString drive = " :";
    const char sep = pathSeparator()[0];
    if (path.length() > 1 && path[2] == ':') {
        drive = SubCString(path, 1, 2);
        path = SubCString(path, 3, path.length() - 2);
    } else {
        drive[1] = queryCurrentDisk();
    }
    if (path.length() > 0 && path[1] == sep)
        path = drive + path;
    else
        path = mergePath(queryCurrentDir(drive[1]), path);

    const int cut = path.posr(sep);
    if (cut > 0) {
        dir = SubCString(path, 1, cut);
        file = SubCString(path, cut + 1, path.length() - cut);
    }
    if (isDir(path, dir)) {
        file = "*";
        return 1;
    }
    int found = isDir(dir, dir);
    if (!found) {
        const CString expansion =
            expandDir(SubCString(dir, 1, 3), SubCString(dir, 4, dir.length()));
        if (expansion.length() > 0) {
            dir = expansion;
            found = 1;
        }
    }
    if (file == ".." || file == ".") return 0;
    return found;
}

CString expandDir(CString base, CString run) {
    if (run.length() == 0) return base;
    const int at = run.pos(pathSeparator()[0]);
    const CString first = at > 0 ? CString(SubCString(run, 1, at - 1)) : CString();
    const CString rest = at > 0 ? CString(SubCString(run, at + 1, run.length() - at)) : run;
    if (first.length() == 0) return base;
    Directory listing(base);
    listing.fill(first);
    for (int i = 0; i < listing.size(); ++i) {
        const Dirent& entry = listing[i];
        if (!entry.isDirectory() || entry.name() == "." || entry.name() == "..") continue;
        const CString expansion = expandDir(mergePath(base, entry.name()), rest);
        if (expansion.length() > 0) return expansion;
    }
    return CString();
}
