#include "forms/ui/PagePrinter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

TEST(PagePrinter, SavesOnePagePdfUnderNewNamesWithoutOverwriting) {
    QTemporaryDir folder;
    QWidget page;
    page.resize(400, 300);
    (new QLabel(QStringLiteral("Service life 12345 km"), &page))->setGeometry(10, 10, 300, 30);
    QFile existing(folder.filePath("Result-2.pdf"));
    ASSERT_TRUE(existing.open(QIODevice::ReadWrite));
    existing.write("keep me");
    existing.flush();

    static const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page(?!s)"));
    for (const char* name : {"Result.pdf", "Result-3.pdf"}) {
        const PrintOutcome out = savePageAsPdf(page, folder.path(), "Result");
        ASSERT_EQ(out.kind, PrintOutcome::Kind::SavedToPdf) << out.detail.toStdString();
        EXPECT_EQ(QFileInfo(out.detail).fileName(), name);
        QFile file(out.detail);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        EXPECT_TRUE(pdf.startsWith("%PDF"));
        EXPECT_EQ(QString::fromLatin1(pdf).count(pageObject), 1);
        EXPECT_TRUE(pdf.contains("/Font"));  // drawn as text and lines, not as a picture of the page
        EXPECT_FALSE(pdf.contains("/Subtype /Image"));
    }
    existing.seek(0);
    EXPECT_EQ(existing.readAll(), QByteArray("keep me"));
    EXPECT_EQ(savePageAsPdf(page, folder.filePath("no/such")).kind, PrintOutcome::Kind::Failed);
}

}  // namespace
