// Widgets that paint controls of their own: pictures, frames, shapes, and the
// track with its cars.
//
// Pictures are drawn at their natural size without smoothing, so on a high-dpi
// screen every pixel of the art stays a block of its own colour.
#pragma once

#include "ui/toolkit/controls.h"

#include <QImage>
#include <QWidget>

#include <array>

namespace tarvelon::qt {

// An image control: its picture, transparent where the picture is.
class PictureWidget : public QWidget {
public:
    PictureWidget(const QImage& image, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& image_;
};

// A frame: an etched rectangle with its caption set into the top edge, so the
// controls placed inside sit just below the caption as the layout expects.
class FrameWidget : public QWidget {
public:
    FrameWidget(const QString& caption, QWidget* parent);

    const QString& caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

// The rectangle shape behind the title pictures.
class ShapeWidget : public QWidget {
public:
    ShapeWidget(QColor fill, QColor border, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_, border_;
};

// The track and the six cars on it. One widget that paints the track and the
// sprites moves the cars far more cheaply than six child widgets would, and
// repaints only where a car was or is.
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
