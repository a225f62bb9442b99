// The real windows: their layouts, a race started with a real click, and what
// the player sees of the track, the cars and the start signal.
#include "widget_helpers.h"

#include "support/message_recorder.h"
#include "ui/qt/game.h"
#include "ui/qt/painted_widgets.h"
#include "ui/qt/pictures.h"
#include "ui/qt/readable_colors.h"

#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::child;
using testing::inPixels;
using testing::screenshot;
using testing::waitUntil;

// Each test runs on a light desktop (the style's palette) and on one that turns dark once the
// game is built. Each runs in a process of its own, which ends with the palette.
class MainWindowTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        QApplication::setPalette(GetParam() ? QPalette(QColor(48, 48, 48)) : QPalette());
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

// The WCAG 2 contrast of the text of `part` in `shot`, a picture of its `window`, measured inside
// its frame and bevel, right of an option's circle, in a frame's title (a frame's caption is no
// "text" property): the background is the most frequent colour there, the text the pixel that
// stands out from it most.
double contrastOf(QWidget& window, QWidget* part, const QImage& shot) {
    QRect area(part->mapTo(&window, QPoint()), part->size());
    area = !part->property("text").isValid()
               ? QRect(area.topLeft() + QPoint(10, 4), QSize(16, 6))
               : area.adjusted(part->inherits("QRadioButton") ? 20 : 4, 4, -4, -4);
    QMap<QRgb, int> counts;
    for (int i = 0; i < area.width() * area.height(); ++i)
        ++counts[shot.pixel(area.x() + i % area.width(), area.y() + i / area.width())];
    const QColor background(std::max_element(counts.cbegin(), counts.cend()).key());
    double ratio = 1;
    for (QRgb rgb : counts.keys())
        ratio = std::max(ratio, qt::contrastRatio(background, QColor(rgb)));
    return ratio;
}

// Every control of `window` is where its model says and shows what the model holds, its text
// readable in `shot`, a picture of the window.
void expectShowsItsModel(QWidget& window, const std::vector<ControlRef>& controls,
                         const QImage& shot) {
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
                // Enabled text reads at 4.5:1, a disabled option (the chosen car during a race)
                // at 3:1; other disabled text keeps the desktop's colours.
                const bool readable = widget->isEnabled() || qobject_cast<QRadioButton*>(widget);
                if (readable && !captionOf(widget).isEmpty()) {
                    EXPECT_GE(contrastOf(window, widget, shot), widget->isEnabled() ? 4.5 : 3);
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

TEST_P(MainWindowTest, EveryControlOfBothWindowsIsWhereItsModelSaysAndShowsWhatItHolds) {
    EXPECT_EQ(window().size(), QSize(723, 467));
    EXPECT_FALSE(window().windowFlags() & Qt::WindowMaximizeButtonHint) << "fixed: no maximise";
    EXPECT_EQ(window().windowTitle(), QString::fromStdString(game.model().Caption));
    EXPECT_FALSE(window().windowIcon().isNull());
    EXPECT_EQ(window().palette().color(QPalette::Window), QColor(255, 128, 0));
    expectShowsItsModel(window(), game.model().controls(), screenshot(window()));
    EXPECT_EQ(child(window(), "Frame2")->palette().window().color(),
              qApp->palette().window().color())
        << "the Names frame has the desktop's colours, as they change";
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
    EXPECT_FALSE(standings->windowFlags() & Qt::WindowMaximizeButtonHint) << "fixed: no maximise";
    EXPECT_EQ(standings->windowTitle(), QString::fromStdString(model.Caption));
    EXPECT_FALSE(standings->windowIcon().isNull());
    const std::array<Label*, 20> labels = model.labels();
    std::vector<ControlRef> controls(labels.begin(), labels.end());
    controls.push_back(&model.Command1);
    expectShowsItsModel(*standings, controls, screenshot(*standings));
    game.dispatcher().dispatch([&] { game.model().click(game.model().Command1); }); // GO!
    expectShowsItsModel(window(), game.model().controls(), screenshot(window()));
    EXPECT_EQ(child<QLabel>(*standings, "Label7")->alignment() & Qt::AlignHCenter,
              Qt::AlignHCenter);
}

// Tab walks the layout's order: frames and labels take no focus, the options one stop (at the
// first until the player moves within them), and the amount box none while it is disabled.
TEST_P(MainWindowTest, TabFollowsTheLayoutsOrder) {
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
TEST_P(MainWindowTest, ACarShowsTheTrackThroughItsTransparentPartsAtEveryScale) {
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

TEST_P(MainWindowTest, GoClickedForRealShowsEachStageOfTheStartAndRunsTheRace) {
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

// Run by the desktop test, under a dark desktop theme, on the real program's game window given
// by its X11 id: that window shows what this one does, each text readable, and the Names frame,
// in the desktop's colours, is dark between its first two boxes: the theme took hold.
TEST(RealDesktop, DISABLED_TheGameWindowReadsUnderADarkTheme) {
    const WId id = qEnvironmentVariable("TARVELON_GAME_WINDOW").toULongLong();
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(id).toImage();
    qt::Game game;
    game.window().show();
    expectShowsItsModel(game.window(), game.model().controls(), shot);
    EXPECT_LT(qt::contrastRatio(shot.pixelColor(614, 42), Qt::black), 4) << "a light Names frame";
}

INSTANTIATE_TEST_SUITE_P(LightAndDark, MainWindowTest, ::testing::Bool());

} // namespace
} // namespace tarvelon
