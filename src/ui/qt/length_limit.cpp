// A validator that refuses long edits, and one word of it to the game per refusal.
#include "length_limit.h"

#include <QLineEdit>
#include <QValidator>

#include <memory>
#include <utility>

namespace tarvelon::qt {

namespace {

class LengthLimit : public QValidator {
public:
    LengthLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}
    State validate(QString& input, int&) const override {
        return input.size() > limit_ ? Invalid : Acceptable;
    }

private:
    int limit_;
};

} // namespace

void refuseLongerThan(QLineEdit& edit, int limit, std::function<void()> onRefused) {
    edit.setValidator(new LengthLimit(limit, &edit));
    // A paste past Qt's own limit is rejected twice over, and told once.
    auto told = std::make_shared<bool>(false);
    QObject::connect(&edit, &QLineEdit::inputRejected, &edit,
                     [&edit, told, onRefused = std::move(onRefused)] {
                         if (std::exchange(*told, true))
                             return;
                         QMetaObject::invokeMethod(
                             &edit,
                             [told, onRefused] {
                                 *told = false;
                                 onRefused();
                             },
                             Qt::QueuedConnection);
                     });
}

} // namespace tarvelon::qt
