// The printer over Qt's: a PDF job is written beside its target and moved into place when it ends.
#include "toolkit/graphics/Printers.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

TPrinter::TPrinter() : FPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

TPrinter::~TPrinter() {
    if (FPrinting) Abort();
}

TPrinterOrientation TPrinter::Orientation() const {
    return FPrinter->pageLayout().orientation() == QPageLayout::Landscape ? poLandscape : poPortrait;
}

void TPrinter::SetOrientation(TPrinterOrientation v) {
    if (FPrinting) throw EPrinter("Cannot change the orientation while printing");
    FPrinter->setPageOrientation(v == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TPrinter::SetOutputFileName(const String& v) {
    if (FPrinting) throw EPrinter("Cannot change the output while printing");
    FOutputFileName = v;
}

void TPrinter::RequireJob(const char* operation) const {
    if (!FPrinting)
        throw EPrinter(QStringLiteral("Printer is not printing: cannot %1").arg(QLatin1String(operation)));
}

void TPrinter::BeginDoc() {
    if (FPrinting) throw EPrinter("Printing in progress");
    FAborted = false;
    FPartialFile.clear();
    if (FOutputFileName.isEmpty()) {
        FPrinter->setOutputFormat(QPrinter::NativeFormat);
        FPrinter->setOutputFileName(QString());
    } else {
        // The job goes to a file of its own in the target's folder, so an existing file stays whole
        // until the job is complete, and the move into place is atomic.
        const QFileInfo target(FOutputFileName);
        QTemporaryFile reserve(
            target.absoluteDir().filePath(target.fileName() + QStringLiteral(".XXXXXX.part")));
        reserve.setAutoRemove(false);
        if (!reserve.open())
            throw EPrinter(
                QStringLiteral("Cannot write \"%1\": %2").arg(FOutputFileName, reserve.errorString()));
        FPartialFile = reserve.fileName();
        reserve.close();
        FPrinter->setOutputFormat(QPrinter::PdfFormat);
        FPrinter->setOutputFileName(FPartialFile);
    }
    FPrinter->setDocName(FTitle);
    FPrinter->setCreator(FTitle);
    FPainter = std::make_unique<QPainter>();
    if (!FPainter->begin(FPrinter.get())) {
        FPainter.reset();
        if (!FPartialFile.isEmpty()) QFile::remove(FPartialFile);
        FPartialFile.clear();
        throw EPrinter(FOutputFileName.isEmpty()
                           ? QStringLiteral("Printer is not ready")
                           : QStringLiteral("Cannot write \"%1\"").arg(FOutputFileName));
    }
    FCanvas.Attach(FPainter.get());
    FPrinting = true;
    FPageNumber = 1;
}

void TPrinter::FinishPainting() {
    FCanvas.Detach();
    if (FPainter && FPainter->isActive()) FPainter->end();
    FPainter.reset();
    FPrinting = false;
    FPageNumber = 0;
}

void TPrinter::EndDoc() {
    RequireJob("end the document");
    FinishPainting();
    if (FPartialFile.isEmpty()) return;
    const String partial = FPartialFile;
    FPartialFile.clear();
    std::error_code error;
    std::filesystem::rename(partial.toStdString(), FOutputFileName.toStdString(), error);
    if (error) {
        QFile::remove(partial);
        throw EPrinter(QStringLiteral("Cannot write \"%1\": %2")
                           .arg(FOutputFileName, QString::fromStdString(error.message())));
    }
}

void TPrinter::Abort() {
    RequireJob("abort");
    // The system printer drops the spooled job; a PDF job drops its file.
    if (FPartialFile.isEmpty()) FPrinter->abort();
    FinishPainting();
    if (!FPartialFile.isEmpty()) QFile::remove(FPartialFile);
    FPartialFile.clear();
    FAborted = true;
}

void TPrinter::NewPage() {
    RequireJob("start a new page");
    if (!FPrinter->newPage()) throw EPrinter("Cannot start a new page");
    // The canvas keeps its mapping from page to page.
    FCanvas.SetMapping(FCanvas.Mapping());
    ++FPageNumber;
}

int TPrinter::PageWidth() const {
    return FPrinter->pageLayout().paintRectPixels(FPrinter->resolution()).width();
}

int TPrinter::PageHeight() const {
    return FPrinter->pageLayout().paintRectPixels(FPrinter->resolution()).height();
}

int TPrinter::PixelsPerInchX() const {
    return FPrinter->resolution();
}

int TPrinter::PixelsPerInchY() const {
    return FPrinter->resolution();
}

TPrinter* Printer() {
    // Never destroyed: the platform's printer must not outlive the application object's end.
    static TPrinter* printer = new TPrinter;
    return printer;
}
