// A cell's look as the string grid fills it: the background with the selection's colours and the contents
// with the cell's own.
#include "controls/grid/QvGrid.h"
#include "controls/grid/paint/CellLook.h"
#include "controls/grid/paint/CellLooks.h"

#include <gtest/gtest.h>

#include <functional>

struct CellLookCase {
    const char* name;
    std::function<void(TQvStringGrid&)> setup;
    int col, row;
    TColor fill, contents, fontColor;
    bool selected;
};

class CellLookFill : public ::testing::TestWithParam<CellLookCase> {};

TEST_P(CellLookFill, BackgroundShowsTheSelectionAndTheContentsStartFromTheCellsOwn) {
    const CellLookCase& c = GetParam();
    TQvStringGrid g(nullptr);
    g.SetColCount(5);
    g.SetRowCount(6);
    g.SetColor(clWhite);
    g.Font()->SetColor(clBlack);
    g.SetSelectionColor(clYellow);
    g.SetSelectionTextColor(clBlue);
    g.GetCellProperties(2, 2)->SetBrushColor(clLime);
    g.SetCol(4);
    g.SetRow(5);
    c.setup(g);
    TCellLook look;
    g.GetVisualProperties(c.col, c.row, false, true, true, look);
    EXPECT_EQ(look.Fill.Color, c.fill) << c.name;
    EXPECT_EQ(look.ContentsFill.Color, c.contents) << c.name;
    EXPECT_EQ(look.Font.Color(), c.fontColor) << c.name;
    EXPECT_EQ((look.State & gdSelected) != 0, c.selected) << c.name;
}

const CellLookCase kCellLookCases[] = {
    {"unselected own colour", [](TQvStringGrid&) {}, 2, 2, clLime, clLime, clBlack, false},
    {"range over an own colour",
     [](TQvStringGrid& g) {
         g.SetOptions(g.Options() | goRangeSelect);
         g.SetSelection(TGridRect{1, 1, 3, 3});
     },
     2, 2, clYellow, clLime, clBlack, true},
    {"range over a plain cell",
     [](TQvStringGrid& g) {
         g.SetOptions(g.Options() | goRangeSelect);
         g.SetSelection(TGridRect{1, 1, 3, 3});
     },
     1, 1, clYellow, clWhite, clBlack, true},
    {"disjunct cell: the contents are selected too",
     [](TQvStringGrid& g) {
         g.MouseActions()->SetDisjunctCellSelect(true);
         g.SetSelectedCells(2, 2, true);
     },
     2, 2, clYellow, clYellow, clBlue, true},
    {"disjunct row",
     [](TQvStringGrid& g) {
         g.MouseActions()->SetDisjunctRowSelect(true);
         g.SetRowSelect(3, true);
     },
     1, 3, BrightenColor(clYellow, 7), clWhite, clBlack, true},
};

INSTANTIATE_TEST_SUITE_P(Cases, CellLookFill, ::testing::ValuesIn(kCellLookCases));
