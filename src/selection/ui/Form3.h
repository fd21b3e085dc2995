#pragma once

#include "forms/ui/Page.h"

class QPushButton;

class Form3 : public Page {
    Q_OBJECT
public:
    Form3();

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};
