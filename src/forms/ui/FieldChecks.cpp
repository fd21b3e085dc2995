#include "forms/ui/FieldChecks.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "forms/ui/ActiveWindow.h"
#include "forms/ui/ApplicationFilter.h"

namespace {

bool rejected = false;

// The window system reports the activation of a window that was clicked only
// after the press has arrived. Qt would then move the focus for the press
// inside an inactive window, where no field notices it, and hand out the
// focus again when the activation comes, in the middle of the click: the
// check of a field left pending would run after the press, a menu or a
// middle click would find its field without the focus, and a box would come
// up without a page behind it. The window is made active before Qt moves the
// focus for the press, as a click on the active window finds it.
void activateBeforePress(QObject* target) {
    auto* window = qobject_cast<QWindow*>(target);
    if (window == nullptr || QApplication::activePopupWidget() != nullptr ||
        QApplication::activeModalWidget() != nullptr)
        return;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() != window) continue;
        if (widget->isVisible() && widget != QApplication::activeWindow()) {
            widget->activateWindow();
            setActiveWindowNow(widget);
        }
        return;
    }
}

// Sees every event of the application, after Qt has moved the focus for a
// press but before the pressed widget gets it.
class PressGuard : public QObject {
public:
    void arm() {
        armed_ = true;
        QTimer::singleShot(0, this, [this] { armed_ = false; });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        // Presses reach the window object first and the widget afterwards; only
        // the widget's delivery follows the focus change.
        if (!watched->isWidgetType()) {
            if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) activateBeforePress(watched);
            return false;
        }
        switch (type) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                if (armed_) {
                    armed_ = false;
                    holdRelease(static_cast<QMouseEvent*>(event)->button());
                    event->accept();  // and no parent gets it either
                    return true;
                }
                swallowRelease_ = false;
                return false;
            case QEvent::Wheel:
                if (armed_) {
                    armed_ = false;
                    event->accept();
                    return true;
                }
                return false;
            case QEvent::ContextMenu:
                // Sent on the press's behalf, between it and its release; the
                // menu key asks for a menu of its own.
                if (swallowRelease_ && static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Mouse) {
                    event->accept();
                    return true;
                }
                return false;
            case QEvent::MouseButtonRelease:
                if (swallowRelease_) {
                    swallowRelease_ = false;
                    event->accept();
                    return true;
                }
                return false;
            default:
                return false;
        }
    }

private:
    // A message box that a press raised takes the release while it is up,
    // and the button is already up when the press arrives: the request for a
    // menu that comes with the press is swallowed, then the mark goes.
    void holdRelease(Qt::MouseButton button) {
        swallowRelease_ = true;
        const unsigned press = ++presses_;
        if (!(QGuiApplication::mouseButtons() & button))
            QTimer::singleShot(0, this, [this, press] {
                if (press == presses_) swallowRelease_ = false;
            });
    }

    bool armed_ = false;
    bool swallowRelease_ = false;
    unsigned presses_ = 0;
};

}  // namespace

namespace FieldChecks {

void noteRejection() { rejected = true; }

bool takeRejection() {
    const bool was = rejected;
    rejected = false;
    return was;
}

void forgetRejection() { rejected = false; }

void swallowCurrentPress() {
    if (auto* guard = applicationFilter<PressGuard>()) guard->arm();
}

void watchPresses() { applicationFilter<PressGuard>(); }

}  // namespace FieldChecks
