// The string grid's paste: the cells with their looks ("TQvStringGrid Cells"), the rich text of a cell or
// plain text, at a cell or into the selection, where the smart paste fills the rest of the selection with a
// series or the pasted block again. The selection handle's buffer pastes the same way.
#include "controls/grid/QvGrid.h"

#include "controls/grid/exchange/GridBinaryStream.h"
#include "controls/grid/exchange/GridClipboardText.h"
#include "controls/grid/exchange/GridPaste.h"
#include "controls/grid/exchange/GridSeriesFill.h"
#include "toolkit/richtext/RichText.h"
#include "toolkit/services/Clipboard.h"
#include "toolkit/system/ScopedValue.h"

namespace {

// A rich text larger than this is no cell's.
constexpr qsizetype kPasteMaxRtf = 16 * 1024 * 1024;

bool PasteIsTailOfText(const std::vector<std::vector<String>>& Lines, size_t Line, size_t Field) {
    return Line + 1 == Lines.size() && Field + 1 == Lines[Line].size() && Lines[Line][Field].isEmpty();
}

void PasteExtend(TGridRect& R, int Col, int Row, bool& Any) {
    if (!Any) {
        R = TGridRect{Col, Row, Col, Row};
        Any = true;
        return;
    }
    R.Left = std::min(R.Left, Col);
    R.Top = std::min(R.Top, Row);
    R.Right = std::max(R.Right, Col);
    R.Bottom = std::max(R.Bottom, Row);
}

} // namespace

// Who may be written
// --------------------------------------------------------------------------------------------

bool TQvStringGrid::PasteAllowed() const {
    return FPasteFromHandle || (Options() & goEditing) || FNavigation->AllowClipboardAlways() ||
           FMouseActions->RangeSelectAndEdit();
}

bool TQvStringGrid::PasteMayWrite(int ACol, int ARow) {
    if (FPasteClip.Left <= FPasteClip.Right && !FPasteClip.Contains(ACol, ARow)) return false;
    const bool footerRow = FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow;
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount() - (footerRow ? 1 : 0)) return false;
    const int real = RealColIndex(ACol);
    if (FPasteFromHandle) return !ReadOnly(real, ARow) && !IsFixed(ACol, ARow);
    return IsEditable(real, ARow) || FNavigation->AllowClipboardAlways();
}

bool TQvStringGrid::GrowForPaste(int ACol, int ARow, bool Cols, bool Rows) {
    if (FPasteClip.Left <= FPasteClip.Right) return FPasteClip.Contains(ACol, ARow);
    const GridExchangeLimits limits;
    const int footer = FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow ? 1 : 0;
    if (ACol >= ColCount()) {
        if (!Cols || !limits.Fits(qint64(ACol) + 1, RowCount())) return false;
        SetColCount(ACol + 1);
    }
    if (ARow >= RowCount() - footer) {
        if (!Rows || !limits.Fits(ColCount(), qint64(ARow) + 1 + footer)) return false;
        SetRowCount(ARow + 1 + footer);
    }
    return true;
}

// A field starting "|\" is a wide text in the grid's encoding: the application sees it decoded.
bool TQvStringGrid::PasteCell(int ACol, int ARow, String Value) {
    bool allow = true;
    const bool wide = Value.startsWith(QLatin1String("|\\"));
    if (wide) {
        String text = DecodeWideCellText(Value);
        if (OnClipboardBeforePasteWideCell) OnClipboardBeforePasteWideCell(this, ACol, ARow, text, allow);
        Value = EncodeWideCellText(text);
    } else if (OnClipboardBeforePasteCell) {
        OnClipboardBeforePasteCell(this, ACol, ARow, Value, allow);
    }
    if (!allow) return false;
    SetCellTextWithUndo(ACol, ARow, Value);
    if (wide && OnClipboardAfterPasteWideCell)
        OnClipboardAfterPasteWideCell(this, ACol, ARow, DecodeWideCellText(Value));
    else if (!wide && OnClipboardAfterPasteCell)
        OnClipboardAfterPasteCell(this, ACol, ARow, Value);
    return true;
}

// Text
// --------------------------------------------------------------------------------------------

int TQvStringGrid::PasteTextAt(int ACol, int ARow, int& Lines, int& Fields, const String& Text) {
    Lines = 0;
    Fields = 0;
    if (ACol < 0 || ARow < 0 || !PasteAllowed()) return 0;
    const PasteUndoStep step(*this);
    const std::vector<std::vector<String>> lines = GridClipboardText::Parse(Text);
    const bool growCols = FNavigation->AllowClipboardColGrow(),
               growRows = FNavigation->AllowClipboardRowGrow();
    int count = 0;
    int r = ARow;
    TGridRect written{ACol, ARow, ACol, ARow};
    bool any = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::vector<String>& fields = lines[i];
        ++Lines;
        ImportNotification(FPasteAll ? isImportNewRow : isImportSelRow, r);
        if (FNavigation->ClipboardPasteAction() == paInsert && !(fields.size() == 1 && fields[0].isEmpty()))
            InsertRows(r, 1);
        Fields = static_cast<int>(fields.size());
        int c = ACol;
        for (size_t j = 0; j < fields.size(); ++j, ++c) {
            ++count;
            // The empty end of a text that ends with a line break or a tab writes nothing.
            if (PasteIsTailOfText(lines, i, j)) break;
            if (GrowForPaste(c, r, growCols, growRows) && PasteMayWrite(c, r) && PasteCell(c, r, fields[j]))
                PasteExtend(written, c, r, any);
        }
        if (i + 1 < lines.size()) ++r;
    }
    if (any) {
        CellsPasted(FClipTopLeft, written, FClipLastOp);
        DoCellsChanged(
            TRect(RealColIndex(written.Left), written.Top, RealColIndex(written.Right), written.Bottom));
    }
    return count;
}

void TQvStringGrid::SetSelectionAsText(const String& Value) {
    const TGridRect sel = Selection();
    const std::vector<std::vector<String>> lines = GridClipboardText::Parse(Value);
    TGridRect written{sel.Left, sel.Top, sel.Left, sel.Top};
    bool any = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const int r = sel.Top + static_cast<int>(i);
        for (size_t j = 0; j < lines[i].size(); ++j) {
            const int c = sel.Left + static_cast<int>(j);
            if (PasteIsTailOfText(lines, i, j) || !GrowForPaste(c, r, true, true)) continue;
            SetGridCell(RealColIndex(c), r, lines[i][j]);
            PasteExtend(written, c, r, any);
        }
    }
    Invalidate();
    if (any)
        DoCellsChanged(TRect(RealColIndex(sel.Left), sel.Top, RealColIndex(written.Right), written.Bottom));
}

// What the clipboard holds
// --------------------------------------------------------------------------------------------

GridPasteResult TQvStringGrid::PasteBlockAt(const QByteArray& Bytes, int ACol, int ARow) {
    GridPasteResult result;
    if (ACol < 0 || ARow < 0 || !PasteAllowed()) return result;
    GridBlock block = GridBinaryStream::Read(Bytes);
    BeforePaste();
    const PasteUndoStep step(*this);
    // The grid grows to hold the block, as far as the paste limits let it.
    const bool clipped = FPasteClip.Left <= FPasteClip.Right;
    const GridExchangeLimits limits;
    const qint64 cols = qint64(ACol) + block.ColCount;
    if (!clipped && FNavigation->AllowClipboardColGrow() && cols > ColCount())
        SetColCount(int(std::min<qint64>({cols, limits.MaxCols, limits.MaxCells / RowCount()})));
    const int footer = FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow ? 1 : 0;
    const qint64 rows = qint64(ARow) + block.RowCount + footer;
    if (!clipped && FNavigation->AllowClipboardRowGrow() && rows > RowCount())
        SetRowCount(int(std::min<qint64>({rows, limits.MaxRows, limits.MaxCells / ColCount()})));
    if (!clipped && FNavigation->ClipboardPasteAction() == paInsert &&
        limits.Fits(ColCount(), qint64(RowCount()) + block.RowCount))
        InsertRows(ARow, block.RowCount);
    ApplyBinaryBlock(block, TPoint(ACol, ARow), true);
    const TGridRect target{ACol, ARow, ACol + block.ColCount - 1, ARow + block.RowCount - 1};
    CellsPasted(block.SourceId == FExchangeId ? FClipTopLeft : TPoint(-1, -1), target, FClipLastOp);
    AfterPaste();
    result.Count = block.ColCount * block.RowCount;
    result.Lines = result.BlockRows = block.RowCount;
    result.Fields = result.BlockCols = block.ColCount;
    return result;
}

GridPasteResult TQvStringGrid::PasteData(const TClipData& Data, int ACol, int ARow) {
    if (GetAllowFMTClipboard() && Data.HasFormat(QvGrid::GridCellsClipboardFormat))
        return PasteBlockAt(Data.Data(QvGrid::GridCellsClipboardFormat), ACol, ARow);
    GridPasteResult result;
    if (FNavigation->AllowRTFClipboard() && Data.HasFormat(CF_RTF())) {
        QByteArray rtf = Data.Data(CF_RTF());
        if (const qsizetype zero = rtf.indexOf('\0'); zero >= 0) rtf.truncate(zero);
        if (rtf.size() <= kPasteMaxRtf && IsRtf(rtf)) {
            if (PasteAllowed() && PasteMayWrite(ACol, ARow)) {
                const PasteUndoStep step(*this);
                SetCellTextWithUndo(ACol, ARow, CellTextOfRtfBytes(rtf));
            }
            result.Lines = result.Fields = result.BlockCols = result.BlockRows = 1;
            return result;
        }
    }
    const String text = Data.Text();
    if (text.isEmpty()) return result;
    result.Count = PasteTextAt(ACol, ARow, result.Lines, result.Fields, text);
    GridClipboardText::BlockSize(text, result.BlockCols, result.BlockRows);
    ++result.BlockRows;
    return result;
}

int TQvStringGrid::PasteFromFormats(int ACol, int ARow, int& Lines, int& Fields) {
    const GridPasteResult result = PasteData(Clipboard()->Data(), ACol, ARow);
    Lines = result.Lines;
    Fields = result.Fields;
    return result.Count;
}

void TQvStringGrid::PasteFromClipboard() {
    ImportNotification(isImportStart, -1);
    FPasteAll = true;
    int lines = 0, fields = 0;
    PasteFromFormats(SaveStartCol(), SaveStartRow(), lines, fields);
    ImportNotification(isImportDone, -1);
    AllCellsChanged();
}

// Into the selection
// --------------------------------------------------------------------------------------------

void TQvStringGrid::PasteSelectionFromClipboard() {
    PasteSelection(Clipboard()->Data(), FNavigation->AllowSmartClipboard());
}

void TQvStringGrid::PasteSelection(const TClipData& Data, bool Smart) {
    ImportNotification(isImportStart, -1);
    FPasteAll = false;
    ExpandSelectionToMerged();
    {
        const PasteUndoStep step(*this);
        const TGridRect sel = Selection();
        const GridPasteResult pasted =
            PasteData(Data, (Options() & goRowSelect) ? FixedCols() : sel.Left, sel.Top);
        if (Smart) SmartPaste(pasted, Data);
    }
    ImportNotification(isImportDone, -1);
    const TGridRect sel = Selection();
    DoCellsChanged(TRect(sel.Left, sel.Top, sel.Right, sel.Bottom));
    AllCellsChanged();
}

// A block smaller than the selection: one value fills it, two along a column or row start a series, and any
// other block is repeated over it, cut at its edges.
void TQvStringGrid::SmartPaste(const GridPasteResult& Pasted, const TClipData& Data) {
    const TGridRect sel = Selection();
    const int width = sel.Right - sel.Left + 1, height = sel.Bottom - sel.Top + 1;
    if (Pasted.BlockCols <= 0 || Pasted.BlockRows <= 0 ||
        (Pasted.BlockCols >= width && Pasted.BlockRows >= height))
        return;
    BeforePaste();
    if (Pasted.BlockCols == 1 && Pasted.BlockRows == 1) {
        const int real = RealColIndex(sel.Left);
        String value = Cells(real, sel.Top);
        if (HasCheckBox(real, sel.Top)) {
            bool checked = false;
            GetCheckBoxState(real, RealRowIndex(sel.Top), checked);
            if (checked)
                GetCheckTrue(real, sel.Top, value);
            else
                GetCheckFalse(real, sel.Top, value);
        }
        FillSelectionWith(value);
    } else if ((width == 1 && Pasted.BlockCols == 1) || (height == 1 && Pasted.BlockRows == 1)) {
        FillSeries(Pasted);
    } else {
        const ScopedValue<TGridRect> clip(FPasteClip, sel);
        for (int top = sel.Top; top <= sel.Bottom; top += Pasted.BlockRows)
            for (int left = sel.Left; left <= sel.Right; left += Pasted.BlockCols)
                if (top != sel.Top || left != sel.Left) PasteData(Data, left, top);
    }
    AfterPaste();
}

void TQvStringGrid::FillSelectionWith(const String& Value) {
    const TGridRect sel = Selection();
    for (int c = sel.Left; c <= sel.Right; ++c)
        for (int r = sel.Top; r <= sel.Bottom; ++r) {
            if ((c == sel.Left && r == sel.Top) || !PasteMayWrite(c, r) || !PasteCell(c, r, Value)) continue;
            CellsPasted(FClipTopLeft, TGridRect{c, r, c, r}, coCopy);
        }
}

// Every value counts from the first, cell by cell along the selection; a cell that may not be written
// still takes its place in the series.
void TQvStringGrid::FillSeries(const GridPasteResult& Pasted) {
    const TGridRect sel = Selection();
    const bool alongRow = sel.Top == sel.Bottom && Pasted.BlockRows == 1;
    const int count = alongRow ? sel.Right - sel.Left + 1 : sel.Bottom - sel.Top + 1;
    auto cellAt = [&](int k) {
        return alongRow ? TPoint(sel.Left + k, sel.Top) : TPoint(sel.Left, sel.Top + k);
    };
    auto textAt = [&](int k) {
        const TPoint p = cellAt(k);
        return Cells(RealColIndex(p.X), p.Y);
    };
    const GridSeriesFill series(textAt(0), textAt(1), FloatFormat());
    if (series.SeriesKind() == GridSeriesFill::Kind::None) return;
    if (series.SeriesKind() == GridSeriesFill::Kind::Pattern) {
        const int period = alongRow ? Pasted.BlockCols : Pasted.BlockRows;
        for (int k = period; k < count; ++k) {
            const TPoint p = cellAt(k);
            if (PasteMayWrite(p.X, p.Y)) PasteCell(p.X, p.Y, textAt(k - period));
        }
        CellsPasted(TPoint(sel.Left, sel.Top),
                    alongRow ? TGridRect{sel.Left + period, sel.Top, sel.Right, sel.Bottom}
                             : TGridRect{sel.Left, sel.Top + period, sel.Right, sel.Bottom},
                    coCopy);
        return;
    }
    for (int k = 0; k < count; ++k) {
        const std::optional<String> value = series.Value(k);
        if (!value) break;
        const TPoint p = cellAt(k);
        if (!PasteMayWrite(p.X, p.Y)) continue;
        if (k == 0)
            SetCellTextWithUndo(p.X, p.Y, *value);
        else if (!PasteCell(p.X, p.Y, *value))
            continue;
        CellsPasted(FClipTopLeft, TGridRect{p.X, p.Y, p.X, p.Y}, coCopy);
    }
}
