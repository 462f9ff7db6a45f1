// Rich-text cells: the hidden rich edit, conversion between cells and rich edits, flattening for export and
// the clipboard, and painting.
#include "controls/grid/QvGrid.h"
#include "controls/grid/QvRichEdit.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/richtext/RichText.h"

#include <gtest/gtest.h>

namespace qvgrid_rich_test {

const char* const kRedBold = "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}"
                             "\\f0\\fs40\\cf1\\b Red bold\\b0\\par second line\\par}";

class RichGrid : public testing::Test {
protected:
    RichGrid() {
        g.SetColCount(4);
        g.SetRowCount(4);
    }
    TQvStringGrid g{nullptr};
};

} // namespace qvgrid_rich_test

using namespace qvgrid_rich_test;

TEST_F(RichGrid, HiddenRichEditIsMadeOnceAndNeedsAGridOwner) {
    TQvRichEdit* edit = g.RichEdit();
    EXPECT_EQ(g.GetRichEdit(), edit);
    EXPECT_FALSE(edit->Visible());
    EXPECT_FALSE(edit->HandleAllocated()) << "converting needs no window";
    EXPECT_EQ(edit->Grid(), &g);
    TComponent other(nullptr);
    EXPECT_THROW(TQvRichEdit{&other}, EInvalidCast);
}

TEST_F(RichGrid, CellToRichAndBackKeepsTextAndFormats) {
    g.SetCells(1, 1, QString::fromLatin1(kRedBold));
    TQvRichEdit* edit = g.RichEdit();
    g.CellToRich(1, 1, edit);
    EXPECT_EQ(edit->PlainText(), "Red bold\r\nsecond line");
    edit->SetSelStart(0);
    edit->SetSelLength(3);
    EXPECT_EQ(edit->SelAttributes()->Color(), TColor(0x0000FF));
    EXPECT_EQ(edit->SelAttributes()->Style(), TFontStyles(fsBold));
    EXPECT_EQ(edit->SelAttributes()->Size(), 20);

    g.RichToCell(2, 2, edit);
    const String stored = g.Cells(2, 2);
    EXPECT_TRUE(stored.startsWith("{\\rtf1"));
    EXPECT_EQ(ReadRtf(RtfBytesOfCellText(stored)), ReadRtf(kRedBold));
    // Once written by the grid, the text goes through the rich edit unchanged.
    g.CellToRich(2, 2, edit);
    EXPECT_EQ(g.RichToString(edit), stored);

    g.SetCells(3, 3, "");
    g.CellToRich(3, 3, edit);
    EXPECT_EQ(edit->PlainText(), "") << "an empty cell empties the rich edit";
}

TEST_F(RichGrid, RichEditKeepsSubAndSuperscriptOfTheSelection) {
    TQvRichEdit* edit = g.RichEdit();
    edit->LoadFromRtf("{\\rtf1 H2O}");
    edit->SetSelStart(1);
    edit->SetSelLength(1);
    EXPECT_TRUE(edit->IsSelNormal());
    edit->SelSuperscript();
    EXPECT_TRUE(edit->IsSelSuperscript());
    EXPECT_FALSE(edit->IsSelNormal());
    edit->SelSubscript();
    EXPECT_TRUE(edit->IsSelSubscript());
    g.RichToCell(1, 1, edit);
    EXPECT_TRUE(g.Cells(1, 1).contains("\\sub "));
    edit->SelNormal();
    EXPECT_TRUE(edit->IsSelNormal());
}

TEST_F(RichGrid, ExportAndSelectedTextFlattenRichCells) {
    g.SetCells(1, 1, QString::fromLatin1(kRedBold));
    g.SetCells(2, 1, "plain");
    String saved = g.Cells(1, 1);
    g.GetSaveCellText(1, 1, saved);
    EXPECT_EQ(saved, "Red bold\r\nsecond line");

    g.SetSaveWithRTF(true);
    String kept = g.Cells(1, 1);
    g.GetSaveCellText(1, 1, kept);
    EXPECT_TRUE(kept.startsWith("{\\rtf1"));
    EXPECT_FALSE(kept.contains('\r') || kept.contains('\n'));

    TGridRect sel;
    sel.Left = 1;
    sel.Right = 2;
    sel.Top = sel.Bottom = 1;
    g.SetSelection(sel);
    EXPECT_EQ(g.SelectedText(), "Red bold\r\nsecond line\tplain");
}

TEST_F(RichGrid, DrawRichTextCellPaintsInsideTheCellOnly) {
    // Not the current cell (1, 1): that one is selected and takes the selection's text colour.
    g.SetCells(2, 2, QString::fromLatin1(kRedBold));
    TBitmap bmp;
    bmp.SetSize(200, 80);
    const TRect cell(20, 10, 180, 40);
    g.DrawRichTextCell(2, 2, cell, bmp.Canvas());
    int red = 0, outside = 0;
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 200; ++x) {
            const TColor c = bmp.Canvas()->Pixels(x, y);
            const bool isRed = (c & 0xFF) > 180 && ((c >> 8) & 0xFF) < 90 && ((c >> 16) & 0xFF) < 90;
            const bool inside = x >= cell.Left && x < cell.Right && y >= cell.Top && y < cell.Bottom;
            if (isRed && inside) ++red;
            if (c != clWhite && !inside) ++outside;
        }
    }
    EXPECT_GT(red, 20) << "the red text is drawn";
    EXPECT_EQ(outside, 0) << "nothing is drawn outside the cell";
    // Nothing left of the margin: the text starts XYOffset.X pixels in.
    for (int y = cell.Top; y < cell.Bottom; ++y)
        EXPECT_EQ(bmp.Canvas()->Pixels(cell.Left, y), clWhite);
}

TEST_F(RichGrid, SelectedRichCellTakesTheSelectionTextColour) {
    g.SetCells(1, 1, QString::fromLatin1(kRedBold));
    g.SetSelectionTextColor(0x00FF00); // green
    TGridRect sel;
    sel.Left = sel.Right = 1;
    sel.Top = sel.Bottom = 1;
    g.SetSelection(sel);
    auto countGreen = [&] {
        TBitmap bmp;
        bmp.SetSize(200, 60);
        g.DrawRichTextCell(1, 1, TRect(0, 0, 200, 60), bmp.Canvas());
        int n = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 200; ++x) {
                const TColor c = bmp.Canvas()->Pixels(x, y);
                if (((c >> 8) & 0xFF) > 180 && (c & 0xFF) < 90 && ((c >> 16) & 0xFF) < 90) ++n;
            }
        return n;
    };
    EXPECT_GT(countGreen(), 20);
    g.SetSelectionRTFKeep(true);
    EXPECT_EQ(countGreen(), 0) << "SelectionRTFKeep keeps the text's own colours";
}

TEST_F(RichGrid, RichCellsAreMeasuredAsTheRichEditLaysThemOut) {
    // 20-point bold over two paragraphs: the plain text of the same cell in the grid's font is smaller.
    g.SetCells(1, 1, QString::fromLatin1(kRedBold));
    g.SetCells(2, 1, "Red bold");
    const TPoint rich = g.GetCellTextSize(1, 1, false, false);
    const TPoint plain = g.GetCellTextSize(2, 1, false, false);
    EXPECT_GT(rich.X, plain.X);
    EXPECT_GT(rich.Y, 2 * plain.Y) << "two lines of the larger font and the 4-pixel margin";

    // Word wrap in a narrow column makes a long rich text taller than one line of it.
    g.SetColWidths(3, 60);
    g.SetCells(3, 1, "{\\rtf1 one two three four five six seven eight nine ten\\par}");
    g.SetWordWrap(false);
    const TPoint oneLine = g.GetCellTextSize(3, 1, false, false);
    g.SetWordWrap(true);
    const TPoint wrapped = g.GetCellTextSize(3, 1, false, true);
    EXPECT_GT(wrapped.Y, oneLine.Y);
    EXPECT_LE(wrapped.X, 60);
    EXPECT_GT(oneLine.X, 60);
}
