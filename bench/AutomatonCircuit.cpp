#include "bench/AutomatonCircuit.h"

#include <map>
#include <memory>
#include <utility>

#include "bench/TableFiller.h"

namespace {

// Wires from outputs, the later wires of one output joined onto its first.
class CNets {
  public:
    explicit CNets(TableFiller& fill) : fill_(fill) {}
    void connect(Attach from, Attach to) {
        const auto key =
            std::make_pair(from.slot * 16 + from.pin, int{from.kind == LinkKind(Trigger)});
        const auto net = nets_.find(key);
        if (net == nets_.end())
            nets_[key] = fill_.wire(from, to);
        else
            fill_.wire(Attach::onto(net->second), to);
    }

  private:
    TableFiller& fill_;
    std::map<std::pair<int32_t, int>, int32_t> nets_;
};

}  // namespace

void buildSixTriggerCircuit(CCircuit& circuit) {
    TableFiller fill(circuit);
    CNets nets(fill);
    const int32_t clock = fill.block(EntrSignal);
    int32_t inputs[4];
    for (int32_t& input : inputs) input = fill.block(EntrSignal);
    int32_t triggers[6];
    for (int32_t& trigger : triggers) {
        trigger = fill.block(Trigger);
        nets.connect(Attach::toPin(EntrSignal, clock, kOutputPin),
                     Attach::toPin(Trigger, trigger, kTriggerClock));
    }
    constexpr int kInverterInput = 2;  // a one-input gate's only input pin
    for (int i = 0; i < 4; ++i) {
        const int32_t inverter = fill.gate(false, 1, true);
        const Attach input = Attach::toPin(EntrSignal, inputs[i], kOutputPin);
        nets.connect(input, Attach::toPin(Trigger, triggers[i], kTriggerJ));
        nets.connect(input, Attach::toPin(LogicElement, inverter, kInverterInput));
        nets.connect(Attach::toPin(LogicElement, inverter, kOutputPin),
                     Attach::toPin(Trigger, triggers[i], kTriggerK));
    }
    const Attach first = Attach::toPin(Trigger, triggers[0], kTriggerQ);
    nets.connect(first, Attach::toPin(Trigger, triggers[4], kTriggerJ));
    nets.connect(first, Attach::toPin(Trigger, triggers[4], kTriggerK));
    const int32_t carry = fill.gate(true, 2, false);
    nets.connect(first, Attach::toPin(LogicElement, carry, 0));
    nets.connect(Attach::toPin(Trigger, triggers[4], kTriggerQ),
                 Attach::toPin(LogicElement, carry, 4));
    nets.connect(Attach::toPin(LogicElement, carry, kOutputPin),
                 Attach::toPin(Trigger, triggers[5], kTriggerJ));
    nets.connect(Attach::toPin(LogicElement, carry, kOutputPin),
                 Attach::toPin(Trigger, triggers[5], kTriggerK));
    // After the gates, in the lowest free slot.
    auto indicator = std::make_unique<CLogicElement>(Indicator);
    const CLogicElement& record = *indicator;
    if (!circuit.registerLogicElement(indicator)) return;
    for (int bit = 0; bit < 5; ++bit)
        nets.connect(Attach::toPin(Trigger, triggers[bit + 1], kTriggerQ),
                     Attach::toPin(Indicator, record.index, bit));
}
