// The system calls of the POSIX backend, replaceable by tests.
#ifndef TESSEL_PLATFORM_POSIX_H
#define TESSEL_PLATFORM_POSIX_H

#include <dirent.h>
#include <sys/stat.h>

namespace tessel_platform {

// The calls the POSIX enumeration makes for each entry, in a table so that
// a test can make an entry vanish or reading fail at a chosen moment.
struct PosixCalls {
    int (*statAt)(int dirFd, const char* name, struct stat* st, int flags);  // fstatat
    struct dirent* (*readEntry)(DIR* dir);                                   // readdir
};

extern PosixCalls posixCalls;
extern const PosixCalls nativePosixCalls;

}  // namespace tessel_platform

#endif  // TESSEL_PLATFORM_POSIX_H
