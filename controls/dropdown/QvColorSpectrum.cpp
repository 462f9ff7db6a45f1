// The colour spectrum panel: the generated picture, the swatches, the pointer and the mouse.
#include "controls/dropdown/QvColorSpectrum.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"

namespace {

constexpr int kSpectrumSize = 128;

std::unique_ptr<TBitmap> MakeSpectrumPicture() {
    auto b = std::make_unique<TBitmap>();
    b->SetSize(kSpectrumSize, kSpectrumSize);
    for (int y = 0; y < kSpectrumSize; ++y) {
        uint32_t* row = b->ScanLine(y);
        for (int x = 0; x < kSpectrumSize; ++x) {
            const TColor c = SpectrumColorAt(x, y, kSpectrumSize);
            row[x] = 0xFF000000u | (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) |
                     uint32_t(GetBValue(c));
        }
    }
    return b;
}

// A 16 x 16 ring, black outside and white inside, transparent elsewhere, hot spot in the middle.
void RegisterSpectrumPointer() {
    if (CursorRegistered(crSpectrumPointer)) return;
    TBitmap b;
    b.SetSize(16, 16);
    for (int y = 0; y < 16; ++y) {
        uint32_t* row = b.ScanLine(y);
        for (int x = 0; x < 16; ++x) {
            const double dx = x - 7.5, dy = y - 7.5, d2 = dx * dx + dy * dy;
            row[x] = d2 <= 49 && d2 >= 30 ? 0xFF000000u : d2 < 30 && d2 >= 16 ? 0xFFFFFFFFu : 0x00000000u;
        }
    }
    RegisterCursor(crSpectrumPointer, b, 8, 8);
}

} // namespace

TQvColorSpectrumPanel::TQvColorSpectrumPanel(TComponent* AOwner)
    : TQvCustomColorSelectorPanel(AOwner), FSpectrumImage(MakeSpectrumPicture()) {
    RegisterSpectrumPointer();
    ArrangeSpectrum();
}

TQvColorSpectrumPanel::~TQvColorSpectrumPanel() = default;

void TQvColorSpectrumPanel::ArrangeSpectrum() {
    SetBounds(Left(), Top(), 150, 174);
    const int left = (150 - kSpectrumSize) / 2;
    FPictureRect = TRect(left, 10, left + kSpectrumSize, 10 + kSpectrumSize);
    FSelectedRect = TRect(left - 1, FPictureRect.Bottom + 8, left + 64 - 2, FPictureRect.Bottom + 28);
    FHotRect =
        TRect(FSelectedRect.Right + 4, FSelectedRect.Top, FPictureRect.Right + 1, FSelectedRect.Bottom);
    FHotColor = clNone;
    Invalidate();
}

TColor TQvColorSpectrumPanel::ColorAt(int X, int Y) const {
    return SpectrumColorAt(X - FPictureRect.Left, Y - FPictureRect.Top, kSpectrumSize);
}

void TQvColorSpectrumPanel::Paint() {
    TCanvas* c = Canvas();
    FSpectrumImage->Draw(c, FPictureRect);
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetWidth(1);
    const TRect& p = FPictureRect;
    c->Pen()->SetColor(0xFFFFFF);
    c->Rectangle(p.Left - 1, p.Top - 1, p.Right + 1, p.Bottom + 1);
    c->Pen()->SetColor(0x808080);
    c->Rectangle(p.Left - 2, p.Top - 2, p.Right + 2, p.Bottom + 2);
    for (const auto& [r, color] :
         {std::pair{FSelectedRect, FSelectedColor}, std::pair{FHotRect, FHotColor}}) {
        c->Brush()->SetStyle(bsClear);
        c->Pen()->SetColor(0x808080);
        c->Rectangle(r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1);
        c->Pen()->SetColor(0xFFFFFF);
        c->Brush()->SetStyle(color == clNone ? bsClear : bsSolid);
        if (color != clNone) c->Brush()->SetColor(color);
        c->Rectangle(r);
    }
}

void TQvColorSpectrumPanel::MouseMove(TShiftState Shift, int X, int Y) {
    TQvCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const bool over = FPictureRect.Contains(TPoint(X, Y));
    SetCursor(over ? crSpectrumPointer : crDefault);
    if (!over) return;
    FHotColor = ColorAt(X, Y);
    Invalidate();
}

void TQvColorSpectrumPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TQvCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    if (!FPictureRect.Contains(TPoint(X, Y))) return;
    FHotColor = ColorAt(X, Y);
    FSelectedColor = FHotColor;
    Invalidate();
    if (OnSelect) OnSelect(this);
}

void TQvColorSpectrumPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TQvCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    if (OnShouldHide) OnShouldHide(this);
}
