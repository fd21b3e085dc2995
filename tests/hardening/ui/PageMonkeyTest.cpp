#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>

#include "../Random.h"
#include "app/CalculationState.h"
#include "app/ui/Pages.h"
#include "forms/ui/ActiveWindow.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/NumberField.h"
#include "forms/ui/PagePrinter.h"
#include "operation/ui/Form4.h"
#include "results/ui/Form5.h"
#include "selection/ui/Form1.h"
#include "selection/ui/Form2.h"
#include "selection/ui/Form3.h"

// Random key presses, pastes and clicks on one page at a time: the program must never end or crash, never show a number
// that is not finite, and from any state Escape, a few Tabs and the page's way back must leave it.
namespace {

std::vector<Page*> pages() {
    std::vector<Page*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* page = qobject_cast<Page*>(w)) out.push_back(page);
    return out;
}

bool settle(QWidget* window) {
    QCoreApplication::processEvents();
    return QTest::qWaitForWindowActive(window);
}

void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
}

bool isExit(QWidget* w) {
    return qobject_cast<QAbstractButton*>(w) && static_cast<QAbstractButton*>(w)->text() == "Exit";
}

class PageMonkey : public testing::TestWithParam<std::array<int, 4>> {  // page 1..5, installation, combination, seed
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

    // The user's road to `page`, picking the installation and combination.
    Page& reach(int page, int installation, int combination) {
        form1().showPage();
        settle(&form1());
        if (page == 1) return form1();
        click(form1().Command1);
        settle(&form2());
        for (auto [list, index] : {std::pair{form2().Combo3, installation}, {form2().Combo4, combination}}) {
            list->setFocus(Qt::TabFocusReason);
            QTest::keyClick(list, Qt::Key_Home);
            for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
        }
        Page* pages[] = {&form2(), &form3(), &form4(), &form5()};
        QAbstractButton* next[] = {form2().Command1, form3().Command1, form4().Command1};
        for (int p = 2; p < page; ++p) {
            click(next[p - 2]);
            settle(pages[p - 1]);
        }
        EXPECT_TRUE(state().InstallationIndex == installation && state().CombinationIndex == combination);
        return *pages[page - 2];
    }

    // A label or field showing a number that is not finite.
    static std::string nonFiniteText() {
        static const QRegularExpression bad(QStringLiteral("\\b(inf|infinity|nan)\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
        for (Page* page : pages())
            for (QWidget* w : page->findChildren<QWidget*>()) {
                const auto* label = qobject_cast<QLabel*>(w);
                const auto* field = qobject_cast<QLineEdit*>(w);
                const QString text = label ? label->text() : field ? field->text() : QString();
                if (text.contains(bad)) return text.toStdString();
            }
        return {};
    }

    long messages_ = 0;
    bool ended_ = false;
    MessageSink previousSink_;
    PrintBackend previousPrinter_;
    std::function<void()> previousEnd_;
};

TEST_P(PageMonkey, LeavesAndStaysFinite) {
    const auto [number, installation, combination, fallbackSeed] = GetParam();
    Page& page = reach(number, installation, combination);
    QAbstractButton* exits[] = {form1().Command1, form2().Command2, form3().Command2, form4().Command2,
                                form5().Command1};
    Page* behind[] = {&form2(), &form1(), &form2(), &form3(), &form4()};
    QAbstractButton* exit = exits[number - 1];
    ASSERT_TRUE(page.isVisible() && settle(&page));

    const std::uint64_t seed = hardening::testSeed(fallbackSeed);
    hardening::Dice dice(seed);
    std::string recent;  // the last actions, for the failure message
    auto note = [&](const std::string& action) {
        recent = recent.substr(std::max(0, int(recent.size()) - 400)) + " | " + action;
    };
    auto replay = [&] { return hardening::seedNote(seed) + "; last actions: ..." + recent; };
    auto target = [&]() -> QWidget* { return QApplication::focusWidget() ? QApplication::focusWidget() : &page; };
    auto key = [&](Qt::Key k, const std::string& name) {
        note(name);
        QTest::keyClick(target(), k, k == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    };
    // Pastes pass the key filter's per-key view, up to and beyond the top of the double range.
    // clang-format off
    const std::string pasted[] = {"12.5", "-3", "1e5", "abc", "1.2.3", "", " 7", "99999999999999999999999",
        std::string("1").append(300, '0'), std::string("-").append(308, '9'), std::string(400, '9'),
        std::string("0.").append(330, '0').append("1")};
    const std::pair<Qt::Key, const char*> keys[] = {{Qt::Key_Tab, "Tab"}, {Qt::Key_Tab, "Tab"},
        {Qt::Key_Backtab, "Shift+Tab"}, {Qt::Key_Return, "Return"}, {Qt::Key_Enter, "Enter"}, {Qt::Key_Escape, "Esc"},
        {Qt::Key_Backspace, "Bksp"}, {Qt::Key_Delete, "Del"}, {Qt::Key_Left, "Left"}, {Qt::Key_End, "End"},
        {Qt::Key_Up, "Up"}, {Qt::Key_Down, "Down"}, {Qt::Key_PageDown, "PgDn"}, {Qt::Key_Space, "Space"}};
    // clang-format on
    const long actions = hardening::scaledCount(400, 100);
    for (long n = 1; n <= actions; ++n) {
        const long action = dice.between(0, 9);
        if (isExit(target()) && action != 6) {  // Space or Enter on "Exit" would end the program
            key(Qt::Key_Tab, "Tab");
        } else if (action <= 2) {
            const char c = "0123456789..--a e"[dice.between(0, 16)];
            note(std::string("type '") + c + "'");
            QTest::keyClick(target(), c);
        } else if (action <= 5) {
            const auto [k, name] = dice.pick(keys);
            key(k, name);
        } else if (action == 6) {
            const std::string& text = dice.pick(pasted);
            QApplication::clipboard()->setText(QString::fromStdString(text));
            note("paste \"" + text.substr(0, 24) + "\"");
            QTest::keyClick(target(), Qt::Key_V, Qt::ControlModifier);
        } else {
            std::vector<QWidget*> candidates;
            for (QWidget* w : page.findChildren<QWidget*>())
                if (w->isVisible() && w->isEnabled() && !isExit(w) &&
                    (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w)))
                    candidates.push_back(w);
            QWidget* chosen = dice.pick(candidates);
            const QPoint at(static_cast<int>(dice.between(1, std::max(1, chosen->width() - 2))), chosen->height() / 2);
            note("click " + std::string(chosen->metaObject()->className()) + " " + chosen->objectName().toStdString());
            QTest::mouseClick(chosen, Qt::LeftButton, {}, at);
        }
        QCoreApplication::processEvents();
        ASSERT_FALSE(ended_) << "the program ended; " << replay();
        Page* shown = nullptr;
        for (Page* p : pages()) shown = p->isVisible() ? p : shown;
        if (shown != &page) {
            ASSERT_NE(shown, nullptr) << "no page is shown; " << replay();
            navigate(*shown, page);
            ASSERT_TRUE(settle(&page));
        }
        const std::string bad = nonFiniteText();
        ASSERT_TRUE(bad.empty()) << bad << "; " << replay();
        if (n % 100 != 0) continue;
        // Escape, Tabs, then the way back. A field whose text an entry elsewhere has made invalid may hold the first
        // click, with a warning or its focus back; never the second.
        key(Qt::Key_Escape, "Escape");
        for (int i = 0; i < 3; ++i) key(Qt::Key_Tab, "Tab");
        for (int attempt = 1; attempt <= 2 && page.isVisible(); ++attempt) {
            const long before = messages_;
            auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            note("click the way back");
            click(exit);
            const bool held = messages_ != before || (field != nullptr && field->hasFocus());
            ASSERT_TRUE(!page.isVisible() || held) << "the click stayed on the page unheld; " << replay();
        }
        ASSERT_TRUE(!page.isVisible() && behind[number - 1]->isVisible()) << "did not leave; " << replay();
        navigate(*behind[number - 1], page);
        ASSERT_TRUE(settle(&page));
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, PageMonkey,
                         testing::Values(std::array{1, 0, 0, 101}, std::array{2, 0, 0, 202}, std::array{3, 0, 5, 303},
                                         std::array{4, 0, 0, 401}, std::array{4, 3, 5, 404}, std::array{4, 4, 6, 405},
                                         std::array{5, 1, 7, 502}, std::array{5, 2, 3, 503}));

// A stroke so long that the largest rate rounds down to 0 leaves the rate box no text its check accepts: the check may
// not take the focus back then, and so must not take the click either.
TEST_F(PageMonkey, RateBoxWithoutAnyAcceptedTextLetsTheClickThrough) {
    Form3& page = static_cast<Form3&>(reach(3, 0, 0));
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

// A busy machine delivers held or repeated keys all at once, each to the window that the platform holds active when it
// arrives, and may report a page active after it has been hidden again. Neither may press a button that the shown
// page's own focus rules did not lead to, "Exit" above all.
TEST_F(PageMonkey, FloodOfKeysAndStaleActivationsKeepTheProgramAndItsEntries) {
    auto keyToActiveWindow = [](Qt::Key key) {
        if (QWindow* window = QGuiApplication::focusWindow()) QTest::keyClick(window, key);
    };
    auto staleActivation = [] {
        for (Page* page : pages())
            if (!page->isVisible() && page != &form1()) return setActiveWindowNow(page);
    };
    auto entries = [] {
        std::vector<QString> out;
        for (QWidget* page : {static_cast<QWidget*>(&form3()), static_cast<QWidget*>(&form4())})
            for (auto* field : page->findChildren<QLineEdit*>()) out.push_back(field->text());
        return out;
    };
    for (bool inertia : {false, true}) {
        SCOPED_TRACE(inertia ? "with inertia force" : "without inertia force");
        reach(3, 0, 0);
        if (inertia) click(form3().Option2);
        click(form3().Command1);
        click(form4().Command1);
        ASSERT_TRUE(settle(&form5()));
        const std::vector<QString> before = entries();
        for (int round = 0; round < 2; ++round) {
            for (int n = 0; n < 300; ++n) {
                const Qt::Key key = n % 50 == 49 ? Qt::Key_Space : Qt::Key_Return;
                const auto press = [=] { keyToActiveWindow(key); };
                QMetaObject::invokeMethod(qApp, press, Qt::QueuedConnection);
                if (n % 7 == 3) QMetaObject::invokeMethod(qApp, staleActivation, Qt::QueuedConnection);
            }
            QTest::qWait(20);
            ASSERT_FALSE(ended_) << "round " << round;
            const std::vector<Page*> all = pages();
            ASSERT_EQ(std::count_if(all.begin(), all.end(), [](Page* p) { return p->isVisible(); }), 1);
        }
        EXPECT_EQ(entries(), before);
        EXPECT_EQ(state().Acceleration != 0.0, inertia);
        endProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ended_ = false;
    }
}

// Keys that the window system still sends to a page hidden a moment ago belong to the page in front; clicks on it
// cannot have been meant.
TEST_F(PageMonkey, HiddenPageNeitherTakesKeysNorClicks) {
    reach(3, 0, 0);
    form3().Text1->setFocus(Qt::TabFocusReason);
    navigate(form3(), form2());
    form2().Command1->setFocus(Qt::OtherFocusReason);
    for (Qt::Key key : {Qt::Key_9, Qt::Key_9, Qt::Key_Tab}) QTest::keyClick(form3().windowHandle(), key);
    EXPECT_EQ(form3().Text1->text(), "0.25");
    EXPECT_NE(form2().focusWidget(), form2().Command1);  // the Tab moved on in the page in front
    // The page in front is the active one at once, so the check runs on such a Tab too.
    navigate(form2(), form3());
    form3().Text1->setText(QStringLiteral("0"));
    QTest::keyClick(form2().windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(form3().Text1->text(), "0.25");

    reach(5, 0, 0);
    navigate(form5(), form4());
    for (QAbstractButton* button : {form5().Command2, form5().Command1}) QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(ended_);
    EXPECT_TRUE(form4().isVisible() && !form5().isVisible());
}

// The accessibility interface reaches the objects of hidden pages too; what it presses there acts on nothing, with
// nothing checked or raised (L1 left at 1 unchecked, the velocity changed since) and nothing printed or opened.
TEST_F(PageMonkey, HiddenPageTakesNoAccessibilityAction) {
    int printed = 0;
    setPrintBackend([&printed](QWidget&) { return ++printed, PrintOutcome{PrintOutcome::Kind::Printed, {}}; });
    const auto act = [](QWidget* object, const QString& action) {
        QAccessible::queryAccessibleInterface(object)->actionInterface()->doAction(action);
        auto* button = qobject_cast<QAbstractButton*>(object);
        for (int i = 0; i < 100 && button != nullptr && button->isDown(); ++i) QTest::qWait(5);  // an animated click
    };
    const QString press = QAccessibleActionInterface::pressAction();
    reach(5, 0, 0);
    click(form5().Command1);
    QAccessible::queryAccessibleInterface(form4().Text3)->editableTextInterface()->replaceText(0, 4, "1");
    click(form4().Command2);
    const struct {
        QWidget* object;
        QString action;
        Page* shown;
    } cases[] = {
        {form4().Command1, press, &form3()}, {form3().Option2, QAccessibleActionInterface::toggleAction(), &form4()},
        {form2().Command1, press, &form4()}, {form2().Combo1, press, &form4()},
        {form5().Command3, press, &form4()}, {form5().Command2, press, &form4()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.object->window()->windowTitle().toStdString() + " " + c.action.toStdString());
        if (!c.shown->isVisible()) navigate(form3(), *c.shown);
        ASSERT_TRUE(settle(c.shown));
        const CalculationState before = state();
        act(c.object, c.action);
        QCoreApplication::processEvents();
        for (Page* page : pages()) EXPECT_EQ(page->isVisible(), page == c.shown) << page->windowTitle().toStdString();
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_FALSE(form3().Option2->isChecked() || form3().Text2->isVisible());
        EXPECT_EQ(std::tuple(state().LoadFactor, state().LifeDistance, state().StaticSafetyFactor),
                  std::tuple(before.LoadFactor, before.LifeDistance, before.StaticSafetyFactor));
    }
    EXPECT_EQ(printed, 0);
    EXPECT_FALSE(ended_);
}

// Text dragged from elsewhere would change a field without the focus ever entering it, so without any check.
TEST_F(PageMonkey, NumberFieldsTakeNoDrops) {
    reach(3, 0, 0);
    click(form3().Option2);
    for (Page* page : {static_cast<Page*>(&form3()), static_cast<Page*>(&form4())}) {
        if (!page->isVisible()) click(form3().Command1);
        ASSERT_TRUE(page->isVisible());
        const QList<NumberField*> fields = page->findChildren<NumberField*>();
        for (NumberField* field : fields) {
            if (!field->isVisible()) continue;
            EXPECT_FALSE(field->acceptDrops());
            for (bool focused : {false, true}) {
                (focused ? field : fields[field == fields[0] ? 1 : 0])->setFocus(Qt::TabFocusReason);
                QWidget* const focus = QApplication::focusWidget();
                const QString text = field->text();
                for (const char* dropped : {"0", ".", "-5"}) {
                    QMimeData mime;
                    mime.setText(QString::fromLatin1(dropped));
                    const QPoint at = field->rect().center();
                    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
                    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
                    QCoreApplication::sendEvent(field, &enter);
                    QCoreApplication::sendEvent(field, &drop);
                    EXPECT_FALSE(enter.isAccepted() || drop.isAccepted());
                }
                EXPECT_EQ(field->text(), text);
                EXPECT_EQ(QApplication::focusWidget(), focus);
            }
        }
    }
}

}  // namespace
