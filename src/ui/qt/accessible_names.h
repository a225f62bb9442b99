// What a screen reader says each control of the two windows is, or shows.
#pragma once

#include <QString>

#include <string>

namespace tarvelon::qt {

// The accessible name of the control called `name` in the window called `window`
// ("Main" or "Status"); for a label, the lead said before its caption; empty for
// an unknown control or a label whose caption says it all.
QString accessibleNameOf(const QString& window, const std::string& name);

// The accessible name of the label called `name` while it shows `caption`.
QString labelNameOf(const QString& window, const std::string& name, const std::string& caption);

} // namespace tarvelon::qt
