#pragma once

#include <array>

#include "forms/ui/Page.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// The result page: loads per carriage and phase, the guideway picked and
// its ratings, the static safety factor and the service life. Every
// showing recomputes and rewrites everything from the calculation state.
class Form5 : public Page {
    Q_OBJECT
public:
    Form5();

    // The cell of carriage k (1..8) and row n (0..9) is Label(14 + 10(k-1) + n);
    // cellLabel(57) is Label57, the uniform radial load of carriage 5.
    QLabel* cell(int carriage, int row) const { return cellLabel(14 + 10 * (carriage - 1) + row); }
    QLabel* cellLabel(int number) const { return cells_[static_cast<std::size_t>(number - 14)]; }

    QGroupBox* Frame1 = nullptr;  // result table
    QGroupBox* Frame2 = nullptr;  // guideway and ratings
    QGroupBox* Frame3 = nullptr;  // notes
    QGroupBox* Frame4 = nullptr;  // service life

    // Result table captions; the arrays hold one label per phase.
    QLabel* Label122 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;  // "No.1".."No.4"
    QLabel *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr;  // "No.5".."No.8"
    std::array<QLabel*, 3> Label9{};
    std::array<QLabel*, 3> Label10{};
    std::array<QLabel*, 3> Label11{};
    std::array<QLabel*, 3> Label12{};
    QLabel* Label13 = nullptr;

    // Guideway and ratings.
    QLabel *Label94 = nullptr, *Label95 = nullptr, *Label96 = nullptr, *Label97 = nullptr;
    QLabel *Label123 = nullptr, *Label124 = nullptr, *Label118 = nullptr;
    QLabel *Label98 = nullptr, *Label99 = nullptr;
    QLabel *Label100 = nullptr, *Label101 = nullptr, *Label102 = nullptr, *Label103 = nullptr;
    QLabel *Label104 = nullptr, *Label105 = nullptr, *Label106 = nullptr, *Label107 = nullptr;
    QLabel *Label111 = nullptr, *Label112 = nullptr, *Label113 = nullptr;

    // Service life.
    QLabel *Label135 = nullptr, *Label134 = nullptr, *Label133 = nullptr;
    QLabel *Label132 = nullptr, *Label131 = nullptr, *Label130 = nullptr, *Label129 = nullptr;
    QLabel *Label128 = nullptr, *Label127 = nullptr, *Label126 = nullptr, *Label125 = nullptr;

    // Notes and the contact line.
    QLabel *Label109 = nullptr, *Label114 = nullptr, *Label115 = nullptr, *Label116 = nullptr, *Label117 = nullptr;
    QWidget* Image2 = nullptr;
    QLabel *Label108 = nullptr, *Label110 = nullptr;

    QPushButton* Command1 = nullptr;  // Back
    QPushButton* Command2 = nullptr;  // Exit
    QPushButton* Command3 = nullptr;  // Print

protected:
    void onActivate() override;

private:
    void printPage();

    std::array<QLabel*, 80> cells_{};  // Label14..Label93
};
