// The grid's own text lines, UTF-16 stream and binary cell stream as helpers, from tables of cases and
// without a window: encoding, lenient and strict numbers, limits, and a damaged binary stream refused whole.
#include "controls/grid/data/GridCellStore.h"
#include "controls/grid/exchange/GridBinaryStream.h"
#include "controls/grid/exchange/GridTextFile.h"
#include "controls/grid/exchange/GridTextStream.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const QString kCRLF = QStringLiteral("\r\n");

QByteArray Utf16(const QString& Text) {
    QByteArray out;
    for (QChar c : Text) {
        out.append(char(c.unicode() & 0xFF));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

GridTextSource SourceOf(const GridCellStore& Store) {
    GridTextSource source;
    for (int c = 0; c < Store.DisplayColumnCount(); ++c)
        source.Columns.push_back({c, c});
    source.FirstRow = 0;
    source.LastRow = Store.DisplayRowCount() - 1;
    source.SavedText = [&Store](int ACol, int ARow) { return Store.Text(ACol, ARow); };
    return source;
}

} // namespace

TEST(GridTextFileFormat, CellTextsComeBackThroughTheLineEncoding) {
    struct Case {
        const char* name;
        QString text;
        bool multiLine;
        QString back;
    } cases[] = {
        {"plain", "abc", true, "abc"},
        {"CR LF kept with multiline", "a\r\nb", true, "a\r\nb"},
        {"first line only without multiline", "a\r\nb", false, "a"},
        {"a lone LF stays on one line", "a\nb", true, "a\nb"},
        {"a zero in a broken text", QString("a\r\n") + QChar(0) + "b", true,
         QString("a\r\n") + QChar(0) + "b"},
        {"commas belong to the text", "1,2,3", true, "1,2,3"},
    };
    for (const Case& tc : cases) {
        const QString encoded = GridTextFile::EncodeCell(tc.text);
        EXPECT_FALSE(encoded.contains(QChar(13)) || encoded.contains(QChar(10))) << tc.name;
        GridCellStore store(3, 3);
        store.SetText(2, 1, tc.text);
        const QString file = GridTextFile::Write(3, 3, {}, SourceOf(store));
        const GridTextContent read = GridTextFile::Read(file, tc.multiLine);
        ASSERT_EQ(read.Cells.size(), 1u) << tc.name;
        EXPECT_EQ(read.Cells[0].Col, 2) << tc.name;
        EXPECT_EQ(read.Cells[0].Row, 1) << tc.name;
        EXPECT_EQ(read.Cells[0].Text, tc.back) << tc.name;
    }
}

TEST(GridTextFileFormat, NumbersAreReadLeniently) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {"12", 12},
        {"  7x", 7},
        {"-3", -3},
        {"+4", 4},
        {"$1F", 31},
        {"0x10", 16},
        {"abc", 0},
        {"", 0},
        {"12.5", 12},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
    };
    for (const Case& tc : cases)
        EXPECT_EQ(GridTextFile::LenientNumber(QString::fromLatin1(tc.text)), tc.value) << tc.text;
}

TEST(GridTextFileFormat, ReadsCountsWidthsAndCellsAndRefusesCountsBeyondTheLimits) {
    const GridTextContent c =
        GridTextFile::Read("3,2\r\ncw 0,64\ncw 2,10\r1,1,x\r\nno cell here\r\n0,1,a,b", true);
    EXPECT_TRUE(c.HasCounts);
    EXPECT_EQ(c.Cols, 3);
    EXPECT_EQ(c.Rows, 2);
    ASSERT_EQ(c.Widths.size(), 2u);
    EXPECT_EQ(c.Widths[1].Col, 2);
    EXPECT_EQ(c.Widths[1].Value, 10);
    ASSERT_EQ(c.Cells.size(), 2u);
    EXPECT_EQ(c.Cells[1].Text, "a,b");

    EXPECT_FALSE(GridTextFile::Read("\r\n1,1,x", true).HasCounts);
    GridExchangeLimits small;
    small.MaxCols = 10;
    small.MaxRows = 10;
    small.MaxCells = 50;
    for (const char* counts : {"11,1", "1,11", "10,10", "99999999999,1"})
        EXPECT_THROW(GridTextFile::Read(QString::fromLatin1(counts), true, small), EQvGridError) << counts;
    EXPECT_NO_THROW(GridTextFile::Read("5,10", true, small));
}

TEST(GridTextStreamFormat, RoundTripsAndStopsAtTheFirstForeignLine) {
    GridCellStore store(4, 3);
    store.SetText(1, 0, "first");
    store.SetText(3, 2, "x\r\ny");
    store.SetText(2, 1, "a\nb"); // a line feed without a CR stays whole in the stream
    GridTextSource source = SourceOf(store);
    source.Columns.erase(source.Columns.begin()); // column 0 is fixed: numbers count from column 1
    source.FirstRow = 1;
    const QByteArray grid = GridTextStream::Write(3, 2, {{0, 64}, {1, 20}}, 1, source);
    const QByteArray foreign = Utf16("other data" + kCRLF);
    qsizetype consumed = 0;
    const GridTextContent c = GridTextStream::Read(grid + foreign, true, consumed);
    EXPECT_EQ(consumed, grid.size());
    EXPECT_EQ(c.Cols, 3);
    EXPECT_EQ(c.Rows, 2);
    ASSERT_EQ(c.Widths.size(), 2u);
    ASSERT_EQ(c.Cells.size(), 2u);
    EXPECT_EQ(c.Cells[0].Col, 1); // column 2, relative to column 1
    EXPECT_EQ(c.Cells[0].Row, 0);
    EXPECT_EQ(c.Cells[0].Text, "a\nb");
    EXPECT_EQ(c.Cells[1].Col, 2);
    EXPECT_EQ(c.Cells[1].Row, 1);
    EXPECT_EQ(c.Cells[1].Text, "x\r\ny");
}

TEST(GridTextStreamFormat, BadNumbersAndHugeCountsRaise) {
    for (const QString& text : {QString("x,2"), QString("2,2\r\ncw a,3"), QString("2,2\r\n1 ,1,t"),
                                QString("2,2\r\n1,y,t"), QString("70000,70000"), QString("-1,2")}) {
        qsizetype consumed = 0;
        EXPECT_THROW(GridTextStream::Read(Utf16(text + kCRLF), true, consumed), EQvGridError)
            << text.toStdString();
    }
}

TEST(GridBinaryStreamFormat, CarriesTextsLooksAndMergesAtAnotherPlace) {
    GridCellStore source(6, 6);
    source.SetText(2, 3, "a");
    source.SetText(3, 3, "b");
    source.SetText(2, 4, "c");
    TCellProperties* p = source.MakeProperties(3, 4);
    p->SetBrushColor(0x00FF00);
    p->SetFontName("Mono");
    p->SetFontStyle(fsBold);
    TCellProperties* base = source.MakeProperties(2, 3);
    base->SetCellSpanX(1);
    base->SetCellSpanY(0);
    TCellProperties* covered = source.MakeProperties(3, 3);
    covered->SetIsBaseCell(false);
    covered->SetCellSpanX(1);
    covered->SetCellSpanY(0);
    GridBinaryStream::Header h;
    h.Cells = TRect(2, 3, 3, 4);
    h.ColWidths = {40, 50};
    h.RowHeights = {20, 21};
    h.SourceId = 77;
    GridBlock block = GridBinaryStream::Read(GridBinaryStream::Write(source, h));
    EXPECT_EQ(block.ColCount, 2);
    EXPECT_EQ(block.RowCount, 2);
    EXPECT_EQ(block.SourceId, 77u);
    EXPECT_EQ(block.ColWidths, (std::vector<int>{40, 50}));

    // Landing whole, the merge goes with the cells; at the edge, the cells keep their looks unmerged.
    struct Case {
        int atCol, atRow;
        bool merged;
    } cases[] = {{5, 5, true}, {7, 5, false}};
    for (const Case& tc : cases) {
        GridBlock copy = GridBinaryStream::Read(GridBinaryStream::Write(source, h));
        GridCellStore target(8, 8);
        target.SetText(tc.atCol, tc.atRow + 1, "old");
        const TRect written = GridBinaryStream::Apply(target, copy, tc.atCol, tc.atRow);
        EXPECT_EQ(written.Left, tc.atCol);
        EXPECT_EQ(written.Right, std::min(tc.atCol + 1, 7));
        EXPECT_EQ(target.Text(tc.atCol, tc.atRow), "a");
        EXPECT_EQ(target.Text(tc.atCol, tc.atRow + 1), "c"); // the block's cells replace the target's
        if (tc.atCol + 1 < 8) {
            EXPECT_EQ(target.Text(tc.atCol + 1, tc.atRow), "b");
            const TCellProperties* looks = target.Properties(tc.atCol + 1, tc.atRow + 1);
            ASSERT_NE(looks, nullptr);
            EXPECT_EQ(looks->BrushColor(), TColor(0x00FF00));
            EXPECT_EQ(looks->FontName(), "Mono");
            EXPECT_EQ(looks->FontStyle(), fsBold);
        }
        const TCellProperties* b = target.Properties(tc.atCol, tc.atRow);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->CellSpanX(), tc.merged ? 1 : -1) << tc.atCol;
    }
}

TEST(GridBinaryStreamFormat, ADamagedStreamIsRefusedWhole) {
    GridCellStore source(3, 3);
    source.SetText(0, 0, "text");
    source.MakeProperties(1, 1)->SetBrushColor(0x123456);
    GridBinaryStream::Header h;
    h.Cells = TRect(0, 0, 2, 2);
    h.ColWidths = {10, 10, 10};
    h.RowHeights = {10, 10, 10};
    const QByteArray good = GridBinaryStream::Write(source, h);
    ASSERT_NO_THROW(GridBinaryStream::Read(good));

    // Every cut short of the whole is refused, between two records too.
    for (qsizetype n = 0; n < good.size(); ++n)
        ASSERT_THROW(GridBinaryStream::Read(good.left(n)), EQvGridError) << n;

    auto patched = [&](qsizetype at, QByteArray with) {
        QByteArray b = good;
        b.replace(at, with.size(), with);
        return b;
    };
    // The block record starts at 8 (mark, version): kind, length, then left, top, columns, rows.
    const qsizetype firstCell = 13 + qFromLittleEndian<quint32>(good.constData() + 9);
    const qsizetype firstCellSize = 5 + qFromLittleEndian<quint32>(good.constData() + firstCell + 1);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"no mark", patched(0, "QVGX")},
        {"another version", patched(4, QByteArray("\x02\0\0\0", 4))},
        {"negative left", patched(13, QByteArray("\xFF\xFF\xFF\xFF", 4))},
        {"huge column count", patched(21, QByteArray("\xFF\xFF\xFF\x7F", 4))},
        {"a record that runs past the end", patched(9, QByteArray("\xFF\xFF\xFF\x00", 4))},
        {"a cell given twice", good + good.mid(firstCell, firstCellSize)},
    };
    for (const auto& tc : cases) {
        GridCellStore target(3, 3);
        target.SetText(0, 0, "kept");
        EXPECT_THROW(
            {
                GridBlock b = GridBinaryStream::Read(tc.bytes);
                GridBinaryStream::Apply(target, b, 0, 0);
            },
            EQvGridError)
            << tc.name;
        EXPECT_EQ(target.Text(0, 0), "kept") << tc.name;
    }
}
