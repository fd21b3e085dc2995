#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <tuple>
#include <vector>

#include "app/CalculationState.h"
#include "app/ui/Pages.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/PagePrinter.h"
#include "operation/ui/Form4.h"
#include "results/ui/Form5.h"

namespace {

class ResultPage : public ::testing::Test {
protected:
    void SetUp() override {
        state() = CalculationState{};
        QLocale::setDefault(QLocale::c());
        setMessageSink([this](const Message& m) { messages.push_back(m); });
        setProgramEndHook([this] { ++programEnds; });
    }
    void TearDown() override {
        setMessageSink({});
        setProgramEndHook({});
        setPrintBackend({});
        QLocale::setDefault(QLocale::c());
        state() = CalculationState{};
    }

    // One rail, one carriage, 1200 / 1000 / 800 N over a 500 mm stroke.
    static void fillWorkedExample() {
        CalculationState& s = state();
        s.SeriesCode = "QEH";
        s.SizeCode = "25L";
        s.InstallationText = "Horizontal application";
        s.CombinationText = "1 rail,1 carriage";
        s.PreloadText = "Light preload ( FC )";
        s.CombinationIndex = 0;
        s.StaticLoadRating = 30.0;
        s.DynamicLoadRating = 20.0;
        s.PreloadForce = 400.0f;
        s.Velocity = 1.0;
        s.AccelerationTime = 0.1;
        s.StrokeLength = 500.0;
        s.ReciprocationsPerMinute = 30.0f;
        s.Acceleration = 10.0;
        s.EquivalentLoad[1] = {0.0, 1200.0, 1000.0, 800.0};
        s.RadialLoad[1] = {0.0, 1150.25, 950.75, 750.0};
        s.LateralLoad[1] = {0.0, -49.75, -0.04, 12.0};
    }

    // Every carriage of every phase loaded, so that filled and unfilled
    // columns can be told apart.
    static void fillAllCarriages(int combination, double acceleration) {
        fillWorkedExample();
        CalculationState& s = state();
        s.CombinationIndex = static_cast<std::int16_t>(combination);
        s.Acceleration = acceleration;
        for (int i = 1; i <= 8; ++i)
            for (int j = 1; j <= 3; ++j) {
                s.RadialLoad[i][j] = 100.0 * i + j;
                s.LateralLoad[i][j] = 10.0 * i + j;
                s.EquivalentLoad[i][j] = 110.0 * i + 2 * j;
            }
    }

    static QString textOf(const Form5& page, const char* name) {
        const auto* label = page.findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<missing>");
    }

    std::vector<Message> messages;
    int programEnds = 0;
};

TEST_F(ResultPage, CellsAndButtonsStandWhereTheLayoutPutsThem) {
    Form5& page = form5();
    EXPECT_EQ(page.size(), QSize(12075 / 15, 10065 / 15));
    // Label(14 + 10(k-1) + n) is carriage k, row n.
    const std::tuple<const char*, int, int> cells[] = {{"Label14", 1, 0}, {"Label57", 5, 3}, {"Label93", 8, 9}};
    for (const auto& [name, k, n] : cells) {
        const QLabel* cell = page.findChild<QLabel*>(name);
        ASSERT_EQ(cell, page.cell(k, n)) << name;
        EXPECT_EQ(cell->parentWidget(), page.Frame1);
        EXPECT_EQ(cell->geometry(), twips(3240 + 1080 * (k - 1), 600 + 240 * n, 975, 210)) << name;
    }
    const std::pair<QPushButton*, QRect> buttons[] = {{page.Command3, twips(7680, 9600, 1215, 375)},
                                                      {page.Command1, twips(9120, 9600, 1092, 375)},
                                                      {page.Command2, twips(10440, 9600, 1092, 375)}};
    for (const auto& [button, geometry] : buttons)
        EXPECT_EQ(button->geometry(), geometry) << button->text().toStdString();
    EXPECT_EQ(page.Frame4->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(page.Label133->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(page.Image2->size(), QSize(420, 145));
}

TEST_F(ResultPage, ShowsTheWorkedExample) {
    fillWorkedExample();
    Form5& page = form5();
    page.showPage();

    const std::pair<const char*, const char*> expected[] = {
        {"Label95", "QEH25L"},
        {"Label97", "Horizontal application"},
        {"Label99", "1 rail,1 carriage"},
        {"Label124", "Light preload ( FC )"},
        {"Label118", "= 400 N"},
        {"Label102", " 30"},
        {"Label106", " 20"},
        {"Label113", "1.5"},
        {"Label133", "18.7"},  // 18.75 cut, not rounded
        {"Label130", "42465"},
        {"Label126", "23591"},
        // carriage 1: acceleration, uniform, deceleration, mean
        {"Label14", "1150.2"},
        {"Label15", "-49.8"},
        {"Label16", "1200"},
        {"Label17", "950.8"},
        {"Label18", "0"},
        {"Label19", "1000"},
        {"Label20", "750"},
        {"Label21", "12"},
        {"Label22", "800"},
        {"Label23", "1007.9"},
        {"Label24", "----"},
        {"Label93", "----"},
    };
    for (const auto& [name, text] : expected) EXPECT_EQ(textOf(page, name), text) << name;
    for (QLabel* l : {page.Label125, page.Label126, page.Label127, page.Label128}) EXPECT_FALSE(l->isHidden());
}

TEST_F(ResultPage, WithoutInertiaOnlyUniformAndMeanRowsAreFilledAndTheTimeLineHides) {
    fillWorkedExample();
    Form5& page = form5();
    page.showPage();
    ASSERT_EQ(page.Label126->text(), "23591");

    state().Acceleration = 0.0;  // stroke and rate of the first calculation stay behind
    page.hidePage();
    page.showPage();
    EXPECT_EQ(state().LifeTime, 0.0);
    for (QLabel* l : {page.Label125, page.Label126, page.Label127, page.Label128}) EXPECT_TRUE(l->isHidden());
    EXPECT_EQ(page.Label126->text(), "23591");  // hidden, not rewritten
    const char* rows[10] = {"----", "----", "----", "950.8", "0", "1000", "----", "----", "----", "1000"};
    for (int n = 0; n <= 9; ++n) EXPECT_EQ(page.cell(1, n)->text(), rows[n]) << "row " << n;
    EXPECT_EQ(page.Label130->text(), "43191");  // (20000 / (1400 * 1.5))^3 * 50
}

TEST_F(ResultPage, ColumnsFollowTheCombination) {
    const std::pair<int, int> cases[] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 2},
                                         {5, 4}, {6, 6}, {7, 8}, {8, 0}, {-3, 0}};
    Form5& page = form5();
    for (const auto& [combination, columns] : cases) {
        for (double acceleration : {0.0, 10.0}) {
            fillAllCarriages(combination, acceleration);
            page.showPage();
            for (int k = 1; k <= 8; ++k) {
                for (int n = 0; n <= 9; ++n) {
                    const bool phaseShown = acceleration != 0.0 || n == 3 || n == 4 || n == 5 || n == 9;
                    const bool filled = k <= columns && phaseShown;
                    EXPECT_EQ(page.cell(k, n)->text() != "----", filled)
                        << "combination " << combination << " a " << acceleration << " carriage " << k << " row " << n;
                }
            }
            page.hidePage();
        }
    }
}

TEST_F(ResultPage, BackKeepsTheOperationPageAndFewerCarriagesClearTheirColumns) {
    fillAllCarriages(7, 10.0);
    Form5& page = form5();
    page.showPage();
    ASSERT_EQ(page.cell(8, 9)->text(), "884");

    QTest::mouseClick(page.Command1, Qt::LeftButton);
    EXPECT_FALSE(page.isVisible());
    ASSERT_NE(form4IfCreated(), nullptr);
    EXPECT_TRUE(form4().isVisible());
    EXPECT_EQ(programEnds, 0);

    // A new calculation for two rails with one carriage each.
    CalculationState& s = state();
    for (int i = 3; i <= 8; ++i) s.RadialLoad[i] = s.LateralLoad[i] = s.EquivalentLoad[i] = {};
    s.CombinationIndex = 4;
    navigate(form4(), page);
    for (int k = 1; k <= 8; ++k)
        for (int n = 0; n <= 9; ++n) EXPECT_EQ(page.cell(k, n)->text() == "----", k > 2) << k << ' ' << n;
}

TEST_F(ResultPage, NumbersFollowTheLocaleButRatingsKeepTheFullStop) {
    fillWorkedExample();
    state().StaticLoadRating = 56.19;
    state().PreloadForce = 1479.4f;
    state().EquivalentLoad[1] = {0.0, 1234.25, 1234.75, 1234.75};
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Form5& page = form5();
    page.showPage();
    EXPECT_EQ(page.Label102->text(), " 56.19");
    EXPECT_EQ(page.Label118->text(), "= 1479,4 N");
    EXPECT_EQ(page.cell(1, 2)->text(), "1234,2");
    EXPECT_EQ(page.cell(1, 5)->text(), "1234,8");
    EXPECT_EQ(page.Label113->text(), "1,5");

    // A load beyond the 32-bit range still shows as plain digits.
    state().EquivalentLoad[1] = {0.0, 0.0, 1e39, 0.0};
    state().Acceleration = 0.0;
    page.hidePage();
    page.showPage();
    EXPECT_EQ(page.cell(1, 9)->text(), "1" + QString(39, '0'));
    for (const QLabel* label : page.findChildren<QLabel*>())
        EXPECT_FALSE(label->text().contains("inf") || label->text().contains("nan"));
}

TEST_F(ResultPage, PrintSendsTheClientAreaAndKeepsThePage) {
    struct Case {
        PrintOutcome outcome;
        std::size_t messages;
        MessageIcon icon;
        const char* mentions;
    };
    const Case cases[] = {
        {{PrintOutcome::Kind::Printed, {}}, 0, MessageIcon::Information, ""},
        {{PrintOutcome::Kind::SavedToPdf, "/home/user/Documents/Result-2.pdf"},
         1,
         MessageIcon::Information,
         "/home/user/Documents/Result-2.pdf"},
        {{PrintOutcome::Kind::Failed, "the printer is out of paper"}, 1, MessageIcon::Warning, "failed"},
    };
    fillWorkedExample();
    Form5& page = form5();
    page.showPage();
    for (const Case& c : cases) {
        messages.clear();
        std::vector<QSize> printed;
        setPrintBackend([&](QWidget& w) {
            printed.push_back(w.grab().toImage().size());
            return c.outcome;
        });
        const CalculationState before = state();
        QTest::mouseClick(page.Command3, Qt::LeftButton);
        ASSERT_EQ(printed.size(), 1u);
        EXPECT_EQ(printed[0], QSize(805, 671));
        ASSERT_EQ(messages.size(), c.messages);
        if (c.messages) {
            EXPECT_EQ(messages[0].icon, c.icon);
            EXPECT_TRUE(messages[0].text.contains(c.mentions)) << messages[0].text.toStdString();
        }
        EXPECT_TRUE(page.isVisible());
        EXPECT_EQ(programEnds, 0);
        EXPECT_EQ(page.cell(1, 9)->text(), "1007.9");
        EXPECT_EQ(state().LifeDistance, before.LifeDistance);
    }
}

TEST_F(ResultPage, ExitAndClosingEndTheProgram) {
    for (bool viaButton : {true, false}) {
        fillWorkedExample();
        form4();
        Form5& page = form5();
        page.showPage();
        const int before = programEnds;
        if (viaButton)
            QTest::mouseClick(page.Command2, Qt::LeftButton);
        else
            page.close();
        EXPECT_EQ(programEnds, before + 1);
        EXPECT_EQ(form4IfCreated(), nullptr);
        EXPECT_EQ(form5IfCreated(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(ResultPage, TabGoesBackExitPrint) {
    Form5& page = form5();
    page.showPage();
    QApplication::setActiveWindow(&page);
    page.Command1->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), page.Command1);
    QTest::keyClick(page.Command1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), page.Command2);
    QTest::keyClick(page.Command2, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), page.Command3);
}

}  // namespace
