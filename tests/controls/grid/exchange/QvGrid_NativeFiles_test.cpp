// The string grid's own files and streams: the text file's lines, the UTF-16 stream with data after it,
// binary blocks with looks and check boxes at another place, refused files that change nothing, and
// numbers read from cells.
#include "controls/grid/QvGrid.h"
#include "toolkit/system/Streams.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray FileBytes(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& Path, const QByteArray& Bytes) {
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(Bytes);
}

} // namespace

TEST(QvGridNativeFiles, TextFileWritesCountsWidthsAndNonEmptyCells) {
    QTemporaryDir dir;
    TQvStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetColWidths(0, 30);
    g.SetColWidths(1, 41);
    g.SetColWidths(2, 52);
    g.SetCells(1, 1, "x");
    const QString path = dir.filePath("cells.txt");
    g.SaveToFile(path);
    EXPECT_EQ(FileBytes(path), QByteArray("3,2\r\ncw 0,30\r\ncw 1,41\r\ncw 2,52\r\n1,1,x\r\n"));

    // Read into a grid with one fixed row whose saves leave the fixed cells out: the counts add to it.
    TQvStringGrid h(nullptr);
    h.SetFixedRows(1);
    h.SetFixedCols(0);
    h.SetSaveFixedCells(false);
    h.LoadFromFile(path);
    EXPECT_EQ(h.RowCount(), 3);
    EXPECT_EQ(h.ColCount(), 3);
    EXPECT_EQ(h.ColWidths(2), 52);
    EXPECT_EQ(h.Cells(1, 1), "x");

    // The Unicode file has its mark and reads the same.
    g.SetCells(2, 0, QString::fromUtf8("\u00e9\u4e2d"));
    g.SaveToFile(path, true);
    EXPECT_TRUE(FileBytes(path).startsWith("\xFF\xFE"));
    TQvStringGrid u(nullptr);
    u.LoadFromFile(path);
    EXPECT_EQ(u.Cells(2, 0), QString::fromUtf8("\u00e9\u4e2d"));
}

TEST(QvGridNativeFiles, LineBreaksInCellsFollowMultilineCells) {
    QTemporaryDir dir;
    const QString path = dir.filePath("breaks.txt");
    TQvStringGrid g(nullptr);
    g.SetCells(1, 1, "a\r\nb");
    g.SetCells(2, 1, "c\nd");
    g.SaveToFile(path);
    for (bool multi : {true, false}) {
        TQvStringGrid h(nullptr);
        h.SetMultilinecells(multi);
        h.LoadFromFile(path);
        EXPECT_EQ(h.Cells(1, 1), multi ? "a\r\nb" : "a") << multi;
        if (multi) {
            EXPECT_EQ(h.Cells(2, 1), "c\nd");
        }
    }
}

TEST(QvGridNativeFiles, RefusedFilesAndFailedSavesChangeNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.txt");
    for (const QByteArray& bytes :
         {QByteArray("0,0\r\n1,1,x"), QByteArray("no numbers"), QByteArray("99999999,99999999\r\n")}) {
        WriteFile(path, bytes);
        TQvStringGrid g(nullptr);
        g.SetCells(1, 1, "kept");
        try {
            g.LoadFromFile(path);
            ADD_FAILURE() << bytes.constData();
        } catch (const EQvGridError& e) {
            EXPECT_TRUE(e.Message().startsWith("File contains no data or corrupt file " + path))
                << bytes.constData();
        }
        EXPECT_EQ(g.ColCount(), 5);
        EXPECT_EQ(g.Cells(1, 1), "kept");
    }

    // A save that cannot be made leaves the file that was there whole.
    const QString keep = dir.filePath("keep.txt");
    WriteFile(keep, "old");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    TQvStringGrid g(nullptr);
    g.SetCells(1, 1, "new");
    if (!QFileInfo(dir.path()).isWritable()) {
        EXPECT_THROW(g.SaveToFile(keep), EQvGridError);
        EXPECT_THROW(g.SaveToBinFile(keep), EQvGridError);
    }
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(FileBytes(keep), QByteArray("old"));
    EXPECT_THROW(g.SaveToFile(dir.filePath("no/such/folder/x.txt")), EQvGridError);
}

TEST(QvGridNativeFiles, StreamCarriesTheSaveRangeAndLeavesWhatFollows) {
    TQvStringGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(4);
    g.SetCells(0, 0, "fixed");
    g.SetCells(1, 1, "a");
    g.SetCells(3, 3, "x\r\ny");
    g.SetColWidths(2, 77);
    TMemoryStream stream;
    g.SaveToStream(&stream);
    const int64_t gridEnd = stream.Position();
    const QString after = QStringLiteral("after\r\n");
    stream.WriteBuffer(QByteArray(reinterpret_cast<const char*>(after.utf16()), after.size() * 2));
    stream.SetPosition(0);

    TQvStringGrid h(nullptr);
    h.SetMultilinecells(true);
    h.LoadFromStream(&stream);
    EXPECT_EQ(stream.Position(), gridEnd);
    EXPECT_EQ(h.ColCount(), 4);
    EXPECT_EQ(h.RowCount(), 4);
    EXPECT_EQ(h.ColWidths(2), 77);
    EXPECT_EQ(h.Cells(0, 0), "fixed");
    EXPECT_EQ(h.Cells(1, 1), "a");
    EXPECT_EQ(h.Cells(3, 3), "x\r\ny");
}

TEST(QvGridNativeFiles, BinaryBlockLandsAtAPointWithColoursAndCheckBoxes) {
    TQvStringGrid src(nullptr);
    src.SetColCount(8);
    src.SetRowCount(8);
    src.SetCells(2, 3, "a");
    src.SetCells(3, 3, "b");
    src.SetColors(2, 4, clRed);
    src.SetFontColors(3, 3, clBlue);
    src.AddCheckBox(3, 4, true, false);
    TMemoryStream stream;
    src.SaveRectToBinStream(TGridRect{2, 3, 3, 4}, &stream);

    TQvStringGrid dst(nullptr);
    dst.SetColCount(10);
    dst.SetRowCount(10);
    dst.SetCells(5, 6, "old");
    stream.SetPosition(0);
    dst.LoadAtPointFromBinStream(TPoint(5, 5), &stream);
    EXPECT_EQ(dst.ColCount(), 10);
    EXPECT_EQ(dst.Cells(5, 5), "a");
    EXPECT_EQ(dst.Cells(6, 5), "b");
    EXPECT_EQ(dst.Cells(5, 6), ""); // the block's empty cell replaces the old text
    EXPECT_EQ(dst.Colors(5, 6), clRed);
    EXPECT_EQ(dst.FontColors(6, 5), clBlue);
    bool checked = false;
    EXPECT_TRUE(dst.HasCheckBox(6, 6));
    EXPECT_TRUE(dst.GetCheckBoxState(6, 6, checked));
    EXPECT_TRUE(checked);
    EXPECT_FALSE(dst.HasCheckBox(6, 5));

    // At the grid's edge the cells that do not fit stay out; the grid does not grow.
    stream.SetPosition(0);
    dst.LoadAtPointFromBinStream(TPoint(9, 9), &stream);
    EXPECT_EQ(dst.Cells(9, 9), "a");
    EXPECT_EQ(dst.ColCount(), 10);
    EXPECT_EQ(dst.RowCount(), 10);
}

TEST(QvGridNativeFiles, GraphicsTravelWithTheirPicturesAndLists) {
    TQvStringGrid src(nullptr);
    src.CreateBitmap(1, 1, true, haCenter, vaCenter)->SetSize(4, 3);
    QImage image(5, 6, QImage::Format_ARGB32);
    image.fill(Qt::green);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    src.CreatePicture(2, 1, false, noStretch, 0, haLeft, vaTop)->LoadFromBytes(png);
    TStrings* radio = src.CreateRadio(3, 1, 0, 1);
    radio->Add("one");
    radio->Add("two");
    src.AddProgress(4, 1, clRed, clWhite);
    TBitmap owned; // the application's own bitmap stays where it is
    owned.SetSize(2, 2);
    src.AddBitmap(1, 2, &owned, false, haLeft, vaTop);
    TMemoryStream stream;
    src.SaveRectToBinStream(TGridRect{1, 1, 4, 2}, &stream);

    TQvStringGrid dst(nullptr);
    stream.SetPosition(0);
    dst.LoadAtPointFromBinStream(TPoint(0, 2), &stream);
    const TCellGraphic* bitmap = dst.GetCellGraphic(0, 2);
    ASSERT_TRUE(bitmap && bitmap->CellType == ctBitmap);
    const auto* bmp = dynamic_cast<const TBitmap*>(bitmap->CellBitmap);
    ASSERT_NE(bmp, nullptr);
    EXPECT_EQ(bmp->Width(), 4);
    EXPECT_EQ(bitmap->CellHAlign, haCenter);
    const TCellGraphic* picture = dst.GetCellGraphic(1, 2);
    ASSERT_TRUE(picture && picture->CellType == ctPicture);
    const auto* pic = dynamic_cast<const TPicture*>(picture->CellBitmap);
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->Width(), 5);
    EXPECT_EQ(pic->Height(), 6);
    const TCellGraphic* list = dst.GetCellGraphic(2, 2);
    ASSERT_TRUE(list && list->CellType == ctRadio);
    const auto* items = dynamic_cast<const TStrings*>(list->CellBitmap);
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(items->Count(), 2);
    EXPECT_EQ(items->Strings(1), "two");
    EXPECT_EQ(dst.GetCellType(3, 2), ctProgress);
    EXPECT_EQ(dst.GetCellType(0, 3), ctEmpty);
}

TEST(QvGridNativeFiles, BinaryFileOfTheWholeGridRebuildsItAndADamagedOneChangesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("grid.bin");
    TQvStringGrid src(nullptr);
    src.SetColCount(4);
    src.SetRowCount(6);
    src.SetColWidths(3, 99);
    src.SetRowHeights(5, 33);
    src.SetCells(0, 0, "corner");
    src.SetCells(3, 5, "last");
    src.MergeCells(1, 1, 2, 2);
    src.SaveToBinFile(path);

    TQvStringGrid dst(nullptr);
    dst.SetColCount(9);
    dst.SetRowCount(2);
    dst.SetCells(1, 1, "gone");
    dst.LoadFromBinFile(path);
    EXPECT_EQ(dst.ColCount(), 4);
    EXPECT_EQ(dst.RowCount(), 6);
    EXPECT_EQ(dst.ColWidths(3), 99);
    EXPECT_EQ(dst.RowHeights(5), 33);
    EXPECT_EQ(dst.Cells(0, 0), "corner");
    EXPECT_EQ(dst.Cells(3, 5), "last");
    EXPECT_EQ(dst.Cells(1, 1), "");
    EXPECT_TRUE(dst.IsMergedCell(2, 2));
    EXPECT_EQ(dst.BaseCell(2, 2), TPoint(1, 1));

    QByteArray damaged = FileBytes(path);
    damaged.chop(1);
    WriteFile(path, damaged);
    TQvStringGrid kept(nullptr);
    kept.SetCells(1, 1, "kept");
    EXPECT_THROW(kept.LoadFromBinFile(path), EQvGridError);
    EXPECT_EQ(kept.ColCount(), 5);
    EXPECT_EQ(kept.Cells(1, 1), "kept");
    EXPECT_THROW(kept.LoadFromBinFile(dir.filePath("missing.bin")), Exception);
}

TEST(QvGridNativeFiles, CellToRealCleansTheTextOrNamesWhereItFails) {
    struct Case {
        QString text;
        double value;
    } cases[] = {{"", 0}, {"1,234.5", 1234.5}, {"12a", 12}, {"(7)", -7}, {"  -3.25 ", -3.25}, {"$ 5", 5}};
    TQvStringGrid g(nullptr);
    SetDecimalSeparatorOverride(QChar('.'));
    for (const Case& tc : cases) {
        g.SetCells(1, 1, tc.text);
        EXPECT_DOUBLE_EQ(g.CellToReal(1, 1), tc.value) << tc.text.toStdString();
    }
    g.SetCells(2, 3, "abc");
    try {
        g.CellToReal(2, 3);
        ADD_FAILURE();
    } catch (const EQvGridError& e) {
        EXPECT_TRUE(e.Message().startsWith("Error at position: ")) << e.Message().toStdString();
        EXPECT_TRUE(e.Message().endsWith(" in Cell [2, 3].")) << e.Message().toStdString();
    }
    SetDecimalSeparatorOverride(QChar());
}
