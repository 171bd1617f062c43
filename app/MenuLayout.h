#pragma once
#include <span>

// The menu "IDR_MENU": drop-down menus of items, no separators, no check marks.
// Every platform builds its menu bar from this one table; "&" marks the mnemonic.
namespace app {

struct MenuItem {
    const char* text;
    int command;
    // The keys that give the command without the menu, in the portable form
    // "Ctrl+Shift+Z"; the first is shown beside the item. A key gives the command
    // only while the item is enabled, as a click would.
    std::span<const char* const> shortcuts = {};
};

struct Menu {
    const char* title;
    std::span<const MenuItem> items;
};

// The menus in bar order, each with its items in order.
std::span<const Menu> mainMenu();

}  // namespace app
