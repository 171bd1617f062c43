#include "app/Vortafrm.h"

#include "app/CommandIds.h"
#include "io/Recovery.h"
#include "platform/Shell.h"

CVortafrm::CVortafrm(platform::Shell& desktop) : shell_(desktop) {}

// The tables, the pending elements and the hit lists are owned, so nothing is
// left behind whatever was in progress when the window went.
CVortafrm::~CVortafrm() = default;

// The restored circuit comes in as any other, an undo step from the empty work
// area the window was created with.
void CVortafrm::OnCreate() {
    CCircuit restored;
    if (io::restoreRecovery(restored)) {
        if (!restored.isEmpty()) replaceCircuit(std::move(restored), "");
        shell_.setTimer(timer::Autosave, timer::AutosaveMs);
    }
    afterMessage();
}

void CVortafrm::OnDestroy() {
    shell_.killTimer(timer::GeneratorClock);
    shell_.killTimer(timer::Autosave);
    io::emptyRecovery();
}

void CVortafrm::OnTimer(int id) {
    if (id == timer::GeneratorClock) {
        OnGeneratorTick();
    } else if (id == timer::Autosave) {
        // A failed write shows in the window's status rather than in a message,
        // which every 15 seconds would be worse than a recovery file one tick old.
        recoveryUnwritten_ = !io::writeRecovery(circuit_);
    }
    afterMessage();
}
