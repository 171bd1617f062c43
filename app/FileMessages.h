#pragma once
#include <string>

#include "platform/DialogTexts.h"

// What the file commands say to the user. A "%s" stands for the name as typed.
namespace app::text {

inline constexpr const char* kWarningAttention = "Внимание!!!";
inline constexpr const char* kWarningNewFile = "При создании нового файла";
inline constexpr const char* kWarningOpenFile = "При открытии файла";
inline constexpr const char* kWarningUnsavedLost = "вся несохраненная информация будет потеряна!";

inline constexpr const char* kFileExists = "Файл с именем %s уже существует!";
inline constexpr const char* kFileExistsDataLoss = "Продолжение операции приведет к потере данных,";
inline constexpr const char* kFileExistsContents = "содержащихся в этом файле!";

inline constexpr const char* kFileNotFound = "Файл с именем %s не найден!";
inline constexpr const char* kFileNotSaved = "Файл не сохранен!";
inline constexpr const char* kFileNotWritten = "Не удалось записать файл %s!";
inline constexpr const char* kFileNotRead = "Не удалось прочитать файл %s!";
inline constexpr const char* kRecoveryFileRefused =
    "Файл %s - файл восстановления, программа очищает его при выходе! Сохраните схему "
    "под другим именем.";

inline constexpr const char* kLabelNew = "Создать файл:";
inline constexpr const char* kLabelOpen = "Открыть файл:";
inline constexpr const char* kLabelSave = "Имя файла";
inline constexpr const char* kLabelPicture = "Имя рисунка";

// A file with bytes in it but no circuit, in the words lotra-sim uses too.
inline std::string notACircuitFile(const std::string& fileName) {
    return "Файл " + fileName + ": " + platform::text::NotACircuitFile;
}

// The message with the typed name in place of its "%s". The name is inserted as
// it stands, so a name that itself holds "%" signs is shown unchanged.
inline std::string withFileName(const std::string& message, const std::string& fileName) {
    std::string result = message;
    const std::size_t at = result.find("%s");
    if (at != std::string::npos) result.replace(at, 2, fileName);
    return result;
}

}  // namespace app::text
