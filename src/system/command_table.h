#pragma once

#include <string>
#include <vector>

// The menus of the main window as data: each item's command, text, key and the
// prompt the status bar shows while the item is highlighted. The window builds
// its menus from this table and shows an item only when a handler for its
// command exists, so a feature appears in the menus by registering its handler.

namespace rovex {

struct MenuCommand {
  int id = 0;
  std::string text;    // with "&" before the mnemonic
  std::string key;     // shown beside the text; empty when none
  std::string prompt;  // status-bar prompt; empty when none
};

struct MenuDefinition {
  std::string title;
  std::vector<MenuCommand> items;
};

// Every menu in menu-bar order.
const std::vector<MenuDefinition>& MenuTable();

// The menu item for a command, or null (toolbar and key-only commands have none).
const MenuCommand* FindMenuCommand(int id);

// The status-bar prompt of any command: a menu item's own, a toolbar button's
// that repeats a menu action, or a prompt of its own. Empty when none.
std::string CommandPrompt(int id);

// A short name for a toolbar button's tooltip.
std::string CommandTooltip(int id);

}  // namespace rovex
