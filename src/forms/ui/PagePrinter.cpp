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

namespace {

PrintBackend& currentBackend() {
    static PrintBackend backend;
    return backend;
}

QString& folderOverride() {
    static QString folder;
    return folder;
}

// Qt reports memory running out by throwing, from the middle of painting as
// from the PDF writer's last step. The painter's destructor would then end
// its engine a second time, throw again while the first exception is under
// way and end the program: this guard, made after the painter, stands the
// engine down first.
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

PrintFault& injectedFault() {
    static PrintFault fault = PrintFault::None;
    return fault;
}

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
    const PaintingGuard guard(recorder);
    if (recorder.begin(&picture)) {
        if (injectedFault() != PrintFault::NothingDrawn)
            page.render(&recorder, QPoint(), QRegion(page.rect()),
                        QWidget::DrawWindowBackground | QWidget::DrawChildren);
        if (recorder.end() && !picture.boundingRect().isEmpty()) return true;
    }
    reason = QStringLiteral("the page could not be drawn");
    return false;
}

// Draws the page onto the paper, as large as fits inside the margins,
// keeping its proportions.
bool drawPage(QWidget& page, QPrinter& printer, QString& reason) {
    QPicture picture;
    if (!recordPage(page, picture, reason)) return false;
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(page.windowTitle());
    QPainter painter;
    const PaintingGuard guard(painter);
    if (!painter.begin(&printer)) {
        reason = QStringLiteral("the printer could not be started");
        return false;
    }
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize size = page.size();
    const double scale =
        std::min(static_cast<double>(area.width()) / size.width(), static_cast<double>(area.height()) / size.height());
    // A picture replays enlarged by the printer's resolution over its own;
    // take that back out, so that the page fills the area found above.
    painter.scale(scale * picture.logicalDpiX() / printer.logicalDpiX(),
                  scale * picture.logicalDpiY() / printer.logicalDpiY());
    painter.drawPicture(0, 0, picture);
    if (injectedFault() == PrintFault::MemoryRunsOut) throw std::bad_alloc();
    if (!painter.end()) {
        reason = QStringLiteral("the printer did not accept the page");
        return false;
    }
    return true;
}

// Memory running out fails the print; it must not end the program.
bool renderPage(QWidget& page, QPrinter& printer, QString& reason) {
    try {
        return drawPage(page, printer, reason);
    } catch (const std::bad_alloc&) {
        reason = QStringLiteral("not enough memory to print the page");
        return false;
    }
}

// The PDF writer does not report a failed write, so a file counts as
// written only when all of it reached the disk.
bool completePdf(const QString& path, QString& reason) {
    if (injectedFault() == PrintFault::FileLeftEmpty) QFile(path).resize(0);
    QFile file(path);
    const qint64 tail = 32;
    if (file.open(QIODevice::ReadOnly) && file.size() > tail && file.read(5) == "%PDF-" &&
        file.seek(file.size() - tail) && file.read(tail).contains("%%EOF"))
        return true;
    reason = QStringLiteral("%1 could not be written").arg(QDir::toNativeSeparators(path));
    return false;
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
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return savePageAsPdf(page, pdfFolder(), baseName);
    QPrinter printer(info, QPrinter::HighResolution);
    QString reason;
    if (!renderPage(page, printer, reason))
        return {PrintOutcome::Kind::Failed, info.printerName() + QStringLiteral(": ") + reason};
    return {PrintOutcome::Kind::Printed, info.printerName()};
}

PrintOutcome savePageAsPdf(QWidget& page, const QString& folder, const QString& baseName) {
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
    // A file inside the claimed file cannot be opened: the writer refuses.
    printer.setOutputFileName(injectedFault() == PrintFault::PrinterRefuses ? path + QStringLiteral("/page.pdf")
                                                                            : path);
    QString reason;
    if (!renderPage(page, printer, reason) || !completePdf(path, reason)) {
        QFile::remove(path);
        return {PrintOutcome::Kind::Failed, reason};
    }
    return {PrintOutcome::Kind::SavedToPdf, QDir::toNativeSeparators(path)};
}

QString pdfFolder() {
    if (!folderOverride().isEmpty()) return folderOverride();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists()) return documents;
    return QDir::homePath();
}

void setPdfFolder(const QString& folder) { folderOverride() = folder; }

void setPrintFault(PrintFault fault) { injectedFault() = fault; }
