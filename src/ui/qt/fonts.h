// The fonts the layout names, mapped to ones a Debian desktop has.
#pragma once

#include "ui/toolkit/controls.h"

#include <QFont>

namespace tarvelon::qt {

// The window's default font for controls that name none.
QFont defaultFont();

// `spec` in pixels at 96 dpi, so the layout's sizes hold whatever the screen's dpi.
QFont toQFont(const FontSpec& spec);

} // namespace tarvelon::qt
