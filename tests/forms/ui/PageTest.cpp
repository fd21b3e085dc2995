#include "forms/ui/Page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "app/ui/Pages.h"

namespace {

class CountingPage : public Page {
public:
    CountingPage() : Page(QStringLiteral("one"), 10380, 6315) {}
    int loads = 0, activations = 0;
    bool visibleAtLoad = true;
    CountingPage* other = nullptr;
    bool otherVisibleAtActivation = false;

protected:
    void onLoad() override { ++loads, visibleAtLoad = isVisible(); }
    void onActivate() override { ++activations, otherVisibleAtActivation |= other && other->isVisible(); }
};

TEST(Page, LoadRunsOnceBeforeShowingAndActivationOnEveryShowing) {
    CountingPage first, second;
    EXPECT_EQ(first.maximumSize(), QSize(692, 421));
    second.other = &first;
    first.other = &second;
    first.showPage();
    for (int round = 1; round <= 3; ++round) {
        navigate(first, second);
        navigate(second, first);
        EXPECT_EQ(second.activations, round);
        EXPECT_EQ(first.activations, round + 1);
    }
    EXPECT_EQ(first.loads + second.loads, 2);
    EXPECT_FALSE(second.visibleAtLoad);
    EXPECT_FALSE(first.otherVisibleAtActivation || second.otherVisibleAtActivation);
    // The window becoming active again (after a message box) is no showing.
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&first);
    QCoreApplication::processEvents();
    EXPECT_EQ(first.activations, 4);
}

TEST(Page, EnterOrSpacePressesTheFocusedButtonAndClosingEndsTheProgram) {
    int clicks = 0, ends = 0;
    const auto previous = setProgramEndHook([&ends] { ++ends; });
    CountingPage page;
    auto* button = new QPushButton(QStringLiteral("Next"), &page);
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    page.showPage();
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicks, 3);
    EXPECT_TRUE(page.close());
    EXPECT_EQ(ends, 1);
    setProgramEndHook(previous);
}

}  // namespace
