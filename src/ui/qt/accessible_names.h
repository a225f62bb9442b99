// What a screen reader says each control of the two windows is.
#pragma once

#include <QString>

#include <string>

namespace tarvelon::qt {

// The accessible name of the control called `name` in the window called `window`
// ("Main" or "Status"); for a label, a pattern in which "%1" stands for its
// caption. Empty for a control that is not listed.
QString accessibleNameOf(const QString& window, const std::string& name);

} // namespace tarvelon::qt
