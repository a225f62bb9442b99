// The reset between races: cars back at the start, betting open again, both
// bets cleared. The bankroll, the names and the standings are left alone.
#include "ui/main_form.h"
#include "ui/texts.h"

namespace tarvelon {

void Main::ResetBoard() {
    Command1.Enabled = true;
    Image3.Visible = true;
    Image5.Visible = false;
    Image10.Visible = true;
    Race.Enabled = false;
    Command5.Enabled = true;
    for (OptionButton* option : options())
        option->Enabled = true;
    Text7.Enabled = true;
    Text10.Text = "0";
    Text13.Text = "0";
    Bet.Caption = texts::noBet;
    bet2.Caption = texts::noBet;
    // Runs none_Click only when a car was chosen, which closes the amount box again.
    none.select();
    for (CarSlot slot : slots())
        slot.car.Left = 30;
    Command5.Tag = "2";
}

} // namespace tarvelon
