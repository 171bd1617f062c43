#pragma once
#include <QMenuBar>
#include <functional>

// The menu bar of the window, built from the core's menu table. Each action carries
// its command id as data.
namespace desktop {

// What the menu asks of the window about a command: whether its item is enabled,
// and whether a check item is checked.
struct CommandState {
    std::function<bool(int)> enabled;
    std::function<bool(int)> checked;
};

// Fills the bar, and gives the bar's window the items' keys. The state is asked for
// every item of a menu just before it shows, and for every item before a key is
// looked up; `run` gets the command id of a chosen item or of a pressed key.
void buildMainMenu(QMenuBar& bar, const CommandState& state, const std::function<void(int)>& run);

// The command id of an action made by buildMainMenu, or 0.
int commandIdOf(const QAction& action);

}  // namespace desktop
