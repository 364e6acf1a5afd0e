#pragma once
// Menu 131, the menu bar of the main window, as data.

#include <vector>

namespace menus {

struct MenuItem {
    const char* text;  // with its mnemonic; null for a separator
    int commandId;
};

struct Menu {
    const char* title;
    std::vector<MenuItem> items;
};

inline constexpr MenuItem kSeparator{nullptr, 0};

const std::vector<Menu>& MainMenu();

inline constexpr int kQuitCommand = 32771;
inline constexpr int kContentsCommand = 32773;
inline constexpr int kAboutCommand = 32774;

}  // namespace menus
