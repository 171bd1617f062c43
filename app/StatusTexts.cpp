#include "app/StatusTexts.h"

namespace app {
namespace {

constexpr const char* kNoName = "без имени";
constexpr const char* kPowerOn = "Питание включено";
constexpr const char* kPowerOff = "Питание выключено";
constexpr const char* kGeneratorRunning = "Генератор работает";
constexpr const char* kGeneratorStopped = "Генератор остановлен";
constexpr const char* kLevelsStale = "Уровни не пересчитаны — F5";
constexpr const char* kUnsettled = "Схема не успокоилась";
constexpr const char* kRecoveryUnwritten = "Файл восстановления не записан";
constexpr const char* kSeparator = "   |   ";

}  // namespace

std::string statusLine(const platform::WindowStatus& status) {
    std::string line = status.fileName.empty() ? kNoName : status.fileName;
    const auto add = [&line](const char* part) { line.append(kSeparator).append(part); };
    add(status.powerOn ? kPowerOn : kPowerOff);
    if (status.powerOn) add(status.generatorRunning ? kGeneratorRunning : kGeneratorStopped);
    if (status.levelsStale) add(kLevelsStale);
    if (status.unsettled) add(kUnsettled);
    if (status.recoveryUnwritten) add(kRecoveryUnwritten);
    return line;
}

}  // namespace app
