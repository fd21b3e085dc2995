#include "selection/ui/Form2.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/CalculationState.h"
#include "app/ui/Pages.h"
#include "selection/ui/Form1.h"
#include "selection/ui/Form3.h"

namespace {

void releasePages() {
    auto previous = setProgramEndHook([] {});
    endProgram();
    setProgramEndHook(previous);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class SelectionPage : public testing::Test {
protected:
    void SetUp() override {
        releasePages();
        state() = CalculationState{};
    }
    void TearDown() override {
        releasePages();
        state() = CalculationState{};
    }

    // The page as "Calculation" on the title page shows it.
    Form2& open() {
        form1().showPage();
        QTest::mouseClick(form1().Command1, Qt::LeftButton);
        QApplication::setActiveWindow(&form2());
        return form2();
    }

    // Picks an item from the keyboard as a user would: Home, then Down until
    // the item shows. Every step is a pick of its own.
    static void pick(QComboBox* list, const QString& item) {
        ASSERT_GE(list->findText(item), 0) << item.toStdString();
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < list->count() && list->currentText() != item; ++i) QTest::keyClick(list, Qt::Key_Down);
        ASSERT_EQ(list->currentText(), item);
    }

    static QStringList items(const QComboBox* list) {
        QStringList result;
        for (int i = 0; i < list->count(); ++i) result << list->itemText(i);
        return result;
    }
};

TEST_F(SelectionPage, FirstShowingHasTheDefaults) {
    Form2& page = open();
    EXPECT_EQ(page.windowTitle(), "Selection Condition");
    EXPECT_EQ(page.Combo1->currentText(), "QEH");
    EXPECT_EQ(items(page.Combo1), QStringList({"QEH", "QEJ", "WUN", "WUY", "QEY"}));
    EXPECT_EQ(page.Text1->toPlainText(), "Full Ball Type, Heavy Load Type");
    EXPECT_EQ(page.Combo2->count(), 15);
    EXPECT_EQ(page.Combo2->currentText(), "25");
    EXPECT_EQ(items(page.Combo5),
              QStringList({"Light preload ( FC )", "Medium preload ( F0 )", "Heavy preload ( F1 )"}));
    EXPECT_EQ(page.Combo5->currentIndex(), 0);
    EXPECT_EQ(page.Combo3->count(), 5);
    EXPECT_EQ(page.Combo3->currentText(), "Horizontal application");
    EXPECT_EQ(page.Combo4->count(), 8);
    EXPECT_EQ(page.Combo4->currentText(), "2 rails,each rail includes 2 carriages");
    for (QComboBox* list : {page.Combo1, page.Combo2, page.Combo3, page.Combo4, page.Combo5})
        EXPECT_FALSE(list->isEditable());
    // Showing the page writes nothing.
    EXPECT_TRUE(state().SeriesCode.empty());
    EXPECT_EQ(state().DynamicLoadRating, 0.0);
}

TEST_F(SelectionPage, TabOrderRunsThroughListsThenButtons) {
    Form2& page = open();
    const QWidget* expected[] = {page.Combo1, page.Combo2,   page.Combo3,   page.Combo4,
                                 page.Combo5, page.Command1, page.Command2, page.Text1};
    const QWidget* current = page.Combo1;
    for (std::size_t i = 1; i < std::size(expected); ++i) {
        current = current->nextInFocusChain();
        while (current->focusPolicy() == Qt::NoFocus || !current->isVisibleTo(&page))
            current = current->nextInFocusChain();
        EXPECT_EQ(current, expected[i]) << "position " << i;
    }
}

TEST_F(SelectionPage, SeriesPickRefillsSizesAndReturnsToSize25) {
    Form2& page = open();
    struct Case {
        const char* series;
        const char* description;
        int sizes;
        const char* last;
    };
    const Case cases[] = {
        {"QEJ", "Full Ball Type, Compact Type", 10, "35L"},
        {"WUN", "Ball Chain Type, Heavy Load Type", 12, "45L"},
        {"WUY", "Roller Chain Type, Heavy Load Type", 11, "65L"},
        {"QEY", "Full Roller Type, Heavy Load Type", 11, "65L"},
        {"QEH", "Full Ball Type, Heavy Load Type", 15, "65L"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.series);
        pick(page.Combo2, "35");  // any size but 25 before the series pick
        pick(page.Combo1, c.series);
        EXPECT_EQ(page.Text1->toPlainText(), c.description);
        EXPECT_EQ(page.Combo2->count(), c.sizes);
        EXPECT_EQ(page.Combo2->itemText(c.sizes - 1), c.last);
        EXPECT_EQ(page.Combo2->currentText(), "25");
        EXPECT_EQ(page.Combo5->count(), 3);
    }
    EXPECT_EQ(page.Combo2->findText("65"), 13);
    pick(page.Combo1, "WUY");
    EXPECT_EQ(page.Combo2->findText("65"), -1);
}

// Each pick by the user, and each selection the page makes inside a
// cascade, fills a list exactly once.
TEST_F(SelectionPage, EveryCascadeRunsOncePerPick) {
    Form2& page = form2();
    QSignalSpy sizesAdded(page.Combo2->model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy gradesAdded(page.Combo5->model(), &QAbstractItemModel::rowsInserted);
    auto rowsAdded = [](const QSignalSpy& spy) {
        int rows = 0;
        for (const auto& args : spy) rows += args.at(2).toInt() - args.at(1).toInt() + 1;
        return rows;
    };
    open();
    EXPECT_EQ(rowsAdded(sizesAdded), 15);
    EXPECT_EQ(rowsAdded(gradesAdded), 3);

    struct Step {
        QComboBox* list;
        const char* item;
        int sizes;   // rows added to the size list
        int grades;  // rows added to the preload list
    };
    const Step steps[] = {
        {page.Combo2, "15", 0, 2},
        {page.Combo2, "15", 0, 2},  // picking the same size again refills again
        {page.Combo1, "QEJ", 10, 3},
        {page.Combo2, "15T", 0, 2},
        {page.Combo3, "Wall application", 0, 0},
        {page.Combo5, "Medium preload ( F0 )", 0, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.item);
        const int index = s.list->findText(s.item);
        ASSERT_GE(index, 0);
        sizesAdded.clear();
        gradesAdded.clear();
        s.list->setCurrentIndex(index);
        emit s.list->activated(index);  // a mouse pick
        EXPECT_EQ(rowsAdded(sizesAdded), s.sizes);
        EXPECT_EQ(rowsAdded(gradesAdded), s.grades);
    }
}

// What "Next" confirmed comes back by its position whenever the preload list
// is refilled; a grade picked without "Next" is lost.
TEST_F(SelectionPage, PreloadComesBackByConfirmedPosition) {
    struct Case {
        const char* series;
        const char* size;
        const char* grade;  // confirmed with "Next"
        const char* thenSeries;
        const char* thenSize;  // null: stays at 25
        const char* expected;
    };
    const Case cases[] = {
        {"QEH", "25", "Medium preload ( F0 )", "WUY", nullptr, "Heavy preload ( F1 )"},
        {"QEH", "30", "Heavy preload ( F1 )", "QEY", nullptr, "Ultra Heavy preload ( F2 )"},
        {"WUN", "25", "Heavy preload ( F1 )", "QEH", "15", "Light preload ( FC )"},
        {"QEH", "25", "Medium preload ( F0 )", "QEJ", "15T", "Medium preload ( F0 )"},
        {"WUY", "30", "Medium preload ( F0 )", "QEH", nullptr, "Light preload ( FC )"},
        {"QEY", "45", "Ultra Heavy preload ( F2 )", "WUN", "45L", "Heavy preload ( F1 )"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.series) + " " + c.size + " " + c.grade);
        Form2& page = open();
        pick(page.Combo1, c.series);
        pick(page.Combo2, c.size);
        pick(page.Combo5, c.grade);
        QTest::mouseClick(page.Command1, Qt::LeftButton);
        QTest::mouseClick(form3().Command2, Qt::LeftButton);
        pick(page.Combo1, c.thenSeries);
        if (c.thenSize != nullptr) pick(page.Combo2, c.thenSize);
        EXPECT_EQ(page.Combo5->currentText(), c.expected);
        releasePages();
        state() = CalculationState{};
    }
}

TEST_F(SelectionPage, UnconfirmedGradeIsLostAtTheNextSizePick) {
    Form2& page = open();
    pick(page.Combo5, "Heavy preload ( F1 )");
    pick(page.Combo2, "30");
    EXPECT_EQ(page.Combo5->currentText(), "Light preload ( FC )");
    EXPECT_EQ(state().PreloadIndex, 0);
}

// A stored position outside the list selects nothing; "Next" then keeps the
// previous preload force but takes the new ratings.
TEST_F(SelectionPage, StoredPositionOutsideTheListSelectsNothing) {
    Form2& page = open();
    QTest::mouseClick(page.Command1, Qt::LeftButton);
    QTest::mouseClick(form3().Command2, Qt::LeftButton);
    EXPECT_EQ(state().PreloadForce, 562.0f);
    state().PreloadIndex = 3;
    pick(page.Combo2, "45");
    EXPECT_EQ(page.Combo5->count(), 3);
    EXPECT_EQ(page.Combo5->currentIndex(), -1);

    // Enter in a list without a selection stays there.
    QApplication::setActiveWindow(&page);
    page.Combo5->setFocus();
    ASSERT_TRUE(page.Combo5->hasFocus());
    QTest::keyClick(page.Combo5, Qt::Key_Return);
    EXPECT_TRUE(page.Combo5->hasFocus());

    QTest::mouseClick(page.Command1, Qt::LeftButton);
    EXPECT_EQ(state().DynamicLoadRating, 83.8);
    EXPECT_EQ(state().PreloadForce, 562.0f);
    EXPECT_EQ(state().PreloadIndex, -1);
    EXPECT_EQ(state().PreloadText, "");
}

TEST_F(SelectionPage, EnterMovesAlongTheListsAndStopsOnNext) {
    Form2& page = open();
    page.Combo1->setFocus();
    const QWidget* chain[] = {page.Combo1, page.Combo2, page.Combo3, page.Combo4, page.Combo5, page.Command1};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
        ASSERT_EQ(QApplication::focusWidget(), chain[i]) << i;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(QApplication::focusWidget(), page.Command1);
    // Reaching "Next" did not press it.
    EXPECT_TRUE(page.isVisible());
    EXPECT_EQ(form3IfCreated(), nullptr);
    EXPECT_TRUE(state().SeriesCode.empty());
    // Enter on the focused button presses it.
    QTest::keyClick(page.Command1, Qt::Key_Enter);
    EXPECT_FALSE(page.isVisible());
    ASSERT_NE(form3IfCreated(), nullptr);
    EXPECT_TRUE(form3().isVisible());
    EXPECT_EQ(state().SeriesCode, "QEH");
}

// "Next" for rows across all five series, picked as a user would.
TEST_F(SelectionPage, NextStoresTheChosenGuideway) {
    struct Case {
        const char* series;
        const char* size;
        const char* installation;
        const char* combination;
        const char* grade;
        double C, C0, MP0;
        float MR0, force;
        int installationIndex, combinationIndex, preloadIndex;
    };
    const Case cases[] = {
        {"QEH", "65L", "Vertical application", "1 rail,each rail includes 1 carriage", "Heavy preload ( F1 )", 253.5,
         375.9, 11.84, 11.84f, 20280.0f, 1, 0, 2},
        {"QEJ", "15T", "Wall application", "1 rail,each rail includes 4 carriages", "Medium preload ( F0 )", 6.7, 9.6,
         0.04, 0.07f, 335.0f, 2, 3, 1},
        {"WUN", "35L", "Longitudinally tilted application", "2 rails,each rail includes 3 carriages",
         "Light preload ( FC )", 67.6, 109.9, 1.92, 1.91f, 1352.0f, 3, 6, 0},
        {"WUY", "25", "Laterally tilted application", "2 rails,each rail includes 4 carriages", "Medium preload ( F0 )",
         27.4, 57.4, 0.63, 0.66f, 1370.0f, 4, 7, 0},
        {"QEY", "65L", "Horizontal application", "2 rails,each rail includes 1 carriage", "Ultra Heavy preload ( F2 )",
         277.0, 624.0, 22.5, 20.02f, 36010.0f, 0, 4, 2},
    };
    Form2& page = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.series) + " " + c.size);
        pick(page.Combo1, c.series);
        pick(page.Combo2, c.size);
        pick(page.Combo3, c.installation);
        pick(page.Combo4, c.combination);
        pick(page.Combo5, c.grade);
        QTest::mouseClick(page.Command1, Qt::LeftButton);
        const CalculationState& s = state();
        EXPECT_EQ(s.SeriesCode, c.series);
        EXPECT_EQ(s.SizeCode, c.size);
        EXPECT_EQ(s.InstallationText, c.installation);
        EXPECT_EQ(s.CombinationText, c.combination);
        EXPECT_EQ(s.PreloadText, c.grade);
        EXPECT_EQ(s.InstallationIndex, c.installationIndex);
        EXPECT_EQ(s.CombinationIndex, c.combinationIndex);
        EXPECT_EQ(s.PreloadIndex, c.preloadIndex);
        EXPECT_EQ(s.DynamicLoadRating, c.C);
        EXPECT_EQ(s.StaticLoadRating, c.C0);
        EXPECT_EQ(s.PitchingMomentRating, c.MP0);
        EXPECT_EQ(s.YawingMomentRating, c.MP0);
        EXPECT_EQ(s.RollingMomentRating, c.MR0);
        EXPECT_EQ(s.PreloadForce, c.force);
        EXPECT_FALSE(page.isVisible());
        EXPECT_TRUE(form3().isVisible());
        // Back: every pick is still there.
        QTest::mouseClick(form3().Command2, Qt::LeftButton);
        EXPECT_TRUE(page.isVisible());
        EXPECT_EQ(page.Combo1->currentText(), c.series);
        EXPECT_EQ(page.Combo2->currentText(), c.size);
        EXPECT_EQ(page.Combo5->currentText(), c.grade);
    }
}

// Back to the title page and "Calculation" again keeps every pick; a second
// "Next" with only the installation changed keeps the ratings as they were.
TEST_F(SelectionPage, PicksSurviveBackAndSecondNext) {
    Form2& page = open();
    pick(page.Combo1, "QEY");
    pick(page.Combo2, "30L");
    pick(page.Combo4, "1 rail,each rail includes 3 carriages");
    pick(page.Combo5, "Heavy preload ( F1 )");
    QTest::mouseClick(page.Command1, Qt::LeftButton);
    const CalculationState first = state();
    EXPECT_EQ(first.DynamicLoadRating, 54.0);
    EXPECT_EQ(first.StaticLoadRating, 124.0);
    QTest::mouseClick(form3().Command2, Qt::LeftButton);
    QTest::mouseClick(page.Command2, Qt::LeftButton);
    EXPECT_TRUE(form1().isVisible());
    QTest::mouseClick(form1().Command1, Qt::LeftButton);
    EXPECT_EQ(&form2(), &page);
    EXPECT_EQ(page.Combo2->currentText(), "30L");
    EXPECT_EQ(page.Combo4->currentText(), "1 rail,each rail includes 3 carriages");
    EXPECT_EQ(page.Combo5->currentText(), "Heavy preload ( F1 )");
    EXPECT_EQ(page.Text1->toPlainText(), "Full Roller Type, Heavy Load Type");

    pick(page.Combo3, "Laterally tilted application");
    QTest::mouseClick(page.Command1, Qt::LeftButton);
    const CalculationState& second = state();
    EXPECT_EQ(second.InstallationText, "Laterally tilted application");
    EXPECT_EQ(second.InstallationIndex, 4);
    EXPECT_EQ(second.DynamicLoadRating, first.DynamicLoadRating);
    EXPECT_EQ(second.RollingMomentRating, first.RollingMomentRating);
    EXPECT_EQ(second.PreloadForce, first.PreloadForce);
    EXPECT_EQ(second.CombinationIndex, first.CombinationIndex);
}

}  // namespace
