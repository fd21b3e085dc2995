#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "app/ui/Pages.h"
#include "selection/ui/Form1.h"
#include "selection/ui/Form2.h"

TEST(Navigation, CalculationShowsSelectionPageOnce) {
    Form1& title = form1();
    title.showPage();
    QTest::mouseClick(title.Command1, Qt::LeftButton);
    ASSERT_NE(form2IfCreated(), nullptr);
    EXPECT_TRUE(form2().isVisible());
    EXPECT_FALSE(title.isVisible());
    Form2* first = form2IfCreated();
    QTest::mouseClick(form2().Command2, Qt::LeftButton);
    QTest::mouseClick(title.Command1, Qt::LeftButton);
    EXPECT_EQ(form2IfCreated(), first);
}
