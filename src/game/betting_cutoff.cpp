// The betting cut-off: once no bets are left, the next tick of the 1 ms `limit`
// timer closes betting until the reset. Its handler depends on nothing but the
// counter and the controls it disables, so the front end lets the timer sleep
// while those stay as they are; it reads one short text and allocates nothing.
#include "game/numbers.h"
#include "ui/main_form.h"

namespace tarvelon {

bool Main::noBetsLeft() const {
    return StrictNumber(Command5.Tag) == 0;
}

void Main::limit_Timer() {
    if (!noBetsLeft())
        return;
    Command5.Enabled = false;
    for (OptionButton* option : options())
        option->Enabled = false;
    Text7.Enabled = false;
}

std::string Main::cutOffInputs() const {
    // The counter, then one mark for each control the handler disables; the
    // marks have a fixed length, so no two states give the same text, and the
    // whole stays short enough to need no allocation.
    std::string inputs = Command5.Tag;
    for (bool enabled : {Command5.Enabled, red.Enabled, green.Enabled, blue.Enabled, orange.Enabled,
                         yellow.Enabled, purple.Enabled, none.Enabled, Text7.Enabled})
        inputs += enabled ? '1' : '0';
    return inputs;
}

} // namespace tarvelon
