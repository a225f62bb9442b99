// Helpers for driving and reading the real windows in widget tests.
#pragma once

#include "ui/qt/look.h"
#include "ui/toolkit/controls.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace tarvelon::testing {

template <class W = QWidget>
W* child(QWidget& window, const char* name) {
    return window.findChild<W*>(QString::fromLatin1(name));
}

// The window as the player sees it, painted as on a screen of `scale` device pixels a pixel.
inline QImage screenshot(QWidget& window, int scale = 1) {
    QImage shot(window.size() * scale, QImage::Format_RGB32);
    shot.setDevicePixelRatio(scale);
    window.render(&shot);
    return shot;
}

// The red car's picture at window pixel `at` of `shot` shows itself where it is opaque and the
// track, asphalt or the white start line from window column 52 to 56, where it is transparent.
// At a scale factor each picture pixel is a block of device pixels of its own colour.
inline void expectCarOverTrack(const QImage& shot, QPoint at) {
    const int scale = qRound(shot.devicePixelRatio());
    const QImage& car = qt::picture(PictureId::Car1);
    for (int y = 0; y < scale * car.height(); ++y)
        for (int x = 0; x < scale * car.width(); ++x) {
            const QColor own = car.pixelColor(x / scale, y / scale);
            const int column = at.x() + x / scale;
            const QColor track = column >= 52 && column <= 56 ? Qt::white : QColor(160, 160, 160);
            ASSERT_EQ(shot.pixelColor(scale * at.x() + x, scale * at.y() + y),
                      own.alpha() ? QColor(own.rgb()) : track)
                << "scale " << scale << ", device pixel " << x << "," << y;
        }
}

} // namespace tarvelon::testing
