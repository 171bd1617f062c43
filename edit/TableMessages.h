#pragma once
#include "platform/Shell.h"

// What the user is told when a table is full.
namespace edit::text {
inline constexpr const char* kLogicTableFull =
    "Невозможно зарегистрировать логический элемент.\n"
    "Возможно создано предельное их количество";
inline constexpr const char* kBlockTableFull =
    "Невозможно зарегистрировать элемент.\n"
    "Возможно создано предельное их количество";
inline constexpr const char* kWireTableFull =
    "Невозможно зарегистрировать проводник.\n"
    "Возможно создано предельное их количество";
}  // namespace edit::text

namespace edit {
// A message box with OK only and the application's own caption.
inline void reportTableFull(platform::Shell& shell, const char* message) {
    shell.messageBox(message, "", platform::MessageBoxStyle::Ok);
}
}  // namespace edit
