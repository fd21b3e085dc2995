#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "app/ui/Pages.h"
#include "forms/ui/ActiveWindow.h"
#include "forms/ui/NumberField.h"
#include "operation/ui/Form4.h"
#include "results/ui/Form5.h"
#include "selection/ui/Form1.h"
#include "selection/ui/Form2.h"
#include "selection/ui/Form3.h"

namespace {

class Navigation : public ::testing::Test {
protected:
    ~Navigation() override {
        endProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setProgramEndHook(previousHook_);
    }
    int ends = 0;
    std::function<void()> previousHook_ = setProgramEndHook([this] { ++ends; });
};

TEST_F(Navigation, SelectionPageIsCreatedOnceAndBackKeepsItsEntries) {
    Form1& title = form1();
    title.showPage();
    EXPECT_EQ(title.focusWidget(), title.Command1);
    QTest::keyClick(title.Command1, Qt::Key_Space);
    Form2* selection = form2IfCreated();
    ASSERT_NE(selection, nullptr);
    auto* entry = new QLineEdit(QStringLiteral("25L"), selection);
    for (int round = 0; round < 3; ++round) {
        EXPECT_TRUE(selection->isVisible() && !title.isVisible());
        QTest::mouseClick(selection->Command2, Qt::LeftButton);
        EXPECT_TRUE(title.isVisible() && !selection->isVisible());
        QTest::mouseClick(title.Command1, Qt::LeftButton);
        EXPECT_EQ(form2IfCreated(), selection);
    }
    EXPECT_EQ(entry->text(), "25L");
}

// The velocity page closed with the menu of its focused field still open, or
// after an entry of it: tearing the field down must not call back into it.
void closeAfterMenu(const char* entry) {
    navigate(form2(), form3());
    setActiveWindowNow(&form3());
    NumberField* field = form3().Text1;
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, field->rect().center(),
                              field->mapToGlobal(field->rect().center()));
    QApplication::sendEvent(field, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions())
        if (entry != nullptr && action->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr(entry)) {
            action->trigger();
            menu->close();
        }
    form3().close();
}

TEST_F(Navigation, ClosingAnyPageOrExitReleasesEveryPageAndEndsTheProgram) {
    const auto exit = [] {
        navigate(form2(), form5());
        form5().Command2->click();
    };
    const std::function<void()> ways[] = {[] { form1().close(); },         [] { form2().close(); },
                                          [] { form3().close(); },         [] { form4().close(); },
                                          [] { form5().close(); },         [] { closeAfterMenu("Cu&t"); },
                                          [] { closeAfterMenu(nullptr); }, exit};
    for (int way = 0; way < 8; ++way) {
        SCOPED_TRACE(way);  // the last is Exit
        ends = 0;
        form1().showPage();
        navigate(form1(), form2());
        form3(), form4(), form5();
        QPointer<Page> last = &form5();
        ways[way]();
        EXPECT_EQ(ends, 1);
        EXPECT_FALSE(form1IfCreated() || form2IfCreated() || form3IfCreated() || form4IfCreated() || form5IfCreated());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(last.isNull());
    }
}

// A screen reader names a field or list by its accessible name, or by the label related to it: here by its own
// label, never by its frame's title or its current item, and no two alike on a page. The hidden frames' fields too.
TEST_F(Navigation, EveryFieldAndListIsNamedByItsOwnLabel) {
    const auto said = [](QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        QStringList labels;
        for (const auto& [label, relation] : a->relations(QAccessible::Label))
            if (qobject_cast<QLabel*>(label->object()) != nullptr) labels << label->text(QAccessible::Name);
        return std::pair(a->text(QAccessible::Name), labels);
    };
    Form2& selection = form2();
    selection.showPage();
    Form3& velocity = form3();
    Form4& operation = form4();
    std::vector<std::pair<QWidget*, QString>> rows;
    const char* lists[] = {"Series :", "Size : ", "Installation :", "Combination :", "Preload grade :"};
    int n = 0;
    for (QComboBox* list : {selection.Combo1, selection.Combo2, selection.Combo3, selection.Combo4, selection.Combo5})
        rows.emplace_back(list, lists[n++]);
    for (auto [field, name] : {std::pair{velocity.Text1, "V ="},
                               {velocity.Text2, "T1 ="},
                               {velocity.Text3, "Ls ="},
                               {velocity.Text4, "N ="}})
        rows.emplace_back(field, name);
    n = 1;
    for (const char* name : {"Y0 =", "Z0 =", "L1 =", "L1' =", "L2 =", "θ =",  "m1 =", "X1 =", "Y1 =", "Z1 =",
                             "m2 =", "X2 =", "Y2 =", "Z2 =",  "m3 =", "X3 =", "Y3 =", "Z3 =", "fx =", "X4 =",
                             "Y4 =", "Z4 =", "fy =", "X5 =",  "Y5 =", "Z5 =", "fz =", "X6 =", "Y6 =", "Z6 ="})
        rows.emplace_back(operation.field(n++), QString::fromUtf8(name));
    std::map<QWidget*, std::set<QString>> spoken;
    for (const auto& [w, name] : rows) {
        SCOPED_TRACE(name.toStdString());
        const auto [accessibleName, labels] = said(w);
        EXPECT_EQ(labels, QStringList{name});
        // A list's name is its current item, as its kind wants; only its label can say what it is.
        EXPECT_TRUE(qobject_cast<NumberField*>(w) == nullptr || accessibleName == name) << accessibleName.toStdString();
        EXPECT_TRUE(spoken[w->window()].insert(labels.value(0)).second);
    }
}

}  // namespace
