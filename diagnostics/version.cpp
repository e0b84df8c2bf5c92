// getRCSVersion: the version number of an RCS keyword string.
#include "tessel/version.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t versionSize = 128;

// The result of the last call.
char versionText[versionSize];

// readNumbers(text, numbers): reads up to four decimal integers separated
// by points, as sscanf with "%d.%d.%d.%d" does (blanks may precede each
// number, which may carry a sign), and returns how many it read. A number
// out of the range of int is held at the nearest limit instead of being
// undefined.
int readNumbers(const char* text, int numbers[4]) {
    int count = 0;
    const char* p = text;
    while (count < 4) {
        char* end = nullptr;
        const long value = std::strtol(p, &end, 10);
        if (end == p) break;
        numbers[count++] = value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : int(value);
        if (*end != '.') break;
        p = end + 1;
    }
    return count;
}

}  // namespace

char* getRCSVersion(const char* id) {
    versionText[0] = '\0';
    if (!id || id[0] != '$') return versionText;

    const char* colon = std::strchr(id, ':');
    if (colon) {
        // Skip the colon and the character after it, but never the end.
        const char* rest = colon[1] ? colon + 2 : colon + 1;
        std::snprintf(versionText, versionSize, "%s", rest);
        if (char* blank = std::strchr(versionText, ' '))
            *blank = '\0';
        else if (char* dollar = std::strchr(versionText, '$'))
            *dollar = '\0';
    }

    int n[4] = {0, 0, 0, 0};
    const int count = readNumbers(versionText, n);
    if (count == 0)
        std::snprintf(versionText, versionSize, "x.xx");
    else if (count <= 2)
        std::snprintf(versionText, versionSize, "%i.%02i", n[0], n[1]);
    else
        std::snprintf(versionText, versionSize, "%i.%02i.%02i.%02i", n[0], n[1], n[2], n[3]);
    return versionText;
}
