#include "desktop/MainMenu.h"

#include <QKeySequence>
#include <QMenu>
#include <QShortcut>

#include "app/MenuLayout.h"

namespace desktop {

namespace {

QList<QKeySequence> keySequences(const app::MenuItem& item) {
    QList<QKeySequence> keys;
    for (const char* key : item.shortcuts)
        keys.append(QKeySequence::fromString(QString::fromUtf8(key), QKeySequence::PortableText));
    return keys;
}

// The action shows the keys beside its item, but an action's enabled flag is only
// brought up to date when its menu opens. So the keys themselves are shortcuts of
// the window, always live: the core's enabling rule, asked at the moment of the
// key, drops a command that is disabled.
void addShortcuts(QWidget& window, QAction& action, const app::MenuItem& item,
                  const std::function<void(int)>& run) {
    const QList<QKeySequence> keys = keySequences(item);
    if (keys.isEmpty()) return;
    action.setShortcuts(keys);
    // Bound to the drop-down alone, so that only the open menu answers them there.
    action.setShortcutContext(Qt::WidgetShortcut);
    const int id = item.command;
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, &window);
        QObject::connect(shortcut, &QShortcut::activated, &window, [run, id] { run(id); });
    }
}

}  // namespace

void buildMainMenu(QMenuBar& bar, const std::function<bool(int)>& enabled,
                   const std::function<void(int)>& run) {
    QWidget& window = *bar.window();
    for (const app::Menu& menu : app::mainMenu()) {
        QMenu* dropDown = bar.addMenu(QString::fromUtf8(menu.title));
        for (const app::MenuItem& item : menu.items) {
            QAction* action = dropDown->addAction(QString::fromUtf8(item.text));
            action->setData(item.command);
            const int id = item.command;
            QObject::connect(action, &QAction::triggered, dropDown, [run, id] { run(id); });
            addShortcuts(window, *action, item, run);
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
