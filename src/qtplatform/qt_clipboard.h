#pragma once

#include <string>

#include "platform/clipboard.h"

// The desktop clipboard through Qt; the text is shown as UTF-8 when valid, else Latin-1.

namespace rovex {

class QtClipboard final : public Clipboard {
 public:
  ClipboardResult SetText(const std::string& text) override;
};

}  // namespace rovex
