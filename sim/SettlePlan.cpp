#include "sim/SettlePlan.h"

#include <algorithm>
#include <bit>

namespace sim {

namespace {

constexpr uint32_t kReadersPerWord = 64;

uint64_t readerBit(uint32_t reader) {
    return uint64_t{1} << (reader % kReadersPerWord);
}
// Where in inputs_ the levels of a reader's pin are.
uint32_t inputWord(uint32_t reader, uint32_t pin) {
    return reader / kReadersPerWord * kFirstOutputPin + pin;
}

// The rule that evaluates an evaluated reader.
OutputRule ruleOf(const SettleWiring::Reader& reader) {
    return reader.gate ? OutputRule::Gate : kindInfo(reader.block->kind).outputRule;
}

// Bits of `a` where `mask` is set, of `b` elsewhere.
uint64_t select(uint64_t mask, uint64_t a, uint64_t b) {
    return (mask & a) | (~mask & b);
}

}  // namespace

CSettlePlan::CSettlePlan(CCircuit& circuit, CWiringKey* key)
    : wiring_(buildSettleWiring(circuit, key)),
      rules_((wiring_.readers.size() + kReadersPerWord - 1) / kReadersPerWord),
      words_(rules_.size()),
      inputs_(rules_.size() * kFirstOutputPin) {
    for (const uint32_t target : wiring_.targets) {
        const uint32_t reader = targetReader(target);
        inputBits_.push_back(inputWord(reader, targetPin(target)) * 64 + reader % 64);
    }
    for (uint32_t r = 0; r < wiring_.evaluated; ++r) {
        RuleWord& rules = rules_[r / kReadersPerWord];
        switch (ruleOf(wiring_.readers[r])) {
            case OutputRule::Gate:
                rules.gates |= readerBit(r);
                break;
            case OutputRule::Trigger:
                rules.triggers |= readerBit(r);
                break;
            case OutputRule::Summer:
                rules.summers |= readerBit(r);
                break;
            default:  // only the rules above are evaluated
                break;
        }
    }
    listUnreachedInputs();
}

// The inputs each rule reads: a gate any of its nine (which are present is read
// at every settle), a trigger and a summer those their kind has.
void CSettlePlan::listUnreachedInputs() {
    std::vector<uint8_t> reached(size_t{wiring_.evaluated} * kFirstOutputPin, 0);
    for (const uint32_t target : wiring_.targets)
        if (targetReader(target) < wiring_.evaluated)
            reached[targetReader(target) * kFirstOutputPin + targetPin(target)] = 1;
    for (uint32_t r = 0; r < wiring_.evaluated; ++r) {
        const SettleWiring::Reader& reader = wiring_.readers[r];
        const PinSet read = reader.gate ? kInputPins : kindInfo(reader.block->kind).pins;
        for (uint32_t pin = 0; pin < kFirstOutputPin; ++pin)
            if (hasPin(read, static_cast<int>(pin)) && !reached[r * kFirstOutputPin + pin])
                unreachedInputs_.push_back(
                    {&(*reader.pins)[pin].value, inputWord(r, pin) * 64 + r % 64});
    }
}

SettleResult CSettlePlan::settle() {
    SettleResult result;
    begin();
    bool changed = true;
    while (changed && result.passes < kSettlePassLimit) {
        changed = pass();
        ++result.passes;
    }
    storeLevels();
    result.settled = !changed;
    return result;
}

// Each word is put together in a local first: a store through a level byte may
// alias anything, and the compiler would otherwise reload the word for every bit.
void CSettlePlan::begin() {
    std::fill(inputs_.begin(), inputs_.end(), 0);
    for (const InputLevel& input : unreachedInputs_)
        inputs_[input.bit / 64] |= uint64_t{*input.level != 0} << input.bit % 64;
    const SettleWiring::Reader* readers = wiring_.readers.data();
    for (uint32_t w = 0; w < words_.size(); ++w) {
        LevelWord word;
        const uint32_t first = w * kReadersPerWord;
        const uint32_t end = std::min(first + kReadersPerWord, wiring_.evaluated);
        for (uint32_t r = first; r < end; ++r) {
            const uint32_t shift = r - first;
            auto take = [shift](uint64_t& bits, bool on) { bits |= uint64_t{on} << shift; };
            const Pins& pins = *readers[r].pins;
            take(word.q, pins[kOutputPin].value != 0);
            take(word.oddQ, pins[kOutputPin].value > 1);
            if (const CLogicElement* gate = readers[r].gate) {
                for (int p = 0; p < kFirstOutputPin; ++p)
                    take(word.present[p], pins[p].present != 0);
                take(word.conjunction, gate->isConjunction != 0);
                take(word.inverted, gate->inverted != 0);
                continue;
            }
            const CBlockElement& block = *readers[r].block;
            take(word.notQ, pins[kSecondOutputPin].value != 0);
            take(word.oddNotQ, pins[kSecondOutputPin].value > 1);
            take(word.latchedJ, block.latchedJ != 0);
            take(word.armed, block.clockArmed != 0);
            take(word.latchedK, block.latchedK != 0);
        }
        words_[w] = word;
    }
    firstPass_ = true;
}

// As in begin(), everything the stores could alias is read into locals first.
void CSettlePlan::storeLevels() {
    const uint32_t* bits = inputBits_.data();
    const uint64_t* inputs = inputs_.data();
    uint8_t* const* targetPins = wiring_.targetPins.data();
    for (size_t t = 0; t < inputBits_.size(); ++t)
        *targetPins[t] = static_cast<uint8_t>((inputs[bits[t] / 64] >> bits[t] % 64) & 1);
    const SettleWiring::Reader* readers = wiring_.readers.data();
    for (uint32_t w = 0; w < words_.size(); ++w) {
        const LevelWord word = words_[w];
        const uint64_t triggers = rules_[w].triggers;
        const uint32_t first = w * kReadersPerWord;
        const uint32_t end = std::min(first + kReadersPerWord, wiring_.evaluated);
        for (uint32_t r = first; r < end; ++r) {
            const uint32_t shift = r - first;
            auto bit = [shift](uint64_t levels) {
                return static_cast<uint8_t>((levels >> shift) & 1);
            };
            Pins& pins = *readers[r].pins;
            // An odd byte that no evaluation wrote stays as it is.
            if (!bit(word.oddQ)) pins[kOutputPin].value = bit(word.q);
            CBlockElement* block = readers[r].block;
            if (!block) continue;
            if (!bit(word.oddNotQ)) pins[kSecondOutputPin].value = bit(word.notQ);
            if (!bit(triggers)) continue;
            // Evaluation only ever writes 0 or 1 into the latches.
            block->latchedJ = bit(word.latchedJ);
            block->clockArmed = bit(word.armed);
            block->latchedK = bit(word.latchedK);
        }
    }
}

bool CSettlePlan::pass() {
    if (firstPass_) {
        firstPass_ = false;
        deliverAll();
    } else {
        deliverFlips();
    }
    bool changed = false;
    for (size_t w = 0; w < words_.size(); ++w)
        changed |= evaluate(rules_[w], words_[w], &inputs_[w * kFirstOutputPin]);
    return changed;
}

// Anything may have changed before a settle: every output is delivered. begin()
// left every target at 0, so only the outputs at 1 have anything to deliver.
void CSettlePlan::deliverAll() {
    const uint32_t* bounds = wiring_.outputTargets.data();
    for (uint32_t r = 0; r < wiring_.evaluated; ++r) {
        const LevelWord& word = words_[r / kReadersPerWord];
        const uint32_t* pair = bounds + size_t{2} * r;  // bounds of Q's targets, then of Q-bar's
        if (word.q & readerBit(r)) raiseTargets(pair[0], pair[1]);
        if (word.notQ & readerBit(r)) raiseTargets(pair[1], pair[2]);
    }
    for (const SettleWiring::FixedOutput& output : wiring_.fixedOutputs)
        if (*output.level != 0) raiseTargets(output.firstTarget, output.endTarget);
}

// Every input holds the level of its one output as of the last delivery, so only
// the inputs of the outputs whose level flipped since then change, and they flip.
void CSettlePlan::deliverFlips() {
    const uint32_t* bounds = wiring_.outputTargets.data();
    const uint32_t* bits = inputBits_.data();
    uint64_t* inputs = inputs_.data();
    auto flipTargetsOf = [=](uint32_t output) {
        for (uint32_t t = bounds[output]; t < bounds[output + 1]; ++t)
            inputs[bits[t] / 64] ^= uint64_t{1} << bits[t] % 64;
    };
    for (size_t w = 0; w < words_.size(); ++w) {
        const auto base = static_cast<uint32_t>(w * kReadersPerWord);
        for (uint64_t flipped = words_[w].flippedQ; flipped != 0; flipped &= flipped - 1)
            flipTargetsOf(2 * (base + static_cast<uint32_t>(std::countr_zero(flipped))));
        for (uint64_t flipped = words_[w].flippedNotQ; flipped != 0; flipped &= flipped - 1)
            flipTargetsOf(2 * (base + static_cast<uint32_t>(std::countr_zero(flipped))) + 1);
    }
}

void CSettlePlan::raiseTargets(uint32_t firstTarget, uint32_t endTarget) {
    const uint32_t* bits = inputBits_.data();
    uint64_t* inputs = inputs_.data();
    for (uint32_t t = firstTarget; t < endTarget; ++t)
        inputs[bits[t] / 64] |= uint64_t{1} << bits[t] % 64;
}

// The rules of the kinds, for 64 readers at once; true when an output byte changed.
bool CSettlePlan::evaluate(const RuleWord& rules, LevelWord& word, const uint64_t* inputs) {
    // Gates: AND or OR over the present inputs, then the inversion.
    uint64_t allHigh = ~uint64_t{0};
    uint64_t anyHigh = 0;
    for (int p = 0; p < kFirstOutputPin; ++p) {
        allHigh &= inputs[p] | ~word.present[p];
        anyHigh |= inputs[p] & word.present[p];
    }
    const uint64_t gateLevel = select(word.conjunction, allHigh, anyHigh) ^ word.inverted;

    // Summers: a one-bit full adder.
    const uint64_t a = inputs[kSummerA];
    const uint64_t carryIn = inputs[kSummerCarryIn];
    const uint64_t b = inputs[kSummerB];
    const uint64_t sum = a ^ b ^ carryIn;
    const uint64_t carryOut = (a & b) | (a & carryIn) | (b & carryIn);

    // Triggers: while the clock is high J and K are latched and the trigger armed; the
    // first evaluation with the clock low moves Q: Q+ = J and not Q, or not K and Q.
    const uint64_t clock = inputs[kTriggerClock];
    const uint64_t fires = rules.triggers & ~clock & word.armed;
    const uint64_t next = (word.latchedJ & word.notQ) | (~word.latchedK & word.q);
    const uint64_t latching = rules.triggers & clock;
    word.latchedJ = select(latching, inputs[kTriggerJ], word.latchedJ);
    word.latchedK = select(latching, inputs[kTriggerK], word.latchedK);
    word.armed = select(rules.triggers, clock, word.armed);

    // A written output byte is 0 or 1; writing counts as a change when the byte differs.
    const uint64_t writesQ = rules.gates | rules.summers | fires;
    const uint64_t writesNotQ = rules.summers | fires;
    const uint64_t q =
        select(rules.gates, gateLevel, select(rules.summers, sum, select(fires, next, word.q)));
    const uint64_t notQ = select(rules.summers, carryOut, select(fires, ~next, word.notQ));
    const uint64_t changed =
        (writesQ & ((q ^ word.q) | word.oddQ)) | (writesNotQ & ((notQ ^ word.notQ) | word.oddNotQ));
    word.oddQ &= ~writesQ;
    word.oddNotQ &= ~writesNotQ;
    word.flippedQ = q ^ word.q;
    word.flippedNotQ = notQ ^ word.notQ;
    word.q = q;
    word.notQ = notQ;
    return changed != 0;
}

}  // namespace sim
