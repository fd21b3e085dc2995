#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QString>
#include <functional>

// What a field's check decides about a text. A check must be free of side
// effects: the field may ask it about a replacement text before returning the
// focus, so that no field can hold the focus with a text it rejects itself.
struct Verdict {
    bool accepted = true;
    QString title;        // message box title
    QString message;      // message box text; empty = reject silently
    QString replacement;  // text written into the field when rejected
    bool returnFocus = false;

    static Verdict accept() { return {}; }
    static Verdict reject(QString replacement, bool returnFocus, QString title = {}, QString message = {}) {
        return Verdict{false, std::move(title), std::move(message), std::move(replacement), returnFocus};
    }
};

// A number text box: key filter, Enter acting as Tab, and the check that runs
// when the user moves the focus away.
//
// The field edits only while it holds the focus: a context menu or a middle
// click on a field that the press did not leave focused does nothing. Text
// that reaches it any other way (an accessibility tool, say) passes the key
// filter like a paste and counts as unchecked until the check has run; a
// field out of sight takes no such text at all.
class NumberField : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberField(QWidget* parent = nullptr, bool allowMinus = false);
    ~NumberField() override;

    // The program's own writes (defaults, replacements, raised minimums). A
    // text the program wrote needs no check; every other change of the text
    // does. Hides QLineEdit::setText on purpose: a write through a QLineEdit
    // pointer is taken for one from outside and is filtered and checked.
    void setText(const QString& text);

    void setAllowMinus(bool allow);
    bool allowsMinus() const { return allowMinus_; }

    using Check = std::function<Verdict(const QString& text)>;
    // Runs after every check, accepted or not, for effects beyond the field
    // (frames shown or hidden, focus moved elsewhere).
    using AfterCheck = std::function<void(NumberField& field, const Verdict& verdict)>;
    void setCheck(Check check, AfterCheck after = {});

    // True while the field has the focus and its check has not run since the
    // focus came in: leaving it, or a handler's checksPassed(), runs it. An
    // edit is still pending after another window took the focus; the check
    // then runs as soon as the focus comes back to another control of the page.
    bool checkPending() const { return pending_; }

    // True when the text has changed, other than by the program, since the
    // check last ran.
    bool textUnchecked() const { return unchecked_; }

    // Runs the check now: message, replacement text, focus return and the
    // after-check hook. Returns whether the original text was accepted.
    bool runCheck();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QString filtered(const QString& text) const;
    void pasteFiltered(QClipboard::Mode mode);
    void startUndoStep();
    void closeEmptyingStep();
    void textChangedBy(const QString& text);
    void leave(Qt::FocusReason reason);
    bool acceptsChar(QChar c) const;

    QMetaObject::Connection focusReturn_;
    bool allowMinus_ = false;
    bool pending_ = false;
    bool unchecked_ = false;
    bool writing_ = false;
    QString known_;  // the text after the last change seen, to tell what a change replaced
    bool inCheck_ = false;
    bool lastCheckHeld_ = false;
    Check check_;
    AfterCheck after_;
};
