#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <unistd.h>

// Without a display that answers, the program says so in one line and ends with 1, instead of Qt's page of plugin
// diagnostics and an abort.
namespace {

TEST(Startup, WithoutAReachableDisplayOneLineAndExitCodeOne) {
    const char* noSession = "The calculator needs a desktop session: start it from one, or under xvfb-run.\n";
    const char* noDisplay =
        "The calculator cannot open the display \":987\": start it from a desktop session, or under xvfb-run.\n";
    const struct {
        const char* name;
        const char* value;
        const char* says;
    } cases[] = {
        {"DISPLAY", nullptr, noSession},
        {"DISPLAY", "", noSession},
        {"DISPLAY", ":987", noDisplay},
        {"QT_QPA_PLATFORM", "xcb", noDisplay},
        {"QT_QPA_PLATFORM", "bogus",
         "The calculator cannot start the \"bogus\" platform: start it from a desktop session, or under xvfb-run.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + "=" + (c.value ? c.value : "(unset)"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* unset : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(unset);
        if (c.value != nullptr) env.insert(c.name, c.value);
        if (QString(c.name) == "QT_QPA_PLATFORM") env.insert("DISPLAY", ":987");
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(SERVICELIFE_PROGRAM), {});
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 1);
        EXPECT_EQ(program.readAllStandardError().toStdString(), c.says);
    }
}

// Started with its error stream closed, the program sends messages nowhere once it is up: no scratch file stays
// open in its place, growing for the life of the program.
TEST(Startup, WithTheErrorStreamClosedNoFileStandsInForIt) {
    QProcess shell;
    shell.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    shell.start(QStringLiteral("sh"), {"-c", "exec \"$0\" 2>&-", QStringLiteral(SERVICELIFE_PROGRAM)});
    ASSERT_TRUE(shell.waitForStarted());
    const QString fds = QStringLiteral("/proc/%1/fd").arg(shell.processId());
    QStringList open;
    QElapsedTimer waited;
    waited.start();
    int settled = 0;  // polls in a row that found it so: start-up passes through it for a moment
    do {
        QThread::msleep(50);
        open.clear();
        for (const QString& fd : QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            char target[4096];
            const ssize_t length = readlink(QFile::encodeName(fds + '/' + fd).constData(), target, sizeof target);
            const QString to = QString::fromLocal8Bit(target, length > 0 ? length : 0);
            if (to.endsWith(" (deleted)") || fd == "2") open.append(fd + " -> " + to);
        }
        settled = open.join("; ") == "2 -> /dev/null" ? settled + 1 : 0;
    } while (settled < 3 && waited.elapsed() < 20000 && shell.state() == QProcess::Running);
    EXPECT_EQ(open.join("; ").toStdString(), "2 -> /dev/null");
    shell.kill();
    shell.waitForFinished();
}

}  // namespace
