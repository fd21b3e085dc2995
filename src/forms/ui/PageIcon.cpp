#include "forms/ui/PageIcon.h"

#include <QPainter>
#include <QPixmap>

QIcon pageIcon() {
    // A rail with a carriage, drawn rather than shipped.
    QPixmap pixmap(69, 68);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(40, 70, 140));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(4, 44, 61, 12), 3, 3);
    p.setBrush(QColor(200, 40, 40));
    p.drawRoundedRect(QRectF(16, 20, 37, 26), 4, 4);
    return QIcon(pixmap);
}
