#include "operation/ui/BannerPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// Design size; the drawing scales to the widget.
constexpr double kWidth = 585.0;
constexpr double kHeight = 132.0;

// A carriage seen slightly from above: top face and front face.
void carriage(QPainter& p, double x, double width) {
    const double top = 70.0, depth = 10.0, front = 22.0, lean = 8.0;
    QPainterPath upper;
    upper.moveTo(x + lean, top);
    upper.lineTo(x + width + lean, top);
    upper.lineTo(x + width, top + depth);
    upper.lineTo(x, top + depth);
    upper.closeSubpath();
    p.setPen(QPen(QColor(60, 88, 124), 0.8));
    p.setBrush(QColor(150, 178, 210));
    p.drawPath(upper);
    QLinearGradient face(0.0, top + depth, 0.0, top + depth + front);
    face.setColorAt(0.0, QColor(96, 132, 176));
    face.setColorAt(1.0, QColor(58, 88, 128));
    p.setBrush(face);
    p.drawRect(QRectF(x, top + depth, width, front));
    p.setBrush(QColor(40, 40, 48));
    p.drawRect(QRectF(x - 3.0, top + depth + 3.0, 3.0, front - 6.0));
    p.drawRect(QRectF(x + width, top + depth + 3.0, 3.0, front - 6.0));
}

}  // namespace

BannerPicture::BannerPicture(QWidget* parent) : QWidget(parent) {}

void BannerPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width() / kWidth, height() / kHeight);

    QLinearGradient sky(0.0, 0.0, kWidth, 0.0);
    sky.setColorAt(0.0, QColor(255, 255, 255));
    sky.setColorAt(0.5, QColor(236, 243, 250));
    sky.setColorAt(1.0, QColor(255, 255, 255));
    p.fillRect(QRectF(0.0, 0.0, kWidth, kHeight), sky);

    // The rail: top face, then its side, on a faint mounting surface.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(222, 228, 236));
    p.drawRect(QRectF(0.0, 112.0, kWidth, 20.0));
    QPainterPath railTop;
    railTop.moveTo(18.0, 94.0);
    railTop.lineTo(kWidth - 10.0, 94.0);
    railTop.lineTo(kWidth - 18.0, 100.0);
    railTop.lineTo(10.0, 100.0);
    railTop.closeSubpath();
    p.setBrush(QColor(196, 202, 212));
    p.setPen(QPen(QColor(120, 126, 138), 0.8));
    p.drawPath(railTop);
    QLinearGradient side(0.0, 100.0, 0.0, 114.0);
    side.setColorAt(0.0, QColor(160, 166, 178));
    side.setColorAt(1.0, QColor(112, 118, 130));
    p.setBrush(side);
    p.drawRect(QRectF(10.0, 100.0, kWidth - 28.0, 14.0));
    p.setPen(QPen(QColor(90, 96, 108), 0.6));
    for (double x = 40.0; x < kWidth - 30.0; x += 60.0) p.drawEllipse(QPointF(x, 97.0), 2.2, 1.2);

    carriage(p, 250.0, 70.0);
    carriage(p, 380.0, 70.0);

    // Travel: lines trailing the carriages and an arrow ahead of them.
    p.setPen(QPen(QColor(120, 150, 190), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double y = 80.0 + 7.0 * i;
        p.drawLine(QPointF(170.0 + 14.0 * i, y), QPointF(236.0, y));
    }
    p.setBrush(QColor(120, 150, 190));
    QPolygonF tip;
    tip << QPointF(560.0, 86.0) << QPointF(540.0, 78.0) << QPointF(540.0, 94.0);
    p.drawLine(QPointF(478.0, 86.0), QPointF(540.0, 86.0));
    p.drawPolygon(tip);
}
