#pragma once

#include "forms/ui/Page.h"

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class NumberField;
class VelocityBanner;
class VelocityDiagram;
class LoadFactorTable;

// Velocity condition page: the velocity, and with inertia force also the
// acceleration time, stroke length and reciprocation rate.
class Form3 : public Page {
    Q_OBJECT
public:
    Form3();

    VelocityBanner* Image1 = nullptr;
    QRadioButton* Option1 = nullptr;  // without inertia force
    QRadioButton* Option2 = nullptr;  // with inertia force
    QFrame* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    NumberField* Text1 = nullptr;  // V
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    NumberField* Text2 = nullptr;  // T1
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    NumberField* Text3 = nullptr;  // Ls
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    NumberField* Text4 = nullptr;  // N
    QLabel* Label12 = nullptr;
    VelocityDiagram* Image2 = nullptr;
    LoadFactorTable* Image3 = nullptr;
    QPushButton* Command1 = nullptr;  // Next
    QPushButton* Command2 = nullptr;  // Back

protected:
    void onLoad() override;
    void onActivate() override;

private:
    void optionChosen(bool withInertia);
    void command1Click();
    void command2Click();
    void showInertiaLayout(bool withInertia);
    void nextWithInertia();

    bool withInertia_ = false;
};
