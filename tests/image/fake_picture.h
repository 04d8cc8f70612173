#pragma once

#include "image/picture_object.h"

#include <vector>

namespace wed::test {

// A picture object that remembers what was done to it: a box with a border of `border`
// pixels on each side (0 for none), like a picture box of the window.
class FakePicture : public PictureObject {
  public:
    struct Draw {
        QImage image;
        QRect source, target;
    };

    explicit FakePicture(int border = 2, QSize outer = QSize(100, 100))
        : border_(border), outer_(outer) {}

    void clear() override {
        ++clears;
        draws.clear();
    }
    QSize outerSize() const override { return outer_; }
    QSize insideSize() const override { return outer_ - QSize(2 * border_, 2 * border_); }
    void resizeOuter(QSize size) override { outer_ = size; }
    void drawImage(const QImage& image, const QRect& source, const QRect& target) override {
        draws.push_back({image, source, target});
    }

    int clears = 0;
    std::vector<Draw> draws;

  private:
    int border_;
    QSize outer_;
};

} // namespace wed::test
