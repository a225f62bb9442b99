// The betting cut-off: once no bets are left, the next tick of the 1 ms `limit`
// timer closes betting until the reset. It runs a thousand times a second for
// the whole game, so it reads one short text and allocates nothing.
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

} // namespace tarvelon
