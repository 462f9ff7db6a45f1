// TLabel: a caption painted with the canvas, measured for AutoSize without a window.
#include "toolkit/graphics/Canvas.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/DesignValue.h"

#include <QWidget>

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 65, 17);
    TControl::SetAutoSize(true);
    FControlStyle |= csOpaque;
}

void TLabel::SetAlignment(TAlignment v) {
    if (v == FAlignment) return;
    FAlignment = v;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout v) {
    if (v == FLayout) return;
    FLayout = v;
    Invalidate();
}

void TLabel::SetWordWrap(bool v) {
    if (v == FWordWrap) return;
    FWordWrap = v;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool v) {
    if (v == FTransparent) return;
    FTransparent = v;
    if (FWidget) FWidget->setAutoFillBackground(!v);
    Invalidate();
}

void TLabel::SetShowAccelChar(bool v) {
    if (v == FShowAccelChar) return;
    FShowAccelChar = v;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetAutoSize(bool v) {
    TControl::SetAutoSize(v);
    AdjustBounds();
}

unsigned TLabel::DrawTextFlags() const {
    unsigned flags = DT_EXPANDTABS;
    if (FWordWrap) flags |= DT_WORDBREAK;
    if (!FShowAccelChar) flags |= DT_NOPREFIX;
    if (FAlignment == taCenter)
        flags |= DT_CENTER;
    else if (FAlignment == taRightJustify)
        flags |= DT_RIGHT;
    return flags;
}

void TLabel::AdjustBounds() {
    if (!AutoSize() || IsLoading() || Align() == alClient) return;
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    String text = Caption();
    // An empty caption still has the height of a line, as on the platform.
    if (text.isEmpty() || (FShowAccelChar && text == "&")) text += ' ';
    TRect r(0, 0, FWordWrap ? Width() : 0, 0);
    DrawText(canvas, text, r, DrawTextFlags() | DT_CALCRECT);
    int left = Left();
    int w = FWordWrap ? Width() : r.Width();
    if (!FWordWrap && FAlignment == taRightJustify)
        left = Left() + Width() - w;
    else if (!FWordWrap && FAlignment == taCenter)
        left = Left() + (Width() - w) / 2;
    SetBounds(left, Top(), w, r.Height());
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::TextChanged() {
    AdjustBounds();
    TGraphicControl::TextChanged();
}

void TLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TLabel::SyncWidget() {
    TGraphicControl::SyncWidget();
    if (FWidget) FWidget->setAutoFillBackground(!FTransparent);
}

void TLabel::Paint() {
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    if (!Enabled()) canvas->Font()->SetColor(clGrayText);
    unsigned flags = DrawTextFlags();
    TRect r = ClientRect();
    if (FLayout != tlTop) {
        TRect calc = r;
        String text = Caption().isEmpty() ? String(" ") : Caption();
        DrawText(canvas, text, calc, flags | DT_CALCRECT);
        int offset = FLayout == tlCenter ? (r.Height() - calc.Height()) / 2 : r.Height() - calc.Height();
        r.Top += offset;
    }
    DrawText(canvas, Caption(), r, flags);
}

bool TLabel::ReadProperty(const String& name, const TDesignValue& v) {
    const QString n = name.toLower();
    if (n == "alignment")
        SetAlignment(DesignEnumOf<TAlignment>(v, taLeftJustify, taLeftJustify, taCenter));
    else if (n == "layout")
        SetLayout(DesignEnumOf<TTextLayout>(v, tlTop, tlTop, tlBottom));
    else if (n == "wordwrap")
        SetWordWrap(v.AsBool());
    else if (n == "transparent")
        SetTransparent(v.AsBool());
    else if (n == "showaccelchar")
        SetShowAccelChar(v.AsBool());
    else
        return TGraphicControl::ReadProperty(name, v);
    return true;
}
