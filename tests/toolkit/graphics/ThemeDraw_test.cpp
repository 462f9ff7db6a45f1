// Themed parts drawn through Qt's style: known parts draw within their rectangle, unknown ones do nothing.
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/ThemeDraw.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {
QImage drawnPart(const char* cls, int part, int state) {
    TBitmap bmp;
    bmp.SetSize(40, 24);
    const bool drawn = DrawThemeBackground(bmp.Canvas(), cls, part, state, TRect(10, 2, 30, 22));
    return drawn ? bmp.toQImage() : QImage();
}

int inkOutside(const QImage& img, const QRect& inside) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += !inside.contains(x, y) && (img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    return n;
}
} // namespace

TEST(ThemeDraw, KnownPartsDrawInsideTheirRectangleAndShowTheirState) {
    ASSERT_TRUE(IsThemeActive());
    struct Case {
        const char* cls;
        int part;
    } cases[] = {{"button", 1}, {"combobox", 1}, {"spin", 1},  {"spin", 2},
                 {"spin", 3},   {"spin", 4},     {"BUTTON", 1}};
    for (const Case& c : cases) {
        const QImage normal = drawnPart(c.cls, c.part, 1);
        const QImage disabled = drawnPart(c.cls, c.part, 4);
        ASSERT_FALSE(normal.isNull()) << c.cls << c.part;
        EXPECT_EQ(inkOutside(normal, QRect(10, 2, 20, 20)), 0) << c.cls << c.part;
        EXPECT_NE(normal, disabled) << c.cls << c.part;
    }
    EXPECT_TRUE(drawnPart("tab", 1, 1).isNull());
    EXPECT_TRUE(drawnPart("spin", 5, 1).isNull());
}

TEST(ThemeDraw, FrameControlsTakeTheirFlags) {
    TBitmap raised, pushed, flat;
    for (TBitmap* b : {&raised, &pushed, &flat})
        b->SetSize(30, 20);
    EXPECT_TRUE(DrawFrameControl(raised.Canvas(), TRect(0, 0, 30, 20), DFC_BUTTON, DFCS_BUTTONPUSH));
    EXPECT_TRUE(
        DrawFrameControl(pushed.Canvas(), TRect(0, 0, 30, 20), DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED));
    EXPECT_TRUE(
        DrawFrameControl(flat.Canvas(), TRect(0, 0, 30, 20), DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_FLAT));
    EXPECT_NE(raised.toQImage(), pushed.toQImage());
    EXPECT_NE(raised.toQImage(), flat.toQImage());
    TBitmap none;
    none.SetSize(30, 20);
    EXPECT_FALSE(DrawFrameControl(none.Canvas(), TRect(0, 0, 30, 20), 7, 0));
    EXPECT_FALSE(DrawFrameControl(none.Canvas(), TRect(0, 0, 30, 20), DFC_SCROLL, 0x42));
}

TEST(ThemeDraw, VerticalScrollBarStaysInItsRectangleAndItsThumbFollowsThePosition) {
    auto bar = [](int range, int page, int pos) {
        TBitmap bmp;
        bmp.SetSize(40, 100);
        EXPECT_TRUE(DrawVertScrollBar(bmp.Canvas(), TRect(10, 0, 27, 100), range, page, pos));
        return bmp.toQImage();
    };
    const QImage top = bar(300, 100, 0);
    EXPECT_EQ(inkOutside(top, QRect(10, 0, 17, 100)), 0);
    EXPECT_NE(top, bar(300, 100, 200));
    EXPECT_EQ(bar(300, 100, 200), bar(300, 100, 5000)) << "a position beyond the range stops at its end";
    EXPECT_EQ(top, bar(300, 100, -7));
    TBitmap none;
    none.SetSize(10, 10);
    EXPECT_FALSE(DrawVertScrollBar(none.Canvas(), TRect(), 300, 100, 0));
}
