// What a screen reader says each control of the two windows is.
#pragma once

#include <QString>

#include <string>

namespace tarvelon::qt {

// The accessible name of the control called `name`; empty for an unknown name.
QString accessibleNameOf(const std::string& name);

} // namespace tarvelon::qt
