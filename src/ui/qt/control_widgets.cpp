// Building widgets from controls and pushing changed properties to them.
#include "control_widgets.h"

#include "fonts.h"
#include "painted_widgets.h"
#include "pictures.h"
#include "readable_colors.h"
#include "twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace tarvelon::qt {

namespace {

QColor toQColor(Color color) {
    return QColor(color.r, color.g, color.b);
}

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

// Paints `widget` in a control's own colour, with text chosen for it; none leaves the
// toolkit's colours. `filled` widgets (labels, options, frames) fill their whole rectangle.
void setBackground(QWidget* widget, std::optional<Color> color, bool filled) {
    if (color)
        paintInOwnColor(widget, toQColor(*color), filled);
}

// Refuses, whole, an edit that would make the text longer than `limit`. QLineEdit's own
// maximum length would cut a paste short and keep the rest without a word.
class LengthLimit : public QValidator {
public:
    LengthLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}
    State validate(QString& input, int&) const override {
        return input.size() > limit_ ? Invalid : Acceptable;
    }

private:
    int limit_;
};

Qt::Alignment toQt(Alignment align) {
    return (align == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
}

} // namespace

QWidget* WidgetBuilder::parentFor(const Control& control, QWidget* window) const {
    return control.Container ? widgets_.value(control.Container) : window;
}

void WidgetBuilder::place(QWidget* widget, const Control& control) {
    widget->setObjectName(toQString(control.Name));
    widget->setGeometry(toPixels(control));
    widget->setAccessibleName(names_(control));
    widget->setVisible(control.Visible);
    widgets_.insert(&control, widget);
    flags_.watch(&control.Visible, [widget](bool visible) { widget->setVisible(visible); });
}

QWidget* WidgetBuilder::frame(const Frame& frame, QWidget* window) {
    auto* box = new FrameWidget(toQString(frame.Caption), parentFor(frame, window));
    // A frame without a colour of its own has the desktop's, not its window's.
    if (frame.BackColor)
        paintInOwnColor(box, toQColor(*frame.BackColor), true);
    else
        paintInDesktopColors(box);
    place(box, frame);
    return box;
}

QWidget* WidgetBuilder::button(const CommandButton& button, QWidget* window,
                               std::function<void()> onClick) {
    auto* push = new QPushButton(toQString(button.Caption), parentFor(button, window));
    setBackground(push, button.BackColor, false);
    if (button.HandPointer) {
        if (!handPointer_)
            handPointer_ = handPointer();
        push->setCursor(*handPointer_);
    }
    // Return presses a focused button as Space does, in every window, not only in dialogs.
    push->setAutoDefault(true);
    push->setEnabled(button.Enabled);
    QObject::connect(push, &QPushButton::clicked,
                     [this, onClick = std::move(onClick)] { dispatcher_.dispatch(onClick); });
    place(push, button);
    flags_.watch(&button.Enabled, [this, push](bool on) { focus_.setEnabled(push, on); });
    return push;
}

QWidget* WidgetBuilder::textBox(TextBox& box, QWidget* window, std::function<void()> onTooLong) {
    auto* edit = new QLineEdit(toQString(box.Text), parentFor(box, window));
    edit->setFont(box.Font ? toQFont(*box.Font) : defaultFont());
    edit->setAlignment(toQt(box.Align));
    edit->setReadOnly(box.Locked);
    edit->setEnabled(box.Enabled);
    edit->setTextMargins(0, 0, 0, 0);
    setBackground(edit, box.BackColor, false);
    if (box.Locked)
        edit->setCursor(Qt::ArrowCursor);
    if (box.MaxLength > 0) {
        edit->setValidator(new LengthLimit(box.MaxLength, edit));
        // Told once the refused edit is undone, not in the middle of it; a paste past Qt's
        // own limit is rejected twice over, and told once.
        auto told = std::make_shared<bool>(false);
        QObject::connect(edit, &QLineEdit::inputRejected, edit, [this, edit, told, onTooLong] {
            if (std::exchange(*told, true))
                return;
            QMetaObject::invokeMethod(
                edit,
                [this, told, onTooLong] {
                    *told = false;
                    dispatcher_.dispatch(onTooLong);
                },
                Qt::QueuedConnection);
        });
    }
    // Typing writes the box's text into the model; no handler runs for it.
    QObject::connect(edit, &QLineEdit::textEdited, [this, &box](const QString& typed) {
        dispatcher_.dispatch([&] { box.Text = typed.toStdString(); });
    });
    place(edit, box);
    texts_.watch(&box.Text, [edit](const std::string& text) {
        // Typing already shows the text; setting it again would move the cursor.
        if (edit->text().toStdString() != text)
            edit->setText(toQString(text));
    });
    flags_.watch(&box.Enabled, [this, edit](bool on) { focus_.setEnabled(edit, on); });
    flags_.watch(&box.Locked, [edit](bool on) { edit->setReadOnly(on); });
    colors_.watch(&box.BackColor,
                  [edit](const std::optional<Color>& color) { setBackground(edit, color, false); });
    return edit;
}

QWidget* WidgetBuilder::label(const Label& label, QWidget* window) {
    auto* text = new QLabel(toQString(label.Caption), parentFor(label, window));
    text->setFont(label.Font ? toQFont(*label.Font) : defaultFont());
    text->setAlignment(toQt(label.Align));
    setBackground(text, label.BackColor, true);
    if (label.ForeColor) {
        QPalette palette = text->palette();
        palette.setColor(QPalette::WindowText, toQColor(*label.ForeColor));
        text->setPalette(palette);
    }
    place(text, label);
    // A reader hears a label only through its name, so the name follows the caption.
    const QString pattern = text->accessibleName();
    const auto show = [text, pattern](const std::string& caption) {
        text->setText(toQString(caption));
        if (pattern.contains(QLatin1String("%1")))
            text->setAccessibleName(pattern.arg(toQString(caption)));
    };
    show(label.Caption);
    texts_.watch(&label.Caption, show);
    return text;
}

QWidget* WidgetBuilder::option(OptionButton& option, QWidget* window) {
    auto* radio = new QRadioButton(toQString(option.Caption), parentFor(option, window));
    setBackground(radio, option.BackColor, true);
    radio->setChecked(option.Value());
    radio->setEnabled(option.Enabled);
    QObject::connect(radio, &QRadioButton::clicked,
                     [this, &option] { dispatcher_.dispatch([&] { option.click(); }); });
    place(radio, option);
    optionValues_.push_back({&option, option.Value(), radio});
    flags_.watch(&option.Enabled, [this, radio](bool on) { focus_.setEnabled(radio, on); });
    return radio;
}

QWidget* WidgetBuilder::image(const Image& image, QWidget* window) {
    auto* shown = new PictureWidget(picture(image.Picture), parentFor(image, window));
    place(shown, image);
    // Pictures are built back to front: this one lies in front of any that share its place.
    for (StackedPicture& behind : pictures_)
        if (behind.image->Container == image.Container && behind.image->Left == image.Left &&
            behind.image->Top == image.Top)
            behind.inFront.push_back(&image);
    pictures_.push_back({&image, shown, shown->accessibleName(), {}});
    return shown;
}

QWidget* WidgetBuilder::shape(const Shape& shape, QWidget* window) {
    auto* shown = new ShapeWidget(toQColor(shape.FillColor), toQColor(shape.BorderColor),
                                  parentFor(shape, window));
    place(shown, shape);
    return shown;
}

void WidgetBuilder::keepOptionsReachableByTab() {
    // Qt keeps one Tab stop in a group of options, on the option focused last. Once
    // that one is disabled (the car of the first bet), Tab would pass the whole group
    // by, so the stop moves to the selected option if it is enabled, else to the
    // first enabled one.
    const auto reachable = [](const OptionValue& shown) {
        return shown.radio->isEnabled() && (shown.radio->focusPolicy() & Qt::TabFocus);
    };
    if (optionValues_.empty() || std::any_of(optionValues_.begin(), optionValues_.end(), reachable))
        return;
    const auto enabled = [](const OptionValue& shown) { return shown.radio->isEnabled(); };
    auto stop =
        std::find_if(optionValues_.begin(), optionValues_.end(),
                     [&](const OptionValue& shown) { return enabled(shown) && shown.shown; });
    if (stop == optionValues_.end())
        stop = std::find_if(optionValues_.begin(), optionValues_.end(), enabled);
    if (stop != optionValues_.end())
        stop->radio->setFocusPolicy(Qt::StrongFocus);
}

void WidgetBuilder::render() {
    flags_.render();
    texts_.render();
    colors_.render();
    for (OptionValue& shown : optionValues_) {
        if (shown.shown == shown.option->Value())
            continue;
        shown.shown = !shown.shown;
        // Checking one option unchecks the others of its window, as in the model.
        if (shown.shown)
            shown.radio->setChecked(true);
    }
    keepOptionsReachableByTab();
    // A picture hidden behind a visible one says nothing: the start signal names
    // only the light the player sees. A name is set only when it changes, since each
    // change is announced to a screen reader and this runs at every race tick.
    for (const StackedPicture& stacked : pictures_) {
        const bool covered = std::any_of(stacked.inFront.begin(), stacked.inFront.end(),
                                         [](const Image* front) { return front->Visible; });
        const QString name = covered ? QString() : stacked.name;
        if (stacked.widget->accessibleName() != name)
            stacked.widget->setAccessibleName(name);
    }
}

} // namespace tarvelon::qt
