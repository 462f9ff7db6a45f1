// The string grid's drop target: acceptance, landing, scrolling and arrows while dragging, and the drops.
#include "controls/grid/exchange/GridDragDrop.h"

#include "controls/grid/HeaderDragButton.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/exchange/GridExchangeLimits.h"
#include "controls/grid/overlays/GridOverlays.h"
#include "toolkit/richtext/RichText.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/Streams.h"

namespace {

// A rich text larger than this is no cell's.
constexpr qsizetype kDropMaxRtf = 16 * 1024 * 1024;

} // namespace

using namespace GridDrop;

// What the grid sees
// --------------------------------------------------------------------------------------------

View TGridDropTarget::GridView() const {
    const TDragDropSettings* dd = FGrid->DragDropSettings();
    View v;
    v.ColCount = FGrid->ColCount();
    v.RowCount = FGrid->RowCount();
    v.FixedCols = FGrid->FixedCols();
    v.FixedRows = FGrid->FixedRows();
    v.TopRow = FGrid->TopRow();
    v.LeftCol = FGrid->LeftCol();
    v.VisibleColCount = FGrid->VisibleColCount();
    v.VisibleRowCount = FGrid->VisibleRowCount();
    v.FixedRowAlways = FGrid->FixedRowAlways();
    v.EntireRows = dd->OleEntireRows();
    v.AppendRows = dd->OleAppendRows();
    return v;
}

Over TGridDropTarget::OverAt(const TPoint& ScreenPt) const {
    const TPoint at = FGrid->ScreenToClient(ScreenPt);
    Over o;
    FGrid->MouseToCell(at.X, at.Y, o.Col, o.Row);
    o.Y = at.Y;
    if (FGrid->RowCount() > 0) {
        const TRect last = FGrid->TCustomGrid::CellRect(0, FGrid->RowCount() - 1);
        o.BelowLastRow = !last.IsEmpty() && at.Y >= last.Bottom;
    }
    return o;
}

// Entering, moving, leaving
// --------------------------------------------------------------------------------------------

void TGridDropTarget::DragEnter(const TClipData& Data, TShiftState Shift, const TPoint&, int& Effect) {
    const TDragDropSettings* dd = FGrid->DragDropSettings();
    FFormats = FormatsOf(Data);
    Accepts accepts;
    accepts.Text = dd->OleAcceptText();
    accepts.Files = dd->OleAcceptFiles();
    accepts.URLs = dd->OleAcceptURLs();
    accepts.RichText = GridDragDropAcceptRTF();
    FOk = Accepted(FFormats, accepts);
    FMoved = FMoveTaken = false;
    Effect = FOk ? EffectOf(Shift, Effect) : DROPEFFECT_NONE;
}

void TGridDropTarget::DragOver(TShiftState Shift, const TPoint& Pt, int& Effect) {
    const int effect = FOk ? EffectOf(Shift, Effect) : DROPEFFECT_NONE;
    const bool allow = DragMouseMove(Pt);
    Effect = allow ? effect : DROPEFFECT_NONE;
    FMoved = true;
    FMoveTaken = Effect != DROPEFFECT_NONE;
}

void TGridDropTarget::DragLeave() {
    HideArrows();
    FMoved = FMoveTaken = false;
}

bool TGridDropTarget::DragMouseMove(const TPoint& ScreenPt) {
    const View v = GridView();
    const Over o = OverAt(ScreenPt);
    const Landing l = Land(v, o, FFormats);
    if (l.Valid() && !(FFormats & dfCol)) {
        // Sideways at most once a tick of the grid's timer.
        const bool tick = FGrid->FGridTimerTicks % 2 == 0;
        if (tick) ++FGrid->FGridTimerTicks;
        const Scroll s = AutoScroll(v, o, tick);
        if (s.Rows) FGrid->SetTopRow(FGrid->TopRow() + s.Rows);
        if (s.Cols) FGrid->SetLeftCol(FGrid->LeftCol() + s.Cols);
    }
    bool allow = l.Allow;
    if (FGrid->OnOleDragOver) FGrid->OnOleDragOver(FGrid, l.Row, l.Col, allow);
    allow = AllowAfterEvent(l, FFormats, allow);
    // A drag the grid does not take shows no arrows, wherever it is.
    ShowArrows(ArrowsFor(v, l, FFormats, allow && FOk));
    return allow;
}

// The arrows
// --------------------------------------------------------------------------------------------

void TGridDropTarget::ShowArrows(const Arrows& A) {
    TArrowWindow* down = FGrid->ArwD;
    TArrowWindow* up = FGrid->ArwU;
    TArrowWindow* left = FGrid->ArwL;
    if (!down || !up || !left || FGrid->IsDesigning()) return;
    const auto place = [this](TArrowWindow* a, int x, int y) {
        const TPoint at = FGrid->ClientToScreen(TPoint(x, y));
        a->SetBounds(at.X, at.Y, a->Width(), a->Height());
        a->Show();
    };
    bool column = false, row = false;
    if (A.Kind == ArrowKind::Column && FGrid->ColCount() > 0) {
        // A column appended points at the end of the last one.
        const bool end = A.Col >= FGrid->ColCount();
        const TRect r = FGrid->TCustomGrid::CellRect(end ? FGrid->ColCount() - 1 : A.Col, std::max(A.Row, 0));
        if (!r.IsEmpty()) {
            const int x = end ? r.Right : r.Left;
            place(down, x, r.Top - 8);
            place(up, x, r.Bottom);
            column = true;
        }
    } else if (A.Kind == ArrowKind::Row) {
        const TRect r = FGrid->TCustomGrid::CellRect(A.Col, A.Row);
        if (!r.IsEmpty()) {
            place(left, r.Left - 10, A.BelowRow ? r.Bottom : r.Top);
            row = true;
        }
    }
    if (!column) {
        down->Hide();
        up->Hide();
    }
    if (!row) left->Hide();
}

void TGridDropTarget::HideArrows() {
    for (TArrowWindow* a : {FGrid->ArwL, FGrid->ArwD, FGrid->ArwU})
        if (a) a->Hide();
}

// The drop
// --------------------------------------------------------------------------------------------

void TGridDropTarget::Drop(const TClipData& Data, TShiftState Shift, const TPoint& Pt, int& Effect) {
    const int allowed = Effect;
    // Nothing is taken until something is written: a source that moves must not lose what no one took.
    Effect = DROPEFFECT_NONE;
    if (!FOk) {
        HideArrows();
        return;
    }
    // The desktop drops where the last move was taken; a drop that comes without a move is checked here.
    if (!FMoved) FMoveTaken = DragMouseMove(Pt);
    FMoved = false;
    if (!FMoveTaken) {
        HideArrows();
        return;
    }
    bool main = false;
    switch (MainPayload(FFormats, GridDragDropAcceptRTF())) {
    case Payload::Column:
        if (DropCol(Pt, ColumnOfBytes(Data.Data(ColumnFormat())))) Effect = EffectOf(Shift, allowed);
        return;
    case Payload::Cells:
        main = DropStream(Pt, Data.Data(QvGrid::GridCellsClipboardFormat));
        break;
    case Payload::RichText:
        main = DropRTF(Pt, Data.Data(CF_RTF()));
        break;
    case Payload::Text:
        main = (FGrid->DragDropSettings()->OleAcceptText()) && DropText(Pt, Data.Text());
        break;
    case Payload::None:
        break;
    }
    bool other = false;
    if ((FFormats & dfFile) && FGrid->DragDropSettings()->OleAcceptFiles())
        other |= DropFiles(Pt, Data.Files());
    if ((FFormats & dfURL) && FGrid->DragDropSettings()->OleAcceptURLs()) other |= DropURL(Pt, Data.Url());
    // A file or an address is read, never taken away from where it is.
    if (main)
        Effect = EffectOf(Shift, allowed);
    else if (other)
        Effect = (allowed & DROPEFFECT_COPY) ? int(DROPEFFECT_COPY) : EffectOf(Shift, allowed);
    HideArrows();
}

bool TGridDropTarget::DropText(const TPoint& Pt, const String& Text) {
    TQvStringGrid& g = *FGrid;
    const TDragDropSettings* dd = g.DragDropSettings();
    const View v = GridView();
    const Landing l = Land(v, OverAt(Pt), FFormats & ~(dfFile | dfGridCells));
    const bool rowSelect = g.Options() & goRowSelect;
    TextDrop at = TextDropStart(v, l, rowSelect);
    int cols = 0, rows = 0;
    TQvStringGrid::GetTextBlockSize(Text, cols, rows);
    bool allow = l.Valid();
    if (allow && g.OnOleDrop) g.OnOleDrop(&g, at.Row, at.Col, Text, allow);
    HideArrows();
    if (g.MoveButton) g.MoveButton->Hide();
    if (!allow) {
        if (g.OnOleDropped) g.OnOleDropped(&g, g.Selection());
        return false;
    }
    if (dd->OleInsertRows()) {
        const GridExchangeLimits limits;
        if (!limits.Fits(g.ColCount(), qint64(g.RowCount()) + rows + 1))
            throw EQvGridError(QStringLiteral("The dropped rows do not fit into the grid"));
        // The rows of a text dragged within the grid move down with the rows inserted above them.
        if (dd->OleRemoveRows() && g.FDropSelection.Top >= at.Row &&
            g.FDropSelection.Top <= g.FDropSelection.Bottom) {
            g.FDropSelection.Top += rows + 1;
            g.FDropSelection.Bottom += rows + 1;
        }
        if (l.Append) {
            g.SetRowCount(g.RowCount() + rows + 1);
            ++at.Row;
        } else {
            g.InsertRows(at.Row, rows + 1);
        }
        if (g.TopRow() > g.FixedRows()) g.SetTopRow(g.TopRow() + 1);
    }
    int lines = 0, fields = 0;
    g.PasteTextAt(at.Col, at.Row, lines, fields, Text);
    const TRect s = DroppedTextSelection(GridView(), at.Col, at.Row, cols, rows, rowSelect);
    const TGridRect sel{std::min(s.Left, g.ColCount() - 1), std::min(s.Top, g.RowCount() - 1),
                        std::min(s.Right, g.ColCount() - 1), std::min(s.Bottom, g.RowCount() - 1)};
    if (sel.Left >= 0 && sel.Top >= 0) g.SetSelection(sel);
    if (g.OnOleDropped) g.OnOleDropped(&g, g.Selection());
    return true;
}

bool TGridDropTarget::DropStream(const TPoint& Pt, const QByteArray& Cells) {
    TQvStringGrid& g = *FGrid;
    const Over o = OverAt(Pt);
    HideArrows();
    if (g.MoveButton) g.MoveButton->Hide();
    if (o.Col < 0 || o.Row < 0) return false;
    TMemoryStream stream;
    stream.Write(Cells.constData(), Cells.size());
    stream.Seek(0, soBeginning);
    g.LoadAtPointFromBinStream(TPoint(o.Col, o.Row), &stream);
    if (g.OnOleDropped) g.OnOleDropped(&g, g.Selection());
    return true;
}

bool TGridDropTarget::DropRTF(const TPoint& Pt, QByteArray Rtf) {
    TQvStringGrid& g = *FGrid;
    const Over o = OverAt(Pt);
    HideArrows();
    if (const qsizetype zero = Rtf.indexOf('\0'); zero >= 0) Rtf.truncate(zero);
    if (o.Col < 0 || o.Row < 0 || Rtf.size() > kDropMaxRtf || !IsRtf(Rtf)) return false;
    const String text = CellTextOfRtfBytes(Rtf);
    bool allow = true;
    if (g.OnOleDrop) g.OnOleDrop(&g, o.Row, o.Col, text, allow);
    if (!allow) return false;
    g.SetCellEx(g.RealColIndex(o.Col), o.Row, text);
    return true;
}

bool TGridDropTarget::DropURL(const TPoint& Pt, const String& URL) {
    TQvStringGrid& g = *FGrid;
    const Over o = OverAt(Pt);
    HideArrows();
    if (o.Col < 0 || o.Row < 0 || URL.isEmpty()) return false;
    bool allow = true;
    if (g.OnOleDropURL) g.OnOleDropURL(&g, o.Row, o.Col, URL, allow);
    if (!allow) return false;
    g.SetCellEx(g.RealColIndex(o.Col), o.Row, URL);
    return true;
}

// One file, a delimited text or a workbook, loads into the grid; several at once are not taken.
bool TGridDropTarget::DropFiles(const TPoint& Pt, const QStringList& Files) {
    TQvStringGrid& g = *FGrid;
    HideArrows();
    if (Files.size() != 1) return false;
    const String name = Files.first();
    const Over o = OverAt(Pt);
    bool allow = true;
    if (g.OnOleDropFile) g.OnOleDropFile(&g, o.Row, o.Col, name, allow);
    const DroppedFile kind = KindOfDroppedFile(name);
    if (!allow || kind == DroppedFile::Other) return false;
    if (g.OnOleDrop) g.OnOleDrop(&g, -1, -1, name, allow);
    if (!allow) return false;
    if (kind == DroppedFile::Csv)
        g.LoadFromCSV(name);
    else
        g.LoadFromXLS(name);
    return true;
}

bool TGridDropTarget::DropCol(const TPoint& Pt, int Col) {
    TQvStringGrid& g = *FGrid;
    const Over o = OverAt(Pt);
    const int target = o.Col < 0 ? g.ColCount() : o.Col;
    HideArrows();
    if (g.MoveButton) g.MoveButton->Hide();
    const int last = g.ColCount() - 1;
    bool moved = false;
    if (g.FOleDragCol != -1) {
        // A hidden column from a column list: shown again, then placed where it was dropped.
        const int real = g.FOleDragCol;
        g.FOleDragCol = -1;
        if (g.FOleDragList && g.FOleDragIndex >= 0 && g.FOleDragIndex < g.FOleDragList->Items()->Count())
            g.FOleDragList->Items()->Delete(g.FOleDragIndex);
        if (g.IsHiddenColumn(real)) g.UnHideColumn(real);
        const int from = g.DisplColIndex(real);
        const int to = std::min(target, g.ColCount() - 1);
        if (from >= 0 && from < g.ColCount() && from != to) g.MoveColumn(from, to);
        moved = true;
    } else if (g.DragDropSettings()->OleColumnReorder() && Col >= 0 && Col <= last) {
        const int to = std::min(target, last);
        if (Col != to) g.MoveColumn(Col, to);
        moved = true;
    }
    if (g.OnOleDropCol) g.OnOleDropCol(&g, o.Row, Col, target);
    return moved;
}
