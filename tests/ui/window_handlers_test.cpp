// Start-up, the About box, the standings window and the two ways out.
#include "support/headless_game.h"

#include "ui/texts.h"

#include <gtest/gtest.h>

#include <set>

namespace tarvelon {
namespace {

using testing::HeadlessGame;

TEST(StartUp, CentresTheWindowAt425OfTheScreenHeightAndShowsThreeLines) {
    HeadlessGame game;
    Main& main = game.main();
    main.Width = 11000;
    main.Height = 7500;
    game.clock.event([&] { main.Form_Load(); });
    EXPECT_FLOAT_EQ(main.Left + main.Width / 2, 1920 * 15 / 2.0f);
    EXPECT_FLOAT_EQ(main.Top + main.Height / 2, 1080 * 15 * 0.425f);
    std::set<std::string> lines;
    for (const auto& box : game.messages.shown)
        if (box.title == main.Caption && box.icon == MessageIcon::None)
            lines.insert(box.text);
    EXPECT_EQ(lines.size(), 3u);
}

TEST(Standings, OneWindowKeepsItsCountsAndFixedNamesWhileHiddenAndShownAgain) {
    HeadlessGame game;
    game.click(game.main().Command4);
    ASSERT_EQ(game.messages.shown.size(), 1u);
    EXPECT_EQ(game.messages.shown[0].title, texts::aboutTitle);
    EXPECT_EQ(game.shell.existingStatus(), nullptr) << "About changes nothing";
    game.main().Text2.Text = "Speedy";
    game.click(game.main().Command6);
    Status* shown = game.shell.existingStatus();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->Visible);
    EXPECT_EQ(game.tally(1, Status::Column::Wins) + game.tally(6, Status::Column::Losses), "00");
    ASSERT_GT(game.race(), 0);
    shown->Command1_Click();
    EXPECT_FALSE(shown->Visible);
    ASSERT_GT(game.race(), 0);
    game.click(game.main().Command6);
    game.click(game.main().Command6);
    EXPECT_EQ(game.shell.existingStatus(), shown) << "never a second window";
    EXPECT_TRUE(shown->Visible);
    EXPECT_EQ(game.tally(3, Status::Column::Wins) + game.tally(5, Status::Column::Wins), "11");
    EXPECT_EQ(shown->Label2.Caption, "Green Apple") << "whatever the name boxes hold";
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
