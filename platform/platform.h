// The platform layer: directory enumeration and the current directory.
//
// The files family reaches the operating system only through the table of
// operations below. Each backend (posix.cpp, windows.cpp) fills the table
// with its own functions; the build picks one backend. The table is plain
// data so that a test can swap an operation for one of its own (to inject a
// failure in the middle of an enumeration, or to record what is passed) and
// put the original back afterwards.
#ifndef TESSEL_PLATFORM_PLATFORM_H
#define TESSEL_PLATFORM_PLATFORM_H

namespace tessel_platform {

// FindRecord: what an enumeration delivers for one entry.
struct FindRecord {
    char name[260];            // the entry's own name, NUL-terminated
    unsigned long attributes;  // the attribute word (0x10 directory, 0x01 read-only, ...)
    unsigned long sizeLow;     // the low 32 bits of the size
    unsigned short date;       // last-write date, packed: day 0-4, month 5-8, year-1980 9-15
    unsigned short time;       // last-write time, packed: seconds/2 0-4, minutes 5-10, hours 11-15
};

// An open enumeration; each backend defines the structure.
struct FindState;
typedef FindState* FindHandle;

struct Operations {
    // findFirst(pattern, record): starts enumerating the directory named by
    // pattern, "DIR\*" (either separator), and puts the first entry in
    // record. Returns null when the directory cannot be enumerated or holds
    // no entry at all.
    FindHandle (*findFirst)(const char* pattern, FindRecord* record);
    // findNext(handle, record): puts the next entry in record and returns 1;
    // returns 0 when no entry is left or reading failed.
    int (*findNext)(FindHandle handle, FindRecord* record);
    // findClose(handle): ends the enumeration and frees the handle.
    void (*findClose)(FindHandle handle);
    // getCurrentDirectory(size, area): writes the current directory, a full
    // path "X:\...", into area and returns its length; returns 0 on failure
    // and a value of size or more, writing nothing, when it does not fit.
    unsigned long (*getCurrentDirectory)(unsigned long size, char* area);
    // setCurrentDirectory(path): makes path (or the drive designator "X:")
    // the current directory; 1 on success, 0 when refused.
    int (*setCurrentDirectory)(const char* path);
    // changeDirectory(path): the runtime's chdir for a path that begins with
    // a drive designator; 0 on success, -1 on failure.
    int (*changeDirectory)(const char* path);
};

// The operations in use. Tests may replace entries and restore them.
extern Operations operations;
// The backend's own operations, for restoring the table.
extern const Operations nativeOperations;

// Packing of a broken-down UTC time into the two words, clamped to the
// range the words can hold: before 1980-01-01 00:00:00 gives that moment,
// after 2107-12-31 23:59:58 gives that moment. Seconds round down to even.
struct PackedStamp {
    unsigned short date;
    unsigned short time;
};
PackedStamp packStamp(int year, int month, int day, int hours, int minutes, int seconds);
// The earliest and the latest stamps the words can hold.
PackedStamp earliestStamp();
PackedStamp latestStamp();

}  // namespace tessel_platform

#endif  // TESSEL_PLATFORM_PLATFORM_H
