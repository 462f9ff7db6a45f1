// The attached caption label: its place beside the control and the state it takes from the control.
#include "controls/editors/AttachedLabel.h"

#include "toolkit/graphics/Canvas.h"

TPoint AttachedLabelOrigin(const TRect& c, TSize l, int tw, TLabelPosition position, int m) {
    const int centredTop = c.Top + (c.Height() - l.cy) / 2;
    const int centredLeft = c.Left + (c.Width() - l.cx) / 2;
    const int bottomTop = c.Top + c.Height() - l.cy;
    switch (position) {
    case lpLeftTop:
        return TPoint(c.Left - tw - m, c.Top);
    case lpLeftCenter:
        return TPoint(c.Left - tw - m, centredTop);
    case lpLeftBottom:
        return TPoint(c.Left - tw - m, bottomTop);
    case lpTopLeft:
        return TPoint(c.Left, c.Top - l.cy - m);
    case lpBottomLeft:
        return TPoint(c.Left, c.Top + c.Height() + m);
    case lpLeftTopLeft:
        return TPoint(c.Left - m, c.Top);
    case lpLeftCenterLeft:
        return TPoint(c.Left - m, centredTop);
    case lpLeftBottomLeft:
        return TPoint(c.Left - m, bottomTop);
    case lpTopCenter:
        return TPoint(centredLeft, c.Top - l.cy - m);
    case lpBottomCenter:
        return TPoint(centredLeft, c.Top + c.Height() + m);
    case lpRightTop:
        return TPoint(c.Left + c.Width() + m, c.Top);
    case lpRightCenter:
        return TPoint(c.Left + c.Width() + m, centredTop);
    case lpRighBottom:
        return TPoint(c.Left + c.Width() + m, bottomTop);
    case lpTopRight:
        return TPoint(c.Left + c.Width() - l.cx, c.Top - l.cy - m);
    case lpBottomRight:
        return TPoint(c.Left + c.Width() - l.cx, c.Top + c.Height() + m);
    }
    return TPoint(c.Left, c.Top);
}

int AttachedLabelTextWidth(TLabel* label) {
    if (label->Caption().isEmpty()) return 0;
    TCanvas* canvas = label->Canvas();
    canvas->SetFont(label->Font());
    TRect r(0, 0, 1000, 255);
    DrawText(canvas, label->Caption(), r, DT_CALCRECT | DT_NOPREFIX | DT_LEFT);
    return r.Right;
}

TAttachedLabel::TAttachedLabel(TWinControl* Control) : FControl(Control), FFont(std::make_unique<TFont>()) {}

TAttachedLabel::~TAttachedLabel() = default;

void TAttachedLabel::SetCaption(const String& v, const std::function<void(TLabel*)>& made) {
    if (!FLabel) {
        FLabel = new TLabel(FControl);
        FLabel->SetParent(FControl->Parent());
        if (made) made(FLabel);
    }
    FLabel->SetCaption(v);
    Place();
}

void TAttachedLabel::SetPosition(TLabelPosition v) {
    FPosition = v;
    Place();
}

void TAttachedLabel::SetMargin(int v) {
    FMargin = v;
    Place();
}

void TAttachedLabel::SetTransparent(bool v) {
    FTransparent = v;
    Place();
}

void TAttachedLabel::SetAlwaysEnabled(bool v) {
    FAlwaysEnabled = v;
    if (FLabel && v) FLabel->SetEnabled(true);
    Place();
}

void TAttachedLabel::Place() {
    if (!FLabel || FControl->IsDestroying()) return;
    FLabel->SetTransparent(FTransparent);
    const int tw = AttachedLabelTextWidth(FLabel);
    const TPoint at = AttachedLabelOrigin(FControl->BoundsRect(), TSize{FLabel->Width(), FLabel->Height()},
                                          tw, FPosition, FMargin);
    FLabel->SetBounds(at.X, at.Y, FLabel->Width(), FLabel->Height());
    FLabel->SetVisible(FControl->Visible());
}

void TAttachedLabel::ControlEnabled(bool Enabled) {
    if (!FLabel || FAlwaysEnabled) return;
    FLabel->SetEnabled(Enabled);
    Place();
}

void TAttachedLabel::ControlParent(TWinControl* Parent) {
    if (!FLabel || FControl->IsDestroying()) return;
    FLabel->SetParent(Parent);
    Place();
}

void TAttachedLabel::SetBold(bool Bold) {
    if (!FLabel) return;
    const TFontStyles s = FLabel->Font()->Style();
    FLabel->Font()->SetStyle(Bold ? (s | fsBold) : (s & ~TFontStyles(fsBold)));
}

void TAttachedLabel::Free() {
    delete FLabel;
    FLabel = nullptr;
}
