#pragma once

#include "forms/ui/Page.h"

class QPushButton;

class Form5 : public Page {
    Q_OBJECT
public:
    Form5();

    QPushButton* Command1 = nullptr;  // Back
    QPushButton* Command2 = nullptr;  // Exit
};
