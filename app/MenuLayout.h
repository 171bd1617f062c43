#pragma once
#include <span>

// The menu "IDR_MENU": drop-down menus of items, no separators, no check marks.
// Every platform builds its menu bar from this one table; "&" marks the mnemonic.
namespace app {

struct MenuItem {
    const char* text;
    int command;
};

struct Menu {
    const char* title;
    std::span<const MenuItem> items;
};

// The menus in bar order, each with its items in order.
std::span<const Menu> mainMenu();

}  // namespace app
