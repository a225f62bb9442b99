// A whole race played with the keyboard alone, through the toolkit's own focus
// handling in the layout's tab order.
#include "widget_helpers.h"

#include "ui/qt/game.h"
#include "ui/qt/status_window.h"
#include "ui/toolkit/message_recorder.h"

#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::child;
using testing::waitUntil;

QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}
void press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}
// Presses `key` until the control called `name` has the focus, or, for no name,
// any car option: Tab enters the group of options once.
void pressUntilFocused(Qt::Key key, const char* name) {
    auto there = [name] {
        return name ? focused() == QLatin1String(name)
                    : qobject_cast<QRadioButton*>(QApplication::focusWidget()) != nullptr;
    };
    for (int presses = 0; presses < 40 && !there(); ++presses)
        press(key);
    ASSERT_TRUE(there()) << (name ? name : "an option") << ", not " << focused().toStdString();
}

TEST(KeyboardTest, AWholeRaceIsPlayedWithKeysAlone) {
    MessageRecorder messages;
    qt::Game game{&messages, [] {}};
    game.start();
    QWidget& window = game.window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // The first race of every run is won by blue, below where Tab enters the options.
    pressUntilFocused(Qt::Key_Tab, nullptr);
    pressUntilFocused(Qt::Key_Down, "blue");
    press(Qt::Key_Space);
    ASSERT_TRUE(child<QRadioButton>(window, "blue")->isChecked());
    pressUntilFocused(Qt::Key_Tab, "Text7");
    QTest::keyClicks(QApplication::focusWidget(), "100");
    pressUntilFocused(Qt::Key_Tab, "Command5");
    press(Qt::Key_Space);
    EXPECT_EQ(child<QLineEdit>(window, "money")->text(), QStringLiteral("900"));
    messages.shown.clear();
    pressUntilFocused(Qt::Key_Tab, "Command1");
    press(Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return !messages.shown.empty(); }, 10000));
    EXPECT_EQ(messages.shown[0].text, "Your car placed first in the race. You won $200");

    pressUntilFocused(Qt::Key_Tab, "Command6");
    press(Qt::Key_Space);
    QWidget* standings = game.shell().statusWindow();
    ASSERT_TRUE(standings && QTest::qWaitForWindowActive(standings));
    EXPECT_EQ(focused(), QStringLiteral("Command1")) << "its OK button";
    press(Qt::Key_Return);
    EXPECT_FALSE(standings->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window)) << "the focus is back in the game";
}

} // namespace
} // namespace tarvelon
