// Helpers for driving and reading the real windows in widget tests.
#pragma once

#include "ui/toolkit/controls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <functional>

namespace tarvelon::testing {

// Processes events until `done()` holds or `timeoutMs` passes; returns `done()`.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done() && elapsed.elapsed() < timeoutMs)
        QTest::qWait(5);
    return done();
}

template <class W = QWidget>
W* child(QWidget& window, const char* name) {
    return window.findChild<W*>(QString::fromLatin1(name));
}

// The window as the player sees it, one image pixel per logical pixel.
inline QImage screenshot(QWidget& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A control's place in pixels, converted here once: the layout assumes 15 twips a pixel.
inline QRect inPixels(const Control& control) {
    return QRect(qRound(control.Left / 15), qRound(control.Top / 15), qRound(control.Width / 15),
                 qRound(control.Height / 15));
}

} // namespace tarvelon::testing
