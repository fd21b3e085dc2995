#pragma once

class QWidget;

// Makes `window` the application's active window at once (null: none), as
// the window system's report of it would, so that focus moves inside it run
// the field checks from this moment. Asking the window system
// (QWidget::activateWindow) takes effect only when its report arrives,
// after the events already queued.
void setActiveWindowNow(QWidget* window);
