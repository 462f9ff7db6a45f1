// The markup renderer: measuring tables, hit tests, pixel probes of drawn markup, bounded numbers.
#include "controls/markup/QsgHTMLE.h"
#include "controls/pictures/PictureContainer.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace {

class MarkupRender : public ::testing::Test {
protected:
    void SetUp() override {
        bmp.SetSize(320, 120);
        canvas()->Font()->SetName("DejaVu Sans");
        canvas()->Font()->SetSize(10);
        canvas()->Font()->SetColor(clBlack);
        canvas()->Brush()->SetColor(clWhite);
        canvas()->FillRect(TRect(0, 0, 320, 120));
    }
    TCanvas* canvas() { return bmp.Canvas(); }
    int gh() { return canvas()->TextHeight("gh"); }
    TMarkupInput input(const String& text, int width = 300, int height = 100) {
        TMarkupInput in;
        in.Canvas = canvas();
        in.Text = text;
        in.Rect = TRect(0, 0, width, height);
        return in;
    }
    TMarkupOutput measure(const String& text, int width = 300, bool wrap = false) {
        TMarkupInput in = input(text, width);
        in.CheckHeight = true;
        in.WordWrap = wrap;
        TMarkupOutput out;
        RenderMarkup(in, out);
        return out;
    }
    TMarkupOutput draw(const String& text, int width = 300, int height = 100) {
        TMarkupInput in = input(text, width, height);
        TMarkupOutput out;
        RenderMarkup(in, out);
        return out;
    }
    QImage image() { return bmp.toQImage().convertToFormat(QImage::Format_RGB32); }
    void save(const char* name) { image().save(QDir::tempPath() + "/" + name); }
    // Pixels in the rectangle that satisfy `pred`.
    template <class Pred> int count(const QRect& r, Pred pred) {
        const QImage img = image();
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (pred(QColor(img.pixel(x, y)))) ++n;
        return n;
    }
    static bool dark(const QColor& c) { return c.lightness() < 100; }
    static bool reddish(const QColor& c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; }
    TBitmap bmp;
};

TEST_F(MarkupRender, MeasuresWithoutDrawing) {
    const int h = gh();
    const int abc = canvas()->TextWidth("a") + canvas()->TextWidth("c");
    struct Case {
        const char* text;
        const char* strip;
        int lines;
    } cases[] = {
        {"", "", 1},
        {"a<b>b</b>c", "abc", 1},
        {"one<br>two", "one\rtwo", 2},
        {"one\r\ntwo", "one\rtwo", 2},
        {"&amp;", "&", 1},
        {"&lt;b&gt;x", "<b>x", 1},
        {"&permil;&euro;&copy;", "\u2030\u20AC\u00A9", 1},
        {"<#b>", "#b", 1},
        {"a<z>hidden</z>b", "ahiddenb", 1},
        {"cut <b", "cut ", 1},
    };
    for (const Case& c : cases) {
        const TMarkupOutput out = measure(c.text);
        EXPECT_EQ(out.StripVal, String(c.strip)) << c.text;
        EXPECT_EQ(out.YSize, c.lines * h) << c.text;
    }
    EXPECT_EQ(measure("").XSize, 0);
    // Nothing was drawn by any of them.
    EXPECT_EQ(count(QRect(0, 0, 320, 120), dark), 0);
    // The bold letter is wider than the plain one, so the line is wider than its plain letters.
    EXPECT_GT(measure("a<b>b</b>c").XSize, abc + canvas()->TextWidth("b") - 1);
    // Hidden text takes no room.
    EXPECT_EQ(measure("a<z>hidden</z>b").XSize, canvas()->TextWidth("a") + canvas()->TextWidth("b"));
    // "&lt;b&gt;" is text: the x is not bold.
    TFont plain;
    plain.Assign(canvas()->Font());
    EXPECT_EQ(measure("&lt;b&gt;x").XSize, canvas()->TextWidth("<b>x"));
}

TEST_F(MarkupRender, FontSizesAndColours) {
    struct SizeCase {
        const char* size;
        int points;
    } sizes[] = {{"1", 8}, {"3", 12}, {"5", 16}, {"20", 20}, {"99999999999", 400}};
    for (const SizeCase& c : sizes) {
        TFont f;
        f.Assign(canvas()->Font());
        f.SetSize(c.points);
        TBitmap probe;
        probe.SetSize(1, 1);
        probe.Canvas()->SetFont(&f);
        const String text = QStringLiteral("<font size=\"%1\">X</font>").arg(c.size);
        EXPECT_EQ(measure(text).XSize, probe.Canvas()->TextWidth("X")) << c.size;
    }
    struct ColorCase {
        const char* value;
        TColor color;
    } colors[] = {
        {"#FF0000", clRed},
        {"#0000FF", clBlue},
        {"clNavy", clNavy},
        {"CLNAVY", clNavy},
        {"clUnknown", clBlack},
        {"clblack", clBlack},
        {"cl3ddkshadow", cl3DDkShadow},
        {"clInfoBk", clInfoBk},
        {"#FF", 0x0000FF},
        {"#GG00FF", 0xFF0000},
    };
    for (const ColorCase& c : colors) {
        const String v = String(c.value).toUpper();
        const TColor got = v.startsWith('#') ? MarkupColorByHex(v) : MarkupColorByName(c.value);
        EXPECT_EQ(got, c.color) << c.value;
    }
}

TEST_F(MarkupRender, WrapAndEllipsis) {
    const String sentence = "the quick brown fox jumps over the lazy dog";
    const int h = gh();
    const TMarkupOutput wrapped = measure(sentence, 90, true);
    EXPECT_GT(wrapped.YSize, 2 * h);
    EXPECT_LE(wrapped.XSize, 90);
    EXPECT_EQ(wrapped.StripVal, sentence);
    // A word wider than the rectangle stays whole on the line where it comes.
    const TMarkupOutput word = measure("a supercalifragilistic b", 40, true);
    EXPECT_EQ(word.YSize, 2 * h);
    EXPECT_EQ(word.XSize, canvas()->TextWidth("a supercalifragilistic"));
    // Without wrapping one line is kept: the run that passes the edge stays, the rest goes.
    const TMarkupOutput cut = measure("<b>aaaa</b> bbbb cccc<b>dddd</b>", 50);
    EXPECT_EQ(cut.YSize, h);
    EXPECT_EQ(cut.StripVal, "aaaa bbbb cccc");
    // Drawn, the cut run ends in an ellipsis inside the rectangle: nothing dark beyond it.
    draw("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", 60);
    save("qv-markup-ellipsis.png");
    EXPECT_GT(count(QRect(0, 0, 60, h), dark), 0);
    EXPECT_EQ(count(QRect(61, 0, 250, h), dark), 0);
}

TEST_F(MarkupRender, LayoutStopsAtTheBottomUnlessMeasuring) {
    const int h = gh();
    EXPECT_EQ(draw("a<br>b<br>c", 300, h + h / 2).YSize, h);
    TMarkupInput in = input("a<br>b<br>c", 300, h + h / 2);
    in.CheckHeight = true;
    TMarkupOutput out;
    RenderMarkup(in, out);
    EXPECT_EQ(out.YSize, 3 * h);
}

TEST_F(MarkupRender, BulletsAndLists) {
    const int h = gh();
    // The list opens a line of its own; a second bullet on a line starts the next one.
    const TMarkupOutput out = measure("<ul><li>one<li>two</ul>");
    EXPECT_EQ(out.YSize, 3 * h);
    EXPECT_EQ(out.XSize, 12 + canvas()->TextWidth("one"));
    EXPECT_EQ(measure("<ul><ul><li>x").XSize, 24 + canvas()->TextWidth("x"));
    draw("<ul><li>one<li>two</ul>");
    save("qv-markup-bullets.png");
    EXPECT_GT(count(QRect(0, h, 12, h), dark), 0); // the bullet stands before the text
}

TEST_F(MarkupRender, LinkHitTest) {
    const String text = "go <a href=\"http://Example/Page\" title=\"The Title\">here</a> now";
    const int linkLeft = 1 + canvas()->TextWidth("go ");
    const int linkWidth = canvas()->TextWidth("here");
    TMarkupInput in = input(text);
    in.CheckHotSpot = true;
    in.XPos = linkLeft + linkWidth / 2;
    in.YPos = gh() / 2;
    TMarkupOutput out;
    out.HoverRect = TRect(-1, -1, -1, -1);
    EXPECT_TRUE(RenderMarkup(in, out));
    EXPECT_EQ(out.Anchor, "http://Example/Page");
    EXPECT_EQ(out.AnchorTitle, "The Title");
    EXPECT_EQ(out.MouseLink, 1);
    EXPECT_EQ(out.HyperLinks, 1);
    EXPECT_EQ(out.HoverRect, TRect(linkLeft, 0, linkLeft + linkWidth, gh()));
    EXPECT_EQ(count(QRect(0, 0, 320, 120), dark), 0); // hit-testing draws nothing

    // Off the link: no hit, and the anchor of an earlier call stays.
    in.XPos = 2;
    TMarkupOutput miss;
    miss.Anchor = "earlier";
    EXPECT_FALSE(RenderMarkup(in, miss));
    EXPECT_EQ(miss.Anchor, "earlier");
    EXPECT_EQ(miss.MouseLink, -1);

    // Right to left, the link is found where it is drawn, mirrored.
    in.BiDiMode = bdRightToLeft;
    in.XPos = 300 - (linkLeft + linkWidth / 2);
    TMarkupOutput rtl;
    EXPECT_TRUE(RenderMarkup(in, rtl));
    EXPECT_EQ(rtl.Anchor, "http://Example/Page");
}

TEST_F(MarkupRender, ControlHitTests) {
    const String text =
        "x <control type=\"check\" id=\"c1\" value=\"true\"> <control type=\"edit\" id=\"e1\" "
        "value=\"abc\" width=\"60\">";
    const int checkLeft = 1 + canvas()->TextWidth("x ");
    TMarkupInput in = input(text);
    in.CheckHotSpot = true;
    in.XPos = checkLeft + 8;
    in.YPos = 8;
    TMarkupOutput out;
    EXPECT_TRUE(RenderMarkup(in, out));
    EXPECT_EQ(out.Anchor, "ctrl");
    EXPECT_EQ(out.CtrlID, "c1");
    EXPECT_EQ(out.CtrlType, "CHECK");
    EXPECT_EQ(out.CtrlVal, "true");
    EXPECT_EQ(out.CtrlRect, TRect(checkLeft, 0, checkLeft + 16, 16));

    // Hit-test only with a control ID reports that control wherever the point is.
    in.XPos = 299;
    in.YPos = 99;
    in.ControlID = "e1";
    TMarkupOutput named;
    named.CtrlID = "e1";
    EXPECT_TRUE(RenderMarkup(in, named));
    EXPECT_EQ(named.CtrlID, "e1");
    EXPECT_EQ(named.CtrlType, "EDIT");
    EXPECT_EQ(named.CtrlVal, "abc");
    EXPECT_EQ(named.CtrlRect.Width(), 60);
}

TEST_F(MarkupRender, ControlWithoutUsableWidthTakesItsValuesWidth) {
    TImageList images;
    TBitmap strip;
    strip.SetSize(16, 16);
    images.Add(&strip, nullptr);
    const int valueWidth = canvas()->TextWidth("hello") + 8;
    for (const char* width : {"abc", "", "12px"}) {
        // An object before it must not lend its size.
        TMarkupInput in =
            input(QStringLiteral("<img src=\"idx:0\" width=\"150\" height=\"40\"><control type=\"EDIT\" "
                                 "id=\"e\" value=\"hello\" width=\"%1\">")
                      .arg(width));
        in.Images = &images;
        in.CheckHeight = true;
        TMarkupOutput out;
        RenderMarkup(in, out);
        EXPECT_EQ(out.XSize, 150 + valueWidth) << width;
    }
}

TEST_F(MarkupRender, NumbersFromMarkupAreBounded) {
    TImageList images;
    TBitmap strip;
    strip.SetSize(16, 16);
    images.Add(&strip, nullptr);
    const char* texts[] = {
        "<img src=\"idx:0\" width=\"99999999999\" height=\"99999999999\">"
        "<img src=\"idx:0\" width=\"99999999999\" height=\"1\">",
        "<ind x=\"2147483647\">a<ind x=\"99999999999999\">b",
        "<p indent=\"99999999999\">x</p><p indent=\"-5\">y",
        "<control type=\"edit\" id=\"a\" width=\"2147483647\" height=\"2147483647\">"
        "<control type=\"button\" id=\"b\" width=\"99999999999\">",
        "<font size=\"4294967297\">big</font>",
    };
    for (const char* t : texts) {
        TMarkupInput in = input(t);
        in.Images = &images;
        in.CheckHeight = true;
        TMarkupOutput out;
        RenderMarkup(in, out);
        EXPECT_GE(out.XSize, 0) << t;
        EXPECT_GE(out.YSize, 0) << t;
        EXPECT_LE(out.XSize, 100000) << t;
        EXPECT_LE(out.YSize, 1000000) << t;
        // Drawing the same stays within the bitmap without failing.
        TMarkupOutput drawn;
        in.CheckHeight = false;
        RenderMarkup(in, drawn);
    }
}

TEST_F(MarkupRender, ImageListPictures) {
    TImageList images;
    TBitmap strip;
    strip.SetSize(48, 16); // three images
    strip.Canvas()->Brush()->SetColor(clBlue);
    strip.Canvas()->FillRect(TRect(0, 0, 48, 16));
    images.Add(&strip, nullptr);
    struct Case {
        const char* text;
        int width;
    } cases[] = {{"<img src=\"idx:5\">", 0},
                 {"<img src=\"IDX:1\">", 16},
                 {"<img src=\"idx:-1\">", 0},
                 {"<img src=\"idx:1\" width=\"32\">", 32},
                 // Desktop icons: small and large, by standard number or by file name, on disk or not.
                 {"<img src=\"ssys:5\">", 16},
                 {"<img src=\"LSYS:5\">", 32},
                 {"<img src=\"ssys:99\">", 0},
                 {"<img src=\"ssys:/tmp\">", 16},
                 {"<img src=\"ssys:no-such-file.txt\">", 16}};
    for (const Case& c : cases) {
        TMarkupInput in = input(c.text);
        in.Images = &images;
        in.CheckHeight = true;
        TMarkupOutput out;
        RenderMarkup(in, out);
        EXPECT_EQ(out.XSize, c.width) << c.text;
    }
}

TEST_F(MarkupRender, BoldIsHeavier) {
    const int h = gh();
    draw("WWWW");
    const int plain = count(QRect(0, 0, 100, h), dark);
    SetUp();
    draw("<b>WWWW</b>");
    save("qv-markup-bold.png");
    const int bold = count(QRect(0, 0, 100, h), dark);
    EXPECT_GT(plain, 0);
    EXPECT_GT(bold, plain + plain / 5);
}

TEST_F(MarkupRender, FontColourAndHighlight) {
    const int h = gh();
    draw("<font color=\"#FF0000\">MMMM</font> MMMM");
    save("qv-markup-colour.png");
    const int w = canvas()->TextWidth("MMMM");
    EXPECT_GT(count(QRect(0, 0, w, h), reddish), 10);
    EXPECT_EQ(count(QRect(w + 4, 0, 200, h), reddish), 0);
    EXPECT_GT(count(QRect(w + 4, 0, 200, h), dark), 10);

    SetUp();
    SetHilightColors(clBlue, clWhite);
    draw("a<hi>bc</hi>d");
    const auto blue = [](const QColor& c) { return c.blue() > 200 && c.red() < 50 && c.green() < 50; };
    EXPECT_GT(count(QRect(0, 0, 100, h), blue), 20);
    SetHilightColors(clHighlight, clHighlightText);
}

TEST_F(MarkupRender, ErrorMarkIsARedZigZagUnderTheText) {
    const int h = gh();
    draw("ok <e>wrnog</e> ok");
    save("qv-markup-error.png");
    const int left = 1 + canvas()->TextWidth("ok ");
    const int w = canvas()->TextWidth("wrnog");
    // Red pixels on the rows just above and below the text's bottom, under the marked word only.
    EXPECT_GT(count(QRect(left, h - 1, w, 3), reddish), w / 2);
    EXPECT_EQ(count(QRect(0, 0, left - 2, h + 3), reddish), 0);
    EXPECT_EQ(count(QRect(left + w + 3, 0, 100, h + 3), reddish), 0);
    EXPECT_EQ(count(QRect(left, 0, w, h - 3), reddish), 0);
}

TEST_F(MarkupRender, CheckControlDrawsItsState) {
    draw(
        "<control type=\"CHECK\" id=\"a\" value=\"TrUe\"> <control type=\"check\" id=\"b\" value=\"false\">");
    save("qv-markup-check.png");
    // Same boxes; the checked one carries a mark in its middle.
    const int secondLeft = 1 + 16 + canvas()->TextWidth(" ");
    const int b = 23; // the line bottom: controls make the line 23 pixels high
    const int checkedInk = count(QRect(1 + 5, b - 11, 6, 6), dark);
    const int uncheckedInk = count(QRect(secondLeft + 5, b - 11, 6, 6), dark);
    EXPECT_GT(checkedInk, uncheckedInk + 4);
}

TEST_F(MarkupRender, RightToLeftStartsAtTheRight) {
    TMarkupInput in = input("abc");
    in.BiDiMode = bdRightToLeft;
    TMarkupOutput out;
    RenderMarkup(in, out);
    EXPECT_EQ(count(QRect(0, 0, 200, gh()), dark), 0);
    EXPECT_GT(count(QRect(260, 0, 40, gh()), dark), 0);
}

TEST_F(MarkupRender, CanvasStateIsRestored) {
    canvas()->Pen()->SetColor(clGreen);
    canvas()->Brush()->SetColor(clYellow);
    draw("<font face=\"DejaVu Serif\" color=\"clred\" size=\"5\"><b>x</b><hr><e>y<p bgcolor=\"clblue\">z");
    EXPECT_EQ(canvas()->Font()->Name(), "DejaVu Sans");
    EXPECT_EQ(canvas()->Font()->Size(), 10);
    EXPECT_EQ(canvas()->Font()->Color(), clBlack);
    EXPECT_EQ(canvas()->Font()->Style(), 0u);
    EXPECT_EQ(canvas()->Pen()->Color(), clGreen);
    EXPECT_EQ(canvas()->Brush()->Color(), clYellow);
    EXPECT_EQ(canvas()->Brush()->Style(), bsSolid);
}

} // namespace

namespace {

TEST_F(MarkupRender, EveryTagStaysInsideItsRectangle) {
    bmp.SetSize(420, 260);
    canvas()->Brush()->SetColor(clWhite);
    canvas()->FillRect(TRect(0, 0, 420, 260));
    TImageList images;
    TBitmap strip;
    strip.SetSize(16, 16);
    strip.Canvas()->Brush()->SetColor(clGreen);
    strip.Canvas()->FillRect(TRect(0, 0, 16, 16));
    images.Add(&strip, nullptr);
    TMarkupInput in =
        input("<p align=\"center\" bgcolor=\"#E0E0FF\">Centred <b>bold</b> <i>italic</i> <u>under</u> "
              "<s>strike</s></p><font face=\"DejaVu Serif\" color=\"clNavy\" size=\"4\">Serif navy</font> "
              "<a href=\"x\">a link</a> x<sup>2</sup> H<sub>2</sub>O <sh>shadow</sh> <hi>hi</hi>"
              "<hr><ul><li>bullet one<li>bullet two</ul>"
              "<img src=\"idx:0\" align=\"middle\"> <img src=\"ssys:5\"> <e>mistake</e> "
              "<control type=\"EDIT\" id=\"e\" value=\"edit\" width=\"60\"> "
              "<control type=\"COMBO\" id=\"c\" value=\"combo\" width=\"80\"> "
              "<control type=\"BUTTON\" id=\"b\" value=\"Press\" width=\"60\"> "
              "<control type=\"RADIO\" id=\"r\" value=\"TRUE\"><br>"
              "<p align=\"right\">right aligned and long enough to wrap onto another line</p>",
              360, 220);
    in.Rect = TRect(20, 20, 380, 240);
    in.Images = &images;
    in.WordWrap = true;
    in.FocusLink = 0;
    TMarkupOutput out;
    RenderMarkup(in, out);
    save("qv-markup-showcase.png");
    const auto painted = [](const QColor& c) { return c != QColor(Qt::white); };
    EXPECT_EQ(count(QRect(0, 0, 420, 19), painted), 0);
    EXPECT_EQ(count(QRect(0, 0, 19, 260), painted), 0);
    EXPECT_EQ(count(QRect(381, 0, 39, 260), painted), 0);
    EXPECT_GT(count(QRect(20, 20, 360, 220), painted), 1000);
    EXPECT_EQ(out.HyperLinks, 1);
    EXPECT_EQ(out.FocusAnchor, "x");
}

} // namespace

namespace {

TEST_F(MarkupRender, OnlyTheHoverLinkTakesTheHoverColours) {
    const int h = gh();
    TMarkupInput in = input("<a href=\"x\">MMMM</a> <a href=\"y\">MMMM</a>");
    in.HoverStyle = true;
    in.HoverLink = 2;
    in.HoverColor = clYellow;
    in.HoverFontColor = clRed;
    in.URLColor = clBlue;
    TMarkupOutput out;
    RenderMarkup(in, out);
    save("qv-markup-hover.png");
    const int w = canvas()->TextWidth("MMMM");
    const int second = 1 + w + canvas()->TextWidth(" ");
    const auto yellow = [](const QColor& c) { return c.red() > 200 && c.green() > 200 && c.blue() < 60; };
    const auto blue = [](const QColor& c) { return c.blue() > 150 && c.red() < 80 && c.green() < 80; };
    EXPECT_EQ(count(QRect(0, 0, w, h), yellow), 0);
    EXPECT_GT(count(QRect(0, 0, w, h), blue), 10);
    EXPECT_GT(count(QRect(second, 0, w, h), yellow), w * h / 3);
    EXPECT_GT(count(QRect(second, 0, w, h), reddish), 10);
    EXPECT_EQ(count(QRect(second, 0, w, h), blue), 0);
    EXPECT_EQ(out.HyperLinks, 2);
}

} // namespace

namespace {

// Marks and links that go on over a line break keep going on the next line.
TEST_F(MarkupRender, MarksAndLinksContinueOverLineBreaks) {
    const int h = gh();
    draw("<e>aaaa<br>bbbb</e><br>cccc");
    const int w = canvas()->TextWidth("aaaa");
    EXPECT_GT(count(QRect(1, h - 1, w, 3), reddish), w / 3);
    EXPECT_GT(count(QRect(1, 2 * h - 1, w, 3), reddish), w / 3);
    EXPECT_EQ(count(QRect(0, 2 * h + 2, 100, h), reddish), 0);

    TMarkupInput in = input("<a href=\"x\" title=\"t\">aaaa<br>bbbb</a> after");
    in.CheckHotSpot = true;
    in.XPos = 5;
    in.YPos = h + h / 2;
    TMarkupOutput out;
    EXPECT_TRUE(RenderMarkup(in, out));
    EXPECT_EQ(out.Anchor, "x");
    EXPECT_EQ(out.MouseLink, 1);
    EXPECT_EQ(out.HoverRect, TRect(1, h, 1 + canvas()->TextWidth("bbbb"), 2 * h));
}

} // namespace
