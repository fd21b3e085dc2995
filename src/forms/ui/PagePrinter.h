#pragma once

#include <QString>
#include <functional>

class QWidget;

// Prints a page's client area as it shows now to the default printer,
// without a dialog, scaled to fit the paper with margins: text as text,
// lines as lines. Where no printer is set up, the page goes to a new PDF
// file instead. Never ends the program; a page that could not be produced in
// full is reported as Failed and leaves no file behind.
struct PrintOutcome {
    enum class Kind { Printed, SavedToPdf, Failed };
    Kind kind = Kind::Failed;
    QString detail;  // the PDF file for SavedToPdf, the reason for Failed
};

using PrintBackend = std::function<PrintOutcome(QWidget& page)>;

PrintOutcome printPageImage(QWidget& page);

// Replaces the printer (tests); an empty backend restores the real one.
PrintBackend setPrintBackend(PrintBackend backend);

// The real printer: the default printer, else a PDF file named
// `<baseName>.pdf`, `<baseName>-2.pdf`, ... (never overwriting a file) in
// the PDF folder.
PrintOutcome printToDefaultPrinter(QWidget& page, const QString& baseName = QStringLiteral("Result"));

// Writes the page as a one-page PDF into `folder` under a new name.
PrintOutcome savePageAsPdf(QWidget& page, const QString& folder, const QString& baseName = QStringLiteral("Result"));

// Where PDF files go: the user's documents folder, or the home folder when
// there is none. Tests point it elsewhere; an empty folder restores it.
QString pdfFolder();
void setPdfFolder(const QString& folder);

// Tests break one step of the real printing path to see the failure
// reported: nothing drawn into the page's recording, a PDF writer that
// cannot open its file, memory running out before the page is finished, a
// PDF file emptied after writing.
enum class PrintFault { None, NothingDrawn, PrinterRefuses, MemoryRunsOut, FileLeftEmpty };
void setPrintFault(PrintFault fault);
