#include "operation/ui/Form4.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "app/CalculationState.h"
#include "app/ui/Pages.h"
#include "forms/ui/Fonts.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/NumberField.h"
#include "operation/CalculationStep.h"
#include "operation/OperationFieldChecks.h"
#include "operation/OperationLayout.h"
#include "operation/SpanMinimumTable.h"
#include "operation/ui/BannerPicture.h"
#include "operation/ui/MountingDiagram.h"
#include "results/ui/Form5.h"
#include "selection/ui/Form3.h"

namespace {

const QColor kValueColour(255, 128, 0);
const QColor kEntryColour(255, 224, 192);

QLabel* makeLabel(QWidget* parent, const QString& text, int left, int top, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->move(twips(left, top, 0, 0).topLeft());
    label->adjustSize();
    return label;
}

QGroupBox* makeFrame(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setFont(pageFont(9, true));
    frame->setGeometry(twips(left, top, width, height));
    return frame;
}

void setCaption(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
    label->adjustSize();
}

Verdict toVerdict(const OperationVerdict& v) {
    if (v.accepted) return Verdict::accept();
    return Verdict::reject(QString::fromStdString(v.replacement), v.returnFocus, QString::fromStdString(v.title),
                           QString::fromStdString(v.message));
}

MinimumSpans currentMinimums() {
    const CalculationState& s = state();
    return MinimumSpans{s.MinCarriageSpanL1, s.MinCarriageSpanL1b, s.MinRailSpanL2};
}

}  // namespace

Form4::Form4() : Page(QStringLiteral("Operation Condition"), 10185, 10335) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::HighlightedText));
    setPalette(pal);
    setAutoFillBackground(true);

    // Furthest back: the banner, then the diagram, then everything else.
    Image2 = new BannerPicture(this);
    Image2->setGeometry(twips(960, 2520, 8775, 1980));
    Diagram = new MountingDiagram(this);
    Diagram->setGeometry(twips(3300, 375, 6825, 3015));

    buildHeader();
    buildLeftColumn();
    buildEntryBlock();

    for (int n = 1; n <= 30; ++n) field(n)->setText(QString::fromStdString(OperationFieldDefault(n)));
    for (QGroupBox* frame : {Frame6, Frame7, Frame8, Frame9, Frame10, Frame11}) setShown(frame, false);

    arrangeTabOrder();
    installChecks();

    connect(Command1, &QPushButton::clicked, this, [this] { next(); });
    connect(Command2, &QPushButton::clicked, this, [this] {
        if (!checksPassed()) return;
        navigate(*this, form3());
    });
}

void Form4::buildHeader() {
    const QFont caption = pageFont(9, true);
    Label5 = makeLabel(this, QStringLiteral("Model :"), 120, 480, caption);
    Label6 = makeLabel(this, QString(), 480, 825, pageFont(9));
    Label1 = makeLabel(this, QStringLiteral("Installation :"), 120, 1170, caption);
    Label2 = makeLabel(this, QString(), 480, 1500, serifFont(9));
    Label3 = makeLabel(this, QStringLiteral("Combination :"), 120, 1845, caption);
    Label4 = makeLabel(this, QString(), 480, 2190, serifFont(9));
    Label32 = makeLabel(this, QStringLiteral("Preload :"), 120, 2535, serifFont(9, true));
    Label33 = makeLabel(this, QString(), 480, 2880, serifFont(9));
    for (QLabel* value : {Label6, Label2, Label4, Label33}) {
        QPalette pal = value->palette();
        pal.setColor(QPalette::WindowText, kValueColour);
        value->setPalette(pal);
    }
}

void Form4::buildLeftColumn() {
    const QFont caption = pageFont(9, true);
    auto row = [&](QGroupBox* frame, int symbolLeft, int top, const QString& symbol, const QString& unit,
                   QLabel*& symbolLabel, NumberField*& box, QLabel*& unitLabel, bool minus) {
        symbolLabel = makeLabel(frame, symbol, symbolLeft, top + 45, caption);
        box = new NumberField(frame, minus);
        box->setGeometry(twips(720, top, 1215, 285));
        symbolLabel->setBuddy(box);
        unitLabel = makeLabel(frame, unit, 2040, top + 45, caption);
    };
    const QString mm = QStringLiteral("(mm)");

    Frame1 = makeFrame(this, QStringLiteral("Thrust point"), 240, 4560, 2775, 1095);
    row(Frame1, 240, 315, QStringLiteral("Y0 ="), mm, Label7, Text1, Label8, true);
    row(Frame1, 240, 675, QStringLiteral("Z0 ="), mm, Label9, Text2, Label10, true);

    Frame2 = makeFrame(this, QStringLiteral("Span of carriage"), 240, 5760, 2775, 1095);
    row(Frame2, 240, 315, QStringLiteral("L1 ="), mm, Label11, Text3, Label12, false);
    row(Frame2, 180, 675, QStringLiteral("L1' ="), mm, Label13, Text4, Label14, false);

    Frame3 = makeFrame(this, QStringLiteral("Span of rail"), 240, 6960, 2775, 735);
    row(Frame3, 240, 315, QStringLiteral("L2 ="), mm, Label15, Text5, Label16, false);

    Frame4 = makeFrame(this, QStringLiteral("Inclination"), 240, 7800, 2775, 735);
    row(Frame4, 360, 315, QStringLiteral("θ ="), QStringLiteral("( ° )"), Label17, Text6, Label18, true);

    Command2 = pageButton(this, QStringLiteral("Back"), twips(240, 9120, 1095, 375));
    Command1 = pageButton(this, QStringLiteral("Next"), twips(1920, 9120, 1095, 375));
}

void Form4::buildEntryBlock() {
    Frame5 = makeFrame(this, QStringLiteral("Mass"), 3240, 4680, 6735, 5175);
    const QFont small = pageFont(8.25, true);
    const QFont loadFont = pageFont(9, true);

    // The header sits on the frame's top line; an opaque background keeps
    // the line from running through it.
    Label34 = makeLabel(Frame5, QStringLiteral("Unit :"), 3240, 0, small);
    Label31 = makeLabel(Frame5, QStringLiteral("Mass ( kg )    Gravity point ( mm )"), 3840, 0, small);
    for (QLabel* header : {Label34, Label31}) header->setAutoFillBackground(true);
    // Only where a wider stand-in face would run the header into its
    // neighbour or out of the frame does a narrower cut keep it inside.
    const bool headerFits = Label34->geometry().right() < Label31->x() && Label31->geometry().right() < Frame5->width();
    for (QLabel* header : {Label34, Label31}) {
        if (headerFits) break;
        QFont narrow = header->font();
        narrow.setStretch(QFont::SemiCondensed);
        header->setFont(narrow);
        header->adjustSize();
    }

    // A screen reader names each box by its symbol, not by its frame's title.
    auto box = [](QWidget* parent, int left, int top, QLabel* symbol) {
        auto* field = new NumberField(parent, true);
        field->setGeometry(twips(left, top, 1215, 285));
        symbol->setBuddy(field);
        return field;
    };

    Label19 = makeLabel(Frame5, QStringLiteral("m1 ="), 120, 360, small);
    Text7 = box(Frame5, 720, 315, Label19);
    Label23 = makeLabel(Frame5, QStringLiteral("m2 ="), 2400, 360, small);
    Text11 = box(Frame5, 3000, 315, Label23);
    Label27 = makeLabel(Frame5, QStringLiteral("m3 ="), 4680, 360, small);
    Text15 = box(Frame5, 5280, 315, Label27);

    // A frame of three coordinates: labels at 120, boxes at 600.
    auto coordinates = [&](QGroupBox* frame, const std::array<int, 3>& tops, const std::array<QString, 3>& names,
                           const std::array<QLabel**, 3>& labels, const std::array<NumberField**, 3>& boxes) {
        for (std::size_t i = 0; i < 3; ++i) {
            *labels[i] = makeLabel(frame, names[i], 120, tops[i] + 45, small);
            *boxes[i] = box(frame, 600, tops[i], *labels[i]);
        }
    };
    const std::array<int, 3> gravityRows{360, 720, 1080};
    const QString gravity = QStringLiteral("Gravity point");
    Frame6 = makeFrame(Frame5, gravity, 120, 720, 1935, 1455);
    coordinates(Frame6, gravityRows, {"X1 =", "Y1 =", "Z1 ="}, {&Label20, &Label21, &Label22},
                {&Text8, &Text9, &Text10});
    Frame7 = makeFrame(Frame5, gravity, 2400, 720, 1935, 1455);
    coordinates(Frame7, gravityRows, {"X2 =", "Y2 =", "Z2 ="}, {&Label26, &Label25, &Label24},
                {&Text12, &Text13, &Text14});
    Frame8 = makeFrame(Frame5, gravity, 4680, 720, 1935, 1455);
    coordinates(Frame8, gravityRows, {"X3 =", "Y3 =", "Z3 ="}, {&Label30, &Label29, &Label28},
                {&Text16, &Text17, &Text18});

    Label44 = makeLabel(Frame5, QStringLiteral("Load"), 120, 2400, small);
    Label35 = makeLabel(Frame5, QStringLiteral("Unit :kg "), 840, 2400, small);
    {
        QPalette pal = Label35->palette();
        pal.setColor(QPalette::WindowText, QColor(255, 0, 0));
        pal.setColor(QPalette::Window, Qt::white);
        Label35->setPalette(pal);
        Label35->setAutoFillBackground(true);
    }

    Label36 = makeLabel(Frame5, QStringLiteral("fx ="), 120, 2685, loadFont);
    Text19 = box(Frame5, 720, 2640, Label36);
    Label40 = makeLabel(Frame5, QStringLiteral("fy ="), 2400, 2685, loadFont);
    Text23 = box(Frame5, 3000, 2640, Label40);
    Label45 = makeLabel(Frame5, QStringLiteral("fz ="), 4680, 2685, loadFont);
    Text27 = box(Frame5, 5280, 2640, Label45);

    const std::array<int, 3> positionRows{320, 760, 1200};
    const QString position = QStringLiteral("Position");
    Frame9 = makeFrame(Frame5, position, 120, 3120, 1935, 1620);
    coordinates(Frame9, positionRows, {"X4 =", "Y4 =", "Z4 ="}, {&Label37, &Label38, &Label39},
                {&Text20, &Text21, &Text22});
    Frame10 = makeFrame(Frame5, position, 2400, 3120, 1935, 1620);
    coordinates(Frame10, positionRows, {"X5 =", "Y5 =", "Z5 ="}, {&Label41, &Label42, &Label43},
                {&Text24, &Text25, &Text26});
    Frame11 = makeFrame(Frame5, position, 4680, 3120, 1935, 1620);
    coordinates(Frame11, positionRows, {"X6 =", "Y6 =", "Z6 ="}, {&Label46, &Label47, &Label48},
                {&Text28, &Text29, &Text30});

    fields_ = {Text1,  Text2,  Text3,  Text4,  Text5,  Text6,  Text7,  Text8,  Text9,  Text10,
               Text11, Text12, Text13, Text14, Text15, Text16, Text17, Text18, Text19, Text20,
               Text21, Text22, Text23, Text24, Text25, Text26, Text27, Text28, Text29, Text30};
    for (int n = 1; n <= 30; ++n) {
        NumberField* f = field(n);
        f->setAllowMinus(OperationFieldAllowsMinus(n));
        f->setAlignment(Qt::AlignCenter);
        const bool load = n == 19 || n == 23 || n == 27;
        f->setFont(pageFont(8.25, load));
        const bool position = n >= 20 && !load;  // the points where the loads act
        if (!position) {
            QPalette pal = f->palette();
            pal.setColor(QPalette::Base, kEntryColour);
            f->setPalette(pal);
        }
    }
}

void Form4::arrangeTabOrder() {
    // Masses and their points forward, then the buttons, then the load block
    // from its last field back to fx; from fx the focus wraps to Text1.
    std::vector<QWidget*> chain;
    for (int n = 1; n <= 18; ++n) chain.push_back(field(n));
    chain.push_back(Command1);
    chain.push_back(Command2);
    for (int n = 30; n >= 19; --n) chain.push_back(field(n));
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void Form4::installChecks() {
    for (int n = 1; n <= 30; ++n) {
        NumberField::Check check = [n](const QString& text) {
            return toVerdict(CheckOperationField(n, text.toStdString(), currentMinimums()));
        };
        if (!OperationFieldOwnsFrame(n)) {
            field(n)->setCheck(std::move(check));
            continue;
        }
        // The frame's first box follows the field: Text8 in Frame6 for m1.
        NumberField* firstBox = field(n + 1);
        auto* frame = qobject_cast<QGroupBox*>(firstBox->parentWidget());
        field(n)->setCheck(std::move(check), [frame, firstBox](NumberField&, const Verdict& verdict) {
            if (!verdict.accepted) {
                setShown(frame, false);
                return;
            }
            // Lead the user into the frame only when it has just appeared;
            // once it is there, the focus goes where the user sent it (the
            // load block runs backwards, and X6 is followed by fz again).
            const bool appeared = frame->isHidden();
            setShown(frame, true);
            if (appeared) firstBox->setFocus(Qt::OtherFocusReason);
        });
    }
}

void Form4::next() {
    if (!allChecksPassed()) return;
    std::array<std::string, 30> texts;
    for (int n = 1; n <= 30; ++n) texts[static_cast<std::size_t>(n - 1)] = field(n)->text().toStdString();
    const StepOutcome outcome = RunCalculationStep(texts);
    if (!outcome.calculated) {
        warn(this, QStringLiteral("Warning"), QString::fromStdString(outcome.refusal));
        return;
    }
    navigate(*this, form5());
}

void Form4::onActivate() {
    const CalculationState& s = state();
    setCaption(Label2, s.InstallationText);
    setCaption(Label4, s.CombinationText);
    setCaption(Label6, s.SeriesCode + s.SizeCode);
    setCaption(Label33, s.PreloadText);

    const std::array<QWidget*, 3> l1bRow{Label13, Text4, Label14};
    for (QWidget* shown : std::array<QWidget*, 3>{Frame1, Frame2, Frame3}) setShown(shown, true);
    for (QWidget* shown : l1bRow) setShown(shown, true);
    setShown(Frame4, false);
    Diagram->clear();

    const SpanRaising raising =
        RaiseSpans(s.SeriesCode, s.SizeCode, s.CombinationIndex,
                   {Text3->text().toStdString(), Text4->text().toStdString(), Text5->text().toStdString()});
    if (raising.found) {
        if (raising.l1Raised) Text3->setText(QString::fromStdString(raising.texts.l1));
        if (raising.l1bRaised) Text4->setText(QString::fromStdString(raising.texts.l1b));
        if (raising.l2Raised) Text5->setText(QString::fromStdString(raising.texts.l2));
        CalculationState& w = state();
        w.MinCarriageSpanL1 = raising.minimums.l1;
        w.MinCarriageSpanL1b = raising.minimums.l1b;
        w.MinRailSpanL2 = raising.minimums.l2;
    }

    const OperationLayout layout = OperationLayoutFor(s.InstallationIndex, s.CombinationIndex);
    setShown(Frame4, layout.inclinationFrame);
    if (layout.thrustCaption) setCaption(Label7, *layout.thrustCaption);
    setShown(Frame2, layout.spanFrame);
    for (QWidget* w : l1bRow) setShown(w, layout.l1bRow);
    setShown(Frame3, layout.railSpanFrame);
    if (layout.diagram != 0) Diagram->setCase(s.InstallationIndex, s.CombinationIndex);
}
