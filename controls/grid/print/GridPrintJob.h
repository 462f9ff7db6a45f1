// The values of one print, preview or counting pass of the string grid, kept while the pass runs.
#pragma once

#include "controls/grid/QvGrid.h"

#include <vector>

// The 96-dpi designs are the screen's resolution: a screen pixel in tenths of a millimetre.
inline constexpr double kPrintScreenToPrint = 254.0 / 96.0;

struct TGridPrintJob {
    TCanvas* Canvas = nullptr;
    TGridPrintMode Mode = gpmCount;
    bool SelectedOnly = false;
    double ScreenToPrint = 1.0;
    double Scale = 1.0;
    int Spacing = 0, LineGap = 0, HeaderLine = 0, FooterLine = 0;
    int PageWidth = 0, PageBottom = 0, Footer = 0;
    int Page = 0; // the page being laid out, from 0
    // Right end of the current page's last column: text and lines stop there.
    int PageRight = 0;
    int CachedRow = -1, CachedHeight = 0;
    // Printed width of every column the pass lays out; -1 for one it leaves out.
    std::vector<int> Widths;
    int FirstCol = 0, LastCol = -1; // the print range's columns
    bool Drawing() const { return Mode == gpmPrint || Mode == gpmPreview; }
};
