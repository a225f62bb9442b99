// Modal message boxes with an OK button.
#include "qt_message_boxes.h"

#include <QMessageBox>

namespace tarvelon::qt {

namespace {
QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

QtMessageBoxes::QtMessageBoxes(std::function<void()> beforeShow)
    : beforeShow_(std::move(beforeShow)) {}

void QtMessageBoxes::show(std::string_view text, std::string_view title, MessageIcon icon) {
    if (beforeShow_)
        beforeShow_();
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information
                                                     : QMessageBox::NoIcon,
                    toQString(title), toQString(text), QMessageBox::Ok, parent_);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace tarvelon::qt
