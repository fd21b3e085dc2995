#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <vector>

#include "app/CalculationState.h"
#include "app/ui/Pages.h"
#include "forms/NumberText.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/NumberField.h"
#include "operation/ui/Form4.h"
#include "selection/VelocityConditions.h"
#include "selection/ui/Form3.h"

namespace {

class Form3Page : public ::testing::Test {
protected:
    void SetUp() override {
        state() = CalculationState{};
        previousSink_ = setMessageSink([this](const Message& m) { messages.push_back(m); });
        page->showPage();
        ASSERT_TRUE(settle(page));
    }
    void TearDown() override { setMessageSink(previousSink_); }

    void fill(const char* v, const char* t1, const char* ls, const char* n) {
        for (auto [field, text] : {std::pair{page->Text1, v}, {page->Text2, t1}, {page->Text3, ls}, {page->Text4, n}})
            field->setText(QString::fromLatin1(text));
        messages.clear();
    }
    // Focus, select all, keys: as the user types.
    static void type(NumberField* field, const char* text) {
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, QString::fromLatin1(text));
    }
    void expectWarning(const char* prefix, const char* limit) {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].title, "Warning");
        EXPECT_EQ(messages[0].text.toStdString(), prefix + std::string(limit));
        messages.clear();
    }
    // Window activation arrives as queued events: let the earlier ones through first.
    static bool settle(QWidget* window) {
        QCoreApplication::processEvents();
        return QTest::qWaitForWindowActive(window);
    }
    static QWidget* focus() { return QApplication::focusWidget(); }

    Form3* page = &form3();
    std::vector<Message> messages;
    MessageSink previousSink_;
};

// A field left with Enter: the warning, the text it then holds, whether the
// focus came back; and what it wrote is accepted when left again.
TEST_F(Form3Page, FieldChecksOnLeaving) {
    page->Option2->click();
    struct Case {
        int field;  // 1 to 4
        const char *v, *t1, *ls, *typed;
        const char* prefix;  // null: no message
        const char* after;
        bool focusBack;
    };
    const Case cases[] = {
        {1, "0.25", "0.05", "487.5", "", nullptr, "0.25", true},
        {2, "0.25", "0.05", "487.5", "0", nullptr, "0.05", true},
        {3, "0.25", "0.05", "487.5", "12.4", StrokeMessage, "12.5", true},
        {3, "0.25", "0.05", "487.5", "12.5", nullptr, "12.5", false},
        {3, "0.2", "0.1", "487.5", "", StrokeMessage, "20", true},
        {4, "0.25", "0.05", "487.5", "15.1", RateMessage, "15", true},
        {4, "0.25", "0.05", "487.5", "", nullptr, "15", true},
        {4, "0.25", "0.05", "550", "13.333333", nullptr, "13.333333", false},
        // Nmax 0: the written 0 is refused too, so the focus moves on to let V, T1 or Ls be mended.
        {4, "0.000000001", "0.05", "487.5", "5", RateMessage, "0", false},
    };
    NumberField* fields[] = {page->Text1, page->Text2, page->Text3, page->Text4};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.field) + " [" + c.typed + "]");
        fill(c.v, c.t1, c.ls, "5.0");
        NumberField* field = fields[c.field - 1];
        type(field, c.typed);
        QTest::keyClick(field, Qt::Key_Return);
        if (c.prefix != nullptr) expectWarning(c.prefix, c.after);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(field->text().toStdString(), c.after);
        EXPECT_EQ(focus() == field, c.focusBack);
        if (!c.focusBack) continue;
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_TRUE(messages.empty());
        EXPECT_NE(focus(), field);
    }
}

// Values are stored whatever the outcome; a refusal writes the limit into its
// field, which the next "Next" accepts unless the limit is 0.
TEST_F(Form3Page, NextWithInertia) {
    page->Option2->click();
    const char* cases[][6] = {{"0.25", "0.05", "550", "13.333333", "", ""},
                              {"0.2", "0.1", "19", "5", "Ls", "20"},
                              {"0.000000001", "0.05", "487.5", "5", "N", "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[4]);
        if (form4IfCreated() != nullptr && form4().isVisible()) navigate(form4(), *page);
        ASSERT_TRUE(settle(page));
        state().Acceleration = -1.0;
        fill(c[0], c[1], c[2], c[3]);
        QTest::mouseClick(page->Command1, Qt::LeftButton);
        EXPECT_EQ(state().Velocity, LeadingNumber(c[0]));
        EXPECT_EQ(state().AccelerationTime, LeadingNumber(c[1]));
        EXPECT_EQ(state().StrokeLength, LeadingNumber(c[2]));
        EXPECT_EQ(state().ReciprocationsPerMinute, static_cast<float>(LeadingNumber(c[3])));
        if (!*c[4]) {
            EXPECT_EQ(state().Acceleration, 5.0);
            EXPECT_TRUE(form4().isVisible());
            continue;
        }
        NumberField* field = *c[4] == 'L' ? page->Text3 : page->Text4;
        expectWarning(*c[4] == 'L' ? StrokeMessage : RateMessage, c[5]);
        EXPECT_EQ(field->text().toStdString(), c[5]);
        EXPECT_EQ(focus(), field);
        EXPECT_EQ(state().Acceleration, -1.0);
        QTest::mouseClick(page->Command1, Qt::LeftButton);
        EXPECT_EQ(page->isVisible(), *c[5] == '0');
    }
}

// A refused check holds the click that left the field, an option so clicked
// goes back; an entry mended by leaving the field again holds no later click.
// Without inertia the hidden fields are neither checked nor stored.
TEST_F(Form3Page, RefusedCheckHoldsTheClickAndNextWithoutInertia) {
    for (QAbstractButton* button :
         std::initializer_list<QAbstractButton*>{page->Option2, page->Command1, page->Command2}) {
        type(page->Text1, "0");
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(page->Text1->text(), "0.25");
        EXPECT_TRUE(page->isVisible());
        EXPECT_TRUE(page->Option1->isChecked());
        EXPECT_FALSE(page->Option2->isChecked());
        EXPECT_FALSE(page->Text2->isVisible());
        EXPECT_EQ(state().Velocity, 0.0);
    }
    state().AccelerationTime = 7.0;
    state().StrokeLength = 8.0;
    state().ReciprocationsPerMinute = 9.0f;
    state().Acceleration = 10.0;
    fill("1.5", "0", "", "999");
    type(page->Text1, "0");
    QTest::keyClick(page->Text1, Qt::Key_Return);
    page->Text1->setText(QStringLiteral("1.5"));
    QTest::keyClick(page->Text1, Qt::Key_Return);
    QTest::mouseClick(page->Command1, Qt::LeftButton);
    EXPECT_TRUE(form4().isVisible());
    EXPECT_EQ(state().Velocity, 1.5);
    EXPECT_EQ(state().Acceleration, 0.0);
    EXPECT_EQ(state().AccelerationTime, 7.0);
    EXPECT_EQ(state().StrokeLength, 8.0);
    EXPECT_EQ(state().ReciprocationsPerMinute, 9.0f);
}

}  // namespace
