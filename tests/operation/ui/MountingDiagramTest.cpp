#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

#include "operation/ui/MountingDiagram.h"

namespace {

QImage render(int installation, int combination) {
    QImage image(455, 201, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    MountingDiagram::paintDiagram(painter, QRectF(image.rect()), installation, combination);
    return image;
}

// Share of pixels that are neither the white ground nor the black fill.
double inkShare(const QImage& image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (p != qRgb(255, 255, 255) && p != qRgb(0, 0, 0)) ++ink;
        }
    return static_cast<double>(ink) / (image.width() * image.height());
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++count;
    return count;
}

TEST(MountingDiagram, FortyDrawingsAreFilledAndPairwiseDifferent) {
    std::vector<QImage> images;
    for (int installation = 0; installation < 5; ++installation)
        for (int combination = 0; combination < 8; ++combination) {
            images.push_back(render(installation, combination));
            const QImage& image = images.back();
            SCOPED_TRACE(std::to_string(installation) + "/" + std::to_string(combination));
            // The whole area is painted (no black left) and a good part is drawing.
            EXPECT_EQ(image.pixel(0, 0) == qRgb(0, 0, 0), false);
            EXPECT_EQ(image.pixel(454, 200) == qRgb(0, 0, 0), false);
            EXPECT_GT(inkShare(image), 0.08);
        }
    for (std::size_t i = 0; i < images.size(); ++i)
        for (std::size_t j = i + 1; j < images.size(); ++j)
            EXPECT_GT(differingPixels(images[i], images[j]), 200) << "diagrams " << i + 3 << " and " << j + 3;
}

}  // namespace
