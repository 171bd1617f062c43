#include "desktop/MainMenu.h"

#include <QApplication>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>
#include <utility>

#include "app/MenuLayout.h"

namespace desktop {

namespace {

QList<QKeySequence> keySequences(const app::MenuItem& item) {
    QList<QKeySequence> keys;
    for (const char* key : item.shortcuts)
        keys.append(QKeySequence::fromString(QString::fromUtf8(key), QKeySequence::PortableText));
    return keys;
}

void refreshEnabling(const QMenu& menu, const CommandState& state) {
    for (QAction* action : menu.actions()) {
        const int id = commandIdOf(*action);
        action->setEnabled(state.enabled(id));
        if (action->isCheckable()) action->setChecked(state.checked(id));
    }
}

void refreshEnabling(const QMenuBar& bar, const CommandState& state) {
    for (const QAction* title : bar.actions()) refreshEnabling(*title->menu(), state);
}

// An item's keys answer only while the item is enabled, but the enabling is asked
// only when a menu opens. Qt asks the focus object whether it wants a key for
// itself (ShortcutOverride) just before it looks the key up among the shortcuts,
// so the enabling is brought up to date there: a key then does exactly what the
// item would do at that moment, and nothing while the item is disabled.
class EnablingBeforeKeys : public QObject {
  public:
    EnablingBeforeKeys(QMenuBar& bar, CommandState state)
        : QObject(&bar), bar_(bar), state_(std::move(state)) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) refreshEnabling(bar_, state_);
        return QObject::eventFilter(watched, event);
    }

  private:
    QMenuBar& bar_;
    CommandState state_;
};

}  // namespace

void buildMainMenu(QMenuBar& bar, const CommandState& state, const std::function<void(int)>& run) {
    for (const app::Menu& menu : app::mainMenu()) {
        QMenu* dropDown = bar.addMenu(QString::fromUtf8(menu.title));
        for (const app::MenuItem& item : menu.items) {
            QAction* action = dropDown->addAction(QString::fromUtf8(item.text));
            action->setData(item.command);
            action->setCheckable(item.rememberedAs != nullptr);
            // Shown beside the item, and live in the whole window.
            action->setShortcuts(keySequences(item));
            const int id = item.command;
            QObject::connect(action, &QAction::triggered, dropDown, [run, id] { run(id); });
        }
        // The enabling is asked afresh each time, as the state may have changed
        // since the menu was last open.
        QObject::connect(dropDown, &QMenu::aboutToShow, dropDown,
                         [dropDown, state] { refreshEnabling(*dropDown, state); });
    }
    new EnablingBeforeKeys(bar, state);
}

int commandIdOf(const QAction& action) {
    return action.data().toInt();
}

}  // namespace desktop
