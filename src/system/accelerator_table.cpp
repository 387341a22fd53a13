#include "system/accelerator_table.h"

#include "system/command_ids.h"

namespace rovex {

const std::vector<Accelerator>& AcceleratorTable() {
  using namespace cmd;
  using K = Accelerator::Kind;
  auto key = [](int code, int command, const char* label, bool ctrl = false) {
    return Accelerator{K::VirtualKey, code, ctrl, command, label};
  };
  auto chr = [](char c, int command) { return Accelerator{K::Character, static_cast<unsigned char>(c), false, command, std::string(1, c)}; };
  static const std::vector<Accelerator> table = {
      key('O', kFileOpen, "Ctrl+O", true),
      key('S', kFileSave, "Ctrl+S", true),
      key('P', kFilePrint, "Ctrl+P", true),
      chr('4', kWindow600x480),
      chr('6', kWindow800x600),
      chr('7', kWindow800x700),
      key(vk::F(5), kNextView, "F5"),
      key('V', kNextView, "V"),
      key(vk::F(6), kViewCameraMap, "F6"),
      key('B', kViewCameraMap, "B"),
      key(vk::F(7), kPoiDirect, "F7"),
      key('N', kViewPoi, "N"),
      key(vk::F(8), kRouteDirect, "F8"),
      chr(',', kViewRoute),
      key(vk::F(9), kViewCompass, "F9"),
      chr('.', kViewPointer),
      key('T', kViewTrackEditor, "T"),
      chr('/', kViewTrail),
      key(vk::F(3), kToolZoomOut, "F3"),
      chr('-', kToolZoomOut),
      key(vk::kSubtract, kToolZoomOut, "Num -"),
      key(vk::F(4), kToolZoomIn, "F4"),
      chr('+', kToolZoomIn),
      key(vk::kAdd, kToolZoomIn, "Num +"),
      key('S', kStart, "S"),
      key('E', kStop, "E"),
      key('Q', kMute, "Q"),
      key('M', kMarkLocation, "M"),
      key(vk::kSpace, kSpecsLine, "Space"),
      // As the shortcut key list and the route view have them: Z motorway, X country, C town.
      key('Z', kRouteModeMotorway, "Z"),
      key('X', kRouteModeCountry, "X"),
      key('C', kRouteModeTown, "C"),
      chr('0', kSayNearestWaypoint),
      key('R', kRoutePicker, "R"),
      key(vk::F(10), kRouteDirectionsToggle, "F10"),
      key('K', kRapidShutdown, "K"),
      key(vk::kEscape, kEscape, "Esc"),
      key(vk::kHome, kAtlasHome, "Home"),
      key(vk::kInsert, kAtlasInsert, "Insert"),
      key(vk::kDelete, kAtlasDelete, "Delete"),
      key(vk::kPageUp, kAtlasPageUp, "Page Up"),
      key(vk::kPageDown, kAtlasPageDown, "Page Down"),
      key(vk::kEnd, kAtlasEnd, "End"),
  };
  return table;
}

namespace detail {

bool MatchesVirtualKey(const Accelerator& a, const KeyPress& key) {
  // A virtual-key entry wants exactly its own modifiers, as Windows accelerators do.
  return a.kind == Accelerator::Kind::VirtualKey && key.virtualKey == a.key && key.ctrl == a.ctrl && !key.alt &&
         !key.shift;
}

bool MatchesCharacter(const Accelerator& a, const KeyPress& key) {
  return a.kind == Accelerator::Kind::Character && key.text.size() == 1 &&
         static_cast<unsigned char>(key.text[0]) == a.key && !key.ctrl && !key.alt;
}

}  // namespace detail

std::optional<int> TranslateAccelerator(const KeyPress& key) {
  return TranslateAccelerator(key, [](int) { return true; });
}

}  // namespace rovex
