#include <QApplication>

#include "app/ui/Pages.h"
#include "selection/ui/Form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    form1().showPage();
    return app.exec();
}
