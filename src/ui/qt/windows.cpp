// Building the two windows, sending the player's events to their handlers, and
// rendering the models after each.
#include "windows.h"

#include "look.h"
#include "window_keeping.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <utility>

namespace tarvelon::qt {

namespace {

// Gives the top-level `window` the fixed client `size` and a title bar with the window
// menu, minimise and close but no maximise, for the window manager's frame and any
// title bar that follows the window's flags; should it be maximised all the same, it
// comes back to its size.
void makeFixedWindow(QWidget& window, int clientWidth, int clientHeight) {
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    window.setFixedSize(toPixels(static_cast<float>(clientWidth)),
                        toPixels(static_cast<float>(clientHeight)));
    keepFixedSize(window);
}

// Sends what the player does to the controls of `form` to their handlers, by the road
// of every event.
void connectEvents(const Form& form, const ControlWidgets& widgets, Frontend& frontend) {
    for (ControlRef control : form.controls()) {
        if (CommandButton* const* button = std::get_if<CommandButton*>(&control)) {
            QObject::connect(static_cast<QPushButton*>(widgets.widgetFor(**button)),
                             &QPushButton::clicked,
                             [&frontend, button = *button] { frontend.handle(button->onClick); });
        } else if (OptionButton* const* option = std::get_if<OptionButton*>(&control)) {
            QObject::connect(
                static_cast<QRadioButton*>(widgets.widgetFor(**option)), &QRadioButton::clicked,
                [&frontend, option = *option] { frontend.handle([option] { option->click(); }); });
        } else if (TextBox* const* box = std::get_if<TextBox*>(&control)) {
            auto* edit = static_cast<QLineEdit*>(widgets.widgetFor(**box));
            // Typing writes the box's text into the model; no handler runs for it.
            QObject::connect(edit, &QLineEdit::textEdited,
                             [&frontend, box = *box](const QString& typed) {
                                 frontend.handle([&] { box->Text = typed.toStdString(); });
                             });
            if ((*box)->MaxLength > 0)
                refuseLongerThan(*edit, (*box)->MaxLength,
                                 [&frontend, box = *box] { frontend.handle(box->onTooLong); });
        }
    }
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

MainWindow::MainWindow(Main& model, Frontend& frontend) : model_(model), frontend_(frontend) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QString::fromStdString(model.Caption));
    setFont(defaultFont());
    makeFixedWindow(*this, Main::ClientWidth, Main::ClientHeight);
    paintInOwnColor(this, toQColor(model.BackColor), true);

    std::array<const Image*, 6> cars{};
    for (int slot = 0; slot < 6; ++slot)
        cars[slot] = &model.slots()[slot].car;
    track_ = new TrackView(model.Image6, cars, this);
    track_->setObjectName(QString::fromStdString(model.Image6.Name));
    track_->setAccessibleName(QString::fromStdString(model.Image6.AccessibleName));
    std::set<const Control*> paintedByTrack(cars.begin(), cars.end());
    paintedByTrack.insert(&model.Image6);
    widgets_.build(model, *this, paintedByTrack);
    connectEvents(model, widgets_, frontend);

    QWidget* previous = nullptr;
    for (const Control* control : model.tabOrder()) {
        QWidget* widget = widgets_.widgetFor(*control);
        if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void MainWindow::learnFrame() {
    winId();
    frameExtents_ = std::make_unique<FrameExtents>(
        *windowHandle(), [this](const QMargins& frame) { frameTold(frame); });
    setOuterSize();
}

void MainWindow::frameTold(const QMargins& frame) {
    // Most window managers tell while the first box is up, so the window is in its
    // place before it is shown; the others as they frame it, before its first paint.
    // The rule is run straight away, not as an event: the word may come while the load
    // handler waits on a box, when an event would be dropped.
    frame_ = frame;
    setOuterSize();
    model_.placeWindow();
    moveToLeftAndTop();
}

void MainWindow::setOuterSize() {
    const QSize outer = size().grownBy(frame_);
    model_.Width = static_cast<float>(outer.width()) * twipsPerPixel;
    model_.Height = static_cast<float>(outer.height()) * twipsPerPixel;
}

void MainWindow::moveToLeftAndTop() {
    // On Wayland the compositor places every window and a program cannot.
    if (onWayland())
        return;
    // Left and Top place the frame. An X11 window manager keeps the client area where
    // it is asked to be and builds the frame around it, so the client area goes
    // inside the frame's place.
    const QPoint screen = QGuiApplication::primaryScreen()->geometry().topLeft();
    const QPoint outerTopLeft = screen + QPoint(toPixels(model_.Left), toPixels(model_.Top));
    setGeometry(QRect(outerTopLeft + QPoint(frame_.left(), frame_.top()), size()));
}

void MainWindow::render() {
    widgets_.render();
    track_->render();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The game decides: "Exit" closes both windows and ends the program.
    event->ignore();
    frontend_.handle(model_.Command3.onClick);
}

StatusWindow::StatusWindow(Status& model, Frontend& frontend, QWidget& gameWindow)
    : QWidget(nullptr, Qt::Window), model_(model), frontend_(frontend), gameWindow_(gameWindow) {
    setObjectName(QStringLiteral("Status"));
    setWindowTitle(QString::fromStdString(model.Caption));
    setWindowIcon(statusWindowIcon());
    setFont(defaultFont());
    makeFixedWindow(*this, Status::ClientWidth, Status::ClientHeight);
    widgets_.build(model, *this, {});
    connectEvents(model, widgets_, frontend);
    keepOnScreens(*this, [this] { moveToLayoutPlace(); });
}

void StatusWindow::moveToLayoutPlace() {
    const QPoint screen = QGuiApplication::primaryScreen()->geometry().topLeft();
    move(screen + QPoint(toPixels(Status::LayoutLeft), toPixels(Status::LayoutTop)));
}

void StatusWindow::render() {
    widgets_.render();
    if (model_.Visible && !isVisible()) {
        if (!placed_) {
            moveToLayoutPlace();
            placed_ = true;
        }
        show();
        raise();
        activateWindow();
    } else if (!model_.Visible && isVisible()) {
        hide();
        if (gameWindow_.isVisible())
            gameWindow_.activateWindow();
    }
}

void StatusWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    frontend_.handle([this] { model_.Visible = false; });
}

Frontend::Frontend(MessageBoxes* messages, std::function<void()> onEnded)
    : onEnded_(onEnded ? std::move(onEnded) : [] { QApplication::quit(); }),
      model_({random_, messages ? *messages : *this, *this}),
      mainWindow_(std::make_unique<MainWindow>(model_, *this)) {
    for (Timer* timer : model_.timers()) {
        RealTimer& real = timers_.emplace_back(*timer);
        real.qtimer.setObjectName(QString::fromStdString(timer->Name));
        real.qtimer.setInterval(timer->Interval);
        // Precise, so the race ticks and the one-second signal keep to the millisecond.
        real.qtimer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&real.qtimer, &QTimer::timeout, [this, &real] { fire(real); });
    }
    render();
}

Frontend::~Frontend() = default;

void Frontend::start() {
    mainWindow_->learnFrame();
    handle([this] { model_.Form_Load(); });
    if (ended())
        return;
    mainWindow_->moveToLeftAndTop();
    // A screen that goes away or shrinks under the window: the load handler's rule again.
    keepOnScreens(*mainWindow_, [this] {
        model_.placeWindow();
        mainWindow_->moveToLeftAndTop();
    });
    // From now on the boxes are modal to, and centred on, the game window.
    boxParent_ = mainWindow_.get();
    // The icon's three sizes are decoded here, after the greeting, not before it.
    mainWindow_->setWindowIcon(mainWindowIcon());
    mainWindow_->show();
}

void Frontend::end() {
    if (ended())
        return;
    boxesClosed_ = true;
    if (openBox_)
        openBox_->done(QMessageBox::Ok);
    // Straight to the handler, even while another waits on a box: the windows close at
    // once, and what that handler does after its box no longer shows.
    model_.Command3_Click();
}

void Frontend::handle(const Handler& handler) {
    if (busy_ || !handler)
        return;
    busy_ = true;
    handler();
    busy_ = false;
    render();
}

void Frontend::fire(RealTimer& timer) {
    if (busy_)
        return;
    busy_ = true;
    const bool changed = timer.sleep.fire(timer.model.onTimer);
    busy_ = false;
    if (changed)
        render();
    // A firing that changed nothing renders nothing, so the timer that fell asleep
    // stops here.
    else if (!timer.sleep.shouldRun())
        timer.qtimer.stop();
}

void Frontend::render() {
    if (!mainClosed_) {
        mainWindow_->render();
        // A timer that stays enabled is left alone: QTimer::start() would restart it.
        for (RealTimer& timer : timers_) {
            const bool runs = timer.sleep.shouldRun();
            if (runs && !timer.qtimer.isActive())
                timer.qtimer.start();
            else if (!runs && timer.qtimer.isActive())
                timer.qtimer.stop();
        }
    }
    if (statusWindow_)
        statusWindow_->render();
}

Status& Frontend::status() {
    if (!status_) {
        status_ = std::make_unique<Status>();
        statusWindow_ = std::make_unique<StatusWindow>(*status_, *this, *mainWindow_);
    }
    return *status_;
}

void Frontend::closeMain() {
    mainClosed_ = true;
    for (RealTimer& timer : timers_)
        timer.qtimer.stop();
    mainWindow_->hide();
    if (ended())
        onEnded_();
}

void Frontend::closeStatus() {
    // The window goes before the model it shows.
    statusWindow_.reset();
    status_.reset();
    statusClosed_ = true;
    if (ended())
        onEnded_();
}

ScreenSize Frontend::screenSize() const {
    const QSize size = QGuiApplication::primaryScreen()->geometry().size();
    return {size.width() * double{twipsPerPixel}, size.height() * double{twipsPerPixel}};
}

void Frontend::show(std::string_view text, std::string_view title, MessageIcon icon) {
    if (boxesClosed_)
        return;
    render();
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information
                                                     : QMessageBox::NoIcon,
                    toQString(title), toQString(text), QMessageBox::Ok, boxParent_);
    box.setWindowModality(Qt::ApplicationModal);
    keepFixedSize(box);
    // Some desktop themes put a picture on the OK button; the game's boxes are plain.
    for (QAbstractButton* button : box.buttons())
        button->setIcon(QIcon());
    openBox_ = &box;
    box.exec();
}

} // namespace tarvelon::qt
