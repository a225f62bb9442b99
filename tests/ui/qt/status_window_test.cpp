// The real standings window: its layout, one window per run, and counts kept
// while it is hidden.
#include "widget_helpers.h"

#include "ui/qt/game.h"
#include "ui/toolkit/message_recorder.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::child;
using testing::waitUntil;

class StatusWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&game.window()));
    }
    QWidget* statusWindow() { return game.shell().statusWindow(); }

    void clickStatus() { QTest::mouseClick(child(game.window(), "Command6"), Qt::LeftButton); }

    MessageRecorder messages;
    qt::Game game{&messages, [] {}};
};

struct Placed {
    const char* name;
    int left, top, width, height; // twips
    const char* caption;
};

const Placed layout[] = {
    {"Label19", 1410, 60, 375, 225, "Wins"},
    {"Label20", 2130, 60, 435, 225, "Loses"},
    {"Label1", 200, 400, 855, 225, "Red Ryder"},
    {"Label2", 200, 1000, 945, 225, "Green Apple"},
    {"Label3", 200, 1600, 735, 225, "Blueberry"},
    {"Label4", 200, 2200, 1005, 225, "Orange Tiger"},
    {"Label5", 200, 2800, 945, 225, "Yellow Moon"},
    {"Label6", 200, 3400, 1065, 225, "Purple Powder"},
    {"Label7", 1350, 420, 465, 195, "0"},
    {"Label8", 2130, 420, 465, 195, "0"},
    {"Label9", 1350, 990, 465, 195, "0"},
    {"Label10", 2130, 990, 465, 195, "0"},
    {"Label11", 1350, 1620, 465, 195, "0"},
    {"Label12", 2130, 1620, 465, 195, "0"},
    {"Label13", 1350, 2220, 465, 195, "0"},
    {"Label14", 2130, 2220, 465, 195, "0"},
    {"Label15", 1350, 2820, 465, 195, "0"},
    {"Label16", 2130, 2820, 465, 195, "0"},
    {"Label17", 1350, 3420, 465, 195, "0"},
    {"Label18", 2130, 3420, 465, 195, "0"},
    {"Command1", 1050, 3810, 615, 345, "OK"},
};

TEST_F(StatusWindowTest, StatusShowsTheStandingsLaidOutWithEveryTallyAtZero) {
    EXPECT_EQ(statusWindow(), nullptr) << "not made before it is needed";
    clickStatus();
    ASSERT_NE(statusWindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(statusWindow()));
    EXPECT_EQ(statusWindow()->size(), QSize(181, 281));
    EXPECT_EQ(statusWindow()->windowTitle(), QStringLiteral("             Status"));
    EXPECT_FALSE(statusWindow()->windowIcon().isNull());
    for (const Placed& placed : layout) {
        SCOPED_TRACE(placed.name);
        QWidget* widget = child(*statusWindow(), placed.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(),
                  QRect(qRound(placed.left / 15.0), qRound(placed.top / 15.0),
                        qRound(placed.width / 15.0), qRound(placed.height / 15.0)));
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << "a screen reader must name it";
        if (auto* label = qobject_cast<QLabel*>(widget))
            EXPECT_EQ(label->text(), QString::fromLatin1(placed.caption));
        else
            EXPECT_EQ(qobject_cast<QPushButton*>(widget)->text(), QStringLiteral("OK"));
    }
    EXPECT_EQ(child<QLabel>(*statusWindow(), "Label7")->alignment() & Qt::AlignHCenter,
              Qt::AlignHCenter);
}

TEST_F(StatusWindowTest, OkHidesTheWindowAndStatusShowsTheSameCountsAgain) {
    clickStatus();
    QWidget* first = statusWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(first));
    QTest::mouseClick(child(*first, "Command1"), Qt::LeftButton);
    EXPECT_FALSE(first->isVisible());

    // A race finishes while the window is hidden.
    QTest::mouseClick(child(game.window(), "Command1"), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return game.model().Command1.Enabled; }, 10000));

    clickStatus();
    clickStatus();
    EXPECT_EQ(statusWindow(), first) << "one standings window per run";
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(child<QLabel>(*first, "Label11")->text(), QStringLiteral("1"))
        << "the first race of every run is won by the blue car";
    EXPECT_EQ(child<QLabel>(*first, "Label8")->text(), QStringLiteral("1"));
}

TEST_F(StatusWindowTest, ItsCloseControlHidesItAndKeepsTheCounts) {
    clickStatus();
    QWidget* window = statusWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(statusWindow(), window);
}

} // namespace
} // namespace tarvelon
