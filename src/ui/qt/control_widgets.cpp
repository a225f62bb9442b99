// Building widgets from controls and pushing changed properties to them.
#include "control_widgets.h"

#include "fonts.h"
#include "length_limit.h"
#include "painted_widgets.h"
#include "pictures.h"
#include "readable_colors.h"
#include "twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

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
    if (box.MaxLength > 0)
        refuseLongerThan(*edit, box.MaxLength,
                         [this, onTooLong] { dispatcher_.dispatch(onTooLong); });
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
    radio->setEnabled(option.Enabled);
    QObject::connect(radio, &QRadioButton::clicked,
                     [this, &option] { dispatcher_.dispatch([&] { option.click(); }); });
    place(radio, option);
    options_.add(option, radio);
    flags_.watch(&option.Enabled, [this, radio](bool on) {
        focus_.setEnabled(radio, on);
        options_.enabledChanged();
    });
    return radio;
}

QWidget* WidgetBuilder::image(const Image& image, QWidget* window) {
    auto* shown = new PictureWidget(picture(image.Picture), parentFor(image, window));
    place(shown, image);
    pictures_.add(image, shown);
    flags_.watch(&image.Visible, [this](bool) { pictures_.rename(); });
    pictures_.rename();
    return shown;
}

QWidget* WidgetBuilder::shape(const Shape& shape, QWidget* window) {
    auto* shown = new ShapeWidget(toQColor(shape.FillColor), toQColor(shape.BorderColor),
                                  parentFor(shape, window));
    place(shown, shape);
    return shown;
}

void WidgetBuilder::render() {
    flags_.render();
    texts_.render();
    colors_.render();
    options_.render();
}

} // namespace tarvelon::qt
