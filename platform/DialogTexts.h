#pragma once

// Every text the dialogs show, side by side, for the desktop's dialogs and the
// page's alike. UTF-8.
namespace platform::text {

inline constexpr const char* Ok = "OK";
inline constexpr const char* Cancel = "Cancel";
inline constexpr const char* Continue = "Продолжить";
inline constexpr const char* Refuse = "Отказаться";

inline constexpr const char* LogicElementTitle = "Логический элемент";
inline constexpr const char* InputCount = "Количество входов";
inline constexpr const char* InputRange = "от 1 до 9";
inline constexpr const char* InvertedOutput = "Инверитированный выход";
inline constexpr const char* Conjunctor = "Коньюнктор";
inline constexpr const char* Disjunctor = "Дизьюнктор";

inline constexpr const char* DeleteTitle = "Удаление выделенных элементов";
inline constexpr const char* DeleteQuestion = "Удалить выделенные элементы?";

inline constexpr const char* QuestionTitle = "Изменение параметров";

inline constexpr const char* GeneratorTitle = "Генератор импульсов";
inline constexpr const char* PulseParameters = "Параметры импульса";
inline constexpr const char* Period = "Период (1,2,...,5), с.";
inline constexpr const char* Duty = "Коэффициент заполнения (0.1,0.2, ... ,0.9)";
inline constexpr const char* Delay = "Задержка импульса, с.";

inline constexpr const char* FileNameTitle = "Операции с файлами";
inline constexpr const char* Browse = "Обзор...";
// Said of a file that holds bytes but no circuit, by the window and by lotra-sim.
inline constexpr const char* NotACircuitFile = "это не файл схемы";
inline constexpr const char* WarningTitle = "Предупреждение";

inline constexpr const char* SaveChangesQuestion = "Сохранить изменения в схеме?";
inline constexpr const char* SaveChanges = "Сохранить";
inline constexpr const char* DontSaveChanges = "Не сохранять";
inline constexpr const char* CancelClosing = "Отмена";

inline constexpr const char* PinChoiceTitle = "Проводник";
inline constexpr const char* PinChoiceQuestion =
    "К какому выводу вы хотите подсоединить проводник?";

inline constexpr const char* AboutTitle = "О программе";
inline constexpr const char* AboutDeveloperRole = "Разработчик и носитель основной идеи :";
inline constexpr const char* AboutDeveloperGroup = "курс «Теория автоматов»";
inline constexpr const char* AboutDeveloperName = "Команда «Лотра»";
inline constexpr const char* AboutAssistantRole = "Ассистент";
inline constexpr const char* AboutAssistantGroup = "лаборатория курса";
inline constexpr const char* AboutAssistantName = "Лаборант курса";
inline constexpr const char* AboutThanksHeading =
    "При создании этой программы были использованы знания, полученные от следующих "
    "преподователей:";
inline constexpr const char* AboutTeacher1 = "Лектор первого курса, информатика;";
inline constexpr const char* AboutTeacher2 = "Лектор курса, теория автоматов;";
inline constexpr const char* AboutTeacher3 = "Руководитель практикума, схемотехника;";
inline constexpr const char* AboutTeacher4 =
    "Преподаватель программирования, алгоритмические языки программирования;";
inline constexpr const char* AboutTeacher5 = "Руководитель проектов, технология программирования;";
inline constexpr const char* AboutInitiator =
    "Программа создана по инициативе преподавателей курса «Теория автоматов».";
inline constexpr const char* AboutPlaceAndYear = "2026 г.";

inline constexpr const char* HelpNoteTitle = "Краткое руководство пользователя";
inline constexpr const char* HelpNoteText = "Руководство пользователя находится в файле help.html";

// Validation messages; %1 and %2 are the bounds.
inline constexpr const char* EnterInteger = "Введите целое число.";
inline constexpr const char* EnterIntegerInRange = "Введите целое число от %1 до %2.";
inline constexpr const char* EnterNumber = "Введите число.";
inline constexpr const char* EnterNumberInRange = "Введите число от %1 до %2.";
inline constexpr const char* EnterFileName = "Введите имя файла.";
// %1 is the most characters a typed name may have.
inline constexpr const char* EnterShorterFileName = "Введите имя файла не длиннее %1 символов.";

}  // namespace platform::text
