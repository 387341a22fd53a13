#pragma once

#include <string>
#include <vector>

// A table as the camera list dialogs show it: titled columns with their
// widths in pixels and rows of text. Plain data, so that the rules of what a
// dialog lists are tested without a window.

namespace rovex {

struct TableColumn {
  std::string title;
  int width = 0;
  bool operator==(const TableColumn&) const = default;
};

struct CameraTable {
  std::vector<TableColumn> columns;
  std::vector<std::vector<std::string>> rows;
};

}  // namespace rovex
