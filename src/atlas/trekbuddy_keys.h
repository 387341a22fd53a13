#pragma once

#include <vector>

// The rows of "Trekbuddy keys" (`CDlgTrekbuddyKeys`), in the order they show:
// each row was inserted at the top, so the list reads in reverse.

namespace rovex::atlas {

struct KeyRow {
  const char* function;
  const char* functionKey;
  const char* key;
  const char* notes;
};

std::vector<KeyRow> TrekbuddyKeyRows();

}  // namespace rovex::atlas
