#pragma once

#include <QString>
#include <cstddef>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

// Prints a page's client area as it shows now to the default printer,
// without a dialog, scaled to fit the paper with margins: text as text,
// lines as lines. Where no printer is set up, the page goes to a new PDF
// file instead. Never ends the program; a page that could not be produced in
// full, or that there is not memory enough to produce, is reported as Failed
// and leaves no file behind.
struct PrintOutcome {
    enum class Kind { Printed, SavedToPdf, Failed };
    Kind kind = Kind::Failed;
    QString detail;  // the PDF file for SavedToPdf, the reason for Failed
};

using PrintBackend = std::function<PrintOutcome(QWidget& page)>;

PrintOutcome printPageImage(QWidget& page);

// Replaces the whole printing path (tests); an empty backend restores it.
PrintBackend setPrintBackend(PrintBackend backend);

// The printing path: the default printer, else a PDF file named
// `<baseName>.pdf`, `<baseName>-2.pdf`, ... (never overwriting a file) in
// the PDF folder.
PrintOutcome printToDefaultPrinter(QWidget& page, const QString& baseName = QStringLiteral("Result"));

// Writes the page as a one-page PDF into `folder` under a new name.
PrintOutcome savePageAsPdf(QWidget& page, const QString& folder, const QString& baseName = QStringLiteral("Result"));

// Where PDF files go: the user's documents folder, or the home folder when
// there is none. Tests point it elsewhere; an empty folder restores it.
QString pdfFolder();
void setPdfFolder(const QString& folder);

// The printer the page goes to: the default printer, or none where none is
// set up (the page then goes to a PDF file). Tests put a printer of their
// own in its place; an empty source restores the default printer.
using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;
void setPrinterSource(PrinterSource source);

// Address space a print must find free before it starts; 0 restores the
// default margin, and tests ask for more than there can ever be.
void setPrintMemoryMargin(std::size_t bytes);
