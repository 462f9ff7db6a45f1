// The grid's drag-and-drop rules from tables: acceptance, effect, the reader a drop goes to, where a drag
// lands, scrolling, the arrows, a text drop's start and selection, the drag threshold and dropped files.
#include "controls/grid/QvGrid.h"
#include "controls/grid/exchange/GridDropRules.h"

#include <gtest/gtest.h>

using namespace GridDrop;

namespace {

// 8 columns (one fixed) and 20 rows (one fixed), columns 1..4 and rows 1..10 in sight.
View TenRowsInSight() {
    View v;
    v.ColCount = 8;
    v.RowCount = 20;
    v.FixedCols = 1;
    v.FixedRows = 1;
    v.TopRow = 1;
    v.LeftCol = 1;
    v.VisibleColCount = 4;
    v.VisibleRowCount = 10;
    return v;
}

} // namespace

TEST(GridDropRules, WhatTheGridTakesAndWithWhichEffect) {
    const Accepts all;
    Accepts noText;
    noText.Text = false;
    Accepts rtf;
    rtf.RichText = true;
    Accepts nothing;
    nothing.Text = nothing.Files = nothing.URLs = false;
    struct Case {
        const char* name;
        TDropFormats formats;
        Accepts accepts;
        bool taken;
    } cases[] = {
        {"text", dfText, all, true},
        {"text refused", dfText, noText, false},
        {"cells whatever is refused", dfGridCells, nothing, true},
        {"a file", dfFile, all, true},
        {"a file refused", dfFile, nothing, false},
        {"an address", dfURL, all, true},
        {"rich text alone while not taken", dfRTF, all, false},
        {"rich text while taken", dfRTF, rtf, true},
        {"a column comes with text taken", dfCol, all, true},
        {"a column without text taken", dfCol, noText, false},
        {"nothing known", 0, all, false},
    };
    for (const Case& k : cases)
        EXPECT_EQ(Accepted(k.formats, k.accepts), k.taken) << k.name;

    struct EffectCase {
        TShiftState shift;
        int allowed;
        int effect;
    } effects[] = {
        {0, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE},
        {ssCtrl, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY},
        {0, DROPEFFECT_COPY, DROPEFFECT_COPY},
        {ssShift, DROPEFFECT_MOVE, DROPEFFECT_MOVE},
    };
    for (const EffectCase& k : effects)
        EXPECT_EQ(EffectOf(k.shift, k.allowed), k.effect) << k.shift << " " << k.allowed;
}

TEST(GridDropRules, OneReaderTakesTheCellDataInOrderOfPreference) {
    struct Case {
        TDropFormats formats;
        bool acceptRtf;
        Payload payload;
    } cases[] = {
        {dfCol | dfText | dfGridCells, false, Payload::Column},
        {dfGridCells | dfRTF | dfText, true, Payload::Cells},
        {dfRTF | dfText, true, Payload::RichText},
        {dfRTF | dfText, false, Payload::Text},
        {dfText | dfFile | dfURL, false, Payload::Text},
        {dfFile | dfURL, false, Payload::None},
    };
    for (const Case& k : cases)
        EXPECT_EQ(MainPayload(k.formats, k.acceptRtf), k.payload) << k.formats;
}

TEST(GridDropRules, WhereADragLands) {
    View appendable = TenRowsInSight();
    appendable.EntireRows = appendable.AppendRows = true;
    View oneRow = TenRowsInSight();
    oneRow.RowCount = 1;
    oneRow.FixedRowAlways = true;
    struct Case {
        const char* name;
        View view;
        Over over;
        TDropFormats formats;
        int col, row;
        bool allow, append;
    } cases[] = {
        {"text on a cell", TenRowsInSight(), {2, 3}, dfText, 2, 3, true, false},
        {"text outside the cells", TenRowsInSight(), {-1, -1}, dfText, -1, -1, false, false},
        {"text on the fixed row", TenRowsInSight(), {2, 0}, dfText, 2, 0, false, false},
        {"cells on the fixed row", TenRowsInSight(), {2, 0}, dfGridCells, 2, 0, true, false},
        {"a file outside the cells", TenRowsInSight(), {-1, -1}, dfFile, -1, -1, true, false},
        {"the fixed row of a grid of one row", oneRow, {2, 0}, dfText, 2, 0, true, false},
        {"below the last row appends", appendable, {-1, -1, 300, true}, dfText, 1, 19, true, true},
        {"below the last row without append",
         TenRowsInSight(),
         {-1, -1, 300, true},
         dfText,
         -1,
         -1,
         false,
         false},
        {"a column below the rows never appends", appendable, {-1, -1, 300, true}, dfCol, 8, 0, true, false},
        {"a column on a header", TenRowsInSight(), {2, 0}, dfCol, 2, 0, true, false},
        {"a column on the corner", TenRowsInSight(), {0, 0}, dfCol, 0, 0, false, false},
        {"a column on a normal row", TenRowsInSight(), {2, 4}, dfCol, 2, 4, false, false},
        {"a column right of the last column", TenRowsInSight(), {-1, 3}, dfCol, 8, 0, true, false},
    };
    for (const Case& k : cases) {
        const Landing l = Land(k.view, k.over, k.formats);
        EXPECT_EQ(l.Col, k.col) << k.name;
        EXPECT_EQ(l.Row, k.row) << k.name;
        EXPECT_EQ(l.Allow, k.allow) << k.name;
        EXPECT_EQ(l.Append, k.append) << k.name;
    }
    // The application's yes counts on a cell, and for files anywhere.
    EXPECT_FALSE(AllowAfterEvent(Landing{-1, -1}, dfGridCells, true));
    EXPECT_TRUE(AllowAfterEvent(Landing{-1, -1}, dfFile, true));
    EXPECT_FALSE(AllowAfterEvent(Landing{2, 3}, dfText, false));
}

TEST(GridDropRules, ADragNearAnEdgeScrolls) {
    View scrolled = TenRowsInSight();
    scrolled.TopRow = 5;
    scrolled.LeftCol = 2;
    View noFixed = TenRowsInSight();
    noFixed.FixedRows = 0;
    noFixed.TopRow = 3;
    struct Case {
        const char* name;
        View view;
        Over over;
        bool tick;
        int rows, cols;
    } cases[] = {
        {"over the header of a scrolled grid", scrolled, {2, 0}, true, -1, 0},
        {"over the header at the top", TenRowsInSight(), {2, 0}, true, 0, 0},
        {"near the top without a fixed row", noFixed, {2, 3, 5}, true, -1, 0},
        {"over the row below those in sight", TenRowsInSight(), {2, 11}, true, 1, 0},
        {"over the middle", TenRowsInSight(), {2, 5}, true, 0, 0},
        {"over the fixed column of a grid scrolled sideways", scrolled, {0, 6}, true, 0, -1},
        {"sideways only on its tick", scrolled, {0, 6}, false, 0, 0},
        {"over the column right of those in sight", TenRowsInSight(), {5, 5}, true, 0, 1},
    };
    for (const Case& k : cases) {
        const Scroll s = AutoScroll(k.view, k.over, k.tick);
        EXPECT_EQ(s.Rows, k.rows) << k.name;
        EXPECT_EQ(s.Cols, k.cols) << k.name;
    }
}

TEST(GridDropRules, TheArrowsPointWhereTheDropGoes) {
    View entire = TenRowsInSight();
    entire.EntireRows = true;
    View fixedAlways = TenRowsInSight();
    fixedAlways.FixedRowAlways = true;
    struct Case {
        const char* name;
        View view;
        Landing landing;
        TDropFormats formats;
        bool allowed;
        ArrowKind kind;
        int col, row;
        bool below;
    } cases[] = {
        {"refused", TenRowsInSight(), {2, 3}, dfText, false, ArrowKind::None, -1, -1, false},
        {"text at its row", TenRowsInSight(), {3, 4}, dfText, true, ArrowKind::Row, 3, 4, false},
        {"whole rows from the first column", entire, {3, 4}, dfText, true, ArrowKind::Row, 1, 4, false},
        {"appending below the last row",
         entire,
         {1, 19, true, true},
         dfText,
         true,
         ArrowKind::Row,
         1,
         19,
         true},
        {"below the header row", fixedAlways, {2, 0}, dfGridCells, true, ArrowKind::Row, 2, 0, true},
        {"a column at its header", TenRowsInSight(), {2, 0}, dfCol, true, ArrowKind::Column, 2, 0, false},
        {"a column at the end", TenRowsInSight(), {8, 0}, dfCol, true, ArrowKind::Column, 8, 0, false},
        {"a file outside the cells",
         TenRowsInSight(),
         {-1, -1},
         dfFile,
         true,
         ArrowKind::None,
         -1,
         -1,
         false},
    };
    for (const Case& k : cases) {
        const Arrows a = ArrowsFor(k.view, k.landing, k.formats, k.allowed);
        EXPECT_EQ(a.Kind, k.kind) << k.name;
        EXPECT_EQ(a.Col, k.col) << k.name;
        EXPECT_EQ(a.Row, k.row) << k.name;
        EXPECT_EQ(a.BelowRow, k.below) << k.name;
    }
}

TEST(GridDropRules, ATextDropsFromItsCellAndSelectsItsBlock) {
    View entire = TenRowsInSight();
    entire.EntireRows = true;
    View oneRow = TenRowsInSight();
    oneRow.RowCount = 1;
    oneRow.FixedRowAlways = true;
    struct Case {
        const char* name;
        View view;
        Landing landing;
        bool rowSelect;
        int cols, rows;
        int col, row;
        TRect selection;
    } cases[] = {
        {"at the cell", TenRowsInSight(), {2, 3}, false, 2, 1, 2, 3, TRect(2, 3, 3, 4)},
        {"one cell", TenRowsInSight(), {2, 3}, false, 1, 0, 2, 3, TRect(2, 3, 2, 3)},
        {"whole rows from the first normal column",
         TenRowsInSight(),
         {3, 3},
         true,
         4,
         0,
         1,
         3,
         TRect(1, 3, 4, 3)},
        {"whole rows with the fixed column", entire, {3, 3}, true, 5, 1, 0, 3, TRect(1, 3, 5, 4)},
        {"the header of a grid of one row", oneRow, {2, 0}, false, 1, 0, 2, 1, TRect(2, 1, 2, 1)},
    };
    for (const Case& k : cases) {
        const TextDrop at = TextDropStart(k.view, k.landing, k.rowSelect);
        EXPECT_EQ(at.Col, k.col) << k.name;
        EXPECT_EQ(at.Row, k.row) << k.name;
        EXPECT_EQ(DroppedTextSelection(k.view, at.Col, at.Row, k.cols, k.rows, k.rowSelect), k.selection)
            << k.name;
    }
}

TEST(GridDropRules, APressBecomesADragBeyondThreePixels) {
    struct Case {
        TPoint now;
        bool drag;
    } cases[] = {
        {{10, 10}, false}, {{13, 10}, false}, {{7, 13}, false}, {{14, 10}, true}, {{10, 6}, true},
    };
    for (const Case& k : cases)
        EXPECT_EQ(DragStarts(TPoint(10, 10), k.now), k.drag) << k.now.X << "," << k.now.Y;
}

TEST(GridDropRules, DroppedFilesAndColumnsAreReadByTheirShape) {
    struct Case {
        const char* name;
        DroppedFile kind;
    } files[] = {
        {"/tmp/a.csv", DroppedFile::Csv},
        {"/tmp/A.CSV", DroppedFile::Csv},
        {"/tmp/book.xlsx", DroppedFile::Workbook},
        {"/tmp/old.XLS", DroppedFile::Workbook},
        // Only the suffix names the kind, not a text anywhere in the name.
        {"/tmp/a.csv.txt", DroppedFile::Other},
        {"/tmp/x.xls/readme", DroppedFile::Other},
        {"/tmp/csv", DroppedFile::Other},
    };
    for (const Case& k : files)
        EXPECT_EQ(KindOfDroppedFile(k.name), k.kind) << k.name;

    EXPECT_EQ(ColumnOfBytes(ColumnBytes(7)), 7);
    EXPECT_EQ(ColumnOfBytes(ColumnBytes(0)), 0);
    EXPECT_EQ(ColumnOfBytes(ColumnBytes(-3)), -1);
    EXPECT_EQ(ColumnOfBytes(QByteArray("\x01\x00\x00", 3)), -1);
    EXPECT_EQ(ColumnOfBytes(QByteArray("\x01\x00\x00\x00\x00", 5)), -1);
    EXPECT_EQ(ColumnOfBytes(QByteArray()), -1);
}
