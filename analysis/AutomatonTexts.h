#pragma once

// What the automaton of a circuit tells the user, side by side.
namespace analysis::texts {

inline constexpr const char* kTooManyInputs =
    "входных сигналов %d, а автомат строится не более чем для %d";
inline constexpr const char* kTooManyStates =
    "состояний больше %d: автомат так велик, что его не показать";
inline constexpr const char* kTooLong =
    "автомат строится слишком долго: такт или входов слишком много";
inline constexpr const char* kStepTooLong =
    "такт в %d тиков генераторов (наименьшее общее кратное их периодов) слишком длинный; "
    "наибольший %d";
inline constexpr const char* kNoClockSignal = "входного сигнала номер %d нет";

inline constexpr const char* kMoore = "Автомат Мура";
inline constexpr const char* kMealy = "Автомат Мили";
inline constexpr const char* kCombinational =
    "Схема комбинационная: у неё нет состояний (ни триггеров, ни петель из элементов). "
    "Что она вычисляет, показывает окно «Функции схемы».";
inline constexpr const char* kStates = "состояний";
inline constexpr const char* kMinimalStates = "в минимальном автомате";
inline constexpr const char* kInputsLabel = "Входы";
inline constexpr const char* kStateLabel = "Состояние";
inline constexpr const char* kOutputsLabel = "Выходы";
inline constexpr const char* kNone = "нет";
inline constexpr const char* kStepLabel = "Такт";
inline constexpr const char* kStepPulse = "импульс на входном сигнале %d";
inline constexpr const char* kStepGenerators = "%d тиков генераторов по 0,1 с";
inline constexpr const char* kStepNone = "нет: входы сразу меняют состояние";
inline constexpr const char* kStartLabel = "Начальное состояние";
inline constexpr const char* kTableHeader = "состояние";
inline constexpr const char* kUnsettled =
    "Внимание: %d раз схема не успокоилась за предел проходов.";

// The verdicts of a check by behaviour, and the shortest input sequence that
// tells two automata apart: "такт 3, входы 1, 0, 1: индикатор показывает 02, ожидалось 03".
inline constexpr const char* kMatches = "совпадает";
inline constexpr const char* kDiffers = "не совпадает";
inline constexpr const char* kIncomparable = "не сравнить";
inline constexpr const char* kSameButStart = "совпадает, кроме начального состояния";
inline constexpr const char* kStepNumbered = "такт %d";
inline constexpr const char* kOneInput = "вход %s";
inline constexpr const char* kInputs = "входы %s";
inline constexpr const char* kTheIndicator = "индикатор";
inline constexpr const char* kIndicatorNumbered = "индикатор %d";
inline constexpr const char* kShowsExpected = "%s показывает %s, ожидалось %s";
inline constexpr const char* kOtherInputs = "входов автомата %d, а в образце %d";
inline constexpr const char* kOtherIndicators = "индикаторов %d, а в образце %d";

// What is wrong with a typed table.
inline constexpr const char* kTableLine = "строка %d: %s";
inline constexpr const char* kTableEmpty = "в таблице нет ни одной строки после заголовка";
inline constexpr const char* kTableShort = "нужны состояние, входы, следующее состояние и выходы";
inline constexpr const char* kTableBits = "входы пишутся нулями и единицами или «-», а не «%s»";
inline constexpr const char* kTableInputCount = "входов %d, а в первой строке %d";
inline constexpr const char* kTableOutputCount = "выходов %d, а в первой строке %d";
inline constexpr const char* kTableNumber = "номер индикатора от 0 до 31, а не «%s»";
inline constexpr const char* kTableRepeated = "состояние %s со входами %s уже было";
inline constexpr const char* kTableUnknownNext = "следующего состояния %s нет в таблице";
inline constexpr const char* kTableMissing = "у состояния %s нет строки со входами %s";
inline constexpr const char* kTableTooBig = "в таблице больше %d входов или %d состояний";

}  // namespace analysis::texts
