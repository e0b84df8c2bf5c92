// Packing of last-write times into the 16-bit date and time words.
#include "platform/platform.h"

namespace tessel_platform {

namespace {

PackedStamp pack(int year, int month, int day, int hours, int minutes, int seconds) {
    PackedStamp s;
    s.date = static_cast<unsigned short>(((year - 1980) << 9) | (month << 5) | day);
    s.time = static_cast<unsigned short>((hours << 11) | (minutes << 5) | (seconds / 2));
    return s;
}

}  // namespace

PackedStamp earliestStamp() {
    return pack(1980, 1, 1, 0, 0, 0);
}

PackedStamp latestStamp() {
    return pack(2107, 12, 31, 23, 59, 58);
}

PackedStamp packStamp(int year, int month, int day, int hours, int minutes, int seconds) {
    if (year < 1980) return earliestStamp();
    if (year > 2107) return latestStamp();
    return pack(year, month, day, hours, minutes, seconds);
}

}  // namespace tessel_platform
