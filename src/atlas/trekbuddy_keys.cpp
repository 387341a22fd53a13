#include "atlas/trekbuddy_keys.h"

namespace rovex::atlas {

std::vector<KeyRow> TrekbuddyKeyRows() {
  static const KeyRow kInserted[] = {
      {"Page Down", "", "PageDown", "Moves down the map by one page"},
      {"Page Up", "", "PageUp", "Moves up the map by one page"},
      {"Pan", "", "Arrow keys", "Pans the map up, down, left or right by one map tile"},
      {"+ Zoom", "", "+", "Increases the zoom"},
      {"- Zoom", "", "-", "Decreases the zoom"},
      {"Move to the top left corner", "", "Insert", "X and Y set to 0."},
      {"Move to the centre of the map", "", "Home", "X and Y set to the mid point"},
      {"Move to the bottom right of the map", "", "End", "X and Y set to three tiles from the bottom corner"},
  };
  return std::vector<KeyRow>(std::rbegin(kInserted), std::rend(kInserted));
}

}  // namespace rovex::atlas
