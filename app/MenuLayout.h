#pragma once
#include <span>

// The menu "IDR_MENU": drop-down menus of items, no separators. Every platform
// builds its menu bar from this one table; "&" marks the mnemonic.
namespace app {

struct MenuItem {
    const char* text;
    int command;
    // The keys that give the command without the menu, in the portable form
    // "Ctrl+Shift+Z"; the first is shown beside the item. A key gives the command
    // only while the item is enabled, as a click would.
    std::span<const char* const> shortcuts = {};
    // For a check item, the name under which the platform keeps the user's choice
    // from one run to the next (the core says whether it is checked now); nothing
    // for a plain item.
    const char* rememberedAs = nullptr;
};

struct Menu {
    const char* title;
    std::span<const MenuItem> items;
};

// The menus in bar order, each with its items in order.
std::span<const Menu> mainMenu();

// The item of the command, or nullptr when no menu has it.
const MenuItem* findMenuItem(int command);

}  // namespace app
