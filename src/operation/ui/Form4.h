#pragma once

#include "forms/ui/Page.h"

class QPushButton;

class Form4 : public Page {
    Q_OBJECT
public:
    Form4();

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};
