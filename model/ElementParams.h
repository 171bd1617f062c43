#pragma once
#include <cstdint>

// The values the gate and generator dialogs show and return.
struct LogicElementParams {
    bool isConjunction = true;
    uint32_t inputCount = 2;
    bool inverted = false;
    friend bool operator==(const LogicElementParams&, const LogicElementParams&) = default;
};

// Seconds and the fill factor, single precision as the user typed them.
struct GeneratorParams {
    float period = 1.0f;
    float duty = 0.5f;
    float delay = 0.0f;
    friend bool operator==(const GeneratorParams&, const GeneratorParams&) = default;
};

// A closed range of what a dialog field may hold; a value that is not a number
// (NaN) lies in none.
template <typename T>
struct ParamRange {
    T min;
    T max;
    constexpr bool contains(T value) const { return min <= value && value <= max; }
};

// What the dialogs let through, and so all the core accepts from them: every
// platform's dialogs take their bounds from here.
namespace limits {
inline constexpr ParamRange<uint32_t> kInputCount{1, 9};
inline constexpr ParamRange<float> kPeriod{1.0f, 5.0f};
inline constexpr ParamRange<float> kDuty{0.1f, 0.9f};
inline constexpr ParamRange<float> kDelay{0.0f, 5.0f};
}  // namespace limits

constexpr bool withinLimits(const LogicElementParams& params) {
    return limits::kInputCount.contains(params.inputCount);
}

constexpr bool withinLimits(const GeneratorParams& params) {
    return limits::kPeriod.contains(params.period) && limits::kDuty.contains(params.duty) &&
           limits::kDelay.contains(params.delay);
}
