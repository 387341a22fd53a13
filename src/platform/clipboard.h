#pragma once

#include <string>

// The desktop clipboard, plain text only.

namespace rovex {

enum class ClipboardResult { Ok, OpenFailed, SetFailed, CloseFailed };

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Replaces the clipboard's content with the text.
  virtual ClipboardResult SetText(const std::string& text) = 0;
};

}  // namespace rovex
