// Time formatting: the short and long text forms on the build's clock.
#include "datetime/settings.h"
#include "tessel/time.h"

namespace {

// The separator between hours, minutes and seconds, passed as a string.
const char separator[] = ":";

}  // namespace

Time::operator CString() const {
    return shortCString();
}

// On the 12-hour clock hour 0 prints as 12am and hour 12 as 12pm; later
// hours lose 12. Counts outside one day are printed by the same rows, with
// no reduction.
CString Time::shortCString() const {
    const int h = hours();
    const int m = minutes();
    if (tessel_detail::clockHours == 24) return sformat("%02i%s%02i", h, separator, m);
    if (h == 0) return sformat("12%s%02iam", separator, m);
    if (h == 12) return sformat("12%s%02ipm", separator, m);
    if (h > 12) return sformat("%02i%s%02ipm", h - 12, separator, m);
    return sformat("%02i%s%02iam", h, separator, m);
}

CString Time::longCString() const {
    const int h = hours();
    const int m = minutes();
    const int s = seconds();
    if (tessel_detail::clockHours == 24) {
        return sformat("%02i%s%02i%s%02i", h, separator, m, separator, s);
    }
    if (h == 0) return sformat("12%s%02i%s%02iam", separator, m, separator, s);
    if (h == 12) return sformat("12%s%02i%s%02ipm", separator, m, separator, s);
    if (h > 12) return sformat("%02i%s%02i%s%02ipm", h - 12, separator, m, separator, s);
    return sformat("%02i%s%02i%s%02iam", h, separator, m, separator, s);
}
