#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "../Random.h"
#include "app/CalculationState.h"
#include "app/ui/Pages.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/NumberField.h"
#include "forms/ui/Page.h"
#include "forms/ui/PagePrinter.h"
#include "operation/ui/Form4.h"
#include "results/ui/Form5.h"
#include "selection/ui/Form1.h"
#include "selection/ui/Form2.h"
#include "selection/ui/Form3.h"

// Random key presses and clicks on one page at a time, as an impatient user
// would make them: the program must never crash, never show a number that
// is not finite, and never keep the user on a page: from any state, Escape,
// a few Tabs and the page's way out leave it.

namespace {

using hardening::Dice;

constexpr int kTabsBeforeLeaving = 3;
constexpr int kActionsBetweenLeavings = 250;

std::vector<Page*> createdPages() {
    std::vector<Page*> pages;
    for (Page* page : std::initializer_list<Page*>{form1IfCreated(), form2IfCreated(), form3IfCreated(),
                                                   form4IfCreated(), form5IfCreated()})
        if (page != nullptr) pages.push_back(page);
    return pages;
}

Page* visiblePage() {
    for (Page* page : createdPages())
        if (page->isVisible()) return page;
    return nullptr;
}

// Window activation arrives as queued events.
bool settle(QWidget* window) {
    QCoreApplication::processEvents();
    return QTest::qWaitForWindowActive(window);
}

void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
}

class PageRoad : public testing::Test {
protected:
    void SetUp() override {
        state() = CalculationState{};
        previousSink_ = setMessageSink([this](const Message&) { ++messages_; });
        previousPrinter_ = setPrintBackend([](QWidget&) { return PrintOutcome{PrintOutcome::Kind::Printed, {}}; });
        previousEnd_ = setProgramEndHook([this] { ended_ = true; });
    }

    void TearDown() override {
        QApplication::clipboard()->clear();
        endProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setProgramEndHook(previousEnd_);
        setPrintBackend(previousPrinter_);
        setMessageSink(previousSink_);
        state() = CalculationState{};
    }

    // The road of a user through the pages, with the installation and
    // combination picked on the selection page.
    Form2& toSelection() {
        form1().showPage();
        settle(&form1());
        click(form1().Command1);
        settle(&form2());
        return form2();
    }

    static void pick(QComboBox* list, int index) {
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
    }

    Form3& toVelocity(int installation, int combination) {
        Form2& selection = toSelection();
        pick(selection.Combo3, installation);
        pick(selection.Combo4, combination);
        click(selection.Command1);
        settle(&form3());
        EXPECT_EQ(state().InstallationIndex, installation);
        EXPECT_EQ(state().CombinationIndex, combination);
        return form3();
    }

    Form4& toOperation(int installation, int combination) {
        click(toVelocity(installation, combination).Command1);
        settle(&form4());
        return form4();
    }

    Form5& toResult(int installation, int combination) {
        click(toOperation(installation, combination).Command1);
        settle(&form5());
        return form5();
    }

    // Drives `page` with `actions` random actions. Every so often, and at the
    // end, Escape, Tabs and a click on `exit` must show `expected`; the
    // monkey then brings the page back and goes on.
    void run(Page& page, QAbstractButton* exit, Page& expected, std::uint64_t fallbackSeed);

    long messages_ = 0;
    bool ended_ = false;

private:
    MessageSink previousSink_;
    PrintBackend previousPrinter_;
    std::function<void()> previousEnd_;
};

class Monkey {
public:
    Monkey(Page& page, QAbstractButton* exit, Page& expected, std::uint64_t seed, const long& messages)
        : page_(page), exit_(exit), expected_(expected), seed_(seed), dice_(seed), messages_(messages) {}

    void act() {
        QWidget* target = focusTarget();
        long action = dice_.between(0, 19);
        // Space or Enter on "Exit" would end the program; a Tab instead.
        if (isExit(target) && action != 14) action = 7;
        switch (action) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4:
            case 5: {
                static const char typed[] = "0123456789..--a e";
                const char c = typed[dice_.between(0, sizeof typed - 2)];
                note(std::string("type '") + c + "'");
                QTest::keyClick(target, c);
                break;
            }
            case 6: {
                static const std::pair<Qt::Key, const char*> keys[] = {{Qt::Key_Backspace, "Backspace"},
                                                                       {Qt::Key_Delete, "Delete"},
                                                                       {Qt::Key_Left, "Left"},
                                                                       {Qt::Key_Right, "Right"},
                                                                       {Qt::Key_Home, "Home"},
                                                                       {Qt::Key_End, "End"},
                                                                       {Qt::Key_Up, "Up"},
                                                                       {Qt::Key_Down, "Down"},
                                                                       {Qt::Key_PageDown, "PageDown"},
                                                                       {Qt::Key_Space, "Space"}};
                const auto [key, name] = dice_.pick(keys);
                note(std::string("key ") + name);
                QTest::keyClick(target, key);
                break;
            }
            case 7:
            case 8:
            case 9:
                note("Tab");
                QTest::keyClick(target, Qt::Key_Tab);
                break;
            case 10:
                note("Shift+Tab");
                QTest::keyClick(target, Qt::Key_Backtab, Qt::ShiftModifier);
                break;
            case 11:
            case 12:
                note("Enter");
                QTest::keyClick(target, dice_.chance(0.5) ? Qt::Key_Return : Qt::Key_Enter);
                break;
            case 13:
                note("Escape");
                QTest::keyClick(target, Qt::Key_Escape);
                break;
            case 14: {
                // Pasting bypasses the key filter's per-key view; the long
                // ones reach the top of the double range and beyond it.
                static const std::string pasted[] = {"12.5",
                                                     "-3",
                                                     "1e5",
                                                     "abc",
                                                     "1.2.3",
                                                     "",
                                                     "99999999999999999999999",
                                                     " 7",
                                                     "1" + std::string(300, '0'),
                                                     "-" + std::string(308, '9'),
                                                     std::string(400, '9'),
                                                     "0." + std::string(330, '0') + "1"};
                const std::string& text = dice_.pick(pasted);
                note("paste \"" + (text.size() > 24 ? text.substr(0, 24) + "..." : text) + "\"");
                QApplication::clipboard()->setText(QString::fromStdString(text));
                QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
                break;
            }
            case 15:
            case 16:
                clickSome<QLineEdit>("field");
                break;
            case 17:
                clickSome<QComboBox>("list");
                break;
            default:
                clickSome<QAbstractButton>("button");
                break;
        }
        QCoreApplication::processEvents();
    }

    // Escape, Tabs, then the way out. The Tabs may end in a field whose text
    // an entry elsewhere has since made invalid (a rate above the maximum of
    // a new stroke length): the click then warns, mends the text and keeps
    // the focus in the field, and the second click must leave. Any other
    // click that stays on the page is a fault.
    bool leave() {
        note("Escape");
        QTest::keyClick(focusTarget(), Qt::Key_Escape);
        for (int i = 0; i < kTabsBeforeLeaving; ++i) {
            note("Tab");
            QTest::keyClick(focusTarget(), Qt::Key_Tab);
        }
        for (int attempt = 1; attempt <= 2; ++attempt) {
            const long messagesBefore = messages_;
            auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            note("click \"" + exit_->text().toStdString() + "\"");
            click(exit_);
            if (!page_.isVisible()) break;
            const bool heldByCheck = messages_ != messagesBefore || (field != nullptr && field->hasFocus());
            if (!heldByCheck) return false;
        }
        return !page_.isVisible() && expected_.isVisible();
    }

    // After an action took the user elsewhere: back to the page under test.
    bool comeBack() {
        Page* shown = visiblePage();
        if (shown == &page_) return true;
        if (shown == nullptr) return false;
        note("back to the page under test");
        navigate(*shown, page_);
        return settle(&page_);
    }

    // A label or field showing a number that is not finite, empty if none.
    std::string nonFiniteText() const {
        static const QRegularExpression notFinite(QStringLiteral("\\b(inf|infinity|nan)\\b"),
                                                  QRegularExpression::CaseInsensitiveOption);
        for (Page* page : createdPages()) {
            for (QLabel* label : page->findChildren<QLabel*>())
                if (label->text().contains(notFinite))
                    return label->objectName().toStdString() + " shows \"" + label->text().toStdString() + "\"";
            for (QLineEdit* field : page->findChildren<QLineEdit*>())
                if (field->text().contains(notFinite))
                    return field->objectName().toStdString() + " holds \"" + field->text().toStdString() + "\"";
        }
        return {};
    }

    std::string replay() const {
        std::string out = hardening::seedNote(seed_) + "; last actions:";
        for (const auto& a : recent_) out += " | " + a;
        return out;
    }

private:
    static bool isExit(QWidget* w) {
        auto* button = qobject_cast<QAbstractButton*>(w);
        return button != nullptr && button->text() == QLatin1String("Exit");
    }

    QWidget* focusTarget() const {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus : &page_;
    }

    template <typename Control>
    void clickSome(const char* kind) {
        std::vector<Control*> candidates;
        for (Control* c : page_.findChildren<Control*>()) {
            if (!c->isVisible() || !c->isEnabled()) continue;
            // "Exit" ends the program: nothing left to test after it.
            if (isExit(c)) continue;
            candidates.push_back(c);
        }
        if (candidates.empty()) return;
        Control* chosen = dice_.pick(candidates);
        note(std::string("click ") + kind + " " + chosen->objectName().toStdString() + " \"" +
             describe(chosen).toStdString() + "\"");
        QTest::mouseClick(
            chosen, Qt::LeftButton, Qt::NoModifier,
            QPoint(static_cast<int>(dice_.between(1, std::max(1, chosen->width() - 2))), chosen->height() / 2));
    }

    static QString describe(QWidget* w) {
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
        if (auto* l = qobject_cast<QComboBox*>(w)) return l->currentText();
        return {};
    }

    void note(std::string action) {
        recent_.push_back(std::move(action));
        if (recent_.size() > 24) recent_.pop_front();
    }

    Page& page_;
    QAbstractButton* exit_;
    Page& expected_;
    std::uint64_t seed_;
    Dice dice_;
    const long& messages_;
    std::deque<std::string> recent_;
};

void PageRoad::run(Page& page, QAbstractButton* exit, Page& expected, std::uint64_t fallbackSeed) {
    const std::uint64_t seed = hardening::testSeed(fallbackSeed);
    const long actions = hardening::scaledCount(3000, 300);
    ASSERT_TRUE(page.isVisible());
    ASSERT_TRUE(settle(&page));
    Monkey monkey(page, exit, expected, seed, messages_);
    for (long n = 1; n <= actions; ++n) {
        monkey.act();
        ASSERT_FALSE(ended_) << "the program ended; " << monkey.replay();
        ASSERT_TRUE(monkey.comeBack()) << "no page is shown; " << monkey.replay();
        const std::string shown = monkey.nonFiniteText();
        ASSERT_TRUE(shown.empty()) << shown << "; " << monkey.replay();
        if (n % kActionsBetweenLeavings == 0 || n == actions) {
            ASSERT_TRUE(monkey.leave()) << "Escape, Tab and \"" << exit->text().toStdString()
                                        << "\" did not leave the page; " << monkey.replay();
            ASSERT_TRUE(monkey.comeBack()) << monkey.replay();
        }
    }
}

TEST_F(PageRoad, MonkeyOnTitlePage) {
    form1().showPage();
    run(form1(), form1().Command1, form2(), 101);
}

TEST_F(PageRoad, MonkeyOnSelectionPage) {
    Form2& page = toSelection();
    run(page, page.Command2, form1(), 202);
}

TEST_F(PageRoad, MonkeyOnVelocityPage) {
    Form3& page = toVelocity(0, 5);
    run(page, page.Command2, form2(), 303);
}

// A box whose check quietly mends its text and leaves the focus where it
// went (a mass or load left at 0, as fx is by default) must not swallow the
// click that left it; a check that reports, or takes the focus back, must.
TEST_F(PageRoad, ClickLeavingAFieldActsUnlessTheCheckHoldsTheFocus) {
    struct Case {
        int field;
        const char* text;
        bool clickActs;
    };
    const Case cases[] = {
        {11, "0", true},  {15, "", true},  {19, "0.0", true}, {23, "-", true}, {27, "0", true},
        {19, "12", true}, {1, "-5", true}, {1, "", false},    {7, "0", false}, {6, "91", false},
    };
    Form4& page = toOperation(3, 7);  // tilted: the inclination box is shown
    for (const Case& c : cases) {
        for (QPushButton* button : {page.Command1, page.Command2}) {
            SCOPED_TRACE("Text" + std::to_string(c.field) + " \"" + c.text + "\", " + button->text().toStdString());
            if (!page.isVisible()) navigate(*visiblePage(), page);
            ASSERT_TRUE(settle(&page));
            NumberField* field = page.field(c.field);
            // Leaving the box of the case before may move the focus on once.
            for (int tries = 0; tries < 3 && !field->hasFocus(); ++tries) field->setFocus(Qt::TabFocusReason);
            ASSERT_TRUE(field->hasFocus());
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, QString::fromLatin1(c.text));
            const long messagesBefore = messages_;
            click(button);
            EXPECT_EQ(!page.isVisible(), c.clickActs) << messages_ - messagesBefore << " messages";
            if (!c.clickActs) {
                EXPECT_TRUE(field->hasFocus() || messages_ > messagesBefore);
            }
        }
    }
}

// A stroke so long that the largest rate rounds down to 0 leaves the rate
// box no text its check accepts: the check may not take the focus back then,
// and so must not take the click either.
TEST_F(PageRoad, RateBoxWithoutAnyAcceptedTextLetsTheClickThrough) {
    Form3& page = toVelocity(0, 0);
    QTest::mouseClick(page.Option2, Qt::LeftButton, {}, QPoint(6, page.Option2->height() / 2));
    ASSERT_TRUE(page.Option2->isChecked());
    for (auto [field, text] : {std::pair{page.Text3, "999999999999"}, std::pair{page.Text4, "0"}}) {
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(text));
    }
    ASSERT_TRUE(page.Text4->hasFocus());
    click(page.Command2);
    EXPECT_EQ(page.Text4->text(), "0");
    EXPECT_FALSE(page.isVisible());
    EXPECT_TRUE(form2().isVisible());
}

// The operation and result pages differ by installation and combination;
// each run takes another one.
struct Road {
    int installation;
    int combination;
    std::uint64_t seed;
};
void PrintTo(const Road& road, std::ostream* out) {
    *out << "installation " << road.installation << ", combination " << road.combination;
}
const Road kRoads[] = {{0, 0, 401}, {1, 7, 402}, {2, 3, 403}, {3, 5, 404}, {4, 6, 405}};

class OperationPageMonkey : public PageRoad, public testing::WithParamInterface<Road> {};

TEST_P(OperationPageMonkey, LeavesAndStaysFinite) {
    const Road road = GetParam();
    Form4& page = toOperation(road.installation, road.combination);
    run(page, page.Command2, form3(), road.seed);
}

INSTANTIATE_TEST_SUITE_P(Roads, OperationPageMonkey, testing::ValuesIn(kRoads),
                         [](const testing::TestParamInfo<Road>& info) {
                             return "Installation" + std::to_string(info.param.installation) + "Combination" +
                                    std::to_string(info.param.combination);
                         });

class ResultPageMonkey : public PageRoad, public testing::WithParamInterface<Road> {};

TEST_P(ResultPageMonkey, LeavesAndStaysFinite) {
    const Road road = GetParam();
    Form5& page = toResult(road.installation, road.combination);
    run(page, page.Command1, form4(), road.seed + 100);
}

INSTANTIATE_TEST_SUITE_P(Roads, ResultPageMonkey, testing::ValuesIn(kRoads),
                         [](const testing::TestParamInfo<Road>& info) {
                             return "Installation" + std::to_string(info.param.installation) + "Combination" +
                                    std::to_string(info.param.combination);
                         });

}  // namespace
