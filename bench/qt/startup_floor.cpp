// Start-up floor: the least a Qt Widgets program does to put one message box on
// screen, measured as the game's start-up probe measures itself.
#include "qt_support.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    using namespace tarvelon::bench;
    tarvelon::bench::useOffscreenUnlessSet();
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    // A text of the same length as the game's first greeting, so both boxes lay
    // out the same amount of text.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Bare Qt floor"),
                    QStringLiteral("A bare program shows one box here, with a line of text as "
                                   "long as this."),
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    const std::optional<Clock::time_point> exposed = showAndWaitExposed(box);
    if (!exposed)
        return 2;
    report("startup_ms", millisecondsSinceSpawn(*exposed));
    report("peak_rss_kb", static_cast<double>(peakResidentKb()));
    std::_Exit(0);
}
