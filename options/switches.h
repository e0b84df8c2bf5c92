// The switch characters shared by the option parser and the option listing.
#ifndef TESSEL_OPTIONS_SWITCHES_H
#define TESSEL_OPTIONS_SWITCHES_H

#include <cstdlib>

namespace tessel_detail {

// switchChars(): the text of SWITCHCHAR when it is set, else "/-". Read
// afresh on every call, so a change of the environment applies at once.
inline const char* switchChars() {
    const char* chars = std::getenv("SWITCHCHAR");
    return chars ? chars : "/-";
}

}  // namespace tessel_detail

#endif  // TESSEL_OPTIONS_SWITCHES_H
