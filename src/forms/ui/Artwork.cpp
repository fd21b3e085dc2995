#include "forms/ui/Artwork.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace {

// Oblique view: x runs along the rail (to the right, slightly rising), y up,
// z away from the viewer (up and to the right).
struct View {
    QPointF origin;
    double scale;

    QPointF at(double x, double y, double z) const {
        const double px = x * 1.0 + z * 0.55;
        const double py = -x * 0.12 - y - z * 0.32;
        return origin + QPointF(px, py) * scale;
    }
};

QColor shade(const QColor& base, int percent) {
    return percent >= 100 ? base.lighter(percent) : base.darker(10000 / percent);
}

// A box from (x0,y0,z0) to (x1,y1,z1): the three faces that face the viewer.
void paintBox(QPainter& p, const View& v, double x0, double y0, double z0, double x1, double y1, double z1,
              const QColor& colour) {
    const QPolygonF front{v.at(x0, y0, z0), v.at(x1, y0, z0), v.at(x1, y1, z0), v.at(x0, y1, z0)};
    const QPolygonF top{v.at(x0, y1, z0), v.at(x1, y1, z0), v.at(x1, y1, z1), v.at(x0, y1, z1)};
    const QPolygonF end{v.at(x1, y0, z0), v.at(x1, y0, z1), v.at(x1, y1, z1), v.at(x1, y1, z0)};
    p.setPen(QPen(shade(colour, 40), 0.6));
    QLinearGradient frontFill(front.boundingRect().topLeft(), front.boundingRect().bottomLeft());
    frontFill.setColorAt(0, shade(colour, 100));
    frontFill.setColorAt(1, shade(colour, 75));
    p.setBrush(frontFill);
    p.drawPolygon(front);
    QLinearGradient topFill(top.boundingRect().topLeft(), top.boundingRect().bottomRight());
    topFill.setColorAt(0, shade(colour, 150));
    topFill.setColorAt(1, shade(colour, 120));
    p.setBrush(topFill);
    p.drawPolygon(top);
    p.setBrush(shade(colour, 60));
    p.drawPolygon(end);
}

}  // namespace

void paintGuideway(QPainter& painter, QPointF origin, double scale, int carriages) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const View v{origin, scale};
    const QColor steel(150, 158, 170);
    const QColor body(38, 84, 160);
    const QColor seal(200, 40, 40);

    // Rail: 100 long, 8 wide, 7 high, with a groove along each side and
    // counterbored holes along the top.
    paintBox(painter, v, 0, 0, 0, 100, 7, 8, steel);
    painter.setPen(QPen(shade(steel, 45), 0.8 * scale / 4));
    painter.drawLine(v.at(0, 4.2, 0), v.at(100, 4.2, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade(steel, 45));
    for (double x = 6; x < 100; x += 12) {
        const QPointF c = v.at(x, 7, 4);
        painter.drawEllipse(c, 1.6 * scale, 0.9 * scale);
    }

    // Carriages: wider than the rail, straddling it, with red end seals.
    const double spacing = carriages > 1 ? 62.0 / (carriages - 1) : 0.0;
    for (int i = 0; i < carriages; ++i) {
        const double x0 = (carriages > 1 ? 12.0 + i * spacing : 36.0);
        paintBox(painter, v, x0, 3, -4, x0 + 1.2, 12.5, 12, seal);
        paintBox(painter, v, x0 + 1.2, 3, -4, x0 + 23.8, 13, 12, body);
        paintBox(painter, v, x0 + 23.8, 3, -4, x0 + 25, 12.5, 12, seal);
        // Mounting holes on the top face.
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade(body, 45));
        for (double hx : {x0 + 6.0, x0 + 19.0})
            for (double hz : {-1.0, 9.0}) painter.drawEllipse(v.at(hx, 13, hz), 1.1 * scale, 0.6 * scale);
    }
    painter.restore();
}
