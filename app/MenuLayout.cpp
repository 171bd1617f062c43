#include "app/MenuLayout.h"

#include "app/CommandIds.h"

namespace app {
namespace {

// One item per line, as the menus show them.
// clang-format off
constexpr MenuItem kFileItems[] = {
    {"&Новый...", command::FileNew},
    {"&Открыть...", command::FileOpen},
    {"&Сохранить", command::FileSave},
    {"Сохранить &как...", command::FileSaveAs},
    {"Сохранить &рисунок...", command::FileSavePicture},
    {"В&ыход", command::AppExit},
};
constexpr MenuItem kInsertItems[] = {
    {"Логический &элемент", command::InsertLogicElement},
    {"&Триггер", command::InsertTrigger},
    {"&Сумматор", command::InsertSummer},
    {"&Логический сигнал", command::InsertEntrSignal},
    {"&Генератор ТИ", command::InsertGenerator},
    {"&Цифровой индикатор", command::InsertIndicator},
};
constexpr MenuItem kPowerItems[] = {
    {"&Вкл.", command::PowerOn},
    {"В&ыкл.", command::PowerOff},
};
constexpr MenuItem kGeneratorItems[] = {
    {"&Пуск", command::GeneratorStart},
    {"&Стоп", command::GeneratorStop},
};
constexpr MenuItem kHelpItems[] = {
    {"&О программе...", command::HelpAbout},
    {"&Помощь", command::HelpNote},
};

constexpr Menu kMenus[] = {
    {"&Файл", kFileItems},
    {"&Выбрать", kInsertItems},
    {"&Питание", kPowerItems},
    {"Управление генератором", kGeneratorItems},
    {"&Справка", kHelpItems},
};
// clang-format on

}  // namespace

std::span<const Menu> mainMenu() {
    return kMenus;
}

}  // namespace app
