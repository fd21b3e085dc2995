#include "results/ui/Form5.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <cmath>
#include <string>

#include "app/CalculationState.h"
#include "app/ui/Pages.h"
#include "forms/ui/Fonts.h"
#include "forms/ui/MessageService.h"
#include "forms/ui/PagePrinter.h"
#include "operation/ui/Form4.h"
#include "results/ResultText.h"
#include "results/ServiceLife.h"

namespace {

const QColor kValueBackground(255, 224, 192);
const QColor kGuidewayText(255, 128, 0);
const QColor kLifeText(0, 0, 255);
const QColor kFrame4Caption(255, 0, 0);
const QColor kCaptionText(0, 0, 0);

void setColours(QWidget* widget, const QColor& text, const QColor* background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    if (background) {
        palette.setColor(QPalette::Window, *background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

QLabel* newLabel(QWidget* parent, int number, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    label->setFont(font);
    return label;
}

// A fixed caption, as wide as its text. Where the stand-in face runs wider
// than the page was laid out for, the caption is narrowed to its room
// (`roomTwips`, up to the next control) instead of running into its neighbour.
QLabel* caption(QWidget* parent, int number, const QString& text, int left, int top, QFont font, int roomTwips = 0) {
    const int room = roomTwips / 15 - 6;
    if (roomTwips > 0) font = narrowedToFit(font, {text}, room);
    int width = QFontMetrics(font).horizontalAdvance(text);
    if (roomTwips > 0) width = std::min(width, room);
    QLabel* label = newLabel(parent, number, text, font);
    const QRect box = twips(left, top, 0, 240);
    label->setGeometry(box.left(), box.top(), width + 2, std::max(box.height(), QFontMetrics(font).height()));
    setColours(label, kCaptionText, nullptr);
    return label;
}

// A label the activation writes, on the light orange ground.
QLabel* valueLabel(QWidget* parent, int number, const QRect& geometry, const QFont& font, const QColor& colour,
                   Qt::Alignment alignment) {
    QLabel* label = newLabel(parent, number, QString(), font);
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    setColours(label, colour, &kValueBackground);
    return label;
}

template <class Box = QGroupBox>
QGroupBox* frame(QWidget* parent, const char* name, const QString& title, const QRect& geometry,
                 const QColor& titleColour = kCaptionText) {
    auto* box = new Box(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    box->setFont(pageFont(9, true));
    setColours(box, titleColour, nullptr);
    return box;
}

// The first note sits just under the caption, where the style would run
// the frame's top line. Here the line runs level with the caption's middle,
// broken by the caption, and stays clear of the notes.
class NoteFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        const QRect caption = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
        QStyleOptionGroupBox outline = option;
        outline.subControls = QStyle::SC_GroupBoxFrame;
        // Drawn lifted rather than from a rectangle that starts higher: some
        // styles place the line at a fixed distance from the widget's top,
        // whatever the rectangle. Taller by the lift, the bottom line stays.
        const int lift = topLine(outline) - caption.center().y();
        outline.rect.setHeight(outline.rect.height() + lift);
        painter.save();
        painter.setClipRegion(QRegion(rect()).subtracted(caption.adjusted(-2, 0, 2, 0)));
        painter.translate(0, -lift);
        painter.drawComplexControl(QStyle::CC_GroupBox, outline);
        painter.restore();
        option.subControls = QStyle::SC_GroupBoxLabel;
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }

private:
    // How far below the top of its rectangle the style draws the frame's
    // top line: the first row a narrow copy of the frame paints.
    int topLine(QStyleOptionGroupBox outline) const {
        outline.rect.setWidth(24);
        QImage probe(outline.rect.size(), QImage::Format_ARGB32_Premultiplied);
        probe.fill(Qt::transparent);
        QPainter painter(&probe);
        painter.translate(-outline.rect.topLeft());
        style()->drawComplexControl(QStyle::CC_GroupBox, &outline, &painter, this);
        painter.end();
        int row = 0;
        while (row < probe.height() && qAlpha(probe.pixel(probe.width() / 2, row)) == 0) ++row;
        return row < probe.height() ? row : 0;
    }
};

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    QPushButton* b = pageButton(parent, text, geometry);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// Reference table of the lowest advisable static safety factor, drawn for
// note 3.
class SafetyFactorTable : public QWidget {
public:
    explicit SafetyFactorTable(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, false);
        const int w = width() - 1;
        const int h = height() - 1;
        const int headHeight = 25;
        const int rowHeight = (h - headHeight) / 4;
        const int col1 = 130;
        const int col2 = 315;

        p.fillRect(rect(), Qt::white);
        p.fillRect(QRect(0, 0, w, headHeight), QColor(0, 64, 128));

        QFont head = pageFont(8.25, true);
        QFont body = pageFont(8.25);
        p.setFont(head);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, col1, headHeight), Qt::AlignCenter, QStringLiteral("Machine Type"));
        p.drawText(QRect(col1, 0, col2 - col1, headHeight), Qt::AlignCenter, QStringLiteral("Load Condition"));
        p.drawText(QRect(col2, 0, w - col2, headHeight), Qt::AlignCenter, QStringLiteral("fs (Lower limit)"));

        struct Row {
            const char* condition;
            const char* limit;
        };
        const Row rows[4] = {{"Normal loading condition", "1.0 ~ 1.3"},
                             {"With impact and vibration", "2.0 ~ 3.0"},
                             {"Normal loading condition", "1.0 ~ 1.5"},
                             {"With impact and vibration", "2.5 ~ 7.0"}};
        const char* machines[2] = {"Regular industrial\nmachine", "Machine tool"};

        p.setFont(body);
        p.setPen(Qt::black);
        for (int r = 0; r < 4; ++r) {
            const int top = headHeight + r * rowHeight;
            if (r % 2 == 1) p.fillRect(QRect(col1 + 1, top, w - col1 - 1, rowHeight), QColor(235, 242, 250));
            p.drawText(QRect(col1, top, col2 - col1, rowHeight), Qt::AlignCenter,
                       QString::fromLatin1(rows[r].condition));
            p.drawText(QRect(col2, top, w - col2, rowHeight), Qt::AlignCenter, QString::fromLatin1(rows[r].limit));
        }
        p.setFont(head);
        for (int m = 0; m < 2; ++m) {
            const int top = headHeight + 2 * m * rowHeight;
            p.drawText(QRect(0, top, col1, 2 * rowHeight), Qt::AlignCenter, QString::fromLatin1(machines[m]));
        }

        // Rules: the outline, the column lines, a line under the head and
        // between the machines, thin lines between the load conditions.
        p.setPen(QPen(QColor(0, 64, 128), 1));
        p.drawRect(0, 0, w, h);
        p.drawLine(col1, 0, col1, h);
        p.drawLine(col2, 0, col2, h);
        p.drawLine(0, headHeight, w, headHeight);
        p.drawLine(0, headHeight + 2 * rowHeight, w, headHeight + 2 * rowHeight);
        p.setPen(QPen(QColor(160, 176, 200), 1));
        p.drawLine(col1 + 1, headHeight + rowHeight, w - 1, headHeight + rowHeight);
        p.drawLine(col1 + 1, headHeight + 3 * rowHeight, w - 1, headHeight + 3 * rowHeight);
    }
};

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

Form5::Form5() : Page(QStringLiteral("Result"), 12075, 10065) {
    QPalette pagePalette = palette();
    pagePalette.setColor(QPalette::Window, pagePalette.color(QPalette::HighlightedText));
    setPalette(pagePalette);
    setAutoFillBackground(true);

    const QFont captionFont = pageFont(9, true);
    const QFont plainFont = pageFont(9);

    // Buttons first: their creation order is the tab order Back, Exit, Print.
    Command1 = button(this, "Command1", QStringLiteral("Back"), twips(9120, 9600, 1092, 375));
    Command2 = button(this, "Command2", QStringLiteral("Exit"), twips(10440, 9600, 1092, 375));
    Command3 = button(this, "Command3", QStringLiteral("Print"), twips(7680, 9600, 1215, 375));
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);

    // The result table.
    Frame1 = frame(this, "Frame1", QStringLiteral("Load each carriage exerts"), twips(120, 120, 11895, 3135));
    Label122 = newLabel(Frame1, 122, QStringLiteral("Forward stroke"), captionFont);
    Label122->setGeometry(twips(360, 360, 2880, 240));
    Label122->setAlignment(Qt::AlignCenter);
    setColours(Label122, kCaptionText, nullptr);
    QLabel** heads[8] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8};
    for (int k = 1; k <= 8; ++k) {
        QLabel* head = newLabel(Frame1, k, QStringLiteral("No.%1").arg(k), captionFont);
        head->setGeometry(twips(3480 + 1080 * (k - 1), 360, 495, 240));
        head->setAlignment(Qt::AlignCenter);
        setColours(head, kCaptionText, nullptr);
        *heads[k - 1] = head;
    }
    const QString phases[3] = {QStringLiteral("(1) Acceleration"), QStringLiteral("(2) Uniform"),
                               QStringLiteral("(3) Deceleration")};
    for (int j = 0; j < 3; ++j) {
        const int top = 600 + 720 * j;
        Label12[j] = caption(Frame1, 12, phases[j], 120, top, captionFont, 1680 - 120);
        Label9[j] = caption(Frame1, 9, QStringLiteral("Radial load"), 1680, top, captionFont, 3240 - 1680);
        Label10[j] = caption(Frame1, 10, QStringLiteral("Lateral load"), 1680, top + 240, captionFont, 3240 - 1680);
        Label11[j] = caption(Frame1, 11, QStringLiteral("Equivalent load"), 1680, top + 480, captionFont, 3240 - 1680);
    }
    Label13 = caption(Frame1, 13, QStringLiteral("(4) Mean load"), 120, 2760, captionFont, 3240 - 120);
    for (int k = 1; k <= 8; ++k) {
        for (int n = 0; n <= 9; ++n) {
            const int number = 14 + 10 * (k - 1) + n;
            cells_[static_cast<std::size_t>(number - 14)] =
                valueLabel(Frame1, number, twips(3240 + 1080 * (k - 1), 600 + 240 * n, 975, 210), plainFont,
                           kCaptionText, Qt::AlignHCenter);
        }
    }

    // The guideway picked on the selection page and its ratings.
    Frame2 = frame(this, "Frame2", QStringLiteral("Specification"), twips(120, 3240, 6375, 2535));
    const QFont serif9 = serifFont(9);
    Label94 = caption(Frame2, 94, QStringLiteral("Model :"), 120, 360, captionFont);
    Label95 = valueLabel(Frame2, 95, twips(240, 600, 3015, 240), plainFont, kGuidewayText, Qt::AlignLeft);
    Label96 = caption(Frame2, 96, QStringLiteral("Installation :"), 120, 885, captionFont);
    Label97 = valueLabel(Frame2, 97, twips(240, 1125, 3015, 240), serif9, kGuidewayText, Qt::AlignLeft);
    Label123 = caption(Frame2, 123, QStringLiteral("Preload :"), 120, 1395, captionFont);
    Label124 = valueLabel(Frame2, 124, twips(240, 1635, 2055, 240), serif9, kGuidewayText, Qt::AlignLeft);
    Label118 = valueLabel(Frame2, 118, twips(2400, 1635, 1020, 240), serifFont(9.75), kGuidewayText, Qt::AlignLeft);
    Label98 = caption(Frame2, 98, QStringLiteral("Combination :"), 120, 1920, captionFont);
    Label99 = valueLabel(Frame2, 99, twips(240, 2160, 5895, 240), serif9, kGuidewayText, Qt::AlignLeft);
    Label100 = caption(Frame2, 100, QStringLiteral("Basic static load rating :"), 3480, 360, captionFont);
    Label101 = caption(Frame2, 101, QStringLiteral("C0 = "), 3600, 600, captionFont);
    Label102 = valueLabel(Frame2, 102, twips(4545, 600, 1215, 240), plainFont, kGuidewayText, Qt::AlignHCenter);
    Label103 = caption(Frame2, 103, QStringLiteral("kN"), 5880, 600, captionFont);
    Label104 = caption(Frame2, 104, QStringLiteral("Basic dynamic load rating :"), 3480, 885, captionFont);
    Label105 = caption(Frame2, 105, QStringLiteral("C ="), 3720, 1125, captionFont);
    Label106 = valueLabel(Frame2, 106, twips(4545, 1125, 1215, 240), plainFont, kGuidewayText, Qt::AlignHCenter);
    Label107 = caption(Frame2, 107, QStringLiteral("kN"), 5880, 1125, captionFont);
    Label111 = caption(Frame2, 111, QStringLiteral("load factor :"), 3480, 1395, captionFont);
    Label112 = caption(Frame2, 112, QStringLiteral("fw ="), 3600, 1635, captionFont);
    Label113 = valueLabel(Frame2, 113, twips(4545, 1635, 1215, 240), plainFont, kGuidewayText, Qt::AlignHCenter);

    // The service life.
    Frame4 = frame(this, "Frame4", QStringLiteral("Service life "), twips(6600, 3240, 5415, 2535), kFrame4Caption);
    const QFont lifeFont = pageFont(9.75, true);
    Label135 = caption(Frame4, 135, QStringLiteral("Static Safety factor :"), 360, 360, lifeFont);
    Label134 = caption(Frame4, 134, QStringLiteral("fs  ="), 720, 600, lifeFont, 1200 - 720);
    Label133 = valueLabel(Frame4, 133, twips(1200, 600, 3615, 240), lifeFont, kLifeText, Qt::AlignHCenter);
    Label132 = caption(Frame4, 132, QStringLiteral("Service life distance :"), 360, 1140, lifeFont);
    Label131 = caption(Frame4, 131, QStringLiteral("L   ="), 720, 1380, lifeFont, 1200 - 720);
    Label130 = valueLabel(Frame4, 130, twips(1200, 1380, 3615, 240), lifeFont, kLifeText, Qt::AlignHCenter);
    Label129 = caption(Frame4, 129, QStringLiteral("km"), 4920, 1380, lifeFont);
    Label128 = caption(Frame4, 128, QStringLiteral("Service life time :"), 360, 1920, lifeFont);
    Label127 = caption(Frame4, 127, QStringLiteral("Lh ="), 720, 2160, lifeFont, 1200 - 720);
    Label126 = valueLabel(Frame4, 126, twips(1200, 2160, 3615, 240), lifeFont, kLifeText, Qt::AlignHCenter);
    Label125 = caption(Frame4, 125, QStringLiteral("hrs"), 4920, 2160, lifeFont);

    // The notes.
    Frame3 = frame<NoteFrame>(this, "Frame3", QStringLiteral("Note"), twips(120, 5760, 11895, 3735));
    const QFont noteFont = pageFont(8.25);
    const QColor noteText = palette().color(QPalette::Text);
    // The notes stand on the frame's own ground, unfilled: a filled first
    // note would hide the frame's top line.
    auto note = [&](int number, const QString& line, int top) {
        const QRect box = twips(600, top, 11175, 240);
        QLabel* label = newLabel(Frame3, number, line, narrowedToFit(noteFont, {line}, box.width()));
        label->setGeometry(box);
        setColours(label, noteText, nullptr);
        return label;
    };
    Label109 = note(109,
                    QStringLiteral("1. The working load and service life could be calculated by the program in "
                                   "consideration of the operating condition and carriage model."),
                    120);
    Label114 = note(114,
                    QStringLiteral("2. The working load of linear guideway system can be obtained by calculation, the "
                                   "actual load is mostly higher than calculated value."),
                    360);
    Label115 = note(115, QStringLiteral("     It is caused by the vibration and impact."), 600);
    Label116 = note(116, QStringLiteral("3. The lower limit value of  static safety factor fs is showed below"), 840);
    Image2 = new SafetyFactorTable(Frame3);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(twips(840, 1080, 6300, 2175));
    Label117 =
        note(117, QStringLiteral("4. If you have any question or suggestion, please contact with Nevrin."), 3360);

    // The contact line stays empty.
    Label108 = newLabel(this, 108, QString(), noteFont);
    Label108->setGeometry(twips(120, 9600, 7440, 240));
    Label110 = newLabel(this, 110, QString(), noteFont);
    Label110->setGeometry(twips(120, 9840, 7440, 240));

    connect(Command1, &QPushButton::clicked, this, [this] {
        if (!checksPassed()) return;
        navigate(*this, form4());
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        if (!checksPassed()) return;
        endProgram();
    });
    connect(Command3, &QPushButton::clicked, this, [this] {
        if (!checksPassed()) return;
        printPage();
    });
}

void Form5::onActivate() {
    // Every showing starts on "Back", first in the tab order, so that Enter
    // never finds "Exit" or "Print" left over from an earlier visit.
    Command1->setFocus(Qt::OtherFocusReason);
    CalculationState& s = state();
    const MeanLoads mean = ComputeServiceLife(s);
    const std::string separator = QLocale().decimalPoint().toStdString();

    for (QLabel* c : cells_) c->setText(QStringLiteral("----"));

    Label95->setText(text(s.SeriesCode + s.SizeCode));
    Label97->setText(text(s.InstallationText));
    Label99->setText(text(s.CombinationText));
    Label124->setText(text(s.PreloadText));
    Label118->setText(text("= " + GeneralText32(s.PreloadForce, separator) + " N"));
    Label102->setText(text(FixedText(s.StaticLoadRating)));
    Label106->setText(text(FixedText(s.DynamicLoadRating)));

    Label133->setText(text(GeneralText(CutToTenth(s.StaticSafetyFactor), separator)));
    Label113->setText(text(GeneralText(s.LoadFactor, separator)));
    Label130->setText(text(GeneralText(std::floor(s.LifeDistance), separator)));
    const bool timeKnown = s.LifeTime != 0.0;
    for (QLabel* l : {Label125, Label126, Label127, Label128}) l->setVisible(timeKnown);
    if (timeKnown) Label126->setText(text(GeneralText(std::floor(s.LifeTime), separator)));

    // Without inertia force only the uniform phase has loads of its own.
    const int columns = CarriageColumns(s.CombinationIndex);
    const bool inertia = s.Acceleration != 0.0;
    for (int n = 0; n <= 8; ++n) {
        const int phase = n / 3 + 1;
        if (!inertia && phase != 2) continue;
        const CalculationState::LoadTable& table =
            n % 3 == 0 ? s.RadialLoad : (n % 3 == 1 ? s.LateralLoad : s.EquivalentLoad);
        for (int k = 1; k <= columns; ++k) cell(k, n)->setText(text(LoadCellText(table[k][phase], separator)));
    }
    for (int k = 1; k <= columns; ++k) cell(k, 9)->setText(text(MeanLoadCellText(mean[k], separator)));
}

void Form5::printPage() {
    const PrintOutcome outcome = printPageImage(*this);
    switch (outcome.kind) {
        case PrintOutcome::Kind::Printed:
            break;
        case PrintOutcome::Kind::SavedToPdf:
            inform(
                this, QStringLiteral("Print"),
                QStringLiteral("No printer is available. The page was saved as a PDF file:\n%1").arg(outcome.detail));
            break;
        case PrintOutcome::Kind::Failed:
            warn(this, QStringLiteral("Print"),
                 outcome.detail.isEmpty() ? QStringLiteral("Printing failed.")
                                          : QStringLiteral("Printing failed: %1").arg(outcome.detail));
            break;
    }
}
