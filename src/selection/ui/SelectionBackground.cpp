#include "selection/ui/SelectionBackground.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

SelectionBackground::SelectionBackground(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void SelectionBackground::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    const double w = area.width();
    const double h = area.height();

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(226, 234, 244));
    sky.setColorAt(0.55, QColor(246, 248, 251));
    sky.setColorAt(1.0, QColor(216, 224, 234));
    p.fillRect(area, sky);

    // Faint drawing-board grid.
    p.setPen(QPen(QColor(205, 215, 228), 1));
    for (double x = 20; x < w; x += 40) p.drawLine(QPointF(x, 0), QPointF(x, h));
    for (double y = 20; y < h; y += 40) p.drawLine(QPointF(0, y), QPointF(w, y));

    // A rail running across the foot of the page, drawn in perspective.
    const double railTop = h * 0.86;
    QPainterPath rail;
    rail.moveTo(-10, railTop + 22);
    rail.lineTo(w + 10, railTop - 6);
    rail.lineTo(w + 10, railTop + 10);
    rail.lineTo(-10, railTop + 44);
    rail.closeSubpath();
    QLinearGradient steel(0, railTop - 6, 0, railTop + 44);
    steel.setColorAt(0.0, QColor(196, 204, 214));
    steel.setColorAt(1.0, QColor(158, 168, 182));
    p.setPen(QPen(QColor(140, 150, 166), 1));
    p.setBrush(steel);
    p.drawPath(rail);
    // Mounting holes along the rail.
    p.setBrush(QColor(128, 138, 154));
    p.setPen(Qt::NoPen);
    for (double x = 30; x < w; x += 60) {
        const double y = railTop + 22 - (x + 10) * 28.0 / (w + 20) + 8;
        p.drawEllipse(QPointF(x, y), 4, 2.2);
    }

    // A carriage on the rail, towards the right where the page leaves room.
    const double cx = w * 0.80;
    const double cy = railTop + 22 - (cx + 10) * 28.0 / (w + 20);
    QPainterPath body;
    body.moveTo(cx - 62, cy + 4);
    body.lineTo(cx - 54, cy - 38);
    body.lineTo(cx + 58, cy - 46);
    body.lineTo(cx + 66, cy - 4);
    body.closeSubpath();
    QLinearGradient block(0, cy - 46, 0, cy + 4);
    block.setColorAt(0.0, QColor(214, 170, 150));
    block.setColorAt(1.0, QColor(178, 118, 100));
    p.setPen(QPen(QColor(150, 100, 86), 1.2));
    p.setBrush(block);
    p.drawPath(body);
    // End seal and grease nipple.
    p.setBrush(QColor(120, 120, 128));
    p.drawRect(QRectF(cx + 60, cy - 36, 8, 28));
    p.drawEllipse(QPointF(cx + 72, cy - 22), 3, 3);
    // Top mounting holes.
    p.setBrush(QColor(150, 100, 86));
    p.setPen(Qt::NoPen);
    for (double dx : {-36.0, 36.0})
        for (double dy : {-33.0, -17.0}) p.drawEllipse(QPointF(cx + dx, cy + dy + dx * -0.06), 3.5, 2.2);
}
