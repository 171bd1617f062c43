#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// What the functions of a circuit say to the user, side by side.
namespace analysis::texts {

inline std::string tooManyVariables(size_t count, int limit) {
    return "В схеме переменных " + std::to_string(count) + ", а разобрать можно не больше " +
           std::to_string(limit) + ".";
}
inline constexpr const char* kNoRoomToCut =
    "Петли обратной связи не разрезать: в таблице логических элементов нет места.";

inline constexpr const char* kVariablesHeading = "Переменные: ";
inline constexpr const char* kInputsNote =
    "X1, X2, ...: входные сигналы сверху вниз, слева направо";
inline constexpr const char* kTriggersNote =
    "Q1, Q2, ...: состояния триггеров (выходы Q разрезаны); J и K: функции возбуждения, "
    "C: уровень на входе синхронизации триггера, который тактирует не генератор";
inline constexpr const char* kGatesNote =
    "G1, G2, ...: выходы элементов на петлях обратной связи (разрезаны); G1+ и т. д.: "
    "их следующие значения";
inline constexpr const char* kOutputsNote =
    "Y1.1, Y1.2, ...: входы индикаторов по весу разряда, индикаторы сверху вниз";
inline constexpr const char* kFreeOutputsNote =
    "F1, F2, ...: выходы логических элементов, не соединённые ни с чем, сверху вниз";
inline constexpr const char* kNoFunctions =
    "В схеме нет ни индикаторов, ни триггеров, ни свободных выходов элементов: функций нет.";
inline std::string unsettledRows(uint32_t rows) {
    return "Строк, на которых схема не установилась: " + std::to_string(rows) +
           " (взяты уровни последнего прохода).";
}
inline constexpr const char* kTableHeading =
    "Таблица истинности (первая переменная — старший разряд):";
inline constexpr const char* kConstant = " (константа)";
inline constexpr const char* kDnf = "ДНФ";
inline constexpr const char* kCnf = "КНФ";
inline constexpr const char* kMinimalOne = "минимальная ";
inline constexpr const char* kMinimalMany = "минимальные ";
inline constexpr const char* kAtLeast = "не меньше ";
inline constexpr const char* kListedOnly = "показаны первые ";

}  // namespace analysis::texts
