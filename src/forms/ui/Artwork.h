#pragma once

#include <QPointF>

class QPainter;

// Our own drawing of a linear guideway: a rail with carriages riding on it,
// in an oblique view. The title picture and the page icon are made of it.
// `origin` is the near bottom corner of the rail's left end on the screen;
// `scale` is pixels per unit of the drawing (the rail is 100 units long).
void paintGuideway(QPainter& painter, QPointF origin, double scale, int carriages);
