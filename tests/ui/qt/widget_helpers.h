// Helpers for driving and reading the real windows in widget tests.
#pragma once

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

} // namespace tarvelon::testing
