#include "forms/ui/Page.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "app/ui/Pages.h"
#include "forms/ui/FieldChecks.h"
#include "forms/ui/Fonts.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/NumberField.h"
#include "forms/ui/PageIcon.h"

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
}

void Page::showPage() {
    const bool first = !loaded_;
    if (first) {
        loaded_ = true;
        onLoad();
        // As on the desktop the pages were made for, Enter presses the
        // button that has the focus, as Space does.
        for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(true);
    }
    show();
    if (first) centreOnScreen();
    raise();
    activateWindow();
    // Explicitly, on every showing: window activation also follows every
    // message box, and must not repeat a page's activation behaviour.
    onActivate();
}

void Page::hidePage() { hide(); }

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

bool Page::checksPassed() {
    // A click that moved the focus out of a field has already run its check,
    // and a rejection has kept the click from reaching its handler. What is
    // left is a click that did not take the focus (a control that takes none,
    // or one made by code): the field still holding the focus is checked now.
    auto* field = qobject_cast<NumberField*>(QApplication::focusWidget());
    if (field == nullptr || field->window() != this || !field->checkPending()) return true;
    FieldChecks::forgetRejection();
    const unsigned long messagesBefore = shownMessageCount();
    field->runCheck();
    const bool rejected = FieldChecks::takeRejection();
    return !rejected && shownMessageCount() == messagesBefore;
}

void Page::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgram();
}
