// A text box that takes a text whole or refuses it whole.
#pragma once

#include <functional>

class QLineEdit;

namespace tarvelon::qt {

// From now on `edit` refuses, whole, any typing or paste that would make its text longer
// than `limit`, keeps what it held, and runs `onRefused` once the refused edit is undone.
// QLineEdit's own maximum length would cut a paste short and keep the rest without a word.
void refuseLongerThan(QLineEdit& edit, int limit, std::function<void()> onRefused);

} // namespace tarvelon::qt
