// The string grid's copy and cut: the selection or the whole grid as plain text, as "TQvStringGrid Cells"
// (the binary cell stream), as the rich text of its first cell and as HTML, through the toolkit's clipboard.
#include "controls/grid/QvGrid.h"

#include "controls/grid/data/StringGridCells.h"
#include "controls/grid/exchange/GridClipboardText.h"
#include "controls/grid/exchange/GridHtmlFragment.h"
#include "toolkit/richtext/RichText.h"
#include "toolkit/services/Clipboard.h"

namespace {

bool ClipHoldsRichText(const String& Text) {
    return Text.contains(QLatin1String("{\\"));
}

} // namespace

// Texts
// --------------------------------------------------------------------------------------------

String TQvStringGrid::SelectionToText(const TGridRect& Rect, bool Disjunct) {
    FClipTopLeft = TPoint(Rect.Left, Rect.Top);
    ExportNotification(esExportStart, -1);
    const bool rowsByFlag =
        FMouseActions->DisjunctRowSelect() && Disjunct && !FMouseActions->DisjunctColSelect();
    const bool colsByFlag = FMouseActions->DisjunctColSelect() && Disjunct;
    String text;
    for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
        if (rowsByFlag && !RowSelect(FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r)) continue;
        for (int c = Rect.Left; c <= Rect.Right; ++c) {
            if (colsByFlag && !ColSelect(c)) continue;
            const int real = RealColIndex(c);
            String cell;
            GetSaveCellText(real, r, cell);
            if (cell.startsWith(QLatin1String("|\\"))) cell = DecodeWideCellText(cell);
            if (!FNavigation->CopyHTMLTagsToClipboard() && cell.contains(QLatin1String("</")))
                cell = StrippedCells(real, r);
            else if (ClipHoldsRichText(cell))
                cell = RtfToPlainText(RtfBytesOfCellText(cell));
            const bool spreadsheet =
                ExcelClipboardFormat() && (cell.contains(QChar(13)) || cell.contains(QChar(10)));
            text += GridClipboardText::QuoteCell(cell, spreadsheet);
            if (c < Rect.Right) text += QChar(9);
        }
        if (Rect.Top < Rect.Bottom) text += QStringLiteral("\r\n");
        ExportNotification(esExportNewRow, r);
    }
    ExportNotification(esExportDone, -1);
    return text;
}

String TQvStringGrid::GetSelectionAsText() {
    return SelectionToText(Selection(), false);
}

void TQvStringGrid::GetTextBlockSize(const String& Text, int& Cols, int& Rows) {
    GridClipboardText::BlockSize(Text, Cols, Rows);
}

// Copy
// --------------------------------------------------------------------------------------------

TClipData TQvStringGrid::ClipDataOfRect(const TGridRect& Rect, bool Disjunct) {
    TClipData data;
    data.SetText(SelectionToText(Rect, Disjunct));
    const String first = GridCells(RealColIndex(Rect.Left), Rect.Top);
    if (FNavigation->AllowRTFClipboard() && ClipHoldsRichText(first))
        data.SetData(CF_RTF(), RtfBytesOfCellText(first));
    if (FNavigation->AllowFmtClipboard()) data.SetData(QvGrid::GridCellsClipboardFormat, BinaryBlockOf(Rect));
    return data;
}

void TQvStringGrid::CopyRectToClipboard(const TGridRect& Rect, bool Disjunct) {
    Clipboard()->SetData(ClipDataOfRect(Rect, Disjunct));
}

void TQvStringGrid::ExpandSelectionToMerged() {
    TGridRect s = Selection();
    bool changed = false;
    const int topLeft = RealColIndex(s.Left);
    if (IsMergedCell(topLeft, s.Top)) {
        const TPoint base = BaseCell(topLeft, s.Top);
        s.Left = std::min(s.Left, DisplColIndex(base.X));
        s.Top = std::min(s.Top, base.Y);
        changed = true;
    }
    const int bottomRight = RealColIndex(s.Right);
    if (IsMergedCell(bottomRight, s.Bottom)) {
        const TPoint base = BaseCell(bottomRight, s.Bottom);
        const TPoint span = CellSpan(bottomRight, s.Bottom);
        s.Right = std::max(s.Right, DisplColIndex(base.X) + span.X);
        s.Bottom = std::max(s.Bottom, base.Y + span.Y);
        changed = true;
    }
    if (changed) SetSelection(s);
}

void TQvStringGrid::CopySelectionToClipboard() {
    ExpandSelectionToMerged();
    const TGridRect all{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()};
    if (FMouseActions->DisjunctRowSelect() && !FNavigation->AllowFmtClipboard())
        CopyRectToClipboard(
            TGridRect{FixedCols(), SaveStartRow(), ColCount() - FFixedRightCols - 1, SaveEndRow()}, true);
    else if (FMouseActions->DisjunctColSelect() && !FNavigation->AllowFmtClipboard())
        CopyRectToClipboard(all, true);
    else
        CopyRectToClipboard(Selection(), false);
    FClipLastOp = coCopy;
}

void TQvStringGrid::CopyToClipBoard() {
    CopyRectToClipboard(TGridRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
    FClipLastOp = coCopy;
}

// The save range as an HTML table; programs that take HTML read it as UTF-8 and find the table between the
// fragment marks, and the plain text carries the same HTML.
void TQvStringGrid::CopyToClipBoardAsHTML() {
    const StringGridCells cells(*this);
    const String html = GridHtmlFragment::Document(GridHtmlFragment::Table(
        cells, TRect(SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()), [this](int ACol, int ARow) {
            String text;
            GetSaveCellText(ACol, ARow, text);
            return text;
        }));
    TClipData data;
    data.SetData(CF_HTMLFORMAT(), html.toUtf8());
    data.SetText(html);
    Clipboard()->SetData(data);
}

// Cut
// --------------------------------------------------------------------------------------------

void TQvStringGrid::CutSelectionToClipboard() {
    const TGridRect sel = Selection();
    CopySelectionToClipboard();
    const bool modified = FShowModified->Enabled();
    if (FMouseActions->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (RowSelect(FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r)) {
                ClearRows(r, 1);
                if (modified) SetRowModified(r, true);
            }
    } else if (FMouseActions->DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (ColSelect(c)) ClearCols(c, 1);
    } else {
        const TGridRect cut = Selection();
        const PasteUndoStep step(*this);
        for (int c = cut.Left; c <= cut.Right; ++c) {
            const int real = RealColIndex(c);
            for (int r = cut.Top; r <= cut.Bottom; ++r) {
                if (!IsEditable(real, r) && !FNavigation->AllowClipboardAlways()) continue;
                const String old = GetCellEx(real, r);
                if (UndoRedo() && !old.isEmpty()) UndoRedo()->RegisterChange(real, r, String(), old);
                SetCellEx(real, r, String());
                // The looks went to the clipboard with the cells; cells that stayed keep theirs.
                if (FNavigation->AllowFmtClipboard()) FreeCellProps(real, r);
            }
        }
        if (modified)
            for (int r = cut.Top; r <= cut.Bottom; ++r)
                SetRowModified(r, true);
    }
    FClipLastOp = coCut;
    DoCellsChanged(TRect(sel.Left, sel.Top, sel.Right, sel.Bottom));
    Invalidate();
}

void TQvStringGrid::CutToClipboard() {
    const TGridRect all{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()};
    CopyRectToClipboard(all, false);
    for (int c = all.Left; c <= all.Right; ++c) {
        const int real = RealColIndex(c);
        for (int r = all.Top; r <= all.Bottom; ++r)
            if (IsEditable(real, r) || FNavigation->AllowClipboardAlways()) SetCellEx(real, r, String());
    }
    if (FShowModified->Enabled())
        for (int r = all.Top; r <= all.Bottom; ++r)
            SetRowModified(r, true);
    FClipLastOp = coCut;
}

// The undo component's step around a paste or cut
// --------------------------------------------------------------------------------------------

TQvStringGrid::PasteUndoStep::PasteUndoStep(TQvStringGrid& Grid) : FGrid(Grid) {
    if (FGrid.FPasteUndoDepth++ == 0 && FGrid.UndoRedo()) FGrid.UndoRedo()->StartSequence();
}

TQvStringGrid::PasteUndoStep::~PasteUndoStep() {
    if (--FGrid.FPasteUndoDepth == 0 && FGrid.UndoRedo()) FGrid.UndoRedo()->StopSequence();
}
