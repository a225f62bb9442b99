// Painting pictures and shapes without smoothing.
#include "picture_widget.h"

#include <QPainter>

namespace tarvelon::qt {

PictureWidget::PictureWidget(const QImage& image, QWidget* parent)
    : QWidget(parent), image_(image) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPoint(0, 0), image_);
}

ShapeWidget::ShapeWidget(QColor fill, QColor border, QWidget* parent)
    : QWidget(parent), fill_(fill), border_(border) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), border_);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), fill_);
}

} // namespace tarvelon::qt
