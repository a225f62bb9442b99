// One race tick: every car moves by a random step, then the first car past the
// finish line, in slot order, wins.
#include "ui/main_form.h"

namespace tarvelon {

namespace {
// A car has finished once its `Left` is strictly past this.
constexpr float finishLine = 7440;
constexpr float longestStep = 100;
} // namespace

void Main::Race_Timer() {
    // All six moves come before any finish test, in single precision.
    const std::array<CarSlot, 6> cars = slots();
    for (CarSlot slot : cars)
        slot.car.Left = longestStep * services_.random.next() + slot.car.Left;

    // The race result puts every car back at the start, so the later slots'
    // tests in this tick find nothing: the lowest slot past the line wins.
    for (int k = 1; k <= 6; ++k)
        if (cars[k - 1].car.Left > finishLine)
            FinishRace(k);
}

} // namespace tarvelon
