#include "forms/ui/PagePrinter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

int pageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    int n = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next()) ++n;
    return n;
}

class PagePrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        page.resize(400, 300);
        auto* label = new QLabel(QStringLiteral("Service life 12345 km"), &page);
        label->setGeometry(10, 10, 300, 30);
    }
    void TearDown() override { setPdfFolder({}); }

    QTemporaryDir folder;
    QWidget page;
};

TEST_F(PagePrinterTest, SavesOnePagePdfUnderNewNamesWithoutOverwriting) {
    QFile existing(folder.filePath("Result-2.pdf"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();

    const std::pair<QString, QString> expected[] = {
        {"Result", "Result.pdf"},
        {"Result", "Result-3.pdf"},  // Result-2.pdf belongs to someone else
        {"Table", "Table.pdf"},
    };
    for (const auto& [base, name] : expected) {
        SCOPED_TRACE(name.toStdString());
        const PrintOutcome out = savePageAsPdf(page, folder.path(), base);
        ASSERT_EQ(out.kind, PrintOutcome::Kind::SavedToPdf) << out.detail.toStdString();
        EXPECT_EQ(QFileInfo(out.detail).fileName(), name);
        const QByteArray pdf = contentOf(out.detail);
        EXPECT_TRUE(pdf.startsWith("%PDF"));
        EXPECT_EQ(pageCount(pdf), 1);
        // Drawn into the printer, not a picture of the screen: the text
        // stays text, with its font.
        EXPECT_TRUE(pdf.contains("/Font"));
    }
    EXPECT_EQ(contentOf(folder.filePath("Result-2.pdf")), QByteArray("keep me"));
}

TEST_F(PagePrinterTest, MissingFolderFailsWithAReasonAndWritesNothing) {
    const QString missing = folder.filePath("no/such/folder");
    const PrintOutcome out = savePageAsPdf(page, missing);
    EXPECT_EQ(out.kind, PrintOutcome::Kind::Failed);
    EXPECT_FALSE(out.detail.isEmpty());
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(PagePrinterTest, WithoutAPrinterThePageGoesToAPdfInThePdfFolder) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a default printer is set up here";
    setPdfFolder(folder.path());
    const PrintOutcome out = printPageImage(page);
    ASSERT_EQ(out.kind, PrintOutcome::Kind::SavedToPdf) << out.detail.toStdString();
    EXPECT_EQ(QFileInfo(out.detail).absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
    EXPECT_EQ(pageCount(contentOf(out.detail)), 1);
}

}  // namespace
