#pragma once

#include "forms/ui/Page.h"

class QPushButton;

// Title page.
class Form1 : public Page {
    Q_OBJECT
public:
    Form1();

    QPushButton* Command1 = nullptr;  // "Calculation"
};
