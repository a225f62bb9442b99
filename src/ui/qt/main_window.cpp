// Building the game window: the track, the controls back to front, the tab order
// and the timers.
#include "main_window.h"

#include "accessible_names.h"
#include "fixed_window.h"
#include "fonts.h"
#include "pictures.h"
#include "readable_colors.h"
#include "twips.h"

#include <QCloseEvent>

namespace tarvelon::qt {

MainWindow::MainWindow(Main& model, Dispatcher& dispatcher)
    : model_(model), dispatcher_(dispatcher),
      builder_(dispatcher,
               [&model](const Control& control) { return accessibleNameOf(model, control); }),
      timers_(dispatcher) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QString::fromStdString(model.Caption));
    setFont(defaultFont());
    makeFixedWindow(*this, QSize(toPixels(Main::ClientWidth), toPixels(Main::ClientHeight)));
    paintInOwnColor(this, QColor(model.BackColor.r, model.BackColor.g, model.BackColor.b), true);

    buildControls();
    setTabOrder();
    for (const Main::TimerHandler& entry : Main::timerHandlers) {
        const Timer& timer = model_.*entry.timer;
        timers_.add(timer, [this, &timer] { model_.fire(timer); });
    }
}

void MainWindow::buildControls() {
    std::array<const Image*, 6> cars{};
    for (int slot = 0; slot < 6; ++slot)
        cars[slot] = &model_.slots()[slot].car;
    track_ = new TrackView(model_.Image6, cars, this);
    track_->setObjectName(QString::fromStdString(model_.Image6.Name));
    track_->setAccessibleName(QStringLiteral("Race track"));

    for (ControlRef control : model_.controls()) {
        std::visit(
            [&](auto* c) {
                using Kind = std::remove_pointer_t<decltype(c)>;
                if constexpr (std::is_same_v<Kind, Frame>)
                    builder_.frame(*c, this);
                else if constexpr (std::is_same_v<Kind, CommandButton>)
                    builder_.button(*c, this, [this, c] { model_.click(*c); });
                else if constexpr (std::is_same_v<Kind, TextBox>)
                    builder_.textBox(*c, this, [this] { model_.refuseStake(); });
                else if constexpr (std::is_same_v<Kind, Label>)
                    builder_.label(*c, this);
                else if constexpr (std::is_same_v<Kind, OptionButton>)
                    builder_.option(*c, this);
                else if constexpr (std::is_same_v<Kind, Image>)
                    builder_.image(*c, this);
                else
                    builder_.shape(*c, this);
            },
            control);
    }
}

void MainWindow::setTabOrder() {
    QWidget* previous = nullptr;
    for (const Control* control : model_.tabOrder()) {
        QWidget* widget = builder_.widgetFor(*control);
        if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void MainWindow::render() {
    if (shutDown_)
        return;
    builder_.render();
    track_->render();
    timers_.sync();
}

void MainWindow::shutDown() {
    shutDown_ = true;
    timers_.stopAll();
    hide();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The game decides: "Exit" closes both windows and ends the program.
    event->ignore();
    dispatcher_.dispatch([this] { model_.Command3_Click(); });
}

} // namespace tarvelon::qt
