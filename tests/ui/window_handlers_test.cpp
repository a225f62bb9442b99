// Start-up, the About box, the standings window and the two ways out.
#include "support/headless_game.h"

#include "ui/texts.h"

#include <gtest/gtest.h>

#include <set>

namespace tarvelon {
namespace {

using testing::HeadlessGame;

TEST(StartUp, CentresTheWindowWithItsMiddleAtPoint425OfTheScreenHeight) {
    HeadlessGame game;
    Main& main = game.main();
    main.Width = 11000;
    main.Height = 7500;
    game.clock.event([&] { main.Form_Load(); });
    EXPECT_FLOAT_EQ(main.Left + main.Width / 2, 1920 * 15 / 2.0f);
    EXPECT_FLOAT_EQ(main.Top + main.Height / 2, 1080 * 15 * 0.425f);
}

TEST(StartUp, AWindowTallerThanTheScreenGetsANegativeTop) {
    HeadlessGame game;
    Main& main = game.main();
    main.Width = 40000;
    main.Height = 20000;
    main.Form_Load();
    EXPECT_LT(main.Top, 0);
    EXPECT_LT(main.Left, 0);
}

TEST(StartUp, ShowsThreeDifferentLinesUnderTheApplicationTitle) {
    HeadlessGame game;
    game.main().Form_Load();
    ASSERT_EQ(game.messages.shown.size(), 3u);
    std::set<std::string> lines;
    for (const auto& box : game.messages.shown) {
        EXPECT_EQ(box.title, game.main().Caption);
        EXPECT_EQ(box.icon, MessageIcon::None);
        EXPECT_EQ(box.text.find('\n'), std::string::npos) << "one line each";
        lines.insert(box.text);
    }
    EXPECT_EQ(lines.size(), 3u);
}

TEST(About, ShowsItsLineAndChangesNothing) {
    HeadlessGame game;
    Main& main = game.main();
    game.bet(main.red, "100");
    game.click(main.Command4);
    ASSERT_EQ(game.messages.shown.size(), 1u);
    EXPECT_EQ(game.messages.shown[0].title, "About Tarvelon 2000");
    EXPECT_EQ(game.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(main.money.Text, "900");
    EXPECT_EQ(main.Bet.Caption, "Red Ryder");
    EXPECT_EQ(game.shell.existingStatus(), nullptr);
}

TEST(Standings, StatusShowsTheWindowWithEveryTallyAtZero) {
    HeadlessGame game;
    game.click(game.main().Command6);
    Status* status = game.shell.existingStatus();
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->Visible);
    for (int slot = 1; slot <= 6; ++slot)
        for (auto column : {Status::Column::Wins, Status::Column::Losses})
            EXPECT_EQ(status->tally(slot, column).Caption, "0");
}

TEST(Standings, HidingAndShowingAgainKeepsTheCountsInTheSameWindow) {
    HeadlessGame game;
    game.click(game.main().Command6);
    Status* shown = game.shell.existingStatus();
    ASSERT_GT(game.race(), 0);
    shown->Command1_Click();
    EXPECT_FALSE(shown->Visible);
    ASSERT_GT(game.race(), 0);
    game.click(game.main().Command6);
    game.click(game.main().Command6);
    EXPECT_EQ(game.shell.existingStatus(), shown) << "never a second window";
    EXPECT_TRUE(shown->Visible);
    int wins = 0;
    for (int slot = 1; slot <= 6; ++slot)
        wins += std::stoi(shown->tally(slot, Status::Column::Wins).Caption);
    EXPECT_EQ(wins, 2);
}

TEST(Standings, NamesStayAsTheyAreWhateverTheNameBoxesHold) {
    HeadlessGame game;
    game.main().Text2.Text = "Speedy";
    game.click(game.main().Command6);
    const char* names[] = {"Red Ryder",    "Green Apple", "Blueberry",
                           "Orange Tiger", "Yellow Moon", "Purple Powder"};
    auto labels = game.shell.existingStatus()->labels();
    for (int slot = 0; slot < 6; ++slot)
        EXPECT_EQ(labels[2 + slot]->Caption, names[slot]);
}

TEST(Exit, ClosesBothWindowsWhetherTheStandingsWereOpenedOrNot) {
    HeadlessGame never;
    never.click(never.main().Command3);
    EXPECT_TRUE(never.shell.programEnded());

    HeadlessGame hidden;
    hidden.click(hidden.main().Command6);
    hidden.shell.existingStatus()->Command1_Click();
    hidden.click(hidden.main().Command3);
    EXPECT_TRUE(hidden.shell.programEnded());
    EXPECT_EQ(hidden.shell.existingStatus(), nullptr) << "closed with its counts";
}

} // namespace
} // namespace tarvelon
