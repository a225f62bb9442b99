// Helpers for driving and reading the real windows in widget tests.
#pragma once

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

namespace tarvelon::testing {

template <class W = QWidget>
W* child(QWidget& window, const char* name) {
    return window.findChild<W*>(QString::fromLatin1(name));
}

// The window as the player sees it.
inline QImage screenshot(QWidget& window) {
    QImage shot(window.size(), QImage::Format_RGB32);
    window.render(&shot);
    return shot;
}

} // namespace tarvelon::testing
