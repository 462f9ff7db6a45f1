// The grid's hint window: markup hints measured and drawn by the markup renderer.
#include "controls/grid/HTMLHintWindow.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/QvUtil.h"
#include "controls/markup/QsgHTMLE.h"
#include "toolkit/graphics/Canvas.h"

namespace {

// A hint is never laid out wider than this, whatever room the screen has.
constexpr int kHTMLHintMaxWidth = 1008;

// Links in hints are blue (the colour value keeps red in its low byte).
constexpr TColor kHTMLHintLinkColor = 0xFF0000;

String& wideHintFont() {
    static String name;
    return name;
}

} // namespace

void SetWideHintFontName(const String& Name) {
    wideHintFont() = Name;
}

String WideHintFontName() {
    return wideHintFont();
}

THTMLHintWindow::THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

bool THTMLHintWindow::IsWide(const String& AHint) const {
    return AHint.startsWith(QLatin1String("|\\"));
}

TPoint THTMLHintWindow::Measure(const String& AHint, int MaxWidth) {
    TCanvas* c = Canvas();
    c->SetFont(Font());
    if (IsWide(AHint)) {
        if (!wideHintFont().isEmpty()) c->Font()->SetName(wideHintFont());
        const String plain = DecodeWideCellText(AHint);
        return TPoint(c->TextWidth(plain), c->TextHeight(plain));
    }
    TMarkupInput in;
    in.Canvas = c;
    in.Text = AHint;
    in.Rect = TRect(0, 0, std::max(MaxWidth, 1), 4096);
    in.Images = FImages;
    in.PicContainer = FPictureContainer;
    in.CheckHeight = true;
    in.WordWrap = true;
    in.ShadowOffset = 1;
    in.ShadowColor = clGray;
    in.URLColor = kHTMLHintLinkColor;
    TMarkupOutput out;
    RenderMarkup(in, out);
    return TPoint(out.XSize, out.YSize);
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const String& AHint, TObject*) {
    const TPoint size = Measure(AHint, MaxWidth);
    return TRect(0, 0, size.X, size.Y);
}

void THTMLHintWindow::ActivateHintData(const TRect& ARect, const String& AHint, TObject* AData) {
    if (auto* grid = dynamic_cast<TQvStringGrid*>(AData)) FImages = grid->GridImages();
    ActivateHint(ARect, AHint);
}

void THTMLHintWindow::ActivateHint(const TRect& ARect, const String& AHint) {
    SetCaption(AHint);
    const bool wide = IsWide(AHint);
    FWideCaption = wide ? DecodeWideCellText(AHint) : String();
    const TPoint size = Measure(AHint, kHTMLHintMaxWidth);
    FTextWidth = size.X;
    FTextHeight = size.Y;
    const TRect r(ARect.Left, ARect.Top, ARect.Left + FTextWidth + (wide ? 8 : 16),
                  ARect.Top + FTextHeight + 4);
    SetBoundsRect(KeepOnMonitor(r));
    HandleNeeded();
    Show();
    Widget()->raise();
    Invalidate();
}

void THTMLHintWindow::Paint() {
    TCanvas* c = Canvas();
    const TRect client = ClientRect();
    c->Brush()->SetColor(Color());
    c->FillRect(client);
    c->Pen()->SetColor(cl3DLight);
    c->MoveTo(client.Left, client.Bottom - 1);
    c->LineTo(client.Left, client.Top);
    c->LineTo(client.Right - 1, client.Top);
    c->Pen()->SetColor(cl3DDkShadow);
    c->LineTo(client.Right - 1, client.Bottom - 1);
    c->LineTo(client.Left, client.Bottom - 1);
    const int top = (client.Height() - FTextHeight) / 2;
    TRect text(client.Left + 4, top, client.Right - 4, top + FTextHeight + 8);
    c->Brush()->SetStyle(bsClear);
    if (IsWide(Caption())) {
        c->SetFont(Font());
        if (!wideHintFont().isEmpty()) c->Font()->SetName(wideHintFont());
        DrawText(c, FWideCaption, text, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    TMarkupInput in;
    in.Canvas = c;
    in.Text = Caption();
    in.Rect = text;
    in.Images = FImages;
    in.PicContainer = FPictureContainer;
    in.WordWrap = false;
    in.Blink = false;
    in.ShadowOffset = 1;
    in.ShadowColor = clGray;
    in.URLColor = kHTMLHintLinkColor;
    TMarkupOutput out;
    RenderMarkup(in, out);
}

THintWindow* CreateHTMLHintWindow(TComponent* AOwner) {
    return new THTMLHintWindow(AOwner);
}
