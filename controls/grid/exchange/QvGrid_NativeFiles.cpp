// The string grid's own formats: the text file, the UTF-16 stream and the binary cell stream. The formats
// live in their helpers; here the grid hands them its save range, hooks and sizes, and applies what they
// read.
#include "controls/grid/QvGrid.h"

#include "controls/grid/data/StringGridCells.h"
#include "controls/grid/exchange/GridBinaryStream.h"
#include "controls/grid/exchange/GridTextFile.h"
#include "controls/grid/exchange/GridTextStream.h"
#include "toolkit/system/Streams.h"
#include "toolkit/system/SysUtils.h"
#include "toolkit/system/TextCodec.h"

#include <atomic>
#include <cmath>
#include <random>

namespace {

constexpr int kNativeMaxExtent = 1 << 16;

// OnFileProgress in whole percent, told only when the figure changes.
class NativeFileProgress {
public:
    explicit NativeFileProgress(TQvStringGrid* Grid) : FGrid(Grid) {}
    void Tell(double Done, double Whole) {
        if (!FGrid->OnFileProgress) return;
        const int percent = int(std::lround(Done / std::max(1.0, Whole) * 100.0));
        if (percent == FLast) return;
        FLast = percent;
        FGrid->OnFileProgress(FGrid, int16_t(percent));
    }

private:
    TQvStringGrid* FGrid;
    int FLast = -1;
};

String NativeCorruptFileText(const String& FileName, const String& Reason = String()) {
    String text = QStringLiteral("File contains no data or corrupt file ") + FileName;
    if (!Reason.isEmpty()) text += QStringLiteral(" (") + Reason + QLatin1Char(')');
    return text;
}

void NativeSaveWhole(const String& FileName, const QByteArray& Bytes) {
    String error;
    if (!SaveFileAtomically(FileName, Bytes, &error))
        throw EQvGridError(QStringLiteral("Cannot Create file ") + FileName + QStringLiteral(" (") + error +
                           QStringLiteral("); the file was left as it was"));
}

QByteArray NativeReadWhole(const String& FileName) {
    QByteArray bytes;
    String error;
    TReadFault fault = TReadFault::None;
    const qint64 limit = GridExchangeLimits().MaxBytes;
    if (!ReadWholeFile(FileName, bytes, &error, limit, &fault))
        throw EInOutError(ReadFaultText(FileName, fault, error, limit));
    return bytes;
}

// The save range's shown columns and rows, and the text each cell saves.
GridTextSource NativeTextSource(TQvStringGrid& Grid) {
    GridTextSource source;
    for (int c = Grid.SaveStartCol(); c <= Grid.SaveEndCol(); ++c)
        source.Columns.push_back({c, Grid.RealColIndex(c)});
    source.FirstRow = Grid.SaveStartRow();
    source.LastRow = Grid.SaveEndRow();
    source.SavedText = [&Grid](int ACol, int ARow) {
        String text;
        Grid.GetSaveCellText(ACol, ARow, text);
        return text;
    };
    return source;
}

// What a stream holds from its position on, within the readers' limit.
QByteArray NativeRestOf(TStream* Stream) {
    const int64_t left = Stream->Size() - Stream->Position();
    if (left > GridExchangeLimits().MaxBytes)
        throw EQvGridError(QStringLiteral("Cell data damaged: too large"));
    return Stream->ReadAll();
}

} // namespace

// A mark of the run in the high half, so that grids of two programs never share an identity.
quint64 NewGridExchangeId() {
    static const quint64 run = quint64(std::random_device()()) << 32;
    static std::atomic<quint32> next{0};
    return run | ++next;
}

// The text file
// --------------------------------------------------------------------------------------------

void TQvStringGrid::SaveToFile(const String& FileName, bool Unicode) {
    GridTextSource source = NativeTextSource(*this);
    std::vector<GridTextContent::Width> widths;
    for (const GridTextSource::Column& c : source.Columns)
        widths.push_back({c.Index, ColWidths(c.Index)});
    // Hidden columns follow the shown ones, numbered on from the last.
    int next = SaveEndCol() + 1;
    for (int c = 0; FSaveHiddenCells && c < TotalColCount(); ++c)
        if (IsHiddenColumn(c)) {
            source.Columns.push_back({next, c});
            widths.push_back({next++, AllColWidths(c)});
        }
    NativeFileProgress progress(this);
    source.OnRow = [&](int ARow) {
        ExportNotification(esExportNextRow, ARow);
        progress.Tell(ARow - SaveStartRow(), SaveRowCount() - 1);
    };
    ExportNotification(esExportStart, SaveStartRow());
    const String text =
        GridTextFile::Write(static_cast<int>(source.Columns.size()), SaveRowCount(), widths, source);
    ExportNotification(esExportDone, -1);
    NativeSaveWhole(FileName, EncodeText(text, Unicode ? TTextEncoding::UTF16LE : TTextEncoding::ANSI));
}

void TQvStringGrid::LoadFromFile(const String& FileName) {
    const QByteArray bytes = NativeReadWhole(FileName);
    GridTextContent content;
    try {
        content = GridTextFile::Read(DecodeText(bytes), Multilinecells());
    } catch (const EQvGridError& e) {
        throw EQvGridError(NativeCorruptFileText(FileName, e.Message()));
    }
    const int baseCol = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
    const int baseRow = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
    const qint64 cols = content.HasCounts ? qint64(baseCol) + content.Cols : ColCount();
    const qint64 rows = content.HasCounts ? qint64(baseRow) + content.Rows : RowCount();
    if (cols <= 0 || rows <= 0 || !GridExchangeLimits().Fits(cols, rows))
        throw EQvGridError(NativeCorruptFileText(FileName));
    BeginUpdate();
    try {
        SetColCount(int(cols));
        SetRowCount(int(rows));
        for (const GridTextContent::Width& w : content.Widths)
            if (w.Col >= 0 && w.Col < ColCount())
                SetColWidths(w.Col, std::clamp(w.Value, 0, kNativeMaxExtent));
        NativeFileProgress progress(this);
        for (const GridTextContent::Cell& cell : content.Cells) {
            if (cell.Col < 0 || cell.Row < 0 || cell.Col >= ColCount() || cell.Row >= RowCount()) continue;
            LoadCellText(RealColIndex(cell.Col), cell.Row, cell.Text);
            progress.Tell(cell.Row, RowCount() - 1);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    DoCellsChanged(TRect(0, 0, ColCount(), RowCount()));
    AllCellsChanged();
}

// The UTF-16 stream
// --------------------------------------------------------------------------------------------

void TQvStringGrid::SaveToStream(TStream* Stream) {
    if (!Stream) return;
    GridTextSource source = NativeTextSource(*this);
    std::vector<GridTextContent::Width> widths;
    for (int c = 0; c < ColCount(); ++c)
        widths.push_back({c, ColWidths(c)});
    source.OnRow = [this](int ARow) { ExportNotification(esExportNextRow, ARow); };
    ExportNotification(esExportStart, SaveStartRow());
    const QByteArray bytes =
        GridTextStream::Write(SaveColCount(), SaveRowCount(), widths, SaveStartCol(), source);
    ExportNotification(esExportDone, -1);
    Stream->WriteBuffer(bytes);
}

void TQvStringGrid::LoadFromStream(TStream* Stream) {
    if (!Stream) return;
    const int64_t start = Stream->Position();
    qsizetype consumed = 0;
    const GridTextContent content = GridTextStream::Read(NativeRestOf(Stream), Multilinecells(), consumed);
    Stream->SetPosition(start);
    const int firstCol = SaveStartCol(), firstRow = SaveStartRow();
    if (content.HasCounts) {
        const qint64 cols = qint64(content.Cols) + firstCol, rows = qint64(content.Rows) + firstRow;
        if (cols <= 0 || rows <= 0 || !GridExchangeLimits().Fits(cols, rows))
            throw EQvGridError(
                QStringLiteral("Cell data damaged: a grid of %1 x %2 cells").arg(cols).arg(rows));
        SetColCount(int(cols));
        SetRowCount(int(rows));
    }
    for (const GridTextContent::Width& w : content.Widths)
        if (w.Col >= 0 && w.Col < ColCount()) SetColWidths(w.Col, std::clamp(w.Value, 0, kNativeMaxExtent));
    for (const GridTextContent::Cell& cell : content.Cells) {
        const qint64 col = qint64(cell.Col) + firstCol, row = qint64(cell.Row) + firstRow;
        if (col >= 0 && row >= 0 && col < ColCount() && row < RowCount())
            LoadCellText(RealColIndex(int(col)), int(row), cell.Text);
    }
    Stream->SetPosition(start + consumed);
    DoCellsChanged(TRect(0, 0, ColCount(), RowCount()));
    AllCellsChanged();
}

// The binary cell stream
// --------------------------------------------------------------------------------------------

QByteArray TQvStringGrid::BinaryBlockOf(const TGridRect& Rect) {
    GridBinaryStream::Header header;
    header.Cells = TRect(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
    for (int c = Rect.Left; c <= Rect.Right; ++c)
        header.ColWidths.push_back(ColWidths(c));
    for (int r = Rect.Top; r <= Rect.Bottom; ++r)
        header.RowHeights.push_back(RowHeights(r));
    const int width = Rect.Right - Rect.Left + 1, height = Rect.Bottom - Rect.Top + 1;
    header.FullGrid = FSaveFixedCells
                          ? width == ColCount() && height == RowCount()
                          : width == ColCount() - FixedCols() && height == RowCount() - FixedRows();
    header.SourceId = FExchangeId;
    NativeFileProgress progress(this);
    const StringGridCells cells(*this);
    ExportNotification(esExportStart, Rect.Top);
    const QByteArray bytes = GridBinaryStream::Write(cells, header, [&](int ARow) {
        ExportNotification(esExportNextRow, ARow);
        progress.Tell(ARow - Rect.Top, Rect.Bottom - Rect.Top);
    });
    ExportNotification(esExportDone, -1);
    return bytes;
}

TGridRect TQvStringGrid::ApplyBinaryBlock(GridBlock& Block, const TPoint& At, bool Paste) {
    StringGridCells cells(*this);
    NativeFileProgress progress(this);
    GridBinaryStream::ApplyHooks hooks;
    hooks.OnRow = [&](int ARow) { progress.Tell(ARow, RowCount()); };
    if (Paste) {
        hooks.MayWrite = [this](int ACol, int ARow) { return PasteMayWrite(ACol, ARow); };
        hooks.BeforeWrite = [this](int ACol, int ARow, const String& Text) {
            const int real = RealColIndex(ACol);
            const String old = GetCellEx(real, ARow);
            if (UndoRedo() && old != Text) UndoRedo()->RegisterChange(real, ARow, Text, old);
        };
    }
    const TRect written = GridBinaryStream::Apply(cells, Block, At.X, At.Y, hooks);
    Invalidate();
    return TGridRect{written.Left, written.Top, written.Right, written.Bottom};
}

void TQvStringGrid::SaveToBinFile(const String& FileName) {
    NativeSaveWhole(FileName,
                    BinaryBlockOf(TGridRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}));
}

void TQvStringGrid::SaveToBinStream(TStream* Stream) {
    SaveRectToBinStream(TGridRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, Stream);
}

void TQvStringGrid::SaveRectToBinStream(const TGridRect& Rect, TStream* Stream) {
    if (Stream) Stream->WriteBuffer(BinaryBlockOf(Rect));
}

namespace {

// A full block makes the grid its size first: its counts, widths and heights, from empty cells.
void NativeSizeGridToBlock(TQvStringGrid& Grid, const GridBlock& Block) {
    Grid.Clear();
    Grid.SetColCount(Block.Left + Block.ColCount);
    Grid.SetRowCount(Block.Top + Block.RowCount);
    for (int c = 0; c < Block.ColCount; ++c)
        Grid.SetColWidths(Block.Left + c, Block.ColWidths[size_t(c)]);
    for (int r = 0; r < Block.RowCount; ++r)
        Grid.SetRowHeights(Block.Top + r, Block.RowHeights[size_t(r)]);
}

} // namespace

void TQvStringGrid::LoadFromBinFile(const String& FileName) {
    TMemoryStream stream;
    stream.WriteBuffer(NativeReadWhole(FileName));
    stream.SetPosition(0);
    try {
        LoadFromBinStream(&stream);
    } catch (const EQvGridError& e) {
        throw EQvGridError(NativeCorruptFileText(FileName, e.Message()));
    }
}

void TQvStringGrid::LoadFromBinStream(TStream* Stream) {
    LoadAtPointFromBinStream(TPoint(0, 0), Stream);
    if (HasNodes()) RepaintCol(0);
}

void TQvStringGrid::LoadAtPointFromBinStream(const TPoint& Point, TStream* Stream) {
    if (!Stream) return;
    GridBlock block = GridBinaryStream::Read(NativeRestOf(Stream));
    if (block.FullGrid) NativeSizeGridToBlock(*this, block);
    const TPoint at = block.FullGrid ? TPoint(Point.X + block.Left, Point.Y + block.Top) : Point;
    const TGridRect written = ApplyBinaryBlock(block, at, false);
    if (written.Left <= written.Right)
        DoCellsChanged(TRect(written.Left, written.Top, written.Right, written.Bottom));
}

// Numbers
// --------------------------------------------------------------------------------------------

double TQvStringGrid::CellToReal(int ACol, int ARow) {
    const String text = Cells(ACol, ARow);
    if (text.isEmpty()) return 0;
    const String clean = CleanNumberText(text);
    double value = 0;
    if (TryStrToFloat(clean, value, QLatin1Char('.'))) return value;
    // The first character from which the cleaned text stops being a number.
    int position = 1;
    for (int k = static_cast<int>(clean.size()) - 1; k > 0; --k)
        if (TryStrToFloat(clean.left(k), value, QLatin1Char('.'))) {
            position = k + 1;
            break;
        }
    throw EQvGridError(
        QStringLiteral("Error at position: %1 in Cell [%2, %3].").arg(position).arg(ACol).arg(ARow));
}
