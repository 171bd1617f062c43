#pragma once

// What the user is told when a table is full.
namespace messages {
inline constexpr const char* kLogicTableFull =
    "Невозможно зарегистрировать логический элемент.\n"
    "Возможно создано предельное их количество";
inline constexpr const char* kBlockTableFull =
    "Невозможно зарегистрировать элемент.\n"
    "Возможно создано предельное их количество";
inline constexpr const char* kWireTableFull =
    "Невозможно зарегистрировать проводник.\n"
    "Возможно создано предельное их количество";
}  // namespace messages
