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

void TQvStringGrid::GetVisualProperties(int ACol, int ARow, bool Print, bool Select, bool Remap,
                                        TCellLook& ALook) {
    const int fixedCols = TCustomGrid::FixedCols();
    const int fixedRows = TCustomGrid::FixedRows();
    const bool useDisplayFont = !Print || FPrintSettings->UseDisplayFont();
    TFont* font = &ALook.Font;
    if (ACol >= fixedCols && ARow >= fixedRows)
        font->Assign(useDisplayFont ? Font() : FPrintSettings->Font());
    else
        font->Assign(useDisplayFont ? FFixedFont.get() : FPrintSettings->FixedFont());

    const int rc = Remap ? RealColIndex(ACol) : ACol;
    TBrush brush;
    brush.SetColor(clNone);
    TCellFill fill;
    ALook.WordWrap = WordWrap();
    ALook.Gradient = GradientVertical;
    bool ownColor = false;
    if (const TCellProperties* props = PropsAt(rc, ARow)) {
        const TCellType type = GetCellType(rc, ARow);
        const bool plain = type == ctNone || type == ctRotated || type == ctEmpty;
        if (!plain || props->BrushColor() != clNone) brush.SetColor(props->BrushColor());
        ownColor = plain && props->BrushColor() != clNone;
        if (props->FontColor() != clNone) font->SetColor(props->FontColor());
        if (props->FontStyle() != 0) font->SetStyle(props->FontStyle());
        if (props->FontSize() != 0) font->SetSize(props->FontSize());
        if (!props->FontName().isEmpty()) font->SetName(props->FontName());
        ALook.WordWrap = props->WordWrap();
        fill.ColorTo = props->BrushColorTo();
        ALook.Gradient = props->GradientDirection();
    }
    if (ALook.State & gdSelected) ALook.Gradient = GradientVertical;

    const int rightFixedFrom = ColCount() - FFixedRightCols;
    const int footerFrom = RowCount() - FFixedFooters;
    if (brush.Color() == clNone) {
        brush.SetColor(Color());
        if (FBands->Active() && (!Print || FBands->Print()) && ACol >= fixedCols &&
            ACol <= TotalColCount() - FFixedRightCols - 1 && ARow >= fixedRows && ARow < footerFrom) {
            const int total = FBands->PrimaryLength() + FBands->SecondaryLength();
            if (total > 0)
                brush.SetColor((ARow - fixedRows) % total < FBands->PrimaryLength()
                                   ? FBands->PrimaryColor()
                                   : FBands->SecondaryColor());
        }
        if (ACol < fixedCols || ARow < fixedRows || (FFixedRightCols > 0 && ACol >= rightFixedFrom) ||
            (FFixedFooters > 0 && ARow >= footerFrom))
            brush.SetColor(FixedColor());
    }

    const bool fixed = IsFixed(ACol, ARow) || ACol < fixedCols || ARow < fixedRows;
    if (fixed && !ownColor) {
        if (!Print) {
            brush.SetColor(FixedColor());
            font->Assign(FFixedFont.get());
            ALook.State |= gdFixed;
        }
        // Looks that have not filled their fixed-cell colours keep the plain fixed colour.
        if (FLook > glClassic && FFixedGradient.From != clNone) {
            brush.SetColor(FFixedGradient.From);
            fill.ColorTo = FFixedGradient.To;
            fill.MirrorColor = FFixedGradient.MirrorFrom;
            fill.MirrorColorTo = FFixedGradient.MirrorTo;
        }
    }

    if (Print)
        DoGetCellPrintColor(rc, ARow, ALook.State, &brush, font);
    else
        DoGetCellColor(rc, ARow, ALook.State, &brush, font);
    fill.Color = brush.Color();
    if (OnGetCellGradient)
        OnGetCellGradient(this, ARow, rc, fill.Color, fill.ColorTo, fill.MirrorColor, fill.MirrorColorTo,
                          ALook.Gradient);

    // The background shows the selection; the contents start from the cell's own colours under the state
    // the background leaves, as a second pass of the same rules without the selection colouring would.
    const TCellFill own = fill;
    const TColor ownFontColor = font->Color();
    const bool normalCell = !fixed && ACol >= fixedCols && ARow >= fixedRows;
    ALook.Fill = own;
    TColor shownFontColor = ownFontColor;
    ApplySelectionLook(ACol, ARow, rc, Select && !Print && FShowSelection && normalCell, own, ownFontColor,
                       ALook.State, ALook.Fill, shownFontColor);
    TGridDrawState contentsState = ALook.State;
    ALook.ContentsFill = own;
    TColor contentsFontColor = ownFontColor;
    ApplySelectionLook(ACol, ARow, rc, false, own, ownFontColor, contentsState, ALook.ContentsFill,
                       contentsFontColor);
    font->SetColor(contentsFontColor);
    DoGetWordWrap(rc, ARow, ALook.WordWrap);
    GetCellAlignment(rc, ARow, ALook.HAlign, ALook.VAlign);
}

// The selection's colouring of a cell over its own colours (Own, OwnFontColor): disjunct rows and
// columns (only when Selecting), the range, disjunct cells, the disabled font and the brightened rows.
void TQvStringGrid::ApplySelectionLook(int ACol, int ARow, int ARealCol, bool Selecting, const TCellFill& Own,
                                       TColor OwnFontColor, TGridDrawState& AState, TCellFill& AFill,
                                       TColor& AFontColor) {
    const TMouseActions& ma = *FMouseActions;
    const int selRow =
        (ma.DisjunctRowSelect() && ma.RowSelectPersistent()) || FUseEnabledRows ? RealRowIndex(ARow) : ARow;
    auto selectionLook = [&] {
        AFill.ColorTo = FSelectionColorTo;
        AFill.MirrorColor = FSelectionMirrorColor;
        AFill.MirrorColorTo = FSelectionMirrorColorTo;
        if (FSelectionTextColor != clNone) AFontColor = FSelectionTextColor;
    };
    const bool mouseDown = GridState() == gsSelecting;
    if (Selecting && ma.DisjunctRowSelect()) {
        const bool rowSelected = PaintRowSelected(*this, selRow);
        if ((rowSelected && !(mouseDown && ARow == Row())) ||
            (mouseDown && !rowSelected && (AState & gdSelected))) {
            AState = gdSelected;
            AFill.Color = FSelectionColor;
            selectionLook();
        } else {
            AState &= ~gdSelected;
        }
    }
    if (Selecting && ma.DisjunctColSelect()) {
        const bool colSelected = PaintColSelected(*this, ARealCol);
        if ((colSelected && !(mouseDown && ACol == Col())) ||
            (mouseDown && !colSelected && (AState & gdSelected))) {
            AState = gdSelected;
            AFill.Color = FSelectionColor;
            selectionLook();
        }
    }
    const TGridRect sel = Selection();
    if ((Selecting && sel.Contains(ACol, ARow) && !ma.DisjunctRowSelect() && !ma.DisjunctColSelect()) ||
        ((AState & gdSelected) && mouseDown && FShowSelection)) {
        AFill.Color = AFill.Color == Color() ? FSelectionColor : SelectionMixColor(AFill.Color);
        selectionLook();
        AState |= gdSelected;
    }
    if (ma.DisjunctCellSelect() && FShowSelection) {
        if (FSelectedCells->Contains(ACol, ARow)) {
            AFill.Color = FSelectionColor;
            selectionLook();
            AState |= gdSelected;
        } else if (ACol == Col() && ARow == Row()) {
            AState &= ~gdSelected;
            AFill.Color = Own.Color;
            AFontColor = OwnFontColor;
        }
    }
    if (FUseDisabledFontColor && ((FUseEnabledRows && !RowEnabled(selRow)) || !Enabled()))
        AFontColor = DisabledFontColor();
    if ((AState & gdSelected) && ARow != Row() && ma.DisjunctRowSelect() && FSelectionColorTo == clNone)
        AFill.Color = BrightenColor(AFill.Color, 7);
}
