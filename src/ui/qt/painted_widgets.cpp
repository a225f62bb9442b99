// Painting pictures without smoothing, frames, shapes, and the track with its cars.
#include "painted_widgets.h"

#include "look.h"

#include <QFontMetrics>
#include <QPaintEvent>
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

namespace {
constexpr int borderWidth = 2;
}

TrackView::TrackView(const Image& track, std::array<const Image*, 6> cars, QWidget* parent)
    : QWidget(parent), track_(track), cars_(cars) {
    setGeometry(toPixels(track));
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int slot = 0; slot < 6; ++slot)
        shownLeft_[slot] = cars_[slot]->Left;
}

QRectF TrackView::carRect(int slot) const {
    const Image& car = *cars_[slot];
    return QRectF(double{car.Left / twipsPerPixel} - x(), double{car.Top / twipsPerPixel} - y(),
                  double{car.Width / twipsPerPixel}, double{car.Height / twipsPerPixel});
}

void TrackView::render() {
    for (int slot = 0; slot < 6; ++slot) {
        if (cars_[slot]->Left == shownLeft_[slot])
            continue;
        const QRectF before = carRect(slot).translated(
            double{(shownLeft_[slot] - cars_[slot]->Left) / twipsPerPixel}, 0);
        shownLeft_[slot] = cars_[slot]->Left;
        update(before.united(carRect(slot)).toAlignedRect().adjusted(-1, 0, 1, 0));
    }
}

void TrackView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setClipRegion(event->region());

    // A thin sunken border, dark above and left, light below and right, painted only
    // when the dirty region reaches it: a moving car repaints inside the picture.
    const int border = track_.Border ? borderWidth : 0;
    const QRect outer = rect();
    if (!outer.adjusted(border, border, -border, -border).contains(event->rect())) {
        painter.fillRect(outer, QColor(255, 255, 255));
        painter.fillRect(outer.adjusted(0, 0, -1, -1), QColor(128, 128, 128));
        painter.fillRect(outer.adjusted(1, 1, -1, -1), QColor(192, 192, 192));
        painter.fillRect(outer.adjusted(1, 1, -2, -2), QColor(0, 0, 0));
    }
    // The picture goes on one dirty rectangle at a time: blended whole through a
    // region of many rows, Qt would share the work out to its thread pool and wake
    // two more threads at every race tick.
    const QImage& track = picture(track_.Picture);
    const QRect placed(QPoint(border, border), track.size());
    for (const QRect& dirty : event->region())
        if (const QRect piece = dirty & placed; !piece.isEmpty())
            painter.drawImage(piece.topLeft(), track, piece.translated(-placed.topLeft()));

    for (int slot = 0; slot < 6; ++slot)
        if (cars_[slot]->Visible)
            painter.drawImage(carRect(slot).topLeft(), picture(cars_[slot]->Picture));
}

} // namespace tarvelon::qt
