#include "forms/ui/Page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

#include "app/ui/Pages.h"
#include "forms/ui/ActiveWindow.h"
#include "forms/ui/MessageService.h"

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
        // Active at once, before the window system's report, so that focus
        // moves in the shown page run their checks.
        navigate(first, second);
        EXPECT_EQ(QApplication::activeWindow(), &second);
        navigate(second, first);
        EXPECT_EQ(QApplication::activeWindow(), &first);
        EXPECT_EQ(second.activations, round);
        EXPECT_EQ(first.activations, round + 1);
    }
    EXPECT_EQ(first.loads + second.loads, 2);
    EXPECT_FALSE(first.visibleAtLoad || first.otherVisibleAtActivation || second.otherVisibleAtActivation);
    setActiveWindowNow(nullptr);  // active again after a message box: no showing
    setActiveWindowNow(&first);
    QCoreApplication::processEvents();
    EXPECT_EQ(first.activations, 4);

    button->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) QTest::keyClick(button, key);
    EXPECT_EQ(clicks, 3);
}

using Ranges = std::vector<std::pair<std::uintptr_t, std::uintptr_t>>;

Ranges mappedRanges() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    Ranges ranges;
    if (!maps.open(QIODevice::ReadOnly)) return ranges;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QList<QByteArray> bounds = line.left(line.indexOf(' ')).split('-');
        if (bounds.size() == 2)
            ranges.emplace_back(bounds[0].toULongLong(nullptr, 16), bounds[1].toULongLong(nullptr, 16));
    }
    return ranges;
}

// The longest stretch that was mapped in `before` and is free in `now`.
std::pair<std::uintptr_t, std::uintptr_t> longestFreed(const Ranges& before, const Ranges& now) {
    std::pair<std::uintptr_t, std::uintptr_t> best{0, 0};
    for (auto [begin, end] : before) {
        for (auto [b, e] : now) {
            if (e <= begin || b >= end) continue;
            if (b > begin && b - begin > best.second - best.first) best = {begin, b};
            begin = std::max(begin, e);
        }
        if (end > begin && end - begin > best.second - best.first) best = {begin, end};
    }
    return best;
}

// Reads a byte through the kernel, so that memory no longer mapped or
// readable gives -1 instead of ending the test.
int readableByte(const void* at) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return -1;
    unsigned char byte = 0;
    const bool read = write(pipeEnds[1], at, 1) == 1 && ::read(pipeEnds[0], &byte, 1) == 1;
    close(pipeEnds[0]), close(pipeEnds[1]);
    return read ? byte : -1;
}

// The address space a box gives up while it shows may be taken by anything
// else meanwhile; a second box opened from inside the first must leave that
// alone, and both must show and close.
TEST(MessageService, NestedBoxesLeaveAloneWhatWasMappedWhereTheReserveWas) {
    const MessageSink recording = setMessageSink({});
    const unsigned long before = shownMessageCount();
    const Ranges mappedBefore = mappedRanges();
    const std::uintptr_t page = sysconf(_SC_PAGESIZE);
    void* taken = MAP_FAILED;
    bool stillMapped = false;  // and still holding what was written there
    QStringList closed;
    auto closeBox = [&closed] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        closed.append(box->text());
        box->close();
    };
    std::uintptr_t freed = 0;
    QTimer::singleShot(0, [&] {
        const auto [begin, end] = longestFreed(mappedBefore, mappedRanges());
        freed = end - begin;
        if (freed >= 4u << 20)
            taken = mmap(reinterpret_cast<void*>(begin), page, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
        if (taken != MAP_FAILED) {
            QTimer::singleShot(0, closeBox);
            static_cast<char*>(taken)[0] = 42;
            inform(nullptr, QStringLiteral("inner"), QStringLiteral("inner"));
            stillMapped = readableByte(taken) == 42;
        }
        closeBox();
    });
    inform(nullptr, QStringLiteral("outer"), QStringLiteral("outer"));
    setMessageSink(recording);
    EXPECT_GE(freed, 4u << 20) << "no reserve was given up while the box shows";
    ASSERT_NE(taken, MAP_FAILED);
    EXPECT_TRUE(stillMapped);
    EXPECT_EQ(closed, QStringList({"inner", "outer"}));
    EXPECT_EQ(shownMessageCount() - before, 2u);
    munmap(taken, page);
}

}  // namespace
