// printOptions: the help listing of an option table.
#include <cstdio>

#include "options/switches.h"
#include "tessel/getopt.h"

void printOptions(option* options) {
    std::fputs("options are:\n", stderr);
    if (!options) return;
    for (const option* o = options; o->name; ++o) {
        // An empty SWITCHCHAR has no first character; the line then shows
        // none rather than a NUL byte.
        const char first = tessel_detail::switchChars()[0];
        const char* usage = o->usage ? o->usage : "";
        const char* description = o->description ? o->description : "";
        if (first)
            std::fprintf(stderr, " %c%-30s%s\n", first, usage, description);
        else
            std::fprintf(stderr, " %-30s%s\n", usage, description);
    }
}
