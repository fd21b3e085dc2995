#include "forms/ui/MessageService.h"

#include <QApplication>
#include <QMessageBox>

namespace {
unsigned long shown = 0;

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
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information, title, text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

unsigned long shownMessageCount() { return shown; }

MessageSink setMessageSink(MessageSink sink) {
    MessageSink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}
