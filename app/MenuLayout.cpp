#include "app/MenuLayout.h"

#include <array>

#include "app/CommandIds.h"

namespace app {
namespace {

// One item per kind, as the kinds' descriptions name them.
constexpr std::array<MenuItem, kInsertMenuKinds.size()> insertItems() {
    std::array<MenuItem, kInsertMenuKinds.size()> items{};
    for (size_t i = 0; i < items.size(); ++i) {
        const ElementKindInfo& info = kindInfo(kInsertMenuKinds[i]);
        items[i] = {info.menuText, info.insertCommand};
    }
    return items;
}

// The keys every desktop editor has for these commands.
constexpr const char* kNewKeys[] = {"Ctrl+N"};
constexpr const char* kOpenKeys[] = {"Ctrl+O"};
constexpr const char* kSaveKeys[] = {"Ctrl+S"};
constexpr const char* kSaveAsKeys[] = {"Ctrl+Shift+S"};
constexpr const char* kUndoKeys[] = {"Ctrl+Z"};
constexpr const char* kRedoKeys[] = {"Ctrl+Y", "Ctrl+Shift+Z"};
constexpr const char* kHelpKeys[] = {"F1"};
constexpr const char* kCutKeys[] = {"Ctrl+X"};
constexpr const char* kCopyKeys[] = {"Ctrl+C"};
constexpr const char* kPasteKeys[] = {"Ctrl+V"};
constexpr const char* kDeleteKeys[] = {"Del"};
constexpr const char* kSelectAllKeys[] = {"Ctrl+A"};
constexpr const char* kCancelKeys[] = {"Esc"};
constexpr const char* kLeftKeys[] = {"Left"};
constexpr const char* kRightKeys[] = {"Right"};
constexpr const char* kUpKeys[] = {"Up"};
constexpr const char* kDownKeys[] = {"Down"};
constexpr const char* kSettleKeys[] = {"F5"};
constexpr const char* kTickKeys[] = {"Ctrl+T"};
constexpr const char* kZoomInKeys[] = {"Ctrl+="};
constexpr const char* kZoomOutKeys[] = {"Ctrl+-"};
constexpr const char* kZoomNaturalKeys[] = {"Ctrl+0"};

// One item per line, as the menus show them.
// clang-format off
constexpr MenuItem kFileItems[] = {
    {"&Новый...", command::FileNew, kNewKeys},
    {"&Открыть...", command::FileOpen, kOpenKeys},
    {"&Сохранить", command::FileSave, kSaveKeys},
    {"Сохранить &как...", command::FileSaveAs, kSaveAsKeys},
    {"Сохранить &рисунок...", command::FileSavePicture},
    {"В&ыход", command::AppExit},
};
constexpr MenuItem kEditItems[] = {
    {"&Отменить", command::EditUndo, kUndoKeys},
    {"&Повторить", command::EditRedo, kRedoKeys},
    {"&Вырезать", command::EditCut, kCutKeys},
    {"&Копировать", command::EditCopy, kCopyKeys},
    {"Вст&авить", command::EditPaste, kPasteKeys},
    {"&Удалить", command::EditDelete, kDeleteKeys},
    {"Выделить в&сё", command::EditSelectAll, kSelectAllKeys},
    {"Пре&рвать", command::EditCancel, kCancelKeys},
    {"Сдвинуть влево", command::EditMoveLeft, kLeftKeys},
    {"Сдвинуть вправо", command::EditMoveRight, kRightKeys},
    {"Сдвинуть вверх", command::EditMoveUp, kUpKeys},
    {"Сдвинуть вниз", command::EditMoveDown, kDownKeys},
};
constexpr MenuItem kViewItems[] = {
    {"Крупнее", command::ViewZoomIn, kZoomInKeys},
    {"Мельче", command::ViewZoomOut, kZoomOutKeys},
    {"Обычный размер", command::ViewZoomNatural, kZoomNaturalKeys},
    {"Пересчитывать после каждого изменения", command::ViewSettleAfterChange, {},
     "view/settleAfterChange"},
    {"Цвет проводов по уровню", command::ViewWireLevels, {}, "view/wireLevels"},
};
constexpr std::array<MenuItem, kInsertMenuKinds.size()> kInsertItems = insertItems();
constexpr MenuItem kPowerItems[] = {
    {"&Вкл.", command::PowerOn},
    {"В&ыкл.", command::PowerOff},
    {"&Пересчитать", command::PowerSettle, kSettleKeys},
    {"&Сбросить триггеры", command::PowerResetTriggers},
};
constexpr MenuItem kGeneratorItems[] = {
    {"&Пуск", command::GeneratorStart},
    {"&Стоп", command::GeneratorStop},
    {"&Такт", command::GeneratorTick, kTickKeys},
};
constexpr MenuItem kAnalysisItems[] = {
    {"&Функции схемы...", command::AnalysisFunctions},
    {"&Автомат...", command::AnalysisAutomaton},
    {"&Проверить по таблице...", command::AnalysisCheckByTable},
    {"&Временная диаграмма", command::AnalysisTimingDiagram},
};
constexpr MenuItem kHelpItems[] = {
    {"&О программе...", command::HelpAbout},
    {"&Помощь", command::HelpNote, kHelpKeys},
};

constexpr Menu kMenus[] = {
    {"&Файл", kFileItems},
    {"П&равка", kEditItems},
    {"В&ид", kViewItems},
    {"&Выбрать", kInsertItems},
    {"&Питание", kPowerItems},
    {"Управление генератором", kGeneratorItems},
    {"&Анализ", kAnalysisItems},
    {"&Справка", kHelpItems},
};
// clang-format on

}  // namespace

std::span<const Menu> mainMenu() {
    return kMenus;
}

const MenuItem* findMenuItem(int command) {
    for (const Menu& menu : kMenus)
        for (const MenuItem& item : menu.items)
            if (item.command == command) return &item;
    return nullptr;
}

}  // namespace app
