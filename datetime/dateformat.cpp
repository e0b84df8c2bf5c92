// Date formatting: the short numeric form, the long form with weekday and
// ordinal day, the weekday and month names, and the ordinal suffix.
#include "datetime/calendar.h"
#include "datetime/settings.h"
#include "tessel/date.h"

namespace {

// The separator of the numeric form, passed to the format as a string.
const char separator[] = "-";

// ordinalSuffix(day): "st", "nd", "rd" or "th" for a day of the month.
const char* ordinalSuffix(int day) {
    switch (day) {
        case 1:
        case 21:
        case 31:
            return "st";
        case 2:
        case 22:
            return "nd";
        case 3:
        case 23:
            return "rd";
        default:
            return "th";
    }
}

// nameOfMonth(month): the month's entry in Date::monthName, or the empty
// text for a month outside 1 to 12 (which a valid date never holds) and for
// an entry a caller has set to null.
const char* nameOfMonth(int month) {
    if (month < 1 || month > tessel_detail::monthsInYear) return "";
    const char* name = Date::monthName[month - 1];
    return name ? name : "";
}

}  // namespace

Date::operator CString() const {
    return shortCString();
}

CString Date::shortCString() const {
    if (dayNumber == 0) return CString();
    switch (tessel_detail::dateOrder) {
        case 0:
            return sformat("%02d%s%02d%s%04d", monthNumber, separator, dayOfMonth, separator,
                           yearNumber);
        case 1:
            return sformat("%02d%s%02d%s%04d", dayOfMonth, separator, monthNumber, separator,
                           yearNumber);
        default:
            return sformat("%04d%s%02d%s%02d", yearNumber, separator, monthNumber, separator,
                           dayOfMonth);
    }
}

// longCString leaves three blanks after the day; setTH overwrites the first
// two with the suffix, so one blank follows it.
CString Date::longCString() const {
    if (dayNumber == 0) return CString();
    const CString weekday = dayStr();
    const char* month = nameOfMonth(monthNumber);
    if (tessel_detail::dateOrder == 0) {
        CString text = sformat("%s %s %02d   %04d", static_cast<const char*>(weekday), month,
                               dayOfMonth, yearNumber);
        setTH(text, 11);
        return text;
    }
    CString text = sformat("%s %02d   %s %04d", static_cast<const char*>(weekday), dayOfMonth,
                           month, yearNumber);
    setTH(text, 7);
    return text;
}

CString Date::dayStr() const {
    return CString(dayName[dayOfWeek() - 1]);
}

CString Date::monthStr() const {
    if (dayNumber == 0) return CString();
    return CString(nameOfMonth(monthNumber));
}

// setTH writes both letters or neither: a position pair that does not lie
// within the text leaves it unchanged.
void Date::setTH(CString& text, int pos) const {
    if (pos < 1 || pos >= text.length()) return;
    const char* suffix = ordinalSuffix(dayOfMonth);
    text[pos] = suffix[0];
    text[pos + 1] = suffix[1];
}
