// libFuzzer target: reads arbitrary bytes as date and time texts and checks
// that what they give is consistent: a date is valid exactly when the text
// tests valid, a valid date prints and reads back to itself with a month of
// 1 to 12, and a time prints and reads back to itself within one day.
//
// Input: any bytes; the text is cut at the first NUL, as a CString holds it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tessel/cstring.h"
#include "tessel/date.h"
#include "tessel/time.h"

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const CString text(bytes.c_str());

    const Date date(text);
    const int valid = Date::gIsValidDate(text);
    check(valid == (static_cast<short>(date) != 0));
    if (valid) {
        check(date.month() >= 1 && date.month() <= 12);
        check(Date(date.shortCString()) == date);
        check(date.longCString().length() == 17);
        check(date.monthStr().length() == 3 && date.dayStr().length() == 3);
    } else {
        check(date.shortCString().length() == 0 && date.longCString().length() == 0);
    }

    Date moved = date;
    moved += static_cast<short>(size * 977);
    if (static_cast<short>(moved) != 0) check(moved.month() >= 1 && moved.month() <= 12);
    (void)moved.longCString();

    const Time time(text);
    const long count = static_cast<long>(time);
    check(count >= 0 && count <= 99 * 3600 + 99 * 60 + 99);
    check(time.minutes() < 60 && time.seconds() < 60);
    if (count < 86400) check(static_cast<long>(Time(time.longCString())) == count);
    return 0;
}
