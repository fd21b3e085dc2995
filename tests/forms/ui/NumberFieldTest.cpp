#include "forms/ui/NumberField.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <tuple>
#include <vector>

#include "forms/NumberText.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/Page.h"

namespace {

NumberField::Check positive(QString replacement, bool returnFocus = true, QString message = "Must be above 0") {
    return [=](const QString& text) {
        if (IsNumeric(text.toStdString()) && LeadingNumber(text.toStdString()) > 0) return Verdict::accept();
        return Verdict::reject(replacement, returnFocus, QStringLiteral("Warning"), message);
    };
}

// Two fields in tab order, a button and one that takes no focus; the handlers
// count how often they got past checksPassed().
class FieldPage : public Page {
public:
    FieldPage() : Page(QStringLiteral("Fields"), 6000, 4500) {
        Text1->setCheck(positive(QStringLiteral("1")));
        Command[1]->setFocusPolicy(Qt::NoFocus);
        for (int i : {0, 1}) {
            Command[i]->setGeometry(twips(3000, 300 + 700 * i, 1200, 400));
            connect(Command[i], &QPushButton::clicked, this, [this, i] { runs[i] += checksPassed() ? 1 : 0; });
        }
    }
    NumberField *Text1 = new NumberField(this), *Text2 = new NumberField(this);
    QPushButton* Command[2] = {new QPushButton("Next", this), new QPushButton("Tool", this)};
    int runs[2] = {0, 0};
};

class NumberFieldTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE((page->showPage(), QTest::qWaitForWindowActive(page.get()))); }
    ~NumberFieldTest() override { page.reset(), setMessageSink(previousSink_); }
    void enter(NumberField* field, const QString& text) {
        field->setFocus(Qt::OtherFocusReason);
        field->clear();
        QTest::keyClicks(field, text);
    }

    std::vector<Message> messages;
    MessageSink previousSink_ = setMessageSink([this](const Message& m) { messages.push_back(m); });
    std::unique_ptr<FieldPage> page = std::make_unique<FieldPage>();
};

TEST_F(NumberFieldTest, TypedAndPastedTextKeepsDigitsPointAndAllowedMinus) {
    const std::tuple<bool, QString, QString> cases[] = {
        {false, "-1,2.5e", "12.5"}, {true, "a-1 b.5", "-1.5"}, {true, "1-2..", "1-2.."}, {false, "+3 mm", "3"}};
    for (const auto& [allowMinus, typed, kept] : cases) {
        page->Text2->setAllowMinus(allowMinus);
        enter(page->Text2, typed);
        EXPECT_EQ(page->Text2->text(), kept) << typed.toStdString();
        enter(page->Text2, "");
        QApplication::clipboard()->setText(typed);
        QTest::keyClick(page->Text2, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(page->Text2->text(), kept) << "pasted " << typed.toStdString();
    }
    // Over a selected entry, by key or by the context menu: what the filter drops is never inserted, so a paste of
    // nothing else leaves the entry and its selection alone.
    page->Text2->setAllowMinus(false);
    for (const auto& [pasted, kept] : {std::pair<QString, QString>{"abc", "1.5"}, {"", "1.5"}, {"7x", "7"}})
        for (bool viaMenu : {false, true}) {
            SCOPED_TRACE(pasted.toStdString() + (viaMenu ? " from the menu" : " by key"));
            enter(page->Text2, "1.5");
            page->Text2->selectAll();
            QApplication::clipboard()->setText(pasted);
            if (viaMenu) {
                const QPoint at = page->Text2->rect().center();
                QContextMenuEvent request(QContextMenuEvent::Mouse, at, page->Text2->mapToGlobal(at));
                QApplication::sendEvent(page->Text2, &request);
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                ASSERT_NE(menu, nullptr);
                for (QAction* action : menu->actions())
                    if (action->text().startsWith("&Paste\t")) action->trigger();
                menu->close();
            } else {
                QTest::keyClick(page->Text2, Qt::Key_V, Qt::ControlModifier);
            }
            EXPECT_EQ(page->Text2->text(), kept);
            EXPECT_EQ(page->Text2->selectedText(), kept == "1.5" ? kept : QString());
        }
}

// Leaving runs the check, and Enter leaves like Tab whatever the shift state;
// a message box taking the focus is no leaving.
TEST_F(NumberFieldTest, LeavingRunsTheCheckAndEnterMovesLikeTab) {
    using K = QKeyCombination;
    for (const K key :
         {K(Qt::Key_Tab), K(Qt::Key_Return), Qt::KeypadModifier | Qt::Key_Enter, Qt::ShiftModifier | Qt::Key_Return}) {
        SCOPED_TRACE(key.toCombined());
        messages.clear();
        enter(page->Text1, "2.5");
        QTest::keyClick(page->Text1, key.key(), key.keyboardModifiers());
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(page->Text2->hasFocus());

        enter(page->Text1, "0");
        QMessageBox box(QMessageBox::Warning, "Warning", "other", QMessageBox::Ok, page.get());
        for (QWidget* window : std::initializer_list<QWidget*>{&box, page.get()}) {
            window->show();  // what a window manager does on a new window or a click
            QApplication::setActiveWindow(window);
            QCoreApplication::processEvents();
        }
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(page->Text1->hasFocus());
        QTest::keyClick(page->Text1, key.key(), key.keyboardModifiers());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(page->Text1->text(), "1");
        EXPECT_TRUE(page->Text1->hasFocus());
    }
}

// A click while the field holds a rejected text runs the check, and does
// nothing more when the check warns or holds the focus. The focus never
// returns to a replacement the check rejects. Nothing lingers for the next click.
TEST_F(NumberFieldTest, ClickIsSwallowedExactlyWhenTheCheckWarnsOrHoldsTheFocus) {
    const std::tuple<const char*, QString, bool, QString, bool> cases[] = {
        {"warns", "1", true, "Must be above 0", true},
        {"warns, replacement rejected too", "", true, "Must be above 0", true},
        {"silently holds the focus", "1", true, "", true},
        {"silent, lets the focus go", "1", false, "", false},
        {"silent, replacement rejected too", "", true, "", false}};
    for (const auto& [how, replacement, returnFocus, message, swallowed] : cases) {
        for (int button : {0, 1}) {
            SCOPED_TRACE(std::string(how) + (button ? ", button without focus" : ""));
            page->Text1->setCheck(positive(replacement, returnFocus, message));
            messages.clear();
            page->runs[button] = 0;
            enter(page->Text1, "0");
            QTest::mouseClick(page->Command[button], Qt::LeftButton);
            EXPECT_EQ(messages.size(), message.isEmpty() ? 0u : 1u);
            EXPECT_EQ(page->runs[button], swallowed ? 0 : 1);
            EXPECT_EQ(page->Text1->text(), replacement);
            EXPECT_EQ(page->Text1->hasFocus(), button == 1 || (returnFocus && !replacement.isEmpty()));
            EXPECT_FALSE(page->Command[button]->isDown());
            QTest::mouseClick(page->Command[button], Qt::LeftButton);
            EXPECT_EQ(page->runs[button], swallowed ? 1 : 2);
        }
    }
    // Code moved the focus as if by mouse with no press following: the mark
    // that would swallow the press lapses on the next turn of the event loop.
    page->Text1->setCheck(positive("1"));
    page->runs[0] = 0;
    enter(page->Text1, "0");
    page->Text2->setFocus(Qt::MouseFocusReason);
    QTest::qWait(1);
    page->Command[0]->setFocus(Qt::OtherFocusReason);
    QTest::mouseClick(page->Command[0], Qt::LeftButton);
    EXPECT_EQ(page->runs[0], 1);
}

}  // namespace
