#include <QApplication>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/ui/Pages.h"
#include "selection/ui/Form1.h"

namespace {

// Names the display DISPLAY asks for, when it names one: a desktop whose X
// server is busy or gone shows the user what to look at.
std::string noDesktopLine() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        return "The calculator needs a desktop session: start it from one, or under xvfb-run.\n";
    std::string name(display, std::min<std::size_t>(std::strlen(display), 80));
    for (char& c : name)
        if (c < ' ' || c > '~') c = '?';  // nothing from the environment reaches the terminal as a control code
    return "The calculator cannot open the display \"" + name +
           "\": start it from a desktop session, or under xvfb-run.\n";
}

// What Qt says while it opens the display is held back: when no display can
// be opened it ends with a page of plugin diagnostics, of which the user
// needs one line. Otherwise it is passed on once the display is open.
struct StartupMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};
std::vector<StartupMessage>& heldBack() {
    static std::vector<StartupMessage> messages;
    return messages;
}

void holdBackStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(noDesktopLine().c_str(), stderr);
        std::_Exit(1);
    }
    heldBack().push_back({type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

int main(int argc, char** argv) {
    const QtMessageHandler standard = qInstallMessageHandler(holdBackStartupMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(standard);
    for (const StartupMessage& m : heldBack())
        standard(m.type, QMessageLogContext(m.file, m.line, m.function, m.category), m.text);
    heldBack().clear();

    // Hiding a page to show the next must never end the program; only
    // closing a page's window or "Exit" does.
    QApplication::setQuitOnLastWindowClosed(false);
    form1().showPage();
    return app.exec();
}
