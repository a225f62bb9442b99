// Memory kept by long pastes into the amount box: forty pastes of 32,767 characters (the
// most a QLineEdit holds), against the same pastes into a plain QLineEdit, which keeps
// every one in its undo history. Prints the resident memory before and after.
// Usage: qt_paste_memory game|lineedit [PASTES [LENGTH]]
#include "qt_support.h"

#include "support/message_recorder.h"
#include "ui/qt/windows.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <optional>

using namespace tarvelon;

int main(int argc, char* argv[]) {
    bench::useOffscreenUnlessSet();
    QApplication app(argc, argv);
    const bool intoGame = argc > 1 && std::string(argv[1]) == "game";
    const int pastes = argc > 2 ? std::atoi(argv[2]) : 40;
    const int length = argc > 3 ? std::atoi(argv[3]) : 32767;

    MessageRecorder messages;
    std::optional<qt::Frontend> game;
    QLineEdit plain;
    QLineEdit* box = &plain;
    if (intoGame) {
        game.emplace(&messages);
        game->start();
        game->handle([&] { game->model().red.click(); });
        box = game->gameWindow().findChild<QLineEdit*>(QStringLiteral("Text7"));
    } else {
        plain.show();
    }
    QApplication::clipboard()->setText(QString(length, QLatin1Char('7')));
    QCoreApplication::processEvents();
    const long before = bench::memoryKb("VmRSS:");
    for (int paste = 0; paste < pastes; ++paste) {
        box->selectAll();
        QTest::keySequence(box, QKeySequence::Paste);
        QCoreApplication::processEvents();
    }
    std::printf("rss_before_kb=%ld\nrss_after_kb=%ld\nkept_characters=%lld\nmessages=%zu\n", before,
                bench::memoryKb("VmRSS:"), static_cast<long long>(box->text().size()),
                messages.shown.size());
}
