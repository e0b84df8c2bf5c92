// FileTreeWalker: the depth-first walk over a directory tree and its hooks.
#include <cstring>

#include "files/entry.h"
#include "platform/platform.h"
#include "tessel/dir.h"

using tessel_platform::FindHandle;
using tessel_platform::FindRecord;
using tessel_platform::operations;

FileTreeWalker::FileTreeWalker(const char* dir) : Directory(dir) {}

FileTreeWalker::~FileTreeWalker() {}

int FileTreeWalker::found(const Dirent&) {
    return 1;
}

void FileTreeWalker::searching(const CString&) const {}

int FileTreeWalker::dirFinished(const CString&) const {
    return 1;
}

int FileTreeWalker::walk(const char* path, unsigned int depth) {
    CString file;
    const CString start = nativePathName(CString(path));
    if (!splitPath(start, dirPath, file)) return 0;
    RegExp re = FileExp2RegExp(file);
    baseDir = dirPath;
    unsigned int counter = depth;
    return doWalk(copyOf(dirPath), re, counter);
}

int FileTreeWalker::doWalk(const CString dir, RegExp& re, unsigned int& depth) {
    const CString saved = dirPath;
    dirPath = dir;
    searching(dirPath);
    int result = 1;
    FindRecord r;
    FindHandle h = operations.findFirst(mergePath(dirPath, "*"), &r);
    if (h != nullptr) {
        bool more = true;
        while (more && result != 0) {
            {
                const Dirent entry = tessel_detail::entryOf(this, r);
                if (re == r.name) result = found(entry);
            }
            // Links and junctions (0x400) are reported but not entered, so
            // a cycle of links cannot make the walk endless.
            if (result != 0 && (r.attributes & 0x10) != 0 && (r.attributes & 0x400) == 0 &&
                std::strcmp(r.name, ".") != 0 && std::strcmp(r.name, "..") != 0) {
                --depth;
                if (depth != 0) result = doWalk(mergePath(dirPath, r.name), re, depth);
                ++depth;
            }
            more = operations.findNext(h, &r) != 0;
        }
        operations.findClose(h);
    }
    dirFinished(dirPath);
    dirPath = saved;
    return result;
}
