#pragma once

#include <string>
#include <vector>

#include "platform/clipboard.h"

// A clipboard that keeps what was put on it and can be told to fail.

namespace rovex::testing {

class FakeClipboard final : public Clipboard {
 public:
  ClipboardResult SetText(const std::string& text) override {
    if (failWith != ClipboardResult::Ok) return failWith;
    texts.push_back(text);
    return ClipboardResult::Ok;
  }

  ClipboardResult failWith = ClipboardResult::Ok;
  std::vector<std::string> texts;
};

}  // namespace rovex::testing
