#include "forms/ui/MessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScopedValueRollback>
#include <cstddef>

#include <sys/mman.h>

namespace {
unsigned long shown = 0;
int showing = 0;

// A message may be the news that memory has run out, and a box takes memory
// of its own to show (the first one loads the icon theme). Address space is
// kept back for it from the start and given up while a box shows; the
// reservation is never touched and costs no memory.
const std::size_t kReserve = std::size_t{8} << 20;

void* reserveForMessages() {
    return mmap(nullptr, kReserve, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
}

void* reserve = reserveForMessages();

// Given up while the first box shows and taken again when the last one
// closes: a box opened from inside another's event loop finds the range
// already gone, and must not unmap what may have been mapped there since.
class ReserveGivenUp {
public:
    ReserveGivenUp() {
        if (open_++ == 0 && reserve != MAP_FAILED) {
            munmap(reserve, kReserve);
            reserve = MAP_FAILED;
        }
    }
    ReserveGivenUp(const ReserveGivenUp&) = delete;
    ReserveGivenUp& operator=(const ReserveGivenUp&) = delete;
    ~ReserveGivenUp() {
        if (--open_ == 0 && reserve == MAP_FAILED) reserve = reserveForMessages();
    }

private:
    static inline int open_ = 0;
};

MessageSink& currentSink() {
    static MessageSink sink;
    return sink;
}
}  // namespace

void showMessage(QWidget* page, MessageIcon icon, const QString& title, const QString& text) {
    ++shown;
    const QScopedValueRollback<int> up(showing, showing + 1);
    // The page may not be the active window yet: the window system can
    // report its activation after the click that raised the message.
    QPointer<QWidget> owner = page != nullptr ? page->window() : QApplication::activeWindow();
    if (currentSink()) {
        currentSink()(Message{icon, title, text, owner});
        return;
    }
    {
        const ReserveGivenUp givenUp;
        QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information, title, text,
                        QMessageBox::Ok, owner);
        box.exec();
    }
    // Without a window manager nothing hands the activation back to the page,
    // and focus moves inside an inactive window run no field check.
    if (owner && owner->isVisible()) owner->activateWindow();
}

bool messageShowing() { return showing > 0; }

unsigned long shownMessageCount() { return shown; }

MessageSink setMessageSink(MessageSink sink) {
    MessageSink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}
