#include "forms/ui/ActiveWindow.h"

#include <QtGlobal>

// Qt 6.5 deprecated QApplication::setActiveWindow in favour of
// QWidget::activateWindow, which only asks the window system; the
// deprecated function forwards to the application's private one, which is
// called here directly.
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
#include <private/qapplication_p.h>

void setActiveWindowNow(QWidget* window) { QApplicationPrivate::setActiveWindow(window); }
#else
#include <QApplication>

void setActiveWindowNow(QWidget* window) { QApplication::setActiveWindow(window); }
#endif
