#include "forms/ui/NumberField.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

#include "forms/NumberText.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/Page.h"

namespace {

// A value above zero; anything else is replaced by `fallback` with a message,
// and the focus returns when `returnFocus` is set.
NumberField::Check positiveCheck(QString fallback, bool returnFocus = true) {
    return [fallback, returnFocus](const QString& text) {
        const std::string utf8 = text.toStdString();
        if (IsNumeric(utf8) && LeadingNumber(utf8) > 0) return Verdict::accept();
        return Verdict::reject(fallback, returnFocus, QStringLiteral("Warning"), QStringLiteral("Must be above 0"));
    };
}

// A page with three fields in tab order, then a button, an option and a list
// whose handlers count how often they got past checksPassed().
class FieldPage : public Page {
public:
    FieldPage() : Page(QStringLiteral("Fields"), 6000, 4500) {
        Text1 = new NumberField(this);
        Text1->setGeometry(twips(300, 300, 1500, 300));
        Text1->setCheck(positiveCheck(QStringLiteral("1")));
        Text2 = new NumberField(this, true);
        Text2->setGeometry(twips(300, 900, 1500, 300));
        Text3 = new NumberField(this);
        Text3->setGeometry(twips(300, 1500, 1500, 300));
        Command1 = new QPushButton(QStringLiteral("Next"), this);
        Command1->setGeometry(twips(3000, 300, 1200, 400));
        connect(Command1, &QPushButton::clicked, this, [this] {
            if (!checksPassed()) return;
            ++commandRuns;
        });
        Option1 = new QRadioButton(QStringLiteral("With"), this);
        Option1->setGeometry(twips(3000, 1000, 1500, 300));
        connect(Option1, &QRadioButton::clicked, this, [this] {
            if (!checksPassed()) return;
            ++optionRuns;
        });
        Combo1 = new QComboBox(this);
        Combo1->addItems({QStringLiteral("a"), QStringLiteral("b")});
        Combo1->setGeometry(twips(3000, 1600, 1500, 300));
        connect(Combo1, &QComboBox::activated, this, [this] {
            if (!checksPassed()) return;
            ++listRuns;
        });
        Command2 = new QPushButton(QStringLiteral("Tool"), this);
        Command2->setFocusPolicy(Qt::NoFocus);
        Command2->setGeometry(twips(3000, 2200, 1200, 400));
        connect(Command2, &QPushButton::clicked, this, [this] {
            if (!checksPassed()) return;
            ++toolRuns;
        });
    }

    NumberField* Text1;
    NumberField* Text2;
    NumberField* Text3;
    QPushButton* Command1;
    QRadioButton* Option1;
    QComboBox* Combo1;
    QPushButton* Command2;
    int commandRuns = 0;
    int optionRuns = 0;
    int listRuns = 0;
    int toolRuns = 0;
};

class NumberFieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousSink_ = setMessageSink([this](const Message& m) { messages.push_back(m); });
        page = std::make_unique<FieldPage>();
        page->showPage();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    }
    void TearDown() override {
        page.reset();
        setMessageSink(previousSink_);
    }

    // Puts `text` into the field as if typed, with the focus in it.
    void enter(NumberField* field, const QString& text) {
        field->setFocus(Qt::OtherFocusReason);
        field->clear();
        QTest::keyClicks(field, text);
    }

    std::unique_ptr<FieldPage> page;
    std::vector<Message> messages;

private:
    MessageSink previousSink_;
};

TEST_F(NumberFieldTest, KeyFilterKeepsDigitsPointAndAllowedMinus) {
    struct Case {
        bool allowMinus;
        QString typed;
        QString kept;
    };
    const Case cases[] = {
        {false, "12.5", "12.5"},    {false, "-12", "12"},  {true, "-12", "-12"}, {false, "1e5", "15"},
        {true, "a-1 b.5x", "-1.5"}, {false, "+3,5", "35"}, {true, "1-2", "1-2"}, {false, "..", ".."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        page->Text3->setAllowMinus(c.allowMinus);
        enter(page->Text3, c.typed);
        EXPECT_EQ(page->Text3->text(), c.kept);
    }
}

TEST_F(NumberFieldTest, PastedAndDroppedTextIsFilteredToo) {
    struct Case {
        bool allowMinus;
        QString inserted;
        QString kept;
    };
    const Case cases[] = {
        {false, "-1,234.5 mm", "1234.5"},
        {true, "-1,234.5 mm", "-1234.5"},
        {true, "abc", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.inserted.toStdString());
        NumberField* field = page->Text3;
        field->setAllowMinus(c.allowMinus);

        enter(field, "");
        QApplication::clipboard()->setText(c.inserted);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(field->text(), c.kept) << "keyboard paste";

        enter(field, "");
        field->paste();  // what the context menu's Paste does
        EXPECT_EQ(field->text(), c.kept) << "menu paste";

        enter(field, "");
        QMimeData data;
        data.setText(c.inserted);
        const QPointF at = field->rect().center();
        QDragEnterEvent enterDrag(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &enterDrag);
        QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &move);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &drop);
        EXPECT_EQ(field->text(), c.kept) << "drop";
    }
}

// Every way the user leaves a field runs its check, and Enter leaves it
// like Tab, forwards, whatever the shift state.
TEST_F(NumberFieldTest, LeavingRunsTheCheckAndEnterMovesLikeTab) {
    struct Case {
        const char* how;
        std::function<void(FieldPage&)> leave;
        NumberField* FieldPage::*landsOn;
    };
    const Case cases[] = {
        {"Tab", [](FieldPage& p) { QTest::keyClick(p.Text1, Qt::Key_Tab); }, &FieldPage::Text2},
        {"Enter", [](FieldPage& p) { QTest::keyClick(p.Text1, Qt::Key_Return); }, &FieldPage::Text2},
        {"keypad Enter", [](FieldPage& p) { QTest::keyClick(p.Text1, Qt::Key_Enter, Qt::KeypadModifier); },
         &FieldPage::Text2},
        {"Shift+Enter", [](FieldPage& p) { QTest::keyClick(p.Text1, Qt::Key_Return, Qt::ShiftModifier); },
         &FieldPage::Text2},
        {"Backtab", [](FieldPage& p) { QTest::keyClick(p.Text1, Qt::Key_Backtab, Qt::ShiftModifier); }, nullptr},
        {"mouse", [](FieldPage& p) { QTest::mouseClick(p.Text3, Qt::LeftButton); }, &FieldPage::Text3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        // An accepted text: the focus goes where the key or click sends it.
        messages.clear();
        enter(page->Text1, "2.5");
        c.leave(*page);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(page->Text1->text(), "2.5");
        EXPECT_FALSE(page->Text1->hasFocus());
        if (c.landsOn) {
            EXPECT_TRUE((page.get()->*c.landsOn)->hasFocus());
        }

        // A rejected text: message, replacement, focus back in the field.
        enter(page->Text1, "0");
        c.leave(*page);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
        EXPECT_EQ(messages[0].title, "Warning");
        EXPECT_EQ(messages[0].text, "Must be above 0");
        EXPECT_EQ(page->Text1->text(), "1");
        EXPECT_TRUE(page->Text1->hasFocus());
    }
}

// The headless platform activates windows only on request; this does what a
// window manager does when the user or a new window changes the active one.
void activate(QWidget* window) {
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QCoreApplication::processEvents();
}

TEST_F(NumberFieldTest, NoCheckWhenAnotherWindowTakesTheFocus) {
    enter(page->Text1, "0");

    QMessageBox box(QMessageBox::Warning, "Warning", "other", QMessageBox::Ok, page.get());
    box.open();
    activate(&box);
    EXPECT_TRUE(box.isAncestorOf(QApplication::focusWidget()));
    box.accept();
    activate(page.get());
    EXPECT_TRUE(page->Text1->hasFocus());

    QWidget other;
    other.show();
    activate(&other);
    other.hide();
    activate(page.get());

    page->hidePage();
    QApplication::setActiveWindow(nullptr);
    page->showPage();
    activate(page.get());

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(page->Text1->text(), "0");
    EXPECT_TRUE(page->Text1->hasFocus());

    // The check is still due when the user finally leaves.
    QTest::keyClick(page->Text1, Qt::Key_Tab);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(page->Text1->text(), "1");
}

// A click on a control while a field holds a text its check rejects runs
// the check, and the click then does nothing more; with an accepted text,
// or once the text is mended, the same click acts.
TEST_F(NumberFieldTest, ClickIsSwallowedExactlyWhenTheCheckRejects) {
    struct Case {
        const char* control;
        std::function<void(FieldPage&)> click;
        std::function<int(FieldPage&)> runs;
    };
    const Case cases[] = {
        {"button", [](FieldPage& p) { QTest::mouseClick(p.Command1, Qt::LeftButton); },
         [](FieldPage& p) { return p.commandRuns; }},
        {"option",
         [](FieldPage& p) {
             // On the round indicator: only it and the caption take clicks.
             QTest::mouseClick(p.Option1, Qt::LeftButton, {}, QPoint(6, p.Option1->height() / 2));
         },
         [](FieldPage& p) { return p.optionRuns; }},
        {"button without focus", [](FieldPage& p) { QTest::mouseClick(p.Command2, Qt::LeftButton); },
         [](FieldPage& p) { return p.toolRuns; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        page->Option1->setChecked(false);
        messages.clear();
        const int before = c.runs(*page);

        enter(page->Text1, "0");
        c.click(*page);
        EXPECT_EQ(messages.size(), 1u);
        EXPECT_EQ(c.runs(*page), before);
        EXPECT_FALSE(page->Option1->isChecked());
        EXPECT_FALSE(page->Command1->isDown());
        EXPECT_TRUE(page->Text1->hasFocus());
        EXPECT_EQ(page->Text1->text(), "1");

        // The replacement is accepted: the next click goes through, with no
        // leftover of the earlier rejection.
        c.click(*page);
        EXPECT_EQ(messages.size(), 1u);
        EXPECT_EQ(c.runs(*page), before + 1);

        enter(page->Text1, "3");
        c.click(*page);
        EXPECT_EQ(messages.size(), 1u);
        EXPECT_EQ(c.runs(*page), before + 2);
    }
}

TEST_F(NumberFieldTest, ListClickIsSwallowedWhenTheCheckRejects) {
    enter(page->Text1, "0");
    QTest::mouseClick(page->Combo1, Qt::LeftButton);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_FALSE(page->Combo1->view()->isVisible());
    EXPECT_TRUE(page->Text1->hasFocus());

    QTest::mouseClick(page->Combo1, Qt::LeftButton);
    EXPECT_TRUE(page->Combo1->view()->isVisible());
    page->Combo1->hidePopup();
}

// A rejection left by an earlier action never swallows a later click.
TEST_F(NumberFieldTest, EarlierRejectionDoesNotSwallowLaterClicks) {
    // Rejected on Tab, replaced, focus returned; then a click elsewhere.
    enter(page->Text1, "0");
    QTest::keyClick(page->Text1, Qt::Key_Tab);
    ASSERT_EQ(messages.size(), 1u);
    page->Command1->setFocus(Qt::OtherFocusReason);
    QTest::mouseClick(page->Command1, Qt::LeftButton);
    EXPECT_EQ(page->commandRuns, 1);

    // Rejected while code moved the focus as if by mouse, with no press
    // following: the mark lapses on the next turn of the event loop.
    enter(page->Text1, "0");
    page->Text2->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(messages.size(), 2u);
    QTest::qWait(1);
    page->Command1->setFocus(Qt::OtherFocusReason);
    QTest::mouseClick(page->Command1, Qt::LeftButton);
    EXPECT_EQ(page->commandRuns, 2);

    // Keyboard activation of a focused button has nothing pending.
    QTest::keyClick(page->Command1, Qt::Key_Space);
    EXPECT_EQ(page->commandRuns, 3);
    EXPECT_EQ(messages.size(), 2u);
}

// A check whose replacement is itself rejected does not take the focus back:
// the user can always leave the field.
TEST_F(NumberFieldTest, NoFocusTrapWhenTheReplacementIsRejectedToo) {
    page->Text1->setCheck(positiveCheck(QString()));
    enter(page->Text1, "0");
    QTest::keyClick(page->Text1, Qt::Key_Tab);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(page->Text1->text(), "");
    EXPECT_TRUE(page->Text2->hasFocus());

    // The click that left the field was reported, so it does not act.
    enter(page->Text1, "0");
    QTest::mouseClick(page->Command1, Qt::LeftButton);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(page->commandRuns, 0);
    EXPECT_TRUE(page->Command1->hasFocus());
    QTest::mouseClick(page->Command1, Qt::LeftButton);
    EXPECT_EQ(page->commandRuns, 1);
}

TEST_F(NumberFieldTest, SilentRejectionSwallowsTheClickOnlyWhenItTakesTheFocusBack) {
    // A silent reset that lets the focus go on (an optional quantity left at
    // zero) writes what the calculation would read anyway: the click acts.
    // One that takes the focus back holds the user in the field.
    for (const bool returnFocus : {false, true}) {
        SCOPED_TRACE(returnFocus);
        std::vector<bool> seen;
        page->commandRuns = 0;
        page->Text1->setCheck(
            [returnFocus](const QString& text) {
                return text == "7" ? Verdict::accept() : Verdict::reject(QStringLiteral("7"), returnFocus);
            },
            [&seen](NumberField&, const Verdict& v) { seen.push_back(v.accepted); });
        enter(page->Text1, "5");
        QTest::mouseClick(page->Command1, Qt::LeftButton);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(page->commandRuns, returnFocus ? 0 : 1);
        EXPECT_EQ(page->Text1->text(), "7");
        enter(page->Text1, "7");
        QTest::mouseClick(page->Command1, Qt::LeftButton);
        EXPECT_EQ(page->commandRuns, returnFocus ? 1 : 2);
        EXPECT_EQ(seen, (std::vector<bool>{false, true}));
    }
}

}  // namespace
