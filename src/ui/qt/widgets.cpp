// Building widgets from controls and pushing changed properties to them.
#include "widgets.h"

#include "look.h"
#include "painted_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

#include <algorithm>
#include <memory>
#include <utility>

namespace tarvelon::qt {

namespace {

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

Qt::Alignment toQt(Alignment align) {
    return (align == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
}

// What a screen reader calls `control` while it shows `caption`.
QString accessibleName(const Control& control, const QString& caption) {
    const QString pattern = toQString(control.AccessibleName);
    if (pattern.isEmpty())
        return caption;
    return pattern.contains(QLatin1String("%1")) ? pattern.arg(caption) : pattern;
}

// The caption of the kinds of control that have one, for their accessible names.
QString captionOf(const Control& control) {
    if (const auto* frame = dynamic_cast<const Frame*>(&control))
        return toQString(frame->Caption);
    if (const auto* button = dynamic_cast<const CommandButton*>(&control))
        return toQString(button->Caption);
    if (const auto* option = dynamic_cast<const OptionButton*>(&control))
        return toQString(option->Caption);
    return {};
}

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

void ControlWidgets::build(const Form& form, QWidget& window,
                           const std::set<const Control*>& paintedElsewhere) {
    for (ControlRef ref : form.controls()) {
        const Control& control = *std::visit([](auto* c) -> Control* { return c; }, ref);
        if (paintedElsewhere.count(&control))
            continue;
        QWidget* parent = control.Container ? widgets_.value(control.Container) : &window;
        QWidget* widget = std::visit([&](auto* c) { return make(*c, parent); }, ref);
        widget->setObjectName(toQString(control.Name));
        widget->setGeometry(toPixels(control));
        if (!dynamic_cast<const Label*>(&control)) // a label's name follows its caption
            widget->setAccessibleName(accessibleName(control, captionOf(control)));
        widget->setVisible(control.Visible);
        watch(control.Visible, [widget](bool visible) { widget->setVisible(visible); });
        widgets_.insert(&control, widget);
    }
    nameStackedPictures();
}

QWidget* ControlWidgets::make(const Frame& frame, QWidget* parent) {
    auto* box = new FrameWidget(toQString(frame.Caption), parent);
    // A frame without a colour of its own has the desktop's, not its window's.
    if (frame.BackColor)
        paintInOwnColor(box, toQColor(*frame.BackColor), true);
    else
        paintInDesktopColors(box);
    return box;
}

QWidget* ControlWidgets::make(const CommandButton& button, QWidget* parent) {
    auto* push = new QPushButton(toQString(button.Caption), parent);
    if (button.BackColor)
        paintInOwnColor(push, toQColor(*button.BackColor), false);
    if (button.HandPointer) {
        if (!handPointer_)
            handPointer_ = handPointer();
        push->setCursor(*handPointer_);
    }
    // Return presses a focused button as Space does, in every window, not only in dialogs.
    push->setAutoDefault(true);
    push->setEnabled(button.Enabled);
    watch(button.Enabled, [this, push](bool on) { setEnabled(push, on); });
    return push;
}

QWidget* ControlWidgets::make(const TextBox& box, QWidget* parent) {
    auto* edit = new QLineEdit(toQString(box.Text), parent);
    edit->setFont(box.Font ? toQFont(*box.Font) : defaultFont());
    edit->setAlignment(toQt(box.Align));
    edit->setReadOnly(box.Locked);
    edit->setEnabled(box.Enabled);
    edit->setTextMargins(0, 0, 0, 0);
    const auto paint = [edit](const std::optional<Color>& color) {
        if (color)
            paintInOwnColor(edit, toQColor(*color), false);
    };
    paint(box.BackColor);
    if (box.Locked)
        edit->setCursor(Qt::ArrowCursor);
    watch(box.Text, [edit](const std::string& text) {
        // Typing already shows the text; setting it again would move the cursor.
        if (edit->text().toStdString() != text)
            edit->setText(toQString(text));
    });
    watch(box.Enabled, [this, edit](bool on) { setEnabled(edit, on); });
    watch(box.Locked, [edit](bool on) { edit->setReadOnly(on); });
    watch(box.BackColor, paint);
    return edit;
}

QWidget* ControlWidgets::make(const Label& label, QWidget* parent) {
    auto* text = new QLabel(parent);
    text->setFont(label.Font ? toQFont(*label.Font) : defaultFont());
    text->setAlignment(toQt(label.Align));
    if (label.BackColor)
        paintInOwnColor(text, toQColor(*label.BackColor), true);
    if (label.ForeColor) {
        QPalette palette = text->palette();
        palette.setColor(QPalette::WindowText, toQColor(*label.ForeColor));
        text->setPalette(palette);
    }
    // A reader hears a label only through its name, so the name follows the caption.
    const auto show = [text, &label](const std::string& caption) {
        text->setText(toQString(caption));
        text->setAccessibleName(accessibleName(label, text->text()));
    };
    show(label.Caption);
    watch(label.Caption, show);
    return text;
}

QWidget* ControlWidgets::make(const OptionButton& option, QWidget* parent) {
    auto* radio = new QRadioButton(toQString(option.Caption), parent);
    if (option.BackColor)
        paintInOwnColor(radio, toQColor(*option.BackColor), true);
    radio->setEnabled(option.Enabled);
    radio->setChecked(option.Value());
    if (option.Value())
        checkedOption_ = &option;
    options_.emplace_back(&option, radio);
    watch(option.Enabled, [this, radio](bool on) {
        setEnabled(radio, on);
        optionsChanged_ = true;
    });
    return radio;
}

QWidget* ControlWidgets::make(const Image& image, QWidget* parent) {
    pictures_.emplace_back(&image, toQString(image.AccessibleName));
    watch(image.Visible, [this](bool) { nameStackedPictures(); });
    return new PictureWidget(picture(image.Picture), parent);
}

QWidget* ControlWidgets::make(const Shape& shape, QWidget* parent) {
    return new ShapeWidget(toQColor(shape.FillColor), toQColor(shape.BorderColor), parent);
}

void ControlWidgets::render() {
    for (const auto& check : watches_)
        check();
    for (const auto& [option, radio] : options_) {
        if (!option->Value() || option == checkedOption_)
            continue;
        // Checking one radio unchecks the others of its window, as in the model.
        radio->setChecked(true);
        checkedOption_ = option;
        optionsChanged_ = true;
    }
    if (std::exchange(optionsChanged_, false))
        keepOptionsReachableByTab();
}

void ControlWidgets::setEnabled(QWidget* widget, bool enabled) {
    QWidget* window = widget->window();
    if (!enabled && window->focusWidget() == widget) {
        window->setFocus(Qt::OtherFocusReason);
        focusParkedFrom_ = widget;
    }
    widget->setEnabled(enabled);
    if (enabled && widget == focusParkedFrom_) {
        if (window->focusWidget() == window)
            widget->setFocus(Qt::OtherFocusReason);
        focusParkedFrom_.clear();
    }
}

void ControlWidgets::keepOptionsReachableByTab() {
    const auto reachable = [](const auto& member) {
        return member.second->isEnabled() && (member.second->focusPolicy() & Qt::TabFocus);
    };
    if (std::any_of(options_.begin(), options_.end(), reachable))
        return;
    const auto enabled = [](const auto& member) { return member.second->isEnabled(); };
    auto stop = std::find_if(options_.begin(), options_.end(), [&](const auto& member) {
        return enabled(member) && member.first == checkedOption_;
    });
    if (stop == options_.end())
        stop = std::find_if(options_.begin(), options_.end(), enabled);
    if (stop != options_.end())
        stop->second->setFocusPolicy(Qt::StrongFocus);
}

void ControlWidgets::nameStackedPictures() {
    for (auto behind = pictures_.begin(); behind != pictures_.end(); ++behind) {
        const Image& image = *behind->first;
        const bool covered =
            std::any_of(std::next(behind), pictures_.end(), [&](const auto& front) {
                return front.first->Visible && front.first->Container == image.Container &&
                       front.first->Left == image.Left && front.first->Top == image.Top;
            });
        QWidget* widget = widgets_.value(&image);
        const QString name = covered ? QString() : behind->second;
        if (widget && widget->accessibleName() != name)
            widget->setAccessibleName(name);
    }
}

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
