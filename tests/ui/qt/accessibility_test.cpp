// What a screen reader hears of the labels: each one's name holds what it shows,
// through every change of it.
#include "widget_helpers.h"

#include "ui/qt/game.h"
#include "ui/qt/status_window.h"
#include "ui/toolkit/message_recorder.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::child;
using testing::waitUntil;

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&game.window()));
        click(game.window(), "Command6"); // makes the standings window
    }
    void click(QWidget& window, const char* name) {
        QTest::mouseClick(child(window, name), Qt::LeftButton);
    }

    // Every label of both windows says its caption, as words of their own.
    void expectEveryLabelSaysItsCaption() {
        QWidget* const windows[] = {&game.window(), game.shell().statusWindow()};
        for (QWidget* window : windows) {
            for (QLabel* label : window->findChildren<QLabel*>()) {
                const QString name =
                    QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
                const QRegularExpression words(QStringLiteral("(^|\\W)%1(\\W|$)")
                                                   .arg(QRegularExpression::escape(label->text())));
                EXPECT_TRUE(name.contains(words))
                    << label->objectName().toStdString() << ": \"" << name.toStdString() << "\"";
            }
        }
    }

    MessageRecorder messages;
    qt::Game game{&messages, [] {}};
};

TEST_F(AccessibilityTest, EveryLabelSaysWhatItShowsThroughABetARaceAndAReset) {
    expectEveryLabelSaysItsCaption();
    click(game.window(), "blue"); // the first race of every run is won by the blue car
    child<QLineEdit>(game.window(), "Text7")->selectAll();
    QTest::keyClicks(child(game.window(), "Text7"), "5");
    click(game.window(), "Command5");
    expectEveryLabelSaysItsCaption();

    click(game.window(), "Command1");
    ASSERT_TRUE(waitUntil(
        [&] { return child<QLineEdit>(game.window(), "Text10")->text() == QStringLiteral("0"); },
        10000))
        << "the board resets after the race";
    expectEveryLabelSaysItsCaption();
}

} // namespace
} // namespace tarvelon
