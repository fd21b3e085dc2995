#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "app/CalculationState.h"
#include "app/ui/Pages.h"
#include "forms/ui/FieldChecks.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/NumberField.h"
#include "operation/ui/Form4.h"
#include "operation/ui/MountingDiagram.h"
#include "results/ui/Form5.h"

namespace {

const char* const kInstallations[] = {"Horizontal application", "Vertical application", "Wall application",
                                      "Longitudinally tilted application", "Laterally tilted application"};

class Form4Test : public ::testing::Test {
protected:
    void SetUp() override {
        state() = CalculationState{};
        FieldChecks::forgetRejection();
        select("QEH", "25", 0, 1);
        previousSink_ = setMessageSink([this](const Message& m) { messages.push_back(m); });
        previousEnd_ = setProgramEndHook([] {});
    }
    void TearDown() override {
        setMessageSink(previousSink_);
        endProgram();
        setProgramEndHook(previousEnd_);
        QApplication::processEvents();
    }

    static void select(const char* series, const char* size, int installation, int combination) {
        CalculationState& s = state();
        s.SeriesCode = series;
        s.SizeCode = size;
        s.InstallationIndex = static_cast<std::int16_t>(installation);
        s.CombinationIndex = static_cast<std::int16_t>(combination);
        s.InstallationText = kInstallations[installation >= 0 && installation < 5 ? installation : 0];
        s.CombinationText = "combination " + std::to_string(combination);
        s.PreloadText = "Light preload ( FC )";
        // Ratings of a real guideway, so that "Next" has something to calculate with.
        s.DynamicLoadRating = 27.7;
        s.StaticLoadRating = 57.1;
        s.PitchingMomentRating = 0.58;
        s.YawingMomentRating = 0.58;
        s.RollingMomentRating = 0.68f;
    }

    // Shows the page as the velocity page's "Next" would, with the window active.
    Form4& show() {
        Form4& page = form4();
        page.showPage();
        QApplication::setActiveWindow(&page);
        page.activateWindow();
        return page;
    }

    // Types into a field as the user would, after giving it the focus.
    static void type(NumberField* field, const QString& text) {
        field->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), field);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    static void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }

    // Types into a field and leaves it with Tab.
    static void leave(NumberField* field, const QString& text) {
        type(field, text);
        key(Qt::Key_Tab);
    }

    // Shows the page again after a new selection, as coming back to it does.
    Form4& reactivate() {
        form4().hidePage();
        return show();
    }

    std::vector<Message> messages;

private:
    MessageSink previousSink_;
    std::function<void()> previousEnd_;
};

TEST_F(Form4Test, StartsWithTheDefaultsAndHiddenLoadFrames) {
    Form4& page = show();
    for (int n = 1; n <= 30; ++n) {
        if (n == 3 || n == 4 || n == 5) continue;  // raised at activation
        EXPECT_EQ(page.field(n)->text(), n == 7 ? "50.0" : "0.0") << n;
    }
    for (QGroupBox* frame : {page.Frame6, page.Frame7, page.Frame8, page.Frame9, page.Frame10, page.Frame11})
        EXPECT_TRUE(frame->isHidden()) << frame->title().toStdString();
    EXPECT_EQ(page.windowTitle(), "Operation Condition");
    EXPECT_EQ(page.Command1->text(), "Next");
    EXPECT_EQ(page.Command2->text(), "Back");
}

TEST_F(Form4Test, KeyFilterDropsTheMinusOnlyInTheSpans) {
    Form4& page = show();
    for (int n = 1; n <= 30; ++n) EXPECT_EQ(page.field(n)->allowsMinus(), n < 3 || n > 5) << n;
    type(page.Text2, "-1a2,. 5");
    EXPECT_EQ(page.Text2->text(), "-12.5");
    type(page.Text3, "-1a2,. 5");
    EXPECT_EQ(page.Text3->text(), "12.5");
}

TEST_F(Form4Test, EnterMovesOnLikeTabWithoutPressingNext) {
    Form4& page = show();
    type(page.Text15, "5");
    key(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), page.Text16);  // Frame8 appeared
    page.Text18->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), page.Command1);
    EXPECT_EQ(form5IfCreated(), nullptr);
    EXPECT_TRUE(page.isVisible());

    page.Text19->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), page.Text1);
    EXPECT_EQ(page.Text19->text(), "0");
}

TEST_F(Form4Test, TabOrderRunsTheLoadBlockBackwards) {
    select("QEH", "25", 3, 7);  // every span and the inclination shown
    Form4& page = show();
    for (NumberField* owner : {page.Text7, page.Text11, page.Text15, page.Text19, page.Text23, page.Text27}) {
        leave(owner, "1");
    }
    page.Text1->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> expected;
    for (int n = 2; n <= 18; ++n) expected.push_back(page.field(n));
    expected.push_back(page.Command1);
    expected.push_back(page.Command2);
    for (int n = 30; n >= 19; --n) expected.push_back(page.field(n));
    expected.push_back(page.Text1);
    for (QWidget* next : expected) {
        key(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(Form4Test, SpanChecksShowTheThresholdOfTheLatestActivation) {
    Form4& page = show();
    ASSERT_EQ(page.Text3->text(), "81.6");
    leave(page.Text3, "81.5");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "訊息");
    EXPECT_EQ(messages[0].text, "滑塊跨距L1 必須輸入一個大於或等於 81.6 的數值");
    EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(page.Text3->text(), "81.6");
    EXPECT_EQ(QApplication::focusWidget(), page.Text3);

    messages.clear();
    select("QEH", "15", 0, 5);
    reactivate();
    leave(page.Text7, "50");  // opens m1's frame now rather than when L2 is reached
    leave(page.Text5, "33.999999999");
    EXPECT_TRUE(messages.empty());
    leave(page.Text5, "33.9");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "滑軌跨距L2 必須輸入一個大於或等於 34 的數值");
    EXPECT_EQ(page.Text5->text(), "34");
}

// Leaving an L1' field at the text the activation wrote must be accepted,
// for every size whose sum is not exact in binary.
TEST_F(Form4Test, RaisedCarriageSpanIsAcceptedWhenLeft) {
    const std::pair<const char*, const char*> sizes[] = {{"QEH", "20"},  {"QEJ", "25T"}, {"WUN", "15"},
                                                         {"WUN", "15L"}, {"WUY", "35"},  {"QEY", "35L"}};
    Form4& page = show();
    for (const auto& [series, size] : sizes) {
        page.Text3->setText("0.0");
        page.Text4->setText("0.0");
        select(series, size, 0, 7);
        reactivate();
        page.Text4->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Tab);
        EXPECT_TRUE(messages.empty()) << series << size << " " << page.Text4->text().toStdString();
        EXPECT_NE(QApplication::focusWidget(), page.Text4) << series << size;
        messages.clear();
    }
}

TEST_F(Form4Test, MassesAndLoadsShowOrHideTheirFrames) {
    Form4& page = show();
    struct Case {
        NumberField* field;
        const char* typed;
        QGroupBox* frame;
        const char* after;
        bool shown;
        QWidget* focus;  // where the focus is after leaving
    };
    const Case cases[] = {
        {page.Text7, "12", page.Frame6, "12", true, page.Text8},
        {page.Text11, "0", page.Frame7, "0.0", false, page.Text15},
        {page.Text11, "-20", page.Frame7, "-20", true, page.Text12},
        {page.Text15, "", page.Frame8, "0.0", false, page.Command1},
        {page.Text19, "", page.Frame9, "0", false, page.Text1},
        {page.Text23, "5", page.Frame10, "5", true, page.Text24},
        {page.Text27, "0.0", page.Frame11, "0", false, page.Text26},
        {page.Text27, "3", page.Frame11, "3", true, page.Text28},
        {page.Text7, "-", page.Frame6, "50.0", false, page.Text7},  // with the m1 message
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        leave(c.field, c.typed);
        EXPECT_EQ(c.field->text(), c.after);
        EXPECT_EQ(!c.frame->isHidden(), c.shown);
        EXPECT_EQ(QApplication::focusWidget(), c.focus);
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "訊息");
    EXPECT_EQ(messages[0].text, "質量m1 必須輸入一個 0 以外的數值");
}

// With the load block running backwards, X6 is followed by fz: once fz's
// frame is open, Tab must carry on to fy and fx instead of back into X6.
TEST_F(Form4Test, LoadBlockIsNoKeyboardTrap) {
    Form4& page = show();
    leave(page.Text27, "5");
    ASSERT_EQ(QApplication::focusWidget(), page.Text28);
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), page.Text27);
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), page.Text23);
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), page.Text19);
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), page.Text1);

    // Leaving m1 with its frame already open does not pull the focus back.
    leave(page.Text7, "10");
    ASSERT_EQ(QApplication::focusWidget(), page.Text8);
    key(Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), page.Text7);
    key(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), page.Text3);  // θ, L2 and L1' are hidden
    EXPECT_TRUE(messages.empty());
}

TEST_F(Form4Test, ActivationFollowsInstallationAndCombination) {
    Form4& page = show();
    for (int installation = 0; installation < 5; ++installation) {
        for (int combination = 0; combination < 8; ++combination) {
            SCOPED_TRACE(std::to_string(installation) + "/" + std::to_string(combination));
            select("QEH", "25", installation, combination);
            reactivate();
            const int perRail = combination % 4 + 1;
            EXPECT_FALSE(page.Frame1->isHidden());
            EXPECT_EQ(!page.Frame2->isHidden(), perRail > 1);
            for (QWidget* w : {static_cast<QWidget*>(page.Label13), static_cast<QWidget*>(page.Text4),
                               static_cast<QWidget*>(page.Label14)})
                EXPECT_EQ(!w->isHidden(), perRail == 4);
            EXPECT_EQ(!page.Frame3->isHidden(), combination >= 4);
            EXPECT_EQ(!page.Frame4->isHidden(), installation >= 3);
            EXPECT_EQ(page.Label7->text(), installation == 1 ? "X0 =" : "Y0 =");
            EXPECT_EQ(page.Diagram->shownImage(), 3 + 8 * installation + combination);
            EXPECT_FALSE(page.Diagram->isHidden());
        }
    }
}

TEST_F(Form4Test, ActivationWritesCaptionsAndKeepsHiddenTexts) {
    select("QEJ", "15T", 1, 5);
    Form4& page = show();
    EXPECT_EQ(page.Label6->text(), "QEJ15T");
    EXPECT_EQ(page.Label2->text(), "Vertical application");
    EXPECT_EQ(page.Label4->text(), "combination 5");
    EXPECT_EQ(page.Label33->text(), "Light preload ( FC )");
    EXPECT_EQ(page.Label7->text(), "X0 =");
    EXPECT_TRUE(page.Text4->isHidden());
    EXPECT_EQ(page.Text4->text(), "131");  // raised although hidden
    const CalculationState& s = state();
    EXPECT_EQ(s.MinCarriageSpanL1, 40.0);
    EXPECT_EQ(s.MinCarriageSpanL1b, 131.0);
    EXPECT_EQ(s.MinRailSpanL2, 34.0f);

    select("QEJ", "15T", 0, 5);
    reactivate();
    EXPECT_EQ(page.Label7->text(), "Y0 =");

    // An unknown installation keeps the caption and shows no diagram.
    select("QEJ", "15T", 1, 5);
    reactivate();
    state().InstallationIndex = 7;
    reactivate();
    EXPECT_EQ(page.Label7->text(), "X0 =");
    EXPECT_EQ(page.Diagram->shownImage(), 0);
    EXPECT_FALSE(page.Frame2->isHidden());
    EXPECT_FALSE(page.Text4->isHidden());
}

TEST_F(Form4Test, CaptionsReadAsLaidOutAndStayInsideTheirFrames) {
    select("QEH", "25", 3, 7);  // every frame of the left column shown
    Form4& page = show();
    const struct {
        QLabel* label;
        const char* text;
        QWidget* container;
    } captions[] = {
        {page.Label5, "Model :", &page},
        {page.Label1, "Installation :", &page},
        {page.Label3, "Combination :", &page},
        {page.Label32, "Preload :", &page},
        {page.Label7, "Y0 =", page.Frame1},
        {page.Label9, "Z0 =", page.Frame1},
        {page.Label13, "L1' =", page.Frame2},
        {page.Label17, "\u03b8 =", page.Frame4},
        {page.Label18, "( \u00b0 )", page.Frame4},
        {page.Label34, "Unit :", page.Frame5},
        {page.Label31, "Mass ( kg )    Gravity point ( mm )", page.Frame5},
        {page.Label35, "Unit :kg ", page.Frame5},
        {page.Label45, "fz =", page.Frame5},
        {page.Label48, "Z6 =", page.Frame11},
    };
    for (const auto& c : captions) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(c.label->text(), text);
        EXPECT_EQ(c.label->parentWidget(), c.container) << c.text;
        EXPECT_LE(c.label->geometry().right(), c.container->width() - 1) << c.text;
        EXPECT_GE(c.label->width(), QFontMetrics(c.label->font()).horizontalAdvance(text)) << c.text;
    }
    // The header of the entry block keeps the block's face wherever it fits
    // at full width, and never runs into its neighbour.
    EXPECT_LT(page.Label34->geometry().right(), page.Label31->x());
    const QFont block = page.Label19->font();
    const int fullWidth = QFontMetrics(block).horizontalAdvance(page.Label31->text());
    if (page.Label31->x() + fullWidth < page.Frame5->width()) {
        EXPECT_EQ(page.Label31->font().stretch(), block.stretch());
        EXPECT_EQ(page.Label34->font().stretch(), block.stretch());
    }
}

TEST_F(Form4Test, DiagramAreaShowsTheDrawingOfTheCase) {
    Form4& page = show();
    auto drawing = [&](int installation, int combination) {
        QImage image(page.Diagram->size(), QImage::Format_RGB32);
        QPainter painter(&image);
        MountingDiagram::paintDiagram(painter, QRectF(image.rect()), installation, combination);
        return image;
    };
    for (int installation = 0; installation < 5; ++installation) {
        const int combination = installation % 2 == 0 ? 1 : 6;  // one and two rails
        select("QEH", "25", installation, combination);
        reactivate();
        const QImage shown = page.Diagram->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(shown == drawing(installation, combination)) << installation;
        EXPECT_FALSE(shown == drawing((installation + 1) % 5, combination)) << installation;
    }
}

TEST_F(Form4Test, NextChecksTheFieldItLeavesThenShowsTheResultPage) {
    Form4& page = show();
    type(page.Text3, "10");
    QTest::mouseClick(page.Command1, Qt::LeftButton);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(page.Text3->text(), "81.6");
    EXPECT_EQ(form5IfCreated(), nullptr);

    QTest::mouseClick(page.Command1, Qt::LeftButton);
    ASSERT_NE(form5IfCreated(), nullptr);
    EXPECT_TRUE(form5().isVisible());
    EXPECT_FALSE(page.isVisible());
}

}  // namespace
