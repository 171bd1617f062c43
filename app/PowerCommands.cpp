#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "platform/Shell.h"
#include "sim/Simulation.h"

void CVortafrm::OnPowerOn() {
    powerOn_ = true;
    simulation_.switchPowerOn();
    // Without erasing, so that the digits appear without the work area flashing white.
    shell_.invalidateWorkArea(false);
}

void CVortafrm::OnPowerOff() {
    powerOn_ = false;
    shell_.killTimer(timer::GeneratorClock);
    sim::resetSignals(circuit_);
    shell_.invalidateWorkArea(true);
}

// There is no running flag: a second Start only restarts the one 100 ms timer.
void CVortafrm::OnGeneratorStart() {
    shell_.setTimer(timer::GeneratorClock, timer::GeneratorClockMs);
}

void CVortafrm::OnGeneratorStop() {
    shell_.killTimer(timer::GeneratorClock);
}
