// The build-time text settings of the date and time modules.
#ifndef TESSEL_DATETIME_SETTINGS_H
#define TESSEL_DATETIME_SETTINGS_H

// The build passes both as compile definitions (the cache variables
// TESSEL_DATE_ORDER and TESSEL_CLOCK_HOURS); the defaults are the built ones.
#ifndef TESSEL_DATE_ORDER
#define TESSEL_DATE_ORDER 1
#endif
#ifndef TESSEL_CLOCK_HOURS
#define TESSEL_CLOCK_HOURS 12
#endif

namespace tessel_detail {

// dateOrder: order of the numeric date form, read and printed:
// 0 month-day-year, 1 day-month-year, 2 year-month-day.
constexpr int dateOrder = TESSEL_DATE_ORDER;
// clockHours: 12 prints times with am/pm, 24 on the 24-hour clock.
constexpr int clockHours = TESSEL_CLOCK_HOURS;

static_assert(dateOrder >= 0 && dateOrder <= 2, "TESSEL_DATE_ORDER must be 0, 1 or 2");
static_assert(clockHours == 12 || clockHours == 24, "TESSEL_CLOCK_HOURS must be 12 or 24");

}  // namespace tessel_detail

#endif  // TESSEL_DATETIME_SETTINGS_H
