// The RTF reader and writer: tables of documents and what they read as, round trips, hostile input.
#include "toolkit/richtext/RichText.h"
#include "toolkit/richtext/RichTextDocument.h"

#include <QRegularExpression>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// The runs of a read document, one line each: "text|font|size|BIUS|script|colour", paragraphs as "¶<align>".
QString DescribeRich(const TRichText& t) {
    QStringList out;
    for (const TRichParagraph& p : t.Paragraphs) {
        out << QStringLiteral("P%1").arg(static_cast<int>(p.Alignment));
        for (const TRichRun& r : p.Runs) {
            const TRichFormat& f = r.Format;
            QString flags;
            if (f.Bold) flags += 'B';
            if (f.Italic) flags += 'I';
            if (f.Underline) flags += 'U';
            if (f.StrikeOut) flags += 'S';
            out << QStringLiteral("%1|%2|%3|%4|%5|%6")
                       .arg(r.Text, f.FontName)
                       .arg(f.HalfPoints)
                       .arg(flags)
                       .arg(static_cast<int>(f.Script))
                       .arg(f.Color == clNone ? QStringLiteral("auto") : QString::number(f.Color, 16));
        }
    }
    return out.join('\n');
}

struct RtfReadCase {
    const char* Name;
    const char* Rtf;
    const char16_t* Plain;
    const char* Runs; // DescribeRich, or null when only the text matters
};

const RtfReadCase kRtfReadCases[] = {
    {"tables and formats",
     "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}"
     "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
     "\\pard\\f0\\fs20 plain \\b bold\\b0  {\\i\\cf1 red italic} \\ul under\\ulnone\\par"
     "\\pard\\qc\\f1\\fs32\\cf2 centred\\par}",
     u"plain bold red italic under\r\ncentred",
     "P0\nplain |Arial|20||0|auto\nbold|Arial|20|B|0|auto\n |Arial|20||0|auto\nred italic|Arial|20|I|0|ff\n"
     " |Arial|20||0|auto\nunder|Arial|20|U|0|auto\nP2\ncentred|Times New Roman|32||0|ff0000"},
    {"unicode with fallback skipped",
     "{\\rtf1\\ansi\\uc1 a\\u8364?b\\uc2\\u937\\'4f\\'4dc{\\uc0\\u945}d\\u-3937?}",
     u"a\u20ACb\u03A9c\u03B1d\uF09F", nullptr},
    {"fallback ends at a group", "{\\rtf1\\uc3\\u252{x}y}", u"\u00FCxy", nullptr},
    {"code page characters", "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'80 \\'93q\\'94}",
     u"caf\u00E9 \u20AC \u201Cq\u201D", nullptr},
    {"font charset chooses the code page",
     "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}\\f1 \\'cf\\'f0\\f0 \\'e9}",
     u"\u041F\u0440\u00E9", nullptr},
    {"unknown destinations skipped",
     "{\\rtf1{\\*\\generator Writer 1.0;}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}"
     "{\\*\\unknown{\\nested text}}{\\pict\\pngblip 89504e47}A{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt "
     "B}}}",
     u"AB", nullptr},
    {"escapes, tabs, breaks", "{\\rtf1 a\\{b\\}c\\\\d\\tab e\\line f\\~g\\par h}",
     u"a{b}c\\d\te\r\nf\u00A0g\r\nh", nullptr},
    {"last par opens no paragraph", "{\\rtf1 one\\par two\\par}", u"one\r\ntwo", nullptr},
    {"empty paragraphs kept", "{\\rtf1 one\\par\\par\\par two}", u"one\r\n\r\n\r\ntwo", nullptr},
    {"plain resets, pard resets alignment",
     "{\\rtf1{\\fonttbl{\\f0 A;}}\\qr\\b\\fs40 x\\plain y\\par\\pard z}", u"xy\r\nz",
     "P1\nx|A|40|B|0|auto\ny|A|24||0|auto\nP0\nz|A|24||0|auto"},
    {"sub and superscript", "{\\rtf1 H{\\sub 2}O x{\\super 2}\\nosupersub}", u"H2O x2",
     "P0\nH||24||0|auto\n2||24||1|auto\nO x||24||0|auto\n2||24||2|auto"},
    {"not RTF reads as plain lines", "line 1\r\nline \xe9", u"line 1\r\nline \u00E9", nullptr},
    {"font names lose control characters", "{\\rtf1{\\fonttbl{\\f0 A\x01r\\tab i\\line al ;}}\\f0 x}", u"x",
     "P0\nx|Arial|24||0|auto"},
    {"text after the document ignored", "{\\rtf1 in}out{\\b more}", u"in", nullptr},
};

class RtfReadTable : public testing::TestWithParam<RtfReadCase> {};

TEST_P(RtfReadTable, ReadsTextAndFormats) {
    const RtfReadCase& c = GetParam();
    const TRichText t = ReadRtf(QByteArray(c.Rtf));
    EXPECT_EQ(t.PlainText(), QString::fromUtf16(c.Plain));
    if (c.Runs) {
        EXPECT_EQ(DescribeRich(t), QString::fromUtf8(c.Runs));
    }
    // Whatever was read writes out and reads back the same.
    EXPECT_EQ(ReadRtf(WriteRtf(t)), t) << WriteRtf(t).constData();
}

INSTANTIATE_TEST_SUITE_P(Cases, RtfReadTable, testing::ValuesIn(kRtfReadCases),
                         [](const testing::TestParamInfo<RtfReadCase>& i) {
                             QString n = QString::fromLatin1(i.param.Name);
                             n.replace(QRegularExpression("[^A-Za-z0-9]"), "_");
                             return n.toStdString();
                         });

TRichRun MakeRun(const QString& text, auto&& setup) {
    TRichRun r;
    r.Text = text;
    setup(r.Format);
    return r;
}

TEST(RichTextWrite, RoundTripKeepsEveryFormatAndCharacter) {
    TRichText t;
    TRichParagraph p1;
    p1.Alignment = raCenter;
    p1.Runs.push_back(
        MakeRun(QStringLiteral("Plain {braces} \\ back"), [](TRichFormat& f) { f.FontName = "Arial"; }));
    p1.Runs.push_back(MakeRun("bold", [](TRichFormat& f) {
        f.FontName = "Arial";
        f.Bold = true;
        f.HalfPoints = 31;
    }));
    p1.Runs.push_back(
        MakeRun(QString::fromUtf16(u"\u00E9\u20AC\u4E2D\U0001F600\t\u2028\u00A0"), [](TRichFormat& f) {
            f.FontName = QString::fromUtf16(u"Sch\u00F6n Font");
            f.Italic = f.Underline = f.StrikeOut = true;
            f.Color = 0x123456;
        }));
    TRichParagraph empty;
    empty.Alignment = raRight;
    TRichParagraph p3;
    p3.Alignment = raJustify;
    p3.Runs.push_back(MakeRun("x", [](TRichFormat& f) { f.Script = rsSuperscript; }));
    p3.Runs.push_back(MakeRun("y", [](TRichFormat& f) {
        f.Script = rsSubscript;
        f.Color = 0x0000FF;
    }));
    t.Paragraphs = {p1, empty, p3, TRichParagraph()};
    const QByteArray rtf = WriteRtf(t);
    for (char c : rtf)
        ASSERT_TRUE(static_cast<unsigned char>(c) < 0x80) << "the written RTF is 7-bit";
    EXPECT_EQ(DescribeRich(ReadRtf(rtf)), DescribeRich(t)) << rtf.constData();
    EXPECT_EQ(ReadRtf(rtf), t);
}

TEST(RichTextDocument, DocumentRoundTripKeepsFormats) {
    const QByteArray rtf = "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green128\\blue0;}"
                           "\\qc\\f0\\fs28 a\\b b\\i\\cf1 c\\par\\pard\\qr{\\super d}\\par\\par}";
    const TRichText read = ReadRtf(rtf);
    QTextDocument doc;
    RichTextToDocument(read, doc);
    EXPECT_EQ(doc.blockCount(), 3);
    EXPECT_EQ(DocumentToRichText(doc), read);
    EXPECT_EQ(ReadRtf(WriteRtf(DocumentToRichText(doc))), read);
}

// Hostile input reads in bounded time and memory and gives what could be read.
TEST(RichTextRead, HostileInputIsBounded) {
    QByteArray deep = "{\\rtf1 a";
    for (int i = 0; i < 200000; ++i)
        deep += "{\\b ";
    deep += "deep";
    EXPECT_EQ(ReadRtf(deep).PlainText(), "a") << "text past the depth limit is skipped";

    QByteArray balanced = "{\\rtf1 ";
    for (int i = 0; i < kRtfMaxGroupDepth + 10; ++i)
        balanced += "{";
    balanced += "lost";
    for (int i = 0; i < kRtfMaxGroupDepth + 10; ++i)
        balanced += "}";
    EXPECT_EQ(ReadRtf(balanced + "}").PlainText(), "");
    EXPECT_EQ(ReadRtf("{\\rtf1 {{{x}}} y}").PlainText(), "x y") << "shallow nesting reads";

    struct {
        const char* Rtf;
        const char16_t* Plain;
    } const cases[] = {
        {"{\\rtf1\\fs99999999999999999999999 big\\cf-99999999999999 c\\u99999999999 d\\uc999999999\\u65?xyz}",
         u"bigcA"},
        {"{\\rtf1 trunc\\'4", u"trunc"},
        {"{\\rtf1 trunc\\", u"trunc"},
        {"{\\rtf1 {\\fonttbl{\\f0 Unclosed", u""},
        {"{\\rtf1 a}}}}}b", u"a"},
        {"{\\rtf1 \\abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz x}", u"x"},
        {"{\\rtf1 \\'zz\\'4g ok}", u"zzg ok"},
        {"{\\rtf1 \\u-10179?\\u-8576?\\u-10179? x}", u"\U0001F680\uFFFD x"},
        {"{\\rtf1{\\colortbl;\\red999\\green-5\\blue3;}\\cf1 c\\cf77 d}", u"cd"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadRtf(QByteArray(c.Rtf)).PlainText(), QString::fromUtf16(c.Plain)) << c.Rtf;
}

TEST(RichTextCells, CellTextKeepsOneCharacterPerByte) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(RtfBytesOfCellText(CellTextOfRtfBytes(all)), all);
    EXPECT_EQ(RtfBytesOfCellText(QString::fromUtf16(u"\u0141")), QByteArray("\x41")) << "the low 8 bits";
    EXPECT_TRUE(IsRtf("  {\\rtf1}"));
    EXPECT_FALSE(IsRtf("{\\rt"));
}

} // namespace
