#include "results/ui/Form5.h"

#include <QPushButton>

#include "app/ui/Pages.h"
#include "forms/ui/Fonts.h"
#include "operation/ui/Form4.h"

Form5::Form5() : Page(QStringLiteral("Result"), 12075, 10065) {
    Command1 = new QPushButton(QStringLiteral("Back"), this);
    Command1->setGeometry(twips(8000, 9400, 1095, 375));
    Command1->setFont(pageFont(9.75, true));
    connect(Command1, &QPushButton::clicked, this, [this] { navigate(*this, form4()); });
    Command2 = new QPushButton(QStringLiteral("Exit"), this);
    Command2->setGeometry(twips(9400, 9400, 1095, 375));
    Command2->setFont(pageFont(9.75, true));
    connect(Command2, &QPushButton::clicked, this, [] { endProgram(); });
}
