#pragma once

// The texts only the page shows. UTF-8.
namespace web::text {

inline constexpr const char* kProgramEnded = "Программа «Лотра - 2» завершила работу.";
inline constexpr const char* kOpenInAnotherTab =
    "Программа «Лотра - 2» уже открыта в другой вкладке.";
inline constexpr const char* kStartsWhenOtherTabCloses =
    "Она запустится здесь, как только ту вкладку закроют.";
inline constexpr const char* kStartHere = "Запустить";
inline constexpr const char* kRestart = "Запустить снова";
// The browser would not promise to keep the page's storage.
inline constexpr const char* kStorageMayBeCleared =
    "Браузер может удалить схемы, сохранённые на этой странице. Чтобы схема не "
    "пропала, сохраните её и на компьютере: «Файл» / «Сохранить на диск...».";
// An autosave could not write the recovery file; shown until one can.
inline constexpr const char* kRecoveryUnwritten =
    "Не удалось записать файл восстановления: при закрытии вкладки последние изменения "
    "будут потеряны. Сохраните схему: «Файл» / «Сохранить на диск...».";
// The caption of the validation messages and of a message box given none: on the
// desktop, its program file's name.
inline constexpr const char* kDefaultCaption = "lotra";

// The panels of the analysis menu.
inline constexpr const char* kFunctionsTitle = "Функции схемы";
inline constexpr const char* kAutomatonTitle = "Автомат схемы";
inline constexpr const char* kSavePicture = "Сохранить рисунок...";
inline constexpr const char* kClosePanel = "Закрыть";
inline constexpr const char* kComputing = "Вычисляется...";
inline constexpr const char* kLetters = "Буквы";
inline constexpr const char* kAllStates = "Все состояния триггеров";
inline constexpr const char* kNoGraph = "Graphviz не нарисовал граф.";
inline constexpr const char* kNoMap = "Карта Карно строится для функций от 2 до 6 переменных.";
inline constexpr const char* kOpenFunctions = "Открыть «Функции схемы»";

}  // namespace web::text
