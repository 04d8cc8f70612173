#pragma once

#include "image/picture_object.h"

#include <QFrame>
#include <QImage>

namespace wed {

// The window's picture box: a frame with a 2-pixel sunken border whose inside keeps what was
// drawn into it until it is cleared, drawn at one logical pixel per image pixel.
class PictureBox : public QFrame, public PictureObject {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    void clear() override;
    QSize outerSize() const override { return size(); }
    QSize insideSize() const override { return contentsRect().size(); }
    void resizeOuter(QSize size) override;
    void drawImage(const QImage& image, const QRect& source, const QRect& target) override;

    // Shows a picture 1:1: the box is cleared, then sized so that its inside is exactly the
    // picture and the picture is drawn. A null picture leaves the box cleared at its size.
    void showImage(const QImage& image);

    // What is drawn, the inside's top-left at (0, 0); null after clear.
    const QImage& drawing() const { return drawing_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage drawing_;
};

} // namespace wed
