#pragma once

#include "forms/ui/Page.h"

class QLabel;
class QPushButton;

// Title page: the title over our own picture, and "Calculation" leading to
// the selection page.
class Form1 : public Page {
    Q_OBJECT
public:
    Form1();

    // Front to back.
    QPushButton* Command1 = nullptr;  // "Calculation"
    QLabel* Label8 = nullptr;         // version, blue
    QLabel* Label7 = nullptr;         // title, blue
    QLabel* Label5 = nullptr;         // version, white copy behind Label8
    QLabel* Label6 = nullptr;         // title, white copy behind Label7
    QLabel* Image1 = nullptr;         // title picture
    QLabel* Label4 = nullptr;         // version, hidden behind the picture
    QLabel* Label3 = nullptr;         // title, hidden behind the picture
};

// The title picture, 700 x 440 pixels.
QPixmap titlePicture();
