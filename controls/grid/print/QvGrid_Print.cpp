// Printing, preview and drawing a page of the string grid: measures the range in print units, hands the
// pagination to PrintLayout and draws its pages cell by cell through PrintCell.
#include "controls/grid/QvGrid.h"
#include "controls/grid/QvUtil.h"
#include "controls/grid/print/GridPrintJob.h"
#include "controls/grid/print/PrintLayout.h"
#include "controls/markup/QsgHTMLE.h"
#include "toolkit/graphics/Printers.h"
#include "toolkit/system/Clock.h"

#include <cmath>

namespace {
// The grid's rows as pagination asks for them, with their printed heights.
class GridPrintRows : public IPrintRows {
public:
    GridPrintRows(TQvStringGrid& Grid, TGridPrintJob& Job, const std::function<bool(int)>& Shown)
        : FGrid(Grid), FJob(Job), FShown(Shown) {}
    int RowHeight(int ARow) override {
        return 2 * FJob.LineGap + FGrid.PrintRowHeight(ARow) + FGrid.PrintSettings()->RowSpacing();
    }
    bool RowShown(int ARow) override { return FShown(ARow); }
    bool NewPageBefore(int NextRow) override {
        bool newPage = false;
        if (FGrid.OnPrintNewPage) FGrid.OnPrintNewPage(&FGrid, NextRow, newPage);
        return newPage;
    }

private:
    TQvStringGrid& FGrid;
    TGridPrintJob& FJob;
    const std::function<bool(int)>& FShown;
};

// The date in the stored format's letters: yyyy or yy, mm or m, dd or d; anything else as written.
String PrintDateText(const String& Format, const TLocalDateTime& Now) {
    String out;
    const String f = Format.toLower();
    for (qsizetype i = 0; i < f.size();) {
        const QChar ch = f[i];
        qsizetype run = 1;
        while (i + run < f.size() && f[i + run] == ch)
            ++run;
        const auto number = [](int v, int width) { return String::number(v).rightJustified(width, u'0'); };
        if (ch == u'y')
            out += run >= 4 ? number(Now.Year, 4) : number(Now.Year % 100, 2);
        else if (ch == u'm')
            out += run >= 2 ? number(Now.Month, 2) : String::number(Now.Month);
        else if (ch == u'd')
            out += run >= 2 ? number(Now.Day, 2) : String::number(Now.Day);
        else
            out += Format.mid(i, run);
        i += run;
    }
    return out;
}

// Everything of the settings a layout is made from, as one text to compare.
String PrintLayoutFingerprint(const TPrintSettings& ps, const TFont& gridFont) {
    String out;
    const auto font = [&](const TFont* f) {
        out += f->Name() + "|" + String::number(f->Size()) + "|" + String::number(f->Height()) + "|" +
               String::number(f->Style()) + "|";
    };
    font(ps.Font());
    font(ps.FixedFont());
    font(ps.HeaderFont());
    font(ps.FooterFont());
    font(&gridFont);
    for (const int v : {int(ps.FooterSize()),
                        int(ps.HeaderSize()),
                        int(ps.Time()),
                        int(ps.Date()),
                        int(ps.PageNr()),
                        int(ps.Title()),
                        int(ps.Borders()),
                        int(ps.BorderStyle()),
                        int(ps.Centered()),
                        int(ps.RepeatFixedRows()),
                        int(ps.RepeatFixedCols()),
                        ps.LeftSize(),
                        ps.RightSize(),
                        ps.ColumnSpacing(),
                        ps.RowSpacing(),
                        ps.TitleSpacing(),
                        ps.FixedWidth(),
                        ps.FixedHeight(),
                        int(ps.UseFixedHeight()),
                        int(ps.UseFixedWidth()),
                        int(ps.FitToPage()),
                        int(ps.NoAutoSize()),
                        int(ps.NoAutoSizeRow()),
                        int(ps.PrintGraphics()),
                        int(ps.UseDisplayFont()),
                        int(ps.FixedCellsAlways())})
        out += String::number(v) + ",";
    out += ps.TitleText() + "|" + ps.TitleLines()->Text();
    return out;
}

// Restores what a pass changes on the grid and the canvas, also when it stops with an error.
struct PrintPassGuard {
    std::unique_ptr<TGridPrintJob>& Slot;
    double& FontScale;
    ~PrintPassGuard() {
        FontScale = 1.0;
        Slot.reset();
    }
};
} // namespace

int TQvStringGrid::MapFontHeight(int PointSize) const {
    return -static_cast<int>(std::trunc(PointSize * 254.0 / 72.0 * FFontscalefactor));
}

int TQvStringGrid::MapFontSize(int Height) const {
    return static_cast<int>(std::trunc(Height * 72.0 / 254.0));
}

int TQvStringGrid::PrintPages(TCanvas* Canvas, TGridPrintMode Mode, bool SelectedOnly, int PageTotal) {
    if (!Canvas) return 0;
    TPrintSettings* ps = FPrintSettings.get();
    FPrintJob = std::make_unique<TGridPrintJob>();
    PrintPassGuard guard{FPrintJob, FFontscalefactor};
    TGridPrintJob& job = *FPrintJob;
    job.Canvas = Canvas;
    job.Mode = Mode;
    job.SelectedOnly = SelectedOnly;
    job.OnPaper = Mode == gpmPrint && Canvas == Printer()->Canvas();
    job.ScreenToPrint = kPrintScreenToPrint;
    FFontscalefactor = 1.0;
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Pen()->SetStyle(ps->BorderStyle());
    Canvas->Pen()->SetWidth(ps->Borders() == pbDouble ? 10 : 2);

    TFont saved;
    saved.Assign(Canvas->Font());
    const auto lineOf = [&](const TFont* f) {
        Canvas->Font()->Assign(f);
        Canvas->Font()->SetHeight(MapFontHeight(f->Size()));
        return Canvas->TextHeight("gh");
    };
    job.HeaderLine = lineOf(ps->HeaderFont());
    job.FooterLine = lineOf(ps->FooterFont());
    job.LineGap = lineOf(ps->UseDisplayFont() ? Font() : ps->Font()) / 8;
    Canvas->Font()->Assign(&saved);

    job.PageWidth = FPrevRect.Width();
    job.PageBottom = -FPrevRect.Height();
    FPrintPageRect = TRect(0, 0, job.PageWidth, job.PageBottom);
    job.Spacing = ps->UseFixedWidth() ? 0 : ps->ColumnSpacing() + 20;

    const TGridRect pr = FPrintRect;
    const TGridRect sel = Selection();
    const int fixedCols = TCustomGrid::FixedCols(), fixedRows = TCustomGrid::FixedRows();
    const std::function<bool(int)> rowShown = [&](int r) {
        if (!SelectedOnly) return true;
        if (r < fixedRows && ps->FixedCellsAlways()) return true;
        if (FMouseActions->DisjunctRowSelect()) return RowSelect(r);
        return r >= sel.Top && r <= sel.Bottom;
    };
    const auto colShown = [&](int c) {
        if (!SelectedOnly || FMouseActions->DisjunctRowSelect()) return true;
        if (c < fixedCols && ps->FixedCellsAlways()) return true;
        if (FMouseActions->DisjunctColSelect()) return ColSelect(c);
        return c >= sel.Left && c <= sel.Right;
    };

    // Title lines that form markup print as one rendered title; the room it takes is measured once.
    String markupTitle;
    int markupTitleHeight = 0;
    if (ps->Title() != ppNone && ps->TitleText().isEmpty() && ps->TitleLines()->Count() > 0) {
        QStringList lines;
        for (int i = 0; i < ps->TitleLines()->Count(); ++i)
            lines.append(ps->TitleLines()->Strings(i));
        const String joined = JoinStrings(lines);
        if (CellTextKind(joined, true) == ctkHTML) markupTitle = joined;
    }
    const bool topTitle = IsTopPosition(ps->Title());
    const auto renderTitle = [&](const TRect& band, bool measure) {
        UprightUnits screen(Canvas, job.ScreenToPrint);
        Canvas->Font()->Assign(topTitle ? ps->HeaderFont() : ps->FooterFont());
        Canvas->Brush()->SetStyle(bsClear);
        TMarkupInput in;
        in.Canvas = Canvas;
        in.Text = markupTitle;
        in.Rect = screen.Map(band);
        in.WordWrap = true;
        in.CheckHeight = measure;
        in.Print = !measure;
        TMarkupOutput out;
        RenderMarkup(in, out);
        return static_cast<int>(std::lround(out.YSize * job.ScreenToPrint));
    };
    if (!markupTitle.isEmpty())
        markupTitleHeight = renderTitle(TRect(ps->LeftSize(), 0, job.PageWidth, -1000000), true);
    Canvas->Font()->Assign(&saved);
    // The rows start below the title a top position renders.
    const int titleDrop = ps->TitleSpacing() + (topTitle ? markupTitleHeight : 0);

    // Header and footer bands.
    TPrintBandInput bands;
    bands.Time = ps->Time();
    bands.Date = ps->Date();
    bands.PageNr = ps->PageNr();
    bands.Title = ps->Title();
    bands.TitleLineCount = ps->TitleLines()->Count();
    bands.TitleIsMarkup = !markupTitle.isEmpty();
    bands.MarkupTitleHeight = markupTitleHeight;
    bands.HeaderLine = job.HeaderLine;
    bands.FooterLine = job.FooterLine;
    bands.LineGap = job.LineGap;
    bands.HeaderSize = ps->HeaderSize();
    bands.FooterSize = ps->FooterSize();
    const TPrintBandHeights h = PrintBands(bands);
    job.Footer = h.Footer;

    // Measuring every cell and paginating every row is most of a pass: a layout made before from the same
    // range, page, settings and cells is taken as it was, so a page near the end costs what page 1 does.
    TKeptPrintLayout::TKey key;
    key.Rect = pr;
    key.SelectedOnly = SelectedOnly;
    key.Preview = Mode == gpmPreview || Mode == gpmPreviewCount;
    key.PageRect = FPrintPageRect;
    key.Stamp = RepaintStamp();
    key.Settings = PrintLayoutFingerprint(*ps, *Font());
    job.FirstCol = pr.Left;
    job.LastCol = pr.Right;
    std::unique_ptr<TKeptPrintLayout> fresh;
    TKeptPrintLayout* layout =
        FKeptPrintLayout && FKeptPrintLayout->Key == key ? FKeptPrintLayout.get() : nullptr;
    const auto takeWidths = [&](const std::vector<int>& widths, double scale) {
        job.Scale = scale;
        job.Widths = widths;
        if (FMaxWidths.size() < widths.size()) {
            FMaxWidths.resize(widths.size());
            FIndents.resize(widths.size());
        }
        for (size_t c = 0; c < widths.size(); ++c)
            FMaxWidths[c] = std::max(widths[c], 0);
        FFontscalefactor = scale;
    };
    if (!layout) {
        FKeptPrintLayout.reset();
        fresh = std::make_unique<TKeptPrintLayout>();
        fresh->RowHeights.assign(size_t(std::max(pr.Bottom, fixedRows - 1) + 1), -1);
        job.RowHeights = &fresh->RowHeights;
        // Printed widths of the range's columns and of the fixed columns that may repeat; -1: not printed.
        const int lastCol = std::max(pr.Right, fixedCols - 1);
        std::vector<int> widths(static_cast<size_t>(std::max(lastCol + 1, 0)), -1);
        const bool repeatCols = ps->RepeatFixedCols() && fixedCols > 0;
        for (int c = 0; c <= lastCol; ++c) {
            if (!((c >= pr.Left && c <= pr.Right) || (repeatCols && c < fixedCols)) || !colShown(c)) continue;
            int w = 0;
            if (ps->NoAutoSize()) {
                w = static_cast<int>(std::lround(ColWidths(c) * kPrintScreenToPrint));
            } else if (ps->UseFixedWidth()) {
                w = ps->FixedWidth();
            } else {
                const int rc = RealColIndex(c);
                const auto measure = [&](int r) {
                    if (CellSpan(c, r).X > 0 || !rowShown(r)) return;
                    w = std::max(w, MeasurePrintCell(rc, r).X);
                };
                for (int r = std::max(pr.Top, 0); r <= pr.Bottom; ++r)
                    measure(r);
                if (ps->RepeatFixedRows())
                    for (int r = 0; r < std::min(fixedRows, pr.Top); ++r)
                        measure(r);
            }
            widths[size_t(c)] = w;
        }
        job.Scale = PrintFitScale(ps->FitToPage(), widths, job.Spacing, job.PageWidth, ps->LeftSize(),
                                  ps->RightSize(), [this](double& f) {
                                      bool allow = true;
                                      if (OnFitToPage) OnFitToPage(this, f, allow);
                                      return allow;
                                  });
        if (job.Scale != 1.0)
            for (int& w : widths)
                if (w >= 0) w = static_cast<int>(std::trunc(w * job.Scale));
        for (int c = std::max(pr.Left, 0); c <= pr.Right; ++c)
            if (widths[size_t(c)] >= 0 && OnPrintSetColumnWidth)
                OnPrintSetColumnWidth(this, c, widths[size_t(c)]);
        takeWidths(widths, job.Scale);
        TPrintPageSetup setup;
        setup.PageWidth = job.PageWidth;
        setup.PageBottom = job.PageBottom;
        setup.LeftSize = ps->LeftSize();
        setup.RightSize = ps->RightSize();
        setup.Spacing = job.Spacing;
        setup.Centered = ps->Centered();
        setup.FixedCols = fixedCols;
        setup.FixedRows = fixedRows;
        setup.RepeatFixedCols = ps->RepeatFixedCols();
        setup.RepeatFixedRows = ps->RepeatFixedRows();
        setup.HeaderFirst = h.HeaderFirst;
        setup.HeaderNext = h.HeaderNext;
        setup.Footer = h.Footer;
        setup.TitleDrop = titleDrop;
        GridPrintRows rows(*this, job, rowShown);
        fresh->Pages = PrintLayout(setup, widths).Paginate(pr.Left, pr.Right, pr.Top, pr.Bottom, rows);
        fresh->Widths = std::move(widths);
        fresh->Scale = job.Scale;
        fresh->Key = key;
        layout = fresh.get();
        // A pass whose own questions (the events it fires) changed the grid keeps nothing.
        if (RepaintStamp() == key.Stamp) FKeptPrintLayout = std::move(fresh);
    } else {
        takeWidths(layout->Widths, layout->Scale);
        job.RowHeights = &layout->RowHeights;
    }
    const TPrintPagination& pages = layout->Pages;
    if (!job.Drawing()) return static_cast<int>(pages.Pages.size());

    const int stripeCount = static_cast<int>(pages.Stripes.size());
    const TLocalDateTime now = NowLocal();
    bool drawnAny = false;
    int count = 0;
    for (const TPrintPage& pg : pages.Pages) {
        job.Page = count++;
        const int pageNr = job.Page + 1;
        if (pageNr < FPrintPageFrom || pageNr > FPrintPageTo) continue;
        const TPrintStripe& st = pages.Stripes[size_t(pg.Stripe)];
        if (drawnAny && Mode == gpmPrint && Canvas == Printer()->Canvas()) {
            TPrinter* printer = Printer();
            printer->NewPage();
            Canvas->SetMapping(TCanvasMapping::Metric(printer->PixelsPerInchX(), printer->PixelsPerInchY()));
        }
        drawnAny = true;
        for (size_t c = 0; c < st.Indents.size() && c < FIndents.size(); ++c)
            FIndents[c] = st.Indents[c];
        FPrintColStart = st.FirstCol;
        FPrintColEnd = st.LastCol;
        FPrintPageWidth = st.Width;
        job.PageRight = FIndents[size_t(st.LastCol)] + FMaxWidths[size_t(st.LastCol)] + job.Spacing;
        if (OnPrintPage) OnPrintPage(this, Canvas, pageNr, job.PageWidth, job.PageBottom);

        // Header and footer texts.
        TPrintPageTexts texts;
        if (ps->Time() != ppNone)
            PutPrintPageText(
                texts, ps->Time(),
                String("%1:%2").arg(now.Hour, 2, 10, QChar('0')).arg(now.Minute, 2, 10, QChar('0')));
        if (ps->Date() != ppNone) PutPrintPageText(texts, ps->Date(), PrintDateText(ps->DateFormat(), now));
        if (ps->PageNr() != ppNone) {
            String num = PrintPageNumberText(pg.PageInStripe, pg.Stripe, stripeCount, job.Page, PageTotal,
                                             ps->PageNumberOffset(), ps->PageNumSep(), ps->MaxPagesOffset());
            DoPrintGetPageNum(pageNr, pg.Stripe + 1, num);
            PutPrintPageText(texts, ps->PageNr(), ps->PagePrefix() + " " + num + " " + ps->PageSuffix());
        }
        // Plain title lines: the first joins its position's text, the others follow one line apart.
        const bool plainTitleLines =
            ps->Title() != ppNone && ps->TitleText().isEmpty() && markupTitle.isEmpty();
        if (ps->Title() != ppNone) {
            if (!ps->TitleText().isEmpty())
                PutPrintPageText(texts, ps->Title(), ps->TitleText());
            else if (plainTitleLines && ps->TitleLines()->Count() > 0)
                PutPrintPageText(texts, ps->Title(), ps->TitleLines()->Strings(0));
        }
        Canvas->Brush()->SetStyle(bsClear);
        for (int p = ppTopLeft; p <= ppBottomCenter; ++p) {
            const String t = texts[size_t(p)].trimmed();
            if (t.isEmpty()) continue;
            const bool top = IsTopPosition(TPrintPosition(p));
            const TFont* f = top ? ps->HeaderFont() : ps->FooterFont();
            Canvas->Font()->Assign(f);
            Canvas->Font()->SetHeight(MapFontHeight(f->Size()));
            const int tw = Canvas->TextWidth(t);
            const int x = (p == ppTopLeft || p == ppBottomLeft) ? ps->LeftSize()
                          : (p == ppTopRight || p == ppBottomRight)
                              ? job.PageWidth - tw - ps->RightSize() - 20
                              : (job.PageWidth - tw) / 2;
            const int y =
                top ? -ps->HeaderSize() : job.PageBottom + job.FooterLine + job.LineGap + ps->FooterSize();
            Canvas->TextOut(x, y, t);
            if (plainTitleLines && p == ps->Title()) {
                const int line = top ? job.HeaderLine : job.FooterLine;
                for (int i = 1; i < ps->TitleLines()->Count(); ++i) {
                    const String more = ps->TitleLines()->Strings(i);
                    const int mw = Canvas->TextWidth(more);
                    const int mx = (p == ppTopLeft || p == ppBottomLeft) ? ps->LeftSize()
                                   : (p == ppTopRight || p == ppBottomRight)
                                       ? job.PageWidth - mw - ps->RightSize() - 20
                                       : (job.PageWidth - mw) / 2;
                    Canvas->TextOut(mx, top ? y - i * line : y + i * line, more);
                }
            }
        }
        if (!markupTitle.isEmpty()) {
            const TRect band =
                topTitle ? TRect(ps->LeftSize(), -ps->HeaderSize(), job.PageWidth,
                                 -ps->HeaderSize() - markupTitleHeight)
                         : TRect(ps->LeftSize(), job.PageBottom + job.Footer, job.PageWidth, job.PageBottom);
            renderTitle(band, false);
        }

        // Rows: the repeated fixed rows first, each with the repeated fixed columns in front.
        int y = -(pg.PageInStripe == 0 ? h.HeaderFirst : h.HeaderNext) - titleDrop;
        const auto printRow = [&](int r) {
            if (st.RepeatCols) PrintCell(y, 0, fixedCols - 1, r);
            y -= PrintCell(y, st.FirstCol, st.LastCol, r);
        };
        // A row taller than the page is cut off at the footer.
        if (pg.Clipped) Canvas->IntersectClipRect(TRect(0, 0, job.PageWidth, job.PageBottom + job.Footer));
        if (pg.RepeatRows)
            for (int r = 0; r < fixedRows; ++r)
                printRow(r);
        for (int r = pg.FirstRow; r < pg.EndRow; ++r) {
            if (!rowShown(r)) continue;
            ExportNotification(pr.Top == 0 && pr.Bottom == RowCount() - 1 ? esExportNewRow : esExportSelRow,
                               r);
            printRow(r);
        }
        if (pg.Clipped) Canvas->ResetClip();

        // The page frame.
        const TPrintBorders b = ps->Borders();
        const int left = st.RepeatCols ? FIndents[0] : FIndents[size_t(st.FirstCol)];
        const int bottomY = y + job.LineGap / 2;
        const int topY = -(pg.PageInStripe == 0 ? h.HeaderFirst : h.HeaderNext) - titleDrop;
        Canvas->Pen()->SetColor(clBlack);
        Canvas->Pen()->SetStyle(ps->BorderStyle());
        Canvas->Pen()->SetWidth(b == pbDouble ? 10 : 2);
        if (b == pbAround || b == pbAroundVertical || b == pbAroundHorizontal) {
            Canvas->Brush()->SetStyle(bsClear);
            Canvas->MoveTo(left, topY);
            Canvas->LineTo(job.PageRight, topY);
            Canvas->LineTo(job.PageRight, bottomY);
            Canvas->LineTo(left, bottomY);
            Canvas->LineTo(left, topY);
        }
        if (b == pbDouble || b == pbHorizontal || b == pbAroundHorizontal) {
            Canvas->MoveTo(left, bottomY);
            Canvas->LineTo(job.PageRight, bottomY);
        }
        if ((b == pbDouble || b == pbVertical || b == pbAroundVertical) && st.RepeatCols)
            for (int c = 0; c < fixedCols; ++c) {
                Canvas->MoveTo(FIndents[size_t(c)], topY);
                Canvas->LineTo(FIndents[size_t(c)], bottomY);
            }

        if (OnPrintPageDone)
            OnPrintPageDone(this, Canvas, pg.EndRow, y, pageNr, job.PageWidth, job.PageBottom);
        bool cancel = false;
        if (OnPrintCancel) OnPrintCancel(this, pageNr, cancel);
        if (cancel) break;
    }
    return count;
}

void TQvStringGrid::Print() {
    PrintRect(TGridRect{0, 0, ColCount() - 1, RowCount() - 1});
}

namespace {
void RunPrintJob(TQvStringGrid* Grid, bool SelectedOnly, TRect& PrevRect, int& From, int& To,
                 int& NrOfPages) {
    TPrinter* printer = Printer();
    TPrintSettings* ps = Grid->PrintSettings();
    Grid->ExportNotification(esExportStart, -1);
    if (!ps->UseDefaultOrientation()) printer->SetOrientation(ps->Orientation());
    PrevRect =
        TRect(0, 0, static_cast<int>(std::lround(254.0 / printer->PixelsPerInchX() * printer->PageWidth())),
              static_cast<int>(std::lround(254.0 / printer->PixelsPerInchY() * printer->PageHeight())));
    printer->SetTitle(ps->JobName());
    // Counting needs no printer page: the job is begun only once there is something to print, so a job
    // stopped by OnPrintStart leaves no document behind.
    int pages = std::numeric_limits<int>::max();
    if (!Grid->FastPrint()) {
        TCanvas counting;
        pages = Grid->PrintPages(&counting, gpmCount, SelectedOnly, 0);
    }
    From = 1;
    To = pages;
    NrOfPages = pages;
    if (Grid->OnPrintStart) Grid->OnPrintStart(Grid, pages, From, To);
    if (From <= 0 || To <= 0 || To < From || pages <= 0) {
        Grid->ExportNotification(esExportDone, -1);
        return;
    }
    NrOfPages = To;
    printer->BeginDoc();
    TCanvas* c = printer->Canvas();
    try {
        c->SetMapping(TCanvasMapping::Metric(printer->PixelsPerInchX(), printer->PixelsPerInchY()));
        Grid->PrintPages(c, gpmPrint, SelectedOnly, pages);
    } catch (...) {
        printer->Abort();
        Grid->ExportNotification(esExportDone, -1);
        throw;
    }
    printer->EndDoc();
    Grid->ExportNotification(esExportDone, -1);
}

TGridRect AllCellsRect(TQvStringGrid* Grid) {
    return TGridRect{0, 0, Grid->ColCount() - 1, Grid->RowCount() - 1};
}
} // namespace

void TQvStringGrid::PrintRect(const TGridRect& Gridrect) {
    FPrintRect = Gridrect;
    RunPrintJob(this, false, FPrevRect, FPrintPageFrom, FPrintPageTo, FPrintNrOfPages);
}

void TQvStringGrid::PrintSelection() {
    PrintRect(Selection());
}

void TQvStringGrid::PrintSelectedRows() {
    FPrintRect = AllCellsRect(this);
    RunPrintJob(this, true, FPrevRect, FPrintPageFrom, FPrintPageTo, FPrintNrOfPages);
}

void TQvStringGrid::PrintSelectedCols() {
    PrintSelectedRows();
}

namespace {
// Turns a canvas to tenths of a millimetre from a rectangle's corner (in the canvas' own units) at the
// screen's resolution, and back when it goes; PageRect is the rectangle's size in those tenths.
class PageAtCorner {
public:
    PageAtCorner(TCanvas* c, const TRect& r) : FCanvas(c), FSaved(c->Mapping()) {
        TCanvasMapping m = TCanvasMapping::Metric(96, 96);
        m.OriginX = FSaved.OriginX + r.Left * FSaved.ScaleX;
        m.OriginY = FSaved.OriginY + r.Top * FSaved.ScaleY;
        c->SetMapping(m);
        PageRect = TRect(0, 0, static_cast<int>(std::lround(r.Width() * 254.0 / 96)),
                         static_cast<int>(std::lround(r.Height() * 254.0 / 96)));
    }
    ~PageAtCorner() {
        if (FCanvas->HandleAllocated()) FCanvas->SetMapping(FSaved);
    }
    TRect PageRect;

private:
    TCanvas* FCanvas;
    TCanvasMapping FSaved;
};

// The preview: pages drawn onto a canvas at the screen's resolution from the display rectangle's corner.
void RunPreview(TQvStringGrid* Grid, TCanvas* Canvas, const TRect& Displayrect, bool SelectedOnly,
                TRect& PrevRect, bool& IsPreview, int& NrOfPages) {
    if (!Canvas) return;
    Grid->ExportNotification(esExportStart, -1);
    struct EndPreview {
        bool& preview;
        ~EndPreview() { preview = false; }
    } end{IsPreview};
    const PageAtCorner page(Canvas, Displayrect);
    PrevRect = page.PageRect;
    NrOfPages = Grid->FastPrint() ? 1 : Grid->PrintPages(Canvas, gpmPreviewCount, SelectedOnly, 0);
    IsPreview = true;
    int from = 1, to = NrOfPages;
    if (Grid->OnPrintStart) Grid->OnPrintStart(Grid, NrOfPages, from, to);
    if (from > 0 && to > 0 && to >= from) Grid->PrintPages(Canvas, gpmPreview, SelectedOnly, NrOfPages);
    Grid->ExportNotification(esExportDone, -1);
}
} // namespace

void TQvStringGrid::PrintPreview(TCanvas* Canvas, const TRect& Displayrect) {
    PrintPreviewRect(Canvas, Displayrect, AllCellsRect(this));
}

void TQvStringGrid::PrintPreviewRect(TCanvas* Canvas, const TRect& Displayrect, const TGridRect& Gridrect) {
    FPrintRect = Gridrect;
    RunPreview(this, Canvas, Displayrect, false, FPrevRect, FIsPrintPreview, FPrintNrOfPages);
}

void TQvStringGrid::PrintPreviewSelection(TCanvas* Canvas, const TRect& Displayrect) {
    PrintPreviewRect(Canvas, Displayrect, Selection());
}

void TQvStringGrid::PrintPreviewSelectedRows(TCanvas* Canvas, const TRect& Displayrect) {
    FPrintRect = AllCellsRect(this);
    RunPreview(this, Canvas, Displayrect, true, FPrevRect, FIsPrintPreview, FPrintNrOfPages);
}

void TQvStringGrid::PrintPreviewSelectedCols(TCanvas* Canvas, const TRect& Displayrect) {
    PrintPreviewSelectedRows(Canvas, Displayrect);
}

void TQvStringGrid::PrintDraw(TCanvas* Canvas, const TRect& DrawRect) {
    PrintDrawRect(Canvas, DrawRect, AllCellsRect(this));
}

void TQvStringGrid::PrintDrawRect(TCanvas* Canvas, const TRect& DrawRect, const TGridRect& Gridrect) {
    if (!Canvas) return;
    FPrintRect = Gridrect;
    FPrevRect = DrawRect;
    FPrintPageFrom = FPrintPageTo = 1;
    FPrintNrOfPages = 1;
    const PageAtCorner page(Canvas, DrawRect);
    FPrevRect = page.PageRect;
    PrintPages(Canvas, gpmPrint, false, 1);
}
