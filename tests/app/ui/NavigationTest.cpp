#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>

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
    const std::function<void()> ways[] = {[] { form1().close(); },         [] { form2().close(); },
                                          [] { form3().close(); },         [] { form4().close(); },
                                          [] { form5().close(); },         [] { closeAfterMenu("Cu&t"); },
                                          [] { closeAfterMenu(nullptr); }, [] { form5().Command2->click(); }};
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

}  // namespace
