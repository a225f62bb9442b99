// Starting a race: "GO!" closes betting and lights the amber signal; one second
// later the start signal turns green and the race tick begins.
#include "ui/main_form.h"

namespace tarvelon {

void Main::Command1_Click() {
    for (CarSlot slot : slots())
        slot.name.Locked = true;
    for (CarSlot slot : slots())
        slot.name.BackColor = colors::lightGrey;
    Image5.Visible = true;
    Image3.Visible = false;
    Timer3.Enabled = true;
    Command1.Enabled = false;
    Command5.Enabled = false;
    // The selected option stays selected while disabled: it is still the bet choice.
    for (OptionButton* option : options())
        option->Enabled = false;
    Text7.Enabled = false;
}

// The signal timer is left running: its later firings repeat these writes, which
// change nothing, until the race result stops it.
void Main::Timer3_Timer() {
    Image3.Visible = false;
    Image5.Visible = true;
    Image10.Visible = false;
    Race.Enabled = true;
}

} // namespace tarvelon
