#include "forms/ui/Page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <memory>

#include "app/ui/Pages.h"

namespace {

// Records what ran when, and whether the other page was still showing.
class CountingPage : public Page {
public:
    CountingPage(const QString& caption, int w, int h) : Page(caption, w, h) {}
    int loads = 0;
    int activations = 0;
    bool visibleAtLoad = true;
    Page* other = nullptr;
    bool otherVisibleAtActivation = false;

protected:
    void onLoad() override {
        ++loads;
        visibleAtLoad = isVisible();
    }
    void onActivate() override {
        ++activations;
        if (other && other->isVisible()) otherVisibleAtActivation = true;
    }
};

TEST(Page, FixedClientSizeNoMaximiseAndCentredWhenFirstShown) {
    struct Case {
        int widthTwips, heightTwips;
        QSize pixels;
    };
    const Case cases[] = {
        {10380, 6315, {692, 421}},
        {10185, 10335, {679, 689}},
        {12075, 10065, {805, 671}},
    };
    for (const auto& c : cases) {
        CountingPage page(QStringLiteral("Result"), c.widthTwips, c.heightTwips);
        SCOPED_TRACE(c.widthTwips);
        EXPECT_EQ(page.size(), c.pixels);
        EXPECT_EQ(page.minimumSize(), c.pixels);
        EXPECT_EQ(page.maximumSize(), c.pixels);
        EXPECT_FALSE(page.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(page.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_EQ(page.windowTitle(), "Result");
        EXPECT_FALSE(page.windowIcon().isNull());

        page.showPage();
        const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
        EXPECT_LE((page.frameGeometry().center() - screenCentre).manhattanLength(), 2);

        // Moved by the user, it stays where it was put on the next showing.
        page.move(10, 20);
        page.hidePage();
        page.showPage();
        EXPECT_EQ(page.pos(), QPoint(10, 20));
    }
}

TEST(Page, LoadRunsOnceBeforeShowingAndActivationOnEveryShowing) {
    CountingPage first(QStringLiteral("one"), 10380, 6315);
    CountingPage second(QStringLiteral("two"), 10380, 6315);
    second.other = &first;
    first.other = &second;
    first.showPage();
    for (int round = 1; round <= 3; ++round) {
        navigate(first, second);
        EXPECT_TRUE(second.isVisible());
        EXPECT_FALSE(first.isVisible());
        navigate(second, first);
        EXPECT_EQ(second.activations, round);
        EXPECT_EQ(first.activations, round + 1);
    }
    EXPECT_EQ(first.loads, 1);
    EXPECT_EQ(second.loads, 1);
    EXPECT_FALSE(second.visibleAtLoad);
    // Navigation hides the page it leaves before the next one shows.
    EXPECT_FALSE(first.otherVisibleAtActivation);
    EXPECT_FALSE(second.otherVisibleAtActivation);

    // The window becoming active again (after a message box, say) is not a
    // showing of the page.
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&first);
    QCoreApplication::processEvents();
    EXPECT_EQ(first.activations, 4);
}

TEST(Page, EnterOrSpacePressesTheFocusedButton) {
    CountingPage page(QStringLiteral("one"), 10380, 6315);
    auto* button = new QPushButton(QStringLiteral("Next"), &page);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    page.showPage();
    button->setFocus();
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Space, Qt::NoModifier}};
    for (const auto& [key, modifiers] : keys) {
        const int before = clicks;
        QTest::keyClick(button, key, modifiers);
        EXPECT_EQ(clicks, before + 1) << key;
    }
}

TEST(Page, ClosingTheWindowEndsTheProgramWithoutAQuestion) {
    int ends = 0;
    const auto previous = setProgramEndHook([&ends] { ++ends; });
    CountingPage page(QStringLiteral("one"), 10380, 6315);
    page.showPage();
    EXPECT_TRUE(page.close());
    EXPECT_EQ(ends, 1);
    setProgramEndHook(previous);
}

}  // namespace
