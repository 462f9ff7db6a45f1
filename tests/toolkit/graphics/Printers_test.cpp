// The printer's jobs into PDF files, its errors, its page geometry and the 0.1 mm mapping of the canvas.
#include "toolkit/controls/Dialogs.h"
#include "toolkit/graphics/Printers.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Page objects of a PDF file (the page tree's own "/Type /Pages" excluded).
int PdfPageCount(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray data = f.readAll();
    int count = 0;
    for (qsizetype at = data.indexOf("/Type /Page"); at >= 0; at = data.indexOf("/Type /Page", at + 1))
        count += data.mid(at + 11, 1) != "s";
    return count;
}

// The folder's entries besides `.` and `..`: a job leaves nothing half-written behind.
QStringList Entries(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

// Bounds of the non-white pixels of an image, in device pixels.
QRect Ink(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
    return box;
}
} // namespace

TEST(Printer, PdfJobWritesItsPagesAndAbortLeavesNoFile) {
    struct Case {
        int pages;
        bool abort;
    };
    for (const Case c : {Case{1, false}, Case{2, false}, Case{3, true}}) {
        SCOPED_TRACE(c.pages);
        QTemporaryDir dir;
        const QString path = dir.filePath("job.pdf");
        TPrinter printer;
        printer.SetTitle("Table");
        printer.SetOutputFileName(path);
        printer.BeginDoc();
        EXPECT_TRUE(printer.Printing());
        for (int page = 1; page <= c.pages; ++page) {
            if (page > 1) printer.NewPage();
            EXPECT_EQ(printer.PageNumber(), page);
            printer.Canvas()->Rectangle(100, 100, 400, 300);
            printer.Canvas()->TextOut(100, 400, QStringLiteral("Page %1").arg(page));
        }
        // Nothing is in place before the job ends.
        EXPECT_FALSE(QFile::exists(path));
        if (c.abort)
            printer.Abort();
        else
            printer.EndDoc();
        EXPECT_FALSE(printer.Printing());
        EXPECT_EQ(printer.Aborted(), c.abort);
        if (c.abort) {
            EXPECT_TRUE(Entries(dir).isEmpty()) << Entries(dir).join(' ').toStdString();
        } else {
            EXPECT_EQ(Entries(dir), QStringList{"job.pdf"});
            EXPECT_EQ(PdfPageCount(path), c.pages);
        }
    }
}

TEST(Printer, AbortedJobKeepsTheFileItWouldHaveReplaced) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.pdf");
    TPrinter printer;
    printer.SetOutputFileName(path);
    printer.BeginDoc();
    printer.NewPage();
    printer.EndDoc();
    ASSERT_EQ(PdfPageCount(path), 2);

    printer.BeginDoc();
    EXPECT_FALSE(printer.Aborted());
    printer.Abort();
    EXPECT_EQ(PdfPageCount(path), 2);
    EXPECT_EQ(Entries(dir), QStringList{"kept.pdf"});
}

TEST(Printer, OperationsOutOfTurnRaiseAndLeaveTheStateAlone) {
    QTemporaryDir dir;
    TPrinter printer;
    printer.SetOutputFileName(dir.filePath("a.pdf"));
    EXPECT_THROW(printer.EndDoc(), EPrinter);
    EXPECT_THROW(printer.NewPage(), EPrinter);
    EXPECT_THROW(printer.Abort(), EPrinter);
    printer.BeginDoc();
    EXPECT_THROW(printer.BeginDoc(), EPrinter);
    EXPECT_THROW(printer.SetOrientation(poLandscape), EPrinter);
    EXPECT_THROW(printer.SetOutputFileName(dir.filePath("b.pdf")), EPrinter);
    EXPECT_TRUE(printer.Printing());
    EXPECT_EQ(printer.Orientation(), poPortrait);
    printer.EndDoc();
    EXPECT_TRUE(QFile::exists(dir.filePath("a.pdf")));

    // A folder that does not exist: the job never starts and the printer stays usable.
    printer.SetOutputFileName(dir.filePath("missing/c.pdf"));
    EXPECT_THROW(printer.BeginDoc(), EPrinter);
    EXPECT_FALSE(printer.Printing());
    EXPECT_FALSE(printer.Canvas()->HandleAllocated());
}

TEST(Printer, LandscapeTurnsThePageAndTheCanvasSpansIt) {
    QTemporaryDir dir;
    TPrinter printer;
    printer.SetOutputFileName(dir.filePath("p.pdf"));
    const int w = printer.PageWidth(), h = printer.PageHeight();
    ASSERT_GT(h, w);
    // A printable width between 150 and 220 mm: the paper is a real one at the reported resolution.
    EXPECT_GT(w * 254 / printer.PixelsPerInchX(), 1500);
    EXPECT_LT(w * 254 / printer.PixelsPerInchX(), 2200);
    printer.SetOrientation(poLandscape);
    EXPECT_EQ(printer.Orientation(), poLandscape);
    EXPECT_EQ(printer.PageWidth(), h);
    EXPECT_EQ(printer.PageHeight(), w);

    printer.BeginDoc();
    const TRect clip = printer.Canvas()->ClipRect();
    EXPECT_GE(clip.Right, printer.PageWidth());
    EXPECT_GE(clip.Bottom, printer.PageHeight());
    printer.Abort();
}

TEST(CanvasMapping, MetricMapsTenthsOfMillimetresDownwardsNegative) {
    struct Case {
        int dpi;
        TPoint logical, device;
    };
    for (const Case c :
         {Case{254, {0, 0}, {0, 0}}, Case{254, {100, -100}, {100, 100}}, Case{508, {10, -250}, {20, 500}},
          Case{600, {254, -254}, {600, 600}}, Case{600, {-127, 127}, {-300, -300}}}) {
        SCOPED_TRACE(c.dpi);
        const TCanvasMapping m = TCanvasMapping::Metric(c.dpi, c.dpi);
        EXPECT_EQ(m.LogicalToDevice(c.logical), c.device);
        EXPECT_EQ(m.DeviceToLogical(c.device), c.logical);
    }
    EXPECT_EQ(TCanvasMapping::Pixels().LogicalToDevice(TPoint(7, 9)), TPoint(7, 9));
}

TEST(CanvasMapping, ShapesLandWhereTheMappingSaysAndTextStaysUpright) {
    QImage img(200, 200, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    TCanvas canvas;
    canvas.Attach(&painter);
    // 508 dpi: one logical unit of 0.1 mm is two pixels.
    canvas.SetMapping(TCanvasMapping::Metric(508, 508));
    canvas.Brush()->SetColor(clBlack);
    canvas.Pen()->SetStyle(psClear);
    canvas.FillRect(TRect(10, -20, 30, -40));
    painter.end();
    EXPECT_EQ(Ink(img), QRect(QPoint(20, 40), QPoint(59, 79)));

    // Text hangs below its y, and its first line's ink starts high in the line as in pixels.
    img.fill(Qt::white);
    painter.begin(&img);
    canvas.Attach(&painter);
    canvas.SetMapping(TCanvasMapping::Metric(508, 508));
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetHeight(-20);
    canvas.Font()->SetColor(clBlack);
    canvas.TextOut(10, -30, "T");
    const int lineHeight = canvas.TextHeight("T");
    painter.end();
    const QRect ink = Ink(img);
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.top(), 60);
    EXPECT_LE(ink.bottom(), 60 + 2 * lineHeight);
    // A "T" is wider at its top than at its bottom: the row just under the ink's top is a full bar.
    int topRow = 0, bottomRow = 0;
    for (int x = ink.left(); x <= ink.right(); ++x) {
        topRow += (img.pixel(x, ink.top() + 1) & 0xFFFFFF) != 0xFFFFFF;
        bottomRow += (img.pixel(x, ink.bottom() - 1) & 0xFFFFFF) != 0xFFFFFF;
    }
    EXPECT_GT(topRow, 2 * bottomRow);
}

TEST(CanvasMapping, DrawTextLaysLinesDownwardsUprightAndMeasuresDownwards) {
    QImage img(300, 300, QImage::Format_RGB32);
    QPainter painter(&img);
    TCanvas canvas;
    canvas.Attach(&painter);
    canvas.SetMapping(TCanvasMapping::Metric(508, 508));
    canvas.Font()->SetHeight(-20);
    canvas.Font()->SetColor(clBlack);
    const int lineHeight = canvas.TextHeight("T");
    // Measuring keeps the sign of the mapping: the bottom lies below the top.
    TRect calc(10, -10, 100, -10);
    EXPECT_EQ(DrawText(&canvas, "T\nT", calc, DT_CALCRECT | DT_NOPREFIX), 2 * lineHeight);
    EXPECT_EQ(calc.Top, -10);
    EXPECT_EQ(calc.Bottom, -10 - 2 * lineHeight);

    struct Case {
        unsigned flags;
        const char* text;
        int lines;
        bool atBottom;
    };
    for (const Case c : {Case{DT_NOPREFIX, "T\nT", 2, false}, Case{DT_SINGLELINE | DT_BOTTOM, "T", 1, true},
                         Case{DT_WORDBREAK, "T T T T T T T T", 2, false}}) {
        SCOPED_TRACE(c.text);
        img.fill(Qt::white);
        // Rectangle (10, -10) to (100, -120): pixels 20..199 across, 20..239 down.
        TRect r(10, -10, 100, -120);
        if (c.flags & DT_WORDBREAK) r.Right = 10 + canvas.TextWidth("T T T T ") + 2;
        canvas.Brush()->SetStyle(bsClear);
        DrawText(&canvas, c.text, r, c.flags);
        const QRect ink = Ink(img);
        ASSERT_FALSE(ink.isNull());
        // Smoothed glyph edges may reach a pixel beyond the rectangle.
        EXPECT_GE(ink.left(), 19);
        EXPECT_GE(ink.top(), 19);
        EXPECT_LE(ink.bottom(), 241);
        if (c.atBottom)
            EXPECT_GT(ink.top(), 240 - 2 * 2 * lineHeight);
        else
            EXPECT_LT(ink.top(), 20 + 2 * lineHeight);
        // Each line's "T" is a bar over a stem: upright glyphs have more ink in the row under a line's top.
        int topRow = 0, belowRow = 0;
        for (int x = ink.left(); x <= ink.right(); ++x) {
            topRow += (img.pixel(x, ink.top() + 1) & 0xFFFFFF) != 0xFFFFFF;
            belowRow += (img.pixel(x, ink.top() + lineHeight) & 0xFFFFFF) != 0xFFFFFF;
        }
        EXPECT_GT(topRow, belowRow);
        // Several lines follow each other downwards: the ink spans them all.
        EXPECT_GE(ink.height(), (c.lines - 1) * 2 * lineHeight);
    }
    painter.end();
}

namespace {
// Confirms a print dialog after making the change the person would make in it.
class PrintDialogAnswer : public TInteraction {
public:
    std::vector<TPrintDialogRequest> Asked;
    bool Confirm = true;
    int MessageBox(const TMessageRequest&) override { return mrCancel; }
    void RunModal(TCustomForm*) override {}
    bool FileDialog(TFileDialogRequest&) override { return false; }
    bool PrintDialog(TPrintDialogRequest& r) override {
        Asked.push_back(r);
        if (Confirm) r.Printer->SetOrientation(poLandscape);
        return Confirm;
    }
};
} // namespace

TEST(PrintDialogs, GoThroughTheInteractionSeamOnTheirPrinter) {
    PrintDialogAnswer answer;
    SetInteraction(&answer);
    TPrinter printer;
    TPageSetupDialog pageSetup(nullptr);
    pageSetup.SetPrinter(&printer);
    EXPECT_TRUE(pageSetup.Execute());
    TPrinterSetupDialog setup(nullptr);
    EXPECT_EQ(setup.Printer(), Printer());
    setup.SetPrinter(&printer);
    answer.Confirm = false;
    EXPECT_FALSE(setup.Execute());
    ASSERT_EQ(answer.Asked.size(), 2u);
    EXPECT_EQ(answer.Asked[0].Kind, TPrintDialogRequest::PageSetup);
    EXPECT_EQ(answer.Asked[1].Kind, TPrintDialogRequest::PrinterSetup);
    EXPECT_EQ(answer.Asked[1].Printer, &printer);
    EXPECT_EQ(printer.Orientation(), poLandscape);

    // While a job runs its settings stay: the dialog is refused without asking.
    QTemporaryDir dir;
    printer.SetOutputFileName(dir.filePath("j.pdf"));
    printer.BeginDoc();
    EXPECT_THROW(setup.Execute(), EPrinter);
    EXPECT_EQ(answer.Asked.size(), 2u);
    printer.Abort();
    SetInteraction(nullptr);
}
