#include "selection/ui/Form3.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <initializer_list>

#include "app/CalculationState.h"
#include "app/ui/Pages.h"
#include "forms/NumberText.h"
#include "forms/ui/Fonts.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/NumberField.h"
#include "operation/ui/Form4.h"
#include "selection/VelocityConditions.h"
#include "selection/ui/Form2.h"
#include "selection/ui/VelocityArtwork.h"

namespace {

const QColor pageColour(255, 224, 192);
const QString warningTitle = QStringLiteral("Warning");

QColor highlightTextColour() { return QApplication::palette().color(QPalette::Active, QPalette::HighlightedText); }

void paintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The layout is measured for Tahoma; a wider stand-in face must not cut a
// caption off, so a control grows to the right when its caption needs it.
void placeUncut(QWidget* widget, const QRect& geometry) {
    QRect r = geometry;
    r.setWidth(std::max(r.width(), widget->sizeHint().width()));
    r.setHeight(std::max(r.height(), widget->sizeHint().height()));
    widget->setGeometry(r);
}

QLabel* makeLabel(QWidget* parent, const QString& caption, const QRect& geometry) {
    auto* label = new QLabel(caption, parent);
    label->setFont(pageFont(9, true));
    paintBackground(label, highlightTextColour());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeUncut(label, geometry);
    return label;
}

NumberField* makeField(QWidget* parent, const QRect& geometry) {
    auto* field = new NumberField(parent, false);
    field->setFont(pageFont(8.25));
    field->setAlignment(Qt::AlignCenter);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, pageColour);
    field->setPalette(palette);
    field->setGeometry(geometry);
    return field;
}

QRadioButton* makeOption(QWidget* parent, const QString& caption, const QRect& geometry) {
    auto* option = new QRadioButton(caption, parent);
    option->setFont(pageFont(9.75, true));
    paintBackground(option, pageColour);
    placeUncut(option, geometry);
    return option;
}

Verdict verdictOf(const FieldRuling& ruling) {
    if (ruling.accepted) return Verdict::accept();
    const QString message = QString::fromStdString(ruling.message);
    return Verdict::reject(QString::fromStdString(ruling.replacement), true,
                           message.isEmpty() ? QString() : warningTitle, message);
}

std::string textOf(const NumberField* field) { return field->text().toStdString(); }

}  // namespace

Form3::Form3() : Page(QStringLiteral("Velocity Condition"), 10380, 6315) {
    paintBackground(this, pageColour);

    Image1 = new VelocityBanner(this);
    Image1->setGeometry(twips(0, 0, 10395, 1971));

    Option1 = makeOption(this, QStringLiteral("Without inertia force"), twips(240, 3120, 2535, 495));
    Option2 = makeOption(this, QStringLiteral("With inertia force"), twips(240, 3720, 2535, 495));

    Frame1 = new QFrame(this);
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    paintBackground(Frame1, highlightTextColour());
    Frame1->setGeometry(twips(2880, 2040, 7455, 4215));

    // Pictures first, so that the labels and fields lie in front of them.
    Image2 = new VelocityDiagram(Frame1);
    Image2->setGeometry(twips(3120, 600, 4275, 3000));
    Image3 = new LoadFactorTable(Frame1);
    Image3->setGeometry(twips(120, 960, 7140, 3000));

    Label1 = makeLabel(Frame1, QStringLiteral("Velocity :"), twips(120, 240, 840, 210));
    Label2 = makeLabel(Frame1, QStringLiteral("V ="), twips(225, 600, 330, 210));
    Text1 = makeField(Frame1, twips(600, 563, 1335, 285));
    Label3 = makeLabel(Frame1, QStringLiteral("(m/sec)"), twips(2040, 600, 705, 210));
    Label4 = makeLabel(Frame1, QStringLiteral("Acceleration time :"), twips(120, 1275, 1710, 210));
    Label5 = makeLabel(Frame1, QStringLiteral("T1 ="), twips(120, 1635, 435, 210));
    Text2 = makeField(Frame1, twips(600, 1598, 1335, 285));
    Label6 = makeLabel(Frame1, QStringLiteral("(sec)"), twips(2040, 1635, 435, 210));
    Label7 = makeLabel(Frame1, QStringLiteral("Stroke length :"), twips(120, 2325, 1395, 210));
    Label8 = makeLabel(Frame1, QStringLiteral("Ls ="), twips(180, 2685, 405, 210));
    Text3 = makeField(Frame1, twips(600, 2648, 1335, 285));
    Label9 = makeLabel(Frame1, QStringLiteral("(mm)"), twips(2040, 2685, 480, 210));
    Label10 = makeLabel(Frame1, QStringLiteral("Number of reciprocation per minute :"), twips(120, 3360, 3405, 210));
    Label11 = makeLabel(Frame1, QStringLiteral("N ="), twips(225, 3720, 330, 210));
    Text4 = makeField(Frame1, twips(600, 3683, 1335, 285));
    Label12 = makeLabel(Frame1, QStringLiteral("(1/min)"), twips(2040, 3720, 705, 210));

    for (auto [label, field] : {std::pair{Label2, Text1}, {Label5, Text2}, {Label8, Text3}, {Label11, Text4}})
        label->setBuddy(field);

    Command1 = pageButton(this, QStringLiteral("Next"), twips(1680, 5760, 1095, 375));
    Command2 = pageButton(this, QStringLiteral("Back"), twips(120, 5760, 1095, 375));

    // Enter acts as Tab: with inertia force V, T1, Ls, then "Next", "Back"
    // and N last.
    setTabOrder(Option1, Option2);
    setTabOrder(Option2, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Text4);

    // Without inertia force V is all that is used; with it, V and T1 are
    // judged together with the stroke as it stands.
    Text1->setCheck([this](const QString& text) {
        const std::string velocity = text.toStdString();
        return verdictOf(withInertia_ ? RuleVelocity(velocity, textOf(Text2), textOf(Text3)) : RuleVelocity(velocity));
    });
    Text2->setCheck([this](const QString& text) {
        return verdictOf(RuleAccelerationTime(textOf(Text1), text.toStdString(), textOf(Text3)));
    });
    Text3->setCheck([this](const QString& text) {
        return verdictOf(RuleStroke(textOf(Text1), textOf(Text2), text.toStdString()));
    });
    Text4->setCheck([this](const QString& text) {
        return verdictOf(RuleRate(textOf(Text1), textOf(Text2), textOf(Text3), text.toStdString()));
    });

    // Whatever checks an option acts as its click: the mouse and the arrow
    // keys click it, the accessibility interface toggles it without a click.
    connect(Option1, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) optionChosen(false);
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) optionChosen(true);
    });
    connect(Command1, &QPushButton::clicked, this, &Form3::command1Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::command2Click);

    showInertiaLayout(false);
}

void Form3::onLoad() {
    showInertiaLayout(false);
    Text1->setText(QString::fromLatin1(DefaultVelocityText));
    Text2->setText(QString::fromLatin1(DefaultAccelerationTimeText));
    Text3->setText(QString::fromLatin1(DefaultStrokeText));
    Text4->setText(QString::fromLatin1(DefaultRateText));
}

void Form3::onActivate() { Text1->setFocus(Qt::OtherFocusReason); }

void Form3::showInertiaLayout(bool withInertia) {
    withInertia_ = withInertia;
    Option1->setChecked(!withInertia);
    Option2->setChecked(withInertia);
    // The option group is one stop of the tab order, at the chosen option.
    Option1->setFocusPolicy(withInertia ? Qt::ClickFocus : Qt::StrongFocus);
    Option2->setFocusPolicy(withInertia ? Qt::StrongFocus : Qt::ClickFocus);
    const std::initializer_list<QWidget*> inertiaOnly{Label4, Label5,  Text2,   Label6, Label7,  Label8, Text3,
                                                      Label9, Label10, Label11, Text4,  Label12, Image2};
    for (QWidget* w : inertiaOnly) setShown(w, withInertia);
    setShown(Image3, !withInertia);
}

void Form3::optionChosen(bool withInertia) {
    // The page's own setting, or a choice being put back.
    if (withInertia == withInertia_) return;
    // The option is already checked; a refused check puts the choice back,
    // so that the option shown is the layout that "Next" uses.
    if (!checksPassed()) {
        showInertiaLayout(withInertia_);
        return;
    }
    showInertiaLayout(withInertia);
}

void Form3::command1Click() {
    if (!allChecksPassed()) return;
    if (!Option2->isChecked()) {
        state().Velocity = LeadingNumber(textOf(Text1));
        state().Acceleration = 0.0;
        navigate(*this, form4());
        return;
    }
    nextWithInertia();
}

void Form3::nextWithInertia() {
    const InertiaNext next = JudgeInertiaNext(textOf(Text1), textOf(Text2), textOf(Text3), textOf(Text4));
    CalculationState& s = state();
    s.Velocity = next.velocity;
    s.AccelerationTime = next.accelerationTime;
    s.StrokeLength = next.strokeLength;
    s.ReciprocationsPerMinute = next.reciprocationsPerMinute;
    if (next.refusal != Refusal::None) {
        NumberField* const fields[] = {nullptr, Text1, Text2, Text3, Text4};  // in the order of Refusal
        NumberField* field = fields[static_cast<int>(next.refusal)];
        if (!next.message.empty()) warn(this, warningTitle, QString::fromStdString(next.message));
        field->setText(QString::fromStdString(next.replacement));
        field->setFocus(Qt::OtherFocusReason);
        return;
    }
    s.Acceleration = next.acceleration;
    navigate(*this, form4());
}

void Form3::command2Click() {
    if (!checksPassed()) return;
    navigate(*this, form2());
}
