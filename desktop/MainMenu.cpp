#include "desktop/MainMenu.h"

#include <QMenu>

#include "app/MenuLayout.h"

namespace desktop {

void buildMainMenu(QMenuBar& bar, const std::function<bool(int)>& enabled,
                   const std::function<void(int)>& run) {
    for (const app::Menu& menu : app::mainMenu()) {
        QMenu* dropDown = bar.addMenu(QString::fromUtf8(menu.title));
        for (const app::MenuItem& item : menu.items) {
            QAction* action = dropDown->addAction(QString::fromUtf8(item.text));
            action->setData(item.command);
            const int id = item.command;
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
