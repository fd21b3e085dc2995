#include "forms/ui/PageIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "forms/ui/Artwork.h"

QIcon pageIcon() {
    static const QIcon icon = [] {
        QPixmap pixmap(69, 68);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, 0, 68);
        sky.setColorAt(0, QColor(235, 242, 250));
        sky.setColorAt(1, QColor(160, 185, 215));
        p.setPen(QPen(QColor(60, 80, 120), 1.5));
        p.setBrush(sky);
        QPainterPath frame;
        frame.addRoundedRect(QRectF(1.5, 1.5, 66, 65), 9, 9);
        p.drawPath(frame);
        p.setClipPath(frame);
        paintGuideway(p, QPointF(-18, 54), 1.0, 1);
        return QIcon(pixmap);
    }();
    return icon;
}
