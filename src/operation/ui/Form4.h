#pragma once

#include <array>

#include "forms/ui/Page.h"

class QGroupBox;
class QLabel;
class QPushButton;
class NumberField;
class MountingDiagram;
class BannerPicture;

// The operation condition page: thrust point, spans, inclination, masses and
// external loads, with the diagram of the chosen installation and layout.
class Form4 : public Page {
    Q_OBJECT
public:
    Form4();

    QPushButton* Command1 = nullptr;  // "Next"
    QPushButton* Command2 = nullptr;  // "Back"

    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr, *Frame5 = nullptr,
              *Frame6 = nullptr, *Frame7 = nullptr, *Frame8 = nullptr, *Frame9 = nullptr, *Frame10 = nullptr,
              *Frame11 = nullptr;

    NumberField *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr, *Text5 = nullptr,
                *Text6 = nullptr, *Text7 = nullptr, *Text8 = nullptr, *Text9 = nullptr, *Text10 = nullptr,
                *Text11 = nullptr, *Text12 = nullptr, *Text13 = nullptr, *Text14 = nullptr, *Text15 = nullptr,
                *Text16 = nullptr, *Text17 = nullptr, *Text18 = nullptr, *Text19 = nullptr, *Text20 = nullptr,
                *Text21 = nullptr, *Text22 = nullptr, *Text23 = nullptr, *Text24 = nullptr, *Text25 = nullptr,
                *Text26 = nullptr, *Text27 = nullptr, *Text28 = nullptr, *Text29 = nullptr, *Text30 = nullptr;

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
           *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr,
           *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr,
           *Label16 = nullptr, *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr, *Label20 = nullptr,
           *Label21 = nullptr, *Label22 = nullptr, *Label23 = nullptr, *Label24 = nullptr, *Label25 = nullptr,
           *Label26 = nullptr, *Label27 = nullptr, *Label28 = nullptr, *Label29 = nullptr, *Label30 = nullptr,
           *Label31 = nullptr, *Label32 = nullptr, *Label33 = nullptr, *Label34 = nullptr, *Label35 = nullptr,
           *Label36 = nullptr, *Label37 = nullptr, *Label38 = nullptr, *Label39 = nullptr, *Label40 = nullptr,
           *Label41 = nullptr, *Label42 = nullptr, *Label43 = nullptr, *Label44 = nullptr, *Label45 = nullptr,
           *Label46 = nullptr, *Label47 = nullptr, *Label48 = nullptr;

    BannerPicture* Image2 = nullptr;
    // The one picture area in which the diagram Image3 to Image42 of the
    // current case is drawn.
    MountingDiagram* Diagram = nullptr;

    // Text1 to Text30 by number (1-based).
    NumberField* field(int number) const { return fields_[static_cast<std::size_t>(number - 1)]; }

protected:
    void onActivate() override;

private:
    void buildHeader();
    void buildLeftColumn();
    void buildEntryBlock();
    void arrangeTabOrder();
    void installChecks();
    void next();

    std::array<NumberField*, 30> fields_{};
};
