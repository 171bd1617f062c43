#pragma once
#include <cstdint>
#include <vector>

#include "model/Circuit.h"

// Where one end of a wire goes: a pin of an element, onto another wire, or nowhere.
struct Attach {
    LinkKind kind = kLinkNone;
    int32_t slot = 0;
    int32_t pin = 0;

    static Attach toPin(ElementKind kind, int32_t slot, int32_t pin) { return {kind, slot, pin}; }
    static Attach onto(int32_t wire) { return {kLinkWire, wire, 0}; }
    static Attach nowhere() { return {}; }
};

// Fills the tables slot by slot, linking both sides of every end as a finished
// drawing would.
class TableFiller {
  public:
    explicit TableFiller(CCircuit& circuit) : circuit_(circuit) {}

    int32_t gate(bool isConjunction, uint16_t inputs, bool inverted);
    int32_t block(ElementKind kind);
    int32_t wire(Attach from, Attach to);
    // Dangling branches onto the nets of `targets`, round robin, until the wire table is full.
    void fillWiresWithBranches(const std::vector<int32_t>& targets);
    bool tablesFull() const;

  private:
    void attach(int32_t wireSlot, int32_t position, Attach target);

    CCircuit& circuit_;
    int32_t nextLogic_ = 0;
    int32_t nextBlock_ = 0;
    int32_t nextWire_ = 0;
};
