// Message boxes as modal QMessageBox dialogs.
#pragma once

#include "ui/toolkit/message_boxes.h"

#include <QMessageBox>
#include <QPointer>

#include <functional>

namespace tarvelon::qt {

class QtMessageBoxes : public MessageBoxes {
public:
    // `beforeShow` runs before each box opens, so the screen shows the game as the
    // handler has left it so far.
    explicit QtMessageBoxes(std::function<void()> beforeShow = {});

    // The window the boxes are modal to and centred on; none before it exists.
    void setParent(QWidget* parent) { parent_ = parent; }

    void show(std::string_view text, std::string_view title, MessageIcon icon) override;

    // Closes the box that is open, if any, and shows none from now on: the program is ending.
    void closeForGood();

private:
    std::function<void()> beforeShow_;
    QWidget* parent_ = nullptr;
    QPointer<QMessageBox> open_;
    bool closed_ = false;
};

} // namespace tarvelon::qt
