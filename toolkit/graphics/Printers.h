// The printer: one print job at a time onto the system's printer or into a PDF file, drawn through a
// canvas.
#pragma once

#include "toolkit/graphics/Canvas.h"

#include <memory>

class QPrinter;

enum TPrinterOrientation { poPortrait, poLandscape };

class EPrinter : public Exception {
public:
    using Exception::Exception;
};

class TPrinter {
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    TPrinterOrientation Orientation() const;
    void SetOrientation(TPrinterOrientation v);
    // The job's name in the printer's queue and the PDF file's title.
    String Title() const { return FTitle; }
    void SetTitle(const String& v) { FTitle = v; }
    // A non-empty path sends the next jobs into that PDF file instead of the printer. The file appears
    // only when the job ends with EndDoc; an aborted job leaves whatever was there before.
    String OutputFileName() const { return FOutputFileName; }
    void SetOutputFileName(const String& v);

    // Starts a job on page 1; raises EPrinter when a job runs already or the output cannot be opened.
    void BeginDoc();
    // Ends the job and delivers it (the PDF file takes its place).
    void EndDoc();
    // Ends the job and drops it: nothing reaches the printer or the file.
    void Abort();
    void NewPage();
    // The job's canvas, in device pixels of the printable area while a job runs.
    TCanvas* Canvas() { return &FCanvas; }
    bool Printing() const { return FPrinting; }
    // The last job was aborted (until the next BeginDoc).
    bool Aborted() const { return FAborted; }
    int PageNumber() const { return FPageNumber; }
    // The printable area in device pixels, for the current orientation.
    int PageWidth() const;
    int PageHeight() const;
    int PixelsPerInchX() const;
    int PixelsPerInchY() const;

    // The platform printer under this one, for the toolkit's print dialogs.
    QPrinter* Handle() { return FPrinter.get(); }

private:
    void RequireJob(const char* operation) const;
    void FinishPainting();

    std::unique_ptr<QPrinter> FPrinter;
    std::unique_ptr<class QPainter> FPainter;
    TCanvas FCanvas;
    String FTitle, FOutputFileName, FPartialFile;
    bool FPrinting = false, FAborted = false;
    int FPageNumber = 0;
};

// The program's printer, made on first use.
TPrinter* Printer();
