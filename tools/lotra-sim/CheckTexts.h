#pragma once
#include "analysis/AutomatonTexts.h"
#include "platform/DialogTexts.h"

// What a check prints for each file, in the words of the teacher who reads it.
namespace lotrasim::text {

// The verdicts and the words of a difference are those of the automata's check.
using analysis::texts::kDiffers;
using analysis::texts::kIncomparable;
using analysis::texts::kMatches;
inline constexpr const char* kSummary = "совпадают %d из %d";

inline constexpr const char* kNoSuchFile = "файла нет";
inline constexpr const char* kNoPermission = "нет прав на чтение файла";
inline constexpr const char* kFolder = "это папка, а не файл";
inline constexpr const char* kSpecialFile = "это не файл схемы, а канал или устройство";
inline constexpr const char* kUnreadable = "файл не читается";
inline constexpr const char* kEmptyFile = "файл пуст";
inline constexpr const char* kNotACircuit = platform::text::NotACircuitFile;
inline constexpr const char* kOtherInputCount = "входных сигналов %d, а в образце %d";
inline constexpr const char* kOtherIndicatorCount = "индикаторов %d, а в образце %d";

using analysis::texts::kIndicatorNumbered;
using analysis::texts::kInputs;
using analysis::texts::kOneInput;
using analysis::texts::kShowsExpected;
using analysis::texts::kTheIndicator;
inline constexpr const char* kAfterPowerOn = "после включения питания";
inline constexpr const char* kAfterTick = "после такта %d";

// After "--clock N", for a circuit whose generators give the automaton's step.
inline constexpr const char* kClockIgnored = " не действует: такт автомата задают генераторы схемы";

}  // namespace lotrasim::text
