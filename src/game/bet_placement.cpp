// Placing bets: up to two a race, each stake leaving the bankroll at once and
// recorded with the car it backs.
#include "game/numbers.h"
#include "ui/main_form.h"
#include "ui/texts.h"

#include <cmath>

namespace tarvelon {

namespace {

// A stake is a number of 0 or more.
std::optional<double> readStake(const std::string& text) {
    std::optional<double> stake = StrictNumber(text);
    if (!stake || *stake < 0)
        return std::nullopt;
    return stake;
}

// The stake of a recorded bet; "0" when none was placed.
double recordedStake(const TextBox& record) {
    return StrictNumber(record.Text).value_or(0);
}

} // namespace

void Main::Command5_Click() {
    // The counter is lowered only at the end, so one press places at most one bet.
    const std::array<BetRecord, 2> records = betRecords();
    if (StrictNumber(Command5.Tag) == 2 && !placeBet(records[0]))
        return;
    if (StrictNumber(Command5.Tag) == 1 && !placeBet(records[1]))
        return;
    Command5.Tag = NumberText(StrictNumber(Command5.Tag).value_or(0) - 1);
}

void Main::refuseStake() {
    services_.messages.show(texts::refusedStake, Caption, MessageIcon::Information);
}

bool Main::placeBet(const BetRecord& record) {
    const bool firstBet = &record.stake == &Text10;
    const std::string stakeText = Text7.Text;
    const std::string bankrollText = money.Text;
    const std::optional<double> amount = readStake(stakeText);
    const double bankrollLeft = amount ? LenientNumber(bankrollText) - *amount : 0;
    // The bankroll must stay a number the game can hold even if every bet placed
    // so far, this one included, is paid twice its stake.
    const double stakedBefore = firstBet ? 0 : recordedStake(Text10);
    if (!amount || !std::isfinite(bankrollLeft) || !std::isfinite(2 * *amount) ||
        !std::isfinite(bankrollLeft + 2 * stakedBefore + 2 * *amount)) {
        refuseStake();
        return false;
    }

    money.Text = NumberText(bankrollLeft);
    record.stake.Text = stakeText; // exactly as typed, blanks and trailing zeros included
    Text7.Text = "0";
    for (CarSlot slot : slots()) {
        if (!slot.option.Value())
            continue;
        record.car.Caption = slot.name.Text;
        // The first bet's car cannot be chosen again; the second bet may back it too.
        if (firstBet)
            slot.option.Enabled = false;
    }
    if (none.Value())
        record.car.Caption = texts::noBet;
    return true;
}

} // namespace tarvelon
