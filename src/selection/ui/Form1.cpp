#include "selection/ui/Form1.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadialGradient>

#include "app/ui/Pages.h"
#include "forms/ui/Artwork.h"
#include "forms/ui/Fonts.h"
#include "selection/ui/Form2.h"

namespace {

const QString kTitle = QStringLiteral("Service Life Calculation for Linear Guideway");
const QString kVersion = QStringLiteral("Ver. 2.5 E");

QLabel* textLabel(QWidget* page, const QString& text, const QRect& where, const QFont& font, const QColor& colour) {
    auto* label = new QLabel(text, page);
    label->setGeometry(where);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;  // no background of its own: the picture shows through
}

}  // namespace

QPixmap titlePicture() {
    QPixmap pixmap(700, 440);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // Light sky behind the title, darkening towards the floor.
    QLinearGradient sky(0, 0, 0, 440);
    sky.setColorAt(0.0, QColor(238, 244, 252));
    sky.setColorAt(0.45, QColor(205, 220, 240));
    sky.setColorAt(1.0, QColor(120, 145, 180));
    p.fillRect(pixmap.rect(), sky);

    // A faint drafting grid.
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    for (int x = 0; x <= 700; x += 35) p.drawLine(x, 0, x, 440);
    for (int y = 0; y <= 440; y += 35) p.drawLine(0, y, 700, y);

    // A soft light where the guideway stands.
    QRadialGradient glow(QPointF(470, 300), 260);
    glow.setColorAt(0, QColor(255, 255, 255, 150));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(pixmap.rect(), glow);

    // The guideway's shadow on the floor, then the guideway.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 55, 80, 70));
    p.drawEllipse(QPointF(430, 398), 260, 26);
    paintGuideway(p, QPointF(150, 405), 4.6, 2);

    // Load arrows on the carriages.
    p.setPen(QPen(QColor(210, 30, 30), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(210, 30, 30));
    for (const QPointF tip : {QPointF(273, 316), QPointF(558, 282)}) {
        p.drawLine(tip - QPointF(0, 70), tip - QPointF(0, 12));
        p.drawPolygon(QPolygonF{tip, tip + QPointF(-9, -16), tip + QPointF(9, -16)});
    }
    return pixmap;
}

Form1::Form1() : Page(QStringLiteral("Service life"), 10380, 6315) {
    // Created back to front: a later sibling is drawn over an earlier one.
    const QFont titleFont = cjkFont(21.75, true);
    const QFont versionFont = pageFont(18, true);
    const QColor white(255, 255, 255);
    const QColor blue(0, 0, 255);
    Label3 = textLabel(this, kTitle, twips(0, 0, 4935, 1095), titleFont, white);
    Label4 = textLabel(this, kVersion, twips(1080, 1200, 2055, 495), versionFont, white);
    Image1 = new QLabel(this);
    Image1->setGeometry(twips(0, 0, 10500, 6600));
    Image1->setPixmap(titlePicture());
    Label6 = textLabel(this, kTitle, twips(360, 240, 4935, 1095), titleFont, white);
    Label5 = textLabel(this, kVersion, twips(1440, 1440, 2055, 495), versionFont, white);
    Label7 = textLabel(this, kTitle, twips(340, 230, 4935, 1125), titleFont, blue);
    Label8 = textLabel(this, kVersion, twips(1430, 1430, 2055, 495), versionFont, blue);

    Command1 = new QPushButton(QStringLiteral("Calculation"), this);
    Command1->setGeometry(twips(1800, 2160, 1095, 375));
    Command1->setFont(pageFont(9.75));
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (!checksPassed()) return;
        navigate(*this, form2());
    });
    Command1->setFocus();
}
