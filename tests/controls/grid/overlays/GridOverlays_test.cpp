// The grid's floating windows and what they are drawn from: the alpha mask and its merge, the blur and the
// shadow mask, the focus frame around an edited cell, the arrows of a column move and the cell snapshot.
#include "controls/grid/QvGrid.h"
#include "controls/grid/overlays/GridAlphaMask.h"
#include "controls/grid/overlays/GridOverlays.h"

#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/stdctrls/ExtCtrls.h"

#include "InputEvents.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <numeric>

namespace {

// A 24-bit bitmap of one colour.
void fill24(TBitmap& b, int w, int h, TColor c) {
    b.SetPixelFormat(pf24bit);
    b.SetSize(w, h);
    b.Canvas()->Brush()->SetColor(c);
    b.Canvas()->FillRect(TRect(0, 0, w, h));
    b.FreeImage();
}

uint32_t at(const TBitmap& b, int x, int y) {
    return b.ScanLine(y)[x];
}

TColor pixel(const QImage& img, int x, int y) {
    const QRgb p = img.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

} // namespace

TEST(GridAlphaMask, MergeTakesTheColourSizeAndPremultipliesByTheMasksRed) {
    struct Case {
        int MaskW, MaskH, ColourW, ColourH;
        TPixelFormat ColourFormat;
        int W, H;        // the mask's size after the merge
        uint32_t Inside; // pixel (0, 0)
        uint32_t Corner; // pixel (W - 1, H - 1)
    } cases[] = {
        // Alpha 0x80 over colour RGB(0xFF, 0x40, 0x00): every part scaled by 128/255.
        {4, 4, 4, 4, pf24bit, 4, 4, 0x80802000u, 0x80802000u},
        // A mask bitmap smaller than the colour bitmap: the rest is clear.
        {2, 2, 4, 3, pf24bit, 4, 3, 0x80802000u, 0u},
        // A larger one is read only as far as the colour bitmap goes.
        {6, 6, 3, 2, pf24bit, 3, 2, 0x80802000u, 0x80802000u},
        // A colour bitmap that is not 24-bit leaves the mask as it was (5 x 5, white).
        {4, 4, 4, 4, pf32bit, 5, 5, 0xFFFFFFFFu, 0xFFFFFFFFu},
    };
    for (const Case& c : cases) {
        TBitmap maskBits, colour;
        fill24(maskBits, c.MaskW, c.MaskH, RGB(0x80, 0x11, 0x22)); // only the red part counts
        fill24(colour, c.ColourW, c.ColourH, RGB(0xFF, 0x40, 0x00));
        colour.SetPixelFormat(c.ColourFormat);
        TGridAlphaMask mask;
        mask.SetSize(5, 5);
        mask.MergeMask(&maskBits, &colour, clRed);
        EXPECT_EQ(mask.Width(), c.W) << c.MaskW << "x" << c.MaskH;
        EXPECT_EQ(mask.Height(), c.H) << c.MaskW << "x" << c.MaskH;
        EXPECT_EQ(at(mask, 0, 0), c.Inside) << c.MaskW << "x" << c.MaskH;
        EXPECT_EQ(at(mask, c.W - 1, c.H - 1), c.Corner) << c.MaskW << "x" << c.MaskH;
        EXPECT_EQ(mask.PixelFormat(), pf32bit);
    }
}

TEST(GridAlphaMask, AssignFromAMaskCopiesOpacityAndTheCommonArea) {
    for (int sourceSize : {2, 6}) {
        TGridAlphaMask source;
        source.SetSize(sourceSize, sourceSize);
        for (int y = 0; y < sourceSize; ++y)
            std::fill_n(source.ScanLine(y), sourceSize, 0x40102030u);
        source.Opacity = 77;
        TGridAlphaMask target;
        target.SetSize(4, 4);
        for (int y = 0; y < 4; ++y)
            std::fill_n(target.ScanLine(y), 4, 0xFF000000u);
        target.Assign(&source);
        EXPECT_EQ(target.Opacity, 77);
        EXPECT_EQ(target.Width(), 4); // the receiving mask keeps its size
        EXPECT_EQ(at(target, 1, 1), 0x40102030u);
        EXPECT_EQ(at(target, 3, 3), sourceSize > 3 ? 0x40102030u : 0xFF000000u) << sourceSize;
    }
}

TEST(Blur, TheKernelKeepsTheWeightsThatMatter) {
    struct Case {
        double Radius;
        size_t Weights;
    } cases[] = {{0.1, 3}, {0.5, 3}, {1, 5}, {3, 17}, {10, 19}};
    for (const Case& c : cases) {
        const std::vector<double> k = BlurKernel(c.Radius);
        EXPECT_EQ(k.size(), c.Weights) << c.Radius;
        EXPECT_NEAR(std::accumulate(k.begin(), k.end(), 0.0), 1.0, 1e-12) << c.Radius;
        EXPECT_DOUBLE_EQ(k.front(), k.back()) << c.Radius;
    }
}

TEST(Blur, OnlyA24BitBitmapIsBlurred) {
    TBitmap b;
    b.SetSize(4, 4);
    b.SetPixelFormat(pf32bit);
    try {
        BlurBitmap(&b, 2);
        FAIL() << "a 32-bit bitmap was blurred";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(String(e.what()), "Blur only works for 24-bit bitmaps");
    }
    // A 24-bit line of black and white blurs to a ramp, symmetric around the edge.
    TBitmap line;
    fill24(line, 10, 1, clBlack);
    for (int x = 5; x < 10; ++x)
        line.ScanLine(0)[x] = 0xFFFFFFFFu;
    BlurBitmap(&line, 1);
    const auto grey = [&](int x) { return int(line.ScanLine(0)[x] & 0xFF); };
    EXPECT_EQ(grey(0), 0);
    EXPECT_EQ(grey(9), 255);
    EXPECT_EQ(grey(4) + grey(5), 255);
    EXPECT_GT(grey(4), 0);
    EXPECT_LT(grey(5), 255);
}

TEST(Blur, TheShadowMaskIsAFilledRectangleOrARing) {
    struct Case {
        int PenWidth;
        TColor Centre, Edge, Band;
    } cases[] = {
        {0, clWhite, clBlack, clWhite}, // filled, 2 pixels in
        {4, clBlack, clBlack, clWhite}, // a ring 4 wide around (4, 4)
    };
    for (const Case& c : cases) {
        TBitmap b;
        DrawShadowMask(&b, 40, 30, 0, 5, c.PenWidth);
        EXPECT_EQ(b.PixelFormat(), pf24bit);
        EXPECT_EQ(b.Width(), 40);
        EXPECT_EQ(b.Canvas()->Pixels(20, 15), c.Centre) << c.PenWidth;
        EXPECT_EQ(b.Canvas()->Pixels(0, 15), c.Edge) << c.PenWidth;
        EXPECT_EQ(b.Canvas()->Pixels(4, 15), c.Band) << c.PenWidth;
    }
    // Blurred, the far interior of a large mask is what the rows near the edge give it.
    TBitmap blurred, exact;
    DrawShadowMask(&blurred, 80, 80, 3, 5, 4);
    DrawShadowMask(&exact, 80, 80, 0, 5, 4);
    EXPECT_EQ(blurred.Canvas()->Pixels(40, 40), clBlack);
    const int edge = int(blurred.ScanLine(40)[1] & 0xFF), ring = int(blurred.ScanLine(40)[4] & 0xFF);
    EXPECT_GT(edge, 0);
    EXPECT_LT(edge, ring);
    EXPECT_EQ(blurred.ScanLine(40)[4], blurred.ScanLine(30)[4]); // rows copy the blurred row 15
}

namespace {

struct OverlayGrid : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetClientSize(400, 220);
        grid = new TQvStringGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 400, 220);
        grid->SetColCount(5);
        grid->SetRowCount(6);
        grid->SetOptions(grid->Options() | goEditing);
        form->Show();
        grid->SetFocus();
        QApplication::processEvents();
    }
    void TearDown() override { form->Hide(); }
    QPoint Center(int c, int r) const {
        const TRect cell = grid->CellRect(c, r);
        return QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
    }
    // The widget the cells are painted on (the grid's scroll bars are its siblings).
    QWidget* Cells() const {
        for (QWidget* w : grid->Widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!qobject_cast<QScrollBar*>(w)) return w;
        return grid->Widget();
    }
    void Mouse(QEvent::Type type, QPoint p, Qt::MouseButtons held) {
        QWidget* w = Cells();
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    QImage Shot() {
        QApplication::processEvents();
        return form->Grab();
    }
    std::unique_ptr<TForm> form;
    TQvStringGrid* grid = nullptr;
};

} // namespace

TEST_F(OverlayGrid, AnOpenedEditorGetsTheFrameRingUntilTheCellIsTaken) {
    grid->FocusHelper()->SetEnabled(true);
    grid->SetCol(2);
    grid->SetRow(2);
    const TRect cell = grid->CellRect(2, 2);
    const QImage before = Shot();
    qvtest::KeyToFocus(Qt::Key_F2);
    TGridFocusWindow* frame = grid->FocusWindow();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->Showing());
    const TPoint origin = grid->ClientToScreen(TPoint(cell.Left - 4, cell.Top - 4));
    EXPECT_EQ(frame->BoundsRect(),
              TRect(origin.X, origin.Y, origin.X + cell.Width() + 9, origin.Y + cell.Height() + 9));
    EXPECT_EQ(QvGrid::ActiveFocusGrid, grid);

    const QImage after = Shot();
    // Two pixels out from the cell's left edge the ring tints the grid's line towards 0xFDD397; inside the
    // cell nothing of it shows.
    const int y = (cell.Top + cell.Bottom) / 2;
    const TColor was = pixel(before, cell.Left - 2, y), now = pixel(after, cell.Left - 2, y);
    EXPECT_NE(now, was);
    const auto between = [](int from, int to, int got) {
        return got >= std::min(from, to) && got <= std::max(from, to);
    };
    EXPECT_TRUE(between(GetRValue(was), 0x97, GetRValue(now))) << std::hex << was << " " << now;
    EXPECT_TRUE(between(GetGValue(was), 0xD3, GetGValue(now))) << std::hex << was << " " << now;
    EXPECT_TRUE(between(GetBValue(was), 0xFD, GetBValue(now))) << std::hex << was << " " << now;
    const TColor far = pixel(after, cell.Left - 8, y);
    EXPECT_EQ(far, pixel(before, cell.Left - 8, y));

    qvtest::KeyToFocus(Qt::Key_Return, "\r");
    EXPECT_FALSE(frame->Showing());
    EXPECT_EQ(QvGrid::ActiveFocusGrid, nullptr);
}

TEST_F(OverlayGrid, WithoutTheFocusHelperAnEditorHasNoFrame) {
    qvtest::KeyToFocus(Qt::Key_F2);
    ASSERT_NE(grid->FocusWindow(), nullptr);
    EXPECT_FALSE(grid->FocusWindow()->Showing());
}

TEST_F(OverlayGrid, TheArrowsMarkTheTargetWhileAColumnIsDraggedAndGoWithTheRelease) {
    grid->SetOptions(grid->Options() | goColMoving);
    TArrowWindow* up = grid->MoveArrow(arrUp);
    TArrowWindow* down = grid->MoveArrow(arrDown);
    ASSERT_NE(up, nullptr);
    EXPECT_FALSE(up->Showing());
    Mouse(QEvent::MouseButtonPress, Center(1, 0), Qt::LeftButton);
    Mouse(QEvent::MouseMove, Center(2, 0), Qt::LeftButton);
    Mouse(QEvent::MouseMove, Center(3, 0), Qt::LeftButton);
    Mouse(QEvent::MouseMove, Center(3, 0) + QPoint(1, 0), Qt::LeftButton);
    ASSERT_TRUE(up->Showing());
    ASSERT_TRUE(down->Showing());
    // Column 3 lies right of the moved column: its right edge is marked, from below and from above.
    const TRect target = grid->CellRect(3, 0);
    const TPoint edge = grid->ClientToScreen(TPoint(target.Right, target.Bottom));
    EXPECT_EQ(up->Left(), edge.X - 5);
    EXPECT_EQ(up->Top(), edge.Y);
    EXPECT_EQ(down->Top(), grid->ClientToScreen(TPoint(0, target.Top - 8)).Y);
    // The arrow's own green, on its stem.
    const QImage shot = Shot();
    const QPoint stem = form->Widget()->mapFromGlobal(QPoint(up->Left() + 5, up->Top() + 7));
    EXPECT_EQ(pixel(shot, stem.x(), stem.y()), TColor(0x00FF00));
    Mouse(QEvent::MouseButtonRelease, Center(3, 0) + QPoint(1, 0), Qt::NoButton);
    EXPECT_FALSE(up->Showing());
    EXPECT_FALSE(down->Showing());
}

TEST_F(OverlayGrid, TheSnapshotOfARangeIsAnUnshownHalfTransparentPictureOfItsCells) {
    grid->SetCells(1, 1, "a");
    TNoActiveForm* snap = grid->SelectionToForm(TGridRect{2, 2, 1, 1}); // given backwards
    ASSERT_NE(snap, nullptr);
    EXPECT_FALSE(snap->Showing());
    EXPECT_EQ(snap->Owner(), grid);
    const TRect a = grid->CellRect(1, 1), b = grid->CellRect(2, 2);
    EXPECT_EQ(snap->Width(), b.Right - a.Left + 1);
    EXPECT_EQ(snap->Height(), b.Bottom - a.Top + 1);
    EXPECT_EQ(snap->AlphaBlendValue(), 192);
    ASSERT_NE(snap->Image()->Picture()->Graphic(), nullptr);
    EXPECT_EQ(snap->Image()->Picture()->Graphic()->Width(), snap->Width());
    delete snap;
}
