// TPanel, TShape, TBevel and TImage: controls that paint themselves with the canvas.
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/system/DesignValue.h"

#include <QFile>
#include <QWidget>

namespace {
// One ring of a 3-D frame, `width` pixels thick, drawn inside `r`, which then shrinks by it.
void ExtFrame3D(TCanvas* canvas, TRect& r, TColor topLeft, TColor bottomRight, int width) {
    for (int i = 0; i < width && !r.IsEmpty(); ++i) {
        canvas->Pen()->SetWidth(1);
        canvas->Pen()->SetStyle(psSolid);
        canvas->Pen()->SetColor(topLeft);
        canvas->MoveTo(r.Left, r.Bottom - 1);
        canvas->LineTo(r.Left, r.Top);
        canvas->LineTo(r.Right - 1, r.Top);
        canvas->Pen()->SetColor(bottomRight);
        canvas->LineTo(r.Right - 1, r.Bottom - 1);
        canvas->LineTo(r.Left - 1, r.Bottom - 1);
        r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    }
}

void ExtBevelRing(TCanvas* canvas, TRect& r, TPanelBevel bevel, int width, TColor face) {
    if (bevel == bvNone) return;
    if (bevel == bvSpace)
        ExtFrame3D(canvas, r, face, face, width);
    else if (bevel == bvRaised)
        ExtFrame3D(canvas, r, clBtnHighlight, clBtnShadow, width);
    else
        ExtFrame3D(canvas, r, clBtnShadow, clBtnHighlight, width);
}

// A design names a picture by its resource path ("images/logo.png"), a ":/" resource or a file path.
String ExtPicturePath(const String& v) {
    if (v.startsWith(":/") || QFile::exists(v)) return v;
    return ":/" + v;
}
} // namespace

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 185, 41);
    FControlStyle |= csAcceptsControls | csOpaque;
}

void TPanel::Changed() {
    Invalidate();
    Realign();
}

void TPanel::SetBevelOuter(TPanelBevel v) {
    FBevelOuter = v;
    Changed();
}

void TPanel::SetBevelInner(TPanelBevel v) {
    FBevelInner = v;
    Changed();
}

void TPanel::SetBevelWidth(int v) {
    FBevelWidth = std::max(1, v);
    Changed();
}

void TPanel::SetBorderWidth(int v) {
    FBorderWidth = std::max(0, v);
    Changed();
}

void TPanel::SetBorderStyle(int v) {
    FBorderStyle = v;
    Changed();
}

void TPanel::SetAlignment(TAlignment v) {
    FAlignment = v;
    Invalidate();
}

void TPanel::SetVerticalAlignment(TVerticalAlignment v) {
    FVerticalAlignment = v;
    Invalidate();
}

void TPanel::SetShowCaption(bool v) {
    FShowCaption = v;
    Invalidate();
}

void TPanel::TextChanged() {
    Invalidate();
    TCustomControl::TextChanged();
}

TRect TPanel::AdjustedClientRect() const {
    int inset = FBorderWidth + (FBorderStyle ? 1 : 0);
    if (FBevelOuter != bvNone) inset += FBevelWidth;
    if (FBevelInner != bvNone) inset += FBevelWidth;
    TRect r = ClientRect();
    return TRect(r.Left + inset, r.Top + inset, std::max(r.Left + inset, r.Right - inset),
                 std::max(r.Top + inset, r.Bottom - inset));
}

void TPanel::Paint() {
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    if (FBorderStyle) ExtFrame3D(canvas, r, clWindowFrame, clWindowFrame, 1);
    ExtBevelRing(canvas, r, FBevelOuter, FBevelWidth, Color());
    ExtFrame3D(canvas, r, Color(), Color(), FBorderWidth);
    ExtBevelRing(canvas, r, FBevelInner, FBevelWidth, Color());
    if (!FShowCaption || Caption().isEmpty()) return;
    canvas->SetFont(Font());
    if (!Enabled()) canvas->Font()->SetColor(clGrayText);
    unsigned flags = DT_SINGLELINE | DT_EXPANDTABS;
    flags |= FAlignment == taCenter ? DT_CENTER : FAlignment == taRightJustify ? DT_RIGHT : DT_LEFT;
    flags |= FVerticalAlignment == taVerticalCenter ? unsigned(DT_VCENTER)
             : FVerticalAlignment == taAlignBottom  ? unsigned(DT_BOTTOM)
                                                    : 0u;
    DrawText(canvas, Caption(), r, flags);
}

bool TPanel::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "bevelouter")
        SetBevelOuter(DesignEnumOf<TPanelBevel>(v, bvRaised, bvNone, bvSpace));
    else if (n == "bevelinner")
        SetBevelInner(DesignEnumOf<TPanelBevel>(v, bvNone, bvNone, bvSpace));
    else if (n == "bevelwidth")
        SetBevelWidth(v.AsInt());
    else if (n == "borderwidth")
        SetBorderWidth(v.AsInt());
    else if (n == "borderstyle")
        SetBorderStyle(DesignEnum(v, 0));
    else if (n == "alignment")
        SetAlignment(DesignEnumOf<TAlignment>(v, taCenter, taLeftJustify, taCenter));
    else if (n == "verticalalignment")
        SetVerticalAlignment(
            DesignEnumOf<TVerticalAlignment>(v, taVerticalCenter, taAlignTop, taVerticalCenter));
    else if (n == "showcaption")
        SetShowCaption(v.AsBool());
    else if (n == "parentbackground")
        SetParentBackground(v.AsBool());
    else
        return TCustomControl::ReadProperty(name, v);
    return true;
}

// ---------------------------------------------------------------------------------------------------------

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 65, 65);
    FPen.OnChange = [this](TObject*) { Invalidate(); };
    FBrush.OnChange = [this](TObject*) { Invalidate(); };
}

void TShape::SetShape(TShapeType v) {
    FShape = v;
    Invalidate();
}

void TShape::SyncWidget() {
    TGraphicControl::SyncWidget();
    // Only the shape itself is drawn; what lies behind shows around it.
    if (FWidget) FWidget->setAutoFillBackground(false);
}

void TShape::Paint() {
    TCanvas* canvas = Canvas();
    canvas->SetPen(&FPen);
    canvas->SetBrush(&FBrush);
    int pw = FPen.Style() == psClear ? 0 : FPen.Width();
    int x = pw / 2, y = x;
    int w = Width() - pw + 1, h = Height() - pw + 1;
    if (pw == 0) {
        --w;
        --h;
    }
    if (w < h && (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle)) {
        y += (h - w) / 2;
        h = w;
    } else if (h < w && (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle)) {
        x += (w - h) / 2;
        w = h;
    }
    switch (FShape) {
    case stRectangle:
    case stSquare:
        canvas->Rectangle(x, y, x + w, y + h);
        break;
    case stRoundRect:
    case stRoundSquare: {
        int s = std::min(w, h) / 4;
        canvas->RoundRect(x, y, x + w, y + h, s, s);
        break;
    }
    case stEllipse:
    case stCircle:
        canvas->Ellipse(x, y, x + w, y + h);
        break;
    }
}

bool TShape::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "shape")
        SetShape(DesignEnumOf<TShapeType>(v, stRectangle, stRectangle, stCircle));
    else if (n == "pen.color")
        FPen.SetColor(DesignColor(v));
    else if (n == "pen.width")
        FPen.SetWidth(v.AsInt());
    else if (n == "pen.style")
        FPen.SetStyle(DesignEnumOf<TPenStyle>(v, psSolid, psSolid, psInsideFrame));
    else if (n == "brush.color")
        FBrush.SetColor(DesignColor(v));
    else if (n == "brush.style")
        FBrush.SetStyle(DesignEnumOf<TBrushStyle>(v, bsSolid, bsSolid, bsDiagCross));
    else
        return TGraphicControl::ReadProperty(name, v);
    return true;
}

// ---------------------------------------------------------------------------------------------------------

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape v) {
    FShape = v;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle v) {
    FStyle = v;
    Invalidate();
}

void TBevel::SyncWidget() {
    TGraphicControl::SyncWidget();
    if (FWidget) FWidget->setAutoFillBackground(false);
}

void TBevel::Paint() {
    TCanvas* canvas = Canvas();
    TColor dark = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    TColor light = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    canvas->Pen()->SetWidth(1);
    auto line = [&](TColor c, int x1, int y1, int x2, int y2) {
        canvas->Pen()->SetColor(c);
        canvas->MoveTo(x1, y1);
        canvas->LineTo(x2, y2);
    };
    int w = Width(), h = Height();
    TRect r = ClientRect();
    switch (FShape) {
    case bsBox:
        ExtFrame3D(canvas, r, dark, light, 1);
        break;
    case bsFrame: {
        TRect outer(0, 0, w - 1, h - 1);
        ExtFrame3D(canvas, outer, dark, dark, 1);
        TRect inner(1, 1, w, h);
        ExtFrame3D(canvas, inner, light, light, 1);
        break;
    }
    case bsTopLine:
        line(dark, 0, 0, w, 0);
        line(light, 0, 1, w, 1);
        break;
    case bsBottomLine:
        line(dark, 0, h - 2, w, h - 2);
        line(light, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        line(dark, 0, 0, 0, h);
        line(light, 1, 0, 1, h);
        break;
    case bsRightLine:
        line(dark, w - 2, 0, w - 2, h);
        line(light, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}

bool TBevel::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "shape")
        SetShape(DesignEnumOf<TBevelShape>(v, bsBox, bsBox, bsSpacer));
    else if (n == "style")
        SetStyle(DesignEnumOf<TBevelStyle>(v, bsLowered, bsLowered, bsRaised));
    else
        return TGraphicControl::ReadProperty(name, v);
    return true;
}

// ---------------------------------------------------------------------------------------------------------

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 105, 105);
    FPicture.OnChange = [this](TObject*) { PictureChanged(); };
}

void TImage::PictureChanged() {
    if (FPicture.Graphic() && FTransparent != FPicture.Graphic()->Transparent())
        FPicture.Graphic()->SetTransparent(FTransparent);
    if (AutoSize() && FPicture.Width() > 0 && FPicture.Height() > 0)
        SetBounds(Left(), Top(), FPicture.Width(), FPicture.Height());
    Invalidate();
}

void TImage::SetStretch(bool v) {
    FStretch = v;
    Invalidate();
}

void TImage::SetCenter(bool v) {
    FCenter = v;
    Invalidate();
}

void TImage::SetProportional(bool v) {
    FProportional = v;
    Invalidate();
}

void TImage::SetTransparent(bool v) {
    FTransparent = v;
    if (FPicture.Graphic()) FPicture.Graphic()->SetTransparent(v);
    Invalidate();
}

void TImage::SetAutoSize(bool v) {
    TGraphicControl::SetAutoSize(v);
    PictureChanged();
}

TRect TImage::DestRect() const {
    int w = FPicture.Width(), h = FPicture.Height();
    int cw = ClientWidth(), ch = ClientHeight();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            double aspect = double(w) / h;
            if (w > h) {
                w = cw;
                h = int(cw / aspect);
                if (h > ch) {
                    h = ch;
                    w = int(ch * aspect);
                }
            } else {
                h = ch;
                w = int(ch * aspect);
                if (w > cw) {
                    w = cw;
                    h = int(cw / aspect);
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect r(0, 0, w, h);
    if (FCenter) {
        int dx = (cw - w) / 2, dy = (ch - h) / 2;
        r = TRect(dx, dy, dx + w, dy + h);
    }
    return r;
}

void TImage::SyncWidget() {
    TGraphicControl::SyncWidget();
    if (FWidget) FWidget->setAutoFillBackground(false);
}

void TImage::Paint() {
    if (TGraphic* g = FPicture.Graphic(); g && !g->Empty()) g->Draw(Canvas(), DestRect());
}

bool TImage::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "picture" || n == "picture.file")
        FPicture.LoadFromFile(ExtPicturePath(v.AsString()));
    else if (n == "stretch")
        SetStretch(v.AsBool());
    else if (n == "center")
        SetCenter(v.AsBool());
    else if (n == "proportional")
        SetProportional(v.AsBool());
    else if (n == "transparent")
        SetTransparent(v.AsBool());
    else
        return TGraphicControl::ReadProperty(name, v);
    return true;
}
