#pragma once

#include <QString>
#include <functional>

// Every modal message of the program goes through here, so that tests can
// record messages instead of blocking on a modal box.
enum class MessageIcon { Warning, Information };

struct Message {
    MessageIcon icon;
    QString title;
    QString text;
};

using MessageSink = std::function<void(const Message&)>;

// Shows a modal box with the icon and a single OK button; returns after OK.
void showMessage(MessageIcon icon, const QString& title, const QString& text);
inline void warn(const QString& title, const QString& text) { showMessage(MessageIcon::Warning, title, text); }
inline void inform(const QString& title, const QString& text) { showMessage(MessageIcon::Information, title, text); }

// How many messages have been shown (or recorded) so far: a handler can tell
// whether a check it ran put a message in front of the user.
unsigned long shownMessageCount();

// Replaces the modal box; an empty sink restores it. Returns the previous sink.
MessageSink setMessageSink(MessageSink sink);
