// The Windows backend of the platform layer: the Win32 calls themselves.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <direct.h>

#include <cstring>
#include <new>

#include "platform/platform.h"

namespace tessel_platform {

struct FindState {
    HANDLE handle;
    WIN32_FIND_DATAA data;
};

namespace {

// copyRecord(data, record): the four fields the library uses. A time the
// packed words cannot hold is clamped to the nearest stamp they can, as the
// POSIX backend does.
void copyRecord(const WIN32_FIND_DATAA& data, FindRecord* record) {
    std::memcpy(record->name, data.cFileName, sizeof record->name);
    record->name[sizeof record->name - 1] = '\0';
    record->attributes = data.dwFileAttributes;
    record->sizeLow = data.nFileSizeLow;
    WORD date = 0;
    WORD time = 0;
    if (FileTimeToDosDateTime(&data.ftLastWriteTime, &date, &time)) {
        record->date = date;
        record->time = time;
        return;
    }
    SYSTEMTIME st;
    PackedStamp stamp = earliestStamp();
    if (FileTimeToSystemTime(&data.ftLastWriteTime, &st))
        stamp = packStamp(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
    else if (data.ftLastWriteTime.dwHighDateTime >= 0x80000000u)
        stamp = latestStamp();
    record->date = stamp.date;
    record->time = stamp.time;
}

FindHandle winFindFirst(const char* pattern, FindRecord* record) {
    if (pattern == nullptr || record == nullptr) return nullptr;
    FindState* h = new (std::nothrow) FindState;
    if (h == nullptr) return nullptr;
    h->handle = FindFirstFileA(pattern, &h->data);
    if (h->handle == INVALID_HANDLE_VALUE) {
        delete h;
        return nullptr;
    }
    copyRecord(h->data, record);
    return h;
}

int winFindNext(FindHandle h, FindRecord* record) {
    if (h == nullptr || record == nullptr) return 0;
    if (!FindNextFileA(h->handle, &h->data)) return 0;
    copyRecord(h->data, record);
    return 1;
}

void winFindClose(FindHandle h) {
    if (h == nullptr) return;
    FindClose(h->handle);
    delete h;
}

unsigned long winGetCurrentDirectory(unsigned long size, char* area) {
    return GetCurrentDirectoryA(static_cast<DWORD>(size), area);
}

int winSetCurrentDirectory(const char* path) {
    return SetCurrentDirectoryA(path) ? 1 : 0;
}

int winChangeDirectory(const char* path) {
    return _chdir(path) == -1 ? -1 : 0;
}

}  // namespace

const Operations nativeOperations = {winFindFirst,           winFindNext,
                                     winFindClose,           winGetCurrentDirectory,
                                     winSetCurrentDirectory, winChangeDirectory};
Operations operations = {winFindFirst,           winFindNext,
                         winFindClose,           winGetCurrentDirectory,
                         winSetCurrentDirectory, winChangeDirectory};

}  // namespace tessel_platform
