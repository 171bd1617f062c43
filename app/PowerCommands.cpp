#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "platform/Shell.h"
#include "sim/Simulation.h"

void CVortafrm::OnPowerOn() {
    powerOn = true;
    simulation.switchPowerOn();
    // Without erasing, so that the digits appear without the work area flashing white.
    shell.invalidateWorkArea(false);
}

void CVortafrm::OnPowerOff() {
    powerOn = false;
    shell.killTimer(timer::GeneratorClock);
    sim::resetSignals(circuit);
    shell.invalidateWorkArea(true);
}

// There is no running flag: a second Start only restarts the one 100 ms timer.
void CVortafrm::OnGeneratorStart() {
    shell.setTimer(timer::GeneratorClock, timer::GeneratorClockMs);
}

void CVortafrm::OnGeneratorStop() {
    shell.killTimer(timer::GeneratorClock);
}
