// The race result: stops the race, counts it in the standings, pays the bets on
// the winner, resets the board and ends the game when the bankroll is spent.
#include "game/numbers.h"
#include "ui/main_form.h"
#include "ui/texts.h"

namespace tarvelon {

namespace {

void addOne(Label& tally) {
    tally.Caption = NumberText(LenientNumber(tally.Caption) + 1);
}

} // namespace

void Main::FinishRace(int k) {
    // The signal timer must stop too: it would otherwise enable the race again.
    Race.Enabled = false;
    Timer3.Enabled = false;
    Command1.Enabled = false;

    Status& standings = services_.shell.status();
    addOne(standings.tally(k, Status::Column::Wins));
    for (int slot = 1; slot <= 6; ++slot)
        if (slot != k)
            addOne(standings.tally(slot, Status::Column::Losses));

    const std::string winner = slots()[k - 1].name.Text;
    for (const BetRecord& record : betRecords()) // the first bet first
        payBet(record, winner);

    ResetBoard();

    if (std::optional<double> bankroll = StrictNumber(money.Text); bankroll && *bankroll <= 0) {
        services_.messages.show(texts::gameOver, Caption, MessageIcon::None);
        timer.Enabled = true;
    }
}

// Bets are recognised by the car's name, compared exactly.
void Main::payBet(const BetRecord& record, const std::string& winner) {
    if (record.car.Caption != winner)
        return;
    const double payout = 2 * StrictNumber(record.stake.Text).value_or(0);
    services_.messages.show(texts::youWon + NumberText(payout), Caption, MessageIcon::None);
    money.Text = NumberText(LenientNumber(money.Text) + payout);
}

} // namespace tarvelon
