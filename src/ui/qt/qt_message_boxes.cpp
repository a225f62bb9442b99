// Modal message boxes with an OK button.
#include "qt_message_boxes.h"

#include "window_keeping.h"

#include <QAbstractButton>

namespace tarvelon::qt {

namespace {
QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

QtMessageBoxes::QtMessageBoxes(std::function<void()> beforeShow)
    : beforeShow_(std::move(beforeShow)) {}

void QtMessageBoxes::show(std::string_view text, std::string_view title, MessageIcon icon) {
    if (closed_)
        return;
    if (beforeShow_)
        beforeShow_();
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information
                                                     : QMessageBox::NoIcon,
                    toQString(title), toQString(text), QMessageBox::Ok, parent_);
    box.setWindowModality(Qt::ApplicationModal);
    keepFixedSize(box);
    // Some desktop themes put a picture on the OK button; the game's boxes are plain.
    for (QAbstractButton* button : box.buttons())
        button->setIcon(QIcon());
    open_ = &box;
    box.exec();
}

void QtMessageBoxes::closeForGood() {
    closed_ = true;
    if (open_)
        open_->done(QMessageBox::Ok);
}

} // namespace tarvelon::qt
