// The string grid's paint: the grid around the cell loop and each cell's contents after the base painter:
// fixed-cell looks, row indicator, text, custom borders, look edges, tree lines, the cell graphic,
// owner-draw events and the focus rectangle.
#include "controls/grid/QvGrid.h"

#include "controls/grid/paint/CellLooks.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/StyleDraw_Markup.h"
#include "toolkit/graphics/SystemLook.h"
#include "toolkit/graphics/ThemeDraw.h"

#include <algorithm>

namespace {
bool PaintHoverFixedAllowed(THoverFixedCells mode, int col, int row, int fixedCols, int fixedRows) {
    switch (mode) {
    case hfAll:
        return true;
    case hfFixedRows:
        return row < fixedRows;
    case hfFixedColumns:
        return col < fixedCols;
    default:
        return false;
    }
}

void CellPaintLine(TCanvas* c, TColor color, int x1, int y1, int x2, int y2) {
    c->Pen()->SetColor(color);
    c->MoveTo(x1, y1);
    c->LineTo(x2, y2);
}

TColor PaintHalfColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return static_cast<TColor>(((rgb & 0xFF) / 2) | ((((rgb >> 8) & 0xFF) / 2) << 8) |
                               ((((rgb >> 16) & 0xFF) / 2) << 16));
}
} // namespace

void TQvStringGrid::Paint() {
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetStyle(psSolid);
    canvas->Brush()->SetStyle(bsSolid);
    TBaseGrid::Paint();
    if (EditorMode()) {
        // The frame of the edited cell matches the grid lines around the in-place editor.
        const TGridOptions o = Options();
        TColor pen = GridLineWidth() > 0 ? GridLineColor() : Color();
        if (!(o & (goVertLine | goHorzLine))) pen = Color();
        canvas->Pen()->SetColor(pen);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Rectangle(CellRect(Col(), Row()));
        canvas->Brush()->SetStyle(bsSolid);
    }
    canvas->Pen()->SetColor(clBlack);
    if (!FBackGround->Bitmap()->Empty() || FBackGround->ColorTo() != clNone) PaintEmptyArea(canvas);
    PaintQuickConfigPanel(canvas);
    if (OnPainted) OnPainted(this);
}

bool TQvStringGrid::CanScrollByMoving() {
    return FBackGround->Bitmap()->Empty() && !FBackGround->IsGradient();
}

// The client area beyond the last column and row, with the background gradient or bitmap of the grid.
void TQvStringGrid::PaintEmptyArea(TCanvas* ACanvas) {
    TBitmap* bmp = FBackGround->Bitmap();
    const bool gradient = bmp->Empty() && FBackGround->IsGradient();
    if (FBackGround->IsGradient() && FBackGround->ColorTo() == clNone) return;
    if (!gradient && bmp->Empty()) return;
    const TRect last = CalcCellRect(ColCount() - 1, RowCount() - 1);
    const int cw = ClientWidth(), ch = ClientHeight();
    const int right = LeftCol() + VisibleColCount() >= ColCount() ? last.Right + GridLineWidth() : cw;
    const int bottom = TopRow() + VisibleRowCount() >= RowCount() ? last.Bottom + GridLineWidth() : ch;
    if (right >= cw && bottom >= ch) return;
    const TRect saved = ACanvas->ClipRect();
    const TRect client(0, 0, cw, ch);
    const bool horz = FBackGround->Display() == bdGradientHorz;
    auto strip = [&](const TRect& r) {
        if (r.IsEmpty()) return;
        ACanvas->SetClipRect(r);
        if (gradient) {
            DrawGradientRect(ACanvas, FBackGround->Color(), FBackGround->ColorTo(), 128, client, horz);
        } else if (FBackGround->Display() != bdTile) {
            DrawBackGroundBitmap(ACanvas, r, 0, 0, false);
        } else if (FBackGround->Cells() != bcFixed) {
            // Tiles line up with the ones the cells show: from the first scrolling cell's corner.
            TPoint origin(0, 0);
            if (FBackGround->Cells() == bcNormal) {
                const TRect first = CalcCellRect(TCustomGrid::FixedCols(), TCustomGrid::FixedRows());
                origin = TPoint(first.Left, first.Top);
            }
            origin.X += FXYOffset.X;
            origin.Y += FXYOffset.Y;
            DrawBackGroundBitmap(ACanvas, r, r.Left - origin.X, r.Top - origin.Y, true);
        }
    };
    if (right < cw) strip(TRect(right, 0, cw, ch));
    if (bottom < ch) strip(TRect(0, bottom, std::min(right, cw), ch));
    ACanvas->SetClipRect(saved);
}

void TQvStringGrid::DrawBorder(TCanvas* ACanvas, const TRect& ARect) {
    TBaseGrid::DrawBorder(ACanvas, ARect);
    if (FUpdateCount > 0 || FFlat || FBorderColor == clNone) return;
    switch (FLook) {
    case glSoft:
    case glVUR:
    case glXP:
    case glListView:
    case glVista:
    case glWin7:
    case glOffice2007:
        break;
    default:
        return;
    }
    const int x = ARect.Left, y = ARect.Top, w = ARect.Width(), h = ARect.Height();
    auto outline = [ACanvas, x, y, h](int left, int top, int right, int bottom, TColor color) {
        ACanvas->Pen()->SetColor(color);
        ACanvas->Pen()->SetWidth(1);
        ACanvas->MoveTo(x + left, y + h);
        ACanvas->LineTo(x + left, y + top);
        ACanvas->LineTo(x + right, y + top);
        ACanvas->LineTo(x + right, y + bottom);
        ACanvas->LineTo(x + left, y + bottom);
    };
    if (FFitCellsInGrid) {
        outline(1, 1, w - 2, h - 2, FBorderColor);
        if (Parent()) outline(0, 0, w - 1, h - 1, Parent()->Color());
    } else {
        outline(0, 0, w - 1, h - 1, FBorderColor);
    }
}

void TQvStringGrid::DrawBackGroundBitmap(TCanvas* ACanvas, const TRect& Area, int OffsetX, int OffsetY,
                                         bool Tile) {
    TBitmap* bmp = FBackGround->Bitmap();
    const int bw = bmp->Width(), bh = bmp->Height();
    if (bmp->Empty() || bw <= 0 || bh <= 0 || Area.IsEmpty()) return;
    const TRect saved = ACanvas->ClipRect();
    ACanvas->IntersectClipRect(Area);
    if (!Tile) {
        ACanvas->Draw(FBackGround->Left(), FBackGround->Top(), bmp);
    } else {
        const int startX = Area.Left - ((OffsetX % bw) + bw) % bw;
        const int startY = Area.Top - ((OffsetY % bh) + bh) % bh;
        for (int y = startY; y < Area.Bottom; y += bh)
            for (int x = startX; x < Area.Right; x += bw)
                ACanvas->Draw(x, y, bmp);
    }
    ACanvas->SetClipRect(saved);
}

TPoint TQvStringGrid::BackGroundTileOrigin(int ACol, int ARow, bool FromFixed) {
    TPoint p(0, 0);
    const int lw = GridLineWidth();
    for (int c = FromFixed ? TCustomGrid::FixedCols() : 0; c < ACol; ++c)
        p.X += ColWidths(c) + lw;
    for (int r = FromFixed ? TCustomGrid::FixedRows() : 0; r < ARow; ++r)
        p.Y += RowHeights(r) + lw;
    return p;
}

void TQvStringGrid::DrawCellContents(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect,
                                     const TCellLook& ALook) {
    TCellPaintState S;
    S.Canvas = ACanvas;
    S.Look = &ALook;
    S.DisplCol = ACol;
    S.Row = ARow;
    S.State = ALook.State;
    S.RealCol = RealColIndex(ACol);
    const TMouseActions& ma = *FMouseActions;
    S.SelRow = ma.DisjunctRowSelect() && ma.RowSelectPersistent() ? RealRowIndex(ARow) : ARow;
    S.FilterCell =
        ARow == FFilterDropDownRow && ARow < TCustomGrid::FixedRows() && HasFilterButton(S.RealCol);
    TRect R = ARect;

    DrawCellScrollBar(S, R);
    PutCellLook(S);
    if (S.Fixed && !S.Styled) PaintFixedLook(S, R);
    if (S.Fixed && !S.Styled && FLook == glListView && !FFlat) PaintListViewHeader(S, R);
    const bool indicatorRow = DrawRowIndicator(S, R);
    DrawModifiedMark(S, R);
    if (OnCustomCellBkgDraw) OnCustomCellBkgDraw(this, ACanvas, S.RealCol, ARow, S.State, R, false);
    const int rightBefore = R.Right;
    DrawEditorButtons(S, R);
    DrawDefaultCellText(S, R);
    R.Right = rightBefore;
    ACanvas->Brush()->SetColor(S.SavedBrushColor);
    ACanvas->Font()->SetColor(S.SavedFontColor);
    R = TRect(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
    DrawCellBorders(S, R);
    if (indicatorRow) R.Left -= FRowIndicator->Width();
    if (S.Fixed && !FFlat) PaintLookEdges(S, R);
    DrawFixedRightLines(S, R);
    if (S.RealCol == 0 && HasNodes() && !S.Fixed) DrawTreeLines(S, R);
    if (S.Graphic.Graphic) DrawCellGraphicStep(S, R);
    FireCellDrawEvents(S, R);
    DrawCellFocusRect(S, R);
    ACanvas->Brush()->SetStyle(bsSolid);
}

// A cell with its own scroll bar shows it at its right edge and its text moved up by the position.
void TQvStringGrid::DrawCellScrollBar(TCellPaintState& S, TRect& R) {
    const TCellGraphic* bar = GetCellGraphic(S.RealCol, S.Row);
    if (!bar || bar->CellType != ctScrollbar) return;
    const int page = bar->CellAngle, range = bar->CellErrFrom;
    if (page >= range) return;
    const int width = std::min(SystemScrollBarWidth(), std::max(0, R.Width()));
    R.Right -= width;
    DrawVertScrollBar(S.Canvas, TRect(R.Right, R.Top, R.Right + width, R.Bottom), range, page,
                      bar->CellIndex);
    S.ScrollOffset = std::clamp(bar->CellIndex, 0, range - std::max(page, 0));
}

// The look goes onto the canvas (a colour set makes the brush solid), with the cell's graphic and whether it
// paints as a fixed cell.
void TQvStringGrid::PutCellLook(TCellPaintState& S) {
    const TCellLook& look = *S.Look;
    TBrush* brush = S.Canvas->Brush();
    TFont* font = S.Canvas->Font();
    S.Canvas->SetFont(&look.Font);
    brush->SetStyle(bsSolid);
    brush->SetColor(look.ContentsFill.Color);
    S.Graphic = GetCellGraphicInfo(S.RealCol, S.Row);
    if (S.Graphic.Graphic && S.Graphic.Graphic->CellType == ctNode && S.RealCol == 0)
        if (const TCellProperties* props = PropsAt(0, S.Row)) S.Graphic.Width = props->NodeLevel() * 12 + 4;
    if ((S.State & gdSelected) && !(S.State & gdFocused) && FSelectionColor == clNone)
        brush->SetColor(clHighlight);
    if (FZoomFactor != 0) font->SetSize(font->Size() + FZoomFactor);
    S.SavedBrushColor = brush->Color();
    S.SavedFontColor = font->Color();

    S.Fixed = IsFixed(S.DisplCol, S.Row) || S.DisplCol < TCustomGrid::FixedCols() ||
              S.Row < TCustomGrid::FixedRows();
    if (S.Row == HoverRowIdx() && (HoverRowCells() & HoverRowCellFlag(hcFixed))) S.Fixed = false;
    S.Styled = IsVCLStyled() && (S.Fixed || (S.State & gdSelected));
}

void TQvStringGrid::PaintListViewHeader(TCellPaintState& S, const TRect& R) {
    TCanvas* c = S.Canvas;
    const TPoint mouse = HoverFixedCell();
    const bool inside = mouse.X == S.DisplCol && mouse.Y == S.Row;
    const bool down = inside && (FMouse.Press.MouseKeepDown || GridState() != gsNormal);
    if (IsThemeActive()) {
        TRect h = R;
        h.Bottom += 1;
        // Header parts: 1 item (states 1 normal, 2 hot, 3 pressed), 2 the item at the right end.
        if (inside)
            DrawThemeBackground(c, "header", 1, down ? 3 : 2, h);
        else
            DrawThemeBackground(c, "header", 2, 1, h);
        CellPaintLine(c, clWhite, R.Left, R.Top, R.Right, R.Top);
    } else {
        c->Pen()->SetColor(clWhite);
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clBtnFace);
        c->Rectangle(R);
    }
    c->Brush()->SetStyle(bsClear);
}

// The row indicator in the current row's first cell; true in that cell, whether or not there was a picture.
bool TQvStringGrid::DrawRowIndicator(TCellPaintState& S, TRect& R) {
    const bool indicatorRow = S.RealCol == 0 && S.Row == Row() && TCustomGrid::FixedCols() > 0 &&
                              !(RowCount() == TCustomGrid::FixedRows() && FFixedRowAlways);
    if (!indicatorRow || FRowIndicator->Empty()) return indicatorRow;
    TCanvas* c = S.Canvas;
    const int h = FRowIndicator->Height();
    int y = R.Top;
    if (FVAlignment == vtaCenter) y = R.Top + (R.Height() - h) / 2;
    if (FVAlignment == vtaBottom) y = R.Bottom - h;
    FRowIndicator->SetTransparent(true);
    SetPaintOrientation(c, false);
    const int x = PaintsMirrored() ? ClientWidth() - (R.Left + 2) - FRowIndicator->Width() : R.Left + 2;
    c->Draw(x, y, FRowIndicator.get());
    SetPaintOrientation(c, PaintsMirrored());
    R.Left += FRowIndicator->Width() + 2;
    return true;
}

void TQvStringGrid::DrawModifiedMark(TCellPaintState& S, const TRect& R) {
    if (S.DisplCol != 0 || !FShowModified->Enabled() || !RowModified(RealRowIndex(S.Row))) return;
    TCanvas* c = S.Canvas;
    c->Pen()->SetColor(FShowModified->Color());
    c->Brush()->SetColor(FShowModified->Color());
    c->Rectangle(R.Right - 4, R.Top, R.Right, R.Bottom);
    c->Brush()->SetColor(S.SavedBrushColor);
}

// The drop-down and spin buttons shown in every cell with such an editor take their room from the right.
void TQvStringGrid::DrawEditorButtons(TCellPaintState& S, TRect& R) {
    TControlLook& cl = *FControlLook;
    if (IsFixed(S.DisplCol, S.Row) || !(cl.DropDownAlwaysVisible() || cl.SpinButtonsAlwaysVisible())) return;
    TCanvas* c = S.Canvas;
    const int look = FFlat && FTones.Background.BrushColor != clNone ? 3
                     : cl.FlatButton()                               ? 2
                     : IsThemeActive()                               ? 0
                                                                     : 1;
    bool canEdit = true;
    CanEditCell(S.RealCol, S.Row, canEdit);
    const int state = canEdit ? 0 : 3;
    if (cl.DropDownAlwaysVisible() && HasComboBox(S.RealCol, S.Row)) {
        DrawComboButton(c, nullptr, TRect(R.Left - 2, R.Top - 1, R.Right + 1, R.Bottom), look, state, FTones);
        R.Right -= 16;
    }
    if (cl.SpinButtonsAlwaysVisible() && HasSpinEdit(S.RealCol, S.Row)) {
        DrawSpinButtons(c, nullptr, R, look, state, FTones);
        R.Right -= 16;
    }
    c->Brush()->SetColor(S.SavedBrushColor);
}

// The text step, unless the graphic stands alone or the owner draws the cell; an in-cell scroll bar clips it
// to the cell.
void TQvStringGrid::DrawDefaultCellText(TCellPaintState& S, const TRect& R) {
    const bool ownerDraws = (OnDrawCell || OnCustomCellDraw) && NoDefaultDraw();
    if ((S.Graphic.Graphic && NoImageAndText()) || ownerDraws) return;
    TCanvas* c = S.Canvas;
    c->Brush()->SetStyle(bsClear);
    const TRect savedClip = S.ScrollOffset > 0 ? c->ClipRect() : TRect();
    if (S.ScrollOffset > 0) c->IntersectClipRect(R);
    DrawCellText(S, R);
    if (S.ScrollOffset > 0) c->SetClipRect(savedClip);
}

// Flat looks frame the fixed columns on the right in grey.
void TQvStringGrid::DrawFixedRightLines(TCellPaintState& S, const TRect& R) {
    if (FFixedRightCols <= 0 || S.DisplCol < ColCount() - FFixedRightCols || FLook == glClassic || !FFlat)
        return;
    TCanvas* c = S.Canvas;
    if (Options() & goFixedHorzLine) {
        CellPaintLine(c, clGray, R.Left - 1, R.Top - 1, R.Right + 1, R.Top - 1);
        CellPaintLine(c, clGray, R.Left - 1, R.Bottom + 1, R.Right + 1, R.Bottom + 1);
    }
    if (Options() & goFixedVertLine) {
        CellPaintLine(c, clGray, R.Left - 1, R.Top - 1, R.Left - 1, R.Bottom + 1);
        CellPaintLine(c, clGray, R.Right + 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
    }
}

// The graphic after the text, placed beside the text's measured width; its rectangle becomes the cell's.
void TQvStringGrid::DrawCellGraphicStep(TCellPaintState& S, TRect& R) {
    TRect g = R;
    if (S.Fixed) g.Top += 1;
    const TCellGraphicPass pass{S.Canvas, S.RealCol,   S.DisplCol,     S.Row,
                                S.State,  S.TextWidth, S.Look->HAlign, S.Look->VAlign};
    DrawCellGraphics(pass, g, S.Graphic.Graphic);
    R = g;
}

void TQvStringGrid::FireCellDrawEvents(TCellPaintState& S, const TRect& R) {
    if (OnDrawCell) {
        const int lw = GridLineWidth();
        OnDrawCell(this, S.RealCol, S.Row, TRect(R.Left + 1, R.Top + 1, R.Right - lw, R.Bottom - lw),
                   S.State);
    }
    if (OnCustomCellDraw) OnCustomCellDraw(this, S.Canvas, S.RealCol, S.Row, S.State, R, false);
}

// The focus frame on the current cell (a merged area's base cell) of a focused grid without row selection.
void TQvStringGrid::DrawCellFocusRect(TCellPaintState& S, const TRect& R) {
    const TPoint base = BaseCell(Col(), Row());
    const TPoint mine = BaseCell(S.DisplCol, S.Row);
    if (HideFocusRect() || mine != base || S.DisplCol != base.X || S.Row != base.Y || !Focused() ||
        (Options() & goRowSelect) || Row() < TCustomGrid::FixedRows() || Col() < TCustomGrid::FixedCols())
        return;
    const int grow = GridLineWidth() - 1;
    DrawMarkupFocusRect(S.Canvas,
                        TRect(R.Left - grow, R.Top - grow, R.Right + grow - 1, R.Bottom + grow - 1));
}

void TQvStringGrid::PaintFixedLook(TCellPaintState& S, TRect& R) {
    if (FLook != glVUR && FLook != glXP && FLook != glVista && FLook != glWin7 && FLook != glOffice2007)
        return;
    TCanvas* c = S.Canvas;
    const int fixedCols = TCustomGrid::FixedCols();
    const int fixedRows = TCustomGrid::FixedRows();
    const TFixedGradientColors& fg = FFixedGradient;
    auto fill = [c](const TRect& r, TColor from, TColor to, TColor mFrom, TColor mTo, TColor border) {
        FillCellBackground(c, r, from, to, mFrom, mTo, true, border, false, true);
    };
    // A press on a fixed cell leaves the grid's state as it is: the held button counts as well.
    const bool mouseDown =
        FMouse.Press.MouseKeepDown || (GridState() != gsNormal && GridState() != gsColMoving);
    const bool moving = GridState() == gsColMoving;
    const bool over = HoverFixedCell() == TPoint(S.DisplCol, S.Row);
    const bool hovered = PaintHoverFixedAllowed(HoverFixedCells(), S.DisplCol, S.Row, fixedCols, fixedRows) &&
                         !IsDesigning() && ((over && !moving) || (moving && FMoveIndex == S.DisplCol));
    if (hovered) {
        R.Bottom += 1;
        const bool dropDown = ControlLook()->FixedDropDownButton() && DoCanShowFixedDropDown(S.RealCol);
        if (!mouseDown && !moving) {
            fill(R, fg.HoverFrom, fg.HoverTo, fg.HoverMirrorFrom, fg.HoverMirrorTo, fg.HoverBorder);
        } else if (dropDown) {
            TRect left = R, right = R;
            left.Right = right.Left = R.Right - 16;
            fill(left, fg.DownFrom, fg.DownTo, fg.DownMirrorFrom, fg.DownMirrorTo, fg.DownBorder);
            fill(right, fg.HoverFrom, fg.HoverTo, fg.HoverMirrorFrom, fg.HoverMirrorTo, fg.HoverBorder);
        } else {
            fill(R, fg.DownFrom, fg.DownTo, fg.DownMirrorFrom, fg.DownMirrorTo, fg.DownBorder);
        }
        if (dropDown) {
            CellPaintLine(c, mouseDown ? fg.DownBorder : fg.HoverBorder, R.Right - 16, R.Top, R.Right - 16,
                          R.Bottom);
            c->Pen()->SetColor(clBlack);
            c->Brush()->SetStyle(bsSolid);
            c->Brush()->SetColor(clBlack);
            const int x = R.Right - 8, y = R.Top + 8;
            c->Polygon({TPoint(x - 3, y - 1), TPoint(x + 3, y - 1), TPoint(x, y + 2)});
            c->Brush()->SetStyle(bsClear);
            R.Right -= 16;
        }
        return;
    }
    const bool activeHeader =
        FActiveCellShow && ((fixedCols > 0 && S.DisplCol == fixedCols - 1 && S.Row == Row()) ||
                            (fixedRows > 0 && S.Row == fixedRows - 1 && S.DisplCol == Col()));
    const TSortSettings& ss = *FSortSettings;
    if (activeHeader) {
        fill(R, FActiveCellColor, FActiveCellColorTo, clNone, clNone, clNone);
    } else if (ss.Column() != -1 && ss.HeaderColor() != clNone && S.RealCol == ss.Column() &&
               S.Row == fixedRows - 1 && (S.DisplCol >= fixedCols || ss.FixedCols())) {
        fill(R, ss.HeaderColor(), ss.HeaderColorTo(), ss.HeaderMirrorColor(), ss.HeaderMirrorColorTo(),
             clNone);
    } else if (const TCellFill& own = S.Look->ContentsFill;
               !FFlat && (own.ColorTo != clNone || own.MirrorColor != clNone || FLook == glVista)) {
        // A plain fill would repaint what the base painter has just painted in the same colour.
        fill(R, S.SavedBrushColor, own.ColorTo, own.MirrorColor, own.MirrorColorTo, clNone);
        if (FLook == glVista) {
            CellPaintLine(c, clWhite, R.Left, R.Top, R.Left, R.Bottom);
            CellPaintLine(c, clWhite, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
        }
    }
    c->Brush()->SetStyle(bsClear);
}

void TQvStringGrid::DrawCellBorders(TCellPaintState& S, TRect R) {
    TCanvas* c = S.Canvas;
    TPen saved;
    saved.Assign(c->Pen());
    TCellBorders borders = 0;
    DoGetCellBorder(S.RealCol, S.Row, c->Pen(), borders);
    if (borders == 0 && !OnGetCellBorderProp) {
        c->SetPen(&saved);
        return;
    }
    TPen left, top, right, bottom;
    left.Assign(c->Pen());
    top.Assign(c->Pen());
    right.Assign(c->Pen());
    bottom.Assign(c->Pen());
    if (OnGetCellBorderProp) OnGetCellBorderProp(this, S.Row, S.RealCol, &left, &top, &right, &bottom);
    const int inset = (c->Pen()->Width() + 1) / 2;
    const int topBefore = R.Top;
    if (Options() & goVertLine) {
        R.Left += inset;
        R.Right -= inset;
    }
    if (Options() & goHorzLine) {
        R.Top += inset;
        R.Bottom -= inset;
    }
    const int lw = GridLineWidth();
    auto line = [c](const TPen& pen, int x1, int y1, int x2, int y2) {
        c->SetPen(&pen);
        c->MoveTo(x1, y1);
        c->LineTo(x2, y2);
    };
    if (borders & CellBorderFlag(cbLeft))
        line(left, std::max(0, R.Left), topBefore, std::max(0, R.Left), R.Bottom);
    if (borders & CellBorderFlag(cbRight)) line(right, R.Right - 1, topBefore, R.Right - 1, R.Bottom);
    if (borders & CellBorderFlag(cbTop)) {
        const int y = lw == 0 ? R.Top + 1 : std::max(0, R.Top - lw);
        line(top, R.Left, y, R.Right, y);
    }
    if (borders & CellBorderFlag(cbBottom))
        line(bottom, R.Left - lw - 1, R.Bottom - 1, R.Right, R.Bottom - 1);
    c->SetPen(&saved);
}

void TQvStringGrid::PaintLookEdges(TCellPaintState& S, TRect R) {
    TCanvas* c = S.Canvas;
    const TGridOptions o = Options();
    const TColor dark = PaintHalfColor(FixedColor());
    switch (FLook) {
    case glClassic:
        R.Top += 1;
        R.Left += 1;
        R.Bottom += 1;
        CellPaintLine(c, clBtnHighlight, R.Left, R.Top, R.Left, R.Bottom - 1);
        CellPaintLine(c, clBtnHighlight, R.Left, R.Top, R.Right - 1, R.Top);
        CellPaintLine(c, clBtnShadow, R.Right - 2, R.Top, R.Right - 2, R.Bottom - 1);
        CellPaintLine(c, clBtnShadow, R.Left, R.Bottom - 2, R.Right - 1, R.Bottom - 2);
        CellPaintLine(c, clBlack, R.Right - 1, R.Top, R.Right - 1, R.Bottom - 1);
        c->LineTo(R.Left - 1, R.Bottom - 1);
        break;
    case glVUR:
    case glXP:
        R.Bottom += 1;
        if (o & goFixedHorzLine) {
            CellPaintLine(c, dark, R.Left, R.Bottom - 1, R.Right - 1, R.Bottom - 1);
            CellPaintLine(c, clWhite, R.Right - 2, R.Top + 1, R.Left + 1, R.Top + 1);
            c->LineTo(R.Left + 1, R.Bottom - 1);
        }
        break;
    case glSoft:
        R.Right += 1;
        R.Bottom += 1;
        if (o & goFixedHorzLine) {
            CellPaintLine(c, dark, R.Left, R.Bottom - 1, R.Right - 1, R.Bottom - 1);
            CellPaintLine(c, clWhite, R.Right, R.Top + 1, R.Left + 1, R.Top + 1);
            c->LineTo(R.Left + 1, R.Bottom - 1);
        }
        if (o & goFixedVertLine) {
            CellPaintLine(c, dark, R.Right - 2, R.Top, R.Right - 2, R.Bottom - 1);
            CellPaintLine(c, clWhite, R.Right - 1, R.Top, R.Right - 1, R.Bottom - 1);
        }
        break;
    default:
        break;
    }
}

void TQvStringGrid::DrawTreeLines(TCellPaintState& S, TRect R) {
    if (!FCellNode->ShowTree()) return;
    TCanvas* c = S.Canvas;
    const int indent = FCellNode->NodeIndent();
    const int x0 = GetNodeIndent(S.Row);
    const int xl = x0 - indent + indent / 2 + 2;
    const int middle = R.Top + R.Height() / 2;
    c->Pen()->SetColor(FCellNode->TreeColor());
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psDot);
    auto line = [c](int x1, int y1, int x2, int y2) {
        c->MoveTo(x1, y1);
        c->LineTo(x2, y2);
    };
    const TCellProperties* props = PropsAt(0, S.Row);
    const int level = props ? props->NodeLevel() : 0;
    if (level > 0) line(xl, middle, FCellNode->ShowTreeFull() ? R.Right : x0 + 4, middle);
    // A last child's line stops at its middle; one with followers runs on into the next row.
    const int spanType = GetNodeSpanType(S.Row);
    if (spanType == 1) line(xl, R.Top, xl, middle);
    if (spanType == 2) line(xl, R.Top, xl, R.Bottom + 4);
    for (int i = 1; i <= level; ++i) {
        const int x = xl - indent * i;
        line(x, R.Top, x, middle);
        const bool lastRow = S.Row == RowCount() - 1;
        const TCellProperties* next = lastRow ? nullptr : PropsAt(0, S.Row + 1);
        if (!lastRow && next && next->NodeLevel() != 0)
            line(x, middle, x, R.Bottom + 4);
        else if (i < level)
            line(x, middle, xl + indent - indent * i, middle);
    }
    c->Pen()->SetStyle(psSolid);
}

void TQvStringGrid::DrawColSizingLine(int X) {
    TCanvas* c = Canvas();
    TPen saved;
    saved.Assign(c->Pen());
    c->Pen()->SetColor(clBlack);
    c->Pen()->SetStyle(psDot);
    c->Pen()->SetMode(pmXor);
    c->Pen()->SetWidth(1);
    const TRect last = CalcCellRect(0, RowCount() - 1);
    CellPaintLine(c, clBlack, X, 0, X, std::max(Height(), last.Bottom));
    c->SetPen(&saved);
}

void TQvStringGrid::DrawRowSizingLine(int Y) {
    TCanvas* c = Canvas();
    TPen saved;
    saved.Assign(c->Pen());
    c->Pen()->SetColor(clBlack);
    c->Pen()->SetStyle(psDot);
    c->Pen()->SetMode(pmXor);
    c->Pen()->SetWidth(1);
    const TRect last = CalcCellRect(ColCount() - 1, 0);
    CellPaintLine(c, clBlack, 0, Y, std::max(Width(), last.Right), Y);
    c->SetPen(&saved);
}
