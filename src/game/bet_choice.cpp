// Choosing what to bet on: a car opens the amount box, no bet closes it.
#include "ui/main_form.h"

namespace tarvelon {

// The click handler of the six car options, red_Click to purple_Click.
void Main::CarOption_Click(int slot) {
    slots()[slot - 1].option.select();
    // A stake typed while another car was chosen stays.
    Text7.Enabled = true;
}

void Main::none_Click() {
    none.select();
    Text7.Enabled = false;
    Text7.Text = "0";
}

} // namespace tarvelon
