#pragma once

#include <QRectF>
#include <QString>
#include <QWidget>
#include <vector>

class QPainter;

// A text of a diagram, or its drive-centre circle, and the box it takes in
// the area painted: what must keep clear of the rest to stay legible.
struct DiagramMark {
    QString text;  // as written, subscripts marked "_"; "" for the circle
    QRectF box;
};

// The picture area of the operation condition page: the mounting diagram of
// one installation and combination, drawn from their description (two views,
// axes, carriages, spans, a mass and the thrust point). Design size 455 x 201.
class MountingDiagram : public QWidget {
    Q_OBJECT
public:
    explicit MountingDiagram(QWidget* parent = nullptr);

    // Shows the diagram of installation 0 to 4 and combination 0 to 7.
    void setCase(int installation, int combination);
    // Shows no diagram.
    void clear();
    // 3 + 8 x installation + combination for the diagram shown, 0 for none.
    int shownImage() const;

    // Draws the diagram of a case into `area`, scaled from the design size;
    // returns where its texts and its drive-centre circle went.
    static std::vector<DiagramMark> paintDiagram(QPainter& painter, const QRectF& area, int installation,
                                                 int combination);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int installation_ = -1;
    int combination_ = -1;
};
