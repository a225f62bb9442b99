// The game's pictures, compiled in as resources, and the pointer and icons made
// from them.
#pragma once

#include "ui/toolkit/controls.h"

#include <QCursor>
#include <QIcon>
#include <QImage>

namespace tarvelon::qt {

// The picture an image control shows.
const QImage& picture(PictureId id);

// The white hand shown over command buttons; its hot spot is the fingertip.
QCursor handPointer();

QIcon mainWindowIcon();
QIcon statusWindowIcon();

} // namespace tarvelon::qt
