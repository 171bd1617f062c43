#pragma once
#include "platform/DialogTexts.h"

// What a check prints for each file, in the words of the teacher who reads it.
namespace lotrasim::text {

inline constexpr const char* kMatches = "совпадает";
inline constexpr const char* kDiffers = "не совпадает";
inline constexpr const char* kIncomparable = "не сравнить";
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

inline constexpr const char* kOneInput = "вход %s";
inline constexpr const char* kInputs = "входы %s";
inline constexpr const char* kAfterPowerOn = "после включения питания";
inline constexpr const char* kAfterTick = "после такта %d";
inline constexpr const char* kTheIndicator = "индикатор";
inline constexpr const char* kIndicatorNumbered = "индикатор %d";
inline constexpr const char* kShowsExpected = "%s показывает %s, ожидалось %s";

// After "--clock N", for a circuit whose generators give the automaton's step.
inline constexpr const char* kClockIgnored = " не действует: такт автомата задают генераторы схемы";

}  // namespace lotrasim::text
