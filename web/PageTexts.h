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

}  // namespace web::text
