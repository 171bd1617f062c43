#pragma once

// The texts only the page shows. UTF-8.
namespace web::text {

inline constexpr const char* kProgramEnded = "Программа «Лотра - 2» завершила работу.";
inline constexpr const char* kOpenInAnotherTab =
    "Программа «Лотра - 2» уже открыта в другой вкладке.";
// The caption of the validation messages and of a message box given none: on the
// desktop, its program file's name.
inline constexpr const char* kDefaultCaption = "lotra";

}  // namespace web::text
