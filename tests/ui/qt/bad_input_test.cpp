// Awkward input pasted into the real amount box: each is refused, the window
// keeps answering, and a race can still be run.
#include "widget_helpers.h"

#include "ui/qt/game.h"
#include "ui/texts.h"
#include "ui/toolkit/message_recorder.h"

#include <QClipboard>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace tarvelon {
namespace {

using testing::child;
using testing::waitUntil;

class BadInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&game.window()));
        messages.shown.clear();
        QTest::mouseClick(child(game.window(), "red"), Qt::LeftButton);
        stake()->setFocus();
        stake()->selectAll();
    }
    QLineEdit* stake() { return child<QLineEdit>(game.window(), "Text7"); }
    QString text(const char* name) { return child<QLineEdit>(game.window(), name)->text(); }

    void paste(const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keySequence(stake(), QKeySequence::Paste);
    }
    void placeBet() { QTest::mouseClick(child(game.window(), "Command5"), Qt::LeftButton); }

    void expectRefused(const char* what) {
        ASSERT_EQ(messages.shown.size(), 1u) << what;
        EXPECT_EQ(messages.shown[0].text, texts::refusedStake) << what;
        EXPECT_EQ(text("money"), QStringLiteral("1000")) << what;
        EXPECT_EQ(text("Text10"), QStringLiteral("0")) << what;
        EXPECT_EQ(game.model().Command5.Tag, "2") << what;
        EXPECT_EQ(stake()->text().toStdString(), game.model().Text7.Text) << "kept as shown";
    }

    // A whole race still runs after the input.
    void expectARaceCanBeRun() {
        QTest::mouseClick(child(game.window(), "Command1"), Qt::LeftButton);
        EXPECT_TRUE(waitUntil([&] { return game.model().Race.Enabled; }));
        EXPECT_TRUE(waitUntil([&] { return game.model().Command1.Enabled; }, 10000));
    }

    MessageRecorder messages;
    qt::Game game{&messages, [] {}};
};

TEST_F(BadInputTest, APastedMegabyteIsCutToTheBoxLengthAndRefused) {
    paste(QString(1 << 20, QLatin1Char('7')) + QStringLiteral("x"));
    EXPECT_EQ(stake()->text().size(), stake()->maxLength());
    EXPECT_EQ(game.model().Text7.Text.size(), std::size_t(stake()->maxLength()));
    placeBet();
    // 32,767 sevens overflow a double: refused like any number too large to hold.
    expectRefused("a megabyte of digits");
    expectARaceCanBeRun();
}

TEST_F(BadInputTest, ControlCharactersNonAsciiDigitsAndNonNumbersAreRefused) {
    const QString inputs[] = {
        QStringLiteral("12\u0001"),     // a control character after the digits
        QStringLiteral("\u0661\u0662"), // Arabic-Indic digits
        QStringLiteral("\uFF11\uFF12"), // full-width digits
        QStringLiteral("NaN"),          QStringLiteral("1e999"), QStringLiteral("-5"),
    };
    for (const QString& input : inputs) {
        messages.shown.clear();
        stake()->selectAll();
        paste(input);
        placeBet();
        expectRefused(input.toStdString().c_str());
    }
    expectARaceCanBeRun();
}

} // namespace
} // namespace tarvelon
