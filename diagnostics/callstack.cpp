// callStack: the chain of call-stack records and its dump to "Call Stack".
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tessel/tracer.h"

callStack* callStack::root = nullptr;

namespace {

// The area a record's text is formatted in; longer texts are cut to fit.
constexpr size_t locationAreaSize = 128;

}  // namespace

callStack::callStack(const char* name, const long line) : location(nullptr), next(root) {
    root = this;
    char area[locationAreaSize];
    std::snprintf(area, sizeof area, "%s @ %ld", name ? name : "", line);
    location = strdup(area);
}

callStack::~callStack() {
    // In nesting order this record is the top; otherwise it is unlinked
    // where it stands.
    for (callStack** link = &root; *link; link = &(*link)->next) {
        if (*link == this) {
            *link = next;
            break;
        }
    }
    std::free(location);
}

void callStack::dump() {
    if (!root) return;
    std::FILE* f = std::fopen("Call Stack", "w");
    if (!f) return;
    std::fputs("*** Call Stack Dump ***\n", f);
    for (const callStack* record = root; record; record = record->next)
        std::fprintf(f, "%s\n", record->location ? record->location : "");
    std::fclose(f);
}
