// The game window's initial state: what a player finds right after start-up.
#include "support/headless_game.h"

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::HeadlessGame;

TEST(MainForm, StartsWithNoBetChosenAndBettingReady) {
    HeadlessGame game;
    Main& main = game.main();
    for (OptionButton* option : main.options()) {
        EXPECT_EQ(option->Value(), option == &main.none) << option->Name;
        EXPECT_TRUE(option->Enabled) << option->Name;
    }
    EXPECT_EQ(main.Text7.Text, "0");
    EXPECT_FALSE(main.Text7.Enabled);
    EXPECT_FALSE(main.Text7.Locked);
    EXPECT_EQ(main.Bet.Caption, "No Bet");
    EXPECT_EQ(main.bet2.Caption, "No Bet");
    EXPECT_EQ(main.Text10.Text, "0");
    EXPECT_EQ(main.Text13.Text, "0");
    EXPECT_EQ(main.money.Text, "1000");
    EXPECT_EQ(main.Command5.Tag, "2");
    EXPECT_TRUE(main.Command1.Enabled);
    EXPECT_TRUE(main.Command5.Enabled);
}

TEST(MainForm, OnlyTheCutOffTimerRunsAtStart) {
    HeadlessGame game;
    Main& main = game.main();
    EXPECT_TRUE(main.limit.Enabled);
    EXPECT_EQ(main.limit.Interval, 1);
    EXPECT_FALSE(main.Timer3.Enabled);
    EXPECT_EQ(main.Timer3.Interval, 1000);
    EXPECT_FALSE(main.Race.Enabled);
    EXPECT_EQ(main.Race.Interval, 10);
    EXPECT_FALSE(main.timer.Enabled);
    EXPECT_EQ(main.timer.Interval, 1);
}

TEST(MainForm, CarsStartLevelWithEachSpriteEndingAtTheStartLine) {
    HeadlessGame game;
    for (Main::CarSlot slot : game.main().slots()) {
        EXPECT_EQ(slot.car.Left, 30);
        EXPECT_EQ(slot.car.Left + slot.car.Width, 780) << slot.car.Name;
    }
}

TEST(MainForm, NameBoxesAreLockedGreyAndMatchTheOptionCaptions) {
    HeadlessGame game;
    for (Main::CarSlot slot : game.main().slots()) {
        EXPECT_TRUE(slot.name.Locked);
        EXPECT_EQ(slot.name.BackColor, colors::lightGrey);
        EXPECT_EQ(slot.name.Text, slot.option.Caption);
    }
}

TEST(MainForm, SignalShowsAllThreePicturesWithTheAmberLightInFront) {
    HeadlessGame game;
    Main& main = game.main();
    EXPECT_TRUE(main.Image10.Visible && main.Image3.Visible && main.Image5.Visible);
    std::vector<ControlRef> order = main.controls();
    auto position = [&](Image* image) {
        return std::find(order.begin(), order.end(), ControlRef{image}) - order.begin();
    };
    EXPECT_LT(position(&main.Image5), position(&main.Image3));
    EXPECT_LT(position(&main.Image3), position(&main.Image10));
}

TEST(MainForm, CaptionNamesTheGame) {
    HeadlessGame game;
    EXPECT_EQ(game.main().Caption.rfind("Tarvelon", 0), 0u);
}

} // namespace
} // namespace tarvelon
