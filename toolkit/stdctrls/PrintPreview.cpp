// The print preview window: the page view over a cached image of the current page, and its form.
#include "toolkit/stdctrls/PrintPreview.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kPreviewDesk = 12; // grey room around the page
constexpr int kPreviewScrollStep = 40;
constexpr double kPreviewZoomStep = 1.25;
constexpr double kPreviewMinZoom = 0.1, kPreviewMaxZoom = 8.0;
} // namespace

TPreviewPageView::TPreviewPageView(TComponent* AOwner, IPreviewPages& Pages)
    : TCustomControl(AOwner), FPages(Pages) {
    SetTabStop(true);
    FPageCount = std::max(FPages.PageCount(), 0);
}

TPreviewPageView::~TPreviewPageView() = default;

void TPreviewPageView::Changed() {
    ClampScroll();
    Invalidate();
    if (OnChange) OnChange(this);
}

void TPreviewPageView::SetPage(int Value) {
    Value = std::clamp(Value, 1, std::max(FPageCount, 1));
    if (Value == FPage) return;
    FPage = Value;
    FScroll = TPoint(0, 0);
    Changed();
}

double TPreviewPageView::FitZoom() const {
    const TSize page = FPages.PageSize();
    if (page.cx <= 0 || page.cy <= 0) return 1.0;
    const double zx = double(std::max(Width() - 2 * kPreviewDesk, 1)) / page.cx;
    const double zy = double(std::max(Height() - 2 * kPreviewDesk, 1)) / page.cy;
    return std::clamp(std::min(zx, zy), kPreviewMinZoom, kPreviewMaxZoom);
}

void TPreviewPageView::SetZoom(double Value) {
    Value = Value <= 0 ? 0 : std::clamp(Value, kPreviewMinZoom, kPreviewMaxZoom);
    if (Value == FZoom) return;
    FZoom = Value;
    Changed();
}

void TPreviewPageView::Refresh() {
    FPageCount = std::max(FPages.PageCount(), 0);
    FPage = std::clamp(FPage, 1, std::max(FPageCount, 1));
    FImagePage = 0;
    Changed();
}

TRect TPreviewPageView::PageBox() const {
    const TSize page = FPages.PageSize();
    const double zoom = FZoom > 0 ? FZoom : FitZoom();
    const int w = std::max(1, int(std::lround(page.cx * zoom))),
              h = std::max(1, int(std::lround(page.cy * zoom)));
    // A page smaller than the view sits in its middle; a larger one starts at the desk's edge, scrolled.
    const int left = w + 2 * kPreviewDesk <= Width() ? (Width() - w) / 2 : kPreviewDesk - FScroll.X;
    const int top = h + 2 * kPreviewDesk <= Height() ? (Height() - h) / 2 : kPreviewDesk - FScroll.Y;
    return TRect(left, top, left + w, top + h);
}

void TPreviewPageView::ClampScroll() {
    const TRect box = PageBox();
    const int maxX = std::max(0, box.Width() + 2 * kPreviewDesk - Width());
    const int maxY = std::max(0, box.Height() + 2 * kPreviewDesk - Height());
    FScroll = TPoint(std::clamp(FScroll.X, 0, maxX), std::clamp(FScroll.Y, 0, maxY));
}

void TPreviewPageView::ScrollBy(int dx, int dy) {
    const TPoint before = FScroll;
    FScroll = TPoint(FScroll.X + dx, FScroll.Y + dy);
    ClampScroll();
    if (FScroll != before) Invalidate();
}

void TPreviewPageView::Resize() {
    TCustomControl::Resize();
    ClampScroll();
    Invalidate();
}

void TPreviewPageView::KeyDown(Word& Key, TShiftState Shift) {
    const bool ctrl = Shift & ssCtrl;
    const double zoom = FZoom > 0 ? FZoom : FitZoom();
    switch (Key) {
    case VK_NEXT:
        SetPage(FPage + 1);
        break;
    case VK_PRIOR:
        SetPage(FPage - 1);
        break;
    case VK_HOME:
        if (ctrl)
            SetPage(1);
        else
            ScrollBy(-FScroll.X, -FScroll.Y);
        break;
    case VK_END:
        if (ctrl)
            SetPage(FPageCount);
        else
            ScrollBy(1 << 20, 1 << 20);
        break;
    case VK_OEM_PLUS:
    case VK_ADD:
        SetZoom(zoom * kPreviewZoomStep);
        break;
    case VK_OEM_MINUS:
    case VK_SUBTRACT:
        SetZoom(zoom / kPreviewZoomStep);
        break;
    case '0':
    case VK_NUMPAD0:
        SetZoom(0);
        break;
    case VK_LEFT:
        ScrollBy(-kPreviewScrollStep, 0);
        break;
    case VK_RIGHT:
        ScrollBy(kPreviewScrollStep, 0);
        break;
    case VK_UP:
        ScrollBy(0, -kPreviewScrollStep);
        break;
    case VK_DOWN:
        ScrollBy(0, kPreviewScrollStep);
        break;
    default:
        TCustomControl::KeyDown(Key, Shift);
        return;
    }
    Key = 0;
}

void TPreviewPageView::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clGray);
    c->FillRect(TRect(0, 0, Width(), Height()));
    if (FPageCount <= 0) return;
    const TRect box = PageBox();
    const double zoom = FZoom > 0 ? FZoom : FitZoom();
    // The page is drawn once for its page and zoom; scrolling and repaints show the same image.
    if (!FImage || FImagePage != FPage || FImageZoom != zoom || FImage->width() != box.Width() ||
        FImage->height() != box.Height()) {
        FImage = std::make_unique<QImage>(box.Width(), box.Height(), QImage::Format_RGB32);
        FImage->fill(Qt::white);
        QPainter p(FImage.get());
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(zoom, zoom);
        TCanvas page;
        page.Attach(&p);
        const TSize size = FPages.PageSize();
        FPages.DrawPage(FPage, &page, TRect(0, 0, size.cx, size.cy));
        FImagePage = FPage;
        FImageZoom = zoom;
    }
    if (QPainter* p = c->Painter()) p->drawImage(box.Left, box.Top, *FImage);
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetColor(clBlack);
    c->Pen()->SetWidth(1);
    c->Rectangle(TRect(box.Left - 1, box.Top - 1, box.Right + 1, box.Bottom + 1));
}

TPrintPreviewForm::TPrintPreviewForm(TComponent* AOwner, IPreviewPages& Pages) : TForm(AOwner) {
    SetKeyPreview(true);
    SetBounds(0, 0, 640, 800);
    FView = new TPreviewPageView(this, Pages);
    FView->SetParent(this);
    FView->SetAlign(alClient);
    FView->OnChange = [this](TObject*) { UpdateCaption(); };
    SetActiveControl(FView);
    UpdateCaption();
}

void TPrintPreviewForm::UpdateCaption() {
    const double zoom = FView->Zoom() > 0 ? FView->Zoom() : FView->FitZoom();
    const String zoomText = String::number(std::lround(zoom * 100)) + "%";
    SetCaption(FView->PageCount() > 0 ? String("Print preview - page %1 of %2 - %3")
                                            .arg(FView->Page())
                                            .arg(FView->PageCount())
                                            .arg(zoomText)
                                      : String("Print preview - no pages"));
}

void TPrintPreviewForm::KeyDown(Word& Key, TShiftState Shift) {
    if (Key == VK_ESCAPE && !(Shift & (ssCtrl | ssAlt | ssShift))) {
        Close();
        Key = 0;
        return;
    }
    TForm::KeyDown(Key, Shift);
}
