#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "app/CalculationState.h"
#include "app/ui/Pages.h"
#include "forms/NumberText.h"
#include "forms/ui/ActiveWindow.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/NumberField.h"
#include "operation/ui/Form4.h"
#include "selection/VelocityConditions.h"
#include "selection/ui/Form3.h"

namespace {

using Messages = std::vector<std::string>;

class Form3Page : public ::testing::Test {
protected:
    void SetUp() override {
        state() = CalculationState{};
        previousSink_ = setMessageSink(
            [this](const Message& m) { messages.push_back(m.title.toStdString() + ": " + m.text.toStdString()); });
        page->showPage();
        QCoreApplication::processEvents();  // earlier activations first
        ASSERT_TRUE(QTest::qWaitForWindowActive(page));
        fill("0.25", "0.05", "487.5", "5.0");  // pages outlive a test
        page->Option1->click();
    }
    void TearDown() override { setMessageSink(previousSink_); }
    void fill(const char* v, const char* t1, const char* ls, const char* n) {
        for (auto [field, text] : {std::pair{page->Text1, v}, {page->Text2, t1}, {page->Text3, ls}, {page->Text4, n}})
            field->setText(QString::fromLatin1(text));
        messages.clear();
    }
    static void type(NumberField* field, const char* text) {
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(text));
    }
    static Messages warning(const char* prefix, const char* limit) {
        return prefix == nullptr ? Messages{} : Messages{"Warning: " + std::string(prefix) + limit};
    }

    Form3* page = &form3();
    Messages messages;
    // V and T1 that give the motion no finite measure together with the defaults.
    const std::string hugeVelocity = "1" + std::string(308, '0'), tinyTime = "0." + std::string(309, '0') + "1";
    const std::string tinyRate = "0." + std::string(45, '0') + "1";  // positive, but 0 in 32 bits
    MessageSink previousSink_;
};

// Typed entries refused on leaving with Enter: the warning, the limit written, the focus back unless refused too.
TEST_F(Form3Page, FieldChecksOnLeaving) {
    page->Option2->click();
    const std::tuple<NumberField*, const char*, const char*, const char*, const char*, const char*, bool> cases[] = {
        {page->Text3, "0.2", "0.1", "19", StrokeMessage, "20", true},
        {page->Text4, "0.25", "0.05", "15.1", RateMessage, "15", true},
        {page->Text4, "0.000000001", "0.05", "5", RateMessage, "0", false},
        {page->Text1, "0.25", "0.05", hugeVelocity.c_str(), nullptr, DefaultVelocityText, true},
        {page->Text2, "1", "0.05", tinyTime.c_str(), nullptr, DefaultAccelerationTimeText, true}};
    for (const auto& [field, v, t1, typed, prefix, after, focusBack] : cases) {
        fill(v, t1, "487.5", "5.0");
        type(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(messages, warning(prefix, after));
        EXPECT_EQ(field->text().toStdString(), after);
        EXPECT_EQ(field->hasFocus(), focusBack);
    }
}

// Values are stored whatever the outcome; a refusal (V or T1 without a finite motion, then the stroke) writes the
// default or the limit, which "Next" judges again.
TEST_F(Form3Page, NextWithInertia) {
    page->Option2->click();
    struct Case {
        const char *v, *t1, *ls, *n;
        NumberField* field;          // refused into this field; null: goes on
        const char *prefix, *limit;  // the warning, if any, and the text written
        bool secondNextGoesOn;
    };
    const Case cases[] = {
        {"0.25", "0.05", "550", "13.333333", nullptr, nullptr, "", true},  // its 32-bit copy lies above the limit
        {"0.25", "0.05", "550", "13.3333331", page->Text4, RateMessage, "13.333333", true},
        {"0.25", "0.05", "12.4", "999", page->Text3, StrokeMessage, "12.5", false},
        {"0.2", "0.1", "19", "5", page->Text3, StrokeMessage, "20", true},
        {"0.25", "0.05", "487.5", tinyRate.c_str(), page->Text4, RateMessage, "15", true},  // stored as 0
        {"0.000000001", "0.05", "487.5", "5", page->Text4, RateMessage, "0", false},
        // as left without inertia force, or put in by no check at all
        {hugeVelocity.c_str(), "0.05", "487.5", "5", page->Text1, nullptr, DefaultVelocityText, true},
        {"0.25", tinyTime.c_str(), "487.5", "5", page->Text2, nullptr, DefaultAccelerationTimeText, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ls) + " " + c.n);
        if (form4IfCreated() != nullptr && form4().isVisible()) navigate(form4(), *page);
        QCoreApplication::processEvents();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page));
        state().Acceleration = -1.0;
        fill(c.v, c.t1, c.ls, c.n);
        QTest::mouseClick(page->Command1, Qt::LeftButton);
        EXPECT_EQ(messages, warning(c.prefix, c.limit));
        const CalculationState& s = state();
        EXPECT_EQ(std::tuple(s.Velocity, s.AccelerationTime, s.StrokeLength, s.ReciprocationsPerMinute),
                  std::tuple(LeadingNumber(c.v), LeadingNumber(c.t1), LeadingNumber(c.ls),
                             static_cast<float>(LeadingNumber(c.n))));
        EXPECT_EQ(s.Acceleration, c.field == nullptr ? LeadingNumber(c.v) / LeadingNumber(c.t1) : -1.0);
        EXPECT_EQ(page->isVisible(), c.field != nullptr);
        if (c.field == nullptr) continue;
        EXPECT_EQ(c.field->text().toStdString(), c.limit);
        EXPECT_TRUE(c.field->hasFocus());
        QTest::mouseClick(page->Command1, Qt::LeftButton);
        EXPECT_EQ(page->isVisible(), !c.secondNextGoesOn);
    }
}

// A refused check holds the click that left the field, or the click made by
// code while the field had the focus, and an option so clicked goes back.
// Without inertia the hidden fields are neither checked nor stored.
TEST_F(Form3Page, RefusedCheckHoldsTheClickAndNextWithoutInertia) {
    for (QAbstractButton* button :
         std::initializer_list<QAbstractButton*>{page->Option2, page->Command1, page->Command2})
        for (bool byCode : {false, true}) {
            type(page->Text1, "0");
            byCode ? button->click() : QTest::mouseClick(button, Qt::LeftButton);
            EXPECT_EQ(page->Text1->text(), "0.25");
            EXPECT_TRUE(page->isVisible());
            EXPECT_FALSE(page->Option2->isChecked());
            EXPECT_FALSE(page->Text2->isVisible());
            EXPECT_EQ(state().Velocity, 0.0);
        }
    state().AccelerationTime = state().StrokeLength = state().Acceleration = 7.0;
    state().ReciprocationsPerMinute = 7.0f;
    fill("1.5", "0", "", "999");
    type(page->Text1, hugeVelocity.c_str());  // without T1 nothing overflows
    QTest::mouseClick(page->Command1, Qt::LeftButton);
    EXPECT_TRUE(form4().isVisible());
    const CalculationState& s = state();
    EXPECT_EQ(std::tuple(s.Velocity, s.Acceleration, s.AccelerationTime, s.StrokeLength, s.ReciprocationsPerMinute),
              std::tuple(1e308, 0.0, 7.0, 7.0, 7.0f));
}

// The accessibility interface checks an option without clicking it: the page still follows the checked option, and
// runs the checks a click runs. Behind a box, or when a check refuses, the option stays put.
TEST_F(Form3Page, AnOptionCheckedAnyWayShowsItsLayout) {
    const auto toggle = [](QRadioButton* option) {
        QAccessible::queryAccessibleInterface(option)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
    };
    const struct {
        const char* how;
        bool from;
        std::function<void()> choose;
        bool to;
    } cases[] = {
        {"toggle with", false, [&] { toggle(page->Option2); }, true},
        {"toggle without", true, [&] { toggle(page->Option1); }, false},
        {"click with", false,
         [&] { QTest::mouseClick(page->Option2, Qt::LeftButton, {}, QPoint(6, page->Option2->height() / 2)); }, true},
        {"toggle with, V refused", false,
         [&] {
             type(page->Text1, "0");
             toggle(page->Option2);
         },
         false},
        {"toggle without behind a box", true,
         [&] {
             fill("0.2", "0.1", "487.5", "5.0");
             setMessageSink([&](const Message&) { toggle(page->Option1); });
             type(page->Text3, "19");
             QTest::keyClick(page->Text3, Qt::Key_Tab);
         },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        (c.from ? page->Option2 : page->Option1)->click();
        ASSERT_EQ(page->Text2->isVisible(), c.from);
        c.choose();
        EXPECT_EQ(page->Option2->isChecked(), c.to);
        EXPECT_NE(page->Option1->isChecked(), c.to);
        for (NumberField* field : {page->Text2, page->Text3, page->Text4}) EXPECT_EQ(field->isVisible(), c.to);
        EXPECT_EQ(page->Text1->text(), c.to == c.from ? page->Text1->text() : QStringLiteral("0.25"));
        QTest::mouseClick(page->Command1, Qt::LeftButton);
        EXPECT_EQ(state().Acceleration != 0.0, c.to);
        navigate(form4(), *page);
        setActiveWindowNow(page);
    }
}

// A velocity that reached its field without its check, left pending while
// another window had the focus or written by an accessibility tool, is
// refused by "Next" as typing it would be, and the second "Next" goes on.
TEST_F(Form3Page, NextChecksAVelocityThatReachedItsFieldUnchecked) {
    QWidget other;
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"pending while another window had the focus",
         [&] {
             type(page->Text1, "2.2.2");
             other.show();
             setActiveWindowNow(&other);
         }},
        {"written by an accessibility tool",
         [&] {
             page->Command2->setFocus(Qt::OtherFocusReason);
             QAccessible::queryAccessibleInterface(page->Text1)->setText(QAccessible::Value, "2.2.2");
         }},
    };
    for (const auto& [how, enter] : cases) {
        SCOPED_TRACE(how);
        if (form4IfCreated() != nullptr && form4().isVisible()) navigate(form4(), *page);
        ASSERT_TRUE(QTest::qWaitForWindowActive(page));
        state().Velocity = 0.0;
        enter();
        EXPECT_EQ(page->Text1->text(), "2.2.2");
        QTest::mouseClick(page->Command1, Qt::LeftButton);
        setActiveWindowNow(page);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(page->Text1->text(), DefaultVelocityText);
        EXPECT_TRUE(page->isVisible() && page->Text1->hasFocus());
        EXPECT_EQ(state().Velocity, 0.0);
        QTest::mouseClick(page->Command1, Qt::LeftButton);
        EXPECT_TRUE(form4().isVisible());
        EXPECT_EQ(state().Velocity, 0.25);
    }
}

}  // namespace
