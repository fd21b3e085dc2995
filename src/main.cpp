#include <fcntl.h>
#include <unistd.h>
#include <QApplication>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "app/ui/Pages.h"
#include "selection/ui/Form1.h"

namespace {

// Sanitised for the terminal: nothing from the environment reaches it as a
// control code, nor at any length.
std::string shown(const char* value) {
    std::string name(value, std::min<std::size_t>(std::strlen(value), 80));
    for (char& c : name)
        if (c < ' ' || c > '~') c = '?';
    return name;
}

// Names what could not be started: the platform QT_QPA_PLATFORM asks for,
// when it asks for one other than the X display's; otherwise the display
// DISPLAY asks for, when it names one, so that a desktop whose X server is
// busy or gone shows the user what to look at.
std::string noDesktopLine() {
    const char* advice = ": start it from a desktop session, or under xvfb-run.\n";
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const std::string_view name = platform != nullptr ? std::string_view(platform) : std::string_view();
    if (const std::string_view plugin = name.substr(0, name.find(':')); !plugin.empty() && plugin != "xcb") {
        const std::string platformName = shown(platform);
        return "The calculator cannot start the \"" + platformName + "\" platform" + advice;
    }
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        return "The calculator needs a desktop session: start it from one, or under xvfb-run.\n";
    const std::string displayName = shown(display);
    return "The calculator cannot open the display \"" + displayName + "\"" + advice;
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

// The libraries under Qt write to the error stream themselves while the
// display opens (the X library's notice of a display refusing the user):
// held back in a scratch file standing in for the stream, and passed on
// once the display is open.
class HeldErrorStream {
public:
    HeldErrorStream() {
        std::fflush(stderr);
        // Started without an error stream, messages go nowhere; and no file
        // opened later (the scratch file below, a printed PDF) may take the
        // stream's place and fill with them.
        if (fcntl(STDERR_FILENO, F_GETFD) < 0) {
            const int nowhere = open("/dev/null", O_WRONLY);
            if (nowhere >= 0 && nowhere != STDERR_FILENO) {
                dup2(nowhere, STDERR_FILENO);
                close(nowhere);
            }
        }
        scratch_ = std::tmpfile();
        if (scratch_ != nullptr) original_ = dup(STDERR_FILENO);
        if (original_ >= 0 && dup2(fileno(scratch_), STDERR_FILENO) < 0) original_ = (close(original_), -1);
    }
    HeldErrorStream(const HeldErrorStream&) = delete;
    HeldErrorStream& operator=(const HeldErrorStream&) = delete;
    ~HeldErrorStream() {
        if (scratch_ != nullptr) std::fclose(scratch_);
    }

    [[noreturn]] void giveUp(const std::string& line) const {
        const int stream = original_ >= 0 ? original_ : STDERR_FILENO;
        [[maybe_unused]] const auto written = write(stream, line.data(), line.size());
        std::_Exit(1);
    }
    void passOn() {
        if (original_ >= 0) {
            std::fflush(stderr);
            dup2(original_, STDERR_FILENO);
            close(original_);
            original_ = -1;
            std::rewind(scratch_);
            char buffer[4096];
            for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, scratch_)) > 0;)
                std::fwrite(buffer, 1, n, stderr);
        }
        if (scratch_ != nullptr) std::fclose(scratch_);
        scratch_ = nullptr;
    }

private:
    std::FILE* scratch_ = nullptr;
    int original_ = -1;
};
HeldErrorStream* heldStream = nullptr;

void holdBackStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) heldStream->giveUp(noDesktopLine());
    heldBack().push_back({type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

int main(int argc, char** argv) {
    HeldErrorStream stream;
    heldStream = &stream;
    const QtMessageHandler standard = qInstallMessageHandler(holdBackStartupMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(standard);
    stream.passOn();
    for (const StartupMessage& m : heldBack())
        standard(m.type, QMessageLogContext(m.file, m.line, m.function, m.category), m.text);
    heldBack().clear();

    // Hiding a page to show the next must never end the program; only
    // closing a page's window or "Exit" does.
    QApplication::setQuitOnLastWindowClosed(false);
    form1().showPage();
    return app.exec();
}
