#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "platform/Shell.h"
#include "sim/Simulation.h"

void CVortafrm::OnPowerOn() {
    powerOn_ = true;
    simulation_.switchPowerOn();
    timing_.startAtPowerOn(circuit_);
    timingRows_.follow(circuit_, timing_);
    // Without erasing, so that the digits appear without the work area flashing white.
    shell_.invalidateWorkArea(false);
}

void CVortafrm::OnPowerOff() {
    powerOn_ = false;
    generatorRunning_ = false;
    shell_.killTimer(timer::GeneratorClock);
    sim::resetSignals(circuit_);
    timing_.stopAtPowerOff();
    shell_.invalidateWorkArea(true);
}

// There is no running flag: a second Start only restarts the one 100 ms timer.
void CVortafrm::OnGeneratorStart() {
    generatorRunning_ = true;
    shell_.setTimer(timer::GeneratorClock, timer::GeneratorClockMs);
}

void CVortafrm::OnGeneratorStop() {
    generatorRunning_ = false;
    shell_.killTimer(timer::GeneratorClock);
}

void CVortafrm::settleNow() {
    simulation_.settle();
    shell_.invalidateWorkArea(false);
}

void CVortafrm::OnPowerSettle() {
    settleNow();
}

void CVortafrm::OnPowerResetTriggers() {
    sim::resetTriggers(circuit_);
    settleNow();
    timing_.recordManualChange(circuit_);
}

// One tick of the clock: the running timer's, or "&Такт" at the moment the user chooses.
void CVortafrm::OnGeneratorTick() {
    if (simulation_.clockTick()) shell_.invalidateWorkArea(false);
    timing_.recordTick(circuit_);
}
