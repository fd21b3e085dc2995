#include "selection/ui/Form2.h"

#include <QPushButton>

#include "app/ui/Pages.h"
#include "forms/ui/Fonts.h"
#include "selection/ui/Form1.h"
#include "selection/ui/Form3.h"

Form2::Form2() : Page(QStringLiteral("Selection Condition"), 10380, 6315) {
    Command1 = new QPushButton(QStringLiteral("Next"), this);
    Command1->setGeometry(twips(7000, 5400, 1095, 375));
    Command1->setFont(pageFont(9.75, true));
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (!checksPassed()) return;
        navigate(*this, form3());
    });
    Command2 = new QPushButton(QStringLiteral("Back"), this);
    Command2->setGeometry(twips(8400, 5400, 1095, 375));
    Command2->setFont(pageFont(9.75, true));
    connect(Command2, &QPushButton::clicked, this, [this] {
        if (!checksPassed()) return;
        navigate(*this, form1());
    });
}
