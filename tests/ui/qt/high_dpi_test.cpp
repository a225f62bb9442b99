// At a scale factor of 2 the window doubles and the pixel art stays sharp: every
// picture pixel becomes a 2 x 2 block of its own colour, never a blend.
#include "widget_helpers.h"

#include "ui/qt/game.h"
#include "ui/qt/pictures.h"
#include "ui/toolkit/message_recorder.h"

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

class HighDpiTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&game.window()));
    }
    MessageRecorder messages;
    qt::Game game{&messages, [] {}};
};

// Whether `shot` shows `picture` at `origin` (device pixels) doubled, with
// `behind` where the picture is transparent.
void expectDoubled(const QImage& shot, const QImage& picture, QPoint origin,
                   const std::function<QColor(QPoint)>& behind) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor own = picture.pixelColor(x, y);
            const QColor expected = own.alpha() == 255 ? QColor(own.rgb()) : behind({x, y});
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx)
                    ASSERT_EQ(shot.pixelColor(origin + QPoint(2 * x + dx, 2 * y + dy)), expected)
                        << "picture pixel " << x << "," << y;
        }
}

TEST_F(HighDpiTest, TheWindowDoublesAndTheCarsStaySharp) {
    ASSERT_EQ(game.window().devicePixelRatioF(), 2.0) << "run with QT_SCALE_FACTOR=2";
    const QImage shot = game.window().grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.size(), QSize(1446, 934));
    // The red car at its start: window pixel (2, 10), before the start line.
    expectDoubled(shot, qt::picture(PictureId::Car1), QPoint(4, 20),
                  [](QPoint) { return QColor(160, 160, 160); });
}

} // namespace
} // namespace tarvelon
