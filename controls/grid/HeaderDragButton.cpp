// The header drag button: the dragged header's look and caption, plain or as markup.
#include "controls/grid/HeaderDragButton.h"
#include "controls/grid/QvGrid.h"
#include "controls/markup/QsgHTMLE.h"

#include "toolkit/graphics/Canvas.h"

THeaderDragButton::THeaderDragButton(TComponent* AOwner) : TCustomControl(AOwner) {
    SetColor(clBtnFace);
    SetVisible(false);
    SetEnabled(false);
}

void THeaderDragButton::SetCaption(const String& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    Invalidate();
}

void THeaderDragButton::Paint() {
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    if (FGrid) {
        // The look of the grid's top-left header cell, so the button reads as the header it carries.
        TColor fill = FGrid->FixedColor();
        FGrid->DoGetCellColor(0, 0, gdFixed, canvas->Brush(), canvas->Font());
        if (canvas->Brush()->Color() == clNone) canvas->Brush()->SetColor(fill);
        canvas->SetFont(FGrid->FixedFont());
    } else {
        canvas->Brush()->SetColor(Color());
    }
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(r);
    // The one-pixel border of a floating window.
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetColor(clWindowFrame);
    canvas->Rectangle(r);
    r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    if (FCaption.contains("</")) {
        TMarkupInput in;
        in.Canvas = canvas;
        in.Text = FCaption;
        in.Rect = r;
        in.Images = FGrid ? FGrid->GridImages() : nullptr;
        TMarkupOutput out;
        RenderMarkup(in, out);
    } else {
        DrawText(canvas, FCaption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
}
