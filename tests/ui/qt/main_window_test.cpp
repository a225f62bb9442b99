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

struct Placed {
    const char* name;
    const char* container;        // "" for the window
    int left, top, width, height; // twips
    const char* caption;
};

// The layout, in twips, as the player's window must show it.
const Placed layout[] = {
    {"Frame2", "", 9150, 30, 1635, 4635, "Names"},
    {"Text1", "Frame2", 120, 270, 1395, 285, "Red Ryder"},
    {"Text2", "Frame2", 120, 960, 1395, 285, "Greenbean"},
    {"Text3", "Frame2", 150, 1680, 1395, 285, "Blue Streak"},
    {"Text4", "Frame2", 120, 2520, 1395, 285, "Orange"},
    {"Text5", "Frame2", 120, 3270, 1395, 285, "Yellow Lightning"},
    {"Text6", "Frame2", 120, 4050, 1395, 285, "Purple Nurple"},
    {"Frame1", "", 60, 4740, 1965, 1095, "Race Controls"},
    {"Command1", "Frame1", 840, 480, 975, 375, "GO!"},
    {"Image10", "Frame1", 240, 240, 480, 480, nullptr},
    {"Image3", "Frame1", 240, 240, 480, 480, nullptr},
    {"Image5", "Frame1", 240, 240, 480, 480, nullptr},
    {"Frame3", "", 2100, 4740, 2805, 2055, "Bet"},
    {"Text7", "Frame3", 360, 450, 675, 360, "0"},
    {"Text8", "", 2250, 5220, 195, 300, "$"},
    {"Command5", "", 2370, 5640, 885, 315, "Place Bet"},
    {"Command6", "", 2370, 5970, 885, 285, "Status"},
    {"Text9", "", 2250, 6360, 195, 300, "$"},
    {"money", "", 2430, 6360, 855, 300, "1000"},
    {"red", "", 3300, 4920, 1245, 195, "Red Ryder"},
    {"green", "", 3300, 5190, 1245, 195, "Greenbean"},
    {"blue", "", 3300, 5460, 1245, 195, "Blue Streak"},
    {"orange", "", 3300, 5730, 1245, 195, "Orange"},
    {"yellow", "", 3300, 6000, 1515, 195, "Yellow Lightning"},
    {"purple", "", 3300, 6270, 1335, 195, "Purple Nurple"},
    {"none", "", 3300, 6540, 825, 195, "No Bet"},
    {"Frame5", "", 5220, 4740, 1185, 645, "Current Bid"},
    {"Text11", "", 5310, 4950, 195, 300, "$"},
    {"Text10", "", 5520, 4950, 795, 300, "0"},
    {"Bet", "", 5100, 5490, 1485, 225, "No Bet"},
    {"Frame6", "", 5220, 5820, 1185, 645, "Current Bid"},
    {"Text12", "", 5310, 6030, 195, 300, "$"},
    {"Text13", "", 5520, 6030, 795, 300, "0"},
    {"bet2", "", 5100, 6570, 1485, 195, "No Bet"},
    {"Frame4", "", 9600, 4710, 1215, 1695, ""},
    {"Image4", "Frame4", 270, 360, 480, 480, nullptr},
    {"Image7", "Frame4", 720, 360, 480, 480, nullptr},
    {"Image8", "Frame4", 360, 600, 480, 480, nullptr},
    {"Label3", "Frame4", 360, 840, 420, 240, "2000"},
    {"Image9", "Frame4", 360, 1080, 480, 480, nullptr},
    {"Shape1", "Frame4", 120, 240, 975, 1335, nullptr},
    {"Command4", "", 8160, 6510, 1215, 495, "About"},
    {"Command3", "", 9510, 6510, 1215, 495, "Exit"},
    {"Image6", "", 0, 90, 9060, 4560, nullptr},
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

TEST_F(MainWindowTest, EveryControlSitsAtItsPlaceWithItsCaption) {
    EXPECT_EQ(window().size(), QSize(723, 467));
    for (const Placed& placed : layout) {
        SCOPED_TRACE(placed.name);
        QWidget* widget = child(window(), placed.name);
        ASSERT_NE(widget, nullptr);
        QWidget* expectedParent = *placed.container ? child(window(), placed.container) : &window();
        EXPECT_EQ(widget->parentWidget(), expectedParent);
        EXPECT_EQ(widget->geometry(),
                  QRect(qRound(placed.left / 15.0), qRound(placed.top / 15.0),
                        qRound(placed.width / 15.0), qRound(placed.height / 15.0)));
        if (placed.caption) {
            EXPECT_EQ(captionOf(widget), QString::fromLatin1(placed.caption));
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << "a screen reader must name it";
        }
        EXPECT_TRUE(widget->isVisible());
    }
}

TEST_F(MainWindowTest, InitialStatesMatchTheLayout) {
    EXPECT_TRUE(child<QRadioButton>(window(), "none")->isChecked());
    for (const char* name : {"red", "green", "blue", "orange", "yellow", "purple"}) {
        EXPECT_FALSE(child<QRadioButton>(window(), name)->isChecked()) << name;
        EXPECT_TRUE(child(window(), name)->isEnabled()) << name;
    }
    EXPECT_FALSE(child(window(), "Text7")->isEnabled());
    for (const char* name : {"Text1", "Text6", "money", "Text8", "Text10", "Text13"})
        EXPECT_TRUE(child<QLineEdit>(window(), name)->isReadOnly()) << name;
    EXPECT_EQ(window().windowTitle(), QString::fromStdString(game.model().Caption));
    EXPECT_FALSE(window().windowIcon().isNull());
    EXPECT_EQ(window().palette().color(QPalette::Window), QColor(255, 128, 0));
}

TEST_F(MainWindowTest, CommandButtonsShowTheHandPointer) {
    for (const char* name : {"Command1", "Command3", "Command4", "Command5", "Command6"}) {
        const QCursor cursor = child(window(), name)->cursor();
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << name;
        EXPECT_EQ(cursor.hotSpot(), QPoint(5, 0)) << name;
    }
}

TEST_F(MainWindowTest, TabMovesThroughTheLayoutsOrder) {
    // The focusable controls of the layout's tab order, frames and labels left out.
    const char* order[] = {"Command1", "Text1",    "Text2", "Command3", "Command4", "Text3",
                           "Text4",    "Text5",    "Text6", "green",    "blue",     "orange",
                           "yellow",   "purple",   "none",  "red",      "Text7",    "Text8",
                           "Command5", "Command6", "money", "Text9",    "Text10",   "Text11",
                           "Text12",   "Text13"};
    auto nextFocusable = [](QWidget* widget) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        return widget;
    };
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(nextFocusable(child(window(), order[i]))->objectName().toStdString(),
                  order[i + 1])
            << "after " << order[i];
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
