// Widgets that paint the simple controls: pictures, frames and shapes.
//
// An image control: a picture at its natural size, transparent where the picture
// is, and drawn without smoothing, so on a high-dpi screen every pixel of the art
// stays a block of its own colour.
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

} // namespace tarvelon::qt
