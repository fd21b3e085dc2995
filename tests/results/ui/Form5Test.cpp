#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <vector>

#include "../WorkedExample.h"
#include "app/ui/Pages.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/PagePrinter.h"
#include "operation/ui/Form4.h"
#include "results/ResultText.h"
#include "results/ui/Form5.h"

namespace {

class ResultPage : public ::testing::Test {
protected:
    void SetUp() override {
        CalculationState& s = state() = workedExample("QEH");
        setMessageSink([this](const Message& m) { messages.push_back(m); });
        setProgramEndHook([this] { ++programEnds; });
        s.RadialLoad[1] = {0.0, 1150.25, 950.75, 750.0};
        s.LateralLoad[1] = {0.0, -49.75, -0.04, 12.0};
    }
    void TearDown() override {
        setMessageSink({});
        setProgramEndHook({});
        setPrintBackend({});
    }

    std::vector<Message> messages;
    int programEnds = 0;
};

TEST_F(ResultPage, ShowsTheWorkedExampleAndHidesTheTimeWithoutInertia) {
    Form5& page = form5();
    page.showPage();
    const std::pair<QLabel*, const char*> expected[] = {
        {page.Label118, "= 400 N"}, {page.Label113, "1.5"},   {page.Label133, "18.7"},  // 18.75 cut, not rounded
        {page.Label130, "42465"},   {page.Label126, "23591"},
    };
    for (const auto& [label, text] : expected) EXPECT_EQ(label->text(), text) << text;
    // carriage 1: acceleration, uniform, deceleration (radial, lateral, equivalent), mean
    const char* column[10] = {"1150.2", "-49.8", "1200", "950.8", "0", "1000", "750", "12", "800", "1007.9"};
    for (int n = 0; n <= 9; ++n) EXPECT_EQ(page.cell(1, n)->text(), column[n]) << "row " << n;
    for (QLabel* l : {page.Label125, page.Label126, page.Label127, page.Label128}) EXPECT_FALSE(l->isHidden());

    state().Acceleration = 0.0;  // stroke and rate of the first calculation stay behind
    page.hidePage();
    page.showPage();
    for (QLabel* l : {page.Label125, page.Label126, page.Label127, page.Label128}) EXPECT_TRUE(l->isHidden());
    EXPECT_EQ(page.Label126->text(), "23591");  // hidden, not rewritten
    EXPECT_EQ(page.cell(1, 9)->text(), "1000");
    EXPECT_EQ(page.Label130->text(), "43191");  // (20000 / (1400 * 1.5))^3 * 50, floored
}

// Every carriage loaded, so the combination alone decides the columns; fewer columns follow more.
TEST_F(ResultPage, ColumnsFollowTheCombination) {
    const std::pair<int, int> cases[] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 2}, {5, 4}, {7, 8}, {6, 6}, {8, 0}};
    CalculationState& s = state();
    for (int i = 1; i <= 8; ++i)
        for (int j = 1; j <= 3; ++j) s.RadialLoad[i][j] = s.LateralLoad[i][j] = s.EquivalentLoad[i][j] = 10.0 * i + j;
    Form5& page = form5();
    for (const auto& [combination, columns] : cases) {
        for (double acceleration : {10.0, 0.0}) {
            s.CombinationIndex = static_cast<std::int16_t>(combination);
            s.Acceleration = acceleration;
            page.showPage();
            for (int k = 1; k <= 8; ++k)
                for (int n = 0; n <= 9; ++n) {
                    const bool phaseShown = acceleration != 0.0 || (n >= 3 && n <= 5) || n == 9;
                    EXPECT_EQ(page.cell(k, n)->text() != "----", k <= columns && phaseShown)
                        << "combination " << combination << " a " << acceleration << " carriage " << k << " row " << n;
                }
            page.hidePage();
        }
    }
}

// The widest figures the calculation step lets through show whole in the page font.
TEST_F(ResultPage, WidestFiguresShowWhole) {
    Form5& page = form5();
    const std::string cell = LoadCellText(0.06 - kLargestTableFigure, ".");  // "-9999999.9"
    const std::string life = GeneralText(std::nextafter(kLargestLifeFigure, 0.0), ".");
    const std::pair<QLabel*, std::string> widest[] = {
        {page.cell(8, 9), cell}, {page.Label133, life}, {page.Label130, life}, {page.Label126, life}};
    for (const auto& [label, text] : widest)
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(QString::fromStdString(text)),
                  label->contentsRect().width())
            << text;
}

TEST_F(ResultPage, PrintKeepsThePageBackShowsTheOperationPageExitAndCloseEndTheProgram) {
    const struct {
        PrintOutcome outcome;
        MessageIcon icon;
        QString mentions;  // empty: no message
    } cases[] = {{{PrintOutcome::Kind::Printed, {}}, MessageIcon::Information, ""},
                 {{PrintOutcome::Kind::SavedToPdf, "/tmp/Result-2.pdf"}, MessageIcon::Information, "/tmp/Result-2.pdf"},
                 {{PrintOutcome::Kind::Failed, "out of paper"}, MessageIcon::Warning, "failed"}};
    Form5& page = form5();
    page.showPage();
    for (const auto& c : cases) {
        messages.clear();
        QSize printed;
        setPrintBackend([&](QWidget& w) {
            printed = w.grab().toImage().size();
            return c.outcome;
        });
        QTest::mouseClick(page.Command3, Qt::LeftButton);
        EXPECT_EQ(printed, QSize(805, 671));  // the client area
        ASSERT_EQ(messages.size(), c.mentions.isEmpty() ? 0u : 1u);
        if (!messages.empty()) {
            EXPECT_EQ(messages[0].icon, c.icon);
            EXPECT_TRUE(messages[0].text.contains(c.mentions)) << messages[0].text.toStdString();
        }
        EXPECT_TRUE(page.isVisible());
        EXPECT_EQ(page.cell(1, 9)->text(), "1007.9");
    }
    EXPECT_EQ(programEnds, 0);

    QTest::mouseClick(page.Command1, Qt::LeftButton);
    EXPECT_FALSE(page.isVisible());
    EXPECT_TRUE(form4().isVisible());
    for (bool viaButton : {true, false}) {
        form4();
        form5().showPage();
        viaButton ? QTest::mouseClick(form5().Command2, Qt::LeftButton) : void(form5().close());
        EXPECT_EQ(programEnds, viaButton ? 1 : 2);
        EXPECT_TRUE(form4IfCreated() == nullptr && form5IfCreated() == nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The real printing path into a PDF file: the page's values come out as text;
// a page not produced in full is reported and leaves no file.
TEST_F(ResultPage, PrintWritesThePageAsTextOrReportsTheFailureLeavingNoFile) {
    QTemporaryDir folder;
    setPrintBackend([&](QWidget& w) { return savePageAsPdf(w, folder.path()); });
    Form5& page = form5();
    page.showPage();
    for (PrintFault fault : {PrintFault::None, PrintFault::NothingDrawn, PrintFault::PrinterRefuses,
                             PrintFault::MemoryRunsOut, PrintFault::FileLeftEmpty}) {
        messages.clear();
        setPrintFault(fault);
        QTest::mouseClick(page.Command3, Qt::LeftButton);
        setPrintFault(PrintFault::None);
        const QStringList files = QDir(folder.path()).entryList(QDir::Files);
        ASSERT_EQ(messages.size(), 1u);
        const Message& m = messages[0];
        if (fault == PrintFault::None) {
            ASSERT_EQ(files.size(), 1);
            EXPECT_EQ(m.icon, MessageIcon::Information);
            EXPECT_TRUE(m.text.contains(files[0])) << m.text.toStdString();
            QProcess pdftotext;
            pdftotext.start(QStringLiteral("pdftotext"), {folder.filePath(files[0]), QStringLiteral("-")});
            ASSERT_TRUE(pdftotext.waitForFinished()) << "pdftotext (poppler-utils) is needed";
            const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
            for (const char* shown : {"Equivalent load", "1007.9", "18.7", "42465", "23591"})
                EXPECT_TRUE(text.contains(QLatin1String(shown))) << shown;
            QFile::remove(folder.filePath(files[0]));
        } else {
            EXPECT_TRUE(files.isEmpty()) << files.join(' ').toStdString();
            EXPECT_EQ(m.icon, MessageIcon::Warning);
            EXPECT_TRUE(m.text.startsWith("Printing failed: ")) << m.text.toStdString();
        }
        EXPECT_TRUE(page.isVisible());
        EXPECT_EQ(page.cell(1, 9)->text(), "1007.9");
    }
}

// The frame's top line shows right of the notes' text and runs above the
// first note's letters, not through them.
TEST_F(ResultPage, NoteFrameLineRunsAboveTheFirstNote) {
    Form5& page = form5();
    page.showPage();
    const QImage frame = page.Frame3->grab().toImage();
    const int x = frame.width() - 20;
    int line = 0;
    while (line < frame.height() && qGray(frame.pixel(x, line)) > 235) ++line;
    const QRect note = page.Label109->geometry();
    EXPECT_LT(line, note.center().y() - QFontMetrics(page.Label109->font()).capHeight() / 2);
}

}  // namespace
