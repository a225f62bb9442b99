// The betting cut-off: once no bets are left, the next tick of the 1 ms `limit`
// timer closes betting until the reset. Its handler depends on nothing but the
// counter and the switches it turns off, so the front end lets the timer sleep
// while those stay as they are; it reads one short text and allocates nothing.
#include "game/numbers.h"
#include "ui/main_form.h"

namespace tarvelon {

std::array<bool*, 9> Main::cutOffSwitches() {
    return {&Command5.Enabled, &red.Enabled,    &green.Enabled, &blue.Enabled, &orange.Enabled,
            &yellow.Enabled,   &purple.Enabled, &none.Enabled,  &Text7.Enabled};
}

void Main::limit_Timer() {
    if (StrictNumber(Command5.Tag) != 0)
        return;
    for (bool* enabled : cutOffSwitches())
        *enabled = false;
}

std::string Main::cutOffInputs() {
    // The counter, then one mark a switch; the marks have a fixed length, so no two
    // states give the same text, and the whole stays short enough to need no allocation.
    std::string inputs = Command5.Tag;
    for (const bool* enabled : cutOffSwitches())
        inputs += *enabled ? '1' : '0';
    return inputs;
}

} // namespace tarvelon
