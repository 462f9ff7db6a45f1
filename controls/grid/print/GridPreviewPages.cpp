#include "controls/grid/print/GridPreviewPages.h"

#include "controls/grid/QvGrid.h"

GridPreviewPages::GridPreviewPages(TQvStringGrid& Grid, TSize Page) : FGrid(Grid), FPage(Page) {}

int GridPreviewPages::PageCount() {
    // A preview of page 1 onto a canvas without a surface lays the pages out (and keeps the layout for
    // the pages drawn next) without painting anything.
    TCanvas count;
    DrawPage(1, &count, TRect(0, 0, FPage.cx, FPage.cy));
    return FGrid.PrintNrOfPages();
}

void GridPreviewPages::DrawPage(int Page, TCanvas* Canvas, const TRect& Rect) {
    FGrid.SetPreviewPage(Page);
    FGrid.PrintPreview(Canvas, Rect);
}
