// Cell graphics of the string grid: each kind's add, read and remove, the graphic record's own rules,
// and the cases where one kind's operation must leave another kind alone.
#include "controls/grid/QvGrid.h"
#include "controls/grid/QvObj.h"
#include "toolkit/graphics/ImgList.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct GraphicCase {
    const char* name;
    TCellType kind;
    std::function<void(TQvStringGrid&)> add;    // on cell (1, 1)
    std::function<void(TQvStringGrid&)> read;   // checks the kind's data
    std::function<bool(TQvStringGrid&)> remove; // removes it from (1, 1)
};

} // namespace

TEST(QvGridGraphics, EachKindAddsReadsAndRemovesOnlyItself) {
    TBitmap glyph;
    TPicture picture;
    TFilePicture filePicture;
    TStringList items;
    TObject drawn;
    const std::vector<GraphicCase> cases = {
        {"bitmap", ctBitmap, [&](TQvStringGrid& g) { g.AddBitmap(1, 1, &glyph, true, haRight, vaBottom); },
         [&](TQvStringGrid& g) {
             EXPECT_EQ(g.GetBitmap(1, 1), &glyph);
             EXPECT_TRUE(g.CellGraphics(1, 1)->CellTransparent);
             EXPECT_EQ(g.CellGraphics(1, 1)->CellHAlign, haRight);
         },
         [](TQvStringGrid& g) { return g.RemoveBitmap(1, 1); }},
        {"created bitmap", ctBitmap,
         [](TQvStringGrid& g) { ASSERT_NE(g.CreateBitmap(1, 1, false, haLeft, vaTop), nullptr); },
         [](TQvStringGrid& g) { EXPECT_TRUE(g.CellGraphics(1, 1)->CellCreated); },
         [](TQvStringGrid& g) { return g.RemoveBitmap(1, 1); }},
        {"icon", ctIcon, [](TQvStringGrid& g) { g.CreateIcon(1, 1, haLeft, vaCenter); },
         [](TQvStringGrid& g) { EXPECT_NE(g.CellGraphics(1, 1)->CellIcon, nullptr); },
         [](TQvStringGrid& g) { return g.RemoveIcon(1, 1); }},
        {"picture", ctPicture,
         [&](TQvStringGrid& g) { g.AddPicture(1, 1, &picture, false, Shrink, 4, haCenter, vaCenter); },
         [&](TQvStringGrid& g) {
             EXPECT_EQ(g.GetPicture(1, 1), &picture);
             EXPECT_EQ(g.CellGraphics(1, 1)->CellAngle, Shrink);
             EXPECT_EQ(g.CellGraphics(1, 1)->CellIndex, 4);
         },
         [](TQvStringGrid& g) { return g.RemovePicture(1, 1); }},
        {"file picture", ctFilePicture,
         [&](TQvStringGrid& g) { g.AddFilePicture(1, 1, &filePicture, false, Stretch, 0, haLeft, vaTop); },
         [&](TQvStringGrid& g) { EXPECT_EQ(g.GetFilePicture(1, 1), &filePicture); },
         [](TQvStringGrid& g) { return g.RemoveFilePicture(1, 1); }},
        {"image index", ctImageList, [](TQvStringGrid& g) { g.AddImageIdx(1, 1, 3, haLeft, vaTop); },
         [](TQvStringGrid& g) {
             int idx = -1;
             EXPECT_TRUE(g.SetImageIdx(1, 1, 5));
             EXPECT_TRUE(g.GetImageIdx(1, 1, idx));
             EXPECT_EQ(idx, 5);
         },
         [](TQvStringGrid& g) { return g.RemoveImageIdx(1, 1); }},
        {"data image", ctDataImage, [](TQvStringGrid& g) { g.AddDataImage(1, 1, 2, haLeft, vaTop); },
         [](TQvStringGrid& g) {
             EXPECT_TRUE(g.HasDataImage(1, 1));
             EXPECT_EQ(g.Cells(1, 1), "2") << "an empty cell takes the index as its value";
         },
         [](TQvStringGrid& g) { return g.RemoveDataImage(1, 1); }},
        {"multi image", ctImages, [](TQvStringGrid& g) { g.AddMultiImage(1, 1, 0, haLeft, vaTop); },
         [](TQvStringGrid& g) {
             ASSERT_NE(g.CellImages(1, 1), nullptr);
             g.CellImages(1, 1)->Add(4);
             EXPECT_TRUE(g.CellGraphics(1, 1)->CellBoolean) << "direction 0 lays the images side by side";
         },
         [](TQvStringGrid& g) { return g.RemoveMultiImage(1, 1); }},
        {"rotated", ctRotated, [](TQvStringGrid& g) { g.AddRotated(1, 1, -90, "up"); },
         [](TQvStringGrid& g) {
             int angle = 0;
             EXPECT_TRUE(g.IsRotated(1, 1, angle));
             EXPECT_EQ(angle, 270);
             EXPECT_EQ(g.Cells(1, 1), "up");
         },
         [](TQvStringGrid& g) { return g.RemoveRotated(1, 1); }},
        {"radio group", ctRadio, [&](TQvStringGrid& g) { g.AddRadio(1, 1, 1, 0, &items); },
         [&](TQvStringGrid& g) { EXPECT_EQ(g.GetRadioStrings(1, 1), &items); },
         [](TQvStringGrid& g) { return g.RemoveRadio(1, 1); }},
        {"progress", ctProgress,
         [](TQvStringGrid& g) { g.AddProgressFormatted(1, 1, 1, 2, 3, 4, "%d%%", 5, 50); },
         [](TQvStringGrid& g) {
             const TCellGraphic* p = g.CellGraphics(1, 1);
             EXPECT_TRUE(g.HasProgress(1, 1));
             EXPECT_EQ(p->CellBitmapColor, 1);
             EXPECT_EQ(p->CellIconColor, 3);
             EXPECT_EQ(p->CellIndex, 2);
             EXPECT_EQ(p->CellAngle, 4);
             EXPECT_EQ(p->CellErrFrom, 5);
             EXPECT_EQ(p->CellErrLen, 50);
             EXPECT_EQ(p->CellText, "%d%%");
         },
         [](TQvStringGrid& g) { return g.RemoveProgress(1, 1); }},
        {"progress appearance", ctXPProgress, [](TQvStringGrid& g) { g.AddQvProgress(1, 1, 10, 20); },
         [](TQvStringGrid& g) { EXPECT_EQ(g.CellGraphics(1, 1)->CellErrLen, 20); },
         [](TQvStringGrid& g) { return g.RemoveQvProgress(1, 1); }},
        {"pie", ctProgressPie, [](TQvStringGrid& g) { g.AddProgressPie(1, 1, clRed, 10); },
         [](TQvStringGrid& g) {
             g.SetProgressPie(1, 1, 60);
             EXPECT_EQ(g.CellGraphics(1, 1)->CellAngle, 60);
         },
         [](TQvStringGrid& g) { return g.RemoveProgressPie(1, 1); }},
        {"range", ctRangeIndicator,
         [](TQvStringGrid& g) { g.AddRangeIndicator(1, 1, 100, clRed, clGreen, true); },
         [](TQvStringGrid& g) { EXPECT_EQ(g.CellGraphics(1, 1)->CellIconColor, clGreen); },
         [](TQvStringGrid& g) { return g.RemoveRangeIndicator(1, 1); }},
        {"comment", ctComment, [](TQvStringGrid& g) { g.AddComment(1, 1, "note"); },
         [](TQvStringGrid& g) {
             EXPECT_EQ(g.CellComment(1, 1), "note");
             g.SetCellComment(1, 1, "changed");
             EXPECT_EQ(g.CellComment(1, 1), "changed");
         },
         [](TQvStringGrid& g) { return g.RemoveComment(1, 1); }},
        {"shape", ctShape, [](TQvStringGrid& g) { g.AddShape(1, 1, 2, clRed, clBlack, haLeft, vaTop); },
         [](TQvStringGrid& g) {
             g.SetShapeColor(1, 1, clBlue);
             EXPECT_EQ(g.GetShapeColor(1, 1), clBlue);
         },
         [](TQvStringGrid& g) { return g.RemoveShape(1, 1); }},
        {"rating", ctRating, [](TQvStringGrid& g) { g.AddRating(1, 1, 5, clYellow, clGray); },
         [](TQvStringGrid& g) {
             EXPECT_TRUE(g.HasRating(1, 1));
             EXPECT_EQ(g.CellGraphics(1, 1)->CellHAlign, haFull);
         },
         [](TQvStringGrid& g) { return g.RemoveRating(1, 1); }},
        {"scroll bar", ctScrollbar, [](TQvStringGrid& g) { g.AddScrollBar(1, 1, false); },
         [](TQvStringGrid& g) {
             g.SetScrollPosition(1, 1, 7);
             g.SetScrollProp(1, 1, TScrollProp{3, 40});
             EXPECT_EQ(g.GetScrollPosition(1, 1), 7);
             EXPECT_EQ(g.GetScrollProp(1, 1).Range, 40);
             EXPECT_FALSE(g.HasAutoRangeScrollBar(1, 1));
         },
         [](TQvStringGrid& g) { return g.RemoveScrollBar(1, 1); }},
        {"button", ctButton, [](TQvStringGrid& g) { g.AddButton(1, 1, 40, 18, "Go", haLeft, vaTop); },
         [](TQvStringGrid& g) {
             EXPECT_EQ(g.CellGraphics(1, 1)->CellIndex, (18 << 16) | 40);
             EXPECT_TRUE(g.SetButtonText(1, 1, "Stop"));
             EXPECT_EQ(g.GetButtonText(1, 1), "Stop");
             g.PushButton(1, 1, true);
             EXPECT_TRUE(g.CellGraphics(1, 1)->CellBoolean);
         },
         [](TQvStringGrid& g) { return g.RemoveButton(1, 1); }},
        {"bit button", ctBitButton,
         [&](TQvStringGrid& g) { g.AddBitButton(1, 1, 20, 20, "", &glyph, haLeft, vaTop); },
         [&](TQvStringGrid& g) { EXPECT_TRUE(g.HasButton(1, 1)); },
         [](TQvStringGrid& g) { return g.RemoveBitButton(1, 1); }},
        {"balloon", ctBalloon, [](TQvStringGrid& g) { g.AddBalloon(1, 1, "Title", "Text", biWarning); },
         [](TQvStringGrid& g) {
             String title, text;
             TBalloonIcon icon = biNone;
             EXPECT_TRUE(g.IsBalloon(1, 1, title, text, icon));
             EXPECT_EQ(title + "|" + text, "Title|Text");
             EXPECT_EQ(icon, biWarning);
         },
         [](TQvStringGrid& g) {
             g.RemoveBalloon(1, 1);
             return true;
         }},
        {"interfaced", ctInterface, [&](TQvStringGrid& g) { g.AddInterfacedCell(1, 1, &drawn); },
         [&](TQvStringGrid& g) { EXPECT_EQ(g.GetInterfacedCell(1, 1), &drawn); },
         [](TQvStringGrid& g) { return g.RemoveInterfacedCell(1, 1); }},
        {"marker", ctEmpty, [](TQvStringGrid& g) { g.AddMarker(1, 1, 2, 3); },
         [](TQvStringGrid& g) {
             int from = 0, len = 0;
             g.GetMarker(1, 1, from, len);
             EXPECT_EQ(from * 10 + len, 23);
         },
         [](TQvStringGrid& g) {
             g.RemoveMarker(1, 1);
             return true;
         }},
    };
    for (const GraphicCase& c : cases) {
        SCOPED_TRACE(c.name);
        TQvStringGrid g(nullptr);
        TImageList images(nullptr);
        g.SetGridImages(&images);
        // Every remove names its kind: on another kind it must leave the cell's graphic alone.
        g.AddButton(1, 1, 10, 10, "other", haLeft, vaTop);
        if (c.kind != ctButton && c.kind != ctBalloon && c.kind != ctEmpty) {
            EXPECT_FALSE(c.remove(g));
            EXPECT_EQ(g.CellTypes(1, 1), ctButton);
        }
        g.RemoveCellGraphic(1, 1);
        c.add(g);
        EXPECT_EQ(g.CellTypes(1, 1), c.kind);
        c.read(g);
        c.remove(g);
        EXPECT_EQ(g.CellGraphics(1, 1), nullptr);
        EXPECT_EQ(g.CellTypes(1, 1), ctEmpty);
    }
}

TEST(QvGridGraphics, ImageKindsNeedTheGridImages) {
    TQvStringGrid g(nullptr);
    g.AddImageIdx(1, 1, 0, haLeft, vaTop);
    g.AddDataImage(1, 2, 0, haLeft, vaTop);
    g.AddMultiImage(1, 3, 0, haLeft, vaTop);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(g.CellTypes(1, r), ctEmpty) << r;
}

TEST(QvGridGraphics, AnAddReplacesTheCellsGraphic) {
    TQvStringGrid g(nullptr);
    TBitmap bmp;
    g.AddCheckBox(1, 1, true, false);
    g.AddBitmap(1, 1, &bmp, false, haLeft, vaTop);
    EXPECT_EQ(g.CellTypes(1, 1), ctBitmap);
    EXPECT_FALSE(g.HasCheckBox(1, 1));
}

TEST(QvGridGraphics, BalloonsAndMarkersRideOnOtherKinds) {
    TQvStringGrid g(nullptr);
    g.AddCheckBox(1, 1, true, false);
    g.AddBalloon(1, 1, "T", "X", biInfo);
    String title, text;
    TBalloonIcon icon = biNone;
    EXPECT_TRUE(g.IsBalloon(1, 1, title, text, icon));
    EXPECT_FALSE(g.HasBalloon(1, 1)) << "an attached balloon is no balloon graphic";
    g.RemoveBalloon(1, 1);
    EXPECT_TRUE(g.IsChecked(1, 1));
    EXPECT_FALSE(g.IsBalloon(1, 1, title, text, icon));

    g.AddProgress(1, 2, clBlue, clWhite);
    g.AddMarker(1, 2, 1, 4);
    g.RemoveMarker(1, 2);
    EXPECT_EQ(g.CellTypes(1, 2), ctProgress);

    g.AddComment(2, 2, "c");
    g.AddBalloon(2, 2, "T", "X", biInfo);
    EXPECT_EQ(g.CellComment(2, 2), "c") << "a balloon does not land on another kind";
}

TEST(QvGridGraphics, AngleLiesWithin0To360) {
    const std::pair<int, int> cases[] = {{-90, 270}, {725, 5}, {360, 360}, {0, 0}, {-720, 0}};
    for (auto [in, out] : cases) {
        TCellGraphic graphic;
        graphic.SetAngle(in);
        EXPECT_EQ(graphic.CellAngle, out) << in;
    }
}

TEST(QvGridGraphics, PictureSizeFollowsTheStretchMode) {
    TBitmap bmp;
    bmp.SetSize(200, 100);
    TPicture picture;
    picture.SetGraphic(&bmp);
    struct Case {
        TStretchMode mode;
        int padding;
        TPoint size;
    };
    const Case cases[] = {{StretchWithAspectRatio, 0, {100, 50}},
                          {Shrink, 0, {100, 100}},
                          {ShrinkWithAspectRatio, 0, {100, 50}},
                          {noStretch, 0, {200, 100}},
                          {Stretch, 10, {90, 90}}};
    for (const Case& c : cases) {
        TCellGraphic graphic;
        graphic.SetPicture(&picture, false, c.mode, c.padding, haLeft, vaTop);
        TPoint size;
        graphic.GetPictureSize(100, 100, false, size);
        EXPECT_EQ(size, c.size) << c.mode;
    }
    TCellGraphic other;
    TPoint untouched(7, 7);
    other.GetPictureSize(100, 100, false, untouched);
    EXPECT_EQ(untouched, TPoint(7, 7));
}

TEST(QvGridGraphics, AssignCopiesTheRecordButNotThePayloads) {
    TCellGraphic source;
    TBitmap bmp;
    source.SetButton(30, 12, "OK", haCenter, vaCenter);
    source.CellBitmap = &bmp;
    source.CellVar = 2;
    TCellGraphic copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.CellType, ctButton);
    EXPECT_EQ(copy.CellText, "OK");
    EXPECT_EQ(copy.CellIndex, source.CellIndex);
    EXPECT_EQ(copy.CellBitmap, nullptr);
    EXPECT_FALSE(copy.CellVar.isValid());
}

// Sound behaviour: the cell text is the data image's value and outlives the image.
TEST(QvGridGraphics, RemovingADataImageKeepsTheCellText) {
    TQvStringGrid g(nullptr);
    TImageList images(nullptr);
    g.SetGridImages(&images);
    g.SetCells(1, 1, "3");
    g.AddDataImage(1, 1, 0, haLeft, vaTop);
    EXPECT_TRUE(g.RemoveDataImage(1, 1));
    EXPECT_EQ(g.Cells(1, 1), "3");
    g.SetCells(1, 2, "keep");
    EXPECT_FALSE(g.RemoveDataImage(1, 2));
    EXPECT_EQ(g.Cells(1, 2), "keep");
}

// Sound behaviour: a caption or radio index written into another kind would corrupt its data.
TEST(QvGridGraphics, CaptionsAndRadioIndexesChangeOnlyTheirOwnKind) {
    TQvStringGrid g(nullptr);
    TPicture picture;
    g.AddComment(1, 1, "comment");
    EXPECT_FALSE(g.SetButtonText(1, 1, "caption"));
    EXPECT_EQ(g.CellComment(1, 1), "comment");

    g.AddPicture(1, 2, &picture, false, noStretch, 6, haLeft, vaTop);
    EXPECT_FALSE(g.SetRadioIdx(1, 2, 2));
    EXPECT_EQ(g.CellGraphics(1, 2)->CellIndex, 6) << "the picture keeps its padding";

    g.SetCells(1, 3, "B");
    g.AddProgress(1, 3, clBlue, clWhite);
    EXPECT_FALSE(g.SetRadioIdx(1, 3, -1));
    EXPECT_EQ(g.Cells(1, 3), "B");
}

TEST(QvGridGraphics, OnScreenSizeByKind) {
    TQvStringGrid g(nullptr);
    TCanvas* canvas = g.Canvas();
    TStringList items;
    items.Add("A");
    items.Add("BB");
    g.AddRadio(1, 1, 1, 0, &items);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1),
              TPoint(canvas->TextWidth("A") + 12 + canvas->TextWidth("BB") + 12, canvas->TextHeight("gh")));
    g.AddRadio(1, 2, 0, 0, &items);
    EXPECT_EQ(g.GetCellGraphicSize(1, 2).Y, std::max(16, canvas->TextHeight("gh")) * 2);

    g.AddCheckBox(2, 1, true, false);
    EXPECT_EQ(g.GetCellGraphicSize(2, 1), TPoint(g.ControlLook()->CheckSize(), g.ControlLook()->CheckSize()));
    g.AddRating(2, 2, 5, clYellow, clGray);
    EXPECT_EQ(g.GetCellGraphicSize(2, 2), TPoint(90, 16)) << "a rating keeps its width under haFull";
    // A button beside text takes no height; over a full cell it takes the cell.
    g.SetCells(3, 1, "text");
    g.AddButton(3, 1, 40, 18, "Go", haLeft, vaTop);
    EXPECT_EQ(g.GetCellGraphicSize(3, 1), TPoint(40, 0));
    g.AddButton(3, 2, 40, 18, "Go", haFull, vaFull);
    const TRect r = g.CellRect(3, 2);
    EXPECT_EQ(g.GetCellGraphicSize(3, 2), TPoint(r.Right - r.Left, r.Bottom - r.Top));
    EXPECT_EQ(g.GetCellGraphicSize(4, 4), TPoint(0, 0));
    EXPECT_EQ(g.CalcPrintCellGraphicSize(3, 1, 100, 20, 1.0), TPoint(40, 18));
}

TEST(QvGridGraphics, AutomaticScrollBarFollowsTheCellText) {
    TQvStringGrid g(nullptr);
    g.SetCells(1, 1, "one");
    g.AddScrollBar(1, 1, true);
    const int line = g.Canvas()->TextHeight("gh");
    EXPECT_EQ(g.GetScrollProp(1, 1).Range, line);
    EXPECT_EQ(g.GetScrollProp(1, 1).PageSize, g.RowHeights(1));
    g.SetCells(1, 1, "one\ntwo\nthree");
    EXPECT_EQ(g.GetScrollProp(1, 1).Range, 3 * line);
    EXPECT_TRUE(g.HasAutoRangeScrollBar(1, 1));
}

TEST(QvGridGraphics, ExpandButtonSitsAtTheTopRight) {
    TQvStringGrid g(nullptr);
    EXPECT_EQ(g.GetExpandButtonRect(1, 1), TRect());
    TCellGraphic* graphic = g.CreateCellGraphic(1, 1);
    graphic->CellType = ctExpand;
    const TRect r = g.CellRect(1, 1);
    EXPECT_EQ(g.GetExpandButtonRect(1, 1), TRect(r.Right - 13, r.Top + 2, r.Right - 2, r.Top + 13));
}

TEST(QvGridGraphics, NodeIndentIsTheRowsLevelTimesTheIndent) {
    TQvStringGrid g(nullptr);
    g.SetRowCount(5);
    g.CellNode()->SetNodeIndent(12);
    g.CellProperties(0, 3)->SetNodeLevel(2);
    EXPECT_EQ(g.GetNodeIndent(3), 0) << "a grid without nodes indents nothing";
    g.CreateCellGraphic(0, 1)->CellType = ctNode;
    g.CellProperties(0, 1)->SetNodeLevel(1);
    const std::pair<int, int> cases[] = {{1, 12}, {3, 24}, {2, 0}};
    for (auto [row, indent] : cases)
        EXPECT_EQ(g.GetNodeIndent(row), indent) << row;
}
