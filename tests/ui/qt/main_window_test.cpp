// The real game window: its layout, a race started with a real click, and what
// the player sees of the track, the cars and the start signal.
#include "widget_helpers.h"

#include "ui/qt/game.h"
#include "ui/qt/painted_widgets.h"
#include "ui/qt/pictures.h"
#include "ui/toolkit/message_recorder.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::child;
using testing::screenshot;
using testing::waitUntil;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&game.window()));
    }
    QWidget& window() { return game.window(); }

    MessageRecorder messages;
    qt::Game game{&messages};
};

QString captionOf(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* frame = dynamic_cast<qt::FrameWidget*>(widget))
        return frame->caption();
    return {};
}

// Twips to pixels, converted here once: the layout assumes 15 twips a pixel.
QRect inPixels(const Control& control) {
    return QRect(qRound(control.Left / 15), qRound(control.Top / 15), qRound(control.Width / 15),
                 qRound(control.Height / 15));
}

// A picture fills its place exactly; each pixel is fully opaque or fully transparent, and only
// the track is opaque at its corners.
void expectPictureFits(PictureId id, QSize place, bool transparent) {
    const QImage& image = qt::picture(id);
    EXPECT_EQ(image.size(), place);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_TRUE(image.pixelColor(x, y).alpha() % 255 == 0) << x << "," << y;
    for (QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1)})
        EXPECT_EQ(image.pixelColor(corner).alpha(), transparent ? 0 : 255);
}

TEST_F(MainWindowTest, EveryControlIsWhereItsModelSaysAndShowsWhatItHolds) {
    EXPECT_EQ(window().size(), QSize(723, 467));
    EXPECT_EQ(window().windowTitle(), QString::fromStdString(game.model().Caption));
    EXPECT_FALSE(window().windowIcon().isNull());
    EXPECT_EQ(window().palette().color(QPalette::Window), QColor(255, 128, 0));
    for (ControlRef ref : game.model().controls())
        std::visit(
            [&](auto* control) {
                SCOPED_TRACE(control->Name);
                QWidget* widget = child(window(), control->Name.c_str());
                ASSERT_NE(widget, nullptr);
                EXPECT_EQ(widget->parentWidget(),
                          control->Container ? child(window(), control->Container->Name.c_str())
                                             : &window());
                EXPECT_EQ(widget->geometry(), inPixels(*control));
                EXPECT_EQ(widget->isVisible(), control->Visible);
                EXPECT_FALSE(widget->accessibleName().isEmpty()) << "a screen reader names it";
                if constexpr (requires { control->Caption; }) {
                    EXPECT_EQ(captionOf(widget), QString::fromStdString(control->Caption));
                }
                if constexpr (requires { control->Text; }) {
                    EXPECT_EQ(captionOf(widget), QString::fromStdString(control->Text));
                }
                if constexpr (requires { control->Enabled; }) {
                    EXPECT_EQ(widget->isEnabled(), control->Enabled);
                }
                if constexpr (requires { control->Locked; }) {
                    EXPECT_EQ(qobject_cast<QLineEdit*>(widget)->isReadOnly(), control->Locked);
                }
                if constexpr (requires { control->Value(); }) {
                    EXPECT_EQ(qobject_cast<QRadioButton*>(widget)->isChecked(), control->Value());
                }
                if constexpr (requires { control->Picture; })
                    expectPictureFits(control->Picture, widget->size(), true);
            },
            ref);
    // The track sits inside its 2-pixel border; the cars are painted on it.
    const Image& track = game.model().Image6;
    EXPECT_EQ(child(window(), "Image6")->geometry(), inPixels(track));
    expectPictureFits(track.Picture, inPixels(track).size() - QSize(4, 4), false);
    for (Main::CarSlot slot : game.model().slots())
        expectPictureFits(slot.car.Picture, inPixels(slot.car).size(), true);
}

TEST_F(MainWindowTest, CommandButtonsShowTheHandPointer) {
    for (const char* name : {"Command1", "Command3", "Command4", "Command5", "Command6"}) {
        const QCursor cursor = child(window(), name)->cursor();
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << name;
        EXPECT_EQ(cursor.hotSpot(), QPoint(5, 0)) << name;
    }
}

TEST_F(MainWindowTest, TabFollowsTheModelsOrderThroughTheControlsThatTakeFocus) {
    std::vector<QWidget*> order;
    for (const Control* control : game.model().tabOrder())
        if (QWidget* widget = child(window(), control->Name.c_str());
            widget->focusPolicy() & Qt::TabFocus)
            order.push_back(widget);
    ASSERT_GT(order.size(), 20u);
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        QWidget* next = order[i]->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, order[i + 1]) << "after " << order[i]->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, GoClickedForRealRunsTheSignalAndTheRace) {
    Main& model = game.model();
    QTest::mouseClick(child(window(), "Command1"), Qt::LeftButton);
    EXPECT_FALSE(child(window(), "Command1")->isEnabled());
    EXPECT_FALSE(child(window(), "Command5")->isEnabled());
    EXPECT_FALSE(child(window(), "none")->isEnabled());
    EXPECT_FALSE(child(window(), "Image3")->isVisible());

    // A second click on the disabled button starts nothing.
    QTest::mouseClick(child(window(), "Command1"), Qt::LeftButton);
    EXPECT_TRUE(waitUntil([&] { return model.Race.Enabled; }));
    EXPECT_FALSE(child(window(), "Image10")->isVisible());
    EXPECT_TRUE(child(window(), "Image5")->isVisible());
    EXPECT_TRUE(waitUntil([&] { return model.car1.Left > 30; }));
    EXPECT_TRUE(waitUntil([&] { return !model.Race.Enabled; }, 10000)) << "a car finishes";
}

// Window pixels of the track picture's pixel (x, y): the picture sits inside a
// 2-pixel border at the top-left of the track control.
QPoint onTrack(int x, int y) {
    return QPoint(2 + x, 6 + 2 + y);
}

TEST_F(MainWindowTest, TrackShowsAsphaltStartLineChequeredBandAndLaneLines) {
    const QImage shot = screenshot(window());
    EXPECT_EQ(shot.pixelColor(onTrack(300, 20)), QColor(160, 160, 160)) << "asphalt";
    EXPECT_EQ(shot.pixelColor(onTrack(52, 150)), QColor(255, 255, 255)) << "start line";
    EXPECT_EQ(shot.pixelColor(onTrack(516, 0)), QColor(0, 0, 0)) << "chequer starts black";
    EXPECT_EQ(shot.pixelColor(onTrack(521, 0)), QColor(255, 255, 255));
    EXPECT_EQ(shot.pixelColor(onTrack(516, 6)), QColor(255, 255, 255));
    for (int y : {42, 93, 146, 197, 251})
        EXPECT_EQ(shot.pixelColor(onTrack(80, y)), QColor(255, 255, 0)) << "lane line at " << y;
}

TEST_F(MainWindowTest, ACarOverTheStartLineShowsTheTrackThroughItsTransparentParts) {
    Main& model = game.model();
    // Bring the red car over the start line and render it.
    game.dispatcher().dispatch([&] { model.car1.Left = 30 + 30 * 15; });
    const QImage shot = screenshot(window());
    const QImage& sprite = qt::picture(PictureId::Car1);
    const QPoint origin(32, 10); // the sprite's top-left in window pixels
    int transparentChecked = 0, opaqueChecked = 0;
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x) {
            const QColor seen = shot.pixelColor(origin + QPoint(x, y));
            const QColor own = sprite.pixelColor(x, y);
            if (own.alpha() == 255) {
                ASSERT_EQ(seen, QColor(own.rgb())) << x << "," << y;
                ++opaqueChecked;
            } else {
                const QColor track = (origin.x() + x >= 52 && origin.x() + x <= 56)
                                         ? QColor(255, 255, 255)
                                         : QColor(160, 160, 160);
                ASSERT_EQ(seen, track) << "no box around the car at " << x << "," << y;
                ++transparentChecked;
            }
        }
    EXPECT_GT(opaqueChecked, 300);
    EXPECT_GT(transparentChecked, 300);
}

// The signal place: 32 x 32 pixels at (240, 240) twips inside Frame1.
QImage signalPlace(QWidget& window) {
    return screenshot(window).copy(QRect(4 + 16, 316 + 16, 32, 32));
}

// What the stack of `pictures`, front first, shows over the orange frame.
QImage expectedSignal(std::initializer_list<PictureId> pictures) {
    QImage expected(32, 32, QImage::Format_RGB32);
    expected.fill(QColor(255, 128, 0));
    for (auto it = std::rbegin(pictures); it != std::rend(pictures); ++it)
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (qt::picture(*it).pixelColor(x, y).alpha() == 255)
                    expected.setPixelColor(x, y, qt::picture(*it).pixelColor(x, y));
    return expected;
}

TEST_F(MainWindowTest, SignalPlaceShowsEachStageOfTheStart) {
    EXPECT_EQ(signalPlace(window()),
              expectedSignal({PictureId::AmberSignal, PictureId::Face, PictureId::GreenSignal}))
        << "amber light with the face around it";
    QTest::mouseClick(child(window(), "Command1"), Qt::LeftButton);
    EXPECT_EQ(signalPlace(window()), expectedSignal({PictureId::AmberSignal}))
        << "amber light alone";
    ASSERT_TRUE(waitUntil([&] { return game.model().Race.Enabled; }));
    EXPECT_EQ(signalPlace(window()), expectedSignal({PictureId::GreenSignal}))
        << "green light alone";
}

} // namespace
} // namespace tarvelon
