// A stand-in for message boxes that records each box, with what the player could
// read while it was open, and answers OK at once.
#pragma once

#include "ui/toolkit/message_boxes.h"

#include <functional>
#include <string>
#include <vector>

namespace tarvelon {

class MessageRecorder : public MessageBoxes {
public:
    struct Shown {
        std::string text;
        std::string title;
        MessageIcon icon;
        std::string screen; // what `describeScreen` said while the box was open
    };

    void show(std::string_view text, std::string_view title, MessageIcon icon) override {
        shown.push_back({std::string(text), std::string(title), icon,
                         describeScreen ? describeScreen() : std::string()});
    }

    std::vector<Shown> shown;
    // What the player can read at the moment a box opens, kept with the box.
    std::function<std::string()> describeScreen;
};

} // namespace tarvelon
