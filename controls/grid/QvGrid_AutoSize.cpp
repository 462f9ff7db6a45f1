// Sizing the string grid's columns to their contents and to the control.
#include "controls/grid/QvGrid.h"

#include <algorithm>
#include <cmath>

namespace {

// Width in pixels of a cell text as drawn with the font: the widest of its lines.
int AutoSizeTextWidth(TCanvas* Canvas, const String& Text, bool MultiLine) {
    if (!MultiLine) return Canvas->TextWidth(Text);
    int widest = 0;
    for (const String& line : Text.split('\n'))
        widest = std::max(widest, Canvas->TextWidth(String(line).remove('\r')));
    return widest;
}

} // namespace

void TQvStringGrid::AutoSizeCol(int ACol, int Padding) {
    if (ACol < 0 || ACol >= ColCount()) return;
    const int real = RealColIndex(ACol);
    int first = 0, last = RowCount() - 1;
    switch (FColumnSize->Rows()) {
    case arNormal:
        first = FixedRows();
        last = RowCount() - FixedFooters() - 1;
        break;
    case arFixed:
        last = FixedRows() - 1;
        break;
    default:
        break;
    }
    int widest = 0;
    for (int r = std::max(first, 0); r <= last; ++r) {
        if (IsXMergedCell(real, r)) continue;
        // Measured as the cell paints it: its font and zoom, markup and rich text by their renderers.
        const TPoint graphic = GetCellGraphicSize(real, r);
        int w = graphic.X + GetCellTextSize(real, r, false, false).X;
        if (FControlLook->DropDownAlwaysVisible() && HasComboBox(real, r)) w += 16;
        if (FSortSettings->Show() && r == 0 && real == FSortSettings->Column()) w += 10;
        const TCellGraphic* g = GetCellGraphic(real, r);
        if (g && g->CellHAlign == haFull) w = graphic.X - (2 * GridLineWidth() + 2 + FXYOffset.X);
        widest = std::max(widest, w);
    }
    const int margin = XYOffsetTopLeftOnly() ? FXYOffset.X : FXYOffset.X * 2;
    int width = widest + margin + 2 * GridLineWidth() + 2;
    if (!FSizeGrowOnly || ColWidths(ACol) < width) {
        UpdateAutoColSize(ACol, width);
        SetColWidths(ACol, ApplySizeLimits(width, FMinColWidth, FMaxColWidth));
    }
    if (Padding != 0)
        SetColWidths(ACol, ApplySizeLimits(ColWidths(ACol) + Padding, FMinColWidth, FMaxColWidth));
}

void TQvStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding) {
    const int first = DoFixedCols ? 0 : FixedCols();
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
    for (int c = first; c <= last; ++c)
        AutoSizeCol(c, Padding);
}

void TQvStringGrid::AutoFitColumns(bool DoFixedCells) {
    if (ColCount() <= 0) return;
    const int first = DoFixedCells ? 0 : FixedCols();
    const int last = DoFixedCells ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
    if (last < first) return;
    int available = ClientWidth();
    if (!DoFixedCells) {
        for (int c = 0; c < first; ++c)
            available -= ColWidths(c);
        for (int c = last + 1; c < ColCount(); ++c)
            available -= ColWidths(c);
    }
    // The client width already leaves out the scroll bar and the border.
    const int n = last - first + 1;
    const int lines = GridLineWidth() * n;
    if (n == 1) {
        SetColWidths(first, std::max(available - lines, 1));
        return;
    }
    int sum = 0;
    for (int c = first; c <= last; ++c)
        sum += ColWidths(c);
    if (sum + lines == available || sum <= 0) return;
    const double f = double(available - lines) / sum;
    int newSum = 0;
    for (int c = first; c <= last; ++c) {
        const int w = std::max(1, static_cast<int>(std::lround(ColWidths(c) * f)));
        SetColWidths(c, w);
        newSum += w;
    }
    // Rounding leaves a few pixels: the widest column takes them.
    int widest = first;
    for (int c = first; c <= last; ++c)
        if (ColWidths(c) > ColWidths(widest)) widest = c;
    SetColWidths(widest, std::max(1, ColWidths(widest) + available - lines - newSum));
}

// Rows
// --------------------------------------------------------------------------------------------

namespace {

int AutoSizeLineCount(const String& Text, bool MultiLine) {
    return MultiLine ? static_cast<int>(Text.count('\n')) + 1 : 1;
}

// Height of a text broken into lines that fit the given width, as the cell draws it word-wrapped.
int AutoSizeWrappedHeight(TCanvas* Canvas, const String& Text, int Width) {
    TRect r(0, 0, std::max(Width, 1), 0);
    DrawText(Canvas, Text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_LEFT);
    return r.Bottom - r.Top;
}

} // namespace

void TQvStringGrid::AutoSizeRow(int ARow, int Padding) {
    if (ARow < 0 || ARow >= RowCount()) return;
    TCanvas* canvas = Canvas();
    int tallest = 0;
    for (int c = 0; c < ColCount(); ++c) {
        const int real = RealColIndex(c);
        if (IsIgnoredColumn(real) || IsYMergedCell(real, ARow)) continue;
        const TCellType type = GetCellType(real, ARow);
        if (type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRadioButton) {
            tallest = std::max(tallest, DefaultRowHeight());
            continue;
        }
        // Measured in the font the cell paints with: a header's is the fixed font.
        GetFontProperties(c, real, false, canvas->Brush(), canvas->Font(), 0, ARow);
        if (FZoomFactor != 0) canvas->Font()->SetSize(canvas->Font()->Size() + FZoomFactor);
        const String text = Cells(real, ARow);
        int t = 0;
        if (!text.isEmpty()) {
            // A wrapped cell keeps its width and grows in height: measure in the room left for text.
            const int room = ColWidths(c) - FXYOffset.X * 2 - GetCellGraphicSize(real, ARow).X;
            t = WordWrap() ? AutoSizeWrappedHeight(canvas, text, room)
                           : AutoSizeLineCount(text, Multilinecells()) * canvas->TextHeight("gh");
        }
        tallest = std::max(tallest, t + CalcCellGraphicSize(real, ARow).Y);
    }
    const int height = tallest + FXYOffset.Y * 2 + 2 * GridLineWidth();
    if (!FSizeGrowOnly || RowHeights(ARow) < height)
        SetRowHeights(ARow, ApplySizeLimits(height, FMinRowHeight, FMaxRowHeight));
    if (Padding != 0)
        SetRowHeights(ARow, ApplySizeLimits(RowHeights(ARow) + Padding, FMinRowHeight, FMaxRowHeight));
}

void TQvStringGrid::SetRowHeightForLines(int ARow, int Lines, int Padding) {
    if (ARow < 0 || ARow >= RowCount()) return;
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(GetCellFont(RealColIndex(FixedCols()), ARow));
    if (FZoomFactor != 0) canvas->Font()->SetSize(canvas->Font()->Size() + FZoomFactor);
    const int th = canvas->TextHeight("gh");
    SetRowHeights(ARow, ApplySizeLimits(Padding + Lines * (th + th / 8), FMinRowHeight, FMaxRowHeight));
}

void TQvStringGrid::AutoSizeRows(bool DoFixedRows, int Padding) {
    if (RowCount() <= 0 || ColCount() <= 0) return;
    const int first = DoFixedRows ? 0 : FixedRows();
    ExportNotification(esExportStart, first);
    for (int r = first; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        if (WordWrap()) {
            AutoSizeRow(r, 0);
            if (Padding != 0)
                SetRowHeights(r, ApplySizeLimits(RowHeights(r) + Padding, FMinRowHeight, FMaxRowHeight));
        } else {
            int lines = 1;
            if (Multilinecells())
                for (int c = 0; c < ColCount(); ++c)
                    lines = std::max(lines, AutoSizeLineCount(Cells(RealColIndex(c), r), true));
            SetRowHeightForLines(r, lines, Padding);
        }
    }
    ExportNotification(esExportDone, -1);
}

void TQvStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY) {
    if (RowCount() <= 0 || ColCount() <= 0) return;
    const int firstCol = DoFixedCells ? 0 : FixedCols();
    const int firstRow = DoFixedCells ? 0 : FixedRows();
    TCanvas* canvas = Canvas();
    BeginUpdate();
    for (int c = firstCol; c < ColCount(); ++c) {
        const int real = RealColIndex(c);
        int width = FSizeGrowOnly ? ColWidths(c) : 0;
        bool measured = false;
        for (int r = firstRow; r < RowCount(); ++r) {
            canvas->Font()->Assign(GetCellFont(real, r));
            if (FZoomFactor != 0) canvas->Font()->SetSize(canvas->Font()->Size() + FZoomFactor);
            const String text = Cells(real, r);
            const TPoint g = GetCellGraphicSize(real, r);
            const int w = AutoSizeTextWidth(canvas, text, Multilinecells()) + g.X + PaddingX + FXYOffset.X;
            const int lines = AutoSizeLineCount(text, Multilinecells());
            const int h =
                (text.isEmpty() ? 0 : lines * canvas->TextHeight("gh")) + g.Y + PaddingY + FXYOffset.Y;
            if (!IsXMergedCell(real, r)) {
                width = std::max(width, ApplySizeLimits(w, FMinColWidth, FMaxColWidth));
                measured = true;
            }
            if (!IsYMergedCell(real, r)) {
                const int rh = ApplySizeLimits(h, FMinRowHeight, FMaxRowHeight);
                if (rh > RowHeights(r)) SetRowHeights(r, rh);
            }
        }
        // A column whose every cell lies in a merge keeps its width.
        if (measured && width > 0) SetColWidths(c, width);
    }
    EndUpdate();
}

void TQvStringGrid::SizeToCols() {
    int sum = 0;
    for (int c = 0; c < ColCount(); ++c)
        sum += ColWidths(c);
    SetClientWidth(sum);
}

void TQvStringGrid::SizeToRows() {
    int sum = 0;
    for (int r = 0; r < RowCount(); ++r)
        sum += RowHeights(r);
    SetClientHeight(sum);
}

void TQvStringGrid::SizeToCells() {
    const TScrollStyle old = ScrollBars();
    SetScrollBars(ssNone);
    SizeToCols();
    SizeToRows();
    SetScrollBars(old);
}
