// The string grid's windows over its cells: the focus frame around the cell being edited, the snapshot of
// a cell range, and the target arrows of a column or row move.
#include "controls/grid/QvGrid.h"
#include "controls/grid/overlays/GridAlphaMask.h"
#include "controls/grid/overlays/GridOverlays.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/stdctrls/ExtCtrls.h"

namespace {

// The frame: the cell grows by 9 pixels and starts 4 up and left of it; the shadow ring (blur 3, corner 5,
// pen 4) in the frame colour, drawn at opacity 230.
constexpr int kFocusGrowth = 9;
constexpr int kFocusOffset = 4;
constexpr int kFocusBlur = 3;
constexpr int kFocusCorner = 5;
constexpr int kFocusPen = 4;
constexpr TColor kFocusColor = 0xFDD397;
constexpr uint8_t kFocusOpacity = 230;

} // namespace

void TQvStringGrid::CreateOverlayWindows() {
    FFocusWindow = new TGridFocusWindow(this);
    FFocusWindow->SetHost(this);
    TArrowWindow** arrows[] = {&ArwU, &ArwD, &ArwL, &ArwR};
    for (int d = arrUp; d <= arrRight; ++d) {
        *arrows[d] = new TArrowWindow(this);
        (*arrows[d])->Init(this, TArrowDirection(d));
    }
}

// Focus frame
// ---------------------------------------------------------------------------------------------------------

void TQvStringGrid::ShowFocusWindow(const TRect& ARect) {
    if (!FFocusWindow) return;
    const int w = ARect.Width() + kFocusGrowth, h = ARect.Height() + kFocusGrowth;
    FFocusWindow->Hide();
    if (ARect.Width() < 0 || ARect.Height() < 0) return;
    TBitmap shadow;
    DrawShadowMask(&shadow, w, h, kFocusBlur, kFocusCorner, kFocusPen);
    TBitmap colour;
    colour.SetPixelFormat(pf24bit);
    colour.SetSize(w, h);
    colour.Canvas()->Brush()->SetColor(kFocusColor);
    colour.Canvas()->FillRect(TRect(0, 0, w, h));
    TGridAlphaMask mask;
    mask.MergeMask(&shadow, &colour, 0xFFFF);
    mask.Opacity = kFocusOpacity;
    if (mask.Height() > 0) FFocusWindow->SetLayeredPixels(mask);
    // Only the ring shows: the cell and its editor stay in sight and within reach of the mouse.
    TWindowRegion ring;
    ring.Hole =
        TRect(kFocusOffset, kFocusOffset, kFocusOffset + ARect.Width(), kFocusOffset + ARect.Height());
    FFocusWindow->SetRegion(ring);
    const TPoint at = ClientToScreen(TPoint(ARect.Left - kFocusOffset, ARect.Top - kFocusOffset));
    FFocusWindow->SetBounds(at.X, at.Y, w, h);
    FFocusWindow->Show();
    // The frame follows the cell whenever a window moves (the grid, its form, the editor).
    SetWindowPosHook(&QvGrid::ActiveFocusGrid, [] {
        if (QvGrid::ActiveFocusGrid) QvGrid::ActiveFocusGrid->UpdateFocusWindowPos();
    });
}

void TQvStringGrid::UpdateFocusWindowPos() {
    if (!FFocusWindow || QvGrid::ActiveFocusGrid != this || IsDestroying()) return;
    // A cell scrolled out of sight takes its frame along.
    if (TCustomGrid::CellRect(Col(), Row()).IsEmpty()) {
        FFocusWindow->Hide();
        return;
    }
    const TRect r = CellRect(Col(), Row());
    const int w = r.Width() + kFocusGrowth, h = r.Height() + kFocusGrowth;
    // A cell of another size (a column or row sized meanwhile) gets a frame of its own size.
    if (w != FFocusWindow->Width() || h != FFocusWindow->Height() || !FFocusWindow->Visible()) {
        ShowFocusWindow(r);
        return;
    }
    const TPoint at = ClientToScreen(TPoint(r.Left - kFocusOffset, r.Top - kFocusOffset));
    FFocusWindow->SetBounds(at.X, at.Y, w, h);
}

void TQvStringGrid::ShowFocusFrameOnEdit() {
    if (!FFocusHelper->Enabled()) return;
    QvGrid::ActiveFocusGrid = this;
    ShowFocusWindow(CellRect(Col(), Row()));
}

void TQvStringGrid::HideFocusWindow() {
    // Another grid's frame, shown meanwhile, keeps following its cell.
    if (QvGrid::ActiveFocusGrid == this) QvGrid::ActiveFocusGrid = nullptr;
    if (FFocusWindow) FFocusWindow->Hide();
}

// Snapshot
// ---------------------------------------------------------------------------------------------------------

TNoActiveForm* TQvStringGrid::SelectionToForm(const TGridRect& ARect) {
    TBitmap picture;
    SnapshotRect(ARect, picture);
    auto* form = new TNoActiveForm(this);
    form->SetHost(this);
    form->SetBounds(0, 0, picture.Width(), picture.Height());
    form->Image()->Picture()->SetGraphic(&picture);
    return form;
}

void TQvStringGrid::SnapshotRect(const TGridRect& ARect, TBitmap& picture) {
    const int lastCol = std::max(0, ColCount() - 1), lastRow = std::max(0, RowCount() - 1);
    TRect first = CalcCellRect(std::clamp(ARect.Left, 0, lastCol), std::clamp(ARect.Top, 0, lastRow));
    TRect last = CalcCellRect(std::clamp(ARect.Right, 0, lastCol), std::clamp(ARect.Bottom, 0, lastRow));
    if (last.Left < first.Left || last.Top < first.Top) std::swap(first, last);
    const TRect area(std::min(first.Left, last.Left), std::min(first.Top, last.Top),
                     std::max(first.Right, last.Right), std::max(first.Bottom, last.Bottom));
    const int w = area.Width() + 1, h = area.Height() + 1;

    TBitmap whole;
    whole.SetSize(Width(), Height());
    PaintTo(whole.Canvas(), 0, 0);
    picture.SetSize(w, h);
    picture.Canvas()->CopyRect(TRect(0, 0, w, h), whole.Canvas(),
                               TRect(area.Left + 1, area.Top + 1, area.Left + 1 + w, area.Top + 1 + h));
    // The fixed lines the snapshot cut away at its edges.
    TCanvas* c = picture.Canvas();
    c->Pen()->SetColor(GridFixedLineColor());
    if (ARect.Left == 0 && FixedCols() > 0 && (Options() & goFixedHorzLine)) {
        c->MoveTo(0, 0);
        c->LineTo(0, h);
    }
    if (ARect.Top == 0 && FixedRows() > 0 && (Options() & goFixedVertLine)) {
        c->MoveTo(0, 0);
        c->LineTo(w, 0);
    }
}

// Move arrows
// ---------------------------------------------------------------------------------------------------------

TArrowWindow* TQvStringGrid::MoveArrow(TArrowDirection Direction) const {
    switch (Direction) {
    case arrUp:
        return ArwU;
    case arrDown:
        return ArwD;
    case arrLeft:
        return ArwL;
    case arrRight:
        return ArwR;
    }
    return nullptr;
}

TColor TQvStringGrid::ArrowColor() const {
    return ArwU ? ArwU->Color() : clNone;
}

void TQvStringGrid::SetArrowColor(TColor Value) {
    for (TArrowWindow* a : {ArwU, ArwD, ArwL, ArwR})
        if (a) a->SetColor(Value);
}

// The arrows mark the target the previous move recorded, so they trail the mouse by one message: a column
// target at its left edge when it lies left of the moved column m, else at its right edge; a row target
// likewise at its top or bottom edge.
void TQvStringGrid::PlaceMoveArrows(int c, int r, int m) {
    if (!ArwU) return;
    const HeaderMove& move = FMouse.Move;
    const auto place = [this](TArrowWindow* a, int x, int y) {
        const TPoint at = ClientToScreen(TPoint(x, y));
        a->SetBounds(at.X, at.Y, a->Width(), a->Height());
    };
    if (FGridState == gsColMoving) {
        const int t = move.TargetCol;
        if (t >= FixedCols() && c >= 0) {
            const TRect T = CalcCellRect(t, 0);
            const int x = (t < m ? T.Left : T.Left + ColWidths(t)) - 5;
            place(ArwU, x, T.Bottom);
            place(ArwD, x, T.Top - 8);
        }
        const bool shown = t >= FixedCols() && t - LeftCol() < VisibleColCount();
        ArwU->SetVisible(shown);
        ArwD->SetVisible(shown);
    } else if (FGridState == gsRowMoving) {
        const int t = move.TargetRow;
        const bool footerRow = FFloatingFooter->Visible() &&
                               FFloatingFooter->FooterStyle() == fsFixedLastRow && t == RowCount() - 1;
        if (footerRow) return;
        if (t >= FixedRows() && t - TopRow() < VisibleRowCount() && r >= 0) {
            const TRect T = CalcCellRect(0, t);
            const int y = (t < m ? T.Top : T.Top + RowHeights(t)) - 5;
            place(ArwL, T.Left - 10, y);
            place(ArwR, T.Right, y);
        }
        const bool shown = t >= FixedRows() && t - TopRow() < VisibleRowCount();
        ArwL->SetVisible(shown);
        ArwR->SetVisible(shown);
    }
}

void TQvStringGrid::HideMoveArrows() {
    for (TArrowWindow* a : {ArwU, ArwD, ArwL, ArwR})
        if (a) a->Hide();
}
