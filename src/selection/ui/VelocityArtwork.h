#pragma once

#include <QSizeF>
#include <QWidget>

class QPainter;

// Pictures of the velocity condition page. Each is drawn as vectors on a fixed
// design canvas scaled to the widget, so it stays sharp at any size and pixel
// ratio.
class VelocityArtwork : public QWidget {
    Q_OBJECT
public:
    VelocityArtwork(QSizeF designSize, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Draws on a canvas of designSize() logical units.
    virtual void draw(QPainter& painter) const = 0;
    QSizeF designSize() const { return design_; }

private:
    QSizeF design_;
};

// Banner across the top of the page.
class VelocityBanner : public VelocityArtwork {
    Q_OBJECT
public:
    explicit VelocityBanner(QWidget* parent);

protected:
    void draw(QPainter& painter) const override;
};

// Trapezoidal velocity-time profile with V, T1 and the stroke Ls marked.
class VelocityDiagram : public VelocityArtwork {
    Q_OBJECT
public:
    explicit VelocityDiagram(QWidget* parent);

protected:
    void draw(QPainter& painter) const override;
};

// Reference table of the load factor fw by operating condition and speed.
class LoadFactorTable : public VelocityArtwork {
    Q_OBJECT
public:
    explicit LoadFactorTable(QWidget* parent);

protected:
    void draw(QPainter& painter) const override;
};
