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
        const SettleWiring::Reader& reader = wiring_.readers[r];
        RuleWord& rules = rules_[r / kReadersPerWord];
        if (reader.gate)
            rules.gates |= readerBit(r);
        else if (reader.block->kind == Trigger)
            rules.triggers |= readerBit(r);
        else
            rules.summers |= readerBit(r);
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

void CSettlePlan::begin() {
    std::fill(words_.begin(), words_.end(), LevelWord{});
    std::fill(inputs_.begin(), inputs_.end(), 0);
    for (uint32_t r = 0; r < wiring_.readers.size(); ++r) {
        const SettleWiring::Reader& reader = wiring_.readers[r];
        LevelWord& word = words_[r / kReadersPerWord];
        const uint64_t bit = readerBit(r);
        auto take = [bit](uint64_t& bits, bool on) {
            if (on) bits |= bit;
        };
        const Pins& pins = *reader.pins;
        for (uint32_t p = 0; p < kFirstOutputPin; ++p)
            take(inputs_[inputWord(r, p)], pins[p].value != 0);
        if (!reader.gate && !reader.block) continue;
        take(word.q, pins[kOutputPin].value != 0);
        take(word.oddQ, pins[kOutputPin].value > 1);
        if (const CLogicElement* gate = reader.gate) {
            for (int p = 0; p < kFirstOutputPin; ++p) take(word.present[p], pins[p].present);
            take(word.conjunction, gate->isConjunction);
            take(word.inverted, gate->inverted);
            continue;
        }
        take(word.notQ, pins[kSecondOutputPin].value != 0);
        take(word.oddNotQ, pins[kSecondOutputPin].value > 1);
        take(word.latchedJ, reader.block->latchedJ);
        take(word.armed, reader.block->clockArmed);
        take(word.latchedK, reader.block->latchedK);
    }
    firstPass_ = true;
}

void CSettlePlan::storeLevels() {
    for (size_t t = 0; t < inputBits_.size(); ++t)
        *wiring_.targetPins[t] = (inputs_[inputBits_[t] / 64] >> inputBits_[t] % 64) & 1;
    for (uint32_t r = 0; r < wiring_.evaluated; ++r) {
        const SettleWiring::Reader& reader = wiring_.readers[r];
        const LevelWord& word = words_[r / kReadersPerWord];
        const uint64_t bit = readerBit(r);
        Pins& pins = *reader.pins;
        if (!(word.oddQ & bit)) pins[kOutputPin].value = (word.q & bit) != 0;
        if (!reader.block) continue;
        if (!(word.oddNotQ & bit)) pins[kSecondOutputPin].value = (word.notQ & bit) != 0;
        // Evaluation only ever writes 0 or 1 into the latches.
        if (reader.block->kind != Trigger) continue;
        reader.block->latchedJ = (word.latchedJ & bit) != 0;
        reader.block->clockArmed = (word.armed & bit) != 0;
        reader.block->latchedK = (word.latchedK & bit) != 0;
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

// Anything may have changed before a settle: every output is delivered.
void CSettlePlan::deliverAll() {
    const uint32_t* bounds = wiring_.outputTargets.data();
    for (uint32_t r = 0; r < wiring_.evaluated; ++r) {
        const LevelWord& word = words_[r / kReadersPerWord];
        setTargets(bounds[2 * r], bounds[2 * r + 1], word.q & readerBit(r));
        setTargets(bounds[2 * r + 1], bounds[2 * r + 2], word.notQ & readerBit(r));
    }
    for (const SettleWiring::FixedOutput& output : wiring_.fixedOutputs)
        setTargets(output.firstTarget, output.endTarget, *output.level != 0);
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

void CSettlePlan::setTargets(uint32_t firstTarget, uint32_t endTarget, bool level) {
    for (uint32_t t = firstTarget; t < endTarget; ++t) {
        uint64_t& inputs = inputs_[inputBits_[t] / 64];
        const uint64_t bit = uint64_t{1} << inputBits_[t] % 64;
        inputs = level ? inputs | bit : inputs & ~bit;
    }
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
