#pragma once

#include <QWidget>

// The banner behind the header of the operation condition page: a guideway
// with two carriages running along it.
class BannerPicture : public QWidget {
    Q_OBJECT
public:
    explicit BannerPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
