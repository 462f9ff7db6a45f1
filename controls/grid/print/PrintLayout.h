// Print pagination: cuts a range of measured columns into stripes that fit the page width and each
// stripe's rows into pages that fit between header and footer, and builds the header and footer texts.
// It reads no grid: sizes come in as values (tenths of a millimetre, positions negative downwards) and
// the row questions through IPrintRows, so it is tested from tables and runs in counting passes alone.
#pragma once

#include "controls/grid/options/GridOptions.h"

#include <array>
#include <functional>
#include <vector>

// What pagination asks of the rows being printed.
class IPrintRows {
public:
    virtual ~IPrintRows() = default;
    // Printed height of a row, spacing included.
    virtual int RowHeight(int ARow) = 0;
    // The row passes the selected-only filter.
    virtual bool RowShown(int ARow) = 0;
    // Asked after each printed row with the row that would come next: true starts a new page with it.
    virtual bool NewPageBefore(int NextRow) = 0;
};

// The fixed values of one job.
struct TPrintPageSetup {
    int PageWidth = 0;
    int PageBottom = 0; // negative
    int LeftSize = 0, RightSize = 0;
    int Spacing = 0;
    bool Centered = true;
    int FixedCols = 0, FixedRows = 0;
    bool RepeatFixedCols = false, RepeatFixedRows = false;
    // Header height on a stripe's first page and on the pages after it, footer height, and how far the
    // first row lies below the header (title spacing and a rendered title).
    int HeaderFirst = 0, HeaderNext = 0, Footer = 0, TitleDrop = 0;
};

// One stripe of columns: where each printed column starts on its pages.
struct TPrintStripe {
    int FirstCol = 0, LastCol = 0;
    bool RepeatCols = false;
    int FixedWidthSum = 0;
    int Width = 0; // the width its columns take, the repeated ones included
    // Left edge of every column index 0 .. LastCol on this stripe's pages (repeated fixed columns and the
    // stripe's own; others 0).
    std::vector<int> Indents;
};

// One page: its stripe and the rows printed on it, in order (fixed rows repeated first).
struct TPrintPage {
    int Stripe = 0;
    int PageInStripe = 0;
    bool RepeatRows = false;
    int FirstRow = 0;     // the first row of the range on this page
    int EndRow = 0;       // the row after the last one printed
    int BottomY = 0;      // bottom of the last printed row
    bool Clipped = false; // a single row taller than the page, printed cut off
};

struct TPrintPagination {
    std::vector<TPrintStripe> Stripes;
    std::vector<TPrintPage> Pages;
};

class PrintLayout {
public:
    // Widths: printed width of every column index up to the range's last (a column the selected-only
    // filter drops holds -1). Columns and rows are inclusive ranges.
    PrintLayout(const TPrintPageSetup& Setup, const std::vector<int>& Widths);

    // The stripes of columns FirstCol .. LastCol, each taking columns while they fit; a column wider than
    // the page is a stripe of its own.
    std::vector<TPrintStripe> Stripes(int FirstCol, int LastCol) const;
    // Every page of the rows FirstRow .. LastRow, stripe after stripe. A row taller than the room between
    // header and footer is printed clipped on a page of its own, so every pass ends.
    TPrintPagination Paginate(int FirstCol, int LastCol, int FirstRow, int LastRow, IPrintRows& Rows) const;

private:
    int ColumnRoom(int ACol) const;
    const TPrintPageSetup FSetup;
    const std::vector<int>& FWidths;
};

// The fit-to-page factor: the columns (widths without spacing) scaled to fill the room between the side
// margins. Mode decides which factors are taken; fpCustom asks Ask (may change the factor, false
// refuses). 1.0 when nothing is taken.
double PrintFitScale(TFitToPage Mode, const std::vector<int>& Widths, int Spacing, int PageWidth,
                     int LeftSize, int RightSize, const std::function<bool(double&)>& Ask);

// Header and footer heights by the positions that hold texts. Title: the title lines' height beyond the
// first (a rendered markup title's height plus HeaderSize on the first page).
struct TPrintBandHeights {
    int HeaderFirst = 0, HeaderNext = 0, Footer = 0;
};
struct TPrintBandInput {
    TPrintPosition Time = ppNone, Date = ppNone, PageNr = ppNone, Title = ppNone;
    int TitleLineCount = 0;
    bool TitleIsMarkup = false;
    int MarkupTitleHeight = 0;
    int HeaderLine = 0, FooterLine = 0, LineGap = 0;
    int HeaderSize = 0, FooterSize = 0;
};
TPrintBandHeights PrintBands(const TPrintBandInput& In);

inline bool IsTopPosition(TPrintPosition P) {
    return P == ppTopLeft || P == ppTopRight || P == ppTopCenter;
}
inline bool IsBottomPosition(TPrintPosition P) {
    return P == ppBottomLeft || P == ppBottomRight || P == ppBottomCenter;
}

// The page number text: "page-stripe" over several stripes, else the page (with the offset) and, with a
// separator and more than one page, the separator and the total.
String PrintPageNumberText(int PageInStripe, int Stripe, int StripeCount, int Page, int PageTotal,
                           int PageNumberOffset, const String& PageNumSep, int MaxPagesOffset);

// Six texts, one per position (index = TPrintPosition, ppNone unused).
using TPrintPageTexts = std::array<String, 7>;
// Puts Text into the position's text: in front at a left position, behind elsewhere, a blank between.
void PutPrintPageText(TPrintPageTexts& Texts, TPrintPosition Pos, const String& Text);
