// A whole race played with the keyboard alone, through the toolkit's own focus
// handling in the layout's tab order.
#include "widget_helpers.h"

#include "ui/qt/game.h"
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
// Presses Tab until the control called `name` has the focus.
void tabTo(const char* name) {
    for (int presses = 0; presses < 40 && focused() != QLatin1String(name); ++presses)
        press(Qt::Key_Tab);
    ASSERT_EQ(focused(), QLatin1String(name));
}

TEST(KeyboardTest, AWholeRaceWithTwoBetsIsPlayedWithKeysAlone) {
    MessageRecorder messages;
    qt::Game game{&messages, [] {}};
    game.start();
    QWidget& window = game.window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const char* car : {"red", "blue"}) { // the first race of every run is won by blue
        tabTo("none");
        for (int presses = 0; presses < 7 && !child<QRadioButton>(window, car)->hasFocus();
             ++presses)
            press(Qt::Key_Up);
        press(Qt::Key_Space);
        ASSERT_TRUE(child<QRadioButton>(window, car)->isChecked());
        tabTo("Text7");
        QTest::keyClicks(QApplication::focusWidget(), "100");
        tabTo("Command5");
        press(Qt::Key_Space);
    }
    EXPECT_EQ(child<QLineEdit>(window, "money")->text(), QStringLiteral("800"));
    messages.shown.clear();
    tabTo("Command1");
    press(Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return !messages.shown.empty(); }, 10000));
    EXPECT_EQ(messages.shown[0].text, "Your car placed first in the race. You won $200");

    tabTo("Command6");
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
