// The text step of a string grid cell (selection colours, plain, markup and rich text, links, passwords,
// the selection rectangle, right-to-left mirroring), rich-text cells and the sort glyph.
#include "controls/grid/QvGrid.h"

#include "controls/grid/paint/CellLooks.h"
#include "controls/markup/QsgHTMLE.h"
#include "toolkit/graphics/Canvas.h"

#include <algorithm>

namespace {
unsigned CellTextAlignFlags(TAlignment ha, TVAlignment va) {
    unsigned f = ha == taRightJustify ? DT_RIGHT : ha == taCenter ? DT_CENTER : DT_LEFT;
    f |= va == vtaBottom ? DT_BOTTOM : va == vtaCenter ? DT_VCENTER : DT_TOP;
    return f;
}

TRect CellRectMirrored(const TRect& r, int width) {
    return TRect(width - r.Right, r.Top, width - r.Left, r.Bottom);
}
} // namespace

bool TQvStringGrid::HasSortGlyph(int ACol, int ARow) {
    const TSortSettings& ss = *FSortSettings;
    if (!ss.Show() || RowCount() <= TCustomGrid::FixedRows() + 1 || TCustomGrid::FixedRows() <= 0)
        return false;
    int sortRow = ss.Row();
    if (IsMergedCell(ACol, ARow)) sortRow = ARow + std::max(0, CellSpan(ACol, ARow).Y);
    if (ARow != ss.Row() && sortRow != ss.Row()) return false;
    const int pos = FSortIndexes->Count() > 0 ? FSortIndexes->FindIndex(ACol) : -1;
    if (ACol != ss.Column() && pos < 0) return false;
    if (DisplColIndex(ACol) < TCustomGrid::FixedCols() && !ss.FixedCols()) return false;
    return pos < 1 || ss.IndexShow();
}

void TQvStringGrid::DrawSortIndicator(TCanvas* ACanvas, int ACol, int Y, int X) {
    const TSortSettings& ss = *FSortSettings;
    const bool mirrored = PaintsMirrored();
    if (mirrored) {
        SetPaintOrientation(ACanvas, false);
        X = ClientWidth() - X;
    }
    TBitmap* up = ss.UpGlyph();
    TBitmap* down = ss.DownGlyph();
    if (ss.IndexShow()) {
        // Sorted by several columns: each one's direction and its place in the order.
        const int pos = FSortIndexes->FindIndex(ACol);
        if (pos >= 0) {
            const bool descending = !FSortIndexes->SortDirections(pos);
            TBitmap* glyph = descending ? ss.IndexUpGlyph() : ss.IndexDownGlyph();
            TBrush* brush = ACanvas->Brush();
            TFont* font = ACanvas->Font();
            const TColor savedBrush = brush->Color(), savedFont = font->Color();
            const TBrushStyle savedStyle = brush->Style();
            const int savedSize = font->Size();
            const TFontStyles savedStyles = font->Style();
            brush->SetColor(ss.IndexColor());
            brush->SetStyle(bsSolid);
            if (ss.IndexUpGlyph()->Empty() || ss.IndexDownGlyph()->Empty()) {
                if (descending)
                    ACanvas->Polygon({TPoint(X - 7, Y - 5), TPoint(X + 7, Y - 5), TPoint(X, Y + 8)});
                else
                    ACanvas->Polygon({TPoint(X - 6, Y + 8), TPoint(X + 6, Y + 8), TPoint(X, Y - 4)});
            } else {
                glyph->SetTransparent(true);
                ACanvas->Draw(X - 7, Y - 7, glyph);
            }
            brush->SetStyle(bsClear);
            font->SetColor(clBlack);
            font->SetSize(6);
            font->SetStyle(0);
            ACanvas->TextOut(X - 2, descending ? Y - 4 : Y - 2, String::number(pos + 1));
            font->SetColor(savedFont);
            font->SetSize(savedSize);
            font->SetStyle(savedStyles);
            brush->SetColor(savedBrush);
            brush->SetStyle(savedStyle);
        }
    } else if (up->Empty() || down->Empty()) {
        // An outlined triangle, lit from the top left.
        auto line = [ACanvas](TColor color, int x1, int y1, int x2, int y2) {
            ACanvas->Pen()->SetColor(color);
            ACanvas->MoveTo(x1, y1);
            ACanvas->LineTo(x2, y2);
        };
        if (ss.Direction() == sdDescending) {
            line(clWhite, X + 4, Y - 4, X, Y + 4);
            line(clGray, X, Y + 4, X - 4, Y - 4);
            line(clGray, X - 4, Y - 4, X + 4, Y - 4);
        } else {
            line(clWhite, X - 4, Y + 4, X + 4, Y + 4);
            line(clWhite, X + 4, Y + 4, X, Y - 4);
            line(clGray, X, Y - 4, X - 4, Y + 4);
        }
        ACanvas->Pen()->SetColor(clBlack);
    } else {
        TBitmap* glyph = ss.Direction() == sdDescending ? down : up;
        glyph->SetTransparent(true);
        ACanvas->Draw(X - 4, Y - 4, glyph);
    }
    if (mirrored) SetPaintOrientation(ACanvas, true);
}

void TQvStringGrid::DrawCellText(TCellPaintState& S, TRect R) {
    S.LinkColor = FURLColor;
    SetTextSelectionColours(S);
    String text;
    const int kind = CellPaintText(S, text);
    if (S.Fixed) {
        R.Left += GridLineWidth();
        R.Top += GridLineWidth();
    }
    R.Top -= S.ScrollOffset; // the caller clips to the cell
    if (S.FilterCell) {
        DrawFilterButton(S, R);
        // The text keeps clear of the button.
        R.Right -= kFilterButtonWidth;
    }
    SetDisjunctUnselectedColours(S);
    DrawCellBackGroundPicture(S, R);
    DrawCellBackGroundSlice(S, R);
    DrawSelectionRectangle(S, R);
    if (!S.Graphic.AllowText) return;
    MakeCellTextRoom(S, R);
    if (kind == ctkHTML)
        DrawCellMarkupText(S, R, text);
    else if (kind == ctkRTF)
        DrawCellRichText(S, R);
    else
        DrawCellPlainText(S, R, text);
}

// The button of a header cell that drops the column's value list: the active glyph while the column is
// filtered, the built-in funnel when no glyph is set.
void TQvStringGrid::DrawFilterButton(TCellPaintState& S, const TRect& R) {
    TBitmap* glyph =
        FFilter->HasFilter(S.RealCol) ? FFilterDropDown->GlyphActive() : FFilterDropDown->Glyph();
    if (!glyph || glyph->Empty()) {
        const TRect box(R.Right - kFilterButtonWidth, R.Top, R.Right, R.Bottom);
        DrawTransparentBitmap(S.Canvas, GridBitmap("QSGFILT"), FixedColor(), box);
        return;
    }
    glyph->SetTransparent(true);
    S.Canvas->Draw(R.Right - kFilterButtonWidth, R.Top, glyph);
}

// A selected cell, or one in a selected row under row selection, takes the selection's colours; without
// the selection shown, an unfocused grid or a check box cell keeps its own.
void TQvStringGrid::SetTextSelectionColours(TCellPaintState& S) {
    bool rowSelected = false;
    if ((Options() & goRowSelect) && S.RealCol >= TCustomGrid::FixedCols() &&
        S.RealCol <= ColCount() - FFixedRightCols - 1 && S.SelRow >= 0 && S.SelRow < AllRowCount())
        rowSelected = FMouseActions->DisjunctRowSelect()
                          ? RowSelect(S.SelRow)
                          : (S.SelRow >= Selection().Top && S.SelRow <= Selection().Bottom);
    if (!((S.State & gdSelected) || rowSelected) || IsFixed(DisplColIndex(S.RealCol), S.SelRow)) return;
    TCanvas* c = S.Canvas;
    if (FShowSelection) {
        if (FSelectionColor != clNone) c->Brush()->SetColor(FSelectionColor);
        if (FSelectionTextColor != clNone && Enabled()) c->Font()->SetColor(FSelectionTextColor);
        S.LinkColor = FSelectionTextColor;
    } else if (!Focused() || (S.Graphic.Graphic && S.Graphic.Graphic->CellType == ctCheckBox)) {
        c->Brush()->SetColor(S.SavedBrushColor);
        c->Font()->SetColor(S.SavedFontColor);
    }
}

// The text as shown (a formula by its value, a password cell masked) and its kind.
int TQvStringGrid::CellPaintText(TCellPaintState& S, String& Text) {
    Text = GetFormattedCell(S.RealCol, S.Row);
    int kind = CellTextKind(Text, EnableHTML());
    if (kind == ctkFormula) {
        EvaluateCell(S.RealCol, S.Row, Text);
        kind = CellTextKind(Text, EnableHTML());
    }
    bool password = false;
    DoIsPasswordCell(S.RealCol, S.Row, password);
    if (password) Text = String(Text.size(), FPasswordChar);
    return kind;
}

// Outside a mouse selection, a cell whose row or column the disjunct selection leaves out takes its
// unselected colours again.
void TQvStringGrid::SetDisjunctUnselectedColours(TCellPaintState& S) {
    if (S.Fixed || GridState() != gsNormal ||
        !((FMouseActions->DisjunctRowSelect() && S.SelRow < AllRowCount() && !RowSelect(S.SelRow)) ||
          (FMouseActions->DisjunctColSelect() && S.RealCol < ColCount() && !ColSelect(S.RealCol))))
        return;
    TCanvas* c = S.Canvas;
    S.LinkColor = FURLColor;
    c->Brush()->SetColor(Color());
    c->Font()->SetColor(Font()->Color());
    DoGetCellColor(S.RealCol, S.Row, S.State, c->Brush(), c->Font());
}

// The background picture, where the cell has no colour of its own and does not show as selected.
void TQvStringGrid::DrawCellBackGroundPicture(TCellPaintState& S, const TRect& R) {
    const TBackGround& bg = *FBackGround;
    if (bg.Bitmap()->Empty()) return;
    const TCellProperties* props = PropsAt(S.RealCol, S.Row);
    const bool own = props && props->BrushColor() != clNone;
    const bool kindMatches = bg.Cells() == bcAll || (bg.Cells() == bcFixed) == S.Fixed;
    const bool showsSelected = FShowSelection && (S.State & gdSelected);
    if (own || !kindMatches || showsSelected) return;
    const int g = GridLineWidth() - 1;
    const TRect area(R.Left - g, R.Top - g, R.Right, R.Bottom);
    const bool tile = bg.Display() == bdTile;
    const TPoint origin =
        tile ? BackGroundTileOrigin(S.DisplCol, S.Row, bg.Cells() == bcNormal) : TPoint(0, 0);
    DrawBackGroundBitmap(S.Canvas, area, origin.X, origin.Y, tile);
    S.Canvas->Brush()->SetStyle(bsClear);
}

// The slice of the grid-wide background gradient that falls into the cell.
void TQvStringGrid::DrawCellBackGroundSlice(TCellPaintState& S, const TRect& R) {
    const TBackGround& bg = *FBackGround;
    if (!bg.IsGradient() || bg.ColorTo() == clNone) return;
    const TCellGraphicInfo& gi = S.Graphic;
    const TCellType type = gi.Graphic ? gi.Graphic->CellType : ctEmpty;
    const TCellProperties* props = PropsAt(S.RealCol, S.Row);
    const bool own = props && props->BrushColor() != clNone;
    const bool control = type == ctCheckBox || type == ctDataCheckBox || type == ctRadio ||
                         type == ctButton || type == ctRadioButton;
    const bool kindMatches = bg.Cells() == bcAll || (bg.Cells() == bcFixed) == S.Fixed;
    const bool showsSelected = FShowSelection && (S.State & gdSelected) &&
                               (!(S.State & gdFocused) || (Options() & goDrawFocusSelected));
    if ((own && !control) || !kindMatches || showsSelected) return;
    TCanvas* c = S.Canvas;
    const int g = GridLineWidth();
    const TRect area(R.Left - 1, R.Top - g, R.Right, R.Bottom + g - 1);
    const bool horz = bg.Display() == bdGradientHorz;
    const int extent = horz ? Width() : Height();
    const int from = horz ? area.Left : area.Top, to = horz ? area.Right : area.Bottom;
    const TColor c1 = InterpolateColor(bg.Color(), bg.ColorTo(), 0, extent, from);
    const TColor c2 = InterpolateColor(bg.Color(), bg.ColorTo(), 0, extent, to);
    c->Pen()->SetColor(c2);
    DrawGradientRect(c, c1, c2, 128, area, horz);
    c->Brush()->SetStyle(bsClear);
}

// The sides of the cell that lie on the selection's outline, and the resizer at its bottom-right corner.
void TQvStringGrid::DrawSelectionRectangle(TCellPaintState& S, const TRect& R) {
    const TGridRect sel = Selection();
    if (!FSelectionRectangle || !sel.Contains(S.DisplCol, S.Row) || IsFixed(S.DisplCol, S.Row)) return;
    TCanvas* c = S.Canvas;
    TBrush* brush = c->Brush();
    const int g = GridLineWidth();
    TPen saved;
    saved.Assign(c->Pen());
    c->Pen()->SetWidth(2);
    c->Pen()->SetColor(FSelectionRectangleColor);
    auto line = [c](int x1, int y1, int x2, int y2) {
        c->MoveTo(x1, y1);
        c->LineTo(x2, y2);
    };
    const bool lastCol = S.DisplCol == sel.Right, lastRow = S.Row == sel.Bottom;
    if (S.DisplCol == sel.Left) line(R.Left + 1 - g, R.Bottom, R.Left + 1 - g, R.Top - g);
    if (lastCol) line(R.Right - 1, R.Bottom, R.Right - 1, R.Top - g);
    if (S.Row == sel.Top) line(R.Left - g, R.Top + 1 - g, lastCol ? R.Right - 1 : R.Right, R.Top + 1 - g);
    if (lastRow) line(R.Left - g, R.Bottom, lastCol ? R.Right - 1 : R.Right, R.Bottom);
    if (FSelectionResizer && lastCol && lastRow) {
        const TRect full = CellRect(S.DisplCol, S.Row);
        const TColor b = brush->Color();
        brush->SetStyle(bsSolid);
        brush->SetColor(FSelectionRectangleColor);
        c->FillRect(TRect(R.Right - 4, R.Bottom - 4, full.Right, full.Bottom));
        brush->SetColor(b);
        brush->SetStyle(bsClear);
    }
    c->SetPen(&saved);
}

// Margins, the room the graphic takes beside the text and a child row's node indent.
void TQvStringGrid::MakeCellTextRoom(TCellPaintState& S, TRect& R) {
    const TCellGraphicInfo& gi = S.Graphic;
    if (!XYOffsetTopLeftOnly()) R.Right -= FXYOffset.X;
    R.Left += FXYOffset.X;
    R.Top += FXYOffset.Y;
    if (gi.Graphic) {
        if (gi.HAlign == haBeforeText) R.Left += gi.Width;
        if (gi.HAlign == haAfterText) R.Right -= gi.Width;
        if (gi.VAlign == vaAboveText) R.Top += gi.Height;
        if (gi.VAlign == vaUnderText) R.Bottom -= gi.Height;
        if (gi.HAlign == haLeft || (gi.HAlign == haBeforeText && S.Look->HAlign == taLeftJustify))
            S.GraphicOffset = gi.Width;
    }
    if (S.RealCol == 0 && HasNodes() && !IsNode(S.Row)) R.Left += GetNodeIndent(S.Row);
}

void TQvStringGrid::DrawCellMarkupText(TCellPaintState& S, TRect R, const String& Text) {
    TCanvas* c = S.Canvas;
    const bool sortGlyph = S.Fixed && HasSortGlyph(S.RealCol, S.Row);
    const bool mirrored = PaintsMirrored();
    R.Left -= 1;
    if (sortGlyph) R.Right -= 10;
    TMarkupInput in;
    in.Canvas = c;
    in.Text = Text;
    in.Rect = mirrored ? CellRectMirrored(R, ClientWidth()) : R;
    in.Images = GetCellImageList(S.RealCol, S.Row);
    in.ShadowOffset = 1;
    in.Blink = true;
    in.HoverStyle = URLUnderlineOnHover();
    if (in.HoverStyle && FMouse.Hover.LinkCell == TPoint(S.DisplCol, S.Row)) in.HoverLink = FMouse.Hover.Link;
    in.WordWrap = !EnhTextSize();
    in.URLColor = S.LinkColor;
    in.ShadowColor = clGray;
    in.BiDiMode = BiDiMode();
    if (mirrored) SetPaintOrientation(c, false);
    TMarkupOutput out;
    RenderMarkup(in, out);
    if (mirrored) SetPaintOrientation(c, true);
    S.TextWidth = out.XSize + 2;
    if (sortGlyph) DrawSortIndicator(c, S.RealCol, R.Top + R.Height() / 2, R.Right + 2);
}

// Filled like the cell, then drawn by the rich-text painter.
void TQvStringGrid::DrawCellRichText(TCellPaintState& S, const TRect& R) {
    TCanvas* c = S.Canvas;
    TBrush* brush = c->Brush();
    c->Pen()->SetColor(brush->Color());
    if (!((S.State & gdSelected) && !(S.State & gdFocused) && FSelectionColor == clNone)) {
        brush->SetStyle(bsSolid);
        c->FillRect(R);
    }
    brush->SetStyle(bsClear);
    DrawRichTextCell(S.RealCol, S.Row, R, c);
    brush->SetStyle(bsSolid);
    c->Font()->SetColor(clBlack);
}

// Plain text: a link underlined in the link colour, one line unless wrapped or multi-line, a marked error
// underlined, the sort glyph beside it.
void TQvStringGrid::DrawCellPlainText(TCellPaintState& S, TRect R, String Text) {
    TCanvas* c = S.Canvas;
    TFont* font = c->Font();
    const TCellLook& look = *S.Look;
    const TCellGraphicInfo& gi = S.Graphic;
    const bool sortGlyph = S.Fixed && HasSortGlyph(S.RealCol, S.Row);
    const bool mirrored = PaintsMirrored();
    TAlignment ha = look.HAlign;
    if (mirrored && ha != taCenter) ha = ha == taLeftJustify ? taRightJustify : taLeftJustify;
    if (look.HAlign == taCenter && sortGlyph && S.RealCol == FSortSettings->Column()) R.Left += 10;
    const bool link = URLShow() && IsURL(Text);
    if (link) {
        if (!URLFull()) StripURLProtocol(Text);
        font->SetStyle(font->Style() | fsUnderline);
        font->SetColor(S.LinkColor);
    }
    unsigned flags = DT_EXPANDTABS | DT_NOPREFIX | CellTextAlignFlags(ha, look.VAlign);
    const bool lineBreak = Text.contains('\n') || Text.contains('\r');
    const bool multi = Multilinecells() && lineBreak;
    if (!multi && !look.WordWrap) {
        for (int i = 0; i < Text.size(); ++i)
            if (Text[i] == '\r' || Text[i] == '\n') {
                Text.truncate(i);
                break;
            }
        flags |= DT_SINGLELINE;
        if (EnhTextSize()) flags |= DT_END_ELLIPSIS;
    } else {
        if (look.WordWrap && !Multilinecells() && EnhTextSize()) flags |= DT_END_ELLIPSIS;
        flags |= DT_WORDBREAK;
    }
    if (BiDiMode() != bdLeftToRight) flags |= DT_RTLREADING;
    TRect tr = R;
    if (mirrored) {
        tr = CellRectMirrored(tr, ClientWidth());
        SetPaintOrientation(c, false);
    }
    if (gi.Graphic) {
        TRect calc = tr;
        DrawText(c, Text, calc, flags | DT_CALCRECT);
        S.TextWidth = calc.Width() + 2;
    }
    DrawText(c, Text, tr, flags);
    int errFrom = 0, errLen = 0;
    GetMarker(S.RealCol, S.Row, errFrom, errLen);
    if (errLen > 0 && gi.Graphic && (gi.Graphic->CellType == ctEmpty || gi.Graphic->CellType == ctValue))
        DrawErrorUnderline(c, Text, tr, c->TextHeight("hg"), errFrom, errLen);
    if (mirrored) SetPaintOrientation(c, true);
    if (sortGlyph) {
        const int p = std::max(0, std::min(R.Right - R.Left - 16, c->TextWidth(Text)));
        int y = look.VAlign == vtaTop      ? R.Top + 8
                : look.VAlign == vtaBottom ? R.Bottom - 8
                                           : R.Top + R.Height() / 2;
        int x = look.HAlign == taLeftJustify    ? R.Left + p + S.GraphicOffset + 10
                : look.HAlign == taRightJustify ? R.Right - p - 10
                                                : R.Left + 8;
        if (GetCellType(S.RealCol, S.Row) == ctRotated) {
            x = R.Right - 10;
            y = R.Top + 8;
        }
        DrawSortIndicator(c, S.RealCol, y, x);
    }
    if (link) font->SetStyle(font->Style() & ~fsUnderline);
}
