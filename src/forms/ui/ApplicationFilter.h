#pragma once

#include <QCoreApplication>
#include <QPointer>

// The one instance of an event filter that sees every event of the
// application, made on first use and owned by the application, so that it
// goes with it. Null while there is no application.
template <class Filter>
Filter* applicationFilter() {
    static QPointer<Filter> instance;
    if (!instance && QCoreApplication::instance() != nullptr) {
        instance = new Filter;
        instance->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(instance);
    }
    return instance;
}
