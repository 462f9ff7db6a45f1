// Decoding text files: byte-order marks and the Windows-1252 page.
#include "toolkit/system/TextCodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, Windows1252Bytes) {
    struct Case {
        unsigned char byte;
        char16_t expected;
    };
    const Case cases[] = {
        {0x41, u'A'},   {0x00, 0x0000}, {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081}, {0x8A, 0x0160},
        {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x91, 0x2018}, {0x96, 0x2013}, {0x99, 0x2122},
        {0x9D, 0x009D}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.byte));
        const String s = DecodeWindows1252(QByteArray(1, char(c.byte)));
        ASSERT_EQ(s.size(), 1);
        EXPECT_EQ(s[0].unicode(), c.expected);
    }
}

TEST(TextCodec, ByteOrderMarkSelectsEncoding) {
    struct Case {
        const char* name;
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"utf8",
         QByteArray("\xEF\xBB\xBF"
                    "a\xC3\xA9\xF0\x9F\x98\x80"),
         QString::fromUtf8("a\u00E9\U0001F600")},
        {"utf16 le with surrogates",
         QByteArray("\xFF\xFE"
                    "a\0\x3D\xD8\x00\xDE",
                    8),
         QString::fromUtf8("a\U0001F600")},
        {"utf16 be", QByteArray("\xFE\xFF\0a\x20\xAC", 6), QString::fromUtf8("a\u20AC")},
        {"utf16 odd last byte dropped",
         QByteArray("\xFF\xFE"
                    "a\0b",
                    5),
         "a"},
        {"no mark", QByteArray("\xEF\xBB"), QString::fromUtf8("\u00EF\u00BB")},
        {"empty", QByteArray(), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeText(c.bytes), c.text);
    }
}

TEST(TextCodec, Windows1252RepertoireReplacesWhatThePageLacks) {
    const struct {
        QString text, kept;
    } cases[] = {
        {QString::fromUtf8("caf\u00E9 \u20AC5 \u2013 \u0160"),
         QString::fromUtf8("caf\u00E9 \u20AC5 \u2013 \u0160")},
        {QString::fromUtf8("\u0141\u00F3d\u017A"), QString::fromUtf8("?\u00F3d?")},
        {QString::fromUtf8("Temp_\u03A9"), "Temp_?"},
        {QString::fromUtf8("a\U0001F321b"), "a?b"}, // one character in two code units
        {QString(QChar(0xD83C)) + "x", "?x"},       // a lone surrogate
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Windows1252Repertoire(c.text), c.kept) << c.text.toStdString();
        QByteArray bytes;
        EXPECT_TRUE(EncodeWindows1252(Windows1252Repertoire(c.text), bytes)) << c.text.toStdString();
    }
}
