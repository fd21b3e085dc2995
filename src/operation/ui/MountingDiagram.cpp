#include "operation/ui/MountingDiagram.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "forms/ui/Fonts.h"
#include "operation/OperationLayout.h"

namespace {

constexpr double kDesignWidth = 455.0;
constexpr double kDesignHeight = 201.0;
constexpr double kCaptionSpace = 14.0;  // below the left view, for "View A"

const QColor kInk(30, 30, 30);
const QColor kRail(128, 134, 146);
const QColor kCarriage(74, 112, 160);
const QColor kTable(214, 221, 229);
const QColor kMass(244, 188, 108);
const QColor kAxis(200, 32, 32);
const QColor kDimension(0, 84, 178);
const QColor kHatch(90, 90, 90);

// Labels may carry subscripts: "m_n" draws n below the line after m.
struct Markup {
    QFont font;
    QFont small;

    explicit Markup(const QFont& base) : font(base), small(base) {
        small.setPixelSize(std::max(6, base.pixelSize() * 3 / 4));
    }

    QSizeF size(const QString& text) const {
        const QFontMetricsF big(font), sub(small);
        double width = 0.0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('_') && i + 1 < text.size()) {
                width += sub.horizontalAdvance(text[++i]);
                continue;
            }
            width += big.horizontalAdvance(text[i]);
        }
        return {width, big.height() + sub.descent()};
    }

    void draw(QPainter& p, const QPointF& topLeft, const QString& text) const {
        const QFontMetricsF big(font), sub(small);
        double x = topLeft.x();
        const double baseline = topLeft.y() + big.ascent();
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('_') && i + 1 < text.size()) {
                p.setFont(small);
                p.drawText(QPointF(x, baseline + sub.ascent() * 0.35), QString(text[++i]));
                x += sub.horizontalAdvance(text[i]);
                continue;
            }
            p.setFont(font);
            p.drawText(QPointF(x, baseline), QString(text[i]));
            x += big.horizontalAdvance(text[i]);
        }
    }
};

QPointF unit(const QPointF& v) {
    const double length = std::hypot(v.x(), v.y());
    return length > 0.0 ? v / length : QPointF();
}

// One view of a diagram. Geometry is given in the view's own frame: u along
// its in-plane axis, v square to it (away from the mounting surface), in
// design pixels; the view maps it onto the page, turned by the axis angle and
// scaled to fit its panel. Texts are never turned.
class View {
public:
    View(QPainter& painter, std::vector<DiagramMark>& marks, const QRectF& panel, double axisAngle,
         const QRectF& extent)
        : p_(painter), marks_(marks), labels_(pageFont(6)), letters_(pageFont(7, true)) {
        const double a = qDegreesToRadians(axisAngle);
        eu_ = QPointF(std::cos(a), -std::sin(a));
        ev_ = QPointF(-std::sin(a), -std::cos(a));
        // Bounding box of the extent when mapped at scale 1 around 0.
        QRectF box;
        for (const QPointF& c : {extent.topLeft(), extent.topRight(), extent.bottomLeft(), extent.bottomRight()}) {
            const QPointF m = c.x() * eu_ + c.y() * ev_;
            box = box.isNull() ? QRectF(m, QSizeF(0.001, 0.001)) : box.united(QRectF(m, QSizeF(0.001, 0.001)));
        }
        scale_ = std::min({1.0, (panel.width() - 8.0) / box.width(), (panel.height() - 8.0) / box.height()});
        origin_ = panel.center() - scale_ * box.center();
    }

    QPointF at(double u, double v) const { return origin_ + scale_ * (u * eu_ + v * ev_); }
    QPointF dir(double du, double dv) const { return unit(du * eu_ + dv * ev_); }
    double scale() const { return scale_; }

    void fill(const std::vector<QPointF>& local, const QColor& colour, double outline = 0.8) {
        QPolygonF poly;
        for (const QPointF& q : local) poly << at(q.x(), q.y());
        p_.setPen(QPen(colour.darker(160), outline));
        p_.setBrush(colour);
        p_.drawPolygon(poly);
    }

    void box(double u0, double v0, double u1, double v1, const QColor& colour) {
        fill({{u0, v0}, {u1, v0}, {u1, v1}, {u0, v1}}, colour);
    }

    // The mounting surface from u0 to u1 at v, hatched on its far side.
    void ground(double u0, double u1, double v) {
        p_.setPen(QPen(kInk, 1.2));
        p_.drawLine(at(u0, v), at(u1, v));
        p_.setPen(QPen(kHatch, 0.7));
        for (double u = u0 + 4.0; u <= u1; u += 7.0) p_.drawLine(at(u, v), at(u - 5.0, v - 6.0));
    }

    void arrowLine(const QPointF& from, const QPointF& to, const QColor& colour, double width = 1.0,
                   bool bothEnds = false) {
        p_.setPen(QPen(colour, width));
        p_.drawLine(from, to);
        head(from, to, colour);
        if (bothEnds) head(to, from, colour);
    }

    // Places a text next to `anchor`, on the side that `away` points to (or
    // centred on it for a null direction); returns where it went.
    QRectF text(const QPointF& anchor, const QString& markup, const QPointF& away, const QColor& colour = kInk,
                bool backed = false, bool letter = false) {
        return block(anchor, {markup}, away, colour, backed, letter);
    }

    // The same for lines set one under the other, each centred.
    QRectF block(const QPointF& anchor, const std::vector<QString>& lines, const QPointF& away,
                 const QColor& colour = kInk, bool backed = false, bool letter = false) {
        const Markup& m = letter ? letters_ : labels_;
        QSizeF size;
        for (const QString& line : lines) {
            const QSizeF one = m.size(line);
            size = QSizeF(std::max(size.width(), one.width()), size.height() + one.height());
        }
        const QPointF d = unit(away);
        const double reach = size.width() / 2.0 * std::abs(d.x()) + size.height() / 2.0 * std::abs(d.y());
        const QPointF centre = anchor + d * (reach + (d.isNull() ? 0.0 : 1.5));
        const QRectF rect(centre.x() - size.width() / 2.0, centre.y() - size.height() / 2.0, size.width(),
                          size.height());
        marks_.push_back({QStringList(lines.begin(), lines.end()).join(u' '), rect});
        if (backed) {
            p_.setPen(Qt::NoPen);
            p_.setBrush(Qt::white);
            p_.drawRect(rect.adjusted(-1.0, 0.0, 1.0, 0.0));
        }
        p_.setPen(colour);
        double top = rect.top();
        for (const QString& line : lines) {
            const QSizeF one = m.size(line);
            m.draw(p_, QPointF(rect.center().x() - one.width() / 2.0, top), line);
            top += one.height();
        }
        return rect;
    }

    // The dimension `name` between u0 and u1, its line at v, named at nameAt
    // on it (by default halfway); the extension lines start at from0 and from1.
    void dimension(double u0, double from0, double u1, double from1, double v, const QString& name,
                   std::optional<double> nameAt = std::nullopt) {
        p_.setPen(QPen(kDimension, 0.6));
        p_.drawLine(at(u0, from0), at(u0, v) + dir(0, -1) * 3.0);
        p_.drawLine(at(u1, from1), at(u1, v) + dir(0, -1) * 3.0);
        arrowLine(at(u0, v), at(u1, v), kDimension, 0.8, true);
        text(at(nameAt.value_or((u0 + u1) / 2.0), v), name, QPointF(), kDimension, true);
    }

    // The axes of the view from its origin, with their letters and the 0,
    // set off the origin towards zeroSide (a direction on the page).
    void axes(double uLength, double vLength, QChar uLetter, QChar vLetter,
              const QPointF& zeroSide = QPointF(-1.0, 1.0)) {
        QPen pen(kAxis, 0.9, Qt::DashDotLine);
        p_.setPen(pen);
        p_.drawLine(at(0, 0), at(uLength, 0));
        p_.drawLine(at(0, 0), at(0, vLength));
        head(at(uLength - 6.0, 0), at(uLength, 0), kAxis);
        head(at(0, vLength - 6.0), at(0, vLength), kAxis);
        text(at(uLength, 0), QString(uLetter), dir(1, 0), kAxis, false, true);
        text(at(0, vLength), QString(vLetter), dir(0, 1), kAxis, false, true);
        p_.setPen(Qt::NoPen);
        p_.setBrush(kAxis);
        p_.drawEllipse(at(0, 0), 1.8, 1.8);
        const QPointF side = unit(zeroSide);
        text(at(0, 0) + side * std::hypot(3.0, 3.0), QStringLiteral("0"), side, kAxis, true);
    }

    // A mass block with its name and the two coordinates of its gravity point.
    void mass(double u0, double u1, double v0, double v1, QChar uLetter) {
        box(u0, v0, u1, v1, kMass);
        const double uc = (u0 + u1) / 2.0, vc = (v0 + v1) / 2.0;
        const QPointF g = at(uc + 9.0, vc);
        p_.setPen(QPen(kInk, 0.8));
        p_.setBrush(Qt::white);
        p_.drawEllipse(g, 2.6, 2.6);
        p_.drawLine(g - QPointF(2.6, 0), g + QPointF(2.6, 0));
        p_.drawLine(g - QPointF(0, 2.6), g + QPointF(0, 2.6));
        text(at(uc - 7.0, vc), QStringLiteral("m_n"), QPointF());
        text(at(uc, v1), QStringLiteral("(%1_n,Z_n)").arg(uLetter), dir(0, 1));
    }

    // The angle θ between the level and the view's axis, drawn beyond the
    // end of the mounting surface at `pivot`, where nothing else is drawn.
    void inclination(const QPointF& pivot, double degrees) {
        const double r = 28.0, reach = 42.0;
        p_.setPen(QPen(kInk, 0.7, Qt::DashLine));
        p_.drawLine(pivot, pivot + QPointF(reach, 0.0));
        p_.drawLine(pivot, pivot + dir(1, 0) * reach);
        p_.setPen(QPen(kDimension, 0.9));
        p_.setBrush(Qt::NoBrush);
        p_.drawArc(QRectF(pivot.x() - r, pivot.y() - r, 2 * r, 2 * r), 0, static_cast<int>(degrees * 16.0));
        const double half = qDegreesToRadians(degrees / 2.0);
        text(pivot + QPointF(std::cos(half), -std::sin(half)) * (reach + 2.0), QStringLiteral("θ"), QPointF(1.0, 0.0),
             kDimension, false, true);
    }

    QPainter& painter() { return p_; }
    std::vector<DiagramMark>& marks() { return marks_; }

private:
    void head(const QPointF& from, const QPointF& to, const QColor& colour) {
        const QPointF d = unit(to - from);
        const QPointF n(-d.y(), d.x());
        QPolygonF tip;
        tip << to << to - d * 5.0 + n * 2.0 << to - d * 5.0 - n * 2.0;
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour);
        p_.drawPolygon(tip);
    }

    QPainter& p_;
    std::vector<DiagramMark>& marks_;
    Markup labels_;
    Markup letters_;
    QPointF eu_, ev_, origin_;
    double scale_ = 1.0;
};

std::vector<double> carriagePositions(int perRail) {
    switch (perRail) {
        case 1:
            return {0.0};
        case 2:
            return {-40.0, 40.0};
        case 3:
            return {-58.0, 0.0, 58.0};
        default:
            return {-68.0, -23.0, 23.0, 68.0};
    }
}

// How far a view reaches along its axis, whose arrow ends at axisEnd: past
// the axis letter, the arrow of the other view and the angle of inclination.
double rightEnd(const DiagramPanel& shape, bool isViewA, double axisEnd) {
    if (shape.showsInclination) return axisEnd + 50.0;
    return isViewA ? axisEnd + 8.0 : axisEnd + 30.0;
}

// The arrow of the other view that shows where View A is seen from.
void viewArrow(View& view, double u) {
    const QPointF tail = view.at(u + 22.0, 24.0);
    view.arrowLine(tail, view.at(u, 24.0), kInk, 1.6);
    view.text(tail, QStringLiteral("A"), view.dir(1, 0), kInk, false, true);
}

// Carriages one behind the other on a rail, table and mass on top.
void drawAlongTravel(QPainter& painter, std::vector<DiagramMark>& marks, const QRectF& panel, const DiagramPanel& shape,
                     const DiagramCase& c, bool isViewA) {
    constexpr double axisEnd = 116.0;
    View view(painter, marks, panel, shape.axisAngle,
              QRectF(QPointF(-108.0, -82.0), QPointF(rightEnd(shape, isViewA, axisEnd), 66.0)));
    const std::vector<double> at = carriagePositions(c.perRail);
    constexpr double half = 17.0;  // half a carriage

    view.ground(-104.0, 104.0, -30.0);
    view.box(-100.0, -30.0, 100.0, -17.0, kRail);
    for (double u : at) {
        view.box(u - half, -22.0, u + half, 0.0, kCarriage);
        view.box(u - half - 2.5, -19.0, u - half, -3.0, kCarriage.darker(130));  // end seals
        view.box(u + half, -19.0, u + half + 2.5, -3.0, kCarriage.darker(130));
    }
    view.box(-102.0, 0.0, 102.0, 9.0, kTable);
    view.mass(-72.0, -30.0, 9.0, 36.0, shape.axis);
    view.axes(axisEnd, 56.0, shape.axis, shape.normalAxis);

    // Carriage names under the mounting surface; the spans run beyond them.
    const QPointF outward = view.dir(0, -1);
    double reach = 0.0;
    std::vector<double> ends;
    for (std::size_t k = 0; k < at.size(); ++k) {
        const QRectF r = view.text(view.at(at[k], -37.0), QString::fromStdString(c.carriageLabels[k]), outward);
        const QPointF base = view.at(at[k], 0.0);
        const double far = std::max({QPointF::dotProduct(r.topLeft() - base, outward),
                                     QPointF::dotProduct(r.topRight() - base, outward),
                                     QPointF::dotProduct(r.bottomLeft() - base, outward),
                                     QPointF::dotProduct(r.bottomRight() - base, outward)});
        ends.push_back(far / view.scale());
        reach = std::max(reach, far / view.scale());
    }
    auto span = [&](std::size_t a, std::size_t b, double offset, const QString& name,
                    std::optional<double> nameAt = std::nullopt) {
        view.dimension(at[a], -ends[a] - 2.0, at[b], -ends[b] - 2.0, -(reach + offset), name, nameAt);
    };
    if (c.perRail == 2) span(0, 1, 9.0, QStringLiteral("L_1"));
    if (c.perRail == 3) span(0, 2, 9.0, QStringLiteral("L_1"));
    if (c.perRail == 4) {
        span(1, 2, 9.0, QStringLiteral("L_1"));
        // Both names halfway sit one above the other only while the lines run
        // level; on a tilted or upright line they would crowd side by side, so
        // L1' is named where L1 does not reach, between the first two carriages.
        const bool level = shape.axisAngle == 0.0;
        span(0, 3, 23.0, QStringLiteral("L_1'"), level ? std::nullopt : std::optional((at[0] + at[1]) / 2.0));
    }

    if (shape.showsInclination) view.inclination(view.at(104.0, -30.0), shape.axisAngle);
    if (!isViewA) viewArrow(view, axisEnd - 4.0);
}

// The rails side by side, the carriages around them, and the thrust point.
void drawCrossSection(QPainter& painter, std::vector<DiagramMark>& marks, const QRectF& panel,
                      const DiagramPanel& shape, const DiagramCase& c, bool isViewA) {
    const bool two = c.rails == 2;
    const std::vector<double> rails = two ? std::vector<double>{-56.0, 56.0} : std::vector<double>{0.0};
    const double tableHalf = two ? 94.0 : 62.0;
    const double axisEnd = tableHalf + 20.0;
    View view(painter, marks, panel, shape.axisAngle,
              QRectF(QPointF(two ? -102.0 : -100.0, -62.0), QPointF(rightEnd(shape, isViewA, axisEnd), 66.0)));

    view.ground(-tableHalf + 8.0, tableHalf - 8.0, -32.0);
    for (double r : rails) {
        view.fill({{r - 10, -32},
                   {r + 10, -32},
                   {r + 10, -27},
                   {r + 6, -24},
                   {r + 6, -21},
                   {r + 9, -18},
                   {r + 9, -12},
                   {r - 9, -12},
                   {r - 9, -18},
                   {r - 6, -21},
                   {r - 6, -24},
                   {r - 10, -27}},
                  kRail);
        view.fill({{r - 25, -24},
                   {r - 12, -24},
                   {r - 12, -10},
                   {r + 12, -10},
                   {r + 12, -24},
                   {r + 25, -24},
                   {r + 25, 0},
                   {r - 25, 0}},
                  kCarriage);
    }
    view.box(-tableHalf, 0.0, tableHalf, 9.0, kTable);
    view.mass(14.0, 56.0, 9.0, 36.0, shape.axis);
    // With two rails the drive centre sits just beside the origin, between
    // the rails; the 0 goes to the other side of it, under the table.
    view.axes(axisEnd, 56.0, shape.axis, shape.normalAxis, two ? view.dir(1, -1) : QPointF(-1.0, 1.0));

    // The centre of the driving mechanism under the table, named above it.
    const QPointF thrust = view.at(two ? -22.0 : -42.0, -12.0);
    const QRectF label = view.block(view.at(two ? -58.0 : -70.0, 14.0),
                                    {QStringLiteral("Drive centre"), QStringLiteral("(%1_0,Z_0)").arg(shape.axis)},
                                    view.dir(0, 1), kInk, true);
    const QPointF nearest(std::clamp(thrust.x(), label.left(), label.right()),
                          std::clamp(thrust.y(), label.top(), label.bottom()));
    QPainter& p = view.painter();
    if (std::hypot(nearest.x() - thrust.x(), nearest.y() - thrust.y()) > 8.0) {
        p.setPen(QPen(kInk, 0.6));
        p.drawLine(thrust + unit(nearest - thrust) * 5.0, nearest);
    }
    p.setPen(QPen(kAxis, 1.2));
    p.setBrush(Qt::white);
    constexpr double radius = 4.5;
    p.drawEllipse(thrust, radius, radius);
    p.drawPoint(thrust);
    const double outer = radius + p.pen().widthF() / 2.0;
    view.marks().push_back({QString(), QRectF(thrust - QPointF(outer, outer), QSizeF(2 * outer, 2 * outer))});

    if (two) {
        view.dimension(rails[0], -38.0, rails[1], -38.0, -49.0, QStringLiteral("L_2"));
    }
    if (shape.showsInclination) view.inclination(view.at(tableHalf - 8.0, -32.0), shape.axisAngle);
    if (!isViewA) viewArrow(view, axisEnd - 8.0);
}

void drawPanel(QPainter& painter, std::vector<DiagramMark>& marks, const QRectF& panel, const DiagramPanel& shape,
               const DiagramCase& c, bool isViewA) {
    if (shape.view == DiagramView::AlongTravel)
        drawAlongTravel(painter, marks, panel, shape, c, isViewA);
    else
        drawCrossSection(painter, marks, panel, shape, c, isViewA);
}

}  // namespace

MountingDiagram::MountingDiagram(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void MountingDiagram::setCase(int installation, int combination) {
    installation_ = installation;
    combination_ = combination;
    show();
    update();
}

void MountingDiagram::clear() {
    installation_ = -1;
    combination_ = -1;
    hide();
}

int MountingDiagram::shownImage() const {
    if (installation_ < 0 || isHidden()) return 0;
    return 3 + 8 * installation_ + combination_;
}

std::vector<DiagramMark> MountingDiagram::paintDiagram(QPainter& painter, const QRectF& area, int installation,
                                                       int combination) {
    QTransform toArea;
    toArea.translate(area.left(), area.top());
    toArea.scale(area.width() / kDesignWidth, area.height() / kDesignHeight);
    painter.save();
    painter.setTransform(toArea, true);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    painter.fillRect(QRectF(0, 0, kDesignWidth, kDesignHeight), Qt::white);
    painter.setPen(QPen(QColor(150, 150, 150), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, kDesignWidth - 1.0, kDesignHeight - 1.0));
    const double middle = kDesignWidth / 2.0;
    painter.setPen(QPen(QColor(190, 190, 190), 1.0, Qt::DotLine));
    painter.drawLine(QPointF(middle, 8.0), QPointF(middle, kDesignHeight - 8.0));

    const DiagramCase c = DiagramCaseFor(installation, combination);
    const QRectF left(0.0, 0.0, middle, kDesignHeight - kCaptionSpace);
    const QRectF right(middle, 0.0, middle, kDesignHeight);
    std::vector<DiagramMark> marks;
    drawPanel(painter, marks, left, c.viewA, c, true);
    drawPanel(painter, marks, right, c.other, c, false);

    painter.setPen(kInk);
    painter.setFont(pageFont(7.5, true));
    painter.drawText(QRectF(0.0, kDesignHeight - kCaptionSpace - 2.0, middle, kCaptionSpace), Qt::AlignCenter,
                     QStringLiteral("View A"));
    painter.restore();
    for (DiagramMark& mark : marks) mark.box = toArea.mapRect(mark.box);
    return marks;
}

void MountingDiagram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (installation_ < 0) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    paintDiagram(painter, QRectF(rect()), installation_, combination_);
}
