// At a scale factor of 2 the window doubles and the pixel art stays sharp: every
// picture pixel becomes a 2 x 2 block of its own colour, never a blend.
#include "widget_helpers.h"

#include "ui/qt/game.h"
#include "ui/qt/pictures.h"
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
    const QImage shot = game.window().grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.size(), QSize(1446, 934));
    // The red car at its start, window pixel (2, 10), shows asphalt where it is transparent.
    const QImage& car = qt::picture(PictureId::Car1);
    for (int y = 0; y < 2 * car.height(); ++y)
        for (int x = 0; x < 2 * car.width(); ++x) {
            const QColor own = car.pixelColor(x / 2, y / 2);
            ASSERT_EQ(shot.pixelColor(4 + x, 20 + y),
                      own.alpha() ? QColor(own.rgb()) : QColor(160, 160, 160))
                << "device pixel " << x << "," << y;
        }
}

} // namespace
} // namespace tarvelon
