// Start-up probe for the game: runs the program's real start-up (application,
// style, game window model and widgets, the load handler's greeting) and stops at
// the first start-up box, which it shows for real but without a modal loop. It
// prints how long after the driver started it the box was on screen, and the
// peak resident memory at that moment.
#include "qt_support.h"

#include "ui/qt/platform.h"

#include "ui/qt/windows.h"

#include <QApplication>
#include <QMessageBox>

namespace tarvelon::bench {
namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Shows the first box as the game's own boxes do, then reports and ends the
// process: what comes after the first box is not start-up.
class FirstBoxProbe : public MessageBoxes {
public:
    void show(std::string_view text, std::string_view title, MessageIcon icon) override {
        QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information
                                                         : QMessageBox::NoIcon,
                        toQString(title), toQString(text), QMessageBox::Ok);
        box.setWindowModality(Qt::ApplicationModal);
        const std::optional<Clock::time_point> exposed = showAndWaitExposed(box);
        if (!exposed)
            std::_Exit(2);
        report("startup_ms", millisecondsSinceSpawn(*exposed));
        report("peak_rss_kb", static_cast<double>(peakResidentKb()));
        // Nothing after this moment is measured, so skip the teardown.
        std::_Exit(0);
    }
};

} // namespace
} // namespace tarvelon::bench

int main(int argc, char* argv[]) {
    tarvelon::bench::useOffscreenUnlessSet();
    // From here on, what the program's own main does.
    QApplication app(argc, argv);
    tarvelon::qt::configureApplication();

    tarvelon::bench::FirstBoxProbe probe;
    tarvelon::qt::Frontend game(&probe);
    game.start();
    return 3; // the game never greeted the player
}
