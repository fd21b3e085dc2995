#include "selection/ui/VelocityArtwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>

#include "forms/ui/Fonts.h"

namespace {

// Fonts on the design canvas: sized in canvas units, which the painter scales.
QFont canvasFont(int units, bool bold = false, bool italic = false) {
    QFont font = pageFont(9, bold);
    font.setPixelSize(units);
    font.setItalic(italic);
    return font;
}

void arrowHead(QPainter& p, QPointF tip, QPointF from, double size) {
    QLineF back(tip, from);
    back.setLength(size);
    QLineF left = back;
    left.setAngle(back.angle() + 25);
    QLineF right = back;
    right.setAngle(back.angle() - 25);
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(QPolygonF({tip, left.p2(), right.p2()}));
    p.restore();
}

void arrow(QPainter& p, QPointF from, QPointF to, double head, bool bothEnds = false) {
    p.drawLine(from, to);
    arrowHead(p, to, from, head);
    if (bothEnds) arrowHead(p, from, to, head);
}

}  // namespace

VelocityArtwork::VelocityArtwork(QSizeF designSize, QWidget* parent) : QWidget(parent), design_(designSize) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void VelocityArtwork::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(width() / design_.width(), height() / design_.height());
    draw(painter);
}

VelocityBanner::VelocityBanner(QWidget* parent) : VelocityArtwork(QSizeF(693, 131), parent) {}

void VelocityBanner::draw(QPainter& p) const {
    const QRectF all(QPointF(0, 0), designSize());
    QLinearGradient sky(all.topLeft(), all.bottomLeft());
    sky.setColorAt(0.0, QColor(24, 64, 128));
    sky.setColorAt(1.0, QColor(70, 130, 200));
    p.fillRect(all, sky);

    // A rail seen from the side, with its carriage running to the right.
    const double railTop = 96;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 198, 210));
    p.drawRect(QRectF(300, railTop, 370, 14));
    p.setBrush(QColor(140, 150, 165));
    p.drawRect(QRectF(300, railTop + 14, 370, 6));
    p.setBrush(QColor(120, 128, 140));
    for (double x = 318; x < 670; x += 40) p.drawEllipse(QPointF(x, railTop + 7), 3.5, 3.5);

    const QRectF carriage(470, railTop - 34, 120, 38);
    QLinearGradient steel(carriage.topLeft(), carriage.bottomLeft());
    steel.setColorAt(0.0, QColor(235, 238, 242));
    steel.setColorAt(1.0, QColor(160, 168, 180));
    p.setBrush(steel);
    p.setPen(QPen(QColor(60, 70, 85), 1.2));
    p.drawRoundedRect(carriage, 4, 4);
    p.setBrush(QColor(210, 60, 50));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(carriage.left() - 8, carriage.top() + 8, 8, 26));
    p.drawRect(QRectF(carriage.right(), carriage.top() + 8, 8, 26));

    // Speed lines behind the carriage.
    p.setPen(QPen(QColor(255, 255, 255, 170), 2.2, Qt::SolidLine, Qt::RoundCap));
    const std::array<double, 3> lengths{60, 90, 45};
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const double y = carriage.top() + 8 + 10.0 * static_cast<double>(i);
        p.drawLine(QPointF(carriage.left() - 16 - lengths[i], y), QPointF(carriage.left() - 16, y));
    }
    p.setPen(QPen(QColor(255, 220, 120), 2.4));
    arrow(p, QPointF(carriage.left() + 20, carriage.top() - 14), QPointF(carriage.right() + 30, carriage.top() - 14),
          10);

    p.setPen(Qt::white);
    p.setFont(canvasFont(26, true));
    p.drawText(QRectF(24, 18, 420, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Velocity Condition"));
    p.setPen(QColor(220, 232, 250));
    p.setFont(canvasFont(12, false, true));
    p.drawText(QRectF(26, 62, 300, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Velocity, acceleration and stroke"));
}

VelocityDiagram::VelocityDiagram(QWidget* parent) : VelocityArtwork(QSizeF(285, 200), parent) {}

void VelocityDiagram::draw(QPainter& p) const {
    p.fillRect(QRectF(QPointF(0, 0), designSize()), Qt::white);

    const QPointF origin(34, 140);
    const double axisRight = 270, axisTop = 22;
    const double rampEnd = 82, fallStart = 186, end = 234, level = 58;
    const QColor ink(30, 30, 30);

    // Axes.
    p.setPen(QPen(ink, 1.3));
    arrow(p, origin, QPointF(axisRight, origin.y()), 7);
    arrow(p, origin, QPointF(origin.x(), axisTop), 7);
    p.setFont(canvasFont(11, true));
    p.drawText(QRectF(origin.x() - 30, axisTop - 20, 90, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("V (m/s)"));
    // Clear of the arrowhead, which ends the axis at axisRight.
    p.drawText(QRectF(axisRight - 54, origin.y() - 20, 44, 16), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("t (s)"));

    // Profile: accelerate, run, decelerate; the covered distance is the area.
    const QPolygonF profile({origin, QPointF(rampEnd, level), QPointF(fallStart, level), QPointF(end, origin.y())});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 224, 192));
    p.drawPolygon(profile);
    p.setPen(QPen(QColor(200, 40, 30), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(profile);

    // V on the velocity axis.
    p.setPen(QPen(ink, 0.9, Qt::DashLine));
    p.drawLine(QPointF(origin.x(), level), QPointF(rampEnd, level));
    p.drawLine(QPointF(rampEnd, level), QPointF(rampEnd, origin.y()));
    p.drawLine(QPointF(fallStart, level), QPointF(fallStart, origin.y()));
    p.setPen(ink);
    p.setFont(canvasFont(12, true, true));
    p.drawText(QRectF(origin.x() - 26, level - 9, 22, 18), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("V"));

    // T1 under each ramp.
    p.setPen(QPen(ink, 1.0));
    const double tY = origin.y() + 14;
    arrow(p, QPointF(origin.x(), tY), QPointF(rampEnd, tY), 5, true);
    arrow(p, QPointF(fallStart, tY), QPointF(end, tY), 5, true);
    p.drawLine(QPointF(end, origin.y()), QPointF(end, origin.y() + 40));
    p.drawLine(QPointF(origin.x(), origin.y()), QPointF(origin.x(), origin.y() + 40));
    p.setFont(canvasFont(11, true, true));
    p.drawText(QRectF(origin.x(), tY - 15, rampEnd - origin.x(), 14), Qt::AlignCenter, QStringLiteral("T1"));
    p.drawText(QRectF(fallStart, tY - 15, end - fallStart, 14), Qt::AlignCenter, QStringLiteral("T1"));

    // The stroke Ls is the whole area under the profile.
    const double lsY = origin.y() + 34;
    arrow(p, QPointF(origin.x(), lsY), QPointF(end, lsY), 6, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const QRectF lsBox((origin.x() + end) / 2 - 16, lsY - 8, 32, 16);
    p.drawRect(lsBox);
    p.setPen(ink);
    p.setFont(canvasFont(12, true, true));
    p.drawText(lsBox, Qt::AlignCenter, QStringLiteral("Ls"));
    p.setFont(canvasFont(10, false, true));
    p.drawText(QRectF(rampEnd, level + 20, fallStart - rampEnd, 40), Qt::AlignCenter,
               QStringLiteral("stroke Ls\n= area"));
}

LoadFactorTable::LoadFactorTable(QWidget* parent) : VelocityArtwork(QSizeF(476, 200), parent) {}

void LoadFactorTable::draw(QPainter& p) const {
    const QRectF all(QPointF(0, 0), designSize());
    p.fillRect(all, Qt::white);

    const QColor ink(30, 30, 30);
    const QRectF table(6, 34, 464, 160);
    const std::array<double, 4> columns{table.left(), table.left() + 210, table.left() + 360, table.right()};
    const double headerHeight = 32;
    const double rowHeight = (table.height() - headerHeight) / 4;

    p.setPen(ink);
    p.setFont(canvasFont(15, true));
    p.drawText(QRectF(0, 2, all.width(), 30), Qt::AlignCenter, QStringLiteral("Load factor  fw"));

    p.fillRect(QRectF(table.left(), table.top(), table.width(), headerHeight), QColor(255, 224, 192));
    p.setFont(canvasFont(11, true));
    const std::array<QString, 3> headers{QStringLiteral("Operating condition"),
                                         QStringLiteral("Operating speed\nV (m/s)"), QStringLiteral("fw")};
    for (std::size_t c = 0; c < headers.size(); ++c)
        p.drawText(QRectF(columns[c], table.top(), columns[c + 1] - columns[c], headerHeight), Qt::AlignCenter,
                   headers[c]);

    struct Row {
        const char* condition;
        const char* speed;
        const char* factor;
    };
    static constexpr std::array<Row, 4> rows{{{"No impact and vibration", "up to 0.25", "1.0 ~ 1.2"},
                                              {"Slight impact and vibration", "0.25 to 1.0", "1.2 ~ 1.5"},
                                              {"Moderate impact and vibration", "1.0 to 2.0", "1.5 ~ 2.0"},
                                              {"Strong impact and vibration", "2.0 and above", "2.0 ~ 3.5"}}};
    p.setFont(canvasFont(11));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double top = table.top() + headerHeight + rowHeight * static_cast<double>(r);
        const std::array<const char*, 3> cells{rows[r].condition, rows[r].speed, rows[r].factor};
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const QRectF cell(columns[c] + 8, top, columns[c + 1] - columns[c] - 16, rowHeight);
            p.drawText(cell, (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter,
                       QString::fromLatin1(cells[c]));
        }
    }

    p.setPen(QPen(ink, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(table);
    for (std::size_t c = 1; c + 1 < columns.size(); ++c)
        p.drawLine(QPointF(columns[c], table.top()), QPointF(columns[c], table.bottom()));
    p.drawLine(QPointF(table.left(), table.top() + headerHeight), QPointF(table.right(), table.top() + headerHeight));
    p.setPen(QPen(ink, 0.5));
    for (int r = 1; r < 4; ++r) {
        const double y = table.top() + headerHeight + rowHeight * r;
        p.drawLine(QPointF(table.left(), y), QPointF(table.right(), y));
    }
}
