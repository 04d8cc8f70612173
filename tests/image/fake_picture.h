#pragma once

#include "image/picture_object.h"

#include <vector>

namespace wed::test {

// A picture box with a border of `border` pixels on each side that remembers what was done to it.
struct FakePicture : PictureObject {
    struct Draw {
        QImage image;
        QRect source, target;
    };
    explicit FakePicture(int border = 2, QSize outer = QSize(100, 100))
        : border(border), outer(outer) {}

    void clear() override {
        ++clears;
        draws.clear();
    }
    QSize outerSize() const override { return outer; }
    QSize insideSize() const override { return outer - QSize(2 * border, 2 * border); }
    void resizeOuter(QSize size) override { outer = size; }
    void drawImage(const QImage& image, const QRect& source, const QRect& target) override {
        draws.push_back({image, source, target});
    }

    int border;
    QSize outer;
    int clears = 0;
    std::vector<Draw> draws;
};

} // namespace wed::test
