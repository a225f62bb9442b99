// A whole game through real clicks, typing and pasting: start-up, a bet, a race,
// the win message, the reset, refused stakes, and the two ways the program ends.
#include "widget_helpers.h"

#include "ui/qt/game.h"
#include "ui/texts.h"
#include "ui/toolkit/message_recorder.h"

#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::child;
using testing::waitUntil;

class FullGameTest : public ::testing::Test {
protected:
    void start() {
        game.start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&game.window()));
    }
    QWidget& window() { return game.window(); }
    void click(const char* name) { QTest::mouseClick(child(window(), name), Qt::LeftButton); }
    QString text(const char* name) { return child<QLineEdit>(window(), name)->text(); }
    // Chooses `car`, types `stake` over what the amount box holds and presses Place Bet.
    void bet(const char* car, const char* stake) {
        click(car);
        auto* box = child<QLineEdit>(window(), "Text7");
        box->selectAll();
        QTest::keyClicks(box, stake);
        click("Command5");
    }

    MessageRecorder messages;
    bool ended = false;
    qt::Game game{&messages, [this] { ended = true; }};
};

TEST_F(FullGameTest, StartUpGreetsThePlayerBeforeTheWindowIsShown) {
    bool shownDuringGreeting = true;
    messages.whileShown = [&](const auto&) { shownDuringGreeting = window().isVisible(); };
    start();
    EXPECT_EQ(messages.shown.size(), 3u);
    EXPECT_FALSE(shownDuringGreeting);
}

TEST_F(FullGameTest, ABetOnTheWinnerIsPaidAndTheBoardResets) {
    start();
    messages.shown.clear();
    bet("blue", "150"); // the first race of every run is won by the blue car
    EXPECT_EQ(text("money") + text("Text10") + text("Text7"), QStringLiteral("8501500"));
    EXPECT_FALSE(child(window(), "blue")->isEnabled());

    click("Command1");
    ASSERT_TRUE(waitUntil([&] { return !messages.shown.empty(); }, 10000));
    EXPECT_EQ(messages.shown[0].text, "Your car placed first in the race. You won $300");
    EXPECT_TRUE(waitUntil([&] { return text("money") == QStringLiteral("1150"); }));
    EXPECT_TRUE(child(window(), "Command1")->isEnabled() && child(window(), "Image3")->isVisible());
    EXPECT_TRUE(child<QRadioButton>(window(), "none")->isChecked());
    EXPECT_FALSE(child(window(), "Text7")->isEnabled());
    EXPECT_EQ(text("Text10"), QStringLiteral("0"));
}

TEST_F(FullGameTest, BettingClosesOnScreenOnceBothBetsArePlaced) {
    start();
    bet("red", "10");
    bet("green", "10");
    EXPECT_TRUE(waitUntil([&] { return !child(window(), "Command5")->isEnabled(); }));
    EXPECT_FALSE(child(window(), "Text7")->isEnabled() || child(window(), "none")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>(window(), "green")->isChecked());
    EXPECT_EQ(text("money"), QStringLiteral("980"));
}

TEST_F(FullGameTest, PastedNonNumbersAreRefusedAndKeptForCorrecting) {
    start();
    click("red");
    auto* stake = child<QLineEdit>(window(), "Text7");
    const QString inputs[] = {
        QString(1 << 20, QLatin1Char('7')) + QStringLiteral("x"), // cut to the box's length
        QStringLiteral("12\u0001"),     // a control character after the digits
        QStringLiteral("\u0661\u0662"), // Arabic-Indic digits
        QStringLiteral("\uFF11\uFF12"), // full-width digits
        QStringLiteral("NaN"),
        QStringLiteral("12abc"),
    };
    for (const QString& input : inputs) {
        SCOPED_TRACE(input.left(8).toStdString());
        messages.shown.clear();
        stake->selectAll();
        QApplication::clipboard()->setText(input);
        QTest::keySequence(stake, QKeySequence::Paste);
        EXPECT_LE(stake->text().size(), stake->maxLength());
        click("Command5");
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, texts::refusedStake);
        EXPECT_EQ(text("money") + text("Text10"), QStringLiteral("10000"));
        EXPECT_EQ(game.model().Text7.Text, stake->text().toStdString()) << "kept as shown";
    }
    click("Command1");
    EXPECT_TRUE(waitUntil([&] { return game.model().Command1.Enabled; }, 10000)) << "plays on";
}

TEST_F(FullGameTest, SpendingEverythingEndsTheProgramAfterTheGameOverMessage) {
    start();
    messages.shown.clear();
    bet("red", "1000"); // red does not win the first race
    click("Command6");
    click("Command1");
    ASSERT_TRUE(waitUntil([&] { return ended; }, 10000));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Your All Out Of Money. Game Over.");
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(game.shell().statusWindow(), nullptr) << "closed with its counts";
}

TEST_F(FullGameTest, ExitAndTheFrameCloseControlBothEndTheProgram) {
    start();
    click("Command3");
    EXPECT_TRUE(ended);
    EXPECT_FALSE(window().isVisible());

    MessageRecorder otherMessages;
    bool otherEnded = false;
    qt::Game other(&otherMessages, [&] { otherEnded = true; });
    other.start();
    other.window().close();
    EXPECT_TRUE(otherEnded);
}

} // namespace
} // namespace tarvelon
