#pragma once

#include <QWidget>

// Background picture of the selection page: a pale drawing of a guideway,
// kept light so the labels and lists in front of it stay readable.
class SelectionBackground : public QWidget {
    Q_OBJECT
public:
    explicit SelectionBackground(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
