#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

// Without a display that answers, the program says so in one line and ends with 1, instead of Qt's page of plugin
// diagnostics and an abort.
namespace {

TEST(Startup, WithoutAReachableDisplayOneLineAndExitCodeOne) {
    const std::pair<const char*, const char*> displays[] = {
        {"DISPLAY", nullptr}, {"DISPLAY", ""}, {"DISPLAY", ":987"}, {"QT_QPA_PLATFORM", "xcb"}};
    for (const auto& [name, value] : displays) {
        SCOPED_TRACE(std::string(name) + "=" + (value ? value : "(unset)"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* unset : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(unset);
        if (value != nullptr) env.insert(name, value);
        if (QString(name) == "QT_QPA_PLATFORM") env.insert("DISPLAY", ":987");
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(SERVICELIFE_PROGRAM), {});
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 1);
        EXPECT_EQ(program.readAllStandardError().toStdString(),
                  value == nullptr || *value == '\0'
                      ? "The calculator needs a desktop session: start it from one, or under xvfb-run.\n"
                      : "The calculator cannot open the display \":987\": start it from a desktop session, or under "
                        "xvfb-run.\n");
    }
}

}  // namespace
