// DrawText keeps laid-out texts between calls: what decides a layout (font, width, flags) must give a new
// one, while a colour change alone draws the kept glyphs in the new colour.
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {
struct LayoutSurface {
    TBitmap bmp;
    LayoutSurface() {
        bmp.SetSize(200, 40);
        bmp.Canvas()->Font()->SetName("DejaVu Sans");
        bmp.Canvas()->Font()->SetSize(9);
    }
    // Leftmost and rightmost column with ink, and the ink's colour count by channel.
    TRect Ink() {
        const QImage img = bmp.toQImage();
        QRect box;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
        return box.isNull() ? TRect() : TRect::fromQRect(box);
    }
    void Clear() {
        TCanvas* c = bmp.Canvas();
        c->Brush()->SetColor(clWhite);
        c->FillRect(TRect(0, 0, 200, 40));
    }
    int Draw(const String& text, int width, unsigned flags) {
        Clear();
        TRect r(0, 0, width, 40);
        return DrawText(bmp.Canvas(), text, r, flags);
    }
    bool HasColour(TColor want) {
        const QImage img = bmp.toQImage();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (FromQColor(QColor(img.pixel(x, y))) == want) return true;
        return false;
    }
};
} // namespace

TEST(DrawTextLayout, ColourFontWidthAndFlagsEachDecideWhatIsDrawn) {
    LayoutSurface s;
    TCanvas* c = s.bmp.Canvas();
    c->Font()->SetColor(clRed);
    s.Draw("Repeated text", 200, DT_SINGLELINE | DT_NOPREFIX);
    const TRect first = s.Ink();
    EXPECT_TRUE(s.HasColour(clRed));
    c->Font()->SetColor(clBlue);
    s.Draw("Repeated text", 200, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_TRUE(s.HasColour(clBlue)) << "the kept layout takes the new colour";
    EXPECT_FALSE(s.HasColour(clRed));
    EXPECT_EQ(s.Ink(), first);

    c->Font()->SetStyle(fsBold);
    s.Draw("Repeated text", 200, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_GT(s.Ink().Width(), first.Width()) << "another font is laid out anew";
    c->Font()->SetStyle(0);

    s.Draw("Repeated text", 40, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    const TRect shortened = s.Ink();
    EXPECT_LT(shortened.Right, 41);
    s.Draw("Repeated text", 80, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    EXPECT_GT(s.Ink().Right, shortened.Right) << "a wider rectangle shortens less";

    const int oneLine = s.Draw("Repeated text", 40, DT_NOPREFIX);
    const int broken = s.Draw("Repeated text", 40, DT_NOPREFIX | DT_WORDBREAK);
    EXPECT_EQ(broken, 2 * oneLine) << "word break is a layout of its own";
    TRect calc(0, 0, 40, 40);
    DrawText(c, "Repeated text", calc, DT_NOPREFIX | DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(calc.Height(), broken);
}

// A text wider than its rectangle is clipped to it; one that fits is drawn whole.
TEST(DrawTextLayout, TextBeyondTheRectangleIsClipped) {
    LayoutSurface s;
    s.Draw("A rather long line of text", 30, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_LT(s.Ink().Right, 31);
    s.Draw("Fits", 100, DT_SINGLELINE | DT_NOPREFIX | DT_CENTER);
    const TRect ink = s.Ink();
    EXPECT_GT(ink.Left, 20);
    EXPECT_LT(ink.Right, 80);
}
