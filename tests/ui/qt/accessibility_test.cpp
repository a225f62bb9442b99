// What a screen reader gets from the real windows, and a whole race played with
// the keyboard alone through the toolkit's own focus handling.
#include "widget_helpers.h"

#include "ui/qt/game.h"
#include "ui/toolkit/message_recorder.h"

#include <QAccessible>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::child;
using testing::waitUntil;

std::string spokenName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
}

// Every label's name holds its caption as words of their own.
void expectLabelsSpeakTheirCaptions(QWidget& window) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        const QRegularExpression words("(^|\\W)" + QRegularExpression::escape(label->text()) +
                                       "(\\W|$)");
        EXPECT_TRUE(QString::fromStdString(spokenName(label)).contains(words))
            << label->objectName().toStdString() << " says \"" << spokenName(label) << "\" for \""
            << label->text().toStdString() << "\"";
    }
}

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&game.window()));
    }

    QWidget* focused() { return QApplication::focusWidget(); }
    void press(Qt::Key key) { QTest::keyClick(focused(), key); }
    // Tabs on until `name` has the focus, as a player would.
    void tabTo(const char* name) {
        for (int presses = 0; presses < 40 && focused()->objectName() != QLatin1String(name);
             ++presses)
            press(Qt::Key_Tab);
        ASSERT_EQ(focused()->objectName(), QLatin1String(name));
    }
    // Tabs into the option group, then picks `car` with the arrow keys and Space.
    void pickWithArrows(const char* car) {
        // Tab stops once in the group: at its selected option, or its first.
        for (int presses = 0; presses < 40 && !qobject_cast<QRadioButton*>(focused()); ++presses)
            press(Qt::Key_Tab);
        for (Qt::Key arrow : {Qt::Key_Down, Qt::Key_Up})
            for (int presses = 0; presses < 7 && focused()->objectName() != QLatin1String(car);
                 ++presses)
                press(arrow);
        ASSERT_EQ(focused()->objectName(), QLatin1String(car));
        press(Qt::Key_Space);
        EXPECT_TRUE(qobject_cast<QRadioButton*>(focused())->isChecked());
    }
    void betByKeyboard(const char* car, const char* stake) {
        pickWithArrows(car);
        tabTo("Text7");
        QTest::keyClicks(focused(), stake); // Tab selected the "0", so typing replaces it
        tabTo("Command5");
        press(Qt::Key_Space);
    }

    MessageRecorder messages;
    bool ended = false;
    qt::Game game{&messages, [this] { ended = true; }};
};

TEST_F(AccessibilityTest, AWholeRaceWithTwoBetsIsPlayedByKeyboardAndEveryLabelIsHeard) {
    QWidget& window = game.window();
    expectLabelsSpeakTheirCaptions(window);
    EXPECT_EQ(spokenName(child(window, "Image10")), "Start signal: amber light");
    EXPECT_TRUE(spokenName(child(window, "Image5")).empty()) << "hidden behind the amber light";

    betByKeyboard("blue", "100"); // the first race of every run is won by the blue car
    betByKeyboard("red", "50");
    EXPECT_EQ(spokenName(child(window, "Bet")), "First bet: Blue Streak");
    EXPECT_EQ(spokenName(child(window, "bet2")), "Second bet: Red Ryder");
    expectLabelsSpeakTheirCaptions(window);

    tabTo("Command1");
    press(Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return !child(window, "Image10")->isVisible(); }));
    EXPECT_EQ(spokenName(child(window, "Image5")), "Start signal: green light, go");
    ASSERT_TRUE(waitUntil([&] { return !messages.shown.empty(); }, 10000));
    ASSERT_TRUE(waitUntil([&] { return child(window, "Command1")->isEnabled(); }));
    EXPECT_EQ(spokenName(child(window, "Bet")), "First bet: No Bet");
    expectLabelsSpeakTheirCaptions(window);

    // The standings, opened and put away from the keyboard, with the focus on OK.
    tabTo("Command6");
    press(Qt::Key_Space);
    QWidget* standings = game.shell().statusWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(standings));
    expectLabelsSpeakTheirCaptions(*standings);
    EXPECT_EQ(spokenName(child(*standings, "Label11")), "Blueberry, wins: 1");
    EXPECT_EQ(spokenName(child(*standings, "Label8")), "Red Ryder, losses: 1");
    EXPECT_EQ(focused(), child(*standings, "Command1"));
    press(Qt::Key_Return);
    EXPECT_FALSE(standings->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    messages.shown.clear();
    tabTo("Command4");
    press(Qt::Key_Return);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "About Tarvelon 2000");
    tabTo("Command3");
    press(Qt::Key_Space);
    EXPECT_TRUE(ended);
}

} // namespace
} // namespace tarvelon
