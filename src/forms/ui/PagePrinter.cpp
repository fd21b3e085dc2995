#include "forms/ui/PagePrinter.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>
#include <exception>
#include <new>

#include <sys/mman.h>

namespace {

PrintBackend& currentBackend() {
    static PrintBackend backend;
    return backend;
}

PrinterSource& currentSource() {
    static PrinterSource source;
    return source;
}

QString& folderOverride() {
    static QString folder;
    return folder;
}

// Qt's painting is not exception-safe: where memory runs out while a widget
// paints itself, unwinding makes its painter's destructor allocate and throw
// again, which ends the program, and no catch can help. So a print starts
// only where far more address space than one print takes is free now, and
// is refused otherwise. One print to a PDF file takes up to about 45 MB: the
// printing libraries and fonts the first time, and every time two 16 MB
// buffers through which Qt's PDF writer compresses the page. The margin is
// mapped writable, so that it also counts against a commit limit, but never
// touched, and given straight back: it costs no memory.
const std::size_t kDefaultMemoryMargin = std::size_t{128} << 20;

std::size_t& memoryMargin() {
    static std::size_t bytes = kDefaultMemoryMargin;
    return bytes;
}

bool memoryForOnePrint() {
    void* const area = mmap(nullptr, memoryMargin(), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (area == MAP_FAILED) return false;
    munmap(area, memoryMargin());
    return true;
}

PrintOutcome notEnoughMemory() {
    return {PrintOutcome::Kind::Failed, QStringLiteral("not enough memory to print the page")};
}

// A painter whose work is cut short by memory running out would end its
// engine a second time in its destructor, throw again while the first
// exception is under way and end the program: this guard, made after the
// painter, stands the engine down first.
class PaintingGuard {
public:
    explicit PaintingGuard(QPainter& painter) : painter_(painter) {}
    PaintingGuard(const PaintingGuard&) = delete;
    PaintingGuard& operator=(const PaintingGuard&) = delete;
    ~PaintingGuard() {
        if (std::uncaught_exceptions() > exceptions_ && painter_.isActive()) painter_.paintEngine()->setActive(false);
    }

private:
    QPainter& painter_;
    const int exceptions_ = std::uncaught_exceptions();
};

// Records what the page's widgets paint, as drawing commands. Rendering a
// widget straight onto a printer makes Qt paint it into a bitmap at the
// printer's resolution: hundreds of megabytes, and no text left in a PDF.
// A picture keeps every label as text and every frame as lines.
bool recordPage(QWidget& page, QPicture& picture, QString& reason) {
    if (page.size().isEmpty()) {
        reason = QStringLiteral("the page has no size");
        return false;
    }
    QPainter recorder;
    if (recorder.begin(&picture)) {
        page.render(&recorder, QPoint(), QRegion(page.rect()), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        if (recorder.end() && !picture.boundingRect().isEmpty()) return true;
    }
    reason = QStringLiteral("the page could not be drawn");
    return false;
}

// Draws the recorded page onto the paper, as large as fits inside the
// margins, keeping its proportions.
bool drawPage(const QPicture& picture, QSize size, QPrinter& printer, QString& reason) {
    QPainter painter;
    const PaintingGuard guard(painter);
    if (!painter.begin(&printer)) {
        reason = QStringLiteral("the printer could not be started");
        return false;
    }
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale =
        std::min(static_cast<double>(area.width()) / size.width(), static_cast<double>(area.height()) / size.height());
    // A picture replays enlarged by the printer's resolution over its own;
    // take that back out, so that the page fills the area found above.
    painter.scale(scale * picture.logicalDpiX() / printer.logicalDpiX(),
                  scale * picture.logicalDpiY() / printer.logicalDpiY());
    painter.drawPicture(0, 0, picture);
    if (!painter.end()) {
        reason = QStringLiteral("the printer did not accept the page");
        return false;
    }
    return true;
}

// The widgets paint themselves with painters of their own, where memory
// running out cannot be caught soundly: the margin keeps it from happening.
// The replay onto the printer runs only the guarded painter above, so there
// running out, should the margin ever fall short, fails the print alone.
bool renderPage(QWidget& page, QPrinter& printer, QString& reason) {
    QPicture picture;
    if (!recordPage(page, picture, reason)) return false;
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(page.windowTitle());
    try {
        return drawPage(picture, page.size(), printer, reason);
    } catch (const std::bad_alloc&) {
        reason = notEnoughMemory().detail;
        return false;
    }
}

// The PDF writer does not report a failed write, so a file counts as
// written only when all of it reached the disk.
bool completePdf(const QString& path, QString& reason) {
    QFile file(path);
    const qint64 tail = 32;
    if (file.open(QIODevice::ReadOnly) && file.size() > tail && file.read(5) == "%PDF-" &&
        file.seek(file.size() - tail) && file.read(tail).contains("%%EOF"))
        return true;
    reason = QStringLiteral("%1 could not be written").arg(QDir::toNativeSeparators(path));
    return false;
}

std::unique_ptr<QPrinter> defaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

PrintOutcome writePdf(QWidget& page, const QString& folder, const QString& baseName) {
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return {PrintOutcome::Kind::Failed, QStringLiteral("no folder to save the PDF file in")};
    // Claim a new name before writing, so no existing file is ever replaced.
    QString path;
    for (int n = 1; n < 10000 && path.isEmpty(); ++n) {
        const QString name =
            n == 1 ? baseName + QStringLiteral(".pdf") : QStringLiteral("%1-%2.pdf").arg(baseName).arg(n);
        QFile claim(dir.filePath(name));
        if (claim.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            path = claim.fileName();
        else if (!claim.exists())
            return {PrintOutcome::Kind::Failed,
                    QStringLiteral("cannot write to %1").arg(QDir::toNativeSeparators(folder))};
    }
    if (path.isEmpty()) return {PrintOutcome::Kind::Failed, QStringLiteral("no free file name in %1").arg(folder)};

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QString reason;
    if (!renderPage(page, printer, reason) || !completePdf(path, reason)) {
        QFile::remove(path);
        return {PrintOutcome::Kind::Failed, reason};
    }
    return {PrintOutcome::Kind::SavedToPdf, QDir::toNativeSeparators(path)};
}

}  // namespace

PrintOutcome printPageImage(QWidget& page) {
    if (currentBackend()) return currentBackend()(page);
    return printToDefaultPrinter(page);
}

PrintBackend setPrintBackend(PrintBackend backend) {
    PrintBackend previous = std::move(currentBackend());
    currentBackend() = std::move(backend);
    return previous;
}

PrintOutcome printToDefaultPrinter(QWidget& page, const QString& baseName) {
    // Before the printer is looked up: the first look-up loads the printing libraries.
    if (!memoryForOnePrint()) return notEnoughMemory();
    const std::unique_ptr<QPrinter> printer = currentSource() ? currentSource()() : defaultPrinter();
    if (!printer) return writePdf(page, pdfFolder(), baseName);
    QString reason;
    if (!renderPage(page, *printer, reason))
        return {PrintOutcome::Kind::Failed, printer->printerName() + QStringLiteral(": ") + reason};
    return {PrintOutcome::Kind::Printed, printer->printerName()};
}

PrintOutcome savePageAsPdf(QWidget& page, const QString& folder, const QString& baseName) {
    if (!memoryForOnePrint()) return notEnoughMemory();
    return writePdf(page, folder, baseName);
}

QString pdfFolder() {
    if (!folderOverride().isEmpty()) return folderOverride();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists()) return documents;
    return QDir::homePath();
}

void setPdfFolder(const QString& folder) { folderOverride() = folder; }

void setPrinterSource(PrinterSource source) { currentSource() = std::move(source); }

void setPrintMemoryMargin(std::size_t bytes) { memoryMargin() = bytes == 0 ? kDefaultMemoryMargin : bytes; }
