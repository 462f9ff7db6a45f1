// Canvas drawing checked by pixel probes on a bitmap: edges, lines, text placement and DrawText layout.
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/Picture.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
struct Surface {
    TBitmap bmp;
    TCanvas* c;
    explicit Surface(int w = 60, int h = 40) {
        bmp.SetSize(w, h);
        c = bmp.Canvas();
    }
    TColor At(int x, int y) { return c->Pixels(x, y); }
    // Bounds of every non-white pixel; empty when there is none.
    TRect Ink() {
        const QImage img = bmp.toQImage();
        QRect box;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
        return box.isNull() ? TRect() : TRect::fromQRect(box);
    }
    int InkCount() {
        const QImage img = bmp.toQImage();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += (img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        return n;
    }
};
} // namespace

TEST(Canvas, NewBitmapIsWhiteAndPixelsOutsideAreNone) {
    Surface s(4, 3);
    EXPECT_EQ(s.At(0, 0), clWhite);
    EXPECT_EQ(s.At(3, 2), clWhite);
    EXPECT_EQ(s.At(4, 0), clNone);
    EXPECT_EQ(s.At(-1, 0), clNone);
    s.c->SetPixels(1, 1, clRed);
    EXPECT_EQ(s.At(1, 1), clRed);
}

TEST(Canvas, RectangleOutlinesWithPenFillsWithBrushAndExcludesRightBottom) {
    Surface s;
    s.c->Pen()->SetColor(clBlack);
    s.c->Brush()->SetColor(clRed);
    s.c->Rectangle(2, 3, 10, 8);
    struct {
        int x, y;
        TColor expected;
    } probes[] = {
        {2, 3, clBlack},  {9, 3, clBlack}, {2, 7, clBlack},  {9, 7, clBlack}, {5, 5, clRed},
        {10, 3, clWhite}, {2, 8, clWhite}, {10, 8, clWhite}, {1, 3, clWhite}, {5, 2, clWhite},
    };
    for (const auto& p : probes)
        EXPECT_EQ(s.At(p.x, p.y), p.expected) << p.x << "," << p.y;
}

TEST(Canvas, LineToLeavesOutTheEndPixelAndMovesThePen) {
    struct {
        TPoint from, to, lastDrawn;
    } cases[] = {
        {{0, 5}, {10, 5}, {9, 5}},  // horizontal
        {{4, 0}, {4, 9}, {4, 8}},   // vertical
        {{0, 0}, {6, 6}, {5, 5}},   // diagonal
        {{10, 9}, {2, 1}, {3, 2}},  // backwards diagonal
        {{20, 2}, {11, 2}, {12, 2}} // right to left
    };
    for (const auto& k : cases) {
        Surface s(30, 12);
        s.c->MoveTo(k.from.X, k.from.Y);
        s.c->LineTo(k.to.X, k.to.Y);
        EXPECT_EQ(s.At(k.from.X, k.from.Y), clBlack);
        EXPECT_EQ(s.At(k.lastDrawn.X, k.lastDrawn.Y), clBlack);
        EXPECT_EQ(s.At(k.to.X, k.to.Y), clWhite) << k.to.X << "," << k.to.Y;
        EXPECT_EQ(s.c->PenPos(), k.to);
    }
}

TEST(Canvas, FillAndFrameUseTheBrushOnly) {
    Surface s;
    s.c->Pen()->SetColor(clRed);
    s.c->Brush()->SetColor(clBlue);
    s.c->FillRect(Rect(1, 1, 4, 4));
    EXPECT_EQ(s.At(1, 1), clBlue);
    EXPECT_EQ(s.At(3, 3), clBlue);
    EXPECT_EQ(s.At(4, 3), clWhite);
    EXPECT_EQ(s.At(3, 4), clWhite);

    s.c->Brush()->SetColor(clGreen);
    s.c->FrameRect(Rect(10, 10, 16, 15));
    EXPECT_EQ(s.At(10, 10), clGreen);
    EXPECT_EQ(s.At(15, 14), clGreen);
    EXPECT_EQ(s.At(12, 12), clWhite);
    EXPECT_EQ(s.At(16, 14), clWhite);

    s.c->Brush()->SetStyle(bsClear);
    s.c->FillRect(Rect(20, 20, 30, 30));
    EXPECT_EQ(s.At(25, 25), clWhite);
}

TEST(Canvas, EllipsePolygonAndXorPen) {
    Surface s;
    s.c->Brush()->SetColor(clYellow);
    s.c->Ellipse(0, 0, 20, 20);
    EXPECT_EQ(s.At(10, 10), clYellow);
    EXPECT_EQ(s.At(0, 0), clWhite);
    EXPECT_EQ(s.At(19, 19), clWhite);

    s.c->Polygon({{30, 0}, {50, 0}, {30, 20}});
    EXPECT_EQ(s.At(33, 3), clYellow);
    EXPECT_EQ(s.At(48, 18), clWhite);

    // Xor twice restores what was there: the rubber-band idiom.
    s.c->Pen()->SetMode(pmXor);
    s.c->Pen()->SetColor(clWhite);
    s.c->MoveTo(0, 30);
    s.c->LineTo(40, 30);
    EXPECT_EQ(s.At(5, 30), clBlack);
    s.c->MoveTo(0, 30);
    s.c->LineTo(40, 30);
    EXPECT_EQ(s.At(5, 30), clWhite);
}

TEST(Canvas, SystemColoursAreResolvedAndNoColourStays) {
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xF0F0F0);
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ToQColor(clNone).alpha(), 0);
    Surface s;
    s.c->Brush()->SetColor(clBtnFace);
    s.c->FillRect(Rect(0, 0, 5, 5));
    EXPECT_EQ(s.At(2, 2), 0xF0F0F0);
}

TEST(Canvas, ClippingLimitsPainting) {
    Surface s;
    s.c->Brush()->SetColor(clRed);
    s.c->SetClipRect(Rect(5, 5, 15, 15));
    EXPECT_EQ(s.c->ClipRect(), Rect(5, 5, 15, 15));
    s.c->ExcludeClipRect(Rect(8, 8, 10, 10));
    s.c->FillRect(Rect(0, 0, 60, 40));
    EXPECT_EQ(s.At(5, 5), clRed);
    EXPECT_EQ(s.At(14, 14), clRed);
    EXPECT_EQ(s.At(15, 15), clWhite);
    EXPECT_EQ(s.At(4, 4), clWhite);
    EXPECT_EQ(s.At(8, 8), clWhite);
    s.c->IntersectClipRect(Rect(0, 0, 7, 7));
    EXPECT_EQ(s.c->ClipRect(), Rect(5, 5, 7, 7));
    s.c->ResetClip();
    EXPECT_EQ(s.c->ClipRect(), Rect(0, 0, 60, 40));
}

TEST(Canvas, CopyRectAndGradient) {
    Surface src(10, 10), dst(20, 20);
    src.c->Brush()->SetColor(clBlue);
    src.c->FillRect(Rect(2, 2, 4, 4));
    dst.c->CopyRect(Rect(10, 10, 14, 14), src.c, Rect(2, 2, 6, 6));
    EXPECT_EQ(dst.At(10, 10), clBlue);
    EXPECT_EQ(dst.At(11, 11), clBlue);
    EXPECT_EQ(dst.At(12, 12), clWhite);
    EXPECT_EQ(dst.At(9, 9), clWhite);

    Surface g(10, 11);
    GradientFillCanvas(g.c, clBlack, clWhite, Rect(0, 0, 10, 11), gdVertical);
    EXPECT_EQ(g.At(3, 0), clBlack);
    EXPECT_EQ(g.At(3, 10), clWhite);
    EXPECT_EQ(GetRValue(g.At(3, 5)), 127);
    GradientFill(g.c, clRed, clBlue, Rect(0, 0, 10, 11), gdHorizontal);
    EXPECT_EQ(g.At(0, 4), clRed);
    EXPECT_EQ(g.At(9, 4), clBlue);
}

TEST(Canvas, TextOutPaintsInsideItsCellWithTheBrushBehind) {
    Surface s(120, 40);
    s.c->Font()->SetColor(clBlack);
    s.c->Brush()->SetStyle(bsClear);
    const String text = "Hello";
    const int w = s.c->TextWidth(text), h = s.c->TextHeight(text);
    ASSERT_GT(w, 0);
    ASSERT_GT(h, 0);
    s.c->TextOut(10, 5, text);
    const TRect ink = s.Ink();
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_GE(ink.Left, 10);
    EXPECT_GE(ink.Top, 5);
    EXPECT_LE(ink.Right, 10 + w + 1);
    EXPECT_LE(ink.Bottom, 5 + h);
    EXPECT_EQ(s.c->PenPos(), TPoint(10 + w, 5));

    Surface o(120, 40);
    o.c->Brush()->SetColor(clYellow);
    o.c->TextOut(10, 5, text);
    EXPECT_EQ(o.At(10, 5), clYellow);
    EXPECT_EQ(o.At(10 + w - 1, 5 + h - 1), clYellow);
    EXPECT_EQ(o.At(10 + w, 5), clWhite);
    EXPECT_EQ(o.At(9, 5), clWhite);
}

TEST(Canvas, TextRectFillsAndClipsToItsRect) {
    Surface s(120, 40);
    s.c->Brush()->SetColor(clAqua);
    s.c->TextRect(Rect(10, 10, 30, 30), 12, 12, "Wide text that overflows");
    EXPECT_EQ(s.At(10, 10), clAqua);
    EXPECT_EQ(s.At(29, 29), clAqua);
    EXPECT_EQ(s.Ink(), Rect(10, 10, 30, 30));
}

TEST(DrawText, CalcRectMeasuresWithoutDrawing) {
    Surface s(200, 100);
    const String text = "Measure me";
    TRect r = Rect(5, 7, 6, 8);
    const int h = DrawText(s.c, text, r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(h, s.c->TextHeight(text));
    EXPECT_EQ(r, Rect(5, 7, 5 + s.c->TextWidth(text), 7 + h));
    EXPECT_EQ(s.InkCount(), 0);

    // Measuring needs no surface at all: controls size themselves before they have a window.
    TCanvas bare;
    TRect m = Rect(0, 0, 0, 0);
    EXPECT_EQ(DrawText(&bare, text, m, DT_CALCRECT | DT_SINGLELINE), h);
    EXPECT_EQ(m.Width(), bare.TextWidth(text));
    bare.FillRect(Rect(0, 0, 5, 5)); // nothing to paint on: nothing happens
    // Tabs: expanded to stops 8 average characters apart, or shown as a space.
    TRect tabs = Rect(0, 0, 0, 0), noTabs = tabs;
    DrawText(&bare, "a\tb", tabs, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    DrawText(&bare, "a\tb", noTabs, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_GE(tabs.Width(), bare.TextWidth("a") * 7);
    EXPECT_EQ(noTabs.Width(), bare.TextWidth("a b"));
}

TEST(Canvas, PaintsThroughAnAttachedPainterUntilDetached) {
    QImage img(20, 20, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter painter(&img);
    painter.translate(5, 5); // a widget's paint event may come with an offset
    TCanvas c;
    EXPECT_FALSE(c.HandleAllocated());
    c.Attach(&painter);
    EXPECT_TRUE(c.HandleAllocated());
    EXPECT_EQ(c.Painter(), &painter);
    c.Brush()->SetColor(clRed);
    c.FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(c.Pixels(1, 1), clRed);
    EXPECT_EQ(c.ClipRect(), Rect(-5, -5, 15, 15));
    c.Detach();
    c.FillRect(Rect(5, 5, 8, 8));
    EXPECT_EQ(c.Pixels(6, 6), clNone);
    painter.end();
    EXPECT_EQ(img.pixelColor(6, 6), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(11, 11), QColor(Qt::white));
}

namespace {
// A widget that notes the clip rectangle its canvas sees while it paints.
class ClipNotingWidget : public QWidget {
public:
    using QWidget::QWidget;
    TRect Seen;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        TCanvas c;
        c.Attach(&painter);
        Seen = c.ClipRect();
        c.Detach();
    }
};
} // namespace

TEST(Canvas, AWidgetDrawnIntoItsParentsPictureSeesItsOwnSurface) {
    ClipNotingWidget w;
    w.resize(20, 10);
    QImage picture(100, 80, QImage::Format_ARGB32_Premultiplied);
    w.render(&picture, QPoint(30, 40));
    EXPECT_EQ(w.Seen, Rect(0, 0, 20, 10));
}

TEST(DrawText, PrefixesAreTakenOutUnlessNoPrefix) {
    Surface s;
    struct {
        const char* text;
        unsigned flags;
        const char* shown;
    } cases[] = {
        {"&File", 0, "File"},
        {"A&&B", 0, "A&B"},
        {"A&&B", DT_NOPREFIX, "A&&B"},
        {"&File", DT_NOPREFIX, "&File"},
    };
    for (const auto& k : cases) {
        TRect r = Rect(0, 0, 200, 20);
        DrawText(s.c, k.text, r, k.flags | DT_CALCRECT | DT_SINGLELINE);
        EXPECT_EQ(r.Width(), s.c->TextWidth(k.shown)) << k.text;
    }
    // The underline of "&F" adds ink under the F.
    Surface plain(80, 30), marked(80, 30);
    TRect r1 = Rect(0, 0, 80, 30), r2 = r1;
    DrawText(plain.c, "File", r1, DT_SINGLELINE);
    DrawText(marked.c, "&File", r2, DT_SINGLELINE);
    EXPECT_GT(marked.InkCount(), plain.InkCount());
}

TEST(DrawText, EllipsisKeepsTheTextInsideTheRect) {
    const String text = "A rather long caption that cannot fit";
    for (unsigned ellipsis : {DT_END_ELLIPSIS, DT_PATH_ELLIPSIS}) {
        Surface s(200, 30);
        TRect r = Rect(10, 5, 70, 25);
        TRect calc = r;
        DrawText(s.c, text, calc, ellipsis | DT_SINGLELINE | DT_CALCRECT);
        EXPECT_LE(calc.Width(), r.Width());
        EXPECT_GT(calc.Width(), 0);
        // No clipping: only the shortening keeps the ink inside.
        DrawText(s.c, text, r, ellipsis | DT_SINGLELINE | DT_NOCLIP);
        const TRect ink = s.Ink();
        ASSERT_FALSE(ink.IsEmpty());
        EXPECT_GE(ink.Left, 10);
        EXPECT_LE(ink.Right, 71);
    }
    // A path keeps its file name: shortening the folders leaves the end of the text in place.
    Surface p(300, 30);
    TRect path = Rect(0, 0, p.c->TextWidth("C:\\...\\file.txt") + 2, 20);
    TRect calc = path;
    DrawText(p.c, "C:\\folder\\another folder\\file.txt", calc,
             DT_PATH_ELLIPSIS | DT_SINGLELINE | DT_CALCRECT);
    EXPECT_GE(calc.Width(), p.c->TextWidth("...\\file.txt"));
    EXPECT_LE(calc.Width(), path.Width());
}

TEST(DrawText, WordBreakWrapsIntoMoreLines) {
    Surface s(200, 200);
    const String text = "one two three four five six seven";
    const int line = s.c->TextHeight(text);
    TRect wide = Rect(0, 0, 1000, 0), narrow = Rect(0, 0, s.c->TextWidth("three four") + 1, 0);
    EXPECT_EQ(DrawText(s.c, text, wide, DT_WORDBREAK | DT_CALCRECT), line);
    const int h = DrawText(s.c, text, narrow, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_GE(h, 3 * line);
    EXPECT_EQ(narrow.Height(), h);
    EXPECT_LE(narrow.Width(), s.c->TextWidth("three four") + 1);
    // Explicit line breaks always count.
    TRect lines = Rect(0, 0, 1000, 0);
    EXPECT_EQ(DrawText(s.c, "a\r\nb\nc", lines, DT_CALCRECT), 3 * line);
    TRect single = Rect(0, 0, 1000, 0);
    EXPECT_EQ(DrawText(s.c, "a\r\nb\nc", single, DT_CALCRECT | DT_SINGLELINE), line);
}

TEST(DrawText, AlignmentPlacesTheText) {
    const String text = "Mid";
    const TRect box = Rect(0, 0, 120, 40);
    struct {
        unsigned flags;
        int expectedCentreX, expectedCentreY; // -1: not checked
        int tolerance;
    } cases[] = {
        {DT_CENTER | DT_VCENTER | DT_SINGLELINE, 60, 20, 3},
        {DT_RIGHT | DT_SINGLELINE, -1, -1, 0},
        {DT_LEFT | DT_BOTTOM | DT_SINGLELINE, -1, -1, 0},
    };
    for (const auto& k : cases) {
        Surface s(120, 40);
        TRect r = box;
        const int ret = DrawText(s.c, text, r, k.flags);
        const TRect ink = s.Ink();
        ASSERT_FALSE(ink.IsEmpty());
        if (k.expectedCentreX >= 0) {
            EXPECT_NEAR((ink.Left + ink.Right) / 2, k.expectedCentreX, k.tolerance);
            EXPECT_NEAR((ink.Top + ink.Bottom) / 2, k.expectedCentreY, k.tolerance + 2);
            const int h = s.c->TextHeight(text);
            EXPECT_EQ(ret, (40 - h) / 2 + h); // offset of the text's bottom from the top
        }
        if (k.flags & DT_RIGHT) {
            EXPECT_GE(ink.Right, 117);
            EXPECT_LT(ink.Top, 10);
        }
        if (k.flags & DT_BOTTOM) {
            EXPECT_GT(ink.Top, 20);
            EXPECT_LE(ink.Left, 3);
            EXPECT_EQ(ret, 40);
        }
    }
}

TEST(DrawText, ClipsToTheRectUnlessNoClip) {
    Surface s(200, 30), n(200, 30);
    TRect r = Rect(0, 0, 20, 30), r2 = r;
    DrawText(s.c, "Wide words overflow", r, DT_SINGLELINE);
    DrawText(n.c, "Wide words overflow", r2, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_LE(s.Ink().Right, 20);
    EXPECT_GT(n.Ink().Right, 20);
}

TEST(Canvas, TransparentBitmapLeavesItsKeyColourOut) {
    TBitmap glyph;
    glyph.SetSize(4, 4);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect(Rect(0, 0, 4, 4));
    glyph.Canvas()->SetPixels(1, 1, clNavy);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia); // the bottom-left pixel
    glyph.SetTransparent(true);

    Surface s(20, 20);
    s.c->Draw(2, 2, &glyph);
    EXPECT_EQ(s.At(3, 3), clNavy);
    EXPECT_EQ(s.At(2, 2), clWhite);
    s.c->StretchDraw(Rect(10, 10, 18, 18), &glyph);
    EXPECT_EQ(s.At(12, 12), clNavy);
    EXPECT_EQ(s.At(13, 13), clNavy);
    EXPECT_EQ(s.At(10, 10), clWhite);

    glyph.SetTransparentColor(clNavy);
    Surface f(10, 10);
    f.c->Draw(0, 0, &glyph);
    EXPECT_EQ(f.At(1, 1), clWhite);
    EXPECT_EQ(f.At(0, 0), clFuchsia);
}

TEST(Canvas, ClipRectOfAChildPaintedIntoItsWindowIsInTheChildsOwnCoordinates) {
    // Qt paints a child into its window's surface with the child's offset; the clip rectangle must not
    // carry that offset, or everything below and right of it would be taken as outside and left unpainted.
    QWidget window;
    window.resize(100, 80);
    ClipNotingWidget child(&window);
    child.setGeometry(10, 20, 30, 40);
    window.grab();
    EXPECT_EQ(child.Seen, Rect(0, 0, 30, 40));
}
