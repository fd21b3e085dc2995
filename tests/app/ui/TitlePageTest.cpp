#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/ui/Pages.h"
#include "selection/ui/Form1.h"
#include "selection/ui/Form2.h"

namespace {

TEST(TitlePage, TextsColoursAndPlaces) {
    struct Case {
        QLabel* Form1::*label;
        const char* text;
        QRect place;  // pixels
        QColor colour;
        double points;
    };
    const QColor blue(0, 0, 255), white(255, 255, 255);
    const Case cases[] = {
        {&Form1::Label8, "Ver. 2.5 E", {95, 95, 137, 33}, blue, 18},
        {&Form1::Label7, "Service Life Calculation for Linear Guideway", {22, 15, 329, 75}, blue, 21.75},
        {&Form1::Label5, "Ver. 2.5 E", {96, 96, 137, 33}, white, 18},
        {&Form1::Label6, "Service Life Calculation for Linear Guideway", {24, 16, 329, 73}, white, 21.75},
        {&Form1::Label4, "Ver. 2.5 E", {72, 80, 137, 33}, white, 18},
        {&Form1::Label3, "Service Life Calculation for Linear Guideway", {0, 0, 329, 73}, white, 21.75},
    };
    Form1& page = form1();
    EXPECT_EQ(page.windowTitle(), "Service life");
    EXPECT_EQ(page.size(), QSize(692, 421));
    for (const auto& c : cases) {
        const QLabel* label = page.*c.label;
        SCOPED_TRACE(c.text);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), c.text);
        EXPECT_EQ(label->geometry(), c.place);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), c.colour);
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(label->font().pixelSize(), qRound(c.points * 96 / 72));
        EXPECT_FALSE(label->autoFillBackground());
    }
    EXPECT_EQ(page.Command1->text(), "Calculation");
    EXPECT_EQ(page.Command1->geometry(), QRect(120, 144, 73, 25));
    EXPECT_FALSE(page.Command1->font().bold());
    EXPECT_EQ(page.Image1->geometry(), QRect(0, 0, 700, 440));
    EXPECT_EQ(page.Image1->pixmap().size(), QSize(700, 440));
}

TEST(TitlePage, LayeredFromPictureToButton) {
    Form1& page = form1();
    // Later siblings are drawn over earlier ones.
    const QWidget* backToFront[] = {page.Label3, page.Label4, page.Image1, page.Label6,
                                    page.Label5, page.Label7, page.Label8, page.Command1};
    const QObjectList& children = page.children();
    for (std::size_t i = 1; i < std::size(backToFront); ++i) {
        SCOPED_TRACE(i);
        EXPECT_LT(children.indexOf(backToFront[i - 1]), children.indexOf(backToFront[i]));
    }
    EXPECT_EQ(page.childAt(page.Command1->geometry().center()), page.Command1);
    EXPECT_EQ(page.childAt(QPoint(600, 400)), page.Image1);
}

TEST(TitlePage, CalculationHasTheFocusAndLeadsToTheSelectionPage) {
    Form1& page = form1();
    page.showPage();
    EXPECT_EQ(page.focusWidget(), page.Command1);
    QTest::keyClick(page.Command1, Qt::Key_Space);
    EXPECT_FALSE(page.isVisible());
    ASSERT_NE(form2IfCreated(), nullptr);
    EXPECT_TRUE(form2IfCreated()->isVisible());
}

}  // namespace
