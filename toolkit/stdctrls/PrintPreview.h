// The print preview window: one page at a time, drawn on demand by whoever owns the pages, paged, zoomed
// and scrolled by keyboard.
#pragma once

#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/Canvas.h"

#include <memory>

class QImage;

// The pages a preview shows. Page numbers count from 1; a page is drawn into Rect (0, 0, page width, page
// height in pixels at 96 dpi) of a canvas that may be scaled.
class IPreviewPages {
public:
    virtual ~IPreviewPages() = default;
    virtual int PageCount() = 0;
    virtual TSize PageSize() = 0;
    virtual void DrawPage(int Page, TCanvas* Canvas, const TRect& Rect) = 0;
};

// The page view: the current page on a grey desk, scaled by Zoom, with its place scrolled into view.
// Keys: Page Down and Page Up (also Ctrl+End and Ctrl+Home to the last and first page, Home and End within
// the page) turn the page; + and - zoom by steps, 0 fits the whole page; the arrows scroll a zoomed page.
class TPreviewPageView : public TCustomControl {
public:
    TPreviewPageView(TComponent* AOwner, IPreviewPages& Pages);
    ~TPreviewPageView() override;
    String ClassName() const override { return "TPreviewPageView"; }

    int Page() const { return FPage; }
    void SetPage(int Value);
    int PageCount() const { return FPageCount; }
    double Zoom() const { return FZoom; }
    void SetZoom(double Value);
    // The zoom at which the whole page fits the view.
    double FitZoom() const;
    TPoint Scroll() const { return FScroll; }
    // Counts the pages again and draws the current one anew (after the pages changed).
    void Refresh();
    // The image of the current page as last drawn (null before the first paint).
    const QImage* PageImage() const { return FImage.get(); }

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void Resize() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    LRESULT DialogCode() const override { return DLGC_WANTARROWS; }

private:
    void Changed();
    void ScrollBy(int dx, int dy);
    void ClampScroll();
    TRect PageBox() const;

    IPreviewPages& FPages;
    int FPage = 1, FPageCount = 0;
    double FZoom = 0; // 0: fit the view
    TPoint FScroll;
    std::unique_ptr<QImage> FImage;
    int FImagePage = 0;
    double FImageZoom = 0;
};

// The window around the view: its caption tells the page and the zoom; Escape closes it.
class TPrintPreviewForm : public TForm {
public:
    TPrintPreviewForm(TComponent* AOwner, IPreviewPages& Pages);
    String ClassName() const override { return "TPrintPreviewForm"; }
    TPreviewPageView* View() const { return FView; }

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;

private:
    void UpdateCaption();
    TPreviewPageView* FView;
};
