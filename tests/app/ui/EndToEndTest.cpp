#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <vector>

#include "app/CalculationState.h"
#include "app/ui/Pages.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/NumberField.h"
#include "operation/ui/Form4.h"
#include "results/ui/Form5.h"
#include "selection/ui/Form1.h"
#include "selection/ui/Form2.h"
#include "selection/ui/Form3.h"

namespace {

// The whole road as a person takes it, from the title page to the result page.
class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        state() = CalculationState{};
        previousSink_ = setMessageSink([this](const Message& m) { messages.push_back(m); });
        previousEnd_ = setProgramEndHook([] {});
    }
    void TearDown() override {
        setMessageSink(previousSink_);
        endProgram();
        setProgramEndHook(previousEnd_);
        QApplication::processEvents();
    }

    static void activate(QWidget& page) {
        QApplication::setActiveWindow(&page);
        page.activateWindow();
    }

    static void pick(QComboBox* list, int index) {
        list->setFocus(Qt::TabFocusReason);
        while (list->currentIndex() < index) QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() > index) QTest::keyClick(list, Qt::Key_Up);
    }

    static void type(NumberField* field, const QString& text) {
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }

    // Title page to the operation condition page: QEH 25, horizontal, one
    // rail with two carriages, light preload, velocity 0.25 m/s.
    Form4& reachOperationPage(bool withInertia) {
        form1().showPage();
        activate(form1());
        QTest::mouseClick(form1().Command1, Qt::LeftButton);

        Form2& selection = form2();
        activate(selection);
        pick(selection.Combo1, 0);  // QEH
        EXPECT_EQ(selection.Combo2->currentText(), "25");
        pick(selection.Combo3, 0);  // horizontal
        pick(selection.Combo4, 1);  // 1 rail, 2 carriages
        pick(selection.Combo5, 0);  // light preload
        QTest::mouseClick(selection.Command1, Qt::LeftButton);

        Form3& velocity = form3();
        activate(velocity);
        if (withInertia) {
            QTest::mouseClick(velocity.Option2, Qt::LeftButton, {}, QPoint(6, velocity.Option2->height() / 2));
            EXPECT_TRUE(velocity.Option2->isChecked());
        }
        QTest::mouseClick(velocity.Command1, Qt::LeftButton);
        EXPECT_TRUE(messages.empty());

        Form4& operation = form4();
        activate(operation);
        EXPECT_TRUE(operation.isVisible());
        return operation;
    }

    static QString cell(int carriage, int row) { return form5().cell(carriage, row)->text(); }

    std::vector<Message> messages;

private:
    MessageSink previousSink_;
    std::function<void()> previousEnd_;
};

TEST_F(EndToEnd, HorizontalTwoCarriagesWithoutInertiaShowsHandWorkedResults) {
    Form4& operation = reachOperationPage(false);
    EXPECT_EQ(operation.Text3->text(), "81.6");  // L1 raised to the minimum of QEH 25
    type(operation.Text8, "100");                // m1 = 50 kg at X1 = 100 mm
    QTest::mouseClick(operation.Command1, Qt::LeftButton);
    ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();

    Form5* result = form5IfCreated();
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->isVisible());
    EXPECT_FALSE(operation.isVisible());

    // W = 9.8 x 50 = 490 N shared by two carriages; MP = 9.8 x 50 x 100 N·mm
    // over L1 = 81.6 mm moves 600.49 N from carriage 1 to carriage 2.
    const struct {
        int carriage, row;
        const char* text;
    } cells[] = {
        {1, 3, "-355.5"}, {1, 4, "0"},    {1, 5, "355.5"}, {1, 9, "355.5"},  // uniform and mean, carriage 1
        {2, 3, "845.5"},  {2, 4, "0"},    {2, 5, "845.5"}, {2, 9, "845.5"},  // carriage 2
        {1, 0, "----"},   {2, 8, "----"}, {3, 3, "----"},  {8, 9, "----"},   // no inertia, no carriage 3..8
    };
    for (const auto& c : cells) EXPECT_EQ(cell(c.carriage, c.row), c.text) << c.carriage << "," << c.row;

    EXPECT_EQ(result->Label95->text(), "QEH25");
    EXPECT_EQ(result->Label102->text(), " 42.4");
    EXPECT_EQ(result->Label106->text(), " 28.1");
    EXPECT_EQ(result->Label118->text(), "= 562 N");
    EXPECT_EQ(result->Label113->text(), "1.2");
    // fs = 42400 / (562 + 845.49) = 30.12; L = (28100 / (1407.49 x 1.2))^3 x 50 km.
    EXPECT_EQ(result->Label133->text(), "30.1");
    EXPECT_EQ(result->Label130->text(), "230254");
    EXPECT_FALSE(result->Label126->isVisible());
}

TEST_F(EndToEnd, BackAndNextAgainKeepsEveryEntryAndRecalculates) {
    Form4& operation = reachOperationPage(true);
    type(operation.Text8, "100");
    QTest::mouseClick(operation.Command1, Qt::LeftButton);
    ASSERT_NE(form5IfCreated(), nullptr);
    EXPECT_TRUE(form5().Label126->isVisible());  // with inertia the running time is shown
    const QString withOffset = cell(2, 3);

    QTest::mouseClick(form5().Command1, Qt::LeftButton);  // Back
    activate(operation);
    EXPECT_TRUE(operation.isVisible());
    EXPECT_EQ(operation.Text8->text(), "100");
    type(operation.Text8, "0");
    QTest::mouseClick(operation.Command1, Qt::LeftButton);
    EXPECT_EQ(cell(1, 3), "245");
    EXPECT_EQ(cell(2, 3), "245");
    EXPECT_NE(withOffset, cell(2, 3));
}

TEST_F(EndToEnd, RefusedCalculationWarnsAndKeepsThePage) {
    Form4& operation = reachOperationPage(false);
    state().RollingMomentRating = 0.0f;  // a rating that the one-rail layouts divide by
    QTest::mouseClick(operation.Command1, Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Warning");
    EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(messages[0].text.contains("rolling moment"));
    EXPECT_EQ(form5IfCreated(), nullptr);
    EXPECT_TRUE(operation.isVisible());
    EXPECT_EQ(state().RadialLoad[1][2], 0.0);
}

}  // namespace
