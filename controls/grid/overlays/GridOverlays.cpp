// The arrow windows, the focus frame window and the floating cell snapshot.
#include "controls/grid/overlays/GridOverlays.h"
#include "controls/grid/overlays/GridAlphaMask.h"

#include "toolkit/graphics/Canvas.h"
#include "toolkit/stdctrls/ExtCtrls.h"

namespace {

// The seven corners of each arrow, by direction.
constexpr std::array<std::array<TPoint, 7>, 4> kArrows = {{
    {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}},
    {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}},
    {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}},
    {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}},
}};

// The arrows' green.
constexpr TColor kArrowColor = 0x00FF00;
// The frame window's own colour, never seen: it paints only its pixels.
constexpr TColor kFocusWindowColor = 0x0000FF;
// How much of what lies below shows through the snapshot.
constexpr int kSnapshotAlpha = 192;

} // namespace

TArrowWindow::TArrowWindow(TComponent* AOwner) : TOverlayControl(AOwner) {}

void TArrowWindow::Init(TControl* Owner, TArrowDirection Direction) {
    Dir = Direction;
    Arrow = kArrows[size_t(Direction)];
    SetColor(kArrowColor);
    TWindowRegion region;
    int w = 0, h = 0;
    for (const TPoint& p : Arrow) {
        region.Polygon.push_back(p);
        w = std::max(w, p.X + 1);
        h = std::max(h, p.Y + 1);
    }
    SetBounds(Left(), Top(), w, h);
    SetRegion(region);
    SetHost(Owner);
    Hide();
}

void TArrowWindow::Paint() {
    TCanvas* c = Canvas();
    c->Pen()->SetColor(Color());
    c->Brush()->SetColor(Color());
    c->Brush()->SetStyle(bsSolid);
    c->Rectangle(ClientRect());
}

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TOverlayControl(AOwner) {
    SetBounds(0, 0, 0, 0);
    SetColor(kFocusWindowColor);
    SetEnabled(false);
    SetLayered(true);
}

TGridFocusWindow::~TGridFocusWindow() = default;

void TGridFocusWindow::SetLayeredPixels(const TGridAlphaMask& Mask) {
    if (Mask.Empty()) {
        FPixels.reset();
        Invalidate();
        return;
    }
    FPixels = std::make_unique<TBitmap>();
    FPixels->SetSize(Mask.Width(), Mask.Height());
    // The whole window's opacity scales every premultiplied part alike.
    const double opacity = Mask.Opacity / 255.0;
    for (int y = 0; y < Mask.Height(); ++y) {
        const uint32_t* in = Mask.ScanLine(y);
        uint32_t* out = FPixels->ScanLine(y);
        for (int x = 0; x < Mask.Width(); ++x) {
            uint32_t p = 0;
            for (int shift = 0; shift < 32; shift += 8)
                p |= uint32_t(std::nearbyint(((in[x] >> shift) & 0xFF) * opacity)) << shift;
            out[x] = p;
        }
    }
    Invalidate();
}

void TGridFocusWindow::Paint() {
    if (FPixels) Canvas()->Draw(0, 0, FPixels.get());
}

TNoActiveForm::TNoActiveForm(TComponent* AOwner) : TOverlayControl(AOwner), FImage(new TImage(this)) {
    FImage->SetParent(this);
    FImage->SetAlign(alClient);
    FImage->SetStretch(true);
    SetAlphaBlendValue(kSnapshotAlpha);
}
