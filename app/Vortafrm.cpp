#include "app/Vortafrm.h"

#include "app/CommandIds.h"
#include "io/Recovery.h"
#include "platform/Shell.h"

CVortafrm::CVortafrm(platform::Shell& desktop) : shell(desktop) {}

// The tables, the pending elements and the hit lists are owned, so nothing is
// left behind whatever was in progress when the window went.
CVortafrm::~CVortafrm() = default;

void CVortafrm::OnCreate() {
    if (!io::restoreRecovery(circuit)) return;
    shell.setTimer(timer::Autosave, timer::AutosaveMs);
}

void CVortafrm::OnDestroy() {
    shell.killTimer(timer::GeneratorClock);
    shell.killTimer(timer::Autosave);
    io::emptyRecovery();
}

void CVortafrm::OnTimer(int id) {
    if (id == timer::GeneratorClock) {
        if (simulation.clockTick()) shell.invalidateWorkArea(false);
    } else if (id == timer::Autosave) {
        // A failed write is not reported: a message every 15 seconds would be
        // worse than a recovery file that is one tick old.
        io::writeRecovery(circuit);
    }
}
