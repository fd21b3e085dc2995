#include "operation/ui/Form4.h"

#include <QPushButton>

#include "app/ui/Pages.h"
#include "forms/ui/Fonts.h"
#include "results/ui/Form5.h"
#include "selection/ui/Form3.h"

Form4::Form4() : Page(QStringLiteral("Operation Condition"), 10185, 10335) {
    Command1 = new QPushButton(QStringLiteral("Next"), this);
    Command1->setGeometry(twips(7000, 5400, 1095, 375));
    Command1->setFont(pageFont(9.75, true));
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (!checksPassed()) return;
        navigate(*this, form5());
    });
    Command2 = new QPushButton(QStringLiteral("Back"), this);
    Command2->setGeometry(twips(8400, 5400, 1095, 375));
    Command2->setFont(pageFont(9.75, true));
    connect(Command2, &QPushButton::clicked, this, [this] {
        if (!checksPassed()) return;
        navigate(*this, form3());
    });
}
