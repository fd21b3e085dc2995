#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>
#include <vector>

#include "app/CalculationState.h"
#include "app/ui/Pages.h"
#include "forms/NumberText.h"
#include "forms/ui/ActiveWindow.h"
#include "forms/ui/FieldChecks.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/NumberField.h"
#include "operation/ui/Form4.h"
#include "operation/ui/MountingDiagram.h"
#include "results/ui/Form5.h"
#include "selection/ui/Form3.h"

namespace {

class Form4Test : public ::testing::Test {
protected:
    void SetUp() override {
        state() = CalculationState{};
        FieldChecks::forgetRejection();
        select("QEH", "25", 0, 1);
        setMessageSink([this](const Message& m) { messages.push_back(m); });
        setProgramEndHook([] {});
    }
    void TearDown() override {
        setMessageSink({});
        endProgram();
        setProgramEndHook({});
        QApplication::processEvents();
    }

    static void select(const char* series, const char* size, int installation, int combination) {
        state().SeriesCode = series;
        state().SizeCode = size;
        state().InstallationIndex = static_cast<std::int16_t>(installation);
        state().CombinationIndex = static_cast<std::int16_t>(combination);
    }

    // Shows the page (again) as the velocity page's "Next" would, with the window active.
    Form4& show() {
        Form4& page = form4();
        page.hidePage();
        page.showPage();
        setActiveWindowNow(&page);
        page.activateWindow();
        return page;
    }

    static void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
    static void leave(NumberField* field, const QString& text, Qt::Key away = Qt::Key_Tab) {
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        key(Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        key(away);
    }

    std::vector<Message> messages;
};

TEST_F(Form4Test, SpanChecksUseTheThresholdsOfTheLatestActivationAndGateNext) {
    Form4& page = show();
    // The minus is kept in the drive centre, dropped in the spans: "-90" is L1 = 90. Shift+Tab leaves the focus
    // where no check of its own runs next.
    for (const auto& [field, text, kept] :
         {std::tuple(page.Text1, "-90", "-90"), std::tuple(page.Text3, "-90", "90")}) {
        leave(field, text, Qt::Key_Backtab);
        EXPECT_EQ(field->text(), kept);
    }
    ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();
    leave(page.Text3, "-81.5");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "滑塊跨距L1 必須輸入一個大於或等於 81.6 的數值");
    EXPECT_EQ(page.Text3->text(), "81.6");
    EXPECT_EQ(QApplication::focusWidget(), page.Text3);
    page.Text3->setText("10");  // "Next" checks the field it leaves first
    QTest::mouseClick(page.Command1, Qt::LeftButton);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(page.Text3->text(), "81.6");
    EXPECT_EQ(form5IfCreated(), nullptr);

    // Leaving L1' at the text the activation wrote is accepted, although 72.9 + 169.8 is not 242.7 in binary.
    page.Text3->setText("0.0");
    page.Text4->setText("0.0");
    select("QEH", "20", 0, 7);
    show();
    page.Text4->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Tab);
    EXPECT_EQ(messages.size(), 2u) << page.Text4->text().toStdString();
    EXPECT_NE(QApplication::focusWidget(), page.Text4);
    QTest::mouseClick(page.Command1, Qt::LeftButton);
    ASSERT_NE(form5IfCreated(), nullptr);
    EXPECT_TRUE(form5().isVisible() && !page.isVisible());
}

TEST_F(Form4Test, MassesAndLoadsShowOrHideTheirFramesWithoutTrappingTheKeyboard) {
    Form4& page = show();
    // In the backward load block X6 is followed by fz: Tab runs on to fy and fx, not back into X6.
    leave(page.Text27, "5");
    ASSERT_EQ(QApplication::focusWidget(), page.Text28);
    for (NumberField* next : {page.Text27, page.Text23, page.Text19, page.Text1}) {
        key(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    // Focus goes into X1 only when leaving m1 has just opened its frame.
    leave(page.Text7, "10");
    ASSERT_EQ(QApplication::focusWidget(), page.Text8);
    key(Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), page.Text7);
    key(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), page.Text3);  // θ, L2 and L1' are hidden
    EXPECT_TRUE(messages.empty());

    const struct {
        NumberField* field;
        const char *typed, *after;
        QGroupBox* frame;
        bool shown;
        QWidget* focus;
    } cases[] = {
        {page.Text7, "12", "12", page.Frame6, true, page.Text8},
        {page.Text11, "0", "0.0", page.Frame7, false, page.Text15},
        {page.Text19, "", "0", page.Frame9, false, page.Text1},
        {page.Text30, "-", "0.0", page.Frame11, true, page.Text30},  // the last field is checked too
        {page.Text7, "-", "50.0", page.Frame6, false, page.Text7},   // with the m1 message
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

// The accessibility interface asks for the focus of fields out of sight too: such a field takes none, and a page out
// of sight comes back with the focus where the user left it.
TEST_F(Form4Test, AFieldOutOfSightTakesNoFocus) {
    Form4& page = show();
    const auto focus = [](QWidget* field) {
        QAccessible::queryAccessibleInterface(field)->actionInterface()->doAction(
            QAccessibleActionInterface::setFocusAction());
    };
    leave(page.Text11, "0");  // m2 = 0 keeps X2 to Z2 out of sight
    ASSERT_EQ(QApplication::focusWidget(), page.Text15);
    for (NumberField* hidden : {page.Text12, page.Text6, page.Text5, page.Text4}) {  // X2, θ, L2, L1'
        focus(hidden);
        EXPECT_EQ(QApplication::focusWidget(), page.Text15);
    }
    focus(page.Text1);
    navigate(page, form3());
    for (NumberField* other : {page.Text12, page.Text3}) focus(other);
    navigate(form3(), page);
    setActiveWindowNow(&page);
    EXPECT_EQ(QApplication::focusWidget(), page.Text1);
    QTest::keyClicks(page.Text1, "7");
    EXPECT_EQ(page.Text1->text(), "0.07");
}

// However a text got into its field, "Next" calculates only with what has
// passed its check, and refuses as typing it would: a menu of a field that a
// refused check left unfocused does nothing, an edit left pending while
// another window had the focus is checked, and so is what an accessibility
// tool writes, also into a frame that a check of "Next" opens again. Nothing
// pressed behind a box acts. The second "Next" goes on, as after a typed
// refusal.
TEST_F(Form4Test, NextCalculatesOnlyWithCheckedTexts) {
    CalculationState& s = state();
    std::tie(s.DynamicLoadRating, s.StaticLoadRating, s.PitchingMomentRating, s.YawingMomentRating) =
        std::tuple(35.1, 47.5, 0.4, 0.4);
    s.RollingMomentRating = 0.6f;
    s.Velocity = 0.25;
    Form4& page = show();
    QWidget other;
    const auto fromOutside = [](NumberField* field, const QString& text) {
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(field);
        box->editableTextInterface()->replaceText(0, static_cast<int>(field->text().size()), text);
    };
    const auto menuPaste = [&page] {
        page.Text1->setFocus(Qt::MouseFocusReason);
        page.Text1->selectAll();
        QTest::keyClicks(page.Text1, "-");
        QApplication::clipboard()->setText("0.");
        const QPoint at = page.Text3->mapTo(&page, page.Text3->rect().center());
        QTest::mousePress(page.windowHandle(), Qt::RightButton, {}, at);
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions())
                if (action->text().startsWith("&Paste")) action->trigger();
            menu->close();
        }
        QTest::mouseRelease(page.windowHandle(), Qt::RightButton, {}, at);
        EXPECT_EQ(page.Text1->text(), "0.0");
    };
    const auto pendingElsewhere = [&] {
        page.Text7->setFocus(Qt::MouseFocusReason);
        page.Text7->selectAll();
        QTest::keyClicks(page.Text7, "0");
        other.show();
        setActiveWindowNow(&other);
    };
    const auto accessibility = [&] {
        page.Text1->setFocus(Qt::MouseFocusReason);
        fromOutside(page.Text3, "1abc");
    };
    // fx's check opens the frame of its position, which comes before it in the tab order.
    const auto loadFrameOpenedByNext = [&] {
        leave(page.Text19, "5");
        page.Text11->setFocus(Qt::MouseFocusReason);
        fromOutside(page.Text22, "100.5.5");
        leave(page.Text19, "0");
        page.Text11->setFocus(Qt::MouseFocusReason);
        fromOutside(page.Text19, "5");
        EXPECT_TRUE(page.Frame9->isHidden());
    };
    // m1's refusal hides the frame of its gravity point, and its default opens it again.
    const auto gravityFrameHidden = [&] {
        leave(page.Text7, "12");
        page.Text11->setFocus(Qt::MouseFocusReason);
        fromOutside(page.Text8, "1.2.3");
        leave(page.Text7, "0");
        EXPECT_TRUE(page.Frame6->isHidden());
    };
    const auto nextBehindTheBox = [&] {
        setMessageSink([&](const Message& m) {
            messages.push_back(m);
            page.Command1->click();  // as an accessibility tool presses it
            page.Command2->click();
        });
        leave(page.Text3, "1");
        setMessageSink([this](const Message& m) { messages.push_back(m); });
        EXPECT_TRUE(page.isVisible() && !(form5IfCreated() != nullptr && form5().isVisible()));
    };
    using Stored = double CalculationState::*;
    const struct {
        const char* how;
        const std::function<void()>& enter;
        NumberField* field;
        const char *entered, *after;
        const char* refusal;  // Next's message; "" when it refuses silently
        Stored stored;
    } cases[] = {
        {"next behind a box", nextBehindTheBox, page.Text3, "81.6", "81.6", nullptr, &CalculationState::CarriageSpanL1},
        {"menu paste", menuPaste, page.Text3, "81.6", "81.6", nullptr, &CalculationState::CarriageSpanL1},
        {"pending elsewhere", pendingElsewhere, page.Text7, "0", "50.0", "質量m1 必須輸入一個 0 以外的數值",
         &CalculationState::Mass1},
        {"accessibility", accessibility, page.Text3, "1", "81.6", "滑塊跨距L1 必須輸入一個大於或等於 81.6 的數值",
         &CalculationState::CarriageSpanL1},
        {"frame opened by Next", loadFrameOpenedByNext, page.Text22, "100.5.5", "0.0", "",
         &CalculationState::LoadPointZ4},
        {"frame hidden by a refusal", gravityFrameHidden, page.Text8, "1.2.3", "0.0", "", &CalculationState::GravityX1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        if (Form5* result = form5IfCreated()) result->hidePage();
        show();
        QCoreApplication::processEvents();
        c.enter();
        messages.clear();
        EXPECT_EQ(c.field->text(), c.entered);
        QTest::mouseClick(page.Command1, Qt::LeftButton);
        setActiveWindowNow(&page);
        EXPECT_EQ(c.field->text(), c.after);
        if (c.refusal != nullptr) {
            ASSERT_EQ(messages.size(), *c.refusal != 0 ? 1u : 0u);
            if (!messages.empty()) {
                EXPECT_EQ(messages[0].text, c.refusal);
            }
            EXPECT_TRUE(page.isVisible() && c.field->hasFocus());
            QTest::mouseClick(page.Command1, Qt::LeftButton);
        }
        EXPECT_EQ(messages.size(), c.refusal != nullptr && *c.refusal != 0 ? 1u : 0u);
        EXPECT_TRUE(form5IfCreated() != nullptr && form5().isVisible() && !page.isVisible());
        EXPECT_EQ(state().*c.stored, LeadingNumber(c.after));
    }
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

TEST_F(Form4Test, ActivationFollowsSizeInstallationAndCombination) {
    Form4& page = show();
    std::vector<QImage> images;
    for (int installation = 0; installation < 5; ++installation) {
        for (int combination = 0; combination < 8; ++combination) {
            SCOPED_TRACE(std::to_string(installation) + "/" + std::to_string(combination));
            select("QEH", "25", installation, combination);
            show();
            const int perRail = combination % 4 + 1;
            EXPECT_EQ(!page.Frame2->isHidden(), perRail > 1);
            EXPECT_EQ(!page.Text4->isHidden() && !page.Label13->isHidden(), perRail == 4);
            EXPECT_EQ(!page.Frame3->isHidden(), combination >= 4);
            EXPECT_EQ(!page.Frame4->isHidden(), installation >= 3);
            EXPECT_EQ(page.Label7->text(), installation == 1 ? "X0 =" : "Y0 =");
            EXPECT_EQ(page.Diagram->shownImage(), 3 + 8 * installation + combination);

            images.push_back(page.Diagram->grab().toImage().convertToFormat(QImage::Format_RGB32));
            QImage blank(images.back().size(), QImage::Format_RGB32);
            blank.fill(Qt::white);
            EXPECT_GT(differingPixels(images.back(), blank), blank.width() * blank.height() / 12);
        }
    }
    for (std::size_t i = 0; i < images.size(); ++i)
        for (std::size_t j = i + 1; j < images.size(); ++j)
            EXPECT_GT(differingPixels(images[i], images[j]), 200) << "diagrams " << i + 3 << " and " << j + 3;

    page.Text3->setText("0.0");
    page.Text4->setText("0.0");
    select("QEJ", "15T", 1, 5);
    show();
    EXPECT_EQ(page.Label6->text(), "QEJ15T");
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

// Texts that meet each other or the drive-centre circle cannot be read, and
// the names of L1 and L1' side by side would read as one.
TEST(MountingDiagramTest, TextsKeepClearOfEachOtherAndOfTheDriveCentre) {
    const auto gap = [](const QRectF& a, const QRectF& b) {
        return std::hypot(std::max({0.0, a.left() - b.right(), b.left() - a.right()}),
                          std::max({0.0, a.top() - b.bottom(), b.top() - a.bottom()}));
    };
    for (int installation = 0; installation < 5; ++installation) {
        for (int combination = 0; combination < 8; ++combination) {
            SCOPED_TRACE(std::to_string(installation) + "/" + std::to_string(combination));
            QImage image(455, 201, QImage::Format_RGB32);
            QPainter painter(&image);
            const std::vector<DiagramMark> marks =
                MountingDiagram::paintDiagram(painter, image.rect(), installation, combination);
            // View A, on the left, looks across the travel but for the wall and the installation tilted across
            // it; the rail span is drawn where there are two rails.
            const bool crossSectionLeft = installation != 2 && installation != 4;
            int railSpans = 0;
            QRectF l1, l1b;
            for (std::size_t i = 0; i < marks.size(); ++i) {
                if (marks[i].text == "L_1") l1 = marks[i].box;
                if (marks[i].text == "L_1'") l1b = marks[i].box;
                railSpans += marks[i].text == "L_2";
                const bool driveCentre = marks[i].text.startsWith("Drive centre");
                if (driveCentre || marks[i].text.startsWith("NO.")) {
                    const bool left = marks[i].box.center().x() < image.width() / 2.0;
                    EXPECT_EQ(left, driveCentre == crossSectionLeft) << marks[i].text.toStdString();
                }
                for (std::size_t j = i + 1; j < marks.size(); ++j) {
                    EXPECT_GE(gap(marks[i].box, marks[j].box), 1.0)
                        << '"' << marks[i].text.toStdString() << "\" and \"" << marks[j].text.toStdString() << '"';
                }
            }
            EXPECT_EQ(railSpans, combination >= 4 ? 1 : 0);
            if (!l1b.isNull()) {
                EXPECT_TRUE(l1.bottom() <= l1b.top() || l1b.bottom() <= l1.top()) << "L1 and L1' on one line";
            }
        }
    }
}

}  // namespace
