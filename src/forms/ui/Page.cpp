#include "forms/ui/Page.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "app/ui/Pages.h"
#include "forms/ui/FieldChecks.h"
#include "forms/ui/Fonts.h"
#include "forms/ui/NumberField.h"
#include "forms/ui/PageIcon.h"

Page::Page(const QString& caption, int clientWidthTwips, int clientHeightTwips) : QWidget(nullptr) {
    setWindowTitle(caption);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(clientWidthTwips / 15, clientHeightTwips / 15);
    setFont(pageFont(9));
    setWindowIcon(pageIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);
    installEventFilter(this);
}

void Page::showPage() {
    const bool first = !loaded_;
    if (first) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - rect().center());
        }
    }
    show();
    raise();
    activateWindow();
    if (first) {
        loaded_ = true;
        onLoad();
    }
    onActivate();
}

void Page::hidePage() { hide(); }

bool Page::checksPassed() {
    if (auto* field = qobject_cast<NumberField*>(QApplication::focusWidget())) {
        if (field->window() == this && field->checkPending()) field->runCheck();
    }
    return !FieldChecks::takeRejection();
}

void Page::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgram();
}

bool Page::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) FieldChecks::forgetRejection();
    return QWidget::eventFilter(watched, event);
}
