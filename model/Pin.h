#pragma once
#include <array>
#include <cstdint>

#include "model/ElementKind.h"

// One of the eleven pin slots of an element. Pins 0 to 8 are inputs on the left
// edge, 9 and 10 outputs on the right edge.
struct Pin {
    uint8_t present = 1;
    uint8_t connected = 0;
    uint8_t value = 0;
    LinkKind linkKind;      // a wire while one is attached
    int32_t wireIndex = 0;  // wire slot; meaningless while not connected
    int32_t wireEnd = 0;    // position of the end record in that wire
    friend bool operator==(const Pin&, const Pin&) = default;
};

constexpr int kPinCount = 11;
constexpr int kFirstOutputPin = 9;
using Pins = std::array<Pin, kPinCount>;

// What each pin is for. Every element's first output is pin 9; a trigger and a
// summer have a second one, and take their three inputs on pins 0, 3 and 6.
constexpr int kOutputPin = 9;
constexpr int kSecondOutputPin = 10;

constexpr int kTriggerJ = 0;
constexpr int kTriggerClock = 3;
constexpr int kTriggerK = 6;
constexpr int kTriggerQ = kOutputPin;
constexpr int kTriggerNotQ = kSecondOutputPin;

constexpr int kSummerA = 0;
constexpr int kSummerCarryIn = 3;
constexpr int kSummerB = 6;
constexpr int kSummerSum = kOutputPin;
constexpr int kSummerCarryOut = kSecondOutputPin;

constexpr bool isInputPin(int pin) {
    return pin >= 0 && pin < kFirstOutputPin;
}
constexpr bool isPinNumber(int pin) {
    return pin >= 0 && pin < kPinCount;
}

// A fresh element has every pin present and nothing else set; its layout then
// clears the pins it does not have.
inline Pins freshPins() {
    return Pins{};
}
