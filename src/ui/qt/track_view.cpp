// Painting the track, its border and the cars.
#include "track_view.h"

#include "pictures.h"
#include "twips.h"

#include <QPaintEvent>
#include <QPainter>

namespace tarvelon::qt {

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
