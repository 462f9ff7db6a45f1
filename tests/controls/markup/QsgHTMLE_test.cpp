// Markup utilities: entities, stripping, CONTROL tags and highlight tags.
#include "controls/markup/QsgHTMLE.h"

#include <gtest/gtest.h>

namespace {
QString HtmlText(const char16_t* s) {
    return QString::fromUtf16(s);
}
} // namespace

TEST(QsgHTMLEEntities, DecodeAndEncode) {
    struct Case {
        const char16_t* text;
        bool accents;
        const char16_t* decoded;
    };
    const Case decode[] = {
        {u"&amp;lt;", false, u"&lt;"},
        {u"&amp;quot;", false, u"&quot;"}, // decoded once, never twice
        {u"a &lt;b&gt; &quot;c&quot;", false, u"a <b> \"c\""},
        {u"&eacute;&euro;", true, u"é€"},
        {u"&eacute;", false, u"&eacute;"},
        {u"& &amp &unknown;", true, u"& &amp &unknown;"},
    };
    for (const Case& c : decode)
        EXPECT_EQ(HTMLEntitiesToChars(HtmlText(c.text), c.accents), HtmlText(c.decoded));

    const Case encode[] = {
        {u"*amp; & x", false, u"*amp; &amp; x"}, // a literal "*amp;" stays as it is
        {u"<a&b>\"", false, u"&lt;a&amp;b&gt;&quot;"}, {u"é", true, u"&eacute;"}, {u"é", false, u"é"},
        {u"Ç©»", true, u"&Ccedil;&copy;&raquo;"},
    };
    for (const Case& c : encode)
        EXPECT_EQ(CharsToHTMLEntities(HtmlText(c.text), c.accents), HtmlText(c.decoded));

    for (const char16_t* text : {u"*amp; &amp;", u"Ünïcødé <&> \"", u"&lt;"})
        EXPECT_EQ(HTMLEntitiesToChars(CharsToHTMLEntities(HtmlText(text), true), true), HtmlText(text));
    EXPECT_EQ(SpacesToNbsp("a b"), "a&nbsp;b");
}

TEST(QsgHTMLEStrip, Markup) {
    struct Case {
        const char* markup;
        const char* plain;
    };
    const Case cases[] = {
        {"<BR>", "\r\n"},       {"a<b>bold</b><hr>c", "abold\r\nc"},
        {"a<b", "a<b"},         {"x <i>y</i> <z", "x y <z"},
        {"no tags", "no tags"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StripMarkup(c.markup), c.plain) << c.markup;
}

class QsgHTMLEControls : public ::testing::Test {
protected:
    QString markup =
        "Name: <CONTROL TYPE=\"edit\" ID=\"n1\" VALUE=\"Jo &amp; Al\" WIDTH=\"80\" HEIGHT=\"30\" "
        "PROP=\"p&lt;1\" MAXLEN=\"12x\"> <control type=\"CHECK\" id=\"c1\" value=\"TRUE\"> "
        "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\"> <CONTROL TYPE=\"COMBO\" ID=\"cb\" VALUE=\"x\">!";
};

TEST_F(QsgHTMLEControls, Read) {
    EXPECT_TRUE(HasControlTag(markup));
    QString value;
    ASSERT_TRUE(GetControlValue(markup, "n1", value));
    EXPECT_EQ(value, "Jo & Al");
    EXPECT_FALSE(GetControlValue(markup, "N1", value));
    EXPECT_EQ(GetControlProp(markup, "n1"), "p<1");
    EXPECT_EQ(GetControlMaxLen(markup, "n1"), 12);
    EXPECT_EQ(GetControlMaxLen(markup, "cb"), 0);

    const std::pair<const char*, const char*> next[] = {
        {"", "n1"}, {"n1", "cb"}, {"c1", "cb"}, {"cb", ""}, {"zz", ""}};
    for (const auto& [id, expected] : next)
        EXPECT_EQ(NextEditControlID(markup, id), expected) << id;

    const TControlTagValues tag = ParseControlTag("CONTROL VALUE=\"ID=x\" id=\"real\" type=\"edit\">");
    EXPECT_EQ(tag.ID, "real");
    EXPECT_EQ(tag.Type, "EDIT");
    EXPECT_EQ(tag.Value, "ID=x");
    EXPECT_EQ(tag.Width, "");
}

TEST_F(QsgHTMLEControls, SetValueKeepsEveryAttribute) {
    const QString newValue = "A<B & \"C\" *amp;";
    ASSERT_TRUE(SetControlValue(markup, "n1", newValue));
    QString value;
    ASSERT_TRUE(GetControlValue(markup, "n1", value));
    EXPECT_EQ(value, newValue);
    const TControlTagValues tag = ParseControlTag(markup.mid(markup.indexOf("<CONTROL") + 1));
    EXPECT_EQ(tag.Height, "30");
    EXPECT_EQ(tag.Width, "80");
    EXPECT_EQ(tag.Prop, "p<1");
    EXPECT_EQ(tag.MaxLen, "12x");
    EXPECT_TRUE(markup.startsWith("Name: <CONTROL"));
    EXPECT_TRUE(markup.endsWith("VALUE=\"x\">!"));

    const QString before = markup;
    EXPECT_FALSE(SetControlValue(markup, "none", "v"));
    EXPECT_EQ(markup, before);

    QString bare = "<CONTROL TYPE=\"EDIT\" ID=\"e\">";
    ASSERT_TRUE(SetControlValue(bare, "e", "v"));
    ASSERT_TRUE(GetControlValue(bare, "e", value));
    EXPECT_EQ(value, "v");
}

TEST_F(QsgHTMLEControls, ResetRadios) {
    const QString reset = ResetRadioControls(markup);
    QString value;
    ASSERT_TRUE(GetControlValue(reset, "r1", value));
    EXPECT_EQ(value, "FALSE");
    ASSERT_TRUE(GetControlValue(reset, "c1", value));
    EXPECT_EQ(value, "TRUE");
}

TEST(QsgHTMLEHilight, InsertAndRemove) {
    struct Case {
        const char* markup;
        const char* search;
        bool caseSensitive;
        const char* expected;
    };
    const Case cases[] = {
        {"abab", "ab", true, "<hi>ab</hi><hi>ab</hi>"},
        {"x<b>abc</b>", "abc", true, "x<hi><b>abc</b></hi>"},
        {"<b>ab</b>cd", "ab", true, "<hi><b>ab</hi></b>cd"},
        {"Hello World", "world", false, "Hello <hi>World</hi>"},
        {"Hello World", "world", true, "Hello World"},
        {"a<b", "a", true, "<hi>a</hi>&lt;b"},
        {"abc", "", true, "abc"},
    };
    for (const Case& c : cases) {
        QString result;
        InsertHilightTags(c.markup, c.search, "hi", result, c.caseSensitive);
        EXPECT_EQ(result, c.expected) << c.markup << " / " << c.search;
    }
    QString result;
    RemoveHilightTags("<HI>a</hi>&lt;b <hi>c</HI>", "hi", result);
    EXPECT_EQ(result, "a<b c");
}
