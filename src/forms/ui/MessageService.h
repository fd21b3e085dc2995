#pragma once

#include <QString>
#include <functional>

class QWidget;

// Every modal message of the program goes through here, so that tests can
// record messages instead of blocking on a modal box.
enum class MessageIcon { Warning, Information };

struct Message {
    MessageIcon icon;
    QString title;
    QString text;
    const QWidget* owner;  // the window the box stands in front of
};

using MessageSink = std::function<void(const Message&)>;

// Shows a modal box with the icon and a single OK button in front of the page
// that raised it; returns after OK, with that page active again.
void showMessage(QWidget* owner, MessageIcon icon, const QString& title, const QString& text);
inline void warn(QWidget* owner, const QString& title, const QString& text) {
    showMessage(owner, MessageIcon::Warning, title, text);
}
inline void inform(QWidget* owner, const QString& title, const QString& text) {
    showMessage(owner, MessageIcon::Information, title, text);
}

// True while a box is up (or a replacement sink runs): no command acts then,
// however it is pressed.
bool messageShowing();

// How many messages have been shown (or recorded) so far: a handler can tell
// whether a check it ran put a message in front of the user.
unsigned long shownMessageCount();

// Replaces the modal box; an empty sink restores it. Returns the previous sink.
MessageSink setMessageSink(MessageSink sink);
