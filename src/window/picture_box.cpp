#include "window/picture_box.h"

#include <QPainter>

namespace wed {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void PictureBox::clear() {
    drawing_ = QImage();
    update();
}

void PictureBox::showImage(const QImage& image) {
    clear();
    if (image.isNull())
        return;
    const int border = 2 * frameWidth();
    resizeOuter(image.size() + QSize(border, border));
    drawImage(image, image.rect(), image.rect());
}

void PictureBox::resizeOuter(QSize size) {
    resize(size.expandedTo(QSize(0, 0)));
}

void PictureBox::drawImage(const QImage& image, const QRect& source, const QRect& target) {
    // The drawing covers the inside and the target, keeping what was drawn before.
    const QSize needed = insideSize().expandedTo(QSize(target.right() + 1, target.bottom() + 1));
    if (drawing_.isNull() || drawing_.width() < needed.width() ||
        drawing_.height() < needed.height()) {
        QImage grown(needed.expandedTo(drawing_.size()), QImage::Format_ARGB32_Premultiplied);
        grown.fill(Qt::transparent);
        if (!drawing_.isNull()) {
            QPainter copy(&grown);
            copy.drawImage(0, 0, drawing_);
        }
        drawing_ = std::move(grown);
    }
    QPainter painter(&drawing_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(target, image, source);
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (drawing_.isNull())
        return;
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.drawImage(inside.topLeft(), drawing_);
}

} // namespace wed
