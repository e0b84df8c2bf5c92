// A program outside the source tree that uses the installed library.
#include <cstdio>

#include <tessel/tessel.h>

int main() {
    CString text = upperCase(CString("ab") + "cd");
    std::printf("tessel consumer: %s\n", static_cast<const char*>(text));
    return text == "ABCD" ? 0 : 1;
}
