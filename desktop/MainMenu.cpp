#include "desktop/MainMenu.h"

#include <QMenu>
#include <initializer_list>

#include "app/CommandIds.h"

namespace desktop {

namespace {
struct Item {
    const char* text;
    int id;
};

struct Menu {
    const char* title;
    std::initializer_list<Item> items;
};

const std::initializer_list<Menu> kMenus = {
    {"&Файл",
     {{"&Новый...", command::FileNew},
      {"&Открыть...", command::FileOpen},
      {"&Сохранить", command::FileSave},
      {"Сохранить &как...", command::FileSaveAs},
      {"В&ыход", command::AppExit}}},
    {"&Выбрать",
     {{"Логический &элемент", command::InsertLogicElement},
      {"&Триггер", command::InsertTrigger},
      {"&Сумматор", command::InsertSummer},
      {"&Логический сигнал", command::InsertEntrSignal},
      {"&Генератор ТИ", command::InsertGenerator},
      {"&Цифровой индикатор", command::InsertIndicator}}},
    {"&Питание", {{"&Вкл.", command::PowerOn}, {"В&ыкл.", command::PowerOff}}},
    {"Управление генератором",
     {{"&Пуск", command::GeneratorStart}, {"&Стоп", command::GeneratorStop}}},
    {"&Справка", {{"&О программе...", command::HelpAbout}, {"&Помощь", command::HelpNote}}},
};
}  // namespace

void buildMainMenu(QMenuBar& bar, const std::function<bool(int)>& enabled,
                   const std::function<void(int)>& run) {
    for (const Menu& menu : kMenus) {
        QMenu* dropDown = bar.addMenu(QString::fromUtf8(menu.title));
        for (const Item& item : menu.items) {
            QAction* action = dropDown->addAction(QString::fromUtf8(item.text));
            action->setData(item.id);
            const int id = item.id;
            QObject::connect(action, &QAction::triggered, dropDown, [run, id] { run(id); });
        }
        // The enabling is asked afresh each time, as the state may have changed
        // since the menu was last open.
        QObject::connect(dropDown, &QMenu::aboutToShow, dropDown, [dropDown, enabled] {
            for (QAction* action : dropDown->actions())
                action->setEnabled(enabled(commandIdOf(*action)));
        });
    }
}

int commandIdOf(const QAction& action) {
    return action.data().toInt();
}

}  // namespace desktop
