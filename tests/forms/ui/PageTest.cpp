#include "forms/ui/Page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "app/ui/Pages.h"

namespace {

// Navigation hides the page it leaves before the next one's activation.
class CountingPage : public Page {
public:
    CountingPage() : Page(QStringLiteral("one"), 10380, 6315) {}
    int loads = 0, activations = 0;
    bool visibleAtLoad = false, otherVisibleAtActivation = false;
    CountingPage* other = nullptr;

protected:
    void onLoad() override { ++loads, visibleAtLoad = isVisible(); }
    void onActivate() override { ++activations, otherVisibleAtActivation |= other && other->isVisible(); }
};

TEST(Page, LoadOnceActivationOnEveryShowingAndEnterPressesTheFocusedButton) {
    CountingPage first, second;
    first.other = &second, second.other = &first;
    EXPECT_EQ(first.maximumSize(), QSize(692, 421));
    int clicks = 0;
    auto* button = new QPushButton(QStringLiteral("Next"), &first);
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    first.showPage();
    for (int round = 1; round <= 3; ++round) {
        navigate(first, second);
        navigate(second, first);
        EXPECT_EQ(second.activations, round);
        EXPECT_EQ(first.activations, round + 1);
    }
    EXPECT_EQ(first.loads + second.loads, 2);
    EXPECT_FALSE(first.visibleAtLoad || first.otherVisibleAtActivation || second.otherVisibleAtActivation);
    QApplication::setActiveWindow(nullptr);  // active again after a message box: no showing
    QApplication::setActiveWindow(&first);
    QCoreApplication::processEvents();
    EXPECT_EQ(first.activations, 4);

    button->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) QTest::keyClick(button, key);
    EXPECT_EQ(clicks, 3);
}

}  // namespace
