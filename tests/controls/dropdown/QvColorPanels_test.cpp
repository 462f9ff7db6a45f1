// The colour panels: palette layout and keys, the cube's cells and hit test, the spectrum's colours from
// tables; clicks and pixel probes on grabs of each panel.
#include "controls/dropdown/QvColorCube.h"
#include "controls/dropdown/QvColorPanels_Logic.h"
#include "controls/dropdown/QvColorSelector.h"
#include "controls/dropdown/QvColorSpectrum.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Messages.h"

#include "InputEvents.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

QRgb PanelRgb(TColor c) {
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

void MoveTo(QWidget* w, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

} // namespace

TEST(ColorPanelsLogic, DefaultPaletteLaysOutWithAGapUnderTheFirstRowOnly) {
    std::vector<TItemPos> pos;
    for (const TPaletteEntry& e : DefaultPalette())
        pos.push_back(e.Pos);
    ASSERT_EQ(pos.size(), 60u);
    const TBoxLayout l = ArrangeColorBoxes(pos, 10, 4, TSize{12, 12}, TPoint(4, 4));
    EXPECT_EQ(l.ControlSize, (TSize{165, 84}));
    EXPECT_EQ(l.Rects[0], TRect(4, 4, 16, 16));
    EXPECT_EQ(l.Rects[10].Top, 20); // after the gap
    EXPECT_EQ(l.Rects[20].Top, 32); // shade rows touch
    EXPECT_EQ(l.Rects[59], TRect(148, 68, 160, 80));
    EXPECT_EQ(ArrangeColorBoxes({}, 10, 4, TSize{12, 12}, TPoint(4, 4)).ControlSize, (TSize{100, 50}));
}

TEST(ColorPanelsLogic, PaletteKeys) {
    struct Case {
        const char* name;
        Word key;
        int index;
        bool editor, dropped;
        int target;
    } cases[] = {
        {"Down in the open palette moves a row", VK_DOWN, 3, false, true, 13},
        {"Down from the last row does nothing", VK_DOWN, 55, false, true, -1},
        {"Up from the first row does nothing", VK_UP, 5, false, true, -1},
        {"Down with nothing selected", VK_DOWN, -1, false, true, 10},
        {"Down while closed is the next box", VK_DOWN, 3, true, false, 4},
        {"Up while closed is the previous box", VK_UP, 3, true, false, 2},
        {"Left while closed and typeable does nothing", VK_LEFT, 3, true, false, -1},
        {"Left while closed, not typeable", VK_LEFT, 3, false, false, 2},
        {"Right at the end", VK_RIGHT, 59, false, true, -1},
        {"Page Up", VK_PRIOR, 30, false, true, 0},
        {"Home", VK_HOME, 30, false, false, 0},
        {"End", VK_END, 3, false, true, 59},
        {"Page Down", VK_NEXT, 3, false, false, 59},
        {"another key", VK_RETURN, 3, false, true, -1},
    };
    for (const Case& k : cases)
        EXPECT_EQ(PaletteKeyTarget(k.key, k.index, 60, 10, k.editor, k.dropped), k.target) << k.name;
}

TEST(ColorPanelsLogic, CubeCellsHitTestAndHint) {
    const std::vector<TCubeCell>& cells = ColorCubeCells();
    ASSERT_EQ(cells.size(), 128u);
    EXPECT_EQ(cells[1].Color, 0x663300u);
    EXPECT_EQ(cells[1].Center, TPoint(55, 20));
    EXPECT_EQ(cells[64].Color, 0xFFFFFFu);
    EXPECT_EQ(cells[64].Center, TPoint(19 + 6 * 12, 80));
    EXPECT_EQ(cells[127].Center, TPoint(19 + 36 + 6 * 12, 140));
    const TPoint c = cells[64].Center;
    EXPECT_EQ(CubeCellAtPos(c.X + 6, c.Y), 64);
    EXPECT_EQ(CubeCellAtPos(c.X + 7, c.Y), 65);
    EXPECT_EQ(CubeCellAtPos(0, 0), -1);
    EXPECT_EQ(CubeHintText(0x0066FF), "Red: 255,  Green: 102,  Blue: 0");
}

TEST(ColorPanelsLogic, SpectrumRunsFromWhiteThroughTheHueToBlack) {
    struct Case {
        int x, y;
        TColor color;
    } cases[] = {
        {0, 64, 0x0000FF},          // red at the left middle
        {64, 64, RGB(0, 255, 255)}, // cyan half way
        {0, 0, 0xFFFFFF},
        {100, 0, 0xFFFFFF}, // white along the top
        {0, 127, 0},
        {100, 127, 0}, // black along the bottom
    };
    for (const Case& k : cases)
        EXPECT_EQ(SpectrumColorAt(k.x, k.y), k.color) << k.x << "," << k.y;
    // About yellow a sixth of the way along.
    const TColor yellow = SpectrumColorAt(21, 64);
    EXPECT_EQ(GetRValue(yellow), 255);
    EXPECT_GT(GetGValue(yellow), 240);
    EXPECT_EQ(GetBValue(yellow), 0);
}

class ColorPanelsOnForm : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 300, 300);
    }
    void Show(TControl* c) {
        c->SetParent(form.get());
        c->SetLeft(10);
        c->SetTop(10);
        form->Show();
        QApplication::processEvents();
    }
    std::unique_ptr<TForm> form;
};

TEST_F(ColorPanelsOnForm, PaletteSelectsByColourClickAndKeys) {
    auto* sel = new TCustomColorSelector(form.get());
    sel->InitPalette();
    Show(sel);
    EXPECT_EQ(sel->Width(), 165);
    EXPECT_EQ(sel->Height(), 84);
    int selected = -2;
    sel->OnItemSelect = [&](TObject*, int i) { selected = i; };
    sel->SetSelectedColor(0x7F7F7F);
    EXPECT_EQ(sel->ItemIndex(), 11);
    sel->SetSelectedColor(0x123456);
    EXPECT_EQ(sel->ItemIndex(), -1);
    const TRect r = sel->GetItemRect(24);
    qvtest::ClickAt(sel->Widget(), QPointF(r.Left + 5, r.Top + 5));
    EXPECT_EQ(sel->ItemIndex(), 24);
    EXPECT_EQ(selected, 24);
    EXPECT_EQ(sel->SelectedColor(), DefaultPalette()[24].Color);
    sel->HandleKey(VK_DOWN, false, true);
    EXPECT_EQ(sel->ItemIndex(), 34);
    const QImage img = sel->Widget()->grab().toImage();
    const TRect s = sel->GetItemRect(34);
    EXPECT_EQ(img.pixel(s.Left, s.Top + 5), PanelRgb(0x0000FF)) << "selected outer frame";
    EXPECT_EQ(img.pixel(s.Left + 1, s.Top + 5), PanelRgb(0x94E2FF)) << "selected inner frame";
    EXPECT_EQ(img.pixel(s.Left + 5, s.Top + 5), PanelRgb(DefaultPalette()[34].Color)) << "box";
}

TEST_F(ColorPanelsOnForm, CubeCellsFramesAndClicks) {
    auto* cube = new TQvColorCubePanel(form.get());
    Show(cube);
    int selects = 0, hides = 0;
    cube->OnSelect = [&](TObject*) { ++selects; };
    cube->OnShouldHide = [&](TObject*) { ++hides; };
    QImage img = cube->Widget()->grab().toImage();
    const TPoint c64 = cube->CellCenter(64), c1 = cube->CellCenter(1);
    EXPECT_EQ(img.pixel(c64.X, c64.Y), PanelRgb(0xFFFFFF));
    EXPECT_EQ(img.pixel(c1.X, c1.Y), PanelRgb(0x663300));

    const TPoint c = cube->CellCenter(30);
    MoveTo(cube->Widget(), QPoint(c.X, c.Y));
    EXPECT_EQ(cube->HotIndex(), 30);
    EXPECT_EQ(cube->Hint(), CubeHintText(ColorCubeCells()[30].Color));
    img = cube->Widget()->grab().toImage();
    EXPECT_EQ(img.pixel(c.X + 5, c.Y), PanelRgb(0x0000FF)) << "hot frame";
    EXPECT_EQ(img.pixel(c.X + 4, c.Y), PanelRgb(0xFFFFFF)) << "hot inner frame";

    qvtest::ClickAt(cube->Widget(), QPointF(c.X, c.Y));
    EXPECT_EQ(cube->SelectedIndex(), 30);
    EXPECT_EQ(cube->SelectedColor(), ColorCubeCells()[30].Color);
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(hides, 1);
    img = cube->Widget()->grab().toImage();
    EXPECT_EQ(img.pixel(c.X + 5, c.Y), PanelRgb(0)) << "the selected frame over the hot one";

    cube->SetSelectedColor(0xFFFFFF);
    EXPECT_EQ(cube->SelectedIndex(), 64);
    cube->SetSelectedColor(0x123456);
    EXPECT_EQ(cube->SelectedIndex(), -1);
}

TEST_F(ColorPanelsOnForm, SpectrumPictureAndSwatches) {
    auto* spec = new TQvColorSpectrumPanel(form.get());
    Show(spec);
    EXPECT_EQ(spec->Width(), 150);
    EXPECT_EQ(spec->Height(), 174);
    const TRect p = spec->PictureRect();
    EXPECT_EQ(p, TRect(11, 10, 139, 138));
    QImage img = spec->Widget()->grab().toImage();
    EXPECT_EQ(img.pixel(p.Left, p.Top + 64), PanelRgb(0x0000FF)) << "red at the left middle";
    EXPECT_EQ(img.pixel(p.Left + 70, p.Top), PanelRgb(0xFFFFFF)) << "white at the top";
    EXPECT_EQ(img.pixel(p.Left + 70, p.Bottom - 1), PanelRgb(0)) << "black at the bottom";
    const TRect s = spec->SelectedRect(), h = spec->HotRect();
    EXPECT_EQ(img.pixel(s.Left + 5, s.Top + 5), PanelRgb(0xFFFFFF)) << "white chosen at the start";

    int selects = 0, hides = 0;
    spec->OnSelect = [&](TObject*) { ++selects; };
    spec->OnShouldHide = [&](TObject*) { ++hides; };
    MoveTo(spec->Widget(), QPoint(p.Left + 1, p.Top + 64));
    EXPECT_EQ(spec->Cursor(), crSpectrumPointer);
    EXPECT_TRUE(CursorRegistered(crSpectrumPointer));
    qvtest::ClickAt(spec->Widget(), QPointF(p.Left + 1, p.Top + 64));
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(hides, 1);
    const TColor chosen = SpectrumColorAt(1, 64);
    EXPECT_EQ(spec->SelectedColor(), chosen);
    MoveTo(spec->Widget(), QPoint(p.Left + 64, p.Top + 64));
    img = spec->Widget()->grab().toImage();
    EXPECT_EQ(img.pixel(s.Left + 5, s.Top + 5), PanelRgb(chosen)) << "chosen swatch";
    EXPECT_EQ(img.pixel(h.Left + 5, h.Top + 5), PanelRgb(SpectrumColorAt(64, 64))) << "hot swatch";
    // A press outside the picture chooses nothing.
    qvtest::ClickAt(spec->Widget(), QPointF(2, 2));
    EXPECT_EQ(selects, 1);
}
