#pragma once

#include "forms/ui/Page.h"

class QPushButton;

class Form2 : public Page {
    Q_OBJECT
public:
    Form2();

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};
