// A whole game as players play it: the start-up lines, two bets, a race, the win message, the reset
// and the standings by the keyboard alone, the labels heard as a screen reader hears them; pasted
// stakes refused; and the ways the program ends.
#include "widget_helpers.h"

#include "support/message_recorder.h"
#include "ui/qt/windows.h"
#include "ui/texts.h"

#include <QAccessible>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::child;

std::string spokenName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
}

class FullGameTest : public ::testing::Test {
protected:
    void start() {
        game.start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&game.gameWindow()));
    }
    QWidget& window() { return game.gameWindow(); }
    void click(const char* name) { QTest::mouseClick(child(window(), name), Qt::LeftButton); }
    QString text(const char* name) { return child<QLineEdit>(window(), name)->text(); }

    QWidget* focused() { return QApplication::focusWidget(); }
    void press(Qt::Key key) { QTest::keyClick(focused(), key); }
    // Presses `key` until `name` has the focus, as a player would, at most `times` times.
    void pressUntil(Qt::Key key, const char* name, int times = 40) {
        for (; times > 0 && focused()->objectName() != QLatin1String(name); --times)
            press(key);
    }
    void tabTo(const char* name) {
        pressUntil(Qt::Key_Tab, name);
        ASSERT_EQ(focused()->objectName(), QLatin1String(name));
    }
    // Tabs into the option group, where Tab stops once, picks `car` with the arrow keys and
    // Space, types `stake` over the "0" that Tab selects, and presses Place Bet.
    void betByKeyboard(const char* car, const char* stake) {
        for (int presses = 0; presses < 40 && !qobject_cast<QRadioButton*>(focused()); ++presses)
            press(Qt::Key_Tab);
        pressUntil(Qt::Key_Down, car, 7);
        pressUntil(Qt::Key_Up, car, 7);
        ASSERT_EQ(focused()->objectName(), QLatin1String(car));
        press(Qt::Key_Space);
        tabTo("Text7");
        QTest::keyClicks(focused(), stake);
        tabTo("Command5");
        press(Qt::Key_Space);
    }

    MessageRecorder messages;
    bool ended = false;
    qt::Frontend game{&messages, [this] { ended = true; }};
};

TEST_F(FullGameTest, AWholeRaceWithTwoBetsIsPlayedByKeyboardAndEveryLabelIsHeard) {
    messages.describeScreen = [&] { return window().isVisible() ? "window" : "no window"; };
    start();
    ASSERT_EQ(messages.shown.size(), 3u);
    for (const MessageRecorder::Shown& box : messages.shown)
        EXPECT_EQ(box.screen, "no window") << "the start-up lines come before the window";
    messages.describeScreen = {};
    messages.shown.clear();
    EXPECT_EQ(spokenName(child(window(), "Image10")), "Start signal: amber light");
    EXPECT_TRUE(spokenName(child(window(), "Image5")).empty()) << "hidden behind the amber light";

    // The standings take the focus on OK, and give it back when they hide.
    tabTo("Command6");
    press(Qt::Key_Space);
    QWidget* standings = game.standingsWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(standings));
    EXPECT_EQ(focused(), child(*standings, "Command1"));
    press(Qt::Key_Return);
    EXPECT_FALSE(standings->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));

    betByKeyboard("blue", "100"); // the first race of every run is won by the blue car
    betByKeyboard("red", "50");
    EXPECT_EQ(text("money") + text("Text10") + text("Text13"), QStringLiteral("85010050"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !child(window(), "Command5")->isEnabled(); }));
    EXPECT_FALSE(child(window(), "Text7")->isEnabled() || child(window(), "none")->isEnabled());
    EXPECT_EQ(spokenName(child(window(), "Bet")), "First bet: Blue Streak");
    EXPECT_EQ(spokenName(child(window(), "bet2")), "Second bet: Red Ryder");

    tabTo("Command1");
    press(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !child(window(), "Image10")->isVisible(); }));
    EXPECT_EQ(spokenName(child(window(), "Image5")), "Start signal: green light, go");
    EXPECT_EQ(qobject_cast<QLineEdit*>(focused()), nullptr) << "the focus is not on a name box";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.shown.empty(); }, 10000));
    EXPECT_EQ(messages.shown[0].text, "Your car placed first in the race. You won $200");
    // The board is reset for the next race.
    ASSERT_TRUE(QTest::qWaitFor([&] { return child(window(), "Command1")->isEnabled(); }));
    EXPECT_EQ(text("money") + text("Text10"), QStringLiteral("10500"));
    EXPECT_TRUE(child<QRadioButton>(window(), "none")->isChecked());
    EXPECT_TRUE(child(window(), "Image3")->isVisible() && !child(window(), "Text7")->isEnabled());
    EXPECT_EQ(focused(), child(window(), "Command1")) << "back on GO!";
    press(Qt::Key_Space); // the second race, won by the yellow car
    ASSERT_TRUE(QTest::qWaitFor([&] { return child(window(), "Command1")->isEnabled(); }, 10000));

    // The same standings window again, with the races it missed while hidden.
    tabTo("Command6");
    press(Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitForWindowActive(standings));
    EXPECT_EQ(game.standingsWindow(), standings) << "one standings window per run";
    EXPECT_EQ(spokenName(child(*standings, "Label11")), "Blueberry, wins: 1");
    EXPECT_EQ(spokenName(child(*standings, "Label8")), "Red Ryder, losses: 2");
    standings->close();
    EXPECT_FALSE(standings->isVisible()) << "its close control hides it";
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));

    tabTo("Command4");
    press(Qt::Key_Return);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].title, "About Tarvelon 2000");
    tabTo("Command3");
    press(Qt::Key_Space);
    EXPECT_TRUE(ended);
    EXPECT_FALSE(window().isVisible());
}

// A paste a character too long for the amount box is refused whole and at once, and so is one
// past Qt's own limit, told once though Qt rejects it twice over. One that fits is taken whole.
TEST_F(FullGameTest, PastedStakesAreTakenWholeOrRefusedWhole) {
    start();
    click("red");
    auto* stake = child<QLineEdit>(window(), "Text7");
    const QString fits = QString(62, QLatin1Char('0')) + QStringLiteral("50"); // 64 characters
    for (const QString& pasted :
         {QLatin1Char('0') + fits, QString(32768, QLatin1Char('7')), fits}) {
        stake->selectAll();
        QApplication::clipboard()->setText(pasted);
        QTest::keySequence(stake, QKeySequence::Paste);
        QApplication::processEvents();
    }
    ASSERT_EQ(messages.shown.size(), 5u) << "three start-up boxes, then a refusal for each paste";
    EXPECT_EQ(messages.shown[3].text + messages.shown[4].text,
              std::string(texts::refusedStake) + texts::refusedStake);
    click("Command5");
    EXPECT_EQ(text("money") + " " + text("Text10"), "950 " + fits);
    window().close(); // the frame's close control ends the program as Exit does
    EXPECT_TRUE(ended);
}

} // namespace
} // namespace tarvelon
