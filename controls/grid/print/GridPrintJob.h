// The values of one print, preview or counting pass of the string grid, kept while the pass runs.
#pragma once

#include "controls/grid/QvGrid.h"
#include "controls/grid/print/PrintLayout.h"

#include <cmath>
#include <map>
#include <utility>
#include <vector>

// The 96-dpi designs are the screen's resolution: a screen pixel in tenths of a millimetre.
inline constexpr double kPrintScreenToPrint = 254.0 / 96.0;

// While alive, the canvas draws in units of Unit tenths of a millimetre with y downwards, the mirror of
// the page's mapping: a rectangle (l, t, r, b) of the page is (l, -t, r, -b) / Unit here. Painters made for
// the screen (markup, rich text, graphics, rotated text) draw here as they do in pixels.
class UprightUnits {
public:
    UprightUnits(TCanvas* c, double unit) : FCanvas(c), FSaved(c->Mapping()), FUnit(unit) {
        TCanvasMapping m = FSaved;
        m.ScaleX *= unit;
        m.ScaleY *= -unit;
        c->SetMapping(m);
    }
    ~UprightUnits() { FCanvas->SetMapping(FSaved); }
    TRect Map(const TRect& r) const {
        return TRect(int(std::lround(r.Left / FUnit)), int(std::lround(-r.Top / FUnit)),
                     int(std::lround(r.Right / FUnit)), int(std::lround(-r.Bottom / FUnit)));
    }

private:
    TCanvas* FCanvas;
    TCanvasMapping FSaved;
    double FUnit;
};

struct TGridPrintJob {
    TCanvas* Canvas = nullptr;
    TGridPrintMode Mode = gpmCount;
    bool SelectedOnly = false;
    // Drawing onto the printer's page, whose paper is white.
    bool OnPaper = false;
    double ScreenToPrint = 1.0;
    double Scale = 1.0;
    int Spacing = 0, LineGap = 0, HeaderLine = 0, FooterLine = 0;
    int PageWidth = 0, PageBottom = 0, Footer = 0;
    int Page = 0; // the page being laid out, from 0
    // Right end of the current page's last column: text and lines stop there.
    int PageRight = 0;
    int CachedRow = -1, CachedHeight = 0;
    // Printed heights of the rows measured so far by row (-1: not yet), kept with the layout.
    std::vector<int>* RowHeights = nullptr;
    // Printed width of every column the pass lays out; -1 for one it leaves out.
    std::vector<int> Widths;
    int FirstCol = 0, LastCol = -1; // the print range's columns
    bool Drawing() const { return Mode == gpmPrint || Mode == gpmPreview; }
    // Merged areas whose base cell was drawn, by base cell: the page and how far its rectangle reached.
    struct TDrawnArea {
        int Page = 0, LastCol = 0, LastRow = 0;
    };
    std::map<std::pair<int, int>, TDrawnArea> DrawnAreas;
    // The base cell's rectangle on this page holds the covered cell.
    bool AreaDrawnOver(int BaseCol, int BaseRow, int ACol, int ARow) const {
        const auto it = DrawnAreas.find({BaseCol, BaseRow});
        return it != DrawnAreas.end() && it->second.Page == Page && ACol <= it->second.LastCol &&
               ARow <= it->second.LastRow;
    }
};

// A layout pass's measured columns and pages, kept so that the passes after it (the drawing pass of the
// same job, the next preview page) draw one page without measuring and paginating every row again. It
// is reused only while everything it was made from is the same: the range, the page, the settings and
// the grid's repaint stamp, which any change to the cells, sizes or looks advances.
struct TKeptPrintLayout {
    struct TKey {
        TGridRect Rect{};
        bool SelectedOnly = false;
        bool Preview = false;
        TRect PageRect;
        uint64_t Stamp = 0;
        String Settings;
        bool operator==(const TKey&) const = default;
    } Key;
    std::vector<int> Widths;
    double Scale = 1.0;
    TPrintPagination Pages;
    std::vector<int> RowHeights;
};
