#include "forms/ui/FieldChecks.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "forms/ui/ApplicationFilter.h"

namespace {

bool rejected = false;

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
        // Presses reach the window object first and the widget afterwards; only
        // the widget's delivery follows the focus change.
        if (!watched->isWidgetType()) return false;
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                if (armed_) {
                    armed_ = false;
                    swallowRelease_ = true;
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
                // Sent between the press and its release, on the press's behalf.
                if (swallowRelease_) {
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
    bool armed_ = false;
    bool swallowRelease_ = false;
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

}  // namespace FieldChecks
