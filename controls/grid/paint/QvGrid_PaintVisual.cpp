// The look of a string grid cell: font, brush and gradient colours in their order of priority, the
// selection colour mixer, alignments and the zoom factor.
#include "controls/grid/QvGrid.h"

#include "controls/grid/paint/CellLooks.h"
#include "toolkit/graphics/Graphics.h"

#include <algorithm>
#include <cmath>

namespace {
// A row or column index outside the flags' range counts as not selected, where the flag getters throw.
bool PaintRowSelected(TQvStringGrid& g, int ARow) {
    if (ARow < 0 || ARow >= g.AllRowCount()) return false;
    return g.RowSelect(ARow);
}
bool PaintColSelected(TQvStringGrid& g, int ACol) {
    if (ACol < 0 || ACol >= g.ColCount()) return false;
    return g.ColSelect(ACol);
}
} // namespace

TColor TQvStringGrid::SelectionMixColor(TColor CellColor) {
    const TColor sel = FSelectionColor;
    if (!FSelectionColorMixer) return sel;
    const int f = FSelectionColorMixerFactor;
    if (f >= 100) return sel;
    if (f < 1 || sel == clNone) return CellColor;
    if (CellColor == clNone) return sel;
    const TColor a = ColorToRGB(sel);
    const TColor b = ColorToRGB(CellColor);
    auto mix = [f](int x, int y) {
        return std::min(255, static_cast<int>(std::lround(f / 100.0 * x + (1 - f / 100.0) * y)));
    };
    const int r = mix(a & 0xFF, b & 0xFF);
    const int gr = mix((a >> 8) & 0xFF, (b >> 8) & 0xFF);
    const int bl = mix((a >> 16) & 0xFF, (b >> 16) & 0xFF);
    return static_cast<TColor>(r | (gr << 8) | (bl << 16));
}

void TQvStringGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA) {
    HA = FDefaultAlignment;
    VA = FVAlignment;
    bool formula = false;
    if (AutoNumAlign()) {
        String text = Cells(ACol, ARow);
        formula = text.startsWith('=') ||
                  (CellTextKind(text, false) == ctkWide && text.size() > 3 && text[3] == '=');
        if (formula) EvaluateCell(ACol, ARow, text);
        const int kind = TextNumberKind(text.trimmed());
        if (kind == nkInteger || kind == nkFloat || kind == nkExponent) HA = taRightJustify;
    }
    if (const TCellProperties* props = PropsAt(ACol, ARow); props && !formula) HA = props->Alignment();
    DoGetAlignment(ACol, ARow, HA, VA);
}

void TQvStringGrid::GetFontProperties(int ADisplCol, int ARealCol, bool Map, TBrush* ABrush, TFont* AFont,
                                      TGridDrawState AState, int ARow) {
    const int rc = Map ? RealColIndex(ADisplCol) : ARealCol;
    const bool fixed =
        IsFixed(ADisplCol, ARow) || ADisplCol < TCustomGrid::FixedCols() || ARow < TCustomGrid::FixedRows();
    AFont->Assign(fixed ? FFixedFont.get() : Font());
    if (const TCellProperties* props = PropsAt(rc, ARow)) {
        if (props->FontColor() != clNone) AFont->SetColor(props->FontColor());
        if (props->FontStyle() != 0) AFont->SetStyle(props->FontStyle());
        if (props->FontSize() != 0) AFont->SetSize(props->FontSize());
        if (!props->FontName().isEmpty()) AFont->SetName(props->FontName());
    }
    DoGetCellColor(rc, ARow, AState, ABrush, AFont);
}

void TQvStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                        bool Remap, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                        TColor& AMirrorColorTo, TFont* AFont, TAlignment& HA, TVAlignment& VA,
                                        bool& WW, TCellGradientDirection& GD) {
    const int fixedCols = TCustomGrid::FixedCols();
    const int fixedRows = TCustomGrid::FixedRows();
    const bool useDisplayFont = !Print || FPrintSettings->UseDisplayFont();
    if (ACol >= fixedCols && ARow >= fixedRows)
        AFont->Assign(useDisplayFont ? Font() : FPrintSettings->Font());
    else
        AFont->Assign(useDisplayFont ? FFixedFont.get() : FPrintSettings->FixedFont());

    const int rc = Remap ? RealColIndex(ACol) : ACol;
    const TMouseActions& ma = *FMouseActions;
    const int selRow =
        (ma.DisjunctRowSelect() && ma.RowSelectPersistent()) || FUseEnabledRows ? RealRowIndex(ARow) : ARow;

    ABrush->SetColor(clNone);
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    WW = WordWrap();
    GD = GradientVertical;
    bool ownColor = false;
    if (const TCellProperties* props = PropsAt(rc, ARow)) {
        const TCellType type = GetCellType(rc, ARow);
        const bool plain = type == ctNone || type == ctRotated || type == ctEmpty;
        if (!plain || props->BrushColor() != clNone) ABrush->SetColor(props->BrushColor());
        ownColor = plain && props->BrushColor() != clNone;
        if (props->FontColor() != clNone) AFont->SetColor(props->FontColor());
        if (props->FontStyle() != 0) AFont->SetStyle(props->FontStyle());
        if (props->FontSize() != 0) AFont->SetSize(props->FontSize());
        if (!props->FontName().isEmpty()) AFont->SetName(props->FontName());
        WW = props->WordWrap();
        AColorTo = props->BrushColorTo();
        GD = props->GradientDirection();
    }
    if (AState & gdSelected) GD = GradientVertical;

    const int rightFixedFrom = ColCount() - FFixedRightCols;
    const int footerFrom = RowCount() - FFixedFooters;
    if (ABrush->Color() == clNone) {
        ABrush->SetColor(Color());
        if (FBands->Active() && (!Print || FBands->Print()) && ACol >= fixedCols &&
            ACol <= TotalColCount() - FFixedRightCols - 1 && ARow >= fixedRows && ARow < footerFrom) {
            const int total = FBands->PrimaryLength() + FBands->SecondaryLength();
            if (total > 0)
                ABrush->SetColor((ARow - fixedRows) % total < FBands->PrimaryLength()
                                     ? FBands->PrimaryColor()
                                     : FBands->SecondaryColor());
        }
        if (ACol < fixedCols || ARow < fixedRows || (FFixedRightCols > 0 && ACol >= rightFixedFrom) ||
            (FFixedFooters > 0 && ARow >= footerFrom))
            ABrush->SetColor(FixedColor());
    }

    const bool fixed = IsFixed(ACol, ARow) || ACol < fixedCols || ARow < fixedRows;
    if (fixed && !ownColor) {
        if (!Print) {
            ABrush->SetColor(FixedColor());
            AFont->Assign(FFixedFont.get());
            AState |= gdFixed;
        }
        // Looks that have not filled their fixed-cell colours keep the plain fixed colour.
        if (FLook > glClassic && FFixedGradient.From != clNone) {
            ABrush->SetColor(FFixedGradient.From);
            AColorTo = FFixedGradient.To;
            AMirrorColor = FFixedGradient.MirrorFrom;
            AMirrorColorTo = FFixedGradient.MirrorTo;
        }
    }

    if (Print)
        DoGetCellPrintColor(rc, ARow, AState, ABrush, AFont);
    else
        DoGetCellColor(rc, ARow, AState, ABrush, AFont);
    if (OnGetCellGradient) {
        TColor c = ABrush->Color();
        OnGetCellGradient(this, ARow, rc, c, AColorTo, AMirrorColor, AMirrorColorTo, GD);
        ABrush->SetColor(c);
    }
    const TColor unselectedBrush = ABrush->Color();
    const TColor unselectedFont = AFont->Color();
    auto selectionLook = [&] {
        AColorTo = FSelectionColorTo;
        AMirrorColor = FSelectionMirrorColor;
        AMirrorColorTo = FSelectionMirrorColorTo;
        if (FSelectionTextColor != clNone) AFont->SetColor(FSelectionTextColor);
    };

    const bool mouseDown = GridState() == gsSelecting;
    const bool normalCell = !fixed && ACol >= fixedCols && ARow >= fixedRows;
    const bool selecting = Select && !Print && FShowSelection && normalCell;
    if (selecting && ma.DisjunctRowSelect()) {
        const bool rowSelected = PaintRowSelected(*this, selRow);
        if ((rowSelected && !(mouseDown && ARow == Row())) ||
            (mouseDown && !rowSelected && (AState & gdSelected))) {
            AState = gdSelected;
            ABrush->SetColor(FSelectionColor);
            selectionLook();
        } else {
            AState &= ~gdSelected;
        }
    }
    if (selecting && ma.DisjunctColSelect()) {
        const bool colSelected = PaintColSelected(*this, rc);
        if ((colSelected && !(mouseDown && ACol == Col())) ||
            (mouseDown && !colSelected && (AState & gdSelected))) {
            AState = gdSelected;
            ABrush->SetColor(FSelectionColor);
            selectionLook();
        }
    }
    const TGridRect sel = Selection();
    if ((selecting && sel.Contains(ACol, ARow) && !ma.DisjunctRowSelect() && !ma.DisjunctColSelect()) ||
        ((AState & gdSelected) && mouseDown && FShowSelection)) {
        ABrush->SetColor(ABrush->Color() == Color() ? FSelectionColor : SelectionMixColor(ABrush->Color()));
        selectionLook();
        AState |= gdSelected;
    }
    if (ma.DisjunctCellSelect() && FShowSelection) {
        if (FSelectedCells->Contains(ACol, ARow)) {
            ABrush->SetColor(FSelectionColor);
            selectionLook();
            AState |= gdSelected;
        } else if (ACol == Col() && ARow == Row()) {
            AState &= ~gdSelected;
            ABrush->SetColor(unselectedBrush);
            AFont->SetColor(unselectedFont);
        }
    }
    if (FUseDisabledFontColor && ((FUseEnabledRows && !RowEnabled(selRow)) || !Enabled()))
        AFont->SetColor(DisabledFontColor());
    if ((AState & gdSelected) && ARow != Row() && ma.DisjunctRowSelect() && FSelectionColorTo == clNone)
        ABrush->SetColor(BrightenColor(ABrush->Color(), 7));
    DoGetWordWrap(rc, ARow, WW);
    GetCellAlignment(rc, ARow, HA, VA);
}

void TQvStringGrid::Zoom(int Step) {
    const int next = FZoomFactor + Step;
    if (next < -10 || next > 10) return;
    FZoomFactor = next;
    for (int c = 0; c < ColCount(); ++c)
        if (ColWidths(c) > 0 && ColWidths(c) + Step > 0) SetColWidths(c, ColWidths(c) + Step);
    for (int r = 0; r < RowCount(); ++r)
        if (RowHeights(r) > 0 && RowHeights(r) + Step > 0) SetRowHeights(r, RowHeights(r) + Step);
    Invalidate();
}
