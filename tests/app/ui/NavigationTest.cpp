#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "app/ui/Pages.h"
#include "forms/ui/MessageService.h"
#include "operation/ui/Form4.h"
#include "results/ui/Form5.h"
#include "selection/ui/Form1.h"
#include "selection/ui/Form2.h"
#include "selection/ui/Form3.h"

namespace {

// Pages that exist right now, in release order.
std::vector<Page*> createdPages() {
    std::vector<Page*> pages;
    for (Page* p : std::initializer_list<Page*>{form1IfCreated(), form2IfCreated(), form3IfCreated(), form4IfCreated(),
                                                form5IfCreated()})
        if (p) pages.push_back(p);
    return pages;
}

int visiblePages() {
    int n = 0;
    for (Page* p : createdPages()) n += p->isVisible() ? 1 : 0;
    return n;
}

class Navigation : public ::testing::Test {
protected:
    void SetUp() override {
        previousSink_ = setMessageSink([this](const Message& m) { messages.push_back(m); });
        previousHook_ = setProgramEndHook([this] { ++ends; });
    }
    void TearDown() override {
        endProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setProgramEndHook(previousHook_);
        setMessageSink(previousSink_);
    }

    std::vector<Message> messages;
    int ends = 0;

private:
    MessageSink previousSink_;
    std::function<void()> previousHook_;
};

TEST_F(Navigation, CalculationCreatesTheSelectionPageOnceAndBackKeepsItsEntries) {
    Form1& title = form1();
    title.showPage();
    QTest::mouseClick(title.Command1, Qt::LeftButton);
    Form2* selection = form2IfCreated();
    ASSERT_NE(selection, nullptr);
    EXPECT_TRUE(selection->isVisible());
    EXPECT_FALSE(title.isVisible());
    EXPECT_EQ(visiblePages(), 1);

    auto* entry = new QLineEdit(selection);
    entry->setText(QStringLiteral("25L"));
    for (int round = 0; round < 3; ++round) {
        QTest::mouseClick(selection->Command2, Qt::LeftButton);
        EXPECT_TRUE(title.isVisible());
        EXPECT_EQ(visiblePages(), 1);
        QTest::mouseClick(title.Command1, Qt::LeftButton);
        EXPECT_EQ(form2IfCreated(), selection);
        EXPECT_EQ(visiblePages(), 1);
    }
    EXPECT_EQ(entry->text(), "25L");
    EXPECT_EQ(form1IfCreated(), &title);
}

TEST_F(Navigation, ClosingAnyPageOrExitReleasesEveryPageInOrderAndEndsTheProgram) {
    struct Case {
        const char* how;
        std::function<void()> end;
    };
    const Case cases[] = {
        {"close title page", [] { form1().close(); }},
        {"close selection page", [] { form2().close(); }},
        {"close velocity page", [] { form3().close(); }},
        {"close operation page", [] { form4().close(); }},
        {"close result page", [] { form5().close(); }},
        {"Exit", [] { QTest::mouseClick(form5().Command2, Qt::LeftButton); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        ends = 0;
        form1().showPage();
        navigate(form1(), form2());
        // Every page exists, the others hidden.
        form3();
        form4();
        form5();
        std::vector<std::string> released;
        for (Page* p : createdPages()) {
            const std::string name = p->metaObject()->className();
            QObject::connect(p, &QObject::destroyed, [&released, name] { released.push_back(name); });
        }
        ASSERT_EQ(released.size(), 0u);

        c.end();
        EXPECT_EQ(ends, 1);
        EXPECT_TRUE(createdPages().empty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(released, (std::vector<std::string>{"Form1", "Form2", "Form3", "Form4", "Form5"}));
    }
    EXPECT_TRUE(messages.empty());
}

}  // namespace
