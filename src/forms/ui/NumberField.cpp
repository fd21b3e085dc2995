#include "forms/ui/NumberField.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <algorithm>
#include <utility>

#include "forms/ui/FieldChecks.h"
#include "forms/ui/MessageService.h"

NumberField::NumberField(QWidget* parent, bool allowMinus) : QLineEdit(parent), allowMinus_(allowMinus) {
    // A drop changes the text without the focus ever entering the field, so
    // no check would follow it. Number boxes take typed and pasted text only.
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, &NumberField::textChangedBy);
    // An edit left pending when another window took the focus is checked when
    // the focus comes back to another control of this page, as if the click
    // that put it there had left the field.
    focusReturn_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!pending_ || hasFocus() || now == nullptr || now->window() != window()) return;
        pending_ = false;
        leave(Qt::MouseFocusReason);
    });
}

// The base classes still move the focus while they tear the box down, after
// this part of it is gone: no handler of it may run then.
NumberField::~NumberField() {
    disconnect(focusReturn_);
    disconnect(this, &QLineEdit::textChanged, this, &NumberField::textChangedBy);
}

void NumberField::setText(const QString& text) {
    const QScopedValueRollback<bool> writing(writing_, true);
    QLineEdit::setText(text);
    known_ = text;
    unchecked_ = false;
}

// Every change but the program's own: typed, pasted, undone, or set from
// outside. Keys and pastes are filtered before they reach the text; what
// comes from outside is treated as a paste over the range it replaced, so
// what the key filter drops is never kept, and a change of nothing else is
// no change at all.
void NumberField::textChangedBy(const QString& text) {
    if (writing_) return;
    const QString before = std::exchange(known_, text);
    const qsizetype shorter = std::min(before.size(), text.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == text[head]) ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == text[text.size() - 1 - tail]) ++tail;
    const QString inserted = text.mid(head, text.size() - head - tail);
    const QString kept = filtered(inserted);
    // A field out of sight (in a hidden frame, or on a hidden page) keeps its
    // text: nothing would show the change, and no "Next" checks it.
    if (!isVisible() || (kept.isEmpty() && !inserted.isEmpty())) {
        const bool wasUnchecked = unchecked_;
        setText(before);
        unchecked_ = wasUnchecked;
        return;
    }
    if (kept != inserted) {
        setText(text.left(head) + kept + text.right(tail));
        setCursorPosition(static_cast<int>(head + kept.size()));
    }
    unchecked_ = true;
    if (hasFocus()) pending_ = true;
}

void NumberField::setAllowMinus(bool allow) { allowMinus_ = allow; }

void NumberField::setCheck(Check check, AfterCheck after) {
    check_ = std::move(check);
    after_ = std::move(after);
}

bool NumberField::acceptsChar(QChar c) const {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') ||
           (allowMinus_ && c == QLatin1Char('-'));
}

QString NumberField::filtered(const QString& text) const {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (acceptsChar(c)) out.append(c);
    return out;
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Enter moves on like Tab, whatever the shift state.
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(this, &tab);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered(QClipboard::Clipboard);
        return;
    }
    if (key == Qt::Key_Escape || key == Qt::Key_Backspace || key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Other shortcuts (copy, select all, undo) act as in any text box; what
    // they insert is filtered like every other edit.
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QString text = event->text();
    if (!shortcut && !text.isEmpty() && text.at(0).isPrint()) {
        if (filtered(text) != text) return;  // dropped
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Navigation and editing keys (arrows, Home, Delete) behave as in any
    // text box.
    QLineEdit::keyPressEvent(event);
}

void NumberField::inputMethodEvent(QInputMethodEvent* event) {
    if (filtered(event->commitString()) != event->commitString()) {
        QInputMethodEvent clean(event->preeditString(), event->attributes());
        clean.setCommitString(filtered(event->commitString()), event->replacementStart(), event->replacementLength());
        QLineEdit::inputMethodEvent(&clean);
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

// A paste goes through the key filter as if typed: what the filter drops is
// never inserted, so a paste of nothing else changes nothing, and above all
// does not delete the selected entry.
void NumberField::pasteFiltered(QClipboard::Mode mode) {
    if (isReadOnly()) return;
    const QString clean = filtered(QGuiApplication::clipboard()->text(mode));
    if (clean.isEmpty()) return;
    if (mode == QClipboard::Selection) deselect();  // a middle click inserts at the cursor
    // A paste is an undo step of its own, as in any text box: Undo takes
    // back the paste alone, not the typing before it or after it.
    startUndoStep();
    insert(clean);
    startUndoStep();
}

// The text box closes its current undo step whenever its cursor moves; a
// step aside and back closes it without moving anything, and the selection
// is put back as it was.
void NumberField::startUndoStep() {
    if (text().isEmpty()) {
        closeEmptyingStep();
        return;
    }
    const int cursor = cursorPosition();
    const int selected = static_cast<int>(selectedText().size());
    const int anchor = !hasSelectedText() ? cursor : selectionStart() == cursor ? cursor + selected : cursor - selected;
    setCursorPosition(cursor > 0 ? cursor - 1 : cursor + 1);
    setCursorPosition(cursor);
    if (anchor != cursor) setSelection(anchor, cursor - anchor);
}

// In an empty field the cursor cannot step aside. The box counts an insertion
// straight after the removal of a selection as part of it (typing over a
// selection is one step), so after "select all, Backspace" Undo would take
// the paste and the emptying back at once. The edit that emptied the field is
// taken back and made again as single deletions, which no insertion joins:
// the empty field stays a step of its own, as with the box's own paste.
void NumberField::closeEmptyingStep() {
    if (!isUndoAvailable()) return;
    const QScopedValueRollback<bool> writing(writing_, true);  // ends as empty as it began
    undo();
    const int length = static_cast<int>(text().size());
    if (length == 0) {
        redo();
        return;
    }
    deselect();
    setCursorPosition(0);
    setCursorPosition(length);  // one of the two moves, and closes the step before
    for (int i = 0; i < length; ++i) backspace();
}

void NumberField::contextMenuEvent(QContextMenuEvent* event) {
    // The press that asked for the menu did not leave this field focused: a
    // check elsewhere kept the focus, moved it on, or hid this field.
    if (!hasFocus()) {
        event->accept();
        return;
    }
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's own Paste is known only by its caption, "&Paste" and then a
    // tab and the shortcut, in whatever language the text box speaks.
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) != QLineEdit::tr("&Paste")) continue;
        action->disconnect(this);
        connect(action, &QAction::triggered, this, [this] { pasteFiltered(QClipboard::Clipboard); });
    }
    menu->popup(event->globalPos());
}

void NumberField::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        // Only into the field that the press left focused, as with the menu.
        if (hasFocus()) pasteFiltered(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NumberField::dragEnterEvent(QDragEnterEvent* event) { event->ignore(); }
void NumberField::dragMoveEvent(QDragMoveEvent* event) { event->ignore(); }
void NumberField::dropEvent(QDropEvent* event) { event->ignore(); }

void NumberField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // The check runs whenever the user leaves the field, edited or not.
    pending_ = true;
}

void NumberField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    switch (event->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::MouseFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
            if (std::exchange(pending_, false)) leave(event->reason());
            return;
        default:
            // A message box, another window or a popup took the focus. An
            // edit stays due; a field only passed through is due again only
            // once it has the focus back.
            pending_ = pending_ && unchecked_;
            return;
    }
}

void NumberField::leave(Qt::FocusReason reason) {
    const unsigned long messagesBefore = shownMessageCount();
    runCheck();
    // The press that moved the focus is still on its way to the control that
    // was clicked; a text that the check holds the user to, or reports, must
    // not let it act.
    if (reason == Qt::MouseFocusReason && (lastCheckHeld_ || shownMessageCount() != messagesBefore))
        FieldChecks::swallowCurrentPress();
}

bool NumberField::runCheck() {
    pending_ = false;
    unchecked_ = false;
    lastCheckHeld_ = false;
    if (!check_ || inCheck_) return true;
    const QScopedValueRollback<bool> inCheck(inCheck_, true);
    const Verdict verdict = check_(text());
    // Returning the focus to a text that the same check rejects would trap
    // the user in this field (a rate whose maximum has become 0).
    const bool returnsFocus = !verdict.accepted && verdict.returnFocus && check_(verdict.replacement).accepted;
    // A rejection holds the user when it reports itself or takes the focus
    // back. One that only writes the field's canonical text and lets the
    // focus go on (an optional quantity left at zero) is no reason to refuse
    // the click that follows: the calculation reads the same value either way.
    lastCheckHeld_ = !verdict.accepted && (returnsFocus || !verdict.message.isEmpty());
    if (!verdict.accepted) {
        if (lastCheckHeld_) FieldChecks::noteRejection();
        if (!verdict.message.isEmpty()) warn(this, verdict.title, verdict.message);
        setText(verdict.replacement);
        if (returnsFocus) {
            setFocus(Qt::OtherFocusReason);
            pending_ = true;
        }
    }
    if (after_) after_(*this, verdict);
    return verdict.accepted;
}
