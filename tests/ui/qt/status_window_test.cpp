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
    const std::array<Label*, 20> labels = model.labels();
    std::vector<const Control*> controls(labels.begin(), labels.end());
    controls.push_back(&model.Command1);
    for (const Control* control : controls) {
        SCOPED_TRACE(control->Name);
        QWidget* widget = child(*statusWindow(), control->Name.c_str());
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), testing::inPixels(*control));
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << "a screen reader must name it";
    }
    for (Label* label : labels)
        EXPECT_EQ(child<QLabel>(*statusWindow(), label->Name.c_str())->text(),
                  QString::fromStdString(label->Caption));
    EXPECT_EQ(child<QPushButton>(*statusWindow(), "Command1")->text(), QStringLiteral("OK"));
    EXPECT_EQ(child<QLabel>(*statusWindow(), "Label7")->alignment() & Qt::AlignHCenter,
              Qt::AlignHCenter);
}

TEST_F(StatusWindowTest, OkAndTheCloseControlHideTheWindowAndStatusShowsTheSameCounts) {
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
    first->close();
    EXPECT_FALSE(first->isVisible()) << "its close control hides it";
    EXPECT_EQ(statusWindow(), first);
}

} // namespace
} // namespace tarvelon
