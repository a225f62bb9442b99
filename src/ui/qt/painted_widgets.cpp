// Painting pictures without smoothing, frames and shapes.
#include "painted_widgets.h"

#include <QFontMetrics>
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

FrameWidget::FrameWidget(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption) {}

void FrameWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int edge = metrics.height() / 2;
    // An etched line: a dark line with a light one just inside it.
    const QRect outer = rect().adjusted(0, edge, -2, -2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(outer);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(outer.translated(1, 1));
    if (caption_.isEmpty())
        return;
    const QRect title(8, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
    painter.fillRect(title, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(title, Qt::AlignCenter, caption_);
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
