// The string grid's print preview pages for the toolkit's preview window: each page drawn by the grid's
// preview when the window shows it, from the layout its first pass kept.
#pragma once

#include "toolkit/stdctrls/PrintPreview.h"

class TQvStringGrid;

class GridPreviewPages : public IPreviewPages {
public:
    // Page: the paper in pixels at 96 dpi (A4 portrait by default).
    explicit GridPreviewPages(TQvStringGrid& Grid, TSize Page = TSize{794, 1123});
    int PageCount() override;
    TSize PageSize() override { return FPage; }
    void DrawPage(int Page, TCanvas* Canvas, const TRect& Rect) override;

private:
    TQvStringGrid& FGrid;
    TSize FPage;
};
