#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
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
#include "selection/ui/Form2.h"
#include "selection/ui/Form3.h"
#include "selection/ui/VelocityArtwork.h"

namespace {

const QString strokeMessage = QStringLiteral("Please input the  stoke length Ls \u2267 ");
const QString rateMessage = QStringLiteral("Please input the number of reciprocations per minute N \u2266 ");

class Form3Page : public ::testing::Test {
protected:
    void SetUp() override {
        state() = CalculationState{};
        previousSink_ = setMessageSink([this](const Message& m) { messages.push_back(m); });
        if (Form4* next = form4IfCreated()) next->hidePage();
        if (Form2* back = form2IfCreated()) back->hidePage();
        page = &form3();
        page->showPage();
        ASSERT_TRUE(settle(page));
        // Pages live for the whole run: put back what an earlier test changed.
        page->Text1->setText(QStringLiteral("0.25"));
        page->Text2->setText(QStringLiteral("0.05"));
        page->Text3->setText(QStringLiteral("487.5"));
        page->Text4->setText(QStringLiteral("5.0"));
        // A check refused at the end of an earlier test must not hold the
        // first click of this one.
        page->checksPassed();
        page->Option1->click();
        page->Text1->setFocus();
        messages.clear();
    }
    void TearDown() override { setMessageSink(previousSink_); }

    void withInertia() {
        page->Option2->click();
        ASSERT_TRUE(page->Option2->isChecked());
        page->Text1->setFocus();
    }
    // Types into a field as the user would: focus, select all, keys.
    void type(NumberField* field, const QString& text) {
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::keyClicks(field, text);
    }
    static QWidget* focus() { return QApplication::focusWidget(); }
    // Window activation arrives as queued events: let the ones of an
    // earlier step through before waiting for this window.
    static bool settle(QWidget* window) {
        QCoreApplication::processEvents();
        return QTest::qWaitForWindowActive(window);
    }

    Form3* page = nullptr;
    std::vector<Message> messages;

private:
    MessageSink previousSink_;
};

TEST_F(Form3Page, LoadsWithDefaultsWithoutInertia) {
    EXPECT_EQ(page->windowTitle(), "Velocity Condition");
    EXPECT_EQ(page->Text1->text(), "0.25");
    EXPECT_EQ(page->Text2->text(), "0.05");
    EXPECT_EQ(page->Text3->text(), "487.5");
    EXPECT_EQ(page->Text4->text(), "5.0");
    EXPECT_TRUE(page->Option1->isChecked());
    EXPECT_FALSE(page->Option2->isChecked());
    EXPECT_EQ(focus(), page->Text1);
    EXPECT_FALSE(page->Text1->allowsMinus());
}

TEST_F(Form3Page, OptionsSwitchLayoutsAndKeepTexts) {
    const std::vector<QWidget*> inertiaOnly{page->Label4, page->Label5,  page->Text2,  page->Label6,  page->Label7,
                                            page->Label8, page->Text3,   page->Label9, page->Label10, page->Label11,
                                            page->Text4,  page->Label12, page->Image2};
    const std::vector<QWidget*> always{page->Label1, page->Label2,   page->Text1,   page->Label3,
                                       page->Image1, page->Command1, page->Command2};
    page->Text2->setText(QStringLiteral("0.07"));
    for (const bool inertia : {true, false, true, false}) {
        SCOPED_TRACE(inertia);
        QTest::mouseClick(inertia ? page->Option2 : page->Option1, Qt::LeftButton);
        EXPECT_EQ(page->Option2->isChecked(), inertia);
        EXPECT_EQ(page->Option1->isChecked(), !inertia);
        for (QWidget* w : inertiaOnly) EXPECT_EQ(w->isVisible(), inertia) << w->metaObject()->className();
        for (QWidget* w : always) EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(page->Image3->isVisible(), !inertia);
    }
    EXPECT_EQ(page->Text2->text(), "0.07");
    EXPECT_TRUE(messages.empty());
}

TEST_F(Form3Page, KeyFilterLetsOnlyDigitsAndPointsIn) {
    withInertia();
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {{"12.5", "12.5"}, {"-3", "3"},        {"1,5", "15"},
                          {"a1b2", "12"},   {"1.2.3", "1.2.3"}, {"+7e2", "72"}};
    for (NumberField* field : {page->Text1, page->Text2, page->Text3, page->Text4})
        for (const Case& c : cases) {
            SCOPED_TRACE(c.typed);
            field->setFocus();
            field->clear();
            QTest::keyClicks(field, QString::fromLatin1(c.typed));
            EXPECT_EQ(field->text(), QString::fromLatin1(c.shown));
            field->setText(QStringLiteral("1"));  // leaves the field acceptable
        }
}

TEST_F(Form3Page, EnterMovesAlongTheTabOrder) {
    struct Case {
        bool inertia;
        std::vector<QWidget*> chain;
    };
    const Case cases[] = {
        {false, {page->Text1, page->Command1}},
        {true, {page->Text1, page->Text2, page->Text3, page->Command1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inertia);
        QTest::mouseClick(c.inertia ? page->Option2 : page->Option1, Qt::LeftButton);
        c.chain.front()->setFocus();
        for (std::size_t i = 0; i + 1 < c.chain.size(); ++i) {
            ASSERT_EQ(focus(), c.chain[i]);
            QTest::keyClick(c.chain[i], Qt::Key_Return);
        }
        EXPECT_EQ(focus(), c.chain.back());
        // Enter reaches "Next" without pressing it.
        EXPECT_TRUE(page->isVisible());
        // N comes after "Back"; the option group is one stop, at the chosen option.
        page->Command2->setFocus();
        QTest::keyClick(page->Command2, Qt::Key_Tab);
        if (c.inertia) {
            EXPECT_EQ(focus(), page->Text4);
            QTest::keyClick(page->Text4, Qt::Key_Return);
        }
        EXPECT_EQ(focus(), c.inertia ? static_cast<QWidget*>(page->Option2) : page->Option1);
    }
    EXPECT_TRUE(messages.empty());
}

// A field left with Enter: the message, the text it then holds, and whether
// the focus came back. Whatever the field writes is accepted when the user
// leaves it again.
TEST_F(Form3Page, FieldChecksOnLeaving) {
    withInertia();
    struct Case {
        int field;  // 1 to 4
        const char *v, *t1, *ls;
        const char* typed;
        const QString message;  // empty: none
        const char* after;
        bool focusBack;
    };
    const Case cases[] = {
        {1, "", "", "", "", {}, "0.25", true},
        {1, "", "", "", ".", {}, "0.25", true},
        {1, "", "", "", "1.2.3", {}, "0.25", true},
        {1, "", "", "", "1.5", {}, "1.5", false},
        {2, "", "", "", "0", {}, "0.05", true},
        {2, "", "", "", "0.1", {}, "0.1", false},
        {3, "0.25", "0.05", "", "12.4", strokeMessage + "12.5", "12.5", true},
        {3, "0.25", "0.05", "", "12.5", {}, "12.5", false},
        {3, "0.25", "0.05", "", "", strokeMessage + "12.5", "12.5", true},
        {3, "0.25", "0.05", "", "600.5.1", {}, "12.5", true},
        {3, "0.2", "0.1", "", "", strokeMessage + "20", "20", true},
        {3, "0.3", "0.07", "", "20.5", strokeMessage + "21", "21", true},
        {4, "0.25", "0.05", "487.5", "15.1", rateMessage + "15", "15", true},
        {4, "0.25", "0.05", "487.5", "15", {}, "15", false},
        {4, "0.25", "0.05", "487.5", "", {}, "15", true},
        {4, "0.25", "0.05", "412.5", "17.647059", rateMessage + "17.647058", "17.647058", true},
        {4, "0.25", "0.05", "550", "13.333333", {}, "13.333333", false},
        // Nmax 0: the written 0 is refused as well, so the focus moves on and
        // V, T1 and Ls can be mended.
        {4, "0.000000001", "0.05", "487.5", "5", rateMessage + "0", "0", false},
    };
    NumberField* fields[] = {page->Text1, page->Text2, page->Text3, page->Text4};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("Text") + std::to_string(c.field) + " [" + c.typed + "]");
        if (*c.v) page->Text1->setText(QString::fromLatin1(c.v));
        if (*c.t1) page->Text2->setText(QString::fromLatin1(c.t1));
        if (*c.ls) page->Text3->setText(QString::fromLatin1(c.ls));
        NumberField* field = fields[c.field - 1];
        messages.clear();
        type(field, QString::fromLatin1(c.typed));
        QTest::keyClick(field, Qt::Key_Return);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(messages.empty());
        } else {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].title, "Warning");
            EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
            EXPECT_EQ(messages[0].text, c.message);
        }
        EXPECT_EQ(field->text(), QString::fromLatin1(c.after));
        EXPECT_EQ(focus() == field, c.focusBack);
        if (c.focusBack) {
            messages.clear();
            QTest::keyClick(field, Qt::Key_Return);
            EXPECT_TRUE(messages.empty());
            EXPECT_NE(focus(), field);
        }
        page->Text1->setText(QStringLiteral("0.25"));
        page->Text2->setText(QStringLiteral("0.05"));
        page->Text3->setText(QStringLiteral("487.5"));
        page->Text4->setText(QStringLiteral("5.0"));
    }
}

TEST_F(Form3Page, NextWithoutInertiaStoresVelocityOnly) {
    state().AccelerationTime = 7.0;
    state().StrokeLength = 8.0;
    state().ReciprocationsPerMinute = 9.0f;
    state().Acceleration = 10.0;
    // Hidden fields that would fail their checks are neither checked nor read.
    page->Text2->setText(QStringLiteral("0"));
    page->Text3->setText(QString());
    page->Text4->setText(QStringLiteral("999"));
    type(page->Text1, QStringLiteral("1.5"));
    QTest::mouseClick(page->Command1, Qt::LeftButton);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(state().Velocity, 1.5);
    EXPECT_EQ(state().Acceleration, 0.0);
    EXPECT_EQ(state().AccelerationTime, 7.0);
    EXPECT_EQ(state().StrokeLength, 8.0);
    EXPECT_EQ(state().ReciprocationsPerMinute, 9.0f);
    EXPECT_FALSE(page->isVisible());
    ASSERT_NE(form4IfCreated(), nullptr);
    EXPECT_TRUE(form4().isVisible());
}

TEST_F(Form3Page, NextWithInertia) {
    withInertia();
    enum Outcome { Proceeds, StrokeRefused, RateRefused };
    struct Case {
        const char *v, *t1, *ls, *n;
        Outcome outcome;
        const char* limit;
        bool secondNextProceeds;
    };
    const Case cases[] = {
        {"0.25", "0.05", "487.5", "5.0", Proceeds, "", true},
        {"0.25", "0.05", "12.4", "5.0", StrokeRefused, "12.5", true},
        {"0.2", "0.1", "19", "5", StrokeRefused, "20", true},
        {"0.25", "0.05", "487.5", "15.1", RateRefused, "15", true},
        {"0.25", "0.05", "550", "13.333333", Proceeds, "", true},
        {"0.000000001", "0.05", "487.5", "5", RateRefused, "0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.v) + " " + c.t1 + " " + c.ls + " " + c.n);
        if (Form4* next = form4IfCreated(); next && next->isVisible()) {
            navigate(*next, *page);
            ASSERT_TRUE(settle(page));
        }
        state().Acceleration = -1.0;
        messages.clear();
        page->Text1->setText(QString::fromLatin1(c.v));
        page->Text2->setText(QString::fromLatin1(c.t1));
        page->Text3->setText(QString::fromLatin1(c.ls));
        page->Text4->setText(QString::fromLatin1(c.n));
        page->Command1->setFocus();
        QTest::mouseClick(page->Command1, Qt::LeftButton);

        EXPECT_EQ(state().Velocity, LeadingNumber(c.v));
        EXPECT_EQ(state().AccelerationTime, LeadingNumber(c.t1));
        EXPECT_EQ(state().StrokeLength, LeadingNumber(c.ls));
        EXPECT_EQ(state().ReciprocationsPerMinute, static_cast<float>(LeadingNumber(c.n)));
        if (c.outcome == Proceeds) {
            EXPECT_TRUE(messages.empty());
            EXPECT_EQ(state().Acceleration, LeadingNumber(c.v) / LeadingNumber(c.t1));
            EXPECT_FALSE(page->isVisible());
            EXPECT_TRUE(form4().isVisible());
            EXPECT_TRUE(settle(&form4()));
            continue;
        }
        NumberField* field = c.outcome == StrokeRefused ? page->Text3 : page->Text4;
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].title, "Warning");
        EXPECT_EQ(messages[0].text, (c.outcome == StrokeRefused ? strokeMessage : rateMessage) + c.limit);
        EXPECT_EQ(field->text(), QString::fromLatin1(c.limit));
        EXPECT_EQ(focus(), field);
        EXPECT_EQ(state().Acceleration, -1.0);
        EXPECT_TRUE(page->isVisible());

        // The text "Next" wrote is accepted by the next "Next".
        messages.clear();
        QTest::mouseClick(page->Command1, Qt::LeftButton);
        EXPECT_EQ(!page->isVisible(), c.secondNextProceeds);
    }
}

TEST_F(Form3Page, ComingBackKeepsEntriesAndFocusesVelocity) {
    withInertia();
    type(page->Text3, QStringLiteral("500"));
    QTest::mouseClick(page->Command1, Qt::LeftButton);
    ASSERT_TRUE(form4().isVisible());
    ASSERT_TRUE(settle(&form4()));
    QTest::mouseClick(form4().Command2, Qt::LeftButton);
    ASSERT_TRUE(page->isVisible());
    ASSERT_TRUE(settle(page));
    EXPECT_EQ(focus(), page->Text1);
    EXPECT_EQ(page->Text3->text(), "500");
    EXPECT_TRUE(page->Option2->isChecked());
    EXPECT_TRUE(page->Text3->isVisible());
}

TEST_F(Form3Page, RefusedFieldCheckHoldsButtonsAndOptions) {
    struct Case {
        const char* name;
        QAbstractButton* button;
    };
    const Case cases[] = {{"Option2", page->Option2}, {"Next", page->Command1}, {"Back", page->Command2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state().Velocity = -1.0;
        type(page->Text1, QStringLiteral("0"));
        QTest::mouseClick(c.button, Qt::LeftButton);
        EXPECT_EQ(page->Text1->text(), "0.25");
        EXPECT_TRUE(page->isVisible());
        EXPECT_TRUE(page->Option1->isChecked());
        EXPECT_FALSE(page->Option2->isChecked());
        EXPECT_FALSE(page->Text2->isVisible());
        EXPECT_EQ(state().Velocity, -1.0);
    }
    // Once the field holds an accepted text, the option works.
    QTest::mouseClick(page->Option2, Qt::LeftButton);
    EXPECT_TRUE(page->Option2->isChecked());
    EXPECT_TRUE(page->Text2->isVisible());
}

// A refused entry, mended by the user's next leaving of the field, holds no
// later click.
TEST_F(Form3Page, MendedEntryLetsTheNextClickThrough) {
    struct Case {
        const char* name;
        bool pressEnterAgain;  // else the click itself leaves the field
        QAbstractButton* button;
    };
    const Case cases[] = {{"Enter, Next", true, page->Command1},
                          {"Next", false, page->Command1},
                          {"Enter, Option2", true, page->Option2},
                          {"Option2", false, page->Option2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (Form4* next = form4IfCreated(); next && next->isVisible()) {
            navigate(*next, *page);
            ASSERT_TRUE(settle(page));
        }
        page->Option1->click();
        type(page->Text1, QStringLiteral("0"));
        QTest::keyClick(page->Text1, Qt::Key_Return);
        ASSERT_EQ(focus(), page->Text1);
        if (c.pressEnterAgain) QTest::keyClick(page->Text1, Qt::Key_Return);
        QTest::mouseClick(c.button, Qt::LeftButton);
        if (c.button == page->Option2)
            EXPECT_TRUE(page->Text2->isVisible());
        else
            EXPECT_FALSE(page->isVisible());
    }
}

TEST_F(Form3Page, BackShowsSelectionPageAndStoresNothing) {
    type(page->Text1, QStringLiteral("3"));
    QTest::mouseClick(page->Command2, Qt::LeftButton);
    EXPECT_FALSE(page->isVisible());
    EXPECT_TRUE(form2().isVisible());
    EXPECT_EQ(state().Velocity, 0.0);
}

}  // namespace
