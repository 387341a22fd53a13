#pragma once

#include <optional>
#include <string>
#include <vector>

// The accelerator table: which key press runs which command. As on Windows a
// key is either a virtual key (a physical key, F5 or the letter V, with exact
// modifiers) or a typed character ("4", ",", "+": whatever keys produce it).
// Virtual keys are tried first, so the numeric-pad minus zooms once although
// it also types "-".

namespace rovex {

// Virtual-key codes: the Windows values, one fixed numbering that every key
// event is translated into, so the table does not depend on the toolkit's key codes.
namespace vk {
inline constexpr int kSpace = 0x20;
inline constexpr int kEscape = 0x1B;
inline constexpr int kPageUp = 0x21;
inline constexpr int kPageDown = 0x22;
inline constexpr int kEnd = 0x23;
inline constexpr int kHome = 0x24;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kInsert = 0x2D;
inline constexpr int kDelete = 0x2E;
inline constexpr int kAdd = 0x6B;       // numeric-pad plus
inline constexpr int kSubtract = 0x6D;  // numeric-pad minus
inline constexpr int kF1 = 0x70;
inline constexpr int F(int n) { return kF1 + n - 1; }
// Letters and digits are their upper-case ASCII codes.
}  // namespace vk

struct KeyPress {
  int virtualKey = 0;  // 0 when the key has no code here
  std::string text;    // the typed character(s), empty for none
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
};

struct Accelerator {
  enum class Kind { VirtualKey, Character };
  Kind kind = Kind::VirtualKey;
  int key = 0;  // virtual-key code, or the character
  bool ctrl = false;
  int command = 0;
  std::string label;  // how the key is named to the user
};

const std::vector<Accelerator>& AcceleratorTable();

// The command of the first accelerator the key press matches, if any. isAvailable
// says whether a command has a handler; keys of missing commands match nothing.
template <typename Available>
std::optional<int> TranslateAccelerator(const KeyPress& key, Available isAvailable);

// Without an availability test (every command counts).
std::optional<int> TranslateAccelerator(const KeyPress& key);

namespace detail {
bool MatchesVirtualKey(const Accelerator& a, const KeyPress& key);
bool MatchesCharacter(const Accelerator& a, const KeyPress& key);
}  // namespace detail

template <typename Available>
std::optional<int> TranslateAccelerator(const KeyPress& key, Available isAvailable) {
  for (const Accelerator& a : AcceleratorTable()) {
    if (detail::MatchesVirtualKey(a, key) && isAvailable(a.command)) return a.command;
  }
  for (const Accelerator& a : AcceleratorTable()) {
    if (detail::MatchesCharacter(a, key) && isAvailable(a.command)) return a.command;
  }
  return std::nullopt;
}

}  // namespace rovex
