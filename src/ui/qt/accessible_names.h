// What a screen reader says each control of the two windows is.
#pragma once

#include "ui/main_form.h"
#include "ui/status_form.h"

#include <QString>

namespace tarvelon::qt {

// The accessible name of `control` of the window `window`, made from the window's own
// captions and car slots. For a label it is a pattern in which "%1" stands for its
// caption; empty for a picture that says nothing a player needs.
QString accessibleNameOf(Main& window, const Control& control);
QString accessibleNameOf(Status& window, const Control& control);

} // namespace tarvelon::qt
