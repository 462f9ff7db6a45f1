// The floating footer: its panel's painting, hints and clicks, and the footer row's column calculations.
#include "controls/grid/QvGrid.h"
#include "controls/grid/data/FooterCalc.h"
#include "controls/grid/data/StringGridCells.h"
#include "controls/markup/QsgHTMLE.h"

#include "toolkit/controls/HintWindow.h"
#include "toolkit/controls/Messages.h"
#include "toolkit/system/SysUtils.h"

// Footer settings that live in the footer row
// --------------------------------------------------------------------------------------------

TColumnCalcType TFloatingFooter::ColumnCalc(int ACol) const {
    if (!FGrid || FGrid->RowCount() < 1) return acNONE;
    const TCellProperties* props = FGrid->AllCellProperties(ACol, FGrid->RealRowIndex(FGrid->RowCount() - 1));
    return props ? props->CalcType() : acNONE;
}

void TFloatingFooter::SetColumnCalc(int ACol, TColumnCalcType Value) {
    if (!FGrid || FGrid->RowCount() < 1) return;
    const int last = FGrid->RowCount() - 1;
    TCellProperties* props = FGrid->AllCellProperties(ACol, FGrid->RealRowIndex(last), true);
    if (!props) return;
    props->SetCalcType(Value);
    FGrid->CellChanged(ACol, last);
}

// The grid's side
// --------------------------------------------------------------------------------------------

void TQvStringGrid::UpdateFooter() {
    if (FFooterPanel) FFooterPanel->Invalidate();
}

void TQvStringGrid::LastRowChanged() {
    TBaseGrid::LastRowChanged();
    UpdateFooter();
}

// Columns are real columns, hidden ones included; the footer cell is written in the hidden last row.
void TQvStringGrid::CalcFooterValues(int ACol) {
    if (ACol < 0)
        CalcFooterColumns(0, AllColCount() - 1);
    else
        CalcFooterColumns(ACol, ACol);
}

// The custom calculations outside From .. To run as well: the application's value may read any column.
void TQvStringGrid::CalcFooterColumns(int From, int To, bool CustomElsewhere) {
    if (!FFloatingFooter->Visible() || FFloatingFooter->FooterStyle() != fsFixedLastRow ||
        !FFloatingFooter->EnableCalculation() || RowCount() < 1)
        return;
    StringGridCells cells(*this);
    const int last = RowCount() - 1;
    const int footer = RealRowIndex(last);
    const bool hiddenIn = FFloatingFooter->CalculateHiddenRows();
    const FooterRange range{FixedRows(), last, hiddenIn};
    const int from = CustomElsewhere ? 0 : From;
    const int to = CustomElsewhere ? AllColCount() - 1 : To;
    for (int c = from; c <= to; ++c) {
        const TCellProperties* props = cells.Properties(c, footer);
        if (!props || (props->CalcType() & 0x7F) == acNONE) continue;
        if ((c < From || c > To) && (props->CalcType() & 0x7F) != acCUSTOM) continue;
        const FooterValue v = CalcFooterColumn(cells, c, props->CalcType(), range);
        switch (v.What) {
        case FooterValue::Float: {
            bool isFloat = true;
            String format = FloatFormat();
            GetFloatFormat(c, last, isFloat, format);
            cells.SetText(c, footer, Format(format, {v.Value}));
            break;
        }
        case FooterValue::Integer:
            cells.SetText(c, footer, IntToStr(int(v.Value)));
            break;
        case FooterValue::Custom: {
            // The row the handler is told counts the hidden rows when they are part of the calculation.
            const int row = (hiddenIn ? NumHiddenRows() : 0) + last;
            String value;
            if (OnFooterCalc)
                OnFooterCalc(this, c, row, value);
            else if (FFloatingFooter->OnCalcFooter)
                FFloatingFooter->OnCalcFooter(this, c, row, value);
            cells.SetText(c, footer, value);
            break;
        }
        case FooterValue::Unchanged:
            break;
        }
    }
    UpdateFooter();
}

int TQvStringGrid::FooterColumnAt(int X) {
    if (X < 0) return -1;
    int x = 0;
    auto hit = [&](int c) {
        x += ColWidths(c);
        return X < x;
    };
    for (int c = 0; c < FixedCols() && c < ColCount(); ++c)
        if (hit(c)) return c;
    for (int c = std::max(LeftCol(), FixedCols()); c < ColCount(); ++c)
        if (hit(c)) return c;
    return -1;
}

int TQvStringGrid::FooterCoveredWidth() {
    int w = 0;
    for (int c = 0; c < FixedCols() && c < ColCount(); ++c)
        w += ColWidths(c);
    for (int c = std::max(LeftCol(), FixedCols()); c < ColCount(); ++c)
        w += ColWidths(c);
    return w;
}

// The panel
// --------------------------------------------------------------------------------------------

TFooterPanel::TFooterPanel(TQvStringGrid* AGrid) : TPanel(AGrid), FGrid(AGrid) {
    SetBevelOuter(bvNone);
    SetShowCaption(false);
}

namespace {

TRect MirroredIn(const TRect& R, int Width, bool Mirror) {
    return Mirror ? TRect(Width - R.Right, R.Top, Width - R.Left, R.Bottom) : R;
}

void Frame3D(TCanvas* C, const TRect& R) {
    C->Pen()->SetColor(clWhite);
    C->MoveTo(R.Left, R.Bottom - 1);
    C->LineTo(R.Left, R.Top);
    C->LineTo(R.Right - 1, R.Top);
    C->Pen()->SetColor(clGray);
    C->LineTo(R.Right - 1, R.Bottom - 1);
    C->LineTo(R.Left, R.Bottom - 1);
}

} // namespace

void TFooterPanel::Paint() {
    TCanvas* C = Canvas();
    if (!FGrid) return;
    TFloatingFooter* ff = FGrid->FloatingFooter();
    const TBiDiMode mode = FGrid->BiDiMode();
    const bool mirror = mode == bdRightToLeft;
    // The grid's painters mirror by themselves; here the panel mirrors its own rectangles.
    FGrid->SetBiDiMode(bdLeftToRight);
    int covered = 0;
    switch (ff->FooterStyle()) {
    case fsFixedLastRow:
        covered = PaintFixedLastRow(C);
        break;
    case fsColumnPreview:
    case fsCustomPreview:
        covered = PaintPreview(C, ff->FooterStyle() == fsCustomPreview);
        break;
    case fsCustomPaint:
        if (FGrid->OnFooterPaint) FGrid->OnFooterPaint(this, ff->Column(), C, ClientRect());
        covered = ClientWidth();
        break;
    }
    FGrid->SetBiDiMode(mode);
    if (ff->FooterStyle() != fsCustomPaint && covered < ClientWidth()) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(FGrid->Color());
        C->FillRect(MirroredIn(TRect(covered, 0, ClientWidth(), ClientHeight()), ClientWidth(), mirror));
    }
    if (ff->BorderColor() != clNone) {
        C->Pen()->SetColor(ff->BorderColor());
        const TRect line = MirroredIn(TRect(0, 0, covered, 1), ClientWidth(), mirror);
        C->MoveTo(line.Left, 0);
        C->LineTo(line.Right, 0);
    }
}

int TFooterPanel::PaintFixedLastRow(TCanvas* C) {
    TQvStringGrid& g = *FGrid;
    const int w = g.FooterCoveredWidth();
    const int cw = ClientWidth(), h = ClientHeight();
    const bool mirror = g.BiDiMode() == bdRightToLeft || g.PaintsMirrored();
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(g.FloatingFooter()->Color());
    C->FillRect(MirroredIn(TRect(0, 0, w, h), cw, mirror));

    std::vector<int> cols;
    for (int c = 0; c < g.FixedCols() && c < g.ColCount(); ++c)
        cols.push_back(c);
    for (int c = std::max(g.LeftCol(), g.FixedCols()); c < g.ColCount(); ++c)
        cols.push_back(c);

    const TGridOptions opts = g.Options();
    const bool raisedLook =
        (g.Look() == glSoft || g.Look() == glVUR || g.Look() == glXP || g.Look() == glVista) && !g.Flat() &&
        (opts & goFixedVertLine);
    auto vline = [&](int x, TColor color) {
        const TRect r = MirroredIn(TRect(x, 0, x + 1, h), cw, mirror);
        C->Pen()->SetColor(color);
        C->MoveTo(r.Left, h);
        C->LineTo(r.Left, 0);
    };
    int x = 0;
    for (int c : cols) {
        if (raisedLook) vline(x, clWhite);
        const int start = x;
        x += g.ColWidths(c);
        if (opts & goFixedHorzLine) {
            const TRect r = MirroredIn(TRect(start, 0, x, 1), cw, mirror);
            C->Pen()->SetColor(g.GridLineColor());
            C->MoveTo(r.Left, 0);
            C->LineTo(r.Right, 0);
        }
        if (opts & goFixedVertLine)
            vline(x - 1, c < g.FixedCols()     ? g.GridLineColor()
                         : g.Look() == glVista ? g.GridLineColor()
                                               : clGray);
    }

    const int row = g.RowCount() - 1;
    const int top = (opts & goFixedHorzLine) ? 1 : 0;
    const int shift = raisedLook && (opts & goFixedHorzLine) ? 1 : 0;
    x = 0;
    for (size_t i = 0; i < cols.size(); ++i) {
        const int c = cols[i];
        TRect r(x + shift, top, x + g.ColWidths(c), h);
        x += g.ColWidths(c);
        if (!g.IsBaseCell(c, row)) continue;
        // A merged area reaches over the columns it spans.
        const TPoint span = g.CellSpan(c, row);
        for (int k = 1; k <= span.X && i + k < cols.size(); ++k)
            r.Right += g.ColWidths(cols[i + k]);
        const TRect box = MirroredIn(r, cw, mirror);
        TCellLook look(*g.FixedFont());
        look.State = gdFixed;
        look.Fill.Color = look.ContentsFill.Color = g.FloatingFooter()->Color();
        g.GetVisualProperties(c, row, false, false, true, look);
        C->Brush()->SetStyle(bsClear);
        C->SetFont(&look.Font);
        if (c < g.FixedCols()) {
            g.DrawCellContents(C, c, row, box, look);
            continue;
        }
        const int real = g.RealColIndex(c);
        if (g.OnGetCellColor) {
            C->Brush()->SetColor(clNone);
            g.OnGetCellColor(&g, row, real, gdFixed, C->Brush(), C->Font());
            if (C->Brush()->Color() != clNone) {
                C->Brush()->SetStyle(bsSolid);
                C->FillRect(box);
            }
        }
        if (g.Colors(real, row) != clNone) {
            C->Brush()->SetStyle(bsSolid);
            C->Brush()->SetColor(g.Colors(real, row));
            C->FillRect(box);
        }
        C->Brush()->SetStyle(bsClear);
        if (g.OnFooterPaint)
            g.OnFooterPaint(this, c, C, box);
        else
            g.DrawCellContents(C, c, row, box, look);
    }
    return w;
}

int TFooterPanel::PaintPreview(TCanvas* C, bool Template) {
    TQvStringGrid& g = *FGrid;
    TFloatingFooter* ff = g.FloatingFooter();
    const int w = g.FooterCoveredWidth();
    const bool mirror = g.PaintsMirrored();
    const TRect r = MirroredIn(TRect(0, 0, w, ClientHeight()), ClientWidth(), mirror);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(ff->Color());
    C->FillRect(r);
    Frame3D(C, r);
    // The preview shows the current cell's text, not its selection colours.
    const TColor selText = g.SelectionTextColor();
    g.SetSelectionTextColor(clBlack);
    C->Brush()->SetStyle(bsClear);
    if (Template) {
        TMarkupInput in;
        in.Canvas = C;
        in.Rect = TRect(r.Left, r.Top + 2, r.Right, r.Bottom);
        in.Images = g.GridImages();
        in.URLColor = g.URLColor();
        C->SetFont(g.Font());
        if (g.IsDesigning()) {
            TRect text = in.Rect;
            DrawText(C, ff->CustomTemplate(), text, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
        } else {
            in.Text = ExpandFooterTemplate(ff->CustomTemplate(), [&](int Col) {
                return Col >= 0 && Col < g.ColCount() ? g.Cells(Col, g.Row()) : String();
            });
            TMarkupOutput out;
            RenderMarkup(in, out);
        }
    } else if (g.OnFooterPaint) {
        g.OnFooterPaint(this, ff->Column(), C, r);
    } else if (ff->Column() >= 0 && ff->Column() < g.ColCount()) {
        TCellLook look(*g.Font());
        look.Fill.Color = look.ContentsFill.Color = ff->Color();
        g.GetVisualProperties(ff->Column(), g.Row(), false, false, true, look);
        C->SetFont(&look.Font);
        g.DrawCellContents(C, ff->Column(), g.Row(), r, look);
    }
    g.SetSelectionTextColor(selText);
    return w;
}

void TFooterPanel::MouseMove(TShiftState Shift, int X, int Y) {
    TPanel::MouseMove(Shift, X, Y);
    if (!FGrid || !FGrid->FloatingFooter()->ShowHint()) return;
    const int col = FGrid->FooterColumnAt(X);
    if (FHintColumn != -1 && col != FHintColumn) {
        CancelHint();
        FHintColumn = col;
    }
}

void TFooterPanel::MouseLeave() {
    TPanel::MouseLeave();
    FHintColumn = -1;
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TPanel::MouseUp(Button, Shift, X, Y);
    if (!FGrid) return;
    if (FGrid->OnClick) FGrid->OnClick(FGrid);
    if (FGrid->OnClickCell) FGrid->OnClickCell(FGrid, FGrid->RowCount() - 1, FGrid->FooterColumnAt(X));
}

void TFooterPanel::Dispatch(TMessage& Message) {
    if (Message.Msg != CM_HINTSHOW || !FGrid) {
        TPanel::Dispatch(Message);
        // The footer answers its own clicks: none reaches the cells behind it.
        if (Message.Msg >= WM_MOUSEMOVE && Message.Msg <= WM_MBUTTONDBLCLK) Message.PassToNative = false;
        return;
    }
    auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
    if (!info) return;
    const int col = FGrid->FooterColumnAt(info->CursorPos.X);
    const bool show = FGrid->FloatingFooter()->ShowHint();
    if (FGrid->OnGridHint && col >= 0) FGrid->OnGridHint(FGrid, FGrid->RowCount() - 1, col, info->HintStr);
    FHintColumn = show ? col : -1;
    Message.Result = show && col >= 0 ? 0 : 1;
}

void TFooterPanel::CreateWnd() {
    TPanel::CreateWnd();
    if (!FGrid) return;
    TFloatingFooter* ff = FGrid->FloatingFooter();
    if (ff) SetHeight(ff->Visible() ? ff->Height() - 1 : 0);
    if (FGrid->OnCreatedFloatingFooter) FGrid->OnCreatedFloatingFooter(FGrid);
}
