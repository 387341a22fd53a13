#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/user_prompt.h"
#include "trackeditor/track_map.h"

// What the background map loaders share.

namespace rovex::trackeditor {

// Called now and then during a load with the bytes read so far and the size of
// the file (0 when unknown). Returning false stops the load; what was loaded stays.
using LoadProgress = std::function<bool(uint64_t done, uint64_t total)>;

// A loader dialog's file box, the open map its entries join and its messages.
class BackgroundLoadModel {
 public:
  std::string source;

  // Entries added by every Load so far.
  std::size_t Added() const { return m_added; }

 protected:
  BackgroundLoadModel(TrackEditor* map, UserPrompt* prompt) : m_map(map), m_prompt(prompt) {}
  void Message(const std::string& text, MsgIcon icon = MsgIcon::Warning) {
    if (m_prompt) m_prompt->MessageBox(text, icon);
  }

  TrackEditor* m_map;
  UserPrompt* m_prompt;
  std::size_t m_added = 0;
};

}  // namespace rovex::trackeditor
