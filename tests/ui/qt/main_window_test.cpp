// The real windows: their layouts, a race started with a real click, and what
// the player sees of the track, the cars and the start signal.
#include "widget_helpers.h"

#include "support/message_recorder.h"
#include "ui/qt/game.h"
#include "ui/qt/painted_widgets.h"
#include "ui/qt/pictures.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::child;
using testing::inPixels;
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

// What a widget shows as its text; every text-showing widget has the "text" property.
QString captionOf(QWidget* widget) {
    if (auto* frame = dynamic_cast<qt::FrameWidget*>(widget))
        return frame->caption();
    return widget->property("text").toString();
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

// Every control of `window` is where its model says and shows what the model holds.
void expectShowsItsModel(QWidget& window, const std::vector<ControlRef>& controls) {
    for (ControlRef ref : controls)
        std::visit(
            [&](auto* control) {
                SCOPED_TRACE(control->Name);
                QWidget* widget = child(window, control->Name.c_str());
                ASSERT_NE(widget, nullptr);
                EXPECT_EQ(widget->parentWidget(),
                          control->Container ? child(window, control->Container->Name.c_str())
                                             : &window);
                EXPECT_EQ(widget->geometry(), inPixels(*control));
                EXPECT_EQ(widget->isVisible(), control->Visible);
                if constexpr (requires { control->Caption; }) {
                    EXPECT_EQ(captionOf(widget), QString::fromStdString(control->Caption));
                    EXPECT_FALSE(widget->accessibleName().isEmpty()) << "a screen reader names it";
                }
                if constexpr (requires { control->Text; }) {
                    EXPECT_EQ(captionOf(widget), QString::fromStdString(control->Text));
                    EXPECT_FALSE(widget->accessibleName().isEmpty()) << "a screen reader names it";
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
                if constexpr (requires { control->HandPointer; }) {
                    EXPECT_EQ(widget->cursor().hotSpot(),
                              control->HandPointer ? QPoint(5, 0) : QPoint())
                        << "the hand's fingertip";
                }
                if constexpr (requires { control->Picture; })
                    expectPictureFits(control->Picture, widget->size(), true);
            },
            ref);
}

TEST_F(MainWindowTest, EveryControlOfBothWindowsIsWhereItsModelSaysAndShowsWhatItHolds) {
    EXPECT_EQ(window().size(), QSize(723, 467));
    EXPECT_EQ(window().windowTitle(), QString::fromStdString(game.model().Caption));
    EXPECT_FALSE(window().windowIcon().isNull());
    EXPECT_EQ(window().palette().color(QPalette::Window), QColor(255, 128, 0));
    expectShowsItsModel(window(), game.model().controls());
    // The track sits inside its 2-pixel border; the cars are painted on it.
    const Image& track = game.model().Image6;
    EXPECT_EQ(child(window(), track.Name.c_str())->geometry(), inPixels(track));
    expectPictureFits(track.Picture, inPixels(track).size() - QSize(4, 4), false);
    for (Main::CarSlot slot : game.model().slots())
        expectPictureFits(slot.car.Picture, inPixels(slot.car).size(), true);

    EXPECT_EQ(game.shell().statusWindow(), nullptr) << "not made before it is needed";
    QTest::mouseClick(child(window(), "Command6"), Qt::LeftButton);
    QWidget* standings = game.shell().statusWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(standings));
    Status& model = game.shell().status();
    EXPECT_EQ(standings->size(), QSize(181, 281));
    EXPECT_EQ(standings->windowTitle(), QString::fromStdString(model.Caption));
    EXPECT_FALSE(standings->windowIcon().isNull());
    const std::array<Label*, 20> labels = model.labels();
    std::vector<ControlRef> controls(labels.begin(), labels.end());
    controls.push_back(&model.Command1);
    expectShowsItsModel(*standings, controls);
    EXPECT_EQ(child<QLabel>(*standings, "Label7")->alignment() & Qt::AlignHCenter,
              Qt::AlignHCenter);
}

// Tab walks the layout's order: frames and labels take no focus, the options one stop (at the
// first until the player moves within them), and the amount box none while it is disabled.
TEST_F(MainWindowTest, TabFollowsTheLayoutsOrder) {
    const QStringList layout{"Command1", "Text1",    "Text2",    "Command3", "Command4",
                             "Text3",    "Text4",    "Text5",    "Text6",    "green",
                             "Text8",    "Command5", "Command6", "money",    "Text9",
                             "Text10",   "Text11",   "Text12",   "Text13",   "Command1"};
    child(window(), "Command1")->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    while (visited.size() < layout.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited.join(' ').toStdString(), layout.join(' ').toStdString());
}

// At a scale factor of 2, as on a high-dpi screen, the pixel art stays sharp, never blended.
TEST_F(MainWindowTest, ACarShowsTheTrackThroughItsTransparentPartsAtEveryScale) {
    testing::expectCarOverTrack(screenshot(window(), 2), QPoint(2, 10)); // at its start
    game.dispatcher().dispatch([&] { game.model().car1.Left = 30 + 30 * 15; });
    // Over the start line; the track's 2-pixel border included.
    testing::expectCarOverTrack(screenshot(window()), QPoint(32, 10));
}

// The signal place, 32 x 32 pixels at (240, 240) twips inside Frame1, is the stack of
// `pictures`, front first, over the orange frame.
void expectSignal(QWidget& window, std::initializer_list<PictureId> pictures) {
    QImage expected(32, 32, QImage::Format_RGB32);
    expected.fill(QColor(255, 128, 0));
    QPainter painter(&expected);
    for (auto it = std::rbegin(pictures); it != std::rend(pictures); ++it)
        painter.drawImage(0, 0, qt::picture(*it));
    painter.end();
    EXPECT_EQ(screenshot(window).copy(QRect(4 + 16, 316 + 16, 32, 32)), expected);
}

TEST_F(MainWindowTest, GoClickedForRealShowsEachStageOfTheStartAndRunsTheRace) {
    Main& model = game.model();
    expectSignal(window(), {PictureId::AmberSignal, PictureId::Face, PictureId::GreenSignal});
    QTest::mouseClick(child(window(), "Command1"), Qt::LeftButton);
    for (const char* name : {"Command1", "Command5", "none"})
        EXPECT_FALSE(child(window(), name)->isEnabled()) << name;
    QTest::mouseClick(child(window(), "Command1"), Qt::LeftButton); // disabled: starts nothing
    expectSignal(window(), {PictureId::AmberSignal});
    ASSERT_TRUE(waitUntil([&] { return model.Race.Enabled; }));
    expectSignal(window(), {PictureId::GreenSignal});
    EXPECT_TRUE(waitUntil([&] { return model.car1.Left > 30; }));
    EXPECT_TRUE(waitUntil([&] { return !model.Race.Enabled; }, 10000)) << "a car finishes";
}

} // namespace
} // namespace tarvelon
