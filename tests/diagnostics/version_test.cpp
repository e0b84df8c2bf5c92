// Tests of the version numbers read from RCS keyword strings.
#include <gtest/gtest.h>

#include <string>

#include "tessel/version.h"

namespace {

TEST(GetRCSVersionTest, ReadsTheFirstWordAfterTheColon) {
    struct Case {
        std::string id;
        const char* version;
    };
    const Case cases[] = {
        {"$Revision: 1.5 $", "1.05"},
        {"$Revision: 1.12 $", "1.12"},
        {"$Revision: 2 $", "2.00"},
        {"$Revision: 1.2.3 $", "1.02.03.00"},
        {"$Revision: 1.2.3.4 $", "1.02.03.04"},
        {"$Revision: 1.2.3.4.5 $", "1.02.03.04"},
        {"$Revision: 1.5$", "1.05"},
        {"$Revision: 1.123 $", "1.123"},
        {"$Revision: 10.0 extra words $", "10.00"},
        {"$Revision: 1.x $", "1.00"},
        {"$Revision: -1.5 $", "-1.05"},
        {"$Revision: 99999999999999999999.1 $", "2147483647.01"},
        {"$Id: $", "x.xx"},
        {"$Id: getopt.cpp 1.4 1994/03/15 09:30:00 ann Exp $", "x.xx"},
        {"$Id: 3.1 notes $", "3.01"},
        {"$Revision:1.5 $", "x.xx"},
        {"$Revision: $", "x.xx"},
        {"$Revision:", "x.xx"},
        {"$Revision$", "x.xx"},
        {"$", "x.xx"},
        {"$Revision: " + std::string(200, '7'), "2147483647.00"},
        {"$Revision: " + std::string(126, ' ') + "1.5", "x.xx"},
        {"$Revision: 1.5" + std::string(300, 'z'), "1.05"},
        {"1.5", ""},
        {"", ""},
        {" $Revision: 1.5 $", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("'" + c.id.substr(0, 40) + "'");
        EXPECT_STREQ(getRCSVersion(c.id.c_str()), c.version);
    }
    EXPECT_STREQ(getRCSVersion(nullptr), "");
}

TEST(GetRCSVersionTest, EveryCallOverwritesTheSameArea) {
    char* first = getRCSVersion("$Revision: 1.5 $");
    char* second = getRCSVersion("$Revision: 2.7 $");
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "2.07");
    getRCSVersion("plain");
    EXPECT_STREQ(first, "");
}

}  // namespace
