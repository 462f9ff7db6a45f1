// The editors' text checks: KNX and IPv4 addresses, object identifiers, security levels, decimals.
#include "core/UComon.h"

#include <gtest/gtest.h>

TEST(TextChecks, KnxAddress) {
    struct Case {
        const char* text;
        bool group;
        bool allowZero;
        int expected;
    };
    const Case cases[] = {
        {"1.2.3", false, false, 0},
        {" 1 . 2 . 3 ", false, false, 0},
        {"15.15.255", false, false, 0},
        {"$F.0xF.$FF", false, false, 0},
        {"0.0.0", false, false, 1},
        {"0.0.0", false, true, 0},
        {"16.0.1", false, false, 1},
        {"1.16.0", false, false, 1},
        {"1.1.256", false, false, 1},
        {"-1.1.1", false, false, 1},
        {"1..3", false, false, 1},
        {"1.2.3.4", false, false, 1},
        {"1.2", false, false, 1},
        {"1.2", false, true, 1},
        {"100", false, false, 0},
        {"65535", false, false, 0},
        {"0", false, true, 1},
        {"65536", false, false, 1},
        {"", false, false, 1},
        {"1/2", false, false, 1},
        {"1.2/3", false, false, 1},
        {"31/7/255", true, false, 0},
        {"0/2047", true, false, 0},
        {"0/0/1", true, false, 0},
        {" 1 / 2 / 3 ", true, false, 0},
        {"0/0/0", true, true, 1},
        {"0/0", true, true, 1},
        {"32/0/1", true, false, 1},
        {"0/8/0", true, false, 1},
        {"0/0/256", true, false, 1},
        {"0/2048", true, false, 1},
        {"1/2/3/4", true, false, 1},
        {"1/x", true, false, 1},
        {"1", true, false, 0},
        {"65535", true, false, 0},
        {"0", true, false, 1},
        {"1.2/3", true, false, 1},
        {"1.2", true, false, 1},
        {"", true, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " group=" << c.group << " zero=" << c.allowZero);
        EXPECT_EQ(Check_KNX_Address(c.text, c.group, c.allowZero), c.expected);
    }
}

TEST(TextChecks, SplitIpAddress) {
    struct Case {
        const char* text;
        bool valid;
        QStringList parts;
    };
    const Case cases[] = {
        {"192.168.1.10", true, {"192", "168", "1", "10"}},
        {" 192 . 168 . 1 . 10 ", true, {"192", "168", "1", "10"}},
        {"0.0.0.255", true, {"0", "0", "0", "255"}},
        {"10.0.0", false, {"10", "0", "", ""}},
        {"10", false, {"", "", "", ""}},
        {"1.2.3.4.5", false, {"1", "2", "3", "4.5"}},
        {"256.1.1.1", false, {"256", "1", "1", "1"}},
        {"1.2.3.x", false, {"1", "2", "3", "x"}},
        {"1.2..4", false, {"1", "2", "", "4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        String p1 = "?", p2 = "?", p3 = "?", p4 = "?";
        EXPECT_EQ(Split_IP_Address(c.text, p1, p2, p3, p4), c.valid);
        EXPECT_EQ(QStringList({p1, p2, p3, p4}), c.parts);
    }
}

TEST(TextChecks, IpToBytes) {
    struct Case {
        const char* text;
        bool error;
        std::array<int, 4> bytes;
    };
    const Case cases[] = {
        {"192.168.1.10", false, {192, 168, 1, 10}}, {"10.0.0", true, {10, 0, 0, 0}},
        {"1.2.3.256", true, {1, 2, 3, 0}},          {"1.2 .3.4", true, {1, 0, 3, 4}},
        {"1.2.3.4.5", true, {1, 2, 3, 0}},          {"", true, {7, 7, 7, 7}}, // untouched
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Byte b1 = 7, b2 = 7, b3 = 7, b4 = 7;
        EXPECT_EQ(IP_To_Bytes(c.text, b1, b2, b3, b4), c.error);
        EXPECT_EQ((std::array<int, 4>{b1, b2, b3, b4}), c.bytes);
    }
}

TEST(TextChecks, IpPortToBytes) {
    struct Case {
        const char* text;
        bool valid;
        std::array<int, 5> out;
    };
    const Case cases[] = {
        {"192.168.1.10:502", true, {192, 168, 1, 10, 502}},
        {" 192 . 168 . 1 . 10 : 502 ", true, {192, 168, 1, 10, 502}},
        {"1.2.3.4:65535", true, {1, 2, 3, 4, 65535}},
        {"1.2.3.4:0", true, {1, 2, 3, 4, 0}},
        {"192.168.1.10", false, {0, 0, 0, 0, 0}},
        {"1.2.3:80", false, {0, 0, 0, 0, 0}},
        {"1.2.3.4:", false, {0, 0, 0, 0, 0}},
        {"1.2.3.4:65536", false, {0, 0, 0, 0, 0}},
        {"1.2.3.256:80", false, {0, 0, 0, 0, 0}},
        {"1.2.3.4.5:80", false, {0, 0, 0, 0, 0}},
        {"1.2.3.4:80:81", false, {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Byte b1 = 9, b2 = 9, b3 = 9, b4 = 9;
        Word port = 9;
        EXPECT_EQ(IP_Port_To_Bytes(c.text, b1, b2, b3, b4, port), c.valid);
        EXPECT_EQ((std::array<int, 5>{b1, b2, b3, b4, port}), c.out);
    }
}

TEST(TextChecks, WithoutDot) {
    EXPECT_TRUE(Is_Without_Dot("1/2/3"));
    EXPECT_TRUE(Is_Without_Dot(""));
    EXPECT_FALSE(Is_Without_Dot("1.2"));
}

TEST(TextChecks, ObjectIdentifierCodes) {
    const QString longest = "1" + QString(".1").repeated(63) + "0"; // 128 characters
    struct Case {
        QString text;
        int code;
    };
    const Case cases[] = {
        {"1.3.6.1.4.1", 0},
        {"0", 0},
        {"1.4294967295", 0},
        {"1.0004294967295", 0},
        {longest, 0},
        {longest + "1", 1},
        {QString(200, u'x'), 1},
        {"1.3a", 2},
        {"1.3 .4", 2},
        {"-1.3", 2},
        {"1.a.", 2},
        {".1.3", 3},
        {".1..3", 3},
        {"1.3.", 4},
        {"1..3", 5},
        {"1.4294967296", 6},
        {"1.99999999999999999999999", 6},
        {"", 6},
    };
    ASSERT_EQ(longest.size(), 128);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(Check_OID(c.text), c.code);
    }
}

TEST(TextChecks, SecurityLevel) {
    struct Case {
        const char* text;
        int level;
    };
    const Case cases[] = {
        {"  auth priv  ", 3}, {"AUTH PRIV", 3},     {"AUTH NOPRIV", 1}, {"auth nopriv", 1}, {"", -1},
        {"   ", -1},          {"NOAUTH NOPRIV", 0}, {"AUTH  PRIV", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Get_Security_Level(c.text), c.level);
    }
}

TEST(TextChecks, DecimalSeparatorIsCommaOrDot) {
    const QChar sep = Get_Decimal_Separator();
    EXPECT_TRUE(sep == u',' || sep == u'.');
}

// The number is read with the separator the caller gives; the system's own separator (here ".")
// does not decide, so "1.5" with "," reads as 1.5 rather than failing.
TEST(TextChecks, StrToFloatSepUsesGivenSeparator) {
    struct Case {
        const char* text;
        char separator;
        bool ok;
        float value;
    };
    const Case cases[] = {
        {"1,5", '.', true, 1.5f},  {"1.5", '.', true, 1.5f},       {"1.5", ',', true, 1.5f},
        {"1,5", ',', true, 1.5f},  {"-2,25e2", '.', true, -225.f}, {" 3 ", ',', true, 3.f},
        {"+.5", ',', true, 0.5f},  {"7.", '.', true, 7.f},         {"abc", '.', false, 1.f},
        {"", ',', false, 1.f},     {"1,2.3", '.', false, 1.f},     {"1 000", ',', false, 1.f},
        {"1e40", '.', false, 1.f}, {"inf", '.', false, 1.f},       {"nan", ',', false, 1.f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " sep " << c.separator);
        float v = -99.f;
        EXPECT_EQ(Str_To_Float_Sep(c.text, QChar(c.separator), v), c.ok);
        EXPECT_FLOAT_EQ(v, c.value);
    }
}
