#pragma once

#include <QString>
#include <functional>

class QWidget;

// Prints an image of a page's client area to the default printer, without a
// dialog, scaled to fit the paper with margins.
struct PrintOutcome {
    enum class Kind { Printed, SavedToPdf, Failed };
    Kind kind = Kind::Failed;
    QString detail;  // the PDF file for SavedToPdf, the reason for Failed
};

using PrintBackend = std::function<PrintOutcome(QWidget& page)>;

PrintOutcome printPageImage(QWidget& page);

// Replaces the printer (tests); an empty backend restores the real one.
PrintBackend setPrintBackend(PrintBackend backend);
