#include "forms/ui/MessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

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
    QPointer<QWidget> owner = QApplication::activeWindow();
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information, title, text,
                    QMessageBox::Ok, owner);
    box.exec();
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
