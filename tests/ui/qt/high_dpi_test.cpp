// At a scale factor of 2 the window doubles and the pixel art stays sharp: every
// picture pixel becomes a 2 x 2 block of its own colour, never a blend.
#include "widget_helpers.h"

#include "ui/qt/game.h"
#include "ui/toolkit/message_recorder.h"

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

TEST(HighDpi, TheWindowDoublesAndTheCarsStaySharp) {
    MessageRecorder messages;
    qt::Game game{&messages, [] {}};
    game.start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&game.window()));
    ASSERT_EQ(game.window().devicePixelRatioF(), 2.0) << "run with QT_SCALE_FACTOR=2";
    EXPECT_EQ(game.window().grab().size(), QSize(1446, 934));
    testing::expectCarOverTrack(game.window(), QPoint(2, 10)); // the red car at its start
}

} // namespace
} // namespace tarvelon
