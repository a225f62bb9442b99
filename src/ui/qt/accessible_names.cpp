// Accessible names: what each control is, said plainly, since the layout's own
// names ("Text10") mean nothing to a player.
//
// A text box is read through its text interface, so its name says what it holds.
// A label has no text interface for a screen reader: its name is all a reader
// gets, so a label's name is a pattern in which "%1" stands for its caption.
// Captions and car names come from the models, so each is written once.
#include "accessible_names.h"

#include "ui/texts.h"

#include <map>

namespace tarvelon::qt {

namespace {

QString fromModel(const std::string& text) {
    return QString::fromStdString(text);
}

// A control's caption, for the kinds that have one.
QString captionOf(const Control& control) {
    if (const auto* frame = dynamic_cast<const Frame*>(&control))
        return fromModel(frame->Caption);
    if (const auto* button = dynamic_cast<const CommandButton*>(&control))
        return fromModel(button->Caption);
    if (const auto* option = dynamic_cast<const OptionButton*>(&control))
        return fromModel(option->Caption);
    return {};
}

// The name `named` gives the control, in which "%1" stands for its caption; by default
// its caption alone. A label's caption changes, so its pattern is left for the caller.
QString nameOf(const std::map<const Control*, QString>& named, const Control& control) {
    const auto found = named.find(&control);
    const QString pattern = found == named.end() ? QStringLiteral("%1") : found->second;
    if (dynamic_cast<const Label*>(&control) || !pattern.contains(QLatin1String("%1")))
        return pattern;
    return pattern.arg(captionOf(control));
}

} // namespace

QString accessibleNameOf(Main& window, const Control& control) {
    const QString dollars = QStringLiteral("Dollars");
    std::map<const Control*, QString> named{
        {&window.Image10, QStringLiteral("Start signal: amber light")},
        {&window.Image3, QStringLiteral("Start signal: waiting")},
        {&window.Image5, QStringLiteral("Start signal: green light, go")},
        {&window.Command1, QStringLiteral("%1 Start the race")},
        {&window.Command6, QStringLiteral("%1: show the standings")},
        {&window.Text7, QStringLiteral("Stake to bet, in dollars")},
        {&window.money, QStringLiteral("Bankroll, in dollars")},
        {&window.Text10, QStringLiteral("Stake of the first bet, in dollars")},
        {&window.Text13, QStringLiteral("Stake of the second bet, in dollars")},
        {&window.Frame5, QStringLiteral("%1, first bet")},
        {&window.Frame6, QStringLiteral("%1, second bet")},
        {&window.Bet, QStringLiteral("First bet: %1")},
        {&window.bet2, QStringLiteral("Second bet: %1")},
        {&window.Frame4, QStringLiteral("Title")},
        // The lettering pictures, the panel and the two cars say nothing a player
        // needs: the year label says the whole title.
        {&window.Label3, QString::fromUtf8(texts::applicationTitle)},
        {&window.Text8, dollars},
        {&window.Text9, dollars},
        {&window.Text11, dollars},
        {&window.Text12, dollars},
    };
    int number = 1;
    for (Main::CarSlot slot : window.slots()) {
        named[&slot.name] =
            QStringLiteral("Name of car %1, %2").arg(number++).arg(fromModel(slot.option.Name));
        named[&slot.option] = QStringLiteral("Bet on %1");
    }
    return nameOf(named, control);
}

QString accessibleNameOf(Status& window, const Control& control) {
    std::map<const Control*, QString> named{
        {&window.Command1, QStringLiteral("%1: hide the standings")}};
    for (int slot = 1; slot <= 6; ++slot) {
        const QString car = fromModel(window.carName(slot).Caption);
        named[&window.tally(slot, Status::Column::Wins)] = car + QStringLiteral(", wins: %1");
        named[&window.tally(slot, Status::Column::Losses)] = car + QStringLiteral(", losses: %1");
    }
    return nameOf(named, control);
}

} // namespace tarvelon::qt
