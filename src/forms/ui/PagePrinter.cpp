#include "forms/ui/PagePrinter.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>

namespace {

PrintBackend& currentBackend() {
    static PrintBackend backend;
    return backend;
}

QString& folderOverride() {
    static QString folder;
    return folder;
}

// Draws the page's client area onto the paper, as large as fits inside the
// margins, keeping its proportions. The widget paints straight into the
// printer, so text and lines stay sharp at the printer's resolution.
bool renderPage(QWidget& page, QPrinter& printer, QString& reason) {
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(page.windowTitle());
    QPainter painter;
    if (!painter.begin(&printer)) {
        reason = QStringLiteral("the printer could not be started");
        return false;
    }
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize size = page.size();
    if (size.isEmpty()) {
        painter.end();
        reason = QStringLiteral("the page has no size");
        return false;
    }
    const double scale =
        std::min(static_cast<double>(area.width()) / size.width(), static_cast<double>(area.height()) / size.height());
    painter.scale(scale, scale);
    page.render(&painter, QPoint(), QRegion(page.rect()), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    if (!painter.end()) {
        reason = QStringLiteral("the printer did not accept the page");
        return false;
    }
    return true;
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
    printer.setOutputFileName(path);
    QString reason;
    if (!renderPage(page, printer, reason)) {
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
