#pragma once

#include <QString>
#include <array>

#include "forms/ui/Page.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class SelectionBackground;

// Selection page: series, size, installation, combination and preload grade.
// Picking a series refills the sizes; picking a size refills the preload
// grades. "Next" stores the picks with the guideway's ratings.
class Form2 : public Page {
    Q_OBJECT
public:
    Form2();

    std::array<QLabel*, 5> Label1{};  // "Series :" ... "Preload grade :"
    QComboBox* Combo1 = nullptr;      // series
    QComboBox* Combo2 = nullptr;      // size
    QComboBox* Combo3 = nullptr;      // installation
    QComboBox* Combo4 = nullptr;      // combination
    QComboBox* Combo5 = nullptr;      // preload grade
    QPushButton* Command1 = nullptr;  // "Next"
    QPushButton* Command2 = nullptr;  // "Back"
    QGroupBox* Frame1 = nullptr;      // "Note"
    QPlainTextEdit* Text1 = nullptr;  // series description
    SelectionBackground* Image1 = nullptr;

    // Click behaviour of the series and size lists; a pick by the user and a
    // selection made by the page both run it once.
    void Combo1_Click();
    void Combo2_Click();
    void Command1_Click();
    void Command2_Click();

protected:
    void onLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Selects an item as the user would, then runs that list's click
    // behaviour once. The list's own signals stay quiet meanwhile.
    void selectByProgram(QComboBox* list, int index, void (Form2::*click)());
    void focusNextAfter(QComboBox* list);

    QString note_;  // the series description, as the page wrote it
};
