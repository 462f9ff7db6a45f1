// Regular expressions: matching anywhere or anchored, and the captured groups.
#include "toolkit/system/RegularExpressions.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(TRegEx, MatchesAndCapturesGroups) {
    const TRegEx version("^([0-9]{1,6})\\.([0-9]{3})");
    EXPECT_EQ(version.Match("10.002 beta"), QStringList({"10.002", "10", "002"}));
    EXPECT_TRUE(version.Match("v10.002").isEmpty());
    EXPECT_TRUE(version.IsMatch("1.000"));
    EXPECT_FALSE(version.IsMatch("1.00"));
    const TRegEx unanchored("[1-4]$");
    EXPECT_TRUE(unanchored.IsMatch("IP4"));
    EXPECT_FALSE(unanchored.IsMatch("IP5"));
    EXPECT_FALSE(TRegEx("(").IsMatch("(")) << "a pattern that does not compile matches nothing";
}
