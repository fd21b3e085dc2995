#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <utility>
#include <vector>

#include "app/CalculationState.h"
#include "app/ui/Pages.h"
#include "forms/ui/ActiveWindow.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/NumberField.h"
#include "operation/ui/Form4.h"
#include "results/ui/Form5.h"
#include "selection/ui/Form1.h"
#include "selection/ui/Form2.h"
#include "selection/ui/Form3.h"

namespace {

void click(QWidget& page, QAbstractButton* button) {
    setActiveWindowNow(&page);
    QTest::mouseClick(button, Qt::LeftButton);
}

void type(NumberField* field, const QString& text) {
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QTest::keyClicks(field, text + "\t");
}

// The whole road as a person takes it, from the title page to the result page
// and back: QEH 25, horizontal, one rail with two carriages, light preload,
// 0.25 m/s, no inertia, m1 = 50 kg at X1 = 100 mm.
TEST(EndToEnd, ResultPageShowsHandWorkedFiguresAndBackKeepsTheEntries) {
    state() = CalculationState{};
    std::vector<Message> messages;
    const auto previousSink = setMessageSink([&messages](const Message& m) { messages.push_back(m); });
    const auto previousEnd = setProgramEndHook([] {});
    form1().showPage();
    click(form1(), form1().Command1);
    form2().Combo4->setFocus(Qt::TabFocusReason);  // 1 rail, 2 carriages
    while (form2().Combo4->currentIndex() > 1) QTest::keyClick(form2().Combo4, Qt::Key_Up);
    click(form2(), form2().Command1);
    click(form3(), form3().Command1);
    Form4& operation = form4();
    setActiveWindowNow(&operation);
    EXPECT_EQ(operation.Text3->text(), "81.6");  // L1 raised to the minimum of QEH 25
    type(operation.Text7, "50");                 // leaving m1 opens the frame of its gravity point
    type(operation.Text8, "100");
    click(operation, operation.Command1);
    ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();

    // W = 9.8 x 50 = 490 N shared by two carriages; MP = 9.8 x 50 x 100 N·mm
    // over L1 = 81.6 mm moves 600.49 N from carriage 1 to carriage 2.
    const std::tuple<int, int, const char*> cells[] = {
        {1, 3, "-355.5"}, {1, 4, "0"},    {1, 5, "355.5"}, {1, 9, "355.5"}, {2, 3, "845.5"},
        {2, 9, "845.5"},  {1, 0, "----"}, {2, 8, "----"},  {3, 3, "----"},  {8, 9, "----"}};  // no inertia, carriage 3+
    Form5& result = form5();
    for (const auto& [carriage, row, text] : cells)
        EXPECT_EQ(result.cell(carriage, row)->text(), text) << carriage << row;
    // fs = 42400 / (562 + 845.49) = 30.12; L = (28100 / (1407.49 x 1.2))^3 x 50 km.
    EXPECT_EQ(result.Label133->text(), "30.1");
    EXPECT_EQ(result.Label130->text(), "230254");

    click(result, result.Command1);  // Back: the entry is kept, and a new one counts
    EXPECT_EQ(operation.Text8->text(), "100");
    type(operation.Text8, "0");
    click(operation, operation.Command1);
    EXPECT_TRUE(result.cell(1, 3)->text() == "245" && result.cell(2, 3)->text() == "245");

    click(result, result.Command1);  // a calculation that cannot be made warns and keeps the page
    const float rolling = std::exchange(state().RollingMomentRating, 0.0f);
    click(operation, operation.Command1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("rolling moment"));
    EXPECT_TRUE(operation.isVisible() && !result.isVisible());

    // A figure too long for its box is refused by name; the entries and the page stay. Loads grow with m1 (16.91 N
    // per kg on carriage 2): 591000 kg shows 9993694.1 N, 592000 kg would not fit.
    state().RollingMomentRating = rolling;
    type(operation.Text7, "50");  // leaving m1 opens the frame of its gravity point
    type(operation.Text8, "100");
    for (const char* m1 : {"592000", "591000"}) {
        type(operation.Text7, m1);
        messages.clear();
        click(operation, operation.Command1);
        if (QString(m1) == "591000") break;
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].text.startsWith("The radial load of carriage 2 at uniform speed is too large"));
        EXPECT_TRUE(operation.isVisible() && !result.isVisible() && operation.Text7->text() == m1);
    }
    EXPECT_TRUE(messages.empty() && result.isVisible());
    EXPECT_EQ(result.cell(2, 3)->text(), "9993694.1");
    // With inertia force, a T1 of 10^-300 s brakes 50 kg, 100 mm above the rail, with 10^301 N.
    click(result, result.Command1);
    click(operation, operation.Command2);
    form3().Option2->click();
    for (const auto& [field, text] : {std::pair{form3().Text2, "0." + std::string(299, '0') + "1"},
                                      {form3().Text3, std::string("487.5")},
                                      {form3().Text4, std::string("5")}})
        type(field, QString::fromStdString(text));
    click(form3(), form3().Command1);
    type(operation.Text7, "50");
    type(operation.Text10, "100");
    click(operation, operation.Command1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("while accelerating is too large")) << messages[0].text.toStdString();
    EXPECT_TRUE(operation.isVisible() && !result.isVisible());

    setMessageSink(previousSink), endProgram(), setProgramEndHook(previousEnd);
}

}  // namespace
