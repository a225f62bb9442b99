// Starting the Qt application, or failing plainly when there is no display.
#pragma once

#include <QApplication>

#include <memory>

namespace tarvelon::qt {

// The application, connected to the display. Where no display can be opened (none
// set, no server there, no compositor), Qt would abort with a core dump after advice
// to reinstall; instead this writes one line naming the display and exits with 1.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv);

// Whether the application runs on a Wayland compositor, through any of Qt's Wayland
// platforms.
bool onWayland();

} // namespace tarvelon::qt
