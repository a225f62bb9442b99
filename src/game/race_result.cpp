// The race result: stops the race for the winning slot.
#include "ui/main_form.h"

namespace tarvelon {

void Main::FinishRace(int /*k*/) {
    // The signal timer must stop too: it would otherwise enable the race again.
    Race.Enabled = false;
    Timer3.Enabled = false;
    Command1.Enabled = false;
}

} // namespace tarvelon
