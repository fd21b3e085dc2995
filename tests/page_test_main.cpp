#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <cstdlib>

#include "forms/ui/MessageService.h"

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    // The result page writes its figures with the locale's decimal separator:
    // tests read them under a locale they choose, never the machine's.
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    // A modal box would wait forever: a message no test records fails its test.
    setMessageSink([](const Message& m) {
        ADD_FAILURE() << "unexpected message box \"" << m.title.toStdString() << "\": " << m.text.toStdString();
    });
    return RUN_ALL_TESTS();
}
