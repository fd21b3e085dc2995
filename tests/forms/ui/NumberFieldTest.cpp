#include "forms/ui/NumberField.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

#include "forms/NumberText.h"
#include "forms/ui/ActiveWindow.h"
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
            // "Next" calculates; the other only needs the field it leaves checked.
            connect(Command[i], &QPushButton::clicked, this,
                    [this, i] { runs[i] += (i == 0 ? allChecksPassed() : checksPassed()) ? 1 : 0; });
            Command[i]->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(Command[i], &QWidget::customContextMenuRequested, this, [this, i] { ++menus[i]; });
        }
    }
    NumberField *Text1 = new NumberField(this), *Text2 = new NumberField(this);
    QPushButton* Command[2] = {new QPushButton("Next", this), new QPushButton("Tool", this)};
    int runs[2] = {0, 0};
    int menus[2] = {0, 0};  // context-menu requests that reached a command
};

// An entry of the open context menu, by its caption in the text box's language.
QAction* menuEntry(const char* caption) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return nullptr;
    for (QAction* action : menu->actions())
        if (action->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr(caption)) return action;
    return nullptr;
}

class NumberFieldTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE((page->showPage(), QTest::qWaitForWindowActive(page.get()))); }
    ~NumberFieldTest() override { page.reset(), setMessageSink(previousSink_); }
    void enter(NumberField* field, const QString& text) {
        field->setFocus(Qt::OtherFocusReason);
        field->clear();
        QTest::keyClicks(field, text);
    }

    // A request for a context menu, as the menu key or a right click makes it.
    static void requestMenu(QWidget* widget, QContextMenuEvent::Reason reason) {
        const QPoint at = widget->rect().center();
        QContextMenuEvent request(reason, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &request);
    }

    // Paste from the field's context menu, opened as by the menu key.
    static void pasteFromMenu(NumberField* field) {
        requestMenu(field, QContextMenuEvent::Keyboard);
        QAction* paste = menuEntry("&Paste");
        ASSERT_NE(paste, nullptr);
        paste->trigger();
        QApplication::activePopupWidget()->close();
    }

    // A press as the window system delivers it: the focus moves, then the
    // press and, for the right button, the request for a context menu.
    void pressOn(QWidget* widget, Qt::MouseButton button) {
        QTest::mousePress(page->windowHandle(), button, {}, widget->mapTo(page.get(), widget->rect().center()));
    }
    void releaseOn(QWidget* widget, Qt::MouseButton button) {
        QTest::mouseRelease(page->windowHandle(), button, {}, widget->mapTo(page.get(), widget->rect().center()));
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
            viaMenu ? pasteFromMenu(page->Text2) : QTest::keyClick(page->Text2, Qt::Key_V, Qt::ControlModifier);
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
            setActiveWindowNow(window);
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

            // A right click brings a context-menu request between its press
            // and its release; it goes where the press goes. A command that
            // takes no focus leaves the field, and its check, alone.
            page->menus[button] = 0;
            enter(page->Text1, "0");
            pressOn(page->Command[button], Qt::RightButton);
            releaseOn(page->Command[button], Qt::RightButton);
            EXPECT_EQ(page->menus[button], swallowed && button == 0 ? 0 : 1);
        }
    }
    // The menu key asks for a menu of its own after a refused right click,
    // whether the button is still held or a box that the press raised took
    // its release; no mark outlives its press.
    page->Text1->setCheck(positive("1"));
    for (bool releasedUnderTheBox : {false, true}) {
        SCOPED_TRACE(releasedUnderTheBox ? "released while the box is up" : "held");
        setMessageSink([this, releasedUnderTheBox](const Message& m) {
            messages.push_back(m);
            if (releasedUnderTheBox) releaseOn(page->Command[0], Qt::RightButton);
        });
        page->menus[0] = 0;
        enter(page->Text1, "0");
        pressOn(page->Command[0], Qt::RightButton);
        setMessageSink([this](const Message& m) { messages.push_back(m); });
        requestMenu(page->Text1, QContextMenuEvent::Keyboard);
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        QApplication::activePopupWidget()->close();
        if (!releasedUnderTheBox) releaseOn(page->Command[0], Qt::RightButton);
        requestMenu(page->Command[0], QContextMenuEvent::Mouse);
        EXPECT_EQ(page->menus[0], 1);
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

// Undo after a paste takes back the paste alone, Redo puts it back, and
// typing after it is a step of its own; over a selection too, and into a
// field just emptied, whose emptiness is a step of its own.
TEST_F(NumberFieldTest, APasteIsAnUndoStepOfItsOwn) {
    using Steps = std::vector<std::pair<QKeyCombination, QString>>;
    const QKeyCombination undo = Qt::ControlModifier | Qt::Key_Z, redo = Qt::ControlModifier | Qt::Key_Y;
    NumberField* field = page->Text2;
    const struct {
        const char* where;
        std::function<void()> prepare;
        QString pasted;
        Steps steps;  // after "9" is typed
    } cases[] = {
        {"at the cursor", [] {}, "1.578", {{undo, "1.578"}, {undo, "1.57"}, {redo, "1.578"}}},
        {"over a selection",
         [field] { field->setSelection(4, -3); },  // ".57", cursor at its start
         "18",
         {{undo, "18"}, {undo, "1.57"}, {redo, "18"}}},
        {"into the emptied field",
         [field] {
             field->selectAll();
             QTest::keyClick(field, Qt::Key_Backspace);
         },
         "8",
         {{undo, "8"}, {undo, ""}, {undo, "1.57"}, {redo, ""}, {redo, "8"}}},
    };
    QApplication::clipboard()->setText("8");
    for (const char* how : {"Ctrl+V", "Shift+Ins", "menu"})
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(how) + " " + c.where);
            field->setFocus(Qt::OtherFocusReason);
            field->setText("1.5");
            QTest::keyClick(field, Qt::Key_End);
            QTest::keyClick(field, Qt::Key_7);
            c.prepare();
            const QKeySequence keys(QString::fromLatin1(how));
            how == std::string("menu") ? pasteFromMenu(field)
                                       : QTest::keyClick(field, keys[0].key(), keys[0].keyboardModifiers());
            ASSERT_EQ(field->text(), c.pasted);
            QTest::keyClick(field, Qt::Key_9);
            for (const auto& [key, after] : c.steps) {
                QTest::keyClick(field, key.key(), key.keyboardModifiers());
                EXPECT_EQ(field->text(), after);
            }
        }
}

// A right click on a field that the press did not leave focused opens no
// menu: the field that had the focus kept it, handed it on, or hid the
// clicked one. Were a menu open, the row's entry would be chosen.
TEST_F(NumberFieldTest, NoMenuOnAFieldThePressDidNotLeaveFocused) {
    const std::function<void()> keep, handOn = [this] { page->Command[0]->setFocus(Qt::OtherFocusReason); },
                                      hide = [this] { page->Text2->hide(); };
    const struct {
        const char* how;
        const char* left;  // the text left in Text1
        const std::function<void()>& then;
        const char* entry;
        QString after;  // Text2's text
    } cases[] = {
        {"refused", "0", keep, "&Paste", "12"},     {"refused", "0", keep, "&Undo", "12"},
        {"refused", "0", keep, "Cu&t", "12"},       {"refused", "0", keep, "Delete", "12"},
        {"handed on", "5", handOn, "&Paste", "12"}, {"hidden", "5", hide, "&Paste", "12"},
        {"accepted", "5", keep, "&Paste", "72"},  // an ordinary right click pastes over the selection
    };
    QApplication::clipboard()->setText("7");
    page->Text1->setText("5");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.how) + " " + c.entry);
        messages.clear();
        page->Text1->setCheck(positive("1"), [&c](NumberField&, const Verdict& verdict) {
            if (verdict.accepted && c.then) c.then();
        });
        page->Text2->show();
        enter(page->Text2, "12");
        enter(page->Text1, c.left);
        page->Text2->setSelection(0, 1);
        pressOn(page->Text2, Qt::RightButton);
        const bool menu = QApplication::activePopupWidget() != nullptr;
        if (QAction* entry = menuEntry(c.entry)) entry->trigger();
        if (menu) QApplication::activePopupWidget()->close();
        releaseOn(page->Text2, Qt::RightButton);
        EXPECT_EQ(menu, c.after != "12");
        EXPECT_EQ(page->Text2->text(), c.after);
        EXPECT_EQ(messages.size(), c.left == std::string("0") ? 1u : 0u);
    }
    page->Text2->show();
}

// An edit left pending when another window takes the focus is checked when
// the focus comes back to another control, or when a click reaches a
// command first; a field the focus only rested in is not.
TEST_F(NumberFieldTest, AnEditPendingWhileAnotherWindowHasTheFocusStaysDue) {
    const struct {
        const char* how;
        bool edited;
        int clickFirst;  // the command whose click arrives before the focus, or -1
    } cases[] = {{"focus back elsewhere", true, -1},
                 {"click on Next first", true, 0},
                 {"click on a command without focus first", true, 1},
                 {"not edited", false, -1}};
    QWidget other;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        QCoreApplication::processEvents();  // a press the last row refused is long gone
        messages.clear();
        page->runs[0] = page->runs[1] = 0;
        if (c.edited) {
            enter(page->Text1, "0");
        } else {
            page->Text1->setText("0");
            page->Text1->setFocus(Qt::OtherFocusReason);
        }
        other.show();
        setActiveWindowNow(&other);
        EXPECT_TRUE(messages.empty());
        if (c.clickFirst >= 0) {
            QTest::mouseClick(page->Command[c.clickFirst], Qt::LeftButton);
        } else {
            page->Command[0]->setFocus(Qt::MouseFocusReason);
        }
        setActiveWindowNow(page.get());
        ASSERT_EQ(messages.size(), c.edited ? 1u : 0u);
        if (c.edited) {
            EXPECT_EQ(messages[0].owner, page.get());  // not the window active at the time
        }
        EXPECT_EQ(page->Text1->text(), c.edited ? "1" : "0");
        EXPECT_EQ(page->Text1->hasFocus(), c.edited);
        EXPECT_EQ(page->runs[0] + page->runs[1], 0);
    }
}

// A click onto the page while another window has the focus acts as the same
// click on the active page, although the window system reports the page
// active only later: the pending check runs before the click, a box it raises
// stands in front of the page, a menu opens on the field clicked.
TEST_F(NumberFieldTest, AClickThatBringsThePageBackActsAsOnTheActivePage) {
    const struct {
        const char* how;
        const char* typed;  // into Text1, left pending; nullptr: Text1 only holds the focus
        Qt::MouseButton button;
        int target;  // Command[0] or, for -1, Text2
        int runs;
        bool box, menu;
    } cases[] = {
        {"held click on Next, the check moves the focus", "5", Qt::LeftButton, 0, 1, false, false},
        {"click on Next, the check refuses", "0", Qt::LeftButton, 0, 0, true, false},
        {"right click onto a field, nothing pending", nullptr, Qt::RightButton, -1, 0, false, true},
    };
    QWidget other;
    const QWidget* activeAtBox = nullptr;
    setMessageSink([&](const Message& m) {
        messages.push_back(m);
        activeAtBox = QApplication::activeWindow();
    });
    // As m2's check opens its frame: an accepted text moves the focus on.
    page->Text1->setCheck(positive("1"), [this](NumberField&, const Verdict& verdict) {
        if (verdict.accepted) page->Text2->setFocus(Qt::OtherFocusReason);
    });
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        QCoreApplication::processEvents();
        messages.clear();
        page->runs[0] = 0;
        if (c.typed != nullptr) {
            enter(page->Text1, c.typed);
        } else {
            page->Text1->setText("5");
            page->Text1->setFocus(Qt::OtherFocusReason);
        }
        other.show();
        setActiveWindowNow(&other);
        QWidget* target = c.target < 0 ? static_cast<QWidget*>(page->Text2) : page->Command[c.target];
        pressOn(target, c.button);
        // At once: the window system has not reported anything yet.
        EXPECT_EQ(QApplication::activeWindow(), page.get());
        const bool menu = QApplication::activePopupWidget() != nullptr;
        if (menu) QApplication::activePopupWidget()->close();
        setActiveWindowNow(page.get());  // the window system's report, between press and release
        releaseOn(target, c.button);
        EXPECT_EQ(page->runs[0], c.runs);
        EXPECT_EQ(menu, c.menu);
        ASSERT_EQ(messages.size(), c.box ? 1u : 0u);
        if (c.box) {
            EXPECT_EQ(messages[0].owner, page.get());
            EXPECT_EQ(activeAtBox, page.get());
            EXPECT_TRUE(page->Text1->hasFocus());
        }
    }
}

// What an accessibility tool writes into a field that does not hold the
// focus passes the key filter like a paste, and "Next" checks it.
TEST_F(NumberFieldTest, AccessibilityEditsPassTheKeyFilterAndNextChecksThem) {
    using Edit = std::function<void(QAccessibleInterface*)>;
    const struct {
        const char* how;
        Edit edit;
        QString after;
        bool refused;
        int cursor = -1;  // where the cursor stands after a filtered insertion
    } cases[] = {
        {"set 0abc", [](QAccessibleInterface* a) { a->editableTextInterface()->replaceText(0, 1, "0abc"); }, "0", true},
        {"insert ab", [](QAccessibleInterface* a) { a->editableTextInterface()->insertText(0, "ab"); }, "5", false},
        {"insert x0", [](QAccessibleInterface* a) { a->editableTextInterface()->insertText(0, "x0"); }, "05", false, 1},
        {"delete", [](QAccessibleInterface* a) { a->editableTextInterface()->deleteText(0, 1); }, "", true},
        {"value 2.2.2", [](QAccessibleInterface* a) { a->setText(QAccessible::Value, "2.2.2"); }, "2.2.2", true},
        {"into the field while hidden",
         [this](QAccessibleInterface* a) {
             page->Text1->hide();
             a->setText(QAccessible::Value, "0");
             page->Text1->show();
         },
         "5", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        messages.clear();
        page->runs[0] = 0;
        page->Text1->setText("5");
        page->Text2->setFocus(Qt::OtherFocusReason);
        c.edit(QAccessible::queryAccessibleInterface(page->Text1));
        EXPECT_EQ(page->Text1->text(), c.after);
        EXPECT_EQ(page->Text1->textUnchecked(), c.after != "5");
        EXPECT_EQ(c.cursor < 0 ? c.cursor : page->Text1->cursorPosition(), c.cursor);
        QTest::mouseClick(page->Command[0], Qt::LeftButton);
        EXPECT_EQ(messages.size(), c.refused ? 1u : 0u);
        EXPECT_EQ(page->runs[0], c.refused ? 0 : 1);
        EXPECT_EQ(page->Text1->text(), c.refused ? "1" : c.after);
    }
}

}  // namespace
