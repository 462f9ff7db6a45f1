// Reference sheets: every cell graphic kind and the check and radio glyphs of every control style, painted
// on a bitmap and compared with the pictures kept in tests/data/paint; and a shown grid in each look, with a
// rotated and a markup cell, compared the same way.
#include "PaintReference.h"
#include "TestSupport.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/paint/CellLooks.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/system/StringList.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kSheetColW = 190, kSheetRowH = 28;

void fillSquare(TBitmap& bmp, int size, TColor back, TColor front) {
    bmp.SetSize(size, size);
    bmp.Canvas()->Brush()->SetStyle(bsSolid);
    bmp.Canvas()->Brush()->SetColor(back);
    bmp.Canvas()->FillRect(TRect(0, 0, size, size));
    bmp.Canvas()->Brush()->SetColor(front);
    bmp.Canvas()->FillRect(TRect(size / 4, size / 4, size - size / 4, size - size / 4));
}

// A graphic that draws itself: an olive bar of its size.
class SheetDrawnCell : public TObject, public ICellGraphic {
public:
    void Draw(TCanvas* Canvas, const TRect& R, int, int, bool) override {
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(clOlive);
        Canvas->FillRect(TRect(R.Left + 4, R.Top + 4, R.Left + 4 + GetWidth(), R.Top + 4 + GetHeight()));
    }
    int GetWidth() override { return 40; }
    int GetHeight() override { return 10; }
};

TRect sheetCell(int col, int row) {
    return TRect((col - 1) * kSheetColW, (row - 1) * kSheetRowH, col * kSheetColW, row * kSheetRowH);
}

} // namespace

TEST(GraphicSheets, EveryGraphicKindMatchesItsReference) {
    TQvStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(14);
    grid.SetDefaultColWidth(kSheetColW);
    grid.SetDefaultRowHeight(kSheetRowH);
    grid.SetOptions(grid.Options() | goEditing);
    grid.ControlLook()->SetControlStyle(csWinXP);
    grid.CellNode()->SetNodeType(cnXP);
    grid.CellNode()->SetShowTree(false);

    TImageList images(nullptr);
    images.SetWidth(12);
    images.SetHeight(12);
    for (TColor c : {clRed, clGreen, clBlue}) {
        TBitmap img;
        fillSquare(img, 12, clWhite, c);
        images.Add(&img, nullptr);
    }
    grid.SetGridImages(&images);

    // The grid draws cell bitmaps but never owns them.
    auto bitmapOwner = std::make_unique<TBitmap>();
    TBitmap* bitmap = bitmapOwner.get();
    fillSquare(*bitmap, 16, clFuchsia, clTeal);
    grid.AddBitmap(1, 1, bitmap, true, haLeft, vaCenter);
    grid.AddImageIdx(2, 1, 1, haCenter, vaCenter);
    grid.AddMultiImage(1, 2, 0, haLeft, vaTop);
    for (int i : {0, 1, 2})
        dynamic_cast<TIntList*>(grid.GetCellGraphic(1, 2)->CellBitmap)->Add(i);
    grid.AddCheckBox(2, 2, true, false);
    grid.AddCheckBox(1, 3, cbGrayed);
    grid.SetCells(2, 3, "N");
    grid.AddCheckBox(2, 3, false, true);
    grid.AddRadioButton(1, 4, true);
    TStrings* items = grid.CreateRadio(2, 4, 1, 1);
    items->Add("A");
    items->Add("B");
    items->Add("C");
    grid.GetCellGraphic(2, 4)->CellAngle = 3;
    grid.AddRotated(1, 5, 20, "Tilted");
    TCellGraphic* node = grid.CreateCellGraphic(2, 5);
    node->CellType = ctNode;
    node->CellBoolean = true;
    grid.SetCells(1, 6, "40");
    grid.AddProgress(1, 6, clNavy, clWhite);
    grid.AddProgressPie(2, 6, clMaroon, 65);
    grid.SetCells(1, 7, "-4");
    grid.AddRangeIndicator(1, 7, 10, clRed, clGreen, false);
    grid.SetCells(2, 7, "70");
    grid.AddQvProgress(2, 7, 0, 100);
    grid.AddColorComment(1, 8, "note", clRed);
    grid.AddButton(2, 8, 80, 22, "Button", haCenter, vaCenter);
    auto glyphOwner = std::make_unique<TBitmap>();
    TBitmap* glyph = glyphOwner.get();
    fillSquare(*glyph, 12, clFuchsia, clOlive);
    grid.AddBitButton(1, 9, 90, 22, "Bit", glyph, haLeft, vaCenter);
    TCellGraphic* expand = grid.CreateCellGraphic(2, 9);
    expand->CellType = ctExpand;
    expand->CellVar = true;
    grid.AddShape(1, 10, csCircle, clYellow, clBlack, haLeft, vaTop);
    grid.SetCells(2, 10, "2.5");
    grid.AddRating(2, 10, 5, clYellow, clSilver);
    TPicture* picture = grid.CreatePicture(1, 11, false, Stretch, 0, haLeft, vaTop);
    {
        TBitmap pic;
        fillSquare(pic, 20, clAqua, clPurple);
        picture->SetGraphic(&pic);
    }
    grid.AddDataImage(2, 11, 0, haLeft, vaCenter);
    grid.SetCells(2, 11, "2");
    auto iconOwner = std::make_unique<TBitmap>();
    fillSquare(*iconOwner, 14, clYellow, clRed);
    grid.AddIcon(1, 12, iconOwner.get(), haCenter, vaCenter);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const String file = dir.filePath("file_picture.png");
    {
        TBitmap onDisk;
        fillSquare(onDisk, 18, clNavy, clLime);
        ASSERT_TRUE(onDisk.toQImage().save(file));
    }
    TFilePicture* filePicture = grid.CreateFilePicture(2, 12, false, noStretch, 0, haLeft, vaTop);
    filePicture->Filename = file;
    filePicture->Width = filePicture->Height = 18;
    SheetDrawnCell drawn;
    grid.AddInterfacedCell(1, 13, &drawn);
    TCellGraphic* rowBox = grid.CreateCellGraphic(2, 13);
    rowBox->CellType = ctRowCheckBox;
    rowBox->CellBoolean = true;
    rowBox->CellHAlign = haLeft;
    rowBox->CellVAlign = vaCenter;

    constexpr int kSheetRows = 13;
    TBitmap sheet;
    sheet.SetSize(2 * kSheetColW, kSheetRows * kSheetRowH);
    sheet.Canvas()->Brush()->SetColor(clWhite);
    sheet.Canvas()->FillRect(TRect(0, 0, sheet.Width(), sheet.Height()));
    for (int row = 1; row <= kSheetRows; ++row)
        for (int col = 1; col <= 2; ++col) {
            TCellGraphic* g = grid.GetCellGraphic(col, row);
            ASSERT_NE(g, nullptr) << col << "," << row;
            TCellGraphicPass pass;
            pass.Canvas = sheet.Canvas();
            pass.RealCol = pass.DisplayCol = col;
            pass.Row = row;
            pass.TextVAlign = grid.VAlignment();
            TRect r = sheetCell(col, row);
            sheet.Canvas()->Brush()->SetStyle(bsSolid);
            sheet.Canvas()->Brush()->SetColor(clWhite);
            sheet.Canvas()->Font()->SetColor(clBlack);
            grid.DrawCellGraphics(pass, r, g);
        }
    grid.SetGridImages(nullptr);
    grid.RemoveInterfacedCell(1, 13);
    qvpaint::ExpectMatchesReference(sheet.toQImage(), "graphic_kinds");
}

TEST(GraphicSheets, CheckAndRadioGlyphsOfEveryStyleMatchTheirReference) {
    TQvStringGrid grid(nullptr);
    grid.ControlLook()->SetCheckedGlyph(GridBitmap("metrocheckon"));
    grid.ControlLook()->SetUnCheckedGlyph(GridBitmap("metrocheckoff"));
    grid.ControlLook()->SetRadioOnGlyph(GridBitmap("metroradioon"));
    grid.ControlLook()->SetRadioOffGlyph(GridBitmap("metroradiooff"));
    const TControlStyle styles[] = {csClassic, csFlat, csWinXP, csBorland, csVUR, csGlyph, csTheme};
    constexpr int kSlot = 24;
    TBitmap sheet;
    sheet.SetSize(8 * kSlot, 7 * kSlot);
    sheet.Canvas()->Brush()->SetColor(clWhite);
    sheet.Canvas()->FillRect(TRect(0, 0, sheet.Width(), sheet.Height()));
    TCanvas* c = sheet.Canvas();
    for (int s = 0; s < 7; ++s) {
        const int y = s * kSlot + 4;
        // Unchecked, checked, grayed, disabled checked, disabled unchecked.
        const std::tuple<bool, bool, bool> boxes[] = {{false, false, true},
                                                      {true, false, true},
                                                      {false, true, true},
                                                      {true, false, false},
                                                      {false, false, false}};
        int x = 4;
        for (auto [checked, grayed, enabled] : boxes) {
            grid.DrawCheckBox(c, TRect(x, y, x + 16, y + 16), checked, 0, false, styles[s], grayed, enabled);
            x += kSlot;
        }
        TGlyphLook look = grid.GlyphLook();
        look.Style = styles[s];
        for (auto [on, enabled] : {std::pair{false, true}, std::pair{true, true}, std::pair{true, false}}) {
            DrawRadioGlyph(c, x, y, look.RadioSize + 2, on, enabled, look);
            x += kSlot;
        }
    }
    qvpaint::ExpectMatchesReference(sheet.toQImage(), "check_radio_glyphs");
}

class GridLookGrab : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetClientSize(320, 130);
        grid = new TQvStringGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 320, 130);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->SetDefaultColWidth(70);
        grid->SetDefaultRowHeight(24);
        grid->SetColor(clWhite);
        form->Show();
    }
    void TearDown() override { form->Hide(); }

    std::unique_ptr<TForm> form;
    TQvStringGrid* grid = nullptr;
};

TEST_F(GridLookGrab, EachLookPaintsItsGridLinesAndMatchesTheReference) {
    const TGridLook looks[] = {glStandard, glSoft,  glClassic, glVUR,       glXP,
                               glListView, glVista, glWin7,    glOffice2007};
    grid->SetCells(1, 0, "Name");
    grid->SetCells(2, 0, "Value");
    grid->SetCells(0, 2, "2");
    grid->SetCells(1, 3, "plain");
    grid->AddRotated(2, 2, 15, "Tilt");
    grid->SetCells(3, 2, "<b>B</b> <font color=\"clRed\">red</font>");
    grid->SetSelection(TGridRect{1, 1, 2, 1});
    // Three looks a row: one sheet shows every look with a header, a selection, a rotated and a markup cell.
    QImage sheet(3 * 320, 3 * 130, QImage::Format_RGB32);
    QPainter sheetPainter(&sheet);
    int at = 0;
    for (TGridLook look : looks) {
        grid->SetLook(glCustom);
        grid->SetLook(look);
        grid->SetBorderStyle(bsNone); // cell rectangles are then form coordinates
        QApplication::processEvents();
        const QImage shot = form->Grab();
        if (const char* dir = std::getenv("QV_SAVE_GRABS"); dir && *dir)
            shot.save(QString::fromLocal8Bit(dir) + "/look_" + GridLookName(look) + ".png");
        // The vertical line between two normal cells, half-way down a normal row.
        const TRect cell = grid->CellRect(2, 3);
        const TColor line = FromQColor(QColor(shot.pixel(cell.Right - 1, (cell.Top + cell.Bottom) / 2)));
        EXPECT_EQ(line, ColorToRGB(grid->GridLineColor())) << GridLookName(look).toStdString();
        sheetPainter.drawImage((at % 3) * 320, (at / 3) * 130, shot, 0, 0, 320, 130);
        ++at;
    }
    sheetPainter.end();
    qvpaint::ExpectMatchesReference(sheet, "looks");
}
