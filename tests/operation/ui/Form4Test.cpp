#include <gtest/gtest.h>

#include <QApplication>
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
        s.InstallationText = installation == 1 ? "Vertical application" : "Horizontal application";
        s.CombinationText = "combination " + std::to_string(combination);
        s.DynamicLoadRating = 27.7;
        s.StaticLoadRating = 57.1;
        s.PitchingMomentRating = s.YawingMomentRating = 0.58;
        s.RollingMomentRating = 0.68f;
    }

    // Shows the page (again) as the velocity page's "Next" would, with the window active.
    Form4& show() {
        Form4& page = form4();
        page.hidePage();
        page.showPage();
        QApplication::setActiveWindow(&page);
        page.activateWindow();
        return page;
    }

    static void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
    static void leave(NumberField* field, const QString& text) {
        field->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), field);
        field->selectAll();
        key(Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        key(Qt::Key_Tab);
    }

    std::vector<Message> messages;

private:
    MessageSink previousSink_;
    std::function<void()> previousEnd_;
};

TEST_F(Form4Test, SpanChecksUseTheThresholdsOfTheLatestActivation) {
    Form4& page = show();
    for (QGroupBox* frame : {page.Frame6, page.Frame7, page.Frame8, page.Frame9, page.Frame10, page.Frame11})
        EXPECT_TRUE(frame->isHidden());
    ASSERT_EQ(page.Text3->text(), "81.6");
    leave(page.Text3, "-81.5");  // the minus is dropped in the spans
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "訊息");
    EXPECT_EQ(messages[0].text, "滑塊跨距L1 必須輸入一個大於或等於 81.6 的數值");
    EXPECT_EQ(page.Text3->text(), "81.6");
    EXPECT_EQ(QApplication::focusWidget(), page.Text3);

    messages.clear();
    select("QEH", "15", 0, 5);
    show();
    leave(page.Text7, "50");  // opens m1's frame now rather than when L2 is reached
    leave(page.Text5, "33.999999999");
    EXPECT_TRUE(messages.empty());
    leave(page.Text5, "33.9");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "滑軌跨距L2 必須輸入一個大於或等於 34 的數值");
    EXPECT_EQ(page.Text5->text(), "34");

    // Leaving L1' at the text the activation wrote is accepted, also where the sum is not exact in binary.
    for (const char* size : {"20", "35L"}) {
        messages.clear();
        page.Text3->setText("0.0");
        page.Text4->setText("0.0");
        select("QEH", size, 0, 7);
        show();
        page.Text4->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Tab);
        EXPECT_TRUE(messages.empty()) << size << " " << page.Text4->text().toStdString();
        EXPECT_NE(QApplication::focusWidget(), page.Text4) << size;
    }
}

TEST_F(Form4Test, MassesAndLoadsShowOrHideTheirFrames) {
    Form4& page = show();
    // Enter moves on like Tab and does not press "Next".
    page.Text15->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), page.Command1);
    EXPECT_EQ(form5IfCreated(), nullptr);
    const struct {
        NumberField* field;
        const char *typed, *after;
        QGroupBox* frame;
        bool shown;
        QWidget* focus;
    } cases[] = {
        {page.Text7, "12", "12", page.Frame6, true, page.Text8},
        {page.Text11, "0", "0.0", page.Frame7, false, page.Text15},
        {page.Text11, "-20", "-20", page.Frame7, true, page.Text12},
        {page.Text19, "", "0", page.Frame9, false, page.Text1},
        {page.Text23, "5", "5", page.Frame10, true, page.Text24},
        {page.Text27, "0.0", "0", page.Frame11, false, page.Text26},
        {page.Text27, "3", "3", page.Frame11, true, page.Text28},
        {page.Text7, "-", "50.0", page.Frame6, false, page.Text7},  // with the m1 message
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        leave(c.field, c.typed);
        EXPECT_EQ(c.field->text(), c.after);
        EXPECT_EQ(!c.frame->isHidden(), c.shown);
        EXPECT_EQ(QApplication::focusWidget(), c.focus);
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "質量m1 必須輸入一個 0 以外的數值");
}

// With the load block running backwards, X6 is followed by fz: once fz's
// frame is open, Tab must carry on to fy and fx instead of back into X6.
TEST_F(Form4Test, LoadBlockIsNoKeyboardTrap) {
    Form4& page = show();
    leave(page.Text27, "5");
    ASSERT_EQ(QApplication::focusWidget(), page.Text28);
    for (NumberField* next : {page.Text27, page.Text23, page.Text19, page.Text1}) {
        key(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    // Leaving m1 with its frame already open does not pull the focus back.
    leave(page.Text7, "10");
    ASSERT_EQ(QApplication::focusWidget(), page.Text8);
    key(Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), page.Text7);
    key(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), page.Text3);  // θ, L2 and L1' are hidden
    EXPECT_TRUE(messages.empty());
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

TEST_F(Form4Test, ActivationFollowsInstallationAndCombination) {
    Form4& page = show();
    std::vector<QImage> images;
    for (int installation = 0; installation < 5; ++installation) {
        for (int combination = 0; combination < 8; ++combination) {
            SCOPED_TRACE(std::to_string(installation) + "/" + std::to_string(combination));
            select("QEH", "25", installation, combination);
            show();
            const int perRail = combination % 4 + 1;
            EXPECT_EQ(!page.Frame2->isHidden(), perRail > 1);
            for (QWidget* w : std::initializer_list<QWidget*>{page.Label13, page.Text4, page.Label14})
                EXPECT_EQ(!w->isHidden(), perRail == 4);
            EXPECT_EQ(!page.Frame3->isHidden(), combination >= 4);
            EXPECT_EQ(!page.Frame4->isHidden(), installation >= 3);
            EXPECT_EQ(page.Label7->text(), installation == 1 ? "X0 =" : "Y0 =");
            EXPECT_EQ(page.Diagram->shownImage(), 3 + 8 * installation + combination);

            // The area shows the whole drawing of the case, and a good part of it is ink.
            QImage drawn(page.Diagram->size(), QImage::Format_RGB32);
            drawn.fill(Qt::black);
            QPainter painter(&drawn);
            MountingDiagram::paintDiagram(painter, QRectF(drawn.rect()), installation, combination);
            EXPECT_TRUE(page.Diagram->grab().toImage().convertToFormat(QImage::Format_RGB32) == drawn);
            int ink = 0;
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x) ink += (drawn.pixel(x, y) & 0xffffff) % 0xffffff != 0;
            EXPECT_GT(ink, drawn.width() * drawn.height() / 12);
            images.push_back(drawn);
        }
    }
    for (std::size_t i = 0; i < images.size(); ++i)
        for (std::size_t j = i + 1; j < images.size(); ++j)
            EXPECT_GT(differingPixels(images[i], images[j]), 200) << "diagrams " << i + 3 << " and " << j + 3;
}

TEST_F(Form4Test, ActivationWritesCaptionsAndKeepsHiddenTexts) {
    select("QEJ", "15T", 1, 5);
    state().PreloadText = "Light preload ( FC )";
    Form4& page = show();
    EXPECT_EQ(page.Label6->text(), "QEJ15T");
    EXPECT_EQ(page.Label2->text(), "Vertical application");
    EXPECT_EQ(page.Label4->text(), "combination 5");
    EXPECT_EQ(page.Label33->text(), "Light preload ( FC )");
    EXPECT_TRUE(page.Text4->isHidden());
    EXPECT_EQ(page.Text4->text(), "131");  // raised although hidden
    EXPECT_EQ(std::tuple(state().MinCarriageSpanL1, state().MinCarriageSpanL1b, state().MinRailSpanL2),
              std::tuple(40.0, 131.0, 34.0f));

    // An unknown installation keeps the caption and shows no diagram.
    state().InstallationIndex = 7;
    show();
    EXPECT_EQ(page.Label7->text(), "X0 =");
    EXPECT_EQ(page.Diagram->shownImage(), 0);
    EXPECT_FALSE(page.Frame2->isHidden() || page.Text4->isHidden());
}

TEST_F(Form4Test, NextChecksTheFieldItLeavesThenShowsTheResultPage) {
    Form4& page = show();
    page.Text3->setFocus(Qt::TabFocusReason);
    page.Text3->setText("10");
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
