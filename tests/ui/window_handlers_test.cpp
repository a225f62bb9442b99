// The standings' fixed car names and the way out by Exit.
#include "support/headless_game.h"

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::HeadlessGame;

TEST(Standings, NameTheCarsAsTheyStartWhateverTheNameBoxesHold) {
    HeadlessGame game;
    game.main().Text2.Text = "Speedy";
    game.click(game.main().Command6);
    ASSERT_NE(game.shell.existingStatus(), nullptr);
    EXPECT_EQ(game.shell.existingStatus()->Label2.Caption, "Green Apple");
}

TEST(Exit, ClosesBothWindowsWhetherTheStandingsWereOpenedOrNot) {
    for (bool opened : {false, true}) {
        HeadlessGame game;
        if (opened)
            game.click(game.main().Command6);
        game.click(game.main().Command3);
        EXPECT_TRUE(game.shell.programEnded());
        EXPECT_EQ(game.shell.existingStatus(), nullptr) << "closed with its counts";
    }
}

} // namespace
} // namespace tarvelon
