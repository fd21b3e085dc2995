#include "forms/ui/MessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <cstddef>

#include <sys/mman.h>

namespace {
unsigned long shown = 0;

// A message may be the news that memory has run out, and a box takes memory
// of its own to show (the first one loads the icon theme). Address space is
// kept back for it from the start and given up while a box shows; the
// reservation is never touched and costs no memory.
const std::size_t kReserve = std::size_t{8} << 20;

void* reserveForMessages() {
    return mmap(nullptr, kReserve, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
}

void* reserve = reserveForMessages();

MessageSink& currentSink() {
    static MessageSink sink;
    return sink;
}
}  // namespace

void showMessage(MessageIcon icon, const QString& title, const QString& text) {
    ++shown;
    if (currentSink()) {
        currentSink()(Message{icon, title, text});
        return;
    }
    if (reserve != MAP_FAILED) munmap(reserve, kReserve);
    QPointer<QWidget> owner = QApplication::activeWindow();
    {
        QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information, title, text,
                        QMessageBox::Ok, owner);
        box.exec();
    }
    reserve = reserveForMessages();
    // Without a window manager nothing hands the activation back to the page,
    // and focus moves inside an inactive window run no field check.
    if (owner && owner->isVisible()) owner->activateWindow();
}

unsigned long shownMessageCount() { return shown; }

MessageSink setMessageSink(MessageSink sink) {
    MessageSink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}
