// The Date and Time a Dirent makes from its packed stamp.
#include "tessel/date.h"
#include "tessel/dir.h"
#include "tessel/time.h"

const Date& Dirent::date() const {
    if (cachedDate == nullptr)
        cachedDate =
            new Date(static_cast<short>(packedDate.day), static_cast<short>(packedDate.month),
                     static_cast<short>(1980 + packedDate.year));
    return *cachedDate;
}

const Time& Dirent::time() const {
    if (cachedTime == nullptr)
        cachedTime = new Time(static_cast<unsigned short>(packedTime.hours),
                              static_cast<unsigned short>(packedTime.minutes),
                              static_cast<unsigned short>(packedTime.twoSeconds * 2));
    return *cachedTime;
}

void Dirent::dropCache() const {
    delete cachedDate;
    delete cachedTime;
    cachedDate = nullptr;
    cachedTime = nullptr;
}
