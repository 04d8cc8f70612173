#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace wed {

// What the picture painting needs from the box it paints into, in pixels: a picture box of the
// window, or a stand-in in tests. The outer size includes the border; the inside does not.
class PictureObject {
  public:
    virtual ~PictureObject() = default;

    // Erases what was drawn; the size stays.
    virtual void clear() = 0;
    virtual QSize outerSize() const = 0;
    virtual QSize insideSize() const = 0;
    virtual void resizeOuter(QSize size) = 0;
    // Draws the part `source` of the image into `target` of the inside (top-left at 0, 0),
    // stretched when the two sizes differ; the drawing stays until the next clear.
    virtual void drawImage(const QImage& image, const QRect& source, const QRect& target) = 0;
};

} // namespace wed
