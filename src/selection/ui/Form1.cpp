#include "selection/ui/Form1.h"

#include <QPushButton>

#include "app/ui/Pages.h"
#include "forms/ui/Fonts.h"
#include "selection/ui/Form2.h"

Form1::Form1() : Page(QStringLiteral("Service life"), 10380, 6315) {
    Command1 = new QPushButton(QStringLiteral("Calculation"), this);
    Command1->setGeometry(twips(1800, 2160, 1095, 375));
    Command1->setFont(pageFont(9.75));
    connect(Command1, &QPushButton::clicked, this, [this] { navigate(*this, form2()); });
}
