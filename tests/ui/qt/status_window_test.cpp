// The real standings window: every label where its model says, one window per
// run, and counts kept while it is hidden.
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

TEST_F(StatusWindowTest, StatusShowsEveryLabelWhereItsModelSays) {
    EXPECT_EQ(statusWindow(), nullptr) << "not made before it is needed";
    clickStatus();
    ASSERT_NE(statusWindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(statusWindow()));
    EXPECT_EQ(statusWindow()->size(), QSize(181, 281));
    EXPECT_EQ(statusWindow()->windowTitle(), QStringLiteral("             Status"));
    EXPECT_FALSE(statusWindow()->windowIcon().isNull());
    Status& model = game.shell().status();
    auto expectPlaced = [&](const Control& control, const QString& caption) {
        SCOPED_TRACE(control.Name);
        QWidget* widget = child(*statusWindow(), control.Name.c_str());
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(),
                  QRect(qRound(control.Left / 15), qRound(control.Top / 15),
                        qRound(control.Width / 15), qRound(control.Height / 15)));
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << "a screen reader must name it";
        auto* label = qobject_cast<QLabel*>(widget);
        EXPECT_EQ(label ? label->text() : qobject_cast<QPushButton*>(widget)->text(), caption);
    };
    for (Label* label : model.labels())
        expectPlaced(*label, QString::fromStdString(label->Caption));
    expectPlaced(model.Command1, QStringLiteral("OK"));
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
