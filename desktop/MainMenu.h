#pragma once
#include <QMenuBar>
#include <functional>

// The menu bar of the window, built from the core's menu table. Each action carries
// its command id as data.
namespace desktop {

// Fills the bar, and gives the bar's window the items' keys. `enabled` is asked for
// every item of a menu just before it shows, and for every item before a key is
// looked up; `run` gets the command id of a chosen item or of a pressed key.
void buildMainMenu(QMenuBar& bar, const std::function<bool(int)>& enabled,
                   const std::function<void(int)>& run);

// The command id of an action made by buildMainMenu, or 0.
int commandIdOf(const QAction& action);

}  // namespace desktop
