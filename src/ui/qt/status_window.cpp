// Building the standings window and showing it where the layout puts it.
#include "status_window.h"

#include "accessible_names.h"
#include "fixed_window.h"
#include "fonts.h"
#include "pictures.h"
#include "twips.h"
#include "window_keeping.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace tarvelon::qt {

StatusWindow::StatusWindow(Status& model, Dispatcher& dispatcher, QWidget* gameWindow)
    : QWidget(nullptr, Qt::Window), model_(model), dispatcher_(dispatcher),
      builder_(dispatcher,
               [&model](const Control& control) { return accessibleNameOf(model, control); }),
      gameWindow_(gameWindow) {
    setObjectName(QStringLiteral("Status"));
    setWindowTitle(QString::fromStdString(model.Caption));
    setWindowIcon(statusWindowIcon());
    setFont(defaultFont());
    makeFixedWindow(*this, QSize(toPixels(Status::ClientWidth), toPixels(Status::ClientHeight)));
    for (Label* label : model.labels())
        builder_.label(*label, this);
    builder_.button(model.Command1, this, [&model] { model.Command1_Click(); });
    keepOnScreens(*this, [this] { moveToLayoutPlace(); });
}

void StatusWindow::moveToLayoutPlace() {
    const QPoint screen = QGuiApplication::primaryScreen()->geometry().topLeft();
    move(screen + QPoint(toPixels(Status::LayoutLeft), toPixels(Status::LayoutTop)));
}

void StatusWindow::render() {
    builder_.render();
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
        if (gameWindow_ && gameWindow_->isVisible())
            gameWindow_->activateWindow();
    }
}

void StatusWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    dispatcher_.dispatch([this] { model_.Visible = false; });
}

} // namespace tarvelon::qt
