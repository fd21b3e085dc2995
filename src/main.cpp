#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/ui/Pages.h"
#include "selection/ui/Form1.h"

int main(int argc, char** argv) {
    // Without a desktop Qt would abort with a page of diagnostics; say it in
    // one line instead.
    const bool platformChosen = std::getenv("QT_QPA_PLATFORM") != nullptr;
    const bool display = std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
    if (!platformChosen && !display) {
        std::fputs("The calculator needs a desktop session: start it from one, or under xvfb-run.\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    // Hiding a page to show the next must never end the program; only
    // closing a page's window or "Exit" does.
    QApplication::setQuitOnLastWindowClosed(false);
    form1().showPage();
    return app.exec();
}
