// FileExp2RegExp: translates a file-name wildcard into an anchored,
// ignore-case regular expression.
#include <cstdlib>

#include "tessel/dir.h"

namespace {

// A count number as the standard decimal conversion reads the text at s
// (leading blanks and a sign accepted, 0 when no digit follows), saturated
// instead of overflowing and then limited to a range that any int holds:
// every value of 255 or more fails to compile all the same.
int countNumber(const char* s) {
    const long value = std::strtol(s, nullptr, 10);
    const long limit = 99999;
    if (value > limit) return static_cast<int>(limit);
    if (value < -limit) return static_cast<int>(-limit);
    return static_cast<int>(value);
}

const char* skipDigits(const char* s) {
    while (*s >= '0' && *s <= '9')
        ++s;
    return s;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

// The translation keeps no notion of bracket classes: a + counts as "after ]"
// by the wildcard character just before it. After ]+ a number is the maximum,
// and -number after it the minimum (1 when absent).
RegExp FileExp2RegExp(const CString& wildcard) {
    CString expression("^");
    char previous = '\0';
    const char* s = wildcard;
    while (*s) {
        const char c = *s++;
        switch (c) {
            case '*':
                expression = expression + "[^\\/:]*";
                break;
            case '?':
                expression = expression + ".";
                break;
            case '.':
            case '$':
                expression = expression + "\\" + c;
                break;
            case '+':
                if (previous == ']' && isDigit(*s)) {
                    const int maximum = countNumber(s);
                    s = skipDigits(s);
                    int minimum = 1;
                    if (*s == '-') {
                        ++s;
                        minimum = countNumber(s);
                        s = skipDigits(s);
                    }
                    expression = expression + sformat("\\{%d,%d\\}", minimum, maximum);
                    previous = s[-1];
                    continue;
                }
                expression = expression + (previous == ']' ? "\\{1\\}" : "\\+");
                break;
            default:
                expression = expression + c;
                break;
        }
        previous = c;
    }
    expression = expression + "$";
    return RegExp(expression, 1);
}
