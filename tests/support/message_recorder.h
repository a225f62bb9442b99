// A stand-in for message boxes that records each box and answers OK at once.
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
    };

    void show(std::string_view text, std::string_view title, MessageIcon icon) override {
        shown.push_back({std::string(text), std::string(title), icon});
        if (whileShown)
            whileShown(shown.back());
    }

    std::vector<Shown> shown;
    // Runs while a box is "open", so a test can look at the game at that moment.
    std::function<void(const Shown&)> whileShown;
};

} // namespace tarvelon
