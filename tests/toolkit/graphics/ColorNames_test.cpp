// The colour identifiers: the web colours' names are read and named, while the text written for a colour
// stays what stored designs and settings hold.
#include "toolkit/graphics/ColorNames.h"
#include "toolkit/graphics/Graphics.h"

#include <gtest/gtest.h>

#include <set>

TEST(ColorNames, WebColoursAreReadAndNamedWithoutChangingTheWrittenText) {
    struct Case {
        const char* name;
        TColor color;
    } cases[] = {
        {"clWebRed", 0x0000FF},           {"CLWEBSNOW", 0xFAFAFF},
        {"clWebDarkSlategray", 0x4F4F2F}, {"clwebcornflowerblue", 0xED9564},
        {"clWebBlack", 0x000000},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(StringToColor(k.name), k.color);
        EXPECT_EQ(WebColorName(k.color).toLower(), QString::fromLatin1(k.name).toLower());
    }
    // The standard identifiers come first; a web colour without one is written as its value.
    EXPECT_EQ(StringToColor("clRed"), clRed);
    EXPECT_EQ(ColorToString(clRed), "clRed");
    EXPECT_EQ(ColorToString(0xFAFAFF), "$00FAFAFF");
    EXPECT_EQ(WebColorName(0x010203), "");
    // One name per value.
    std::set<TColor> values;
    for (const auto& [name, value] : WebColorIdents())
        EXPECT_TRUE(values.insert(value).second) << name;
}
