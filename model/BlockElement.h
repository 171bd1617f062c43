#pragma once
#include <cstdint>

#include "model/ElementKinds.h"
#include "model/Geometry.h"
#include "model/Pin.h"

// A Trigger, Summer, EntrSignal or GTI; all live in the block table.
class CBlockElement {
  public:
    // A new element laid out as its kind's description says.
    explicit CBlockElement(ElementKind kind);
    virtual ~CBlockElement() = default;

    void setPosition(int32_t x, int32_t y);
    Point pinOffset(int pin) const;
    // The body picture as it shows: an input signal or a generator shows the level
    // of its output.
    int32_t shownBitmap() const;

    // Generator timing in ticks of 100 ms. Returns false when delay + pulse did
    // not fit into the period; the pulse is then moved to the end of the period.
    bool setupGenerator(uint32_t newPeriod, uint32_t newPulse, uint32_t newDelay);
    // One tick of the generator clock; true when a switching point was reached.
    bool generatorTick();
    // Field by field, levels, latches and the generator's count included.
    bool operator==(const CBlockElement&) const = default;

    Pins pins{};
    uint8_t latchedJ = 0;
    uint8_t clockArmed = 0;
    uint8_t latchedK = 0;
    int32_t drawState = 0;
    int32_t index = 0;
    int32_t bitmap = 0;  // the body of a new element (drawing takes shownBitmap)
    int32_t width = 0;
    int32_t height = 0;
    ElementKind kind;
    int32_t x = 0;
    int32_t y = 0;
    uint32_t pulseTicks = 0;
    uint32_t delayTicks = 0;
    uint32_t periodTicks = 0;
    uint32_t tickCounter = 0;
};
