// LocalZone: sets the TZ environment variable for the life of a test, so
// that the local calendar and clock are known, and restores it afterwards.
#ifndef TESSEL_TESTS_DATETIME_LOCAL_ZONE_H
#define TESSEL_TESTS_DATETIME_LOCAL_ZONE_H

#include <stdlib.h>
#include <time.h>

#include <string>

class LocalZone {
  public:
    explicit LocalZone(const char* zone) {
        const char* old = getenv("TZ");
        hadZone = old != nullptr;
        if (hadZone) oldZone = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~LocalZone() {
        if (hadZone) {
            setenv("TZ", oldZone.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

  private:
    bool hadZone;
    std::string oldZone;
};

#endif  // TESSEL_TESTS_DATETIME_LOCAL_ZONE_H
