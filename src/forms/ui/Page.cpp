#include "forms/ui/Page.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <vector>

#include "app/ui/Pages.h"
#include "forms/ui/ActiveWindow.h"
#include "forms/ui/ApplicationFilter.h"
#include "forms/ui/FieldChecks.h"
#include "forms/ui/Fonts.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/NumberField.h"
#include "forms/ui/PageIcon.h"

namespace {

// The window that should be active instead of a hidden page: a message box in
// front of the pages, else the page that is shown (there is at most one).
QWidget* windowInFront() {
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal->isVisible()) return modal;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<Page*>(window) != nullptr && window->isVisible()) return window;
    return nullptr;
}

bool isKeyboardInput(QEvent::Type type) {
    return type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride ||
           type == QEvent::InputMethod;
}

bool isClickOrShortcut(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::Wheel || type == QEvent::ContextMenu ||
           type == QEvent::Shortcut;
}

// Under load the window system delivers queued keys to the window it last
// held active, which may be a page that has been hidden since. A hidden page
// acts on nothing: its keys belong to the window in front, where the user
// typed them, and a click on it cannot have been meant.
class HiddenPageGuard : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (!watched->isWidgetType() || !(isKeyboardInput(type) || isClickOrShortcut(type))) return false;
        auto* page = qobject_cast<Page*>(static_cast<QWidget*>(watched)->window());
        if (page == nullptr || page->isVisible()) return false;
        QWidget* front = isKeyboardInput(type) ? windowInFront() : nullptr;
        if (front != nullptr)
            QCoreApplication::sendEvent(front->focusWidget() != nullptr ? front->focusWidget() : front, event);
        else
            event->accept();
        return true;
    }
};

}  // namespace

Page::Page(const QString& caption, int clientWidthTwips, int clientHeightTwips) : QWidget(nullptr) {
    setWindowTitle(caption);
    // No maximise button and a fixed size: the pages are laid out for their
    // client size and offer no way to change it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(clientWidthTwips / 15, clientHeightTwips / 15);
    setFont(pageFont(9));
    setWindowIcon(pageIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);
    applicationFilter<HiddenPageGuard>();
    FieldChecks::watchPresses();
}

void Page::showPage() {
    const bool first = !loaded_;
    if (first) {
        loaded_ = true;
        const QScopedValueRollback<bool> loading(loading_, true);
        onLoad();
        // As on the desktop the pages were made for, Enter presses the
        // button that has the focus, as Space does.
        for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(true);
    }
    // The focus comes back where the user left it, whatever asked for the
    // focus of the hidden page meanwhile (an accessibility tool can).
    if (focusWhenHidden_ != nullptr) focusWhenHidden_->setFocus(Qt::OtherFocusReason);
    show();
    if (first) centreOnScreen();
    raise();
    activateWindow();
    // At once, not when the window system gets round to it: until then Qt
    // would count the page just hidden as the active one, and focus moves in
    // the shown page would run no field check.
    setActiveWindowNow(this);
    // Explicitly, on every showing: window activation also follows every
    // message box, and must not repeat a page's activation behaviour.
    onActivate();
}

void Page::hidePage() {
    focusWhenHidden_ = focusWidget();
    hide();
}

void setShown(QWidget* control, bool shown) {
    // Hidden first, so that the focus leaves the control as the hiding moves
    // it; enabled first, so that the control can take the focus once shown.
    if (shown) control->setEnabled(true);
    control->setVisible(shown);
    if (!shown) control->setEnabled(false);
}

QPushButton* pageButton(QWidget* parent, const QString& caption, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    button->setFont(pageFont(9.75, true));
    return button;
}

void Page::centreOnScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    // The whole window, frame included, once the frame is known.
    const QRect area = screen->availableGeometry();
    const QSize frame = frameGeometry().size();
    move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

namespace {

std::vector<NumberField*> fieldsInTabOrder(QWidget* page) {
    std::vector<NumberField*> fields;
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain())
        if (auto* field = qobject_cast<NumberField*>(w)) fields.push_back(field);
    return fields;
}

// Runs the field's check as leaving it would; false when the check holds the
// user (a rejection that reports itself or takes the focus back).
bool passes(NumberField& field) {
    FieldChecks::forgetRejection();
    const unsigned long messagesBefore = shownMessageCount();
    field.runCheck();
    const bool rejected = FieldChecks::takeRejection();
    return !rejected && shownMessageCount() == messagesBefore;
}

}  // namespace

bool Page::takesCommands() const {
    // No command acts behind a message box: an accessibility tool presses a
    // button by calling it, past the box's modality, and the check whose box
    // it is has not decided yet. Nor does a page out of sight take any: the
    // accessibility interface presses its buttons too, and with no field of
    // it shown no check would run. Its own calls while it loads are its own.
    return !messageShowing() && (isVisible() || loading_);
}

bool Page::checksPassed() {
    if (!takesCommands()) return false;
    // A click that moved the focus out of a field has already run its check,
    // and a rejection has kept the click from reaching its handler. What is
    // left is a click that did not take the focus (a control that takes none,
    // or one made by code), or one that reached the page before the window
    // system handed it the focus back: the field still holding the focus, or
    // left with an edit when another window took it, is checked now.
    for (NumberField* field : fieldsInTabOrder(this))
        if (field->checkPending() && field->isVisible() && !passes(*field)) return false;
    return true;
}

bool Page::allChecksPassed() {
    if (!checksPassed()) return false;
    // Checks show and hide frames as they go, and a frame may come before
    // the field whose check shows it (the position of a load precedes the
    // load), so the first shown field left unchecked is looked for afresh
    // after every check. Each check marks its field checked, so this ends.
    const auto firstUnchecked = [this]() -> NumberField* {
        for (NumberField* field : fieldsInTabOrder(this))
            if (field->textUnchecked() && field->isVisible()) return field;
        return nullptr;
    };
    while (NumberField* field = firstUnchecked())
        if (!passes(*field)) return false;
    return true;
}

bool Page::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !isVisible()) {
        // An activation that the window system reports after the page was
        // hidden again. Left alone, Qt would move this page's focus to the next
        // button in its tab order ("Exit" after "Back" on the result page),
        // where the next showing would find it, and send the keys that follow
        // here. The page in front takes the activation back before Qt moves any
        // focus, so nothing changes: neither the page in front loses its focus
        // (no field check runs) nor does this page's remembered focus move.
        QWidget* front = windowInFront();
        setActiveWindowNow(front);
        if (front != nullptr) front->activateWindow();
        return true;
    }
    return QWidget::event(event);
}

void Page::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgram();
}
