#pragma once
#include <QMenuBar>

// The keyboard's way into the Russian menus, as Qt programs on other desktops have
// it: Alt with a menu's underlined letter opens that menu, and a letter in an open
// menu chooses its item, whichever keyboard layout is on (the key of "П" is the one
// of the Latin "G"); F10 opens the first menu (Alt alone lights its title, as
// Qt's style does by itself).
namespace desktop {

// For a bar filled with its menus, which keeps what this makes.
void connectMenuKeys(QMenuBar& bar);

}  // namespace desktop
