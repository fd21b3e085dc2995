#include "selection/ui/Form2.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "app/CalculationState.h"
#include "app/ui/Pages.h"
#include "forms/ui/ActiveWindow.h"
#include "selection/ui/Form1.h"
#include "selection/ui/Form3.h"

namespace {

class SelectionPage : public testing::Test {
protected:
    void TearDown() override {
        auto previous = setProgramEndHook([] {});
        endProgram();
        setProgramEndHook(previous);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state() = CalculationState{};
    }
    static Form2& open() {
        form1().showPage();
        QTest::mouseClick(form1().Command1, Qt::LeftButton);
        setActiveWindowNow(&form2());
        return form2();
    }
    // Home, then Down until the item shows, as a user would: every step is a pick.
    static void pick(QComboBox* list, const char* item) {
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < list->count() && list->currentText() != item; ++i) QTest::keyClick(list, Qt::Key_Down);
        ASSERT_EQ(list->currentText(), item);
    }
};

// Each pick, and each selection the page makes inside a cascade, fills a list
// exactly once. Steps: list, item, rows added to the sizes and to the grades.
TEST_F(SelectionPage, EveryCascadeRunsOncePerPick) {
    Form2& page = form2();
    QSignalSpy sizesAdded(page.Combo2->model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy gradesAdded(page.Combo5->model(), &QAbstractItemModel::rowsInserted);
    auto rows = [](QSignalSpy& spy) {
        int added = 0;
        for (const auto& args : spy) added += args.at(2).toInt() - args.at(1).toInt() + 1;
        spy.clear();
        return added;
    };
    open();
    EXPECT_EQ(rows(sizesAdded), 15);
    EXPECT_EQ(rows(gradesAdded), 3);
    const std::tuple<QComboBox*, const char*, int, int> steps[] = {
        {page.Combo2, "15", 0, 2},  {page.Combo2, "15", 0, 2},   {page.Combo1, "QEJ", 10, 3},
        {page.Combo2, "15T", 0, 2}, {page.Combo1, "WUY", 11, 3}, {page.Combo5, "Medium preload ( F0 )", 0, 0}};
    for (const auto& [list, item, sizes, grades] : steps) {
        const int index = list->findText(item);
        list->setCurrentIndex(index);
        emit list->activated(index);  // a mouse pick
        EXPECT_EQ(rows(sizesAdded), sizes) << item;
        EXPECT_EQ(rows(gradesAdded), grades) << item;
    }
    EXPECT_EQ(page.Combo2->currentText(), "25");  // a series pick returns to size 25
}

// Picks as a user makes them, Enter along the lists to "Next", Enter on it. The
// grade confirmed by "Next" comes back by its position whenever the preload list is refilled.
TEST_F(SelectionPage, EnterChainAndNextStoreTheChosenGuideway) {
    struct Case {
        const char *series, *gradeAfterSeries, *size, *gradeAfterSize, *installation, *combination, *grade;
        double C;
        float force;
        int installationIndex, combinationIndex, preloadIndex;
    };
    const char *FC = "Light preload ( FC )", *F1 = "Heavy preload ( F1 )";
    const Case cases[] = {
        {"QEH", FC, "65L", FC, "Vertical application", "1 rail,each rail includes 1 carriage", F1, 253.5, 20280.0f, 1,
         0, 2},
        {"QEJ", F1, "15T", FC, "Wall application", "1 rail,each rail includes 4 carriages", "Medium preload ( F0 )",
         6.7, 335.0f, 2, 3, 1},
        {"QEY", F1, "65L", F1, "Laterally tilted application", "2 rails,each rail includes 1 carriage",
         "Ultra Heavy preload ( F2 )", 277.0, 36010.0f, 4, 4, 2},
    };
    Form2& page = open();
    QComboBox* lists[] = {page.Combo1, page.Combo2, page.Combo3, page.Combo4, page.Combo5};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.series);
        const char* items[] = {c.series, c.size, c.installation, c.combination, c.grade};
        pick(page.Combo1, c.series);
        EXPECT_EQ(page.Combo5->currentText(), c.gradeAfterSeries);
        pick(page.Combo2, c.size);
        EXPECT_EQ(page.Combo5->currentText(), c.gradeAfterSize);
        for (int i = 2; i < 5; ++i) pick(lists[i], items[i]);
        setActiveWindowNow(&page);
        page.Combo1->setFocus();
        for (QComboBox* list : lists) {
            ASSERT_EQ(QApplication::focusWidget(), list);
            QTest::keyClick(list, Qt::Key_Return);
        }
        ASSERT_EQ(QApplication::focusWidget(), page.Command1);
        EXPECT_TRUE(page.isVisible());  // reaching "Next" did not press it
        QTest::keyClick(page.Command1, Qt::Key_Enter);
        ASSERT_TRUE(form3().isVisible());
        const CalculationState& s = state();
        EXPECT_EQ(
            (std::vector<std::string>{s.SeriesCode, s.SizeCode, s.InstallationText, s.CombinationText, s.PreloadText}),
            std::vector<std::string>(std::begin(items), std::end(items)));
        EXPECT_EQ((std::vector<int>{s.InstallationIndex, s.CombinationIndex, s.PreloadIndex}),
                  (std::vector<int>{c.installationIndex, c.combinationIndex, c.preloadIndex}));
        EXPECT_EQ(s.DynamicLoadRating, c.C);
        EXPECT_EQ(s.PreloadForce, c.force);
        QTest::mouseClick(form3().Command2, Qt::LeftButton);  // back: the picks are still there
        for (int i = 0; i < 5; ++i) EXPECT_EQ(lists[i]->currentText(), items[i]);
    }
}

// The note is as read-only to the accessibility interface as to the keyboard; a series pick still rewrites it.
TEST_F(SelectionPage, TheNoteTakesNoEdit) {
    Form2& page = open();
    QAccessibleInterface* note = QAccessible::queryAccessibleInterface(page.Text1);
    ASSERT_NE(note->editableTextInterface(), nullptr);
    const QString description = page.Text1->toPlainText();
    const std::function<void()> edits[] = {
        [&] { note->editableTextInterface()->insertText(0, "x"); },
        [&] { note->editableTextInterface()->deleteText(0, 3); },
        [&] { note->editableTextInterface()->replaceText(0, 3, "abc"); },
        [&] { note->setText(QAccessible::Value, "abc"); },
        [&] {
            page.Text1->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(page.Text1, "abc");
            QTest::keyClick(page.Text1, Qt::Key_Backspace);
        },
    };
    for (const auto& edit : edits) {
        edit();
        EXPECT_EQ(page.Text1->toPlainText(), description);
    }
    pick(page.Combo1, "QEJ");
    EXPECT_NE(page.Text1->toPlainText(), description);
    EXPECT_FALSE(page.Text1->toPlainText().isEmpty());
}

// Only Enter moves on from a list: an arrow or a letter, which pick another
// item, leave the focus in the list for the next key.
TEST_F(SelectionPage, OnlyEnterMovesOnFromAList) {
    const std::pair<Qt::Key, bool> keys[] = {
        {Qt::Key_Down, false}, {Qt::Key_Up, false}, {Qt::Key_W, false}, {Qt::Key_Return, true}, {Qt::Key_Enter, true}};
    Form2& page = open();
    QWidget* const chain[] = {page.Combo1, page.Combo2, page.Combo3, page.Combo4, page.Combo5, page.Command1};
    for (int i = 0; i < 5; ++i) {
        auto* list = static_cast<QComboBox*>(chain[i]);
        for (const auto& [key, movesOn] : keys) {
            list->setFocus();
            QTest::keyClick(list, key);
            EXPECT_EQ(QApplication::focusWidget(), chain[movesOn ? i + 1 : i])
                << "list " << i + 1 << ", key " << QKeySequence(key).toString().toStdString();
        }
    }
}

}  // namespace
