#include "ExampleDrawing.h"

#include "app/CommandIds.h"
#include "support/CircuitChecks.h"

using platform::MK_CONTROL;
using platform::MK_LBUTTON;

namespace {

template <typename Table>
int32_t lowestFreeSlot(const Table& table) {
    for (size_t slot = 0; slot < table.size(); ++slot)
        if (!table[slot]) return static_cast<int32_t>(slot);
    return -1;
}

template <typename Table>
bool placedAt(const Table& table, int32_t slot, Point at) {
    return slot >= 0 && table[slot] && Point{table[slot]->x, table[slot]->y} == at;
}

}  // namespace

CExampleDrawing::CExampleDrawing() {
    window_.OnSize(shell_.client.width, shell_.client.height);
}

void CExampleDrawing::click(Point at, uint32_t modifiers) {
    window_.OnMouseMove(modifiers, at);
    window_.OnLButtonDown(MK_LBUTTON | modifiers, at);
    window_.OnLButtonUp(modifiers, at);
}

// The placing click registers the element in the lowest free slot of its table.
int32_t CExampleDrawing::place(int command, Point at) {
    window_.OnCommand(command);
    const CCircuit& c = window_.circuit();
    const bool logic = window_.editState().pendingLogicElement != nullptr;
    const int32_t slot = logic ? lowestFreeSlot(c.logicElements) : lowestFreeSlot(c.blockElements);
    click(at);
    const bool placed =
        logic ? placedAt(c.logicElements, slot, at) : placedAt(c.blockElements, slot, at);
    if (!placed) misplaced_.push_back(at);
    return slot;
}

int32_t CExampleDrawing::signal(Point at) {
    return place(command::InsertEntrSignal, at);
}

int32_t CExampleDrawing::generator(Point at, GeneratorParams params) {
    shell_.generatorAnswers.push_back(params);
    return place(command::InsertGenerator, at);
}

int32_t CExampleDrawing::gate(Point at, LogicElementParams params) {
    shell_.logicElementAnswers.push_back(params);
    return place(command::InsertLogicElement, at);
}

int32_t CExampleDrawing::indicator(Point at) {
    return place(command::InsertIndicator, at);
}

int32_t CExampleDrawing::trigger(Point at) {
    return place(command::InsertTrigger, at);
}

int32_t CExampleDrawing::summer(Point at) {
    return place(command::InsertSummer, at);
}

// A click in the middle of the body picks the element.
Point CExampleDrawing::centreOf(ElementKind kind, int32_t slot) const {
    const CCircuit& c = window_.circuit();
    if (isLogicTableKind(kind)) {
        const CLogicElement& e = *c.logicElements[slot];
        return {e.x + e.width / 2, e.y + e.height / 2};
    }
    const CBlockElement& e = *c.blockElements[slot];
    return {e.x + e.width / 2, e.y + e.height / 2};
}

void CExampleDrawing::connect(ElementKind fromKind, int32_t fromSlot, int32_t fromPin,
                              const std::vector<Point>& bends, ElementKind toKind, int32_t toSlot,
                              int32_t toPin) {
    shell_.pinAnswers.push_back(fromPin);
    click(centreOf(fromKind, fromSlot));
    for (const Point& bend : bends) click(bend);
    shell_.pinAnswers.push_back(toPin);
    click(centreOf(toKind, toSlot));
    if (window_.editState().wireInProgress) unfinished_ = true;
}

void CExampleDrawing::branch(ElementKind kind, int32_t slot, int32_t pin,
                             const std::vector<Point>& bends, Point junction) {
    shell_.pinAnswers.push_back(pin);
    click(centreOf(kind, slot));
    for (const Point& bend : bends) click(bend);
    click(junction);
    if (window_.editState().wireInProgress) unfinished_ = true;
}

void CExampleDrawing::flip(int32_t signalSlot) {
    shell_.questionAnswers.push_back(true);
    click(centreOf(EntrSignal, signalSlot), MK_CONTROL);
}

std::vector<std::string> CExampleDrawing::faults() const {
    std::vector<std::string> faults = circuitLinkViolations(window_.circuit());
    for (const Point& at : misplaced_)
        faults.push_back("no element placed at " + std::to_string(at.x) + "," +
                         std::to_string(at.y));
    if (unfinished_) faults.push_back("a wire was left unfinished");
    if (shell_.unanswered || shell_.refusedPins || !shell_.messageBoxes.empty())
        faults.push_back("a dialog or message was not expected");
    const size_t leftOver = shell_.pinAnswers.size() + shell_.questionAnswers.size() +
                            shell_.logicElementAnswers.size() + shell_.generatorAnswers.size();
    if (leftOver) faults.push_back("an answer was never asked for");
    return faults;
}
