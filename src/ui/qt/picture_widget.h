// An image control: a picture at its natural size, transparent where the picture
// is, and scaled by whole pixels on high-dpi screens so the pixel art stays sharp.
#pragma once

#include <QImage>
#include <QWidget>

namespace tarvelon::qt {

class PictureWidget : public QWidget {
public:
    PictureWidget(const QImage& image, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& image_;
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

} // namespace tarvelon::qt
