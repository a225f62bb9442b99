// The track and the six cars on it, painted by one widget.
//
// One widget that paints the track and the sprites moves the cars far more
// cheaply than six child widgets would, and repaints only where a car was or is.
#pragma once

#include "ui/toolkit/controls.h"

#include <QWidget>

#include <array>

namespace tarvelon::qt {

class TrackView : public QWidget {
public:
    // `track` is the framed track image control; `cars` its sprites, placed on the
    // same window.
    TrackView(const Image& track, std::array<const Image*, 6> cars, QWidget* parent);

    // Repaints the cars that moved since the last render.
    void render();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF carRect(int slot) const;

    const Image& track_;
    std::array<const Image*, 6> cars_;
    std::array<float, 6> shownLeft_{};
};

} // namespace tarvelon::qt
