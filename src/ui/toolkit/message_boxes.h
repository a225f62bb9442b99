// How the game tells the player things: modal message boxes with an OK button.
//
// The real front end shows a modal dialog and returns when the player presses OK;
// headless runs use the recorder in tests/support/message_recorder.h, which answers at once.
#pragma once

#include <string_view>

namespace tarvelon {

enum class MessageIcon { None, Information };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows `text` under `title` and returns once the player has pressed OK.
    virtual void show(std::string_view text, std::string_view title, MessageIcon icon) = 0;
};

} // namespace tarvelon
