#include "forms/ui/PagePrinter.h"

#include <QWidget>

namespace {
PrintBackend& currentBackend() {
    static PrintBackend backend;
    return backend;
}
}  // namespace

PrintOutcome printPageImage(QWidget& page) {
    if (currentBackend()) return currentBackend()(page);
    return PrintOutcome{PrintOutcome::Kind::Failed, QStringLiteral("printing is not available")};
}

PrintBackend setPrintBackend(PrintBackend backend) {
    PrintBackend previous = std::move(currentBackend());
    currentBackend() = std::move(backend);
    return previous;
}
